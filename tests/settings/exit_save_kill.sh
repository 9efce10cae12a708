#!/usr/bin/env bash
# Kills the exit save at random moments, many times over, and finds the
# settings file whole every time: byte for byte what the last finished save
# made of it, or what the save under way makes of it. The file holds a big
# Command list, which the exit save never writes and must never lose.
#
#   exit_save_kill.sh PROGRAM [ROUNDS]              the Linux build
#   exit_save_kill.sh --wine WINE_RUN PROGRAM [ROUNDS]  the Windows build, run by WINE_RUN
#
# PROGRAM is exit_save_loop. Only the processes started here are killed, each
# by its own id.
set -euo pipefail

runner=()
to_program_path() { printf '%s' "$1"; }
if [ "${1:-}" = --wine ]; then
  runner=("$2")
  shift 2
  # Wine sees the Linux tree as drive Z:.
  to_program_path() { printf 'Z:%s' "${1//\//\\}"; }
fi
program=$1
rounds=${2:-30}

work=$(mktemp -d "${TMPDIR:-/tmp}/vyr-exit-save-kill-XXXXXX")
loop_pid=
cleanup() {
  if [ -n "$loop_pid" ]; then kill -9 "$loop_pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

settings=$work/vyr.INI
ready=$work/ready
run() { "${runner[@]}" "$program" "$(to_program_path "$settings")" "$@"; }

# A settings file as an earlier run left it, with 1000 Command entries.
awk 'BEGIN {
  printf "[DESKTOP]\r\nMAINTOP=10\r\nMAINLEFT=10\r\n[COMMANDS]\r\nNUM=1000\r\n"
  for (n = 0; n < 1000; n++) {
    printf "DESCRIPTION%d=command %d\r\nCOMMANDLINE%d=C:\\tools\\program%d.exe\r\n", n, n, n, n
    printf "OPTION%d=/open \"%%s\\\" /search %%u\r\nDIRECTORY%d=C:\\work\\%d\r\nHOTKEY%d=\r\n", n, n, n, n
  }
}' >"$settings"
command_list=$(grep -c '^DESCRIPTION' "$settings")

# What each save makes of the file; saving A again over B must give A again,
# or the comparison below would prove nothing.
run A >/dev/null && cp "$settings" "$work/after-A"
took=$(run B | tr -d '\r') && cp "$settings" "$work/after-B"
run A >/dev/null
if ! cmp -s "$settings" "$work/after-A"; then
  echo "FAIL: saving A over B does not give the file that saving A gave" >&2
  exit 1
fi
[ "$(grep -c '^DESCRIPTION' "$work/after-A")" = "$command_list" ] || {
  echo "FAIL: the exit save changed the Command list" >&2
  exit 1
}

# Each kill comes within the first two saves of a loop that starts with the
# save that changes the file.
window=$((2 * took + 1))
seen_a=0
seen_b=0
state=A
for ((round = 1; round <= rounds; round++)); do
  rm -f "$ready"
  first=$([ "$state" = A ] && echo B || echo A)
  # Started straight, not through a function, so that $! is the program.
  "${runner[@]}" "$program" "$(to_program_path "$settings")" loop "$(to_program_path "$ready")" \
    "$first" &
  loop_pid=$!
  for ((wait = 0; wait < 600; wait++)); do
    [ -f "$ready" ] && break
    kill -0 "$loop_pid" 2>/dev/null || { echo "FAIL: the save loop ended early" >&2; exit 1; }
    sleep 0.05
  done
  [ -f "$ready" ] || { echo "FAIL: the save loop did not start" >&2; exit 1; }
  delay=$((RANDOM * 32768 + RANDOM))
  delay=$((delay % window))
  sleep "$((delay / 1000)).$(printf '%03d' $((delay % 1000)))"
  kill -9 "$loop_pid"
  wait "$loop_pid" 2>/dev/null || true
  loop_pid=
  if cmp -s "$settings" "$work/after-A"; then
    state=A
    seen_a=$((seen_a + 1))
  elif cmp -s "$settings" "$work/after-B"; then
    state=B
    seen_b=$((seen_b + 1))
  else
    echo "FAIL: round $round: the settings file is neither the old nor the new one" >&2
    echo "  $(wc -c <"$settings") bytes, $(grep -c '^DESCRIPTION' "$settings" || true) of" \
      "$command_list Command entries" >&2
    exit 1
  fi
done
echo "one save took ${took} ms; the file was whole after each of $rounds kills" \
  "($seen_a times as A left it, $seen_b times as B)"
