#!/usr/bin/env bash
# The settings dialog "設定" as a user drives it, on its "その他" tab. Opened
# from the main window's context menu it takes the main window's place and
# shows the options from the settings; OK hands the ticked boxes and the
# history limit (300 typed, 256 taken) to the program, which writes them with
# its exit save; Cancel and the title bar's close box hand nothing over.
# "入力履歴の消去" asks first and empties the history on OK only. Opened from
# the tray's launch menu it takes the tray icon away while it is up, and
# Cancel brings the icon and the launch menu back, still in tray mode; Enter
# in the number field is OK, with the field's value brought into its range.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/vyr.sh"
source "$(dirname "$0")/tray.sh"

e2e_begin
start_display
start_wine
make_tree "$E2E_WORK/tree" settings
map_drive t "$E2E_WORK/tree" E2ESETTINGS
start_desktop
vyr_install
vyr_index_with_cli t

DIALOG=設定
DIALOG_TITLE='^設定$'
CONFIRM_TITLE='^確認$'
VYR_WINDOW_CONTROL=$VYR_E2E_BUILD/tests/e2e/probes/window_control.exe
# TForm6's controls without a caption of their own.
LIST_VIEW='#100'
SPIN_EDIT='#115'

settings() { from_sjis "$VYR_SETTINGS" | tr -d '\r'; }
# section NAME: the lines of that section of the settings file.
section() { settings | awk -v name="[$1]" '/^\[/ { inside = ($0 == name); next } inside'; }
expect_key() {
  grep -q -x -F "$2=$3" <<<"$(section "$1")" || fail "$4: no $2=$3 in [$1]: $(section "$1")"
}

# control TITLE WHAT: a control of the window (WHAT: its caption, or #ID):
# "X Y WIDTH HEIGHT visible|hidden checked|unchecked" on the screen, then its
# text; or "X Y" of the window's close box (WHAT: close).
control() { wine_run --timeout 60 "$VYR_WINDOW_CONTROL" "$1" "$2" 30 | from_sjis; }
# control_state TITLE WHAT: "visible|hidden checked|unchecked".
control_state() {
  local state
  state=$(control "$1" "$2") || fail "no control '$2' in '$1'"
  sed -n 1p <<<"$state" | cut -d' ' -f5-
}
control_text() { control "$1" "$2" | sed -n 2p; }
# click_control TITLE WHAT: a click in the middle of a control that is shown.
click_control() {
  local x y w h shown
  read -r x y w h shown _ < <(control "$1" "$2") || fail "no control '$2' in '$1'"
  expect_eq "$shown" visible "the control '$2' of '$1'"
  click_at $((x + w / 2)) $((y + h / 2))
}
# click_close_box TITLE: the title bar's close box, as a user closes a window.
click_close_box() {
  local x y
  read -r x y < <(control "$1" close) || fail "no close box on '$1'"
  click_at "$x" "$y"
}

main_window_hidden() { [ "$(main_window_state 2>/dev/null)" = hidden ]; }

# --- the tray icon: the notification area as it is before vyr.exe has put
# its icon there ------------------------------------------------------------------
# Off the tray, where the icon's tool tip would come up, and off the dialog,
# where a hint would.
TRAY_POINTER_REST="100 100"
tray_watch_begin

# open_launch_menu: the right button on the icon opens the launch menu above
# the task bar; waits until it is drawn. Sets mx my mw mh.
open_launch_menu() {
  pointer_away
  wait_for_still_screen "$E2E_WORK/before-menu.png" || fail "the screen does not come to rest"
  click_at $((ix + iw / 2)) $((iy + ih / 2)) 3
  pointer_away
  read -r mx my mw mh < <(wait_for_vyr_menu) || fail "the right button on the icon opened no menu"
  poll "$VYR_E2E_TIMEOUT" _menu_changed "$E2E_WORK/before-menu.png" || fail "the launch menu was not drawn"
  wait_for_still_screen "$E2E_WORK/menu.png" || fail "the launch menu does not come to rest"
}
# _menu_changed BEFORE: the menu's place no longer looks as in BEFORE; the
# changed part of it, inside the menu, is in E2E_WORK/menu-change.
_menu_changed() {
  local crop="${mw}x$mh+$mx+$my"
  capture "$E2E_WORK/now.png" >/dev/null || return 1
  convert "$1" -crop "$crop" +repage "$E2E_WORK/menu-before.png"
  convert "$E2E_WORK/now.png" -crop "$crop" +repage "$E2E_WORK/menu-now.png"
  changed_region "$E2E_WORK/menu-before.png" "$E2E_WORK/menu-now.png" >"$E2E_WORK/menu-change"
}

