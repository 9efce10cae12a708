# Sourced after lib.sh by the scenarios that drive vyr.exe itself: a program
# folder of the scenario's own (vyr.exe, its settings file, its index pairs),
# and ways to start it, find its windows and read what they say.

VYR_EXE=$VYR_E2E_BUILD/src/vyr.exe
VYR_CLI_EXE=$VYR_E2E_BUILD/tools/vyr-cli/vyr-cli.exe
VYR_WINDOW_TEXTS=$VYR_E2E_BUILD/tests/e2e/probes/window_texts.exe
VYR_INPUT_BOX=$VYR_E2E_BUILD/tests/e2e/probes/input_box.exe
VYR_WINDOW_STYLE=$VYR_E2E_BUILD/tests/e2e/probes/window_style.exe
VYR_TOP_WINDOW=$VYR_E2E_BUILD/tests/e2e/probes/top_window.exe
MAIN_TITLE='^Vyr for Windows9x/2K/XP$'
CHOOSER_TITLE='^選ぶがよい$'
WARNING_TITLE='^警告$'

# vyr_install: copies vyr.exe into the scenario's program folder $VYR_APP.
vyr_install() {
  [ -f "$VYR_EXE" ] || fail "no $VYR_EXE (build the win32 preset)"
  VYR_APP=$E2E_WORK/app
  mkdir -p "$VYR_APP"
  cp "$VYR_EXE" "$VYR_APP/vyr.exe"
  VYR_SETTINGS=$VYR_APP/vyr.INI
}

# vyr_start ARGS...: starts vyr.exe in its folder (the current directory is
# the folder, which Wine puts on drive Z:); sets VYR_PID.
vyr_start() {
  wine_start --in "$VYR_APP" "$VYR_APP/vyr.exe" "$@"
  VYR_PID=$E2E_LAST_PID
}

# vyr_main_window: waits for the main window and prints its id.
vyr_main_window() { wait_for_window "$MAIN_TITLE" 120 || fail "the main window did not appear"; }

# main_window_state: "visible" or "hidden" (in the task tray, say).
main_window_state() { wine_run --timeout 60 "$VYR_TOP_WINDOW" 'Vyr for Windows' state 30; }

# vyr_close: closes the main window as its close box does, also while it is
# hidden, which ends the program with its exit save.
vyr_close() {
  wine_run --timeout 60 "$VYR_TOP_WINDOW" 'Vyr for Windows' close 30 || fail "no main window to close"
}

# vyr_index_with_cli DRIVE: the pair of DRIVE made by vyr-cli.exe beside vyr.exe.
vyr_index_with_cli() {
  wine_run "$VYR_CLI_EXE" scan "$1" --index-dir "$(winpath "$VYR_APP")" >/dev/null ||
    fail "vyr-cli.exe scan $1 failed"
}

# window_texts TITLE: the texts inside the window whose title holds TITLE, in
# UTF-8, one a line (a message box's text among them).
window_texts() {
  # Wine hands a UTF-8 argument to the program in its ANSI code page.
  wine_run --timeout 60 "$VYR_WINDOW_TEXTS" "$1" 30 | iconv -f cp932 -t utf-8
}

# type_into_main TEXT: the main window in front, its input box emptied, TEXT
# typed into it.
type_into_main() {
  local wid
  wid=$(vyr_main_window)
  focus_window "$wid"
  press End shift+Home BackSpace
  type_text "$1"
}

# main_input_box: what the main window's input box holds, in UTF-8: its text
# on one line, then its selection as "START END" in Shift-JIS bytes.
main_input_box() {
  wine_run --timeout 60 "$VYR_INPUT_BOX" 'Vyr for Windows' 30 | iconv -f cp932 -t utf-8
}

# wait_for_input_box TEXT [SELECTION]: until the main window's input box
# holds TEXT (and, when given, the selection "START END").
wait_for_input_box() { poll 20 _input_box_holds "$@"; }
_input_box_holds() {
  local now
  now=$(main_input_box) || return 1
  [ "$(sed -n 1p <<<"$now")" = "$1" ] || return 1
  [ $# -lt 2 ] || [ "$(sed -n 2p <<<"$now")" = "$2" ]
}

# vyr_menu_box: "X Y WIDTH HEIGHT" on the screen of a popup menu of vyr.exe
# that is open (a shown window of its own, without a title, as Wine makes a
# menu); fails when there is none. Found so, a menu is told from a tool tip
# of the shell drawn near it.
vyr_menu_box() {
  local wid box width height
  for wid in $(xdotool search --onlyvisible --classname '^vyr\.exe$' 2>/dev/null); do
    [ -z "$(xdotool getwindowname "$wid" 2>/dev/null)" ] || continue
    box=$(window_geometry "$wid") || continue
    read -r _ _ width height <<<"$box"
    [ "$width" -ge 40 ] && [ "$height" -ge 15 ] || continue
    printf '%s\n' "$box"
    return 0
  done
  return 1
}
_no_vyr_menu() { ! vyr_menu_box >/dev/null; }

# wait_for_vyr_menu: until a menu of vyr.exe is open; prints its box.
wait_for_vyr_menu() { poll "$VYR_E2E_TIMEOUT" vyr_menu_box >/dev/null && vyr_menu_box; }
wait_for_no_vyr_menu() { poll "$VYR_E2E_TIMEOUT" _no_vyr_menu; }
