#!/usr/bin/env bash
# vyr.exe's two tray menus as a user meets them in Wine's task bar. The icon
# is there from the start; in tray mode the right button opens the launch
# menu, whose first item "隠れるのはやめる(&T)" brings the main window back and
# takes the icon away, and the left button opens the history menu, whose item
# runs GO on that text with the current command. SWAPLRMENU=1 swaps the two
# buttons. A task bar that restarts (the icon forgotten, "TaskbarCreated"
# broadcast) gets the icon again.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/vyr.sh"
source "$(dirname "$0")/tray.sh"

e2e_begin
start_display
start_wine
make_tree "$E2E_WORK/tree" trayjump traybase other
map_drive t "$E2E_WORK/tree" E2EMENUS
start_desktop
vyr_install
vyr_index_with_cli t
install_recorder "$E2E_WORK/bin"
log=$E2E_WORK/recorder.log

# menu_settings LINE...: the recorder as the first command, made as the
# default one is ("%s\" on the directory found, Ctrl+Alt+G), a history of one
# entry, and the LINEs.
menu_settings() {
  {
    printf '[COMMANDS]\r\nNUM=1\r\n'
    printf 'DESCRIPTION0=デスクトップに表示\r\n'
    printf 'COMMANDLINE0=%s\r\n' "$E2E_RECORDER_WIN"
    printf 'OPTION0=%%s\\\r\n'
    printf 'DIRECTORY0=\r\nHOTKEY0=Ctrl+Alt+G\r\n'
    printf '[HISTORY]\r\nNUM=1\r\n1=trayjump\r\n'
    local line
    for line in "$@"; do printf '%s\r\n' "$line"; done
  } | iconv -f utf-8 -t cp932 >"$VYR_SETTINGS"
}

# --- the task bar before vyr.exe: what "no icon" looks like --------------------
tray_watch_begin

# open_tray_menu BUTTON NAME: clicks the icon with BUTTON (1 left, 3 right),
# waits for the menu to open above the task bar and be drawn there; sets
# mx my mw mh and keeps a screenshot NAME.
open_tray_menu() {
  local before=$E2E_WORK/before-menu.png
  pointer_away
  wait_for_still_screen "$before" || fail "the screen does not come to rest before $2"
  click_at $((ix + iw / 2)) $((iy + ih / 2)) "$1"
  # Off the icon at once, before its tool tip comes up over the menu.
  pointer_away
  read -r mx my mw mh < <(wait_for_vyr_menu) || fail "button $1 on the icon opened no menu ($2)"
  [ $((my + mh)) -le "$ty" ] || fail "the menu is not above the task bar ($2 at $mx,$my ${mw}x$mh)"
  poll "$VYR_E2E_TIMEOUT" _menu_painted || fail "the menu was not drawn ($2)"
  wait_for_still_screen "$E2E_WORK/menu.png" || fail "the menu does not come to rest ($2)"
  log "$2 at $mx,$my (${mw}x$mh)"
  screenshot "$2" >/dev/null
}
# The menu's place no longer looks as it did before the menu.
_menu_painted() {
  local crop="${mw}x$mh+$mx+$my"
  capture "$E2E_WORK/now.png" >/dev/null || return 1
  convert "$E2E_WORK/before-menu.png" -crop "$crop" +repage "$E2E_WORK/menu-before.png"
  convert "$E2E_WORK/now.png" -crop "$crop" +repage "$E2E_WORK/menu-now.png"
  ! same "$E2E_WORK/menu-before.png" "$E2E_WORK/menu-now.png"
}

main_window_hidden() { [ "$(main_window_state 2>/dev/null)" = hidden ]; }