# click_item_above_last: "設定(&O)...", the item just above the launch menu's
# last one ("終了"). Keys do not reach a tray menu, and items differ in
# height (the commands' have pictures): the pointer on the last item lights
# it up, which shows an item's height, and the click goes one item higher.
click_item_above_last() {
  local hy hh
  xdotool mousemove $((mx + mw / 2)) $((my + mh - 4)) >/dev/null 2>&1
  poll "$VYR_E2E_TIMEOUT" _menu_changed "$E2E_WORK/menu.png" || fail "the last item did not light up"
  read -r _ hy _ hh <"$E2E_WORK/menu-change"
  log "the last item lit at +$hy, ${hh} high, in a menu of ${mw}x$mh at $mx,$my"
  click_at $((mx + mw / 2)) $((my + hy - hh / 2))
}

# open_from_main_window: "設定(&O)...", the third item of the main window's
# context menu (a separator before it); the dialog takes the main window's
# place. Prints the dialog's window.
open_from_main_window() {
  local main dialog
  main=$(vyr_main_window)
  focus_window "$main"
  click_window "$main" 20 10 3
  wait_for_vyr_menu >/dev/null || fail "no context menu on the main window"
  press Down Down Return
  dialog=$(wait_for_window "$DIALOG_TITLE") || fail "設定(&O)... opened no settings dialog"
  wait_for_no_window "$MAIN_TITLE" || fail "the main window stayed with the settings dialog up"
  expect_eq "$(main_window_state)" hidden "the main window while the settings dialog is up"
  focus_window "$dialog"
  printf '%s\n' "$dialog"
}

# expect_main_back HOW: the dialog went and the main window came back.
expect_main_back() {
  wait_for_no_window "$DIALOG_TITLE" || fail "$1 did not close the settings dialog"
  vyr_main_window >/dev/null
  expect_eq "$(main_window_state)" visible "the main window after $1"
}

# type_history_limit TEXT: the number field emptied and TEXT typed into it.
type_history_limit() {
  click_control "$DIALOG" "$SPIN_EDIT"
  press End shift+Home BackSpace
  type_text "$1"
}

# --- a run outside tray mode: OK, Cancel, the close box, clearing the history ---
write_settings "$VYR_SETTINGS" '%s' '' '[HISTORY]' 'NUM=2' '1=alpha' '2=beta' \
  '[OPTION]' 'MAXHISTORYCOUNT=20'
vyr_start /d t
vyr_main_window >/dev/null

# The first opening: the "その他" tab with the options from the settings.
open_from_main_window >/dev/null
expect_eq "$(control_state "$DIALOG" ヒストリによる補完機能を使う)" "visible unchecked" \
  "USEAUTOCOMPLETE at the first opening"
expect_eq "$(control_state "$DIALOG" "$LIST_VIEW" | cut -d' ' -f1)" hidden \
  "the Command list at the first opening"
expect_eq "$(control_text "$DIALOG" "$SPIN_EDIT")" 20 "the history limit at the first opening"
texts=$(window_texts "$DIALOG")
for text in ドライブのスキャン 入力履歴の記憶件数 '(変更後、VYrの再起動が必要です)' 入力履歴の消去 \
  OK キャンセル; do
  grep -q -x -F -- "$text" <<<"$texts" || fail "the dialog does not show '$text': $texts"
done
wait_for_still_screen "$E2E_WORK/still.png" || fail "the settings dialog does not come to rest"
log "screenshot $(screenshot settings-others)"

# OK: USEAUTOCOMPLETE ticked, 300 typed as the history limit.
click_control "$DIALOG" ヒストリによる補完機能を使う
type_history_limit 300
click_control "$DIALOG" OK
expect_main_back OK
# The options wait for the exit save.
if grep -q -x -F 'USEAUTOCOMPLETE=1' <<<"$(settings)"; then
  fail "the options were written before the exit: $(settings)"
fi

# Cancel: the box unticked again, SWAPLRMENU ticked, 100 typed; nothing taken.
# The dialog shows what OK took: the limit brought into its range.
open_from_main_window >/dev/null
expect_eq "$(control_text "$DIALOG" "$SPIN_EDIT")" 256 "the history limit after OK"
expect_eq "$(control_state "$DIALOG" ヒストリによる補完機能を使う)" "visible checked" \
  "USEAUTOCOMPLETE after OK"
click_control "$DIALOG" ヒストリによる補完機能を使う
click_control "$DIALOG" タスクトレイの左メニューと右メニューを入れ替え
type_history_limit 100
click_control "$DIALOG" キャンセル
expect_main_back キャンセル

