#!/usr/bin/env bash
# vyr-cli.exe under Wine scans drive t: of the prefix, a generated tree with a
# volume label and a system folder, into the index pair named after the label,
# and finds names in it. No display: a console program needs none.
set -euo pipefail
source "$(dirname "$0")/lib.sh"

cli=$VYR_E2E_BUILD/tools/vyr-cli/vyr-cli.exe
[ -f "$cli" ] || { echo "no $cli: build the win32 preset first" >&2; exit 1; }

e2e_begin
start_wine
tree=$E2E_WORK/tree
cat >"$E2E_WORK/tree.txt" <<'LIST'
# One folder a line, UTF-8 as on disk; sys: gives the system attribute.
写真
写真/2024
ドキュメント
abc
abcdef
Program Files
Windows
sys:Windows/System32
LIST
make_tree_from "$tree" "$E2E_WORK/tree.txt"
make_tree "$tree" 表示
touch "$tree/abc/file.txt"
map_drive t "$tree" E2ESCAN

index=$E2E_WORK/index
mkdir -p "$index"
count=$(wine_run "$cli" scan t --index-dir "$(winpath "$index")") || fail "vyr-cli scan failed"
expect_eq "$count" 9 "directories counted by the scan"
for ext in dir path; do
  [ -s "$index/Vyr_E2ESCAN.$ext" ] || fail "no Vyr_E2ESCAN.$ext after the scan"
done

# Names upper-cased in .dir, full paths in .path, line for line, sorted by name.
paths=$(from_sjis "$index/Vyr_E2ESCAN.path" | tr -d '\r')
names=$(from_sjis "$index/Vyr_E2ESCAN.dir" | tr -d '\r')
expect_eq "$(wc -l <<<"$paths")" 9 "lines of the .path file"
expect_eq "$(wc -l <<<"$names")" 9 "lines of the .dir file"
for path in 't:\写真' 't:\写真\2024' 't:\ドキュメント' 't:\abcdef' 't:\Program Files' \
  't:\Windows\System32' 't:\表示'; do
  grep -q -x -F "$path" <<<"$paths" || fail "$path missing from the .path file"
done
grep -q -x -F 'SYSTEM32' <<<"$names" || fail "SYSTEM32 missing from the .dir file"
tr -d '\r' <"$index/Vyr_E2ESCAN.dir" | LC_ALL=C sort -c 2>/dev/null || fail "the .dir file is not sorted by bytes"

# The Shift-JIS bytes themselves, 表 with its 0x5C second byte intact.
grep -q -F "$(to_sjis 't:\表示')" "$index/Vyr_E2ESCAN.path" || fail "t:\\表示 is not Shift-JIS in the .path file"

# A Windows console program writes the code page's bytes.
found=$(wine_run "$cli" find 写 --drive t --index-dir "$(winpath "$index")") || fail "vyr-cli find 写 failed"
expect_eq "$(printf '%s' "$found" | from_sjis)" 't:\写真' "candidates of 写"
status=0
wine_run "$cli" find zzz --drive t --index-dir "$(winpath "$index")" >/dev/null 2>&1 || status=$?
expect_eq "$status" 1 "exit status of a find without candidates"

# The system folder is left out when asked.
rm -f "$index"/Vyr_E2ESCAN.*
count=$(wine_run "$cli" scan t --index-dir "$(winpath "$index")" --ignore-sysdir) ||
  fail "vyr-cli scan --ignore-sysdir failed"
expect_eq "$count" 8 "directories counted with --ignore-sysdir"
if from_sjis "$index/Vyr_E2ESCAN.path" | tr -d '\r' | grep -x -F 't:\Windows\System32' >/dev/null; then
  fail "the system folder was scanned with --ignore-sysdir"
fi

log "vyr-cli scan passed"
