# How the benchmark scripts print a figure beside its anchor and target.
# shellcheck shell=bash

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
verdict() { awk -v v="$1" -v t="$2" 'BEGIN { print (v <= t ? "met" : "MISSED") }'; }

# row WHAT FIGURE ANCHOR-TEXT RATIO TARGET
row() { printf '%-34s %-12s %-38s %6sx  <= %-5s %s\n' "$1" "$2" "$3" "$4" "$5" "$(verdict "$4" "$5")"; }

msec() { awk -v t="$1" 'BEGIN { printf "%.1f ms", t * 1000 }'; }
mib() { awk -v b="$1" 'BEGIN { printf "%.1f MiB", b / 1048576 }'; }