# The close box: the same changes, nothing taken either.
open_from_main_window >/dev/null
expect_eq "$(control_text "$DIALOG" "$SPIN_EDIT")" 256 "the history limit after キャンセル"
expect_eq "$(control_state "$DIALOG" タスクトレイの左メニューと右メニューを入れ替え)" \
  "visible unchecked" "SWAPLRMENU after キャンセル"
click_control "$DIALOG" ヒストリによる補完機能を使う
click_control "$DIALOG" タスクトレイの左メニューと右メニューを入れ替え
type_history_limit 100
click_close_box "$DIALOG"
expect_main_back "the close box"

# "入力履歴の消去": asked first; OK empties the history at once, and Cancel
# on the dialog does not bring it back.
open_from_main_window >/dev/null
click_control "$DIALOG" 入力履歴の消去
wait_for_window "$CONFIRM_TITLE" >/dev/null || fail "入力履歴の消去 asked nothing"
grep -q -x -F 'ヒストリの内容を消します、宜しいですか？' <<<"$(window_texts 確認)" ||
  fail "the question of 入力履歴の消去: $(window_texts 確認)"
screenshot clear-history-question >/dev/null
click_control 確認 OK
wait_for_no_window "$CONFIRM_TITLE" || fail "OK did not close the question"
click_control "$DIALOG" キャンセル
expect_main_back "キャンセル after 入力履歴の消去"

vyr_close
wait_for_exit "$VYR_PID" || fail "closing the main window did not end the program"
expect_key OPTION USEAUTOCOMPLETE 1 "USEAUTOCOMPLETE after OK, Cancel and the close box"
expect_key OPTION SWAPLRMENU 0 "SWAPLRMENU after Cancel and the close box"
expect_key OPTION MAXHISTORYCOUNT 256 "the history limit after 300 and OK"
expect_key HISTORY NUM 0 "the history after 入力履歴の消去"

# --- a run in tray mode: from the launch menu; Cancel, then Enter for OK -------------
# open_from_tray: "設定(&O)..." in the launch menu; the dialog comes up and
# the tray icon goes while it is up.
open_from_tray() {
  open_launch_menu
  click_item_above_last
  wait_for_window "$DIALOG_TITLE" >/dev/null || fail "設定(&O)... in the launch menu opened no settings dialog"
  wait_for_no_icon "while the settings dialog is up"
  expect_eq "$(main_window_state)" hidden "the main window while the dialog is up in tray mode"
}
# expect_tray_back HOW: the dialog went, the icon came back, and the main
# window stayed hidden.
expect_tray_back() {
  wait_for_no_window "$DIALOG_TITLE" || fail "$1 did not close the settings dialog"
  wait_for_icon "after $1"
  expect_eq "$(main_window_state)" hidden "the main window after $1 in tray mode"
}

write_settings "$VYR_SETTINGS" '%s' '' '[HISTORY]' 'NUM=2' '1=alpha' '2=beta' \
  '[DESKTOP]' 'TASKTRAY=1'
vyr_start /d t
poll 60 main_window_hidden || fail "TASKTRAY=1 did not start hidden"
wait_for_icon "in tray mode at the start"
open_from_tray
launch_size="${mw}x$mh"
wait_for_still_screen "$E2E_WORK/still.png" || fail "the settings dialog does not come to rest"
log "screenshot $(screenshot settings-from-tray)"

# "入力履歴の消去" answered with キャンセル keeps the history.
click_control "$DIALOG" 入力履歴の消去
wait_for_window "$CONFIRM_TITLE" >/dev/null || fail "入力履歴の消去 asked nothing in tray mode"
click_control 確認 キャンセル
wait_for_no_window "$CONFIRM_TITLE" || fail "キャンセル did not close the question"

click_control "$DIALOG" キャンセル
expect_tray_back キャンセル

# Enter while the number field holds the focus acts as OK, and 7 typed there
# is brought up to 8 first. The launch menu was filled again, once.
open_from_tray
expect_eq "${mw}x$mh" "$launch_size" "the launch menu after the settings dialog"
type_history_limit 7
press Return
expect_tray_back Enter

vyr_close
wait_for_exit "$VYR_PID" || fail "closing the hidden main window did not end the program"
expect_key DESKTOP TASKTRAY 1 "tray mode after the settings dialog"
expect_key OPTION MAXHISTORYCOUNT 8 "the history limit after 7 and Enter"
expect_key HISTORY NUM 2 "the history after 入力履歴の消去 and キャンセル"
expect_key HISTORY 1 alpha "the first history entry after キャンセル"
expect_key HISTORY 2 beta "the second history entry after キャンセル"
