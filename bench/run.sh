#!/usr/bin/env bash
# Runs every Vyr benchmark on one generated tree and prints each figure
# beside its anchor and target. See bench/README.md.
#
#   bench/run.sh [DIRECTORIES]        (default 500000)
#
# Environment:
#   VYR_BENCH_RUNS=5         timed runs of each native command (median taken)
#   VYR_BENCH_WINE_RUNS=3    timed runs of each command under Wine
#   VYR_BENCH_PAIR=1000000   entries of the pair that load and lookup use
#   VYR_BENCH_SEED=1         seed of the generated tree and pair
#   VYR_BENCH_BUILD=DIR      take the programs from DIR (laid out like
#                            build/native) and build nothing
#   VYR_BENCH_WIN_CLI=EXE    vyr-cli.exe to run under Wine
#                            (default build/win32/tools/vyr-cli/vyr-cli.exe)
#   VYR_BENCH_NO_WINE=1      skip the Wine figures
#   VYR_BENCH_SCANS_ONLY=1   only the scans and the rescan's memory: no
#                            load, lookup or sort figures
#   TMPDIR                   where the tree and the pairs are made
set -euo pipefail
shopt -s inherit_errexit

here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/.." && pwd)
directories=${1:-500000}
runs=${VYR_BENCH_RUNS:-5}
wine_runs=${VYR_BENCH_WINE_RUNS:-3}
pair_entries=${VYR_BENCH_PAIR:-1000000}
seed=${VYR_BENCH_SEED:-1}
label=VYRBENCH
fragment='写真\20'  # typed for the path fragment search

case $directories in '' | *[!0-9]*) echo "usage: bench/run.sh [DIRECTORIES]" >&2; exit 2 ;; esac
command -v python3 >/dev/null || { echo "run.sh: python3 is needed to read benchmark output" >&2; exit 1; }

# --- programs --------------------------------------------------------------
if [ -n "${VYR_BENCH_BUILD:-}" ]; then
  build=$(cd "$VYR_BENCH_BUILD" && pwd)
else
  build=$repo/build/native
  (cd "$repo" && cmake --preset native >/dev/null &&
    cmake --build --preset native -j2 --target vyr-cli vyr-bench-tree vyr-bench-walk \
      vyr-bench-lookup vyr-bench-sort-load vyr-bench-memory >/dev/null)
fi
cli=$build/tools/vyr-cli/vyr-cli
bench_bin=$build/bench
for program in "$cli" "$bench_bin"/vyr-bench-{tree,walk,lookup,sort-load,memory}; do
  [ -x "$program" ] || { echo "run.sh: $program is missing" >&2; exit 1; }
done

work=$(mktemp -d "${TMPDIR:-/tmp}/vyr-bench.XXXXXX")
wine_prefix=$repo/build/wineprefix-bench
wineserver_started=0
cleanup() {
  if [ "$wineserver_started" = 1 ]; then WINEPREFIX=$wine_prefix wineserver -k 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM
tree=$work/tree
mkdir -p "$work/index" "$work/pair" "$work/wine-index"

# --- helpers ---------------------------------------------------------------
now_ns() { date +%s%N; }

# interleaved ROUNDS FUNCTION...: runs each function once per round, in
# turn, so that whatever else the machine does in the meantime weighs on all
# of them alike; sets median[FUNCTION] to its median wall time in seconds.
# Output is dropped.
declare -A median
interleaved() {
  local rounds=$1 k fn start end
  shift
  declare -A times=()
  for ((k = 0; k < rounds; k++)); do
    for fn in "$@"; do
      start=$(now_ns)
      "$fn" >/dev/null
      end=$(now_ns)
      times[$fn]+="$((end - start)) "
    done
  done
  for fn in "$@"; do
    median[$fn]=$(printf '%s\n' ${times[$fn]} | sort -n |
      awk '{ t[NR] = $1 } END { m = NR % 2 ? t[(NR + 1) / 2] : (t[NR / 2] + t[NR / 2 + 1]) / 2; printf "%.4f\n", m / 1e9 }')
  done
}

source "$here/lib.sh"  # ratio, verdict, row, msec, mib

# The median real time of benchmark NAME in a Google Benchmark JSON report,
# in UNIT (ns, ms or s).
bench_time() {
  python3 - "$1" "$2" "$3" <<'EOF'
import json, sys
report, name, unit = sys.argv[1], sys.argv[2], sys.argv[3]
scale = {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1.0}
for b in json.load(open(report))["benchmarks"]:
    if b.get("run_name", b["name"]) == name and b.get("aggregate_name") == "median":
        print("%.6g" % (b["real_time"] * scale[b["time_unit"]] / scale[unit]))
        break
else:
    sys.exit("no median for " + name)
EOF
}

bench_counter() {
  python3 - "$1" "$2" "$3" <<'EOF'
import json, sys
report, name, counter = sys.argv[1], sys.argv[2], sys.argv[3]
for b in json.load(open(report))["benchmarks"]:
    if b.get("run_name", b["name"]) == name and b.get("aggregate_name") == "median":
        print("%.6g" % b[counter])
        break
EOF
}

expect_count() {
  if [ "$2" != "$directories" ]; then
    echo "run.sh: $1 found $2 directories, the tree has $directories" >&2
    exit 1
  fi
}

# --- the machine -----------------------------------------------------------
echo "Vyr benchmarks: $directories directories, pair of $pair_entries entries, seed $seed"
echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | sed 's/.*: //')," \
  "$(awk '/MemTotal/ { printf "%.1f GiB", $2 / 1048576 }' /proc/meminfo), kernel $(uname -r)," \
  "$(date -u '+%Y-%m-%d %H:%M UTC')"
