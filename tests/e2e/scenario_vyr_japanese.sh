#!/usr/bin/env bash
# Japanese typed into the input box finds its directory, and a command with
# "%u" and "%e" receives the UTF-8 and Shift-JIS URL forms of the typed text.
# A drive prefix switches the drive box to that drive first.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/vyr.sh"

e2e_begin
start_display
start_wine
make_tree "$E2E_WORK/tree" 写真 ドキュメント abc
map_drive t "$E2E_WORK/tree" E2EJA
start_desktop
vyr_install
write_settings "$VYR_SETTINGS" 'dir=%s u=%u e=%e' ''
vyr_index_with_cli t
log=$E2E_WORK/recorder.log

# Started on drive Z: (its folder); t:写真 switches to t: and finds 写真 there.
vyr_start
type_into_main 't:写真'
press Return
wait_for_line "$log" 'dir=t:\\写真 ' || fail "t:写真 did not run the command on t:\\写真"
line=$(recorder_lines "$log" | tail -n 1)
# The Mini window's text (empty until it is used) is what %u and %e receive.
grep -q -F 'u= e=' <<<"$line" || fail "%u and %e of an empty Mini window text: $line"

# The encodings themselves, through the same expansion that vyr-cli shows.
expect_eq "$(wine_run "$VYR_CLI_EXE" encode utf8 写真)" '%E5%86%99%E7%9C%9F' "%u of 写真"
expect_eq "$(wine_run "$VYR_CLI_EXE" encode url 写真)" '%8E%CA%90%5E' "%e of 写真"

# ドキュメント typed without a drive prefix now searches drive t: as well.
type_into_main 'ドキュメント'
press Return
wait_for_line "$log" 'dir=t:\\ドキュメント ' || fail "ドキュメント did not find its directory"
shot=$(screenshot japanese)
log "screenshot $shot"
