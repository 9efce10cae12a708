#!/usr/bin/env bash
# Starts vyr.exe under Wine in the Japanese locale, with a settings file and a
# small demo drive t: beside it. Without a display it runs on a private Xvfb,
# takes a screenshot once the main window is up, and ends.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
exe=$top/build/win32/src/vyr.exe
stage=$top/build/run
mkdir -p "$stage"
cp "$exe" "$stage/"
[ -d "$top/build/win32/src/html" ] && cp -r "$top/build/win32/src/html" "$stage/"

tree=$stage/demo-drive
mkdir -p "$tree"/{Windows/System32/drivers,"Program Files/Common Files",Users/me/写真,Users/me/ドキュメント,work/vyr}
printf 'DEMO\n' >"$tree/.windows-label"

export WINEPREFIX=$stage/wineprefix WINEDEBUG=-all LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
export WINEDLLOVERRIDES="mscoree,mshtml="
started_x=""
if [ -z "${DISPLAY:-}" ]; then
  display=90
  while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
  Xvfb ":$display" -screen 0 1024x768x24 >/dev/null 2>&1 &
  started_x=$!
  export DISPLAY=:$display
  for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
fi
cleanup() {
  wineserver -k 2>/dev/null || true
  [ -n "$started_x" ] && kill "$started_x" 2>/dev/null || true
}
trap cleanup EXIT

[ -f "$WINEPREFIX/system.reg" ] || { wineboot -i >/dev/null 2>&1 || true; wineserver -w; }
ln -sfn "$tree" "$WINEPREFIX/dosdevices/t:"

cd "$stage"
if [ -z "$started_x" ]; then
  echo "vyr.exe is running on $DISPLAY; drive t: is the demo drive. Close its window to end."
  wine explorer /desktop=vyr,1024x768 vyr.exe /d t
  exit 0
fi
wine explorer /desktop=vyr,1024x768 vyr.exe /d t >/dev/null 2>&1 &
for _ in $(seq 300); do
  xdotool search --name "Vyr for" >/dev/null 2>&1 && break
  sleep 0.2
done
sleep 1
import -window root "$stage/screenshot.png"
echo "vyr.exe started on a private display (no DISPLAY was set); screenshot: $stage/screenshot.png"
