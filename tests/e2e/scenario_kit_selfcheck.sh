#!/usr/bin/env bash
# The kit proves itself on programs of its own: Wine's desktop with its task
# bar comes up, typed ASCII and Japanese reach an ANSI edit control as the
# right Shift-JIS bytes, a window can be brought to the front and closed, and
# recorder.exe logs its command line and directory, also when started through
# ShellExecuteA and when several start at once.
set -euo pipefail
source "$(dirname "$0")/lib.sh"

e2e_begin
start_display
start_wine
start_desktop

# --- the desktop -----------------------------------------------------------------
taskbar=$(wait_for_taskbar) || fail "no task bar at the bottom of Wine's desktop"
read -r _ ty tw th < <(window_geometry "$taskbar")
log "task bar $taskbar: ${tw}x$th at y $ty"
# Painted: the desktop has its colour (not the black or white of a bare X
# window) everywhere but the task bar, whose start button at the left end is
# drawn in another.
pixel() { convert "$1" -format "%[pixel:p{$2,$3}]" info:; }
painted() {
  shot=$E2E_WORK/desktop.png
  wait_for_still_screen "$shot" 10 || return 1
  local colour
  colour=$(pixel "$shot" 600 300)
  [ "$colour" != "gray(0)" ] && [ "$colour" != "gray(255)" ] &&
    [ "$(pixel "$shot" 900 100)" = "$colour" ] && [ "$(pixel "$shot" 40 $((ty + th / 2)))" != "$colour" ]
}
poll "$VYR_E2E_TIMEOUT" painted || fail "the desktop and its task bar are not painted"
desktop_shot=$shot
screenshot desktop >/dev/null

# --- the notification area ----------------------------------------------------------
# An icon added with Shell_NotifyIconA is drawn at the right of the task bar
# and sends its mouse messages.
tray_log=$E2E_WORK/tray.log
VYR_PROBE_LOG=$(winpath "$tray_log") wine_start "$E2E_FIXTURES/tray_probe.exe"
tray_pid=$E2E_LAST_PID
wait_for_line "$tray_log" '^READY$' || fail "the tray probe could not add its icon"
icon_drawn() {
  local shot
  shot=$(capture "$E2E_WORK/tray.png") || return 1
  read -r ix iy iw ih < <(changed_region "$desktop_shot" "$shot") || return 1
  [ "$iy" -ge "$ty" ] && [ $((ix + iw)) -le 1024 ] && [ "$ix" -ge 512 ]
}
poll "$VYR_E2E_TIMEOUT" icon_drawn || fail "no tray icon drawn at the right of the task bar"
log "tray icon at $ix,$iy (${iw}x$ih)"
screenshot tray >/dev/null
click_at $((ix + iw / 2)) $((iy + ih / 2))
wait_for_line "$tray_log" '^CLICK 202$' || fail "a left click on the tray icon did not reach it"
click_at $((ix + iw / 2)) $((iy + ih / 2)) 3
wait_for_line "$tray_log" '^CLICK 205$' || fail "a right click on the tray icon did not reach it"
log "tray icon clicked"
click_at $((ix + iw / 2)) $((iy + ih / 2)) 2
wait_for_exit "$tray_pid" || fail "the tray probe did not end at a middle click"
# Away from the task bar, where a tool tip would come up.
xdotool mousemove 512 300
log "tray probe ended"

# --- typing into an ANSI edit control -----------------------------------------------
# probe_texts LOG: the TEXT records of the probe as "hex bytes<TAB>WM_CHAR codes".
probe_texts() {
  LC_ALL=C awk -F '\t' '$1 == "TEXT" || $1 == "CLOSE" { print $1 "\t" $2 "\t" $4 }' "$1" | tr -d '\r' |
    while IFS= read -r line; do
      printf '%s\t%s\t%s\n' "${line%%$'\t'*}" \
        "$(printf '%s' "$(cut -f2 <<<"$line")" | od -An -tx1 | tr 'a-f' 'A-F' | xargs)" \
        "$(cut -f3 <<<"$line")"
    done
}
probe_log=$E2E_WORK/probe-w.log
typed=0
# type_and_check TEXT: types TEXT and Enter into the wide-loop probe and
# expects exactly the Shift-JIS bytes of TEXT in its edit control.
type_and_check() {
  typed=$((typed + 1))
  type_text "$1"
  press Return
  wait_for_lines "$probe_log" $((typed + 1)) || fail "the probe did not report '$1'"
  local got
  got=$(probe_texts "$probe_log" | sed -n "${typed}p" | cut -f2)
  expect_eq "$got" "$(sjis_hex "$1")" "bytes of '$1' in the edit control"
  log "typed '$1'"
}

