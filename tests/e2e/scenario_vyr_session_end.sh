#!/usr/bin/env bash
# The end of the Windows session (log-off, shutdown) saves the settings as a
# close of the main window does: after one GO, `wineboot --end-session` in
# the prefix ends the program, and its settings file holds that run's history
# and window place.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/vyr.sh"

e2e_begin
start_display
start_wine
make_tree "$E2E_WORK/tree" sessionend
map_drive t "$E2E_WORK/tree" E2EEND
start_desktop
vyr_install
write_settings "$VYR_SETTINGS" '%s' '' '[DESKTOP]' 'MAINLEFT=5000' 'MAINTOP=-50'
vyr_index_with_cli t
log=$E2E_WORK/recorder.log

vyr_start /d t
main=$(vyr_main_window)

# MAINLEFT=5000 and MAINTOP=-50: the work-area clamp puts the window's right
# edge on the work area's and its top on the work area's top.
read -r x y width _ < <(window_geometry "$main")
expect_eq "$((x + width))" 1024 "the main window's right edge"
expect_eq "$y" 0 "the main window's top"

type_into_main sessionend
press Return
wait_for_line "$log" 't:\\sessionend' || fail "GO did not run the command on t:\\sessionend"

# The session ends: the program saves and ends without its window being
# closed.
WINEPREFIX=$E2E_PREFIX timeout 120 wineboot --end-session >"$E2E_WORK/end-session.log" 2>&1 ||
  log "wineboot --end-session: status $?"
wait_for_exit "$VYR_PID" 60 || fail "the end of the session did not end the program"
settings=$(from_sjis "$VYR_SETTINGS" | tr -d '\r')
grep -q -x -F '1=t:\sessionend' <<<"$settings" || fail "the history was not saved: $settings"
grep -q -x -F 'NUM=1' <<<"$settings" || fail "the history count was not saved: $settings"
grep -q -x -F "MAINLEFT=$((1024 - width))" <<<"$settings" ||
  fail "the window place was not saved: $settings"
