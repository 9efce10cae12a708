#!/usr/bin/env bash
# Runs every fuzz target for a bounded time; a crash, an overflow, a leak or a
# hang (one input over 10 seconds) fails the run.
set -euo pipefail
build=$(cd "${1:-build/fuzz}" && pwd)
seconds=${VYR_FUZZ_SECONDS:-20}
seeds=$(cd "$(dirname "$0")" && pwd)/seeds
passed=0
failed=0
for target in "$build"/tests/fuzz/fuzz_*; do
  [ -x "$target" ] || continue
  name=$(basename "$target")
  corpus=$build/corpus/$name
  mkdir -p "$corpus"
  dirs=("$corpus")
  [ -d "$seeds/$name" ] && dirs+=("$seeds/$name")
  if (cd "$build" && "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=0 "${dirs[@]}" >"$build/$name.log" 2>&1); then
    echo "fuzz: $name ran ${seconds}s clean"
    passed=$((passed + 1))
  else
    echo "fuzz: $name FAILED; see $build/$name.log and the crash- file there" >&2
    tail -n 30 "$build/$name.log" >&2
    failed=$((failed + 1))
  fi
done
echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
