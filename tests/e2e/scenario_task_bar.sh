#!/usr/bin/env bash
# The tray icon component in Wine's task bar (fixtures/task_bar_probe.exe):
# its icon is drawn in the notification area with the application window's
# icon; entering tray mode from the main window takes the task-bar button
# away while the icon stays; a right click on the icon opens its menu, and
# leaving tray mode from that menu brings the button back and takes the
# icon away.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/tray.sh"

e2e_begin
start_display
start_wine
start_desktop
tray_watch_begin

probe_log=$E2E_WORK/probe.log
VYR_PROBE_LOG=$(winpath "$probe_log") wine_start "$E2E_FIXTURES/task_bar_probe.exe"
wait_for_line "$probe_log" '^READY$' || fail "the probe did not start"
main=$(wait_for_window '^e2e task bar probe$') || fail "no main window"

# --- at load: the button and the icon ------------------------------------------------
poll "$VYR_E2E_TIMEOUT" button_shown || fail "the main window has no task-bar button"
poll "$VYR_E2E_TIMEOUT" icon_shown || fail "no tray icon"
read -r ix iy iw ih < <(changed_region "$tray_empty" "$E2E_WORK/tray-now.png")
ix=$((ix + 512))
iy=$((iy + ty))
log "tray icon at $ix,$iy (${iw}x$ih)"
# The application window's icon (IDI_WARNING, yellow): the component has none of its own.
colour=$(convert "$E2E_WORK/now.png" -crop "${iw}x$ih+$ix+$iy" -scale 1x1\! -format '%[fx:int(255*r)] %[fx:int(255*g)] %[fx:int(255*b)]' info:)
read -r red green blue <<<"$colour"
[ "$red" -gt "$blue" ] && [ "$green" -gt "$blue" ] || fail "the tray icon is not the application's icon (mean colour $colour)"
screenshot loaded >/dev/null

# --- entering tray mode: the button goes, the icon stays ---------------------------------
focus_window "$main"
press h
wait_for_line "$probe_log" '^ENTERED$' || fail "the probe did not enter tray mode"
wait_for_no_window '^e2e task bar probe$' || fail "the main window stayed"
poll "$VYR_E2E_TIMEOUT" button_gone || fail "the task-bar button stayed in tray mode"
icon_shown || fail "the tray icon went in tray mode"
screenshot tray-mode >/dev/null
log "tray mode: no button, the icon"

# --- the menu on the right button --------------------------------------------------------
before_menu=$(capture "$E2E_WORK/before-menu.png")
click_at $((ix + iw / 2)) $((iy + ih / 2)) 3
wait_for_line "$probe_log" '^CLICK 1$' || fail "the right button's press was not reported"
wait_for_line "$probe_log" '^MENU$' || fail "the right button's release opened no menu"
# The menu is what appeared above the task bar (a tool tip may be inside it).
menu_drawn() {
  local box
  box=$(changed_region "$before_menu" "$(capture "$E2E_WORK/menu.png")") || return 1
  read -r mx my mw mh <<<"$box"
  [ $((my + mh)) -le "$ty" ] && [ "$mh" -ge 20 ] && [ "$mw" -ge 60 ]
}
poll "$VYR_E2E_TIMEOUT" menu_drawn || fail "no menu drawn"
log "menu at $mx,$my (${mw}x$mh)"
screenshot menu >/dev/null
# Two items of equal height: the first is "Leave tray mode". Under Wine the
# keys do not reach a menu of a program with no window shown: a click it is.
click_at $((mx + 20)) $((my + mh / 4))
wait_for_line "$probe_log" '^CHOSE 1$' || fail "the menu's first item was not reported"
wait_for_line "$probe_log" '^LEFT$' || fail "the probe did not leave tray mode"

# --- leaving tray mode: the button comes back, the icon goes -----------------------------
wait_for_window '^e2e task bar probe$' >/dev/null || fail "the main window did not come back"
poll "$VYR_E2E_TIMEOUT" button_shown || fail "the task-bar button did not come back"
xdotool mousemove 512 300
poll "$VYR_E2E_TIMEOUT" icon_gone || fail "the tray icon stayed after leaving tray mode"
screenshot left >/dev/null
log "left tray mode: the button, no icon"
