#!/usr/bin/env bash
# Files and folders dragged from X onto Vyr's windows. Both windows accept
# dropped files. A folder or a file dropped on the main window runs the first
# command on the directory text, the dropped path cut after its last "\" with
# ".." after it (the folder Work\Sub gives Work\..\ with "%s\"); a folder whose
# name ends in ソ (second byte "\") is cut before the name; a path longer than
# 255 bytes arrives whole; of three items only the first counts; the root Z:\
# gives Z:\..\; the texts enter the history. In tray mode the Mini window,
# shown by its hot key with text typed into it, hides on a drop and runs its
# own command with %d empty. In one-shot mode a drop runs the /o command and
# ends the program.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/vyr.sh"

e2e_begin
start_display
start_wine
start_desktop
vyr_install
install_recorder "$E2E_WORK/bin"
log=$E2E_WORK/recorder.log
MINI_TITLE='^ドロップ先 - [A-Z]:$'

# What is dropped lies on no drive of its own, so Wine names it by Z:.
drops=$E2E_WORK/drops
mkdir -p "$drops/Work/Sub" "$drops/Jp/メモソ" "$drops/One" "$drops/Two" "$drops/Three"
printf 'memo\n' >"$drops/Work/Sub/memo.txt"
for name in One Two Three; do printf '%s\n' "$name" >"$drops/$name/$name.txt"; done
long=$drops/Long
for n in 1 2 3 4 5 6; do long=$long/segment-$n-of-a-path-longer-than-any-buffer-of-256-bytes; done
mkdir -p "$long/leaf"
long_text=$(winpath "$long")
[ "$(printf '%s' "$long_text" | wc -c)" -gt 300 ] || fail "the long path is too short: $long_text"

# Command 0 as the first default command is made ("%s\"); command 1, on
# Ctrl+Alt+G, takes typed input as well, so that it opens the Mini window.
{
  printf '[COMMANDS]\r\nNUM=2\r\n'
  printf 'DESCRIPTION0=rec\r\nCOMMANDLINE0=%s\r\n' "$E2E_RECORDER_WIN"
  printf '%s\r\n' 'OPTION0=%s\' 'DIRECTORY0=' 'HOTKEY0='
  printf 'DESCRIPTION1=ドロップ先\r\nCOMMANDLINE1=%s\r\n' "$E2E_RECORDER_WIN"
  printf '%s\r\n' 'OPTION1=mini[%s]{%d}' 'DIRECTORY1=' 'HOTKEY1=Ctrl+Alt+G'
} | iconv -f utf-8 -t cp932 >"$VYR_SETTINGS"

# The parameters of every recorder run so far, one a line: what follows the
# quoted program on its command line, up to the tab before CWD.
records() {
  [ -f "$log" ] || return 0
  iconv -f cp932 -t utf-8 -c "$log" | tr -d '\r' |
    awk -F '\t' '$1 == "CMDLINE" { line = $2; sub(/^"[^"]*" ?/, "", line); print line }'
}
expected=()
# expect_record PARAMETERS WHAT: the next recorder run has PARAMETERS, and no
# other run came with it.
expect_record() {
  expected+=("$1")
  wait_for_lines "$log" "${#expected[@]}" || fail "$2: the command did not run"
  local want
  want=$(printf '%s\n' "${expected[@]}")
  [ "$(records)" = "$want" ] || fail "$2: the runs were
$(records)
expected
$want"
}
accepts_drops() { wine_run --timeout 60 "$VYR_WINDOW_STYLE" "$1" 30; }

vyr_start
main=$(vyr_main_window)
expect_eq "$(accepts_drops 'Vyr for Windows')" 'accepts dropped files: yes' "the main window"

# --- the main window runs command 0 with "%s\".
drop_files "$main" "$drops/Work/Sub" || fail "the folder was not dropped"
expect_record "$(winpath "$drops/Work")\\..\\" "the folder Work/Sub"
drop_files "$main" "$drops/Work/Sub/memo.txt" || fail "the file was not dropped"
expect_record "$(winpath "$drops/Work/Sub")\\..\\" "the file Work/Sub/memo.txt"
drop_files "$main" "$drops/Jp/メモソ" || fail "the folder メモソ was not dropped"
expect_record "$(winpath "$drops/Jp")\\..\\" "the folder Jp/メモソ"
drop_files "$main" "$drops/One/One.txt" "$drops/Two/Two.txt" "$drops/Three/Three.txt" ||
  fail "the three files were not dropped"
expect_record "$(winpath "$drops/One")\\..\\" "three files"
shot=$(screenshot after-drops)
log "screenshot $shot"
drop_files "$main" "$long/leaf" || fail "the long path was not dropped"
expect_record "$long_text\\..\\" "a path of $(printf '%s' "$long_text/leaf" | wc -c) bytes"
# On the drive box, a child that takes no drops itself: the main window does.
drop_files --at 60,55 "$main" / || fail "the root was not dropped on the drive box"
expect_record 'Z:\..\' "the root of drive Z:"

# --- tray mode through the context menu's first item, K5.
click_window "$main" 20 10 3
read -r mx my _ _ < <(wait_for_vyr_menu) || fail "the context menu did not open"
click_at $((mx + 20)) $((my + 10))
wait_for_no_window "$MAIN_TITLE" || fail "K5 did not hide the main window"

# Ctrl+Alt+G shows the Mini window for command 1; what is typed there does
# not reach a drop.
press ctrl+alt+g
mini=$(wait_for_window "$MINI_TITLE") || fail "Ctrl+Alt+G did not open the Mini window"
expect_eq "$(accepts_drops ドロップ先)" 'accepts dropped files: yes' "the Mini window"
type_text typed
mini_text() { [ "$(wine_run --timeout 60 "$VYR_INPUT_BOX" ドロップ先 30 | from_sjis | head -n 1)" = typed ]; }
poll 30 mini_text || fail "the typing did not reach the Mini window"
shot=$(screenshot mini-window-before-drop)
log "screenshot $shot"
drop_files "$mini" "$drops/Work/Sub" || fail "the folder was not dropped on the Mini window"
expect_record "mini[$(winpath "$drops/Work")\\..]{}" "the Mini window"
wait_for_no_window "$MINI_TITLE" || fail "the drop did not hide the Mini window"
expect_eq "$(main_window_state)" hidden "the main window after a drop on the Mini window"

vyr_close
wait_for_exit "$VYR_PID" || fail "closing the hidden main window did not end the program"
# The directory texts entered the history, the latest first.
history=$(from_sjis "$VYR_SETTINGS" | tr -d '\r')
grep -q -x -F "1=$(winpath "$drops/Work")\.." <<<"$history" || fail "the history after the drops: $history"

# --- one-shot mode: the /o command runs, then the program ends (the saved
# tray mode does not hide it).
vyr_start /o 1
main=$(vyr_main_window)
drop_files "$main" "$drops/Work/Sub/memo.txt" || fail "the file was not dropped in one-shot mode"
expect_record "mini[$(winpath "$drops/Work/Sub")\\..]{}" "one-shot mode"
wait_for_exit "$VYR_PID" || fail "one-shot mode did not end the program after the drop"