echo "load average at start: $(cut -d' ' -f1-3 /proc/loadavg) (figures are only fair on an idle machine)"
commit=$(git -C "$repo" rev-parse --short HEAD 2>/dev/null || echo "${VYR_BENCH_COMMIT:-unknown}")
if [ -n "$(git -C "$repo" status --porcelain -- src tools bench 2>/dev/null)" ]; then
  commit="$commit, with uncommitted changes"
fi
echo "commit: $commit"
echo

# --- the tree --------------------------------------------------------------
start=$(now_ns)
"$bench_bin/vyr-bench-tree" --dirs "$directories" --seed "$seed" --label "$label" --tree "$tree" >/dev/null
echo "tree made in $(awk -v n=$(($(now_ns) - start)) 'BEGIN { printf "%.1f", n / 1e9 }') s under $work"

# --- scan, native ----------------------------------------------------------
export VYR_DRIVES="t=$tree"
scan_vyr() { "$cli" scan t --index-dir "$work/index"; }
find_sort() { find "$tree" -mindepth 1 -type d -printf '%f\t%p\n' | LC_ALL=C sort >"$work/find.out"; }
walk_bare() { "$bench_bin/vyr-bench-walk" "$tree"; }

expect_count "vyr-cli scan" "$(scan_vyr)"  # also warms the caches
expect_count "vyr-bench-walk" "$(walk_bare)"
find_sort
expect_count "find" "$(wc -l <"$work/find.out")"

interleaved "$runs" scan_vyr find_sort walk_bare
t_scan=${median[scan_vyr]} t_find=${median[find_sort]} t_walk=${median[walk_bare]}

# --- peak memory of a rescan -------------------------------------------------
VYR_BENCH_TREE=$tree VYR_BENCH_BUILD=$build "$here/rescan_peak.sh" "$directories" >"$work/rescan.txt"

# --- scan under Wine ---------------------------------------------------------
win_cli=${VYR_BENCH_WIN_CLI:-$repo/build/win32/tools/vyr-cli/vyr-cli.exe}
wine_note=""
if [ -n "${VYR_BENCH_NO_WINE:-}" ]; then
  wine_note="skipped: VYR_BENCH_NO_WINE is set"
elif [ ! -f "$win_cli" ]; then
  wine_note="skipped: $win_cli is not built (cmake --preset win32 && cmake --build --preset win32 --target vyr-cli)"
elif ! command -v wine >/dev/null || ! command -v i686-w64-mingw32-gcc >/dev/null; then
  wine_note="skipped: wine or i686-w64-mingw32-gcc is missing"
