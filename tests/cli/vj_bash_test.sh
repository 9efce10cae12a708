#!/usr/bin/env bash
# "vj" in a real interactive bash, typed into under tmux as a person would:
# vyr-cli's "init bash" evaluated, then jumps over two drives with index
# pairs beside the program, a pick among several, and every way of not
# jumping. Usage: vj_bash_test.sh PATH-TO-NATIVE-VYR-CLI
set -euo pipefail
cli_built=$1
command -v tmux >/dev/null || { echo "vj_bash_test: no tmux (scripts/setup.sh installs it)"; exit 77; }

work=$(mktemp -d "${TMPDIR:-/tmp}/vyr-vj-bash.XXXXXX")
sock=$work/tmux.sock
shell_pid=
cleanup() {
  tmux -S "$sock" kill-server 2>/dev/null || true
  # The shell ends after its server: wait for it before its folder goes.
  local i
  for i in $(seq 50); do
    [ -n "$shell_pid" ] && kill -0 "$shell_pid" 2>/dev/null || break
    sleep 0.1
  done
  rm -rf "$work"
}
trap cleanup EXIT

# The program where its index pairs go, in a folder whose name needs quoting.
bin="$work/Vyr's bin"
mkdir -p "$bin"
cp "$cli_built" "$bin/vyr-cli"
u=$work/u
w=$work/w
mkdir -p "$u/proj/alpha" "$u/写真" "$u/Program Files" "$u/it's here" "$w/projects" "$w/x/proj2"
printf 'UDATA\n' >"$u/.windows-label"
printf 'WDATA\n' >"$w/.windows-label"
export VYR_DRIVES="u=$u;w=$w"
for drive in u w; do "$bin/vyr-cli" scan "$drive" >/dev/null; done

# A shell of its own: no rc files, the locale of a Japanese user's terminal.
LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8 HOME=$work HISTFILE=/dev/null \
  tmux -u -S "$sock" -f /dev/null new-session -d -s vj -x 160 -y 50 \
  "bash --norc --noprofile -i"
shell_pid=$(tmux -S "$sock" display-message -p -t vj '#{pane_pid}')

screen() { tmux -S "$sock" capture-pane -p -t vj -S -300; }
type_line() {
  tmux -S "$sock" send-keys -t vj -l "$1"
  tmux -S "$sock" send-keys -t vj Enter
}
wait_for() {
  local i
  for i in $(seq 100); do
    screen | grep -q -F -- "$1" && return 0
    sleep 0.1
  done
  echo "FAIL: never shown: $1"
  echo "--- screen:"
  screen
  exit 1
}
# run_vj N ARGS: vj ARGS, then its status and the directory after it, marked N.
run_vj() {
  local mark=$1
  shift
  type_line "vj $*; echo \"=$mark= \$? \$PWD\""
}

type_line 'eval "$("'"$bin"'/vyr-cli" init bash)"; cd /; echo "=init= $(type -t vj)"'
wait_for "=init= function"

run_vj 1 alph
wait_for "=1= 0 $u/proj/alpha"

run_vj 2 写
wait_for "=2= 0 $u/写真"

# The words make one text, as typed in the main window.
run_vj 3 program f
wait_for "=3= 0 $u/Program Files"

run_vj 4 "it\\'"
wait_for "=4= 0 $u/it's here"

# Several: drive by drive in letter order, each drive's in name order.
run_vj 5 proj
wait_for "番号:"
screen | grep -q -x -F "1) $u/proj" || { echo "FAIL: no 1)"; screen; exit 1; }
screen | grep -q -x -F "2) $w/x/proj2" || { echo "FAIL: no 2)"; screen; exit 1; }
screen | grep -q -x -F "3) $w/projects" || { echo "FAIL: no 3)"; screen; exit 1; }
type_line 3
wait_for "=5= 0 $w/projects"

# A pick left empty, a number past the list: the directory stays.
run_vj 6 proj
type_line ""
wait_for "=6= 5 $w/projects"
run_vj 7 proj
type_line 4
wait_for "=7= 5 $w/projects"

# None found, and no pair on any drive: the lookup's own words.
run_vj 8 zzz
wait_for "ZZZで始まる名前を持つディレクトリが見つかりません"
wait_for "=8= 1 $w/projects"
type_line "VYR_DRIVES=q=$work/nowhere vj abc; echo \"=9= \$? \$PWD\""
wait_for "先にスキャンしてください"
wait_for "=9= 2 $w/projects"

run_vj 10
wait_for "=10= 3 $w/projects"

echo "vj in bash: 10 cases passed"
