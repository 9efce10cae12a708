#!/usr/bin/env bash
# The scan's sort and the load of a pair beside their anchors, taken in turn
# round by round in one run (vyr-bench-sort-load), on a generated pair:
#
#   SortWalkedTree (the scan's sort) and SortLists  against  LC_ALL=C sort of the names file
#   IndexStore::Load                                against  cat of both files
#
#   bench/sort_load.sh [ENTRIES]        (default 1000000)
#
# Environment:
#   VYR_BENCH_ROUNDS=9   rounds (the median of each figure counts)
#   VYR_BENCH_SEED=1     seed of the generated tree and pair
#   VYR_BENCH_BUILD=DIR  take the programs from DIR (laid out like build/native)
#                        and build nothing
#   VYR_BENCH_PAIR_DIR=DIR  use the pair (Vyr_VYRBENCH.*) that vyr-bench-tree
#                        --pair made there for ENTRIES and the seed (bench/run.sh
#                        passes its own) instead of making one
#   TMPDIR               where the pair is made
set -euo pipefail
shopt -s inherit_errexit

here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/.." && pwd)
source "$here/lib.sh"
entries=${1:-1000000}
rounds=${VYR_BENCH_ROUNDS:-9}
seed=${VYR_BENCH_SEED:-1}
label=VYRBENCH
case $entries in '' | *[!0-9]*) echo "usage: bench/sort_load.sh [ENTRIES]" >&2; exit 2 ;; esac

if [ -n "${VYR_BENCH_BUILD:-}" ]; then
  build=$(cd "$VYR_BENCH_BUILD" && pwd)
else
  build=$repo/build/native
  (cd "$repo" && cmake --preset native >/dev/null &&
    cmake --build --preset native -j2 --target vyr-bench-tree vyr-bench-sort-load >/dev/null)
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/vyr-sort-load.XXXXXX")
trap 'rm -rf "$work"' EXIT
trap 'exit 130' INT TERM
if [ -n "${VYR_BENCH_PAIR_DIR:-}" ]; then
  pair=$VYR_BENCH_PAIR_DIR
else
  pair=$work/pair
  mkdir -p "$pair"
  "$build/bench/vyr-bench-tree" --dirs "$entries" --seed "$seed" --label "$label" --pair "$pair" >/dev/null
fi

"$build/bench/vyr-bench-sort-load" --pair-dir "$pair" --label "$label" --dirs "$entries" \
  --seed "$seed" --rounds "$rounds" >"$work/medians.txt" 2>"$work/rounds.txt"
median() { awk -v k="$1" '$1 == "median" && $2 == k { print $3 / 1000 }' "$work/medians.txt"; }
t_sort_names=$(median sort_names) t_sort_tree=$(median sort_tree) t_sort_lists=$(median sort_lists)
t_cat=$(median cat_pair) t_load=$(median load)

row "scan's sort, $entries entries" "$(msec "$t_sort_tree")" \
  "LC_ALL=C sort of names: $(msec "$t_sort_names")" "$(ratio "$t_sort_tree" "$t_sort_names")" 1
row "SortLists, $entries entries" "$(msec "$t_sort_lists")" \
  "LC_ALL=C sort of names: $(msec "$t_sort_names")" "$(ratio "$t_sort_lists" "$t_sort_names")" 1
row "load $entries-entry pair" "$(msec "$t_load")" "cat of both files: $(msec "$t_cat")" \
  "$(ratio "$t_load" "$t_cat")" 2
echo "medians of $rounds rounds taken in turn; each round (ms):"
sed 's/^/  /' "$work/rounds.txt"