else
  i686-w64-mingw32-gcc -O2 -o "$work/vyr-bench-walk.exe" "$here/win_walk.c"
  export VYR_WINEPREFIX=$wine_prefix VYR_WINE_TREE=$tree
  wine_run() { "$repo/cmake/wine-run.sh" "$@"; }
  # Makes the prefix the first time (a minute or so), then keeps one
  # wineserver for every run so that none of them pays for starting it. A
  # server of this prefix left by a run that was stopped is ended first:
  # the prefix is the benchmarks' own.
  WINEPREFIX=$wine_prefix wineserver -k 2>/dev/null || true
  wine_run "$work/vyr-bench-walk.exe" 'x:\' >/dev/null 2>&1 || true
  WINEPREFIX=$wine_prefix wineserver -w
  WINEPREFIX=$wine_prefix wineserver -p
  wineserver_started=1
  wine_index="Z:$(printf '%s' "$work/wine-index" | tr / '\\')"
  scan_wine() { wine_run "$win_cli" scan t --index-dir "$wine_index"; }
  walk_wine() { wine_run "$work/vyr-bench-walk.exe" 't:\'; }
  expect_count "vyr-bench-walk.exe" "$(walk_wine | tr -d '\r')"  # also the warm-up
  expect_count "vyr-cli.exe scan" "$(scan_wine | tr -d '\r')"
  interleaved "$wine_runs" scan_wine walk_wine
  t_wine_scan=${median[scan_wine]} t_wine_walk=${median[walk_wine]}
fi

# --- load, memory, lookup --------------------------------------------------
if [ -z "${VYR_BENCH_SCANS_ONLY:-}" ]; then
  "$bench_bin/vyr-bench-tree" --dirs "$pair_entries" --seed "$seed" --label "$label" --pair "$work/pair" >/dev/null
  paths_file=$work/pair/Vyr_$label.path
  bench_flags=(--benchmark_repetitions=5 --benchmark_report_aggregates_only=true --benchmark_format=json)
  # The scan's sort and the load, each in turn with its anchor, round by round:
  # their rows, without the rounds.
  VYR_BENCH_PAIR_DIR=$work/pair VYR_BENCH_BUILD=$build VYR_BENCH_SEED=$seed \
    VYR_BENCH_ROUNDS=$((2 * runs - 1)) "$here/sort_load.sh" "$pair_entries" 2>/dev/null |
    sed '/^medians of/,$d' >"$work/sort-load.txt"
  "$bench_bin/vyr-bench-lookup" --pair-dir "$work/pair" --label "$label" --fragment "$fragment" \
    "${bench_flags[@]}" >"$work/lookup.json" 2>/dev/null
  "$bench_bin/vyr-bench-memory" "$work/pair" "$label" >"$work/memory.txt" || true

  grep_fragment=$(printf '%s' "$fragment" | tr a-z A-Z | iconv -f UTF-8 -t CP932)
  # Into a file: GNU grep stops at the first match when its output is /dev/null.
  grep_paths() { LC_ALL=C grep -c -F -- "$grep_fragment" "$paths_file" >"$work/grep.out" || true; }
  grep_paths
  [ "$(cat "$work/grep.out")" -gt 0 ] || { echo "run.sh: no path holds the fragment" >&2; exit 1; }
  interleaved "$runs" grep_paths
  t_grep=${median[grep_paths]}
  t_fragment=$(bench_time "$work/lookup.json" BM_FindPathFragment s)
  t_lookup_ns=$(bench_time "$work/lookup.json" BM_Lookup_Typed ns)
  t_prefix_ns=$(bench_time "$work/lookup.json" BM_FindNamePrefix_Typed ns)
  lookup_candidates=$(bench_counter "$work/lookup.json" BM_Lookup_Typed candidates)

  memory_value() { awk -v k="$1" '$1 == k { print $2 }' "$work/memory.txt"; }
  bound=$(memory_value bound)
  used=$(memory_value memory_used)
  peak=$(memory_value peak_rss_growth)
  [ -n "$bound" ] || { echo "run.sh: the memory check failed:" >&2; cat "$work/memory.txt" >&2; exit 1; }
fi

# --- report ----------------------------------------------------------------
sec() { awk -v t="$1" 'BEGIN { printf "%.2f s", t }'; }
echo
printf '%-34s %-12s %-38s %7s  %s\n' "what" "Vyr" "anchor" "ratio" "target"
row "scan $directories dirs, native" "$(sec "$t_scan")" "find | LC_ALL=C sort: $(sec "$t_find")" \
  "$(ratio "$t_scan" "$t_find")" 0.6
row "scan $directories dirs, native" "$(sec "$t_scan")" "opendir/readdir walk: $(sec "$t_walk")" \
  "$(ratio "$t_scan" "$t_walk")" 1.25
cat "$work/rescan.txt"
if [ -z "$wine_note" ]; then
  row "scan $directories dirs, Wine" "$(sec "$t_wine_scan")" "FindFirstFileA walk: $(sec "$t_wine_walk")" \
    "$(ratio "$t_wine_scan" "$t_wine_walk")" 1.5
else
  echo "scan under Wine: $wine_note"
fi
if [ -z "${VYR_BENCH_SCANS_ONLY:-}" ]; then
  cat "$work/sort-load.txt"
  row "memory of the loaded pair" "$(mib "$used")" "bound: $(mib "$bound")" "$(ratio "$used" "$bound")" 1
  row "peak RSS growth on load" "$(mib "$peak")" "bound: $(mib "$bound")" "$(ratio "$peak" "$bound")" 1
  row "name lookup, per query" "$(awk -v t="$t_lookup_ns" 'BEGIN { printf "%.0f ns", t }')" "2 us" \
    "$(ratio "$t_lookup_ns" 2000)" 1
  row "path fragment, $pair_entries paths" "$(msec "$t_fragment")" "LC_ALL=C grep -c -F: $(msec "$t_grep")" \
    "$(ratio "$t_fragment" "$t_grep")" 3
  echo
  echo "also: FindNamePrefix alone $(awk -v t="$t_prefix_ns" 'BEGIN { printf "%.0f", t }') ns a query;" \
    "typed queries average $lookup_candidates candidates"
  echo "      pair files $(mib "$(memory_value file_bytes)") for $(memory_value entries) entries"
fi
echo "load average at the end: $(cut -d' ' -f1-3 /proc/loadavg)"
