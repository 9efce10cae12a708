#!/usr/bin/env bash
# The main window: its height cannot change and its width stops at the
# minimum; a second instance warns and ends; the drive box, the about box and
# the scan progress window as a person sees them.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/vyr.sh"

e2e_begin
start_display
start_wine
make_tree "$E2E_WORK/tree" abc
# Enough directories that the progress window stays up for a screenshot.
for a in $(seq 1 40); do for b in $(seq 1 60); do echo "d$a/e$b"; done; done |
  (cd "$E2E_WORK/tree" && xargs mkdir -p)
map_drive t "$E2E_WORK/tree" E2EWIN
start_desktop
vyr_install
write_settings "$VYR_SETTINGS" '%s' ''

vyr_start /d t
main=$(vyr_main_window)
read -r x y width height < <(window_geometry "$main")
log "main window ${width}x$height at $x,$y"
shot=$(screenshot main-window)

# Height fixed, width down to the minimum and no further: the user drags the
# frame's lower right corner, which is where Windows asks the window for its
# size limits.
drag_corner() {
  read -r cx cy cw ch < <(window_geometry "$main")
  xdotool mousemove $((cx + cw - 2)) $((cy + ch - 2)) mousedown 1
  xdotool mousemove --sync $((cx + cw - 2 + $1)) $((cy + ch - 2 + $2))
  sleep 0.3
  xdotool mouseup 1
  sleep 0.5
}
drag_corner -250 80
read -r _ _ narrow narrow_height < <(window_geometry "$main")
expect_eq "$narrow_height" "$height" "height after dragging the corner down"
[ "$narrow" -lt "$width" ] || [ "$narrow" = "$width" ] || fail "dragging inwards widened the window"
[ "$narrow" -ge 280 ] || fail "the window went below its minimum width: $narrow"
drag_corner 200 -30
read -r _ _ wide wide_height < <(window_geometry "$main")
expect_eq "$wide_height" "$height" "height after dragging the corner up"
[ "$wide" -gt "$narrow" ] || fail "the window did not widen: $wide"
shot=$(screenshot main-window-wide)

# The drive box's hint shows when the mouse rests on it: the hint window is
# what changes on the screen, next to the pointer.
read -r mx my _ _ < <(window_geometry "$main")
click_at $((mx + 200)) $((my + 200))  # on the desktop, away from the window
wait_for_still_screen "$E2E_WORK/before-hint.png" || fail "the screen did not settle"
hint_x=$((mx + 40))
hint_y=$((my + 20 + 21 + 3 + 8))  # caption, top line, the box's top, into it
xdotool mousemove "$hint_x" "$hint_y"
hint_shown() {
  capture "$E2E_WORK/hint.png" >/dev/null || return 1
  local region
  region=$(changed_region "$E2E_WORK/before-hint.png" "$E2E_WORK/hint.png") || return 1
  read -r _ ry rw rh <<<"$region"
  # Something below the pointer, wider than a cursor.
  [ "$((ry + rh))" -gt "$((hint_y + 12))" ] && [ "$rw" -gt 60 ]
}
poll 10 hint_shown || fail "no hint over the drive box"
shot=$(screenshot drive-box-hint)
log "screenshot $shot"

# The drive box opened.
focus_window "$main"
press Tab Tab Tab  # GO, Scan, the drive box
press alt+Down
sleep 1
shot=$(screenshot drive-box)
press Escape

# A second instance warns and ends; the first stays.
wine_start --in "$VYR_APP" "$VYR_APP/vyr.exe"
second=$E2E_LAST_PID
wait_for_window "$WARNING_TITLE" >/dev/null || fail "the second instance showed no warning"
texts=$(window_texts 警告)
grep -q -F '既にVyrが起動していますよ' <<<"$texts" || fail "second instance says: $texts"
press Return
wait_for_exit "$second" || fail "the second instance did not end"
kill -0 "$VYR_PID" || fail "the first instance ended"

# The scan progress window during a scan of drive t:, then the pair.
focus_window "$main"
xdotool key --delay 40 Tab  # to GO
press Tab                   # to Scan
press space
for _ in $(seq 1 20); do
  shot=$(screenshot scan-progress)
  [ -f "$VYR_APP/Vyr_E2EWIN.path" ] && break
done
wait_for_file "$VYR_APP/Vyr_E2EWIN.path" 120 || fail "the scan wrote no pair"

# The about box from the context menu (its last item).
click_window "$main" 20 10 3
sleep 1
press Up Return
about=$(wait_for_window '^About Vyr$') || fail "the about box did not open"
shot=$(screenshot about-box)
focus_window "$about"
press Return
wait_for_no_window '^About Vyr$' || fail "OK did not close the about box"
