#!/usr/bin/env bash
# Completion in the main window's input box, as a new user meets it: a
# settings file holding nothing but USEAUTOCOMPLETE=1 and a short history.
# Typing a completes abcdef with bcdef selected, so that the next key replaces
# it; a typed Japanese character completes against a Japanese entry, without
# regard to the case of full-width letters; Japanese that begins no entry
# arrives as typed.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/vyr.sh"

e2e_begin
start_display
start_wine
start_desktop
vyr_install
printf '[OPTION]\r\nUSEAUTOCOMPLETE=1\r\n[HISTORY]\r\nNUM=2\r\n1=abcdef\r\n2=写真フォルダ\r\n' |
  iconv -f utf-8 -t cp932 >"$VYR_SETTINGS"

box_says() { main_input_box | tr '\n' ' '; }
# (Selections are as the edit control counts: Wine's counts characters.)

vyr_start
vyr_main_window >/dev/null

type_into_main a
wait_for_input_box abcdef '1 6' || fail "a did not complete to abcdef, bcdef selected (box: $(box_says))"
type_text X
wait_for_input_box aX '2 2' || fail "X did not replace the completed rest (box: $(box_says))"

# The case typed stays, the rest comes from the entry.
type_into_main A
wait_for_input_box Abcdef '1 6' || fail "A did not complete to Abcdef (box: $(box_says))"

# A double-byte character arrives whole and completes against Japanese.
type_into_main 写
wait_for_input_box 写真フォルダ '1 6' || fail "写 did not complete to 写真フォルダ (box: $(box_says))"
shot=$(screenshot japanese-completed)
log "screenshot $shot"
type_text 山
wait_for_input_box 写山 '2 2' || fail "山 did not replace the completed rest (box: $(box_says))"

# Japanese that begins no entry stays as typed.
type_into_main 山川
wait_for_input_box 山川 '2 2' || fail "山川 did not arrive intact (box: $(box_says))"