title='e2e 入力 probe W'
VYR_PROBE_LOG=$(winpath "$probe_log") wine_start "$E2E_FIXTURES/edit_probe.exe" --title "$title"
probe_w_pid=$E2E_LAST_PID
wait_for_line "$probe_log" '^READY$' || fail "the probe did not start"
# The title went in as Shift-JIS bytes (SetWindowTextA) and is found in UTF-8.
probe_w=$(wait_for_window '^e2e 入力 probe W$') || fail "no window titled '$title'"
focus_window "$probe_w"
log "probe window $probe_w has the keyboard"

type_and_check 'abc DEF/\1'
type_and_check '写真'
expect_eq "$(probe_texts "$probe_log" | sed -n 2p | cut -f2)" "8E CA 90 5E" "写真 as typed"
for _ in 1 2; do
  for text in 'ドキュメント' 'abc写真def' 'ｶﾅ' '表示ソ' '漢字 かな カナ'; do
    type_and_check "$text"
  done
done
# Sixteen different characters fill every key slot; the next text takes
# slots back from the oldest.
type_and_check '入力検索結果選択一覧設定終了開始'
type_and_check 'プログラム写真フォルダ'
type_and_check 'Windows\System32'

# Something left in the box for the screenshot, then Alt+F4: WM_CLOSE reports it.
type_text '写真 ドキュメント abc'
shot=$(screenshot typed)
log "screenshot $shot"
press alt+F4
wait_for_line "$probe_log" '^CLOSE' || fail "Alt+F4 did not close the probe"
expect_eq "$(probe_texts "$probe_log" | tail -n 1 | cut -f2)" "$(sjis_hex '写真 ドキュメント abc')" \
  "text reported at WM_CLOSE"
wait_for_exit "$probe_w_pid" || fail "the probe did not end after WM_CLOSE"
wait_for_no_window '^e2e 入力 probe W$' || fail "the probe's window stayed"

# With the ANSI loop (GetMessageA) the edit control gets each Shift-JIS byte as
# a WM_CHAR of its own: the codes are right, and that is all that is checked;
# what Wine's edit control makes of them is logged.
probe_a_log=$E2E_WORK/probe-a.log
VYR_PROBE_LOG=$(winpath "$probe_a_log") wine_start "$E2E_FIXTURES/edit_probe.exe" --ansi-loop
wait_for_line "$probe_a_log" '^READY$' || fail "the ANSI-loop probe did not start"
probe_a=$(wait_for_window '^e2e edit probe A$') || fail "no ANSI-loop probe window"
focus_window "$probe_a"
type_text '写真'
press Return
wait_for_lines "$probe_a_log" 2 || fail "the ANSI-loop probe did not report"
record=$(probe_texts "$probe_a_log" | head -n 1)
expect_eq "$(cut -f3 <<<"$record")" "8E CA 90 5E" "WM_CHAR codes of 写真 in an ANSI message loop"
log "ANSI loop: WM_CHAR $(cut -f3 <<<"$record"); edit control holds $(cut -f2 <<<"$record")"
# Pasted, the text arrives whole in that window too.
paste_text '写真 ドキュメント'
press Return
wait_for_lines "$probe_a_log" 3 || fail "the ANSI-loop probe did not report the paste"
expect_eq "$(probe_texts "$probe_a_log" | sed -n 2p | cut -f2)" "$(sjis_hex '写真 ドキュメント')" \
  "pasted text in the ANSI-loop probe"
# A click into the edit control (frame included in the window's coordinates).
click_window "$probe_a" 200 45
type_text 'clicked'
press Return
wait_for_lines "$probe_a_log" 4 || fail "the ANSI-loop probe did not report after a click"
expect_eq "$(probe_texts "$probe_a_log" | sed -n 3p | cut -f2)" "$(sjis_hex clicked)" "text typed after a click"

# --- recorder.exe ---------------------------------------------------------------------
install_recorder "$E2E_WORK/bin"
log_file=$E2E_WORK/recorder.log
# recorder_field N FIELD: FIELD (CMDLINE or CWD) of record N, in UTF-8.
recorder_field() {
  recorder_lines "$log_file" | sed -n "$1p" | awk -F '\t' -v want="$2" '{ for (i = 1; i < NF; i += 2) if ($i == want) print $(i + 1) }'
}

