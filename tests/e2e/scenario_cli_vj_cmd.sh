#!/usr/bin/env bash
# vj.cmd as it ships, in Wine's cmd: jumps over two drives with index pairs
# beside vyr-cli.exe, a pick among several by the number typed, every way of
# not jumping, and the vj.cmd that "vyr-cli init cmd" prints for another
# folder. The program's folder has "(", ")" and "&" in its name, a drive has
# a folder named with "&", "!" and "(". No display: console programs need none.
set -euo pipefail
source "$(dirname "$0")/lib.sh"

cli=$VYR_E2E_BUILD/tools/vyr-cli/vyr-cli.exe
vj_cmd=$E2E_REPO/tools/vyr-cli/vj.cmd
[ -f "$cli" ] || { echo "no $cli: build the win32 preset first" >&2; exit 1; }

# The file itself: cmd on code page 932 reads Shift-JIS, with CR LF line ends
# (labels are found reliably only so).
iconv -f cp932 -t utf-8 "$vj_cmd" >/dev/null || fail "vj.cmd is not Shift-JIS"
[ "$(grep -c $'\r$' "$vj_cmd")" = "$(wc -l <"$vj_cmd")" ] || fail "a line of vj.cmd does not end in CR LF"

e2e_begin
start_wine

app="$E2E_WORK/Vyr (x86) & co"
mkdir -p "$app"
cp "$cli" "$vj_cmd" "$app/"
make_tree "$E2E_WORK/u" proj/alpha 写真 "Program Files (x86)" "a&b!c (1)"
make_tree "$E2E_WORK/w" projects x/proj2
map_drive u "$E2E_WORK/u" UDATA
map_drive w "$E2E_WORK/w" WDATA
for drive in u w; do
  wine_run "$app/vyr-cli.exe" scan $drive >/dev/null || fail "vyr-cli scan $drive failed"
done
[ -s "$app/Vyr_UDATA.dir" ] && [ -s "$app/Vyr_WDATA.dir" ] || fail "no pairs beside the program"

# "vj TYPED" as a user types it at cmd's prompt, from c:\, through a batch
# file in Shift-JIS that runs the vj.cmd in $vj_called. (No path here has a
# "%": Wine's cmd expands a variable's value once more, which cmd does not.
# init_scripts_test holds the quoting of the program's path to cmd's rules.)
vj_called=$app/vj.cmd
driver=$E2E_WORK/driver.cmd

# run_driver INPUT LINES...: the batch file of LINES run by Wine's cmd with
# INPUT (typed at a console of code page 932, so Shift-JIS) on standard
# input; its standard output and error in $E2E_WORK/out and err, its exit
# status printed.
run_driver() {
  local input=$1 status=0
  shift
  printf '%s\r\n' '@echo off' 'cd /d c:\' "$@" | iconv -f utf-8 -t cp932 >"$driver"
  printf '%s' "$input" | iconv -f utf-8 -t cp932 |
    timeout 120 wine cmd /c "$(winpath "$driver")" >"$E2E_WORK/out" 2>"$E2E_WORK/err" || status=$?
  echo "$status"
}

# vj INPUT [TYPED]: sets $dir (cmd's directory after vj), $said (what vj
# wrote to standard error) and $status. The status takes a run of its own:
# Wine's cmd gives 1 after "call" of a batch file whatever its "exit /b"
# said, so there the batch file hands over to vj.cmd without call.
vj() {
  local input=$1 typed=${2:-} called
  called=$(winpath "$vj_called")
  run_driver "$input" "call \"$called\" $typed" cd >/dev/null
  dir=$(from_sjis "$E2E_WORK/out" | tr -d '\r' | sed -n '$p')
  # Wine's own word about drive z: (the Linux root) is no part of vj's.
  said=$(from_sjis "$E2E_WORK/err" | tr -d '\r' | grep -v '^wine: ' || true)
  status=$(run_driver "$input" "\"$called\" $typed")
  log "vj $typed -> status $status, in $dir"
}

# expect_vj STATUS DIR INPUT [TYPED]
expect_vj() {
  vj "$3" "${4:-}"
  expect_eq "$status" "$1" "exit status of vj ${4:-}"
  expect_eq "$dir" "$2" "directory after vj ${4:-}"
}

expect_vj 0 'u:\proj\alpha' '' alph
expect_vj 0 'u:\写真' '' 写
expect_vj 0 'u:\Program Files (x86)' '' 'program f'
expect_vj 0 'u:\a&b!c (1)' '' '"a&b"'
expect_eq "$said" "" "what vj said on a jump"

# Several: drive by drive in letter order, each drive's in name order; the
# number typed picks.
expect_vj 0 'w:\projects' $'3\r\n' proj
for line in '1) u:\proj' '2) w:\x\proj2' '3) w:\projects'; do
  grep -q -x -F "$line" <<<"$said" || fail "'$line' not listed: $said"
done
grep -q -F '番号: ' <<<"$said" || fail "no prompt for the number: $said"
expect_vj 0 'u:\proj' $'１\r\n' proj
expect_vj 5 'c:\' $'\r\n' proj
expect_vj 5 'c:\' $'4\r\n' proj
expect_vj 5 'c:\' '' proj

# Nothing to change to: the lookup's own words, its own status.
expect_vj 1 'c:\' '' zzz
expect_eq "$said" "ZZZで始まる名前を持つディレクトリが見つかりません" "what vj said of zzz"
expect_vj 3 'c:\' ''
expect_vj 4 'c:\' '' http://example.com
mkdir "$E2E_WORK/kept"
mv "$app"/Vyr_* "$E2E_WORK/kept/"
expect_vj 2 'c:\' '' abc
expect_eq "$said" "先にスキャンしてください" "what vj said without pairs"
mv "$E2E_WORK/kept"/Vyr_* "$app/"

# Printed for a folder of the user's: it names the program, wherever it is.
mkdir -p "$E2E_WORK/bin"
timeout 120 wine "$app/vyr-cli.exe" init cmd </dev/null >"$E2E_WORK/bin/vj.cmd" ||
  fail "vyr-cli init cmd failed"
[ "$(grep -c $'\r$' "$E2E_WORK/bin/vj.cmd")" = "$(wc -l <"$E2E_WORK/bin/vj.cmd")" ] ||
  fail "the printed vj.cmd has a line without CR LF"
vj_called=$E2E_WORK/bin/vj.cmd
expect_vj 0 'w:\projects' $'3\r\n' proj
expect_vj 0 'u:\proj\alpha' '' alph

log "vj.cmd passed"
