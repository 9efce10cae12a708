#!/usr/bin/env bash
# GO in its outcomes: one match runs the command at once (one-shot mode ends
# the program), two open the Chooser with the first selected (Down and Enter
# runs the second, Esc nothing), no match and no index give their warnings.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/vyr.sh"

e2e_begin
start_display
start_wine
make_tree "$E2E_WORK/tree" uniquename abc abcdef other
map_drive t "$E2E_WORK/tree" E2EJUMP
make_tree "$E2E_WORK/empty" nothing
map_drive u "$E2E_WORK/empty" NEVERSCANNED
start_desktop
vyr_install
write_settings "$VYR_SETTINGS" '%s|%d' 'C:\windows'
vyr_index_with_cli t
log=$E2E_WORK/recorder.log

# --- one-shot: one match, Enter, the recorder runs in its directory, we end.
vyr_start /d t /o 0
type_into_main uniquename
press Return
wait_for_line "$log" 't:\\uniquename\|' || fail "the recorder did not run on t:\\uniquename"
wait_for_exit "$VYR_PID" 60 || fail "one-shot mode did not end the program"
line=$(recorder_lines "$log" | tail -n 1)
grep -q -F 't:\uniquename|' <<<"$line" || fail "parameters: $line"
grep -q -i -F 'c:\windows' <<<"$line" || fail "initial directory: $line"

# --- two matches: the Chooser; Down and Enter runs the second.
vyr_start /d t
type_into_main abc
press Return
chooser=$(wait_for_window "$CHOOSER_TITLE") || fail "two matches did not open the Chooser"
shot=$(screenshot chooser)
log "screenshot $shot"
focus_window "$chooser"
press Down Return
wait_for_line "$log" 't:\\abcdef\|' || fail "Down and Enter did not run the second candidate"
wait_for_no_window "$CHOOSER_TITLE" || fail "the Chooser stayed open"

# Esc in the Chooser runs nothing.
before=$(wc -l <"$log")
type_into_main abc
press Return
chooser=$(wait_for_window "$CHOOSER_TITLE") || fail "the Chooser did not open again"
focus_window "$chooser"
press Escape
wait_for_no_window "$CHOOSER_TITLE" || fail "Esc did not close the Chooser"
sleep 1
expect_eq "$(wc -l <"$log")" "$before" "recorder lines after Esc"

# --- no match: the warning names the upper-case search text.
type_into_main zzznothing
press Return
wait_for_window "$WARNING_TITLE" >/dev/null || fail "no warning for a name without match"
texts=$(window_texts 警告)
grep -q -F 'ZZZNOTHINGで始まる名前を持つディレクトリが見つかりません' <<<"$texts" ||
  fail "not-found warning says: $texts"
shot=$(screenshot not-found)
press Return
wait_for_no_window "$WARNING_TITLE" || fail "the warning did not close"

# --- a drive without a pair asks for a scan; u:abc switches the drive first.
type_into_main 'u:abc'
press Return
wait_for_window "$WARNING_TITLE" >/dev/null || fail "no warning for a drive without a pair"
texts=$(window_texts 警告)
grep -q -F '先にスキャンしてください' <<<"$texts" || fail "scan-first warning says: $texts"
press Return
wait_for_no_window "$WARNING_TITLE" || fail "the warning did not close"