# enter_tray_mode: K5, the first item of the main window's context menu.
enter_tray_mode() {
  local main
  main=$(vyr_main_window)
  focus_window "$main"
  click_window "$main" 20 10 3
  wait_for_vyr_menu >/dev/null || fail "no context menu on the main window"
  press Down Return
  wait_for_no_window "$MAIN_TITLE" || fail "K5 did not hide the main window"
  expect_eq "$(main_window_state)" hidden "the main window in tray mode"
}

# --- the launch menu on the right button ------------------------------------------
menu_settings
vyr_start /d t
vyr_main_window >/dev/null
wait_for_icon "at the start"
screenshot icon-at-start >/dev/null
enter_tray_mode
wait_for_icon "in tray mode"
icon_box="$ix $iy $iw $ih"
log "tray icon at $ix,$iy (${iw}x$ih)"
open_tray_menu 3 launch-menu
launch_size="${mw}x$mh"
click_at $((mx + 30)) $((my + 10))
vyr_main_window >/dev/null
expect_eq "$(main_window_state)" visible "the main window after 隠れるのはやめる"
wait_for_no_icon "after 隠れるのはやめる"

# --- the history menu on the left button ---------------------------------------------
enter_tray_mode
wait_for_icon "in tray mode again"
open_tray_menu 1 history-menu
history_size="${mw}x$mh"
[ "$history_size" != "$launch_size" ] || fail "the left button opened the launch menu"
click_at $((mx + 30)) $((my + mh / 2))
wait_for_line "$log" '^CMDLINE.*" t:\\trayjump\\'$'\t' || fail "the history item did not run the first command"
expect_eq "$(main_window_state)" hidden "the main window after the history item"

# --- the task bar restarts ---------------------------------------------------------------
restart_step() {
  local said
  said=$(wine_run --timeout 60 "$E2E_FIXTURES/task_bar_restart.exe" "$1" 30) || fail "task_bar_restart $1: $said"
  log "task_bar_restart $1: $said"
}
restart_step forget
wait_for_no_icon "after NIM_DELETE"
restart_step announce
wait_for_icon "after TaskbarCreated"
expect_eq "$ix $iy $iw $ih" "$icon_box" "the tray icon's place after TaskbarCreated"
screenshot icon-after-restart >/dev/null

# Out of the tray again: the launch menu was refilled, not added to, on the
# second entry; the input box holds the history item's text; one run only.
open_tray_menu 3 launch-menu-again
expect_eq "${mw}x$mh" "$launch_size" "the launch menu on the second entry"
click_at $((mx + 30)) $((my + 10))
vyr_main_window >/dev/null
wait_for_no_icon "after 隠れるのはやめる, the second time"
wait_for_input_box trayjump || fail "the history item's text is not in the input box: $(main_input_box)"
expect_eq "$(recorder_lines | grep -c trayjump)" 1 "runs on t:\\trayjump\\"

vyr_close
wait_for_exit "$VYR_PID" || fail "closing the hidden main window did not end the program"

# --- SWAPLRMENU=1: the left button opens the launch menu --------------------------------
menu_settings '[DESKTOP]' 'TASKTRAY=1' '[OPTION]' 'SWAPLRMENU=1'
vyr_start /d t
poll 60 main_window_hidden || fail "TASKTRAY=1 did not start hidden"
wait_for_icon "in tray mode at the start"
open_tray_menu 3 swapped-history-menu
expect_eq "${mw}x$mh" "$history_size" "the right button's menu with SWAPLRMENU=1"
# A click elsewhere closes it (keys do not reach it).
click_at 512 300
wait_for_no_vyr_menu || fail "a click elsewhere left the menu open"
open_tray_menu 1 swapped-launch-menu
expect_eq "${mw}x$mh" "$launch_size" "the left button's menu with SWAPLRMENU=1"
click_at $((mx + 30)) $((my + 10))
vyr_main_window >/dev/null
expect_eq "$(main_window_state)" visible "the main window after 隠れるのはやめる with SWAPLRMENU=1"
wait_for_no_icon "after 隠れるのはやめる with SWAPLRMENU=1"
