# Sourced after lib.sh by the scenarios that look at Wine's task bar: what
# its notification area (the right half) and buttons (right of the start
# button) look like before the program puts anything there, and ways to see
# what changed since. Call tray_watch_begin once the desktop has started.

# tray_watch_begin: finds the task bar and keeps a screenshot of it at rest
# ($E2E_WORK/empty.png); sets ty th (the task bar's top and height).
tray_watch_begin() {
  local taskbar
  taskbar=$(wait_for_taskbar) || fail "no task bar at the bottom of Wine's desktop"
  read -r _ ty _ th < <(window_geometry "$taskbar")
  wait_for_still_screen "$E2E_WORK/empty.png" || fail "the desktop does not come to rest"
  tray_empty=$(tray "$E2E_WORK/empty.png" empty)
  buttons_empty=$(buttons "$E2E_WORK/empty.png" empty)
}

# strip SHOT NAME X WIDTH: a part of the task bar, cut out of a screenshot.
strip() { convert "$1" -crop "$4x$th+$3+$ty" +repage "$E2E_WORK/$2.png" && printf '%s\n' "$E2E_WORK/$2.png"; }
tray() { strip "$1" "tray-$2" 512 512; }
buttons() { strip "$1" "buttons-$2" 80 420; }
same() { ! changed_region "$1" "$2" >/dev/null; }

icon_shown() { ! same "$tray_empty" "$(tray "$(capture "$E2E_WORK/now.png")" now)"; }
icon_gone() { same "$tray_empty" "$(tray "$(capture "$E2E_WORK/now.png")" now)"; }
button_shown() { ! same "$buttons_empty" "$(buttons "$(capture "$E2E_WORK/now.png")" now)"; }
button_gone() { same "$buttons_empty" "$(buttons "$(capture "$E2E_WORK/now.png")" now)"; }

# The pointer is moved here before the tray is looked at: over the icon it
# would bring the icon's tool tip. A scenario with a window there moves it.
TRAY_POINTER_REST=${TRAY_POINTER_REST:-"512 300"}
pointer_away() { xdotool mousemove $TRAY_POINTER_REST >/dev/null 2>&1; }

# wait_for_icon WHAT: until the icon is in the tray; sets ix iy iw ih.
wait_for_icon() {
  pointer_away
  poll "$VYR_E2E_TIMEOUT" icon_shown || fail "no tray icon $1"
  read -r ix iy iw ih < <(changed_region "$tray_empty" "$E2E_WORK/tray-now.png")
  ix=$((ix + 512))
  iy=$((iy + ty))
}
wait_for_no_icon() {
  pointer_away
  poll "$VYR_E2E_TIMEOUT" icon_gone || fail "the tray icon stayed $1"
}
