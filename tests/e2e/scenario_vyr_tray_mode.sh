#!/usr/bin/env bash
# Tray mode as a user meets it: the main window's context menu hides the
# program into the tray, and the exit save keeps it there for the next start
# (TASKTRAY=1), which starts hidden. In tray mode the first command's hot key
# Ctrl+Alt+G opens the Mini window for it, in front and ready for typing; a
# name and Enter run the command on the directory found, Esc puts the window
# away, and the scan hot key Ctrl+Alt+S rescans the drive, so that a
# directory made meanwhile is found.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/vyr.sh"

e2e_begin
start_display
start_wine
make_tree "$E2E_WORK/tree" trayjump traybase other
map_drive t "$E2E_WORK/tree" E2ETRAY
start_desktop
vyr_install
vyr_index_with_cli t
log=$E2E_WORK/recorder.log
MINI_TITLE='^デスクトップに表示 - T:$'

settings() { from_sjis "$VYR_SETTINGS" | tr -d '\r'; }
mini_window_front() { wine_run --timeout 60 "$VYR_TOP_WINDOW" デスクトップに表示 front 30; }
mini_window_text() { wine_run --timeout 60 "$VYR_INPUT_BOX" デスクトップに表示 30 | from_sjis | head -n 1; }

# --- the default Command list: K5 "タスクバーに隠れる(&T)", the first item of
# the context menu, hides the main window.
vyr_start /d t
main=$(vyr_main_window)
expect_eq "$(main_window_state)" visible "the main window at the start"
click_window "$main" 20 10 3
sleep 1
shot=$(screenshot context-menu)
press Down Return
wait_for_no_window "$MAIN_TITLE" || fail "K5 did not hide the main window"
expect_eq "$(main_window_state)" hidden "the main window in tray mode"
vyr_close
wait_for_exit "$VYR_PID" || fail "closing the hidden main window did not end the program"
grep -q -x -F 'TASKTRAY=1' <<<"$(settings)" || fail "tray mode was not saved: $(settings)"

# --- the recorder as the first command, as the default one is made:
# "%s\" on the directory found, Ctrl+Alt+G.
install_recorder "$E2E_WORK/bin"
{
  printf '[COMMANDS]\r\nNUM=1\r\n'
  printf 'DESCRIPTION0=デスクトップに表示\r\n'
  printf 'COMMANDLINE0=%s\r\n' "$E2E_RECORDER_WIN"
  printf 'OPTION0=%%s\\\r\n'
  printf 'DIRECTORY0=\r\nHOTKEY0=Ctrl+Alt+G\r\n'
} | iconv -f utf-8 -t cp932 >>"$VYR_SETTINGS"
# The Mini window somewhere of its own, to be found there and saved so.
sed -i 's/^4LEFT=300\r$/4LEFT=420\r/; s/^4WIDTH=250\r$/4WIDTH=320\r/' "$VYR_SETTINGS"

# TASKTRAY=1: the program comes up in the tray, with its hot keys.
vyr_start /d t
main_window_hidden() { [ "$(main_window_state 2>/dev/null)" = hidden ]; }
poll 60 main_window_hidden || fail "TASKTRAY=1 did not start hidden"
sleep 2
expect_eq "$(main_window_state)" hidden "the main window after the first paint"

# Ctrl+Alt+G: the Mini window for the first command, named after it and the
# drive shown, where the settings put it, in front and typed into with no
# click.
press ctrl+alt+g
mini=$(wait_for_window "$MINI_TITLE") || fail "Ctrl+Alt+G did not open the Mini window"
read -r x y width height < <(window_geometry "$mini")
log "Mini window ${width}x$height at $x,$y"
expect_eq "$x $y $width" "420 300 320" "the Mini window's place and width"
expect_eq "$(mini_window_front)" foreground "the Mini window after its hot key"
grep -q -x -F '行き先' <<<"$(window_texts デスクトップに表示)" || fail "the Mini window has no label"
type_text trayjump
shot=$(screenshot mini-window)
log "screenshot $shot"
press Return
wait_for_line "$log" 't:\\trayjump\\' || fail "Enter in the Mini window did not run the command"
wait_for_no_window "$MINI_TITLE" || fail "Enter did not hide the Mini window"
expect_eq "$(main_window_state)" hidden "the main window after a jump from the Mini window"

# Esc puts the window away and runs nothing; the text stays for next time,
# and the list holds the history. With the list open, Esc closes the list.
runs=$(wc -l <"$log")
press ctrl+alt+g
wait_for_window "$MINI_TITLE" >/dev/null || fail "Ctrl+Alt+G did not open the Mini window again"
expect_eq "$(mini_window_text)" trayjump "the Mini window's text after Enter"
press F4
sleep 1
shot=$(screenshot mini-window-history)
press Escape
sleep 1
wait_for_window "$MINI_TITLE" 5 >/dev/null || fail "Esc in the open list hid the Mini window"
press Escape
wait_for_no_window "$MINI_TITLE" || fail "Esc did not hide the Mini window"
sleep 1
expect_eq "$(wc -l <"$log")" "$runs" "recorder lines after Esc"

# Ctrl+Alt+S rescans drive t:, which now has a directory more.
make_tree "$E2E_WORK/tree" trayfresh
press ctrl+alt+s
wait_for_line "$VYR_APP/Vyr_E2ETRAY.path" 't:\\trayfresh$' 120 || fail "Ctrl+Alt+S did not rescan drive t:"
press ctrl+alt+g
wait_for_window "$MINI_TITLE" >/dev/null || fail "the Mini window did not open after the scan"
press End shift+Home BackSpace
type_text trayfresh
press Return
wait_for_line "$log" 't:\\trayfresh\\' || fail "the rescanned directory was not found"

# The close while in the tray saves tray mode and the Mini window's place.
vyr_close
wait_for_exit "$VYR_PID" || fail "closing the hidden main window did not end the program"
saved=$(settings)
for line in TASKTRAY=1 4LEFT=420 4TOP=300 4WIDTH=320; do
  grep -q -x -F "$line" <<<"$saved" || fail "$line was not saved: $saved"
done
