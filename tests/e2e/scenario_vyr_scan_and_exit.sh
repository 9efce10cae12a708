#!/usr/bin/env bash
# Scan-and-exit mode: vyr.exe /s t scans drive t:, writes the pair beside the
# program, byte for byte what vyr-cli.exe writes for the same tree, saves its
# settings with the keys in their order and ends by itself.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/vyr.sh"

e2e_begin
start_display
start_wine
make_tree "$E2E_WORK/tree" 写真 ドキュメント abc abcdef 'Program Files/Common Files' \
  Windows/System32/drivers .hidden 表示 sys:sysdir
# Before the desktop starts: Wine lists the drives it found when it started.
map_drive t "$E2E_WORK/tree" E2ESCAN
start_desktop
vyr_install
write_settings "$VYR_SETTINGS" '%s' ''

vyr_start /s t
wait_for_exit "$VYR_PID" 180 || fail "vyr.exe /s t did not end"
for ext in dir path; do
  [ -f "$VYR_APP/Vyr_E2ESCAN.$ext" ] || fail "no Vyr_E2ESCAN.$ext after /s t"
done

mkdir -p "$E2E_WORK/cli"
wine_run "$VYR_CLI_EXE" scan t --index-dir "$(winpath "$E2E_WORK/cli")" >/dev/null
for ext in dir path; do
  cmp -s "$VYR_APP/Vyr_E2ESCAN.$ext" "$E2E_WORK/cli/Vyr_E2ESCAN.$ext" ||
    fail "Vyr_E2ESCAN.$ext of vyr.exe differs from vyr-cli.exe's"
done
expect_eq "$(wc -l <"$VYR_APP/Vyr_E2ESCAN.path")" 12 "directories in the pair"

# The settings file: sections and keys in the order of the exit save.
layout=$(from_sjis "$VYR_SETTINGS" | tr -d '\r' | sed -n 's/^\(\[[A-Z]*\]\)$/\1/p; s/^\([A-Z0-9]*\)=.*/\1/p' | tr '\n' ' ')
expected='[COMMANDS] NUM DESCRIPTION0 COMMANDLINE0 OPTION0 DIRECTORY0 HOTKEY0 [DESKTOP] MAINTOP MAINLEFT MAINWIDTH 2TOP 2LEFT 2WIDTH 2HEIGHT 4TOP 4LEFT 4WIDTH TASKTRAY [OPTION] HOTKEY2 SWAPLRMENU IGNORESYSDIR USEAUTOCOMPLETE AUTOCLOSEIME ADDHISTORYTOINPUTED MAXHISTORYCOUNT [HISTORY] NUM '
expect_eq "$layout" "$expected" "sections and keys of the settings file"
grep -q 'HOTKEY2=Ctrl+Alt+S' "$VYR_SETTINGS" || fail "HOTKEY2 is not Ctrl+Alt+S"
