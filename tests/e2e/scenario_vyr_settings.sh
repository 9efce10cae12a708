#!/usr/bin/env bash
# The settings dialog's "コマンド" tab as a user works it. Opened from the main
# window's context menu it hides the main window and shows on "その他" first.
# An entry added through the editor (typed fields, a key pressed with Shift
# alone in the hot-key field, which takes Alt with it) is saved by OK and
# then runs from tray mode by its hot key; Cancel in the editor after an add
# leaves nothing.
# Remove asks first, also by Ctrl+Del, after which the arrow keys still move
# in the list; move down and a row dragged with the mouse reorder the list;
# the last entry cannot be removed; the reset writes the default count
# at once. A program file dropped on the dialog opens the editor filled from
# it; two files at once give a warning.
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
SETTINGS_TITLE='^設定$'
EDITOR_TITLE='^コマンドの編集$'
QUESTION_TITLE='^確認$'

{
  printf '[COMMANDS]\r\nNUM=3\r\n'
  n=0
  for name in first second third; do
    printf 'DESCRIPTION%d=%s\r\nCOMMANDLINE%d=%s\r\n' $n "$name" $n "$E2E_RECORDER_WIN"
    printf 'OPTION%d=%s[%%s]\r\nDIRECTORY%d=\r\nHOTKEY%d=\r\n' $n "$name" $n $n
    n=$((n + 1))
  done
} | iconv -f utf-8 -t cp932 >"$VYR_SETTINGS"

# setting KEY: the value of KEY in the settings file, in UTF-8.
setting() { from_sjis "$VYR_SETTINGS" | tr -d '\r' | sed -n "s/^$1=//p" | head -n 1; }
# titles: the Command list's titles as the file holds them, blank-separated.
titles() {
  local count k out=()
  count=$(setting NUM)
  for ((k = 0; k < count; k++)); do out+=("$(setting "DESCRIPTION$k")"); done
  printf '%s\n' "${out[*]}"
}

# Places inside the dialog (its frame included), as it stands at 525 x 298.
row_y() { echo $((71 + 14 * $1)); }
SPD_EDIT=30 SPD_ADD=102 SPD_DELETE=130 SPD_DOWN=194 STRIP_Y=229
RESET_X=452 OK_X=362 CANCEL_X=472 BUTTONS_Y=273

open_settings() {
  local main
  main=$(vyr_main_window)
  focus_window "$main"
  click_window "$main" 20 10 3
  wait_for_vyr_menu >/dev/null || fail "no context menu on the main window"
  press o
  dialog=$(wait_for_window "$SETTINGS_TITLE") || fail "設定(&O)... opened no dialog"
  wait_for_no_window "$MAIN_TITLE" || fail "the main window stayed with the dialog"
}
# close_settings BUTTON_X: OK or Cancel; the main window comes back.
close_settings() {
  click_window "$dialog" "$1" "$BUTTONS_Y"
  wait_for_no_window "$SETTINGS_TITLE" || fail "the dialog did not close"
  vyr_main_window >/dev/null
}
commands_tab() { click_window "$dialog" 30 34; }
pick_row() { click_window "$dialog" 40 "$(row_y "$1")"; }
strip_button() { click_window "$dialog" "$1" "$STRIP_Y"; }
# answer_question TEXT KEY: the confirmation box says TEXT; KEY answers it.
answer_question() {
  wait_for_window "$QUESTION_TITLE" >/dev/null || fail "no question for: $1"
  local texts
  texts=$(window_texts 確認)
  grep -q -F "$1" <<<"$texts" || fail "the question says: $texts"
  press "$2"
  wait_for_no_window "$QUESTION_TITLE" || fail "the question stayed"
}
# expect_warning TEXT SHOT: the warning says TEXT; a screenshot; closed.
expect_warning() {
  wait_for_window "$WARNING_TITLE" >/dev/null || fail "no warning: $1"
  local texts
  texts=$(window_texts 警告)
  grep -q -F "$1" <<<"$texts" || fail "the warning says: $texts"
  screenshot "$2" >/dev/null
  press Return
  wait_for_no_window "$WARNING_TITLE" || fail "the warning stayed"
}

vyr_start
open_settings
screenshot settings-others >/dev/null
commands_tab
wait_for_still_screen "$E2E_WORK/still.png" || fail "the dialog does not come to rest"
screenshot settings-commands >/dev/null

# --- an entry added through the editor, saved by OK.
strip_button "$SPD_ADD"
wait_for_window "$EDITOR_TITLE" >/dev/null || fail "the add button opened no editor"
# Title, program, parameters, initial directory, the program's browse button,
# then the hot-key field.
press ctrl+a
type_text added
press Tab
type_text "$E2E_RECORDER_WIN"
press Tab
type_text added-run
press Tab Tab Tab shift+h
screenshot editor >/dev/null
press Return
wait_for_no_window "$EDITOR_TITLE" || fail "Enter did not close the editor"
close_settings "$OK_X"
expect_eq "$(titles)" "first second third added" "the list after the add"
expect_eq "$(setting HOTKEY3)" "Shift+Alt+H" "the added entry's hot key"
expect_eq "$(setting OPTION3)" "added-run" "the added entry's parameters"

