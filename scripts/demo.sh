#!/usr/bin/env bash
# Scans a small demo tree as drive t: and looks a few names up in it.
set -euo pipefail
cli=$1
demo=$(mktemp -d)
trap 'rm -rf "$demo"' EXIT
tree=$demo/tree
mkdir -p "$tree"/{Windows/System32/drivers,"Program Files/Common Files",Users/me/写真,Users/me/ドキュメント,work/vyr}
printf 'DEMO\n' >"$tree/.windows-label"
export VYR_DRIVES="t=$tree"

echo "\$ vyr-cli scan t"
"$cli" scan t --index-dir "$demo"
for text in win 'ws\sys' 写真 "t:\\users\\" nothing; do
  echo "\$ vyr-cli find '$text'"
  "$cli" find "$text" --drive t --index-dir "$demo" || echo "(exit status $?)"
done
