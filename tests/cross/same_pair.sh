#!/usr/bin/env bash
# One tree, scanned by the Linux vyr-cli and by vyr-cli.exe under Wine, must
# give byte-identical index pairs: the Linux seam stands in for Windows.
set -euo pipefail
native_cli=$1
windows_cli=$2
wine_run=$(cd "$(dirname "$0")/../../cmake" && pwd)/wine-run.sh

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
tree=$work/tree
mkdir -p "$tree"/{Windows/System32/drivers,"Program Files/Common Files",.config,abc,ABC2,x/abc}
mkdir -p "$tree"/写真/2024 "$tree"/ドキュメント/ｶﾅ "$tree"/sys/hidden-below "$tree"/ソフト表
touch "$tree"/file.txt "$tree"/Windows/notes.txt
printf 'CROSS\n' >"$tree/.windows-label"
# The system attribute the way Wine and Samba keep it.
setfattr -n user.DOSATTRIB -v '"0x14"' "$tree/sys"

for flags in "" "--ignore-sysdir"; do
  rm -rf "$work/native" "$work/wine" && mkdir -p "$work/native" "$work/wine"
  # shellcheck disable=SC2086
  VYR_DRIVES="t=$tree" "$native_cli" scan t --index-dir "$work/native" $flags >/dev/null
  # shellcheck disable=SC2086
  VYR_WINE_TREE="$tree" VYR_WINEPREFIX="$(dirname "$windows_cli")/../wineprefix-cross" \
    "$wine_run" "$windows_cli" scan t --index-dir "Z:$work/wine" $flags >/dev/null
  for ext in dir path; do
    if ! cmp -s "$work/native/Vyr_CROSS.$ext" "$work/wine/Vyr_CROSS.$ext"; then
      echo "same_pair: Vyr_CROSS.$ext differs between Linux and Wine (flags: ${flags:-none})" >&2
      diff <(iconv -f cp932 -t utf-8 "$work/native/Vyr_CROSS.$ext") \
           <(iconv -f cp932 -t utf-8 "$work/wine/Vyr_CROSS.$ext") >&2 || true
      exit 1
    fi
  done
done
# Links back up the tree and a path far past MAX_PATH: both builds must end,
# the Windows one having listed nothing beyond its path limit.
hostile=$work/hostile
deep=$hostile
for _ in $(seq 60); do deep=$deep/dddddddd; done
mkdir -p "$hostile/a/b" "$deep"
ln -s ../.. "$hostile/a/b/up"
ln -s .. "$hostile/a/b/up2"
printf 'HOSTILE\n' >"$hostile/.windows-label"
count=$(VYR_DRIVES="t=$hostile" timeout 120 "$native_cli" scan t --index-dir "$work/native")
[ "$count" = 64 ] || { echo "same_pair: native scan of the hostile tree gave $count, not 64" >&2; exit 1; }
count=$(VYR_WINE_TREE="$hostile" VYR_WINEPREFIX="$(dirname "$windows_cli")/../wineprefix-cross" \
  timeout 300 "$wine_run" "$windows_cli" scan t --index-dir "Z:$work/wine" | tr -d '\r')
if [ -z "$count" ] || [ "$count" -lt 5 ] || [ "$count" -gt 64 ]; then
  echo "same_pair: Wine scan of the hostile tree gave '$count'" >&2
  exit 1
fi
echo "same_pair: 3 passed, 0 failed"
