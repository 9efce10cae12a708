#!/usr/bin/env bash
# The peak resident memory of a rescan: vyr-cli scans a generated tree once,
# then again, as a rescan does, with the pair of that scan loaded first. Each
# rescan's peak, walking on one thread and on two, is printed beside its
# bound: twice the bytes of the pair it writes.
#
#   bench/rescan_peak.sh [DIRECTORIES]        (default 500000)
#
# Environment:
#   VYR_BENCH_RUNS=3     rescans with each number of threads (the highest peak counts)
#   VYR_BENCH_SEED=1     seed of the generated tree
#   VYR_BENCH_BUILD=DIR  take the programs from DIR (laid out like build/native)
#                        and build nothing
#   VYR_BENCH_TREE=DIR   scan this tree, made by vyr-bench-tree, instead of
#                        making one (bench/run.sh passes its own)
#   TMPDIR               where the tree and the pair are made
set -euo pipefail
shopt -s inherit_errexit

here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/.." && pwd)
source "$here/lib.sh"
directories=${1:-500000}
runs=${VYR_BENCH_RUNS:-3}
seed=${VYR_BENCH_SEED:-1}
case $directories in '' | *[!0-9]*) echo "usage: bench/rescan_peak.sh [DIRECTORIES]" >&2; exit 2 ;; esac
command -v python3 >/dev/null || { echo "rescan_peak.sh: python3 is needed to read the peak" >&2; exit 1; }

if [ -n "${VYR_BENCH_BUILD:-}" ]; then
  build=$(cd "$VYR_BENCH_BUILD" && pwd)
else
  build=$repo/build/native
  (cd "$repo" && cmake --preset native >/dev/null &&
    cmake --build --preset native -j2 --target vyr-cli vyr-bench-tree >/dev/null)
fi
cli=$build/tools/vyr-cli/vyr-cli

work=$(mktemp -d "${TMPDIR:-/tmp}/vyr-rescan.XXXXXX")
trap 'rm -rf "$work"' EXIT
trap 'exit 130' INT TERM
if [ -n "${VYR_BENCH_TREE:-}" ]; then
  tree=$VYR_BENCH_TREE
else
  tree=$work/tree
  "$build/bench/vyr-bench-tree" --dirs "$directories" --seed "$seed" --tree "$tree" >/dev/null
fi
label=$(head -n 1 "$tree/.windows-label")
export VYR_DRIVES="t=$tree"

# peak_of COMMAND...: runs the command, output dropped, and prints the peak
# resident size of the process in bytes.
peak_of() {
  python3 - "$@" <<'EOF'
import resource, subprocess, sys
subprocess.run(sys.argv[1:], stdout=subprocess.DEVNULL, check=True)
print(resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss * 1024)
EOF
}

# The first scan writes the pair that each rescan loads, and warms the caches.
"$cli" scan t --index-dir "$work" >/dev/null
pair_bytes=$(($(stat -c %s "$work/Vyr_$label.dir") + $(stat -c %s "$work/Vyr_$label.path")))
for threads in 1 2; do
  flags=()
  [ "$threads" = 1 ] && flags=(--one-thread)
  highest=0
  for ((k = 0; k < runs; k++)); do
    peak=$(peak_of "$cli" scan t --index-dir "$work" "${flags[@]}")
    if ((peak > highest)); then highest=$peak; fi
  done
  what="rescan peak RSS, $threads thread"
  [ "$threads" = 2 ] && what+="s"
  row "$what" "$(mib "$highest")" "pair's bytes: $(mib "$pair_bytes")" \
    "$(ratio "$highest" "$pair_bytes")" 2
done
