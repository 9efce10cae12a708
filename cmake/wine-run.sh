#!/usr/bin/env bash
# Runs a Windows program under Wine in a private prefix with the Japanese locale,
# so that the ANSI code page is 932. Drive t: of the prefix is the test tree
# folder $VYR_WINE_TREE (default: beside the prefix).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
: "${VYR_WINEPREFIX:=${here}/../build/wineprefix}"
mkdir -p "$VYR_WINEPREFIX"
export WINEPREFIX=$(cd "$VYR_WINEPREFIX" && pwd)
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
# Console tests need no display; the window tests ask to keep theirs.
[ "${VYR_WINE_KEEP_DISPLAY:-0}" = 1 ] || unset DISPLAY
: "${VYR_WINE_TREE:=${WINEPREFIX}.tree}"
mkdir -p "$VYR_WINE_TREE"
(
  flock 9
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    wineboot -i >/dev/null 2>&1 || true
    wineserver -w
  fi
  # Windows of their own, not left to an X window manager: there is none on
  # the tests' Xvfb, and Wine would wait up to a second for one each time a
  # window is hidden. The end-to-end tests' desktop window does the same.
  if ! grep -q '^"Managed"="N"' "$WINEPREFIX/user.reg" 2>/dev/null; then
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 || true
    wineserver -w
  fi
  ln -sfn "$(cd "$VYR_WINE_TREE" && pwd)" "$WINEPREFIX/dosdevices/t:"
) 9>"$WINEPREFIX.lock"
exec wine "$@"
