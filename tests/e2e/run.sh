#!/usr/bin/env bash
# Runs the end-to-end scenarios (every tests/e2e/scenario_*.sh, or the ones
# named on the command line) one after the other. Each makes its own display,
# Wine prefix, tree, settings and logs, so none sees what another left.
# Prints PASS, FAIL or SKIP and the time of each, then "e2e: N passed, M
# failed, K skipped"; the exit status is 1 when any failed. A scenario skips by
# exiting with 77 (skip in lib.sh), its reason in its log's last SKIP line.
#
#   bash tests/e2e/run.sh                      # all of them
#   bash tests/e2e/run.sh kit_selfcheck        # one (scenario_ and .sh may go)
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
: "${VYR_E2E_BUILD:=$repo/build/win32}"
: "${VYR_E2E_SHOTS:=$repo/build/e2e-screenshots}"
: "${VYR_E2E_SCENARIO_TIMEOUT:=300}"
export VYR_E2E_BUILD VYR_E2E_SHOTS
logs=$repo/build/e2e-logs

for program in tools/recorder/recorder.exe tests/e2e/fixtures/edit_probe.exe \
  tests/e2e/fixtures/desktop_keeper.exe tests/e2e/fixtures/activate.exe \
  tests/e2e/fixtures/shell_execute.exe tests/e2e/fixtures/set_clipboard.exe; do
  if [ ! -f "$VYR_E2E_BUILD/$program" ]; then
    echo "run.sh: no $VYR_E2E_BUILD/$program; build the win32 preset first (make win32)" >&2
    exit 2
  fi
done

scenarios=()
if [ $# -gt 0 ]; then
  for name in "$@"; do
    name=${name%.sh}
    name=${name##*/}
    name=${name#scenario_}
    [ -f "$here/scenario_$name.sh" ] || { echo "run.sh: no scenario $name" >&2; exit 2; }
    scenarios+=("$here/scenario_$name.sh")
  done
else
  scenarios=("$here"/scenario_*.sh)
fi

# The screenshots of the scenarios about to run go; other runs may be using
# the folder for theirs.
mkdir -p "$logs" "$VYR_E2E_SHOTS"
for scenario in "${scenarios[@]}"; do
  name=$(basename "$scenario" .sh)
  rm -f "$VYR_E2E_SHOTS/${name#scenario_}"-*.png "$logs/${name#scenario_}.log"
done

started=$SECONDS
# The Wine prefix template once, outside every scenario's time.
if ! (source "$here/lib.sh" && prepare_wine_template >/dev/null) 2>"$logs/template.log"; then
  cat "$logs/template.log" >&2
  echo "run.sh: cannot make the Wine prefix template" >&2
  exit 2
fi

passed=0
failed=0
skipped=0
for scenario in "${scenarios[@]}"; do
  name=$(basename "$scenario" .sh)
  name=${name#scenario_}
  begin=$SECONDS
  # The scenario's own trap takes its display and prefix down, also when
  # timeout ends it.
  timeout --kill-after=30 "$VYR_E2E_SCENARIO_TIMEOUT" bash "$scenario" >"$logs/$name.log" 2>&1
  status=$?
  took=$((SECONDS - begin))
  if [ "$status" = 0 ]; then
    passed=$((passed + 1))
    printf 'PASS  %-30s %4ds\n' "$name" "$took"
  elif [ "$status" = 77 ]; then
    skipped=$((skipped + 1))
    printf 'SKIP  %-30s %4ds  (%s)\n' "$name" "$took" "$(grep -o 'SKIP: .*' "$logs/$name.log" | tail -n 1)"
  else
    failed=$((failed + 1))
    [ "$status" = 124 ] && reason="timed out after ${VYR_E2E_SCENARIO_TIMEOUT}s" || reason="exit $status"
    printf 'FAIL  %-30s %4ds  (%s; log %s)\n' "$name" "$took" "$reason" "$logs/$name.log"
    tail -n 15 "$logs/$name.log" | sed 's/^/      /'
  fi
done

echo "e2e: took $((SECONDS - started))s"
echo "e2e: $passed passed, $failed failed, $skipped skipped"
echo "screenshots: $VYR_E2E_SHOTS"
[ "$failed" = 0 ]
