#!/usr/bin/env bash
# The release archive as a user gets it: made by the dist target, checked
# against its SHA256SUMS, unpacked into a new folder (a Japanese name with a
# blank) on drive C: of a prefix made afresh by wineboot, and run from there.
# vyr.exe /s t scans drive t: and keeps its index pair and its settings file
# beside itself, writing nothing else; vyr-cli.exe finds in that pair without
# being told where it is; vyr-cli --version, the help pages and the README
# name the version the archive is named for.
set -euo pipefail
source "$(dirname "$0")/lib.sh"

cache=$VYR_E2E_BUILD/CMakeCache.txt
[ -f "$cache" ] || { echo "no $cache: configure the win32 preset first" >&2; exit 1; }
source_dir=$(sed -n 's/^Vyr_SOURCE_DIR:STATIC=//p' "$cache")
dist_dir=$(sed -n 's/^VYR_DIST_DIR:PATH=//p' "$cache")
[ -n "$dist_dir" ] || { echo "$VYR_E2E_BUILD has no dist target: configure it again" >&2; exit 1; }
# The terminal-jump work brings vj.cmd; until then the archive cannot be made.
[ -f "$source_dir/tools/vyr-cli/vj.cmd" ] ||
  skip "no $source_dir/tools/vyr-cli/vj.cmd, without which the dist target makes no archive"

e2e_begin
log "making the archive: the dist target of $VYR_E2E_BUILD"
if ! cmake --build "$VYR_E2E_BUILD" --target dist >"$E2E_WORK/dist.log" 2>&1; then
  tail -n 20 "$E2E_WORK/dist.log" >&2
  fail "the dist target failed"
fi

# The archive is the one SHA256SUMS names, and holds what it should.
read -r _ archive <"$dist_dir/SHA256SUMS" || fail "no $dist_dir/SHA256SUMS"
(cd "$dist_dir" && sha256sum --quiet -c SHA256SUMS) || fail "$archive does not match SHA256SUMS"
[[ $archive =~ ^vyr-([0-9]+\.[0-9]+\.[0-9]+)-win32\.zip$ ]] || fail "an archive named $archive"
version=${BASH_REMATCH[1]}
entries=$(unzip -Z1 "$dist_dir/$archive")
for entry in vyr.exe vyr-cli.exe vj.cmd README.txt html/index.html html/index2.html; do
  grep -q -x -F "$entry" <<<"$entries" || fail "$entry missing from $archive"
done
others=$(grep -v -x -E 'vyr\.exe|vyr-cli\.exe|vj\.cmd|README\.txt|html/[^/]+' <<<"$entries" || true)
expect_eq "$others" "" "files of $archive besides the programs, vj.cmd, the README and the help"

export VYR_E2E_FRESH_PREFIX=1
start_display
start_wine
make_tree "$E2E_WORK/tree" 写真 写真/2024 ドキュメント abc 'Program Files'
# Before the desktop starts: Wine lists the drives it found when it started.
map_drive t "$E2E_WORK/tree" E2EDIST
start_desktop

app="$WINEPREFIX/drive_c/ツール/Vyr $version"
mkdir -p "$app"
unzip -q "$dist_dir/$archive" -d "$app" || fail "cannot unpack $archive"
log "unpacked into C:\\ツール\\Vyr $version"

wine_start --in "$app" "$app/vyr.exe" /s t
wait_for_exit "$E2E_LAST_PID" 180 || fail "vyr.exe /s t did not end"
# What the program wrote: its settings and the pair, beside itself, and no more.
written=$(cd "$app" && find . -type f | sed 's|^\./||' | grep -v -x -F -f <(printf '%s\n' "$entries") | sort | tr '\n' ' ')
expect_eq "$written" "Vyr_E2EDIST.dir Vyr_E2EDIST.path vyr.INI " "files vyr.exe /s t wrote into its folder"
expect_eq "$(wc -l <"$app/Vyr_E2EDIST.path")" 5 "directories in the pair"
grep -q 'HOTKEY2=Ctrl+Alt+S' "$app/vyr.INI" || fail "the settings file beside vyr.exe is not the exit save's"

# vyr-cli.exe reads the pair beside itself, started from elsewhere.
found=$(cd "$E2E_WORK" && wine_run "$app/vyr-cli.exe" find 写 --drive t) || fail "vyr-cli find 写 failed"
expect_eq "$(printf '%s' "$found" | from_sjis)" 't:\写真' "candidates of 写 from the unpacked vyr-cli.exe"

expect_eq "$(wine_run "$app/vyr-cli.exe" --version)" "vyr-cli $version" "vyr-cli --version"
grep -q -F "Vyr $version ヘルプ" "$app/html/index.html" || fail "the help does not say version $version"
if grep -l -F '@VYR_VERSION@' "$app"/html/*; then fail "a help page kept the version's placeholder"; fi
expect_eq "$(head -c 3 "$app/README.txt" | od -An -tx1 | xargs)" "ef bb bf" "the README's byte order mark"
grep -q -F "Vyr $version for Windows" "$app/README.txt" || fail "the README does not say version $version"
[ "$(grep -c $'\r$' "$app/README.txt")" = "$(wc -l <"$app/README.txt")" ] ||
  fail "the README's lines do not all end in CR LF"

log "the archive ran from $app"
