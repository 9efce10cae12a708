#!/usr/bin/env bash
# The Windows program under Wine, on a private display:
#  - scan-and-exit (vyr.exe /s t) of a generated tree against vyr-cli.exe scan
#    of the same tree, both under Wine (target 1.3x: the window must not slow
#    the scan);
#  - start-up with a loaded 1M-entry index until the main window is shown;
#  - Enter to the start of the command for a name with one match, on that index.
# Usage: bench/gui.sh [DIRS] (default 100000). Needs the native and win32 builds.
set -euo pipefail
dirs=${1:-100000}
pair_dirs=${VYR_BENCH_PAIR_DIRS:-1000000}
runs=${VYR_BENCH_RUNS:-3}
repo=$(cd "$(dirname "$0")/.." && pwd)
source "$repo/tests/e2e/lib.sh"
source "$repo/tests/e2e/vyr.sh"
E2E_NAME=gui-bench
tree_tool=$repo/build/native/bench/vyr-bench-tree
[ -x "$tree_tool" ] || { echo "gui.sh: build the native preset first" >&2; exit 2; }

now() { date +%s.%N; }
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

e2e_begin
start_display
start_wine
tree=$E2E_WORK/tree
"$tree_tool" --dirs "$dirs" --label GUIBENCH --tree "$tree" >/dev/null
map_drive t "$tree" GUIBENCH
start_desktop
vyr_install
write_settings "$VYR_SETTINGS" '%s' ''
cat "$tree"/.windows-label >/dev/null
find "$tree" -type d >/dev/null  # warm cache

cli_times=() gui_times=()
for _ in $(seq "$runs"); do
  start=$(now)
  wine_run "$VYR_CLI_EXE" scan t --index-dir "$(winpath "$E2E_WORK/cli")" >/dev/null 2>&1 ||
    mkdir -p "$E2E_WORK/cli"
  cli_times+=("$(echo "$(now) - $start" | bc)")
  start=$(now)
  vyr_start /s t
  wait_for_exit "$VYR_PID" 600 || fail "vyr.exe /s t did not end"
  gui_times+=("$(echo "$(now) - $start" | bc)")
done
cli=$(printf '%s\n' "${cli_times[@]}" | median)
gui=$(printf '%s\n' "${gui_times[@]}" | median)
cmp -s "$E2E_WORK/cli/Vyr_GUIBENCH.path" "$VYR_APP/Vyr_GUIBENCH.path" ||
  fail "vyr.exe and vyr-cli.exe wrote different pairs"

# A 1M-entry pair for drive t:, and a name with one match in it.
rm -f "$VYR_APP"/Vyr_GUIBENCH.*
"$tree_tool" --dirs "$pair_dirs" --label GUIBENCH --pair "$VYR_APP" >/dev/null
name=$(iconv -f cp932 -t utf-8 "$VYR_APP/Vyr_GUIBENCH.dir" | tr -d '\r' | LC_ALL=C uniq -u |
  awk 'length($0) >= 8 && $0 ~ /^[A-Z0-9_]+$/ && !found { print; found = 1 }') || true
[ -n "$name" ] || fail "no unique ASCII name in the pair"

start_times=() enter_times=()
log_file=$E2E_WORK/recorder.log
for _ in $(seq "$runs"); do
  start=$(now)
  vyr_start /d t /o 0
  main=$(vyr_main_window)
  start_times+=("$(echo "$(now) - $start" | bc)")
  focus_window "$main"
  type_text "$name"
  before=$(wc -l <"$log_file" 2>/dev/null || echo 0)
  start=$(now)
  press Return
  wait_for_lines "$log_file" $((before + 1)) 120 || fail "the command did not start"
  enter_times+=("$(echo "$(now) - $start" | bc)")
  wait_for_exit "$VYR_PID" 60 || fail "one-shot mode did not end"
done
startup=$(printf '%s\n' "${start_times[@]}" | median)
enter=$(printf '%s\n' "${enter_times[@]}" | median)

printf '\nvyr.exe under Wine, %s directories scanned, %s-entry index, median of %s runs\n' \
  "$dirs" "$pair_dirs" "$runs"
printf '%-44s %8.2f s  vs vyr-cli.exe %6.2f s  = %5.2fx (target 1.3x)\n' \
  "scan-and-exit (/s t)" "$gui" "$cli" "$(echo "$gui / $cli" | bc -l)"
printf '%-44s %8.2f s\n' "start-up until the main window shows" "$startup"
printf '%-44s %8.2f s  (typed %s)\n' "Enter to the command's start, one match" "$enter" "$name"