# A quoted argument with blanks and Japanese, from a folder of that kind.
workdir="$E2E_WORK/作業 フォルダ"
mkdir -p "$workdir"
argument='Z:\tmp\dir with blanks\写真'
wine_start --in "$workdir" "$E2E_RECORDER" "$argument" /x
wait_for_lines "$log_file" 1 || fail "recorder.exe wrote nothing"
cmdline=$(recorder_field 1 CMDLINE)
log "recorder: $cmdline"
case $cmdline in
  *recorder.exe*' "'"$argument"'" /x') ;;
  *) fail "command line as recorded: '$cmdline'" ;;
esac
expect_eq "$(recorder_field 1 CWD)" "$(winpath "$workdir")" "directory as recorded"
# The record is Shift-JIS on disk, CR LF ended.
LC_ALL=C grep -q $'\r$' "$log_file" || fail "the record does not end in CR LF"
grep -q -F "$(to_sjis '写真')" "$log_file" || fail "the record is not Shift-JIS"

# Through ShellExecuteA with an initial directory, the way Vyr starts commands.
shell_execute "$E2E_RECORDER_WIN" '"t:\写真 2024" --flag' "$(winpath "$workdir")" ||
  fail "ShellExecuteA did not start recorder.exe"
wait_for_lines "$log_file" 2 || fail "recorder.exe started by ShellExecuteA wrote nothing"
cmdline=$(recorder_field 2 CMDLINE)
log "through ShellExecuteA: $cmdline"
case $cmdline in
  *recorder.exe*' "t:\写真 2024" --flag') ;;
  *) fail "command line through ShellExecuteA: '$cmdline'" ;;
esac
expect_eq "$(recorder_field 2 CWD)" "$(winpath "$workdir")" "directory through ShellExecuteA"

# Eight at once: eight whole lines, none mixed into another.
pids=()
for n in 1 2 3 4 5 6 7 8; do
  wine_start "$E2E_RECORDER" "together-$n"
  pids+=("$E2E_LAST_PID")
done
for pid in "${pids[@]}"; do wait_for_exit "$pid" || fail "a recorder did not end"; done
wait_for_lines "$log_file" 10 || fail "only $(wc -l <"$log_file") records after eight more starts"
expect_eq "$(wc -l <"$log_file")" 10 "records in the log"
bad=$(recorder_lines "$log_file" | grep -v -c -E $'^CMDLINE\t[^\t]*\tCWD\t[^\t]*$' || true)
expect_eq "$bad" 0 "malformed records"
expect_eq "$(recorder_lines "$log_file" | grep -o -E 'together-[0-9]+' | sort | tr '\n' ' ')" \
  "together-1 together-2 together-3 together-4 together-5 together-6 together-7 together-8 " \
  "the eight records"

# Without VYR_RECORDER_LOG the log is recorder.log beside the program, found
# across a folder name whose second byte is a backslash (表 is 0x95 0x5C).
install_recorder "$E2E_WORK/bin表"
wine_start --unset VYR_RECORDER_LOG "$E2E_RECORDER" beside
wait_for_file "$E2E_WORK/bin表/recorder.log" || fail "no recorder.log beside recorder.exe"
wait_for_line "$E2E_WORK/bin表/recorder.log" 'beside' || fail "recorder.log beside it lacks the record"
expect_eq "$(wc -l <"$log_file")" 10 "records in the main log after the one beside"

# --- the settings file -------------------------------------------------------------------
settings=$E2E_WORK/app/vyr.INI
install_recorder "$E2E_WORK/bin"
write_settings "$settings" '"%s" 写真' 't:\写真' '[OPTION]' 'IGNORESYSDIR=1'
expected=$(printf '%s\r\n' '[COMMANDS]' 'NUM=1' 'DESCRIPTION0=rec' "COMMANDLINE0=$E2E_RECORDER_WIN" \
  'OPTION0="%s" 写真' 'DIRECTORY0=t:\写真' 'HOTKEY0=' '[OPTION]' 'IGNORESYSDIR=1' | iconv -f utf-8 -t cp932 | od -An -tx1)
expect_eq "$(od -An -tx1 <"$settings")" "$expected" "bytes of the settings file"

log "kit self-check passed"
