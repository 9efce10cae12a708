#!/usr/bin/env bash
# The Windows program under Wine, on a private display:
#  - scan-and-exit (vyr.exe /s t) of a generated tree against vyr-cli.exe scan
#    of the same tree, both under Wine (target 1.3x: the window must not slow
#    the scan);
#  - start-up with a loaded 1M-entry index until the main window is shown;
#  - Enter to the start of the command for a name with one match, on that index;
#  - in tray mode on that index: entering tray mode with 50 commands whose
#    programs have icons (target 0.2 s), a command's hot key until the Mini
#    window shows (target 0.1 s), Enter in the Mini window until the command
#    starts (target 0.05 s).
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
mkdir -p "$E2E_WORK/cli"
for _ in $(seq "$runs"); do
  start=$(now)
  wine_run "$VYR_CLI_EXE" scan t --index-dir "$(winpath "$E2E_WORK/cli")" >/dev/null 2>&1 ||
    fail "vyr-cli.exe scan t failed"
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

# Tray mode: the recorder as command 0 ("%s\", Ctrl+Alt+G), then 49 commands
# on a program with an icon of its own, each drawn into the launch menu.
{
  printf '[COMMANDS]\r\nNUM=50\r\n'
  printf 'DESCRIPTION0=mini\r\nCOMMANDLINE0=%s\r\nOPTION0=%%s\\\r\nDIRECTORY0=\r\nHOTKEY0=Ctrl+Alt+G\r\n' \
    "$E2E_RECORDER_WIN"
  for n in $(seq 1 49); do
    printf 'DESCRIPTION%s=notepad %s\r\nCOMMANDLINE%s=C:\\windows\\notepad.exe\r\n' "$n" "$n" "$n"
    printf 'OPTION%s=\r\nDIRECTORY%s=\r\nHOTKEY%s=\r\n' "$n" "$n" "$n"
  done
} >"$VYR_SETTINGS"
# A command's visible window, polled as fast as xdotool answers: the
# figures are tenths of a second.
shown() { [ -n "$(xdotool search --onlyvisible --name "$1" 2>/dev/null)" ]; }
until_now() {
  local deadline=$((SECONDS + 60))
  until "$@"; do [ "$SECONDS" -lt "$deadline" ] || fail "timed out: $*"; done
}
lines_over() { [ "$(wc -l <"$log_file" 2>/dev/null || echo 0)" -gt "$1" ]; }
tray_times=() hot_key_times=() mini_enter_times=()
for _ in $(seq "$runs"); do
  vyr_start /d t
  main=$(vyr_main_window)
  sleep 1
  click_window "$main" 20 10 3
  sleep 1
  press Down
  start=$(now)
  press Return
  until_now eval '! shown "$MAIN_TITLE"'
  tray_times+=("$(echo "$(now) - $start" | bc)")
  sleep 1
  start=$(now)
  xdotool key ctrl+alt+g
  until_now shown '^mini - T:$'
  hot_key_times+=("$(echo "$(now) - $start" | bc)")
  sleep 0.5
  type_text "$name"
  before=$(wc -l <"$log_file" 2>/dev/null || echo 0)
  start=$(now)
  press Return
  until_now lines_over "$before"
  mini_enter_times+=("$(echo "$(now) - $start" | bc)")
  vyr_close
  wait_for_exit "$VYR_PID" 60 || fail "vyr.exe did not end"
  sed -i 's/^TASKTRAY=1\r$/TASKTRAY=0\r/' "$VYR_SETTINGS"
done
tray=$(printf '%s\n' "${tray_times[@]}" | median)
hot_key=$(printf '%s\n' "${hot_key_times[@]}" | median)
mini_enter=$(printf '%s\n' "${mini_enter_times[@]}" | median)

printf '\nvyr.exe under Wine, %s directories scanned, %s-entry index, median of %s runs\n' \
  "$dirs" "$pair_dirs" "$runs"
printf '%-44s %8.2f s  vs vyr-cli.exe %6.2f s  = %5.2fx (target 1.3x)\n' \
  "scan-and-exit (/s t)" "$gui" "$cli" "$(echo "$gui / $cli" | bc -l)"
printf '%-44s %8.2f s\n' "start-up until the main window shows" "$startup"
printf '%-44s %8.2f s  (typed %s)\n' "Enter to the command's start, one match" "$enter" "$name"
printf '%-44s %8.3f s  (target 0.2 s)\n' "Enter tray mode, 50 commands with icons" "$tray"
printf '%-44s %8.3f s  (target 0.1 s)\n' "hot key until the Mini window shows" "$hot_key"
printf '%-44s %8.3f s  (target 0.05 s)\n' "Enter in the Mini window to the command" "$mini_enter"