# --- Cancel in the editor after an add leaves no entry; remove asks; move
# down and a drag reorder.
open_settings
commands_tab
strip_button "$SPD_ADD"
wait_for_window "$EDITOR_TITLE" >/dev/null || fail "the add button opened no editor"
press Escape
wait_for_no_window "$EDITOR_TITLE" || fail "Esc did not close the editor"
pick_row 1
strip_button "$SPD_DELETE"
answer_question "コマンド second を追い出して良いですか？" y
pick_row 0
strip_button "$SPD_DOWN"
# "added", now the third row, dragged onto the first lands above it.
read -r dx dy _ _ < <(window_geometry "$dialog")
xdotool mousemove $((dx + 40)) $((dy + $(row_y 2))) mousedown 1
for step in 1 2 3 4 5 6; do xdotool mousemove $((dx + 40)) $((dy + $(row_y 2) - 5 * step)); sleep 0.1; done
xdotool mousemove $((dx + 40)) $((dy + $(row_y 0))) mouseup 1
# Ctrl+Del asks for the selected entry; after the question the keys are the
# list's again, so Down selects the next one for the next Ctrl+Del.
pick_row 0
press ctrl+Delete
answer_question "コマンド added を追い出して良いですか？" n
press Down ctrl+Delete
answer_question "コマンド third を追い出して良いですか？" n
close_settings "$OK_X"
expect_eq "$(titles)" "added third first" "the list after cancel, remove, move down and drag"

# --- in tray mode the new entry's hot key runs it at once.
main=$(vyr_main_window)
click_window "$main" 20 10 3
read -r mx my _ _ < <(wait_for_vyr_menu) || fail "the context menu did not open"
click_at $((mx + 20)) $((my + 10))
wait_for_no_window "$MAIN_TITLE" || fail "K5 did not hide the main window"
press shift+alt+h
wait_for_line "$log" $'^CMDLINE\t.* added-run\t' || fail "Shift+Alt+H did not run the added entry"
vyr_close
wait_for_exit "$VYR_PID" || fail "the program did not end"
# Out of tray mode for the next run.
LC_ALL=C sed -i 's/^TASKTRAY=1/TASKTRAY=0/' "$VYR_SETTINGS"

# --- the last entry stays; the reset writes the default count at once, and
# Cancel does not take it back.
vyr_start
open_settings
commands_tab
for title in added third; do
  pick_row 0
  strip_button "$SPD_DELETE"
  answer_question "コマンド $title を追い出して良いですか？" y
done
pick_row 0
strip_button "$SPD_DELETE"
expect_warning "最低１個はコマンドを登録しておくべきです" keep-one-warning
expect_eq "$(titles)" "added third first" "the file before OK"
click_window "$dialog" "$RESET_X" "$STRIP_Y"
answer_question "コマンドリストを初期設定に戻します、本当によろしいですか？" y
expect_eq "$(setting NUM)" 0 "the count right after the reset"
close_settings "$CANCEL_X"

# --- a program file dropped on the dialog opens the editor filled from it;
# two files at once are refused.
tools=$E2E_WORK/Tools
mkdir -p "$tools"
cp "$E2E_RECORDER" "$tools/viewer.tool.exe"
printf 'x\n' >"$tools/other.txt"
open_settings
commands_tab
drop_files "$dialog" "$tools/viewer.tool.exe" "$tools/other.txt" || fail "the two files were not dropped"
expect_warning "ドロップするのは一度につき一つにしてくれ" two-files-warning
drop_files "$dialog" "$tools/viewer.tool.exe" || fail "the program file was not dropped"
wait_for_window "$EDITOR_TITLE" >/dev/null || fail "the drop opened no editor"
texts=$(window_texts コマンドの編集)
for want in viewer.tool "$(winpath "$tools")\\viewer.tool.exe" "$(winpath "$tools")\\"; do
  grep -q -x -F "$want" <<<"$texts" || fail "the editor after the drop lacks '$want': $texts"
done
screenshot editor-after-drop >/dev/null
press Return
wait_for_no_window "$EDITOR_TITLE" || fail "Enter did not close the editor"
close_settings "$OK_X"
expect_eq "$(titles)" "$(printf '%s' 'デスクトップに表示 ツリービュー形式で表示 viewer.tool')" "the list after the drop"
expect_eq "$(setting DIRECTORY2)" "$(winpath "$tools")\\" "the dropped program's directory"
vyr_close
wait_for_exit "$VYR_PID" || fail "the program did not end"
