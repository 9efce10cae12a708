# Sourced by the end-to-end scenarios (tests/e2e/scenario_*.sh). It gives each
# scenario its own X display, its own Wine prefix with Wine's desktop and task
# bar, a drive t: made from a generated tree, ways to type into Windows
# programs and to wait for what they do, and it takes everything down again on
# exit. Nothing here touches a process, display or prefix it did not start.
#
# Waits poll with generous limits: Wine under a loaded machine can take many
# seconds for what usually takes one, and a test that gave up early would be
# wrong about the program, not about the machine.

E2E_REPO=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
E2E_KIT=$E2E_REPO/tests/e2e
: "${VYR_E2E_BUILD:=$E2E_REPO/build/win32}"
: "${VYR_E2E_SHOTS:=$E2E_REPO/build/e2e-screenshots}"
: "${VYR_E2E_TIMEOUT:=60}"
E2E_NAME=$(basename "$0" .sh)
E2E_NAME=${E2E_NAME#scenario_}
E2E_RECORDER_EXE=$VYR_E2E_BUILD/tools/recorder/recorder.exe
E2E_FIXTURES=$VYR_E2E_BUILD/tests/e2e/fixtures
E2E_WORK=
E2E_XVFB_PID=
E2E_PREFIX=
E2E_WINE_PIDS=()
E2E_LAST_PID=
E2E_FAILED=0

# --- reporting ---------------------------------------------------------------

log() { printf '[%s %s] %s\n' "$E2E_NAME" "$(date +%H:%M:%S)" "$*" >&2; }

# Ends the scenario as failed, with a screenshot of how the screen stood.
fail() {
  E2E_FAILED=1
  printf '[%s] FAIL: %s\n' "$E2E_NAME" "$*" >&2
  [ -n "${DISPLAY:-}" ] && [ -n "$E2E_XVFB_PID" ] && screenshot failure >/dev/null 2>&1
  exit 1
}

# skip REASON: ends the scenario as skipped (77), for a scenario that cannot
# run here; run.sh shows REASON. Never for a fault of the program.
skip() {
  printf '[%s] SKIP: %s\n' "$E2E_NAME" "$*" >&2
  exit 77
}

# expect_eq ACTUAL EXPECTED WHAT
expect_eq() {
  [ "$1" = "$2" ] || fail "$3: got '$1', expected '$2'"
}

# --- the scenario's own folder and the clean-up ------------------------------

# Makes the scenario's work folder and sets the trap that takes everything
# down. Every scenario calls it first.
e2e_begin() {
  mkdir -p "$E2E_REPO/build/e2e-work"
  # Under build/, on the file system of the prefix template, so that a prefix
  # can be made of hard links; and an ASCII path, for plain Windows paths.
  E2E_WORK=$(mktemp -d "$E2E_REPO/build/e2e-work/$E2E_NAME.XXXXXX")
  export VYR_E2E_KEYMAP_STATE=$E2E_WORK/keymap.state
  # Only a display of our own, never the one we happen to be started from.
  unset DISPLAY
  trap e2e_end EXIT
  trap 'exit 143' TERM
  trap 'exit 130' INT
  log "work folder $E2E_WORK"
}

e2e_end() {
  local status=$?
  trap - EXIT
  # Clean-up goes on past every failure of its own.
  set +e
  [ "$status" != 0 ] && [ "$status" != 77 ] && E2E_FAILED=1
  wine_stop_all
  stop_display
  if [ -n "$E2E_WORK" ] && [ -d "$E2E_WORK" ]; then
    if [ "$E2E_FAILED" = 1 ] || [ "${VYR_E2E_KEEP:-0}" = 1 ]; then
      # The prefix is the bulk and says little; the logs and trees stay.
      rm -rf "$E2E_WORK/prefix"
      log "kept $E2E_WORK"
    else
      rm -rf "$E2E_WORK"
    fi
  fi
  exit "$status"
}

# --- polling -----------------------------------------------------------------

# poll TIMEOUT COMMAND...: runs COMMAND every fifth of a second until it
# succeeds (0) or TIMEOUT seconds have gone by (1).
poll() {
  local timeout=$1
  shift
  local deadline=$((SECONDS + timeout))
  while :; do
    "$@" && return 0
    [ "$SECONDS" -ge "$deadline" ] && return 1
    sleep 0.2
  done
}

# --- the X display -----------------------------------------------------------

_display_answers() { xdpyinfo -display "$1" >/dev/null 2>&1; }
_alive() { [ -n "$1" ] && kill -0 "$1" 2>/dev/null && ! grep -q '^[^ ]* ([^)]*) Z' "/proc/$1/stat" 2>/dev/null; }

# Starts Xvfb on a free display number and exports DISPLAY. -noreset keeps the
# server (and our key bindings) as it is when its last client leaves. Two
# scenarios may pick the same free number at once: the server that holds the
# lock file, which Xvfb writes with its pid, is the one that got it.
start_display() {
  local n
  for n in $(seq 90 250); do
    if [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; then continue; fi
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp -noreset >"$E2E_WORK/xvfb.log" 2>&1 &
    E2E_XVFB_PID=$!
    if poll 30 _xvfb_up "$n" && _xvfb_ours "$n"; then
      export DISPLAY=:$n
      log "display $DISPLAY (Xvfb pid $E2E_XVFB_PID)"
      return 0
    fi
    # Another server took the number first, or ours died: try the next one.
    if _alive "$E2E_XVFB_PID"; then kill "$E2E_XVFB_PID" 2>/dev/null || true; fi
    wait "$E2E_XVFB_PID" 2>/dev/null || true
    E2E_XVFB_PID=
  done
  fail "no free X display number"
}

_xvfb_ours() { [ "$(tr -d ' \n' <"/tmp/.X$1-lock" 2>/dev/null)" = "$E2E_XVFB_PID" ]; }

# Succeeds when our server answers on :N; ends the polling early (with a
# failure) when our server has died or another one holds the number.
_xvfb_up() {
  _alive "$E2E_XVFB_PID" || return 0
  if [ -e "/tmp/.X$1-lock" ] && ! _xvfb_ours "$1"; then
    # The lock may be one being written; it is read again next time round,
    # and a lock that stays another's ends the wait.
    sleep 0.2
    _xvfb_ours "$1" || return 0
  fi
  _xvfb_ours "$1" && _display_answers ":$1"
}

stop_display() {
  [ -n "$E2E_XVFB_PID" ] || return 0
  kill "$E2E_XVFB_PID" 2>/dev/null || true
  poll 10 _gone "$E2E_XVFB_PID" || kill -9 "$E2E_XVFB_PID" 2>/dev/null || true
  wait "$E2E_XVFB_PID" 2>/dev/null || true
  E2E_XVFB_PID=
}

_gone() { ! _alive "$1"; }

# --- the Wine prefix ----------------------------------------------------------

_wine_environment() {
  export WINEPREFIX=$1
  export WINEDEBUG=-all LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8 WINEDLLOVERRIDES="mscoree,mshtml="
}

# _wine_init PREFIX: a new prefix by `wineboot -i`, set up so that every
# program started in it appears in the desktop "shell" (frames, task bar,
# notification area) rather than as a bare window of its own.
_wine_init() {
  (
    _wine_environment "$1"
    unset DISPLAY
    mkdir -p "$1"
    wineboot -i >/dev/null 2>&1 || true
    wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d shell /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v shell /d 1024x768 /f >/dev/null 2>&1
    wineserver -w
    [ -f "$1/system.reg" ] && [ -f "$1/user.reg" ]
  )
}

# prepare_wine_template: the prefix every scenario starts from, made once by
# wineboot and kept in build/ for as long as the Wine version stays the same;
# prints its path. run.sh calls it before the first scenario so that no
# scenario's time includes it.
prepare_wine_template() {
  local template=$E2E_REPO/build/e2e-prefix-template
  local version
  version=$(wine --version 2>/dev/null)
  (
    flock 9
    if [ "$(cat "$template/.e2e-wine-version" 2>/dev/null)" != "$version" ]; then
      rm -rf "$template"
      log "making the Wine prefix template (wineboot -i)"
      _wine_init "$template" || exit 1
      printf '%s\n' "$version" >"$template/.e2e-wine-version"
    fi
  ) 9>"$template.lock" || return 1
  printf '%s\n' "$template"
}

# start_wine: the scenario's own prefix in its work folder, exported as
# WINEPREFIX with the Japanese locale (code page 932). It is a copy of the
# template whose Windows folder is hard links (Wine never writes into its
# DLLs) and the rest real copies, so a scenario starts from a clean state in a
# second; VYR_E2E_FRESH_PREFIX=1 runs wineboot -i for the scenario instead.
start_wine() {
  E2E_PREFIX=$E2E_WORK/prefix
  if [ "${VYR_E2E_FRESH_PREFIX:-0}" = 1 ]; then
    log "wineboot -i in $E2E_PREFIX"
    _wine_init "$E2E_PREFIX" || fail "wineboot -i failed"
  else
    local template
    template=$(prepare_wine_template) || fail "no Wine prefix template"
    mkdir -p "$E2E_PREFIX/drive_c"
    local entry
    for entry in "$template"/* "$template"/.[!.]*; do
      [ -e "$entry" ] || [ -L "$entry" ] || continue
      [ "$(basename "$entry")" = drive_c ] && continue
      cp -a "$entry" "$E2E_PREFIX/"
    done
    for entry in "$template"/drive_c/*; do
      if [ "$(basename "$entry")" = windows ]; then
        cp -al "$entry" "$E2E_PREFIX/drive_c/" 2>/dev/null || cp -a "$entry" "$E2E_PREFIX/drive_c/"
      else
        cp -a "$entry" "$E2E_PREFIX/drive_c/"
      fi
    done
  fi
  _wine_environment "$E2E_PREFIX"
  export VYR_RECORDER_LOG
  VYR_RECORDER_LOG=$(winpath "$E2E_WORK/recorder.log")
  log "Wine prefix $WINEPREFIX"
}

# Wine's own desktop with its task bar, and a do-nothing program that keeps
# it up between the programs a scenario starts.
start_desktop() {
  [ -n "${DISPLAY:-}" ] || fail "start_desktop needs start_display first"
  [ -n "$E2E_PREFIX" ] || fail "start_desktop needs start_wine first"
  wine explorer /desktop=shell,1024x768 >"$E2E_WORK/explorer.log" 2>&1 &
  E2E_WINE_PIDS+=($!)
  E2E_DESKTOP_WID=$(wait_for_window '^shell - Wine desktop$' 120) || fail "Wine's desktop did not appear"
  wine_start "$E2E_FIXTURES/desktop_keeper.exe"
  log "desktop window $E2E_DESKTOP_WID"
}

# wait_for_taskbar [TIMEOUT]: prints the id of the task bar, the unnamed X
# window along the whole bottom edge of Wine's desktop (the notification area
# is its right end).
wait_for_taskbar() {
  local timeout=${1:-$VYR_E2E_TIMEOUT} deadline wid
  deadline=$((SECONDS + timeout))
  while :; do
    wid=$(xwininfo -id "$E2E_DESKTOP_WID" -children 2>/dev/null |
      awk '$1 ~ /^0x/ && $2 == "(has" && $0 ~ / 1024x[0-9]+\+0\+[0-9]+ / {
             split($0, g, " 1024x"); split(g[2], h, "+"); if (h[1] + h[3] == 768) { print $1; exit } }')
    [ -n "$wid" ] && { printf '%d\n' "$wid"; return 0; }
    [ "$SECONDS" -ge "$deadline" ] && return 1
    sleep 0.2
  done
}

# wine_start [--in DIR] [--unset NAME]... PROGRAM ARGS...: starts a Windows
# program in the desktop, in the background, from the directory DIR (default
# the shell's own; Wine makes it the program's current directory), without the
# environment variables NAME. Its pid (the Wine process, which is the program)
# is in E2E_LAST_PID and wine_stop_all stops it.
wine_start() {
  local dir=. unset_names=()
  while :; do
    case $1 in
      --in) dir=$2; shift 2 ;;
      --unset) unset_names+=("$2"); shift 2 ;;
      *) break ;;
    esac
  done
  local out
  out=$E2E_WORK/wine-$(( ${#E2E_WINE_PIDS[@]} + 1 ))-$(basename "$1").log
  (
    cd "$dir" || exit 1
    for name in "${unset_names[@]}"; do unset "$name"; done
    exec wine "$@"
  ) >"$out" 2>&1 &
  E2E_LAST_PID=$!
  E2E_WINE_PIDS+=("$E2E_LAST_PID")
}

# wine_run [--timeout S] PROGRAM ARGS...: runs a Windows program in the
# foreground, its output on ours with the CRs taken off; its exit status.
wine_run() {
  local timeout=$((VYR_E2E_TIMEOUT * 5))
  if [ "$1" = --timeout ]; then
    timeout=$2
    shift 2
  fi
  local status=0
  timeout --kill-after=10 "$timeout" wine "$@" </dev/null | tr -d '\r' || status=${PIPESTATUS[0]}
  return "$status"
}

# shell_execute PROGRAM PARAMETERS DIRECTORY: PROGRAM started through
# ShellExecuteA (fixtures/shell_execute.exe), as Vyr starts a command; the
# arguments are UTF-8 here and Shift-JIS in the call. Waits for the call only.
shell_execute() {
  wine_run --timeout "$VYR_E2E_TIMEOUT" "$E2E_FIXTURES/shell_execute.exe" "$1" "$2" "$3"
}

wine_stop_all() {
  local pid
  for pid in "${E2E_WINE_PIDS[@]}"; do
    if _alive "$pid"; then kill "$pid" 2>/dev/null || true; fi
  done
  if [ -n "$E2E_PREFIX" ] && [ -d "$E2E_PREFIX" ]; then
    # This prefix's server only: WINEPREFIX picks it.
    WINEPREFIX=$E2E_PREFIX wineserver -k 2>/dev/null || true
    WINEPREFIX=$E2E_PREFIX timeout 30 wineserver -w 2>/dev/null || true
  fi
  for pid in "${E2E_WINE_PIDS[@]}"; do
    poll 10 _gone "$pid" || kill -9 "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  E2E_WINE_PIDS=()
}

# --- paths, encodings, the drive ---------------------------------------------

# winpath UNIX_PATH: the path as Windows programs see it (drive Z: is /).
winpath() {
  local path
  path=$(realpath -m "$1")
  path=${path//\//\\}
  printf 'Z:%s\n' "$path"
}

to_sjis() { printf '%s' "$1" | iconv -f utf-8 -t cp932; }
from_sjis() { iconv -f cp932 -t utf-8 "$@"; }

# sjis_hex TEXT: the Shift-JIS bytes of a UTF-8 text, as "8E CA 90 5E".
sjis_hex() { to_sjis "$1" | od -An -tx1 | tr 'a-f' 'A-F' | xargs; }

# map_drive LETTER TREE [LABEL]: drive LETTER: of the prefix is the folder
# TREE; LABEL goes into TREE/.windows-label, where Wine reads the volume label.
map_drive() {
  [ -n "$E2E_PREFIX" ] || fail "map_drive needs start_wine first"
  local letter=${1,,} tree=$2
  mkdir -p "$tree"
  tree=$(cd "$tree" && pwd)
  [ $# -ge 3 ] && printf '%s\n' "$3" >"$tree/.windows-label"
  ln -sfn "$tree" "$WINEPREFIX/dosdevices/$letter:"
}

# make_tree ROOT PATH...: makes the folders PATH (relative, UTF-8 on disk, so
# 写真 is 写真 to Windows programs) below ROOT. A PATH written "sys:PATH" also
# gets the system attribute, the way Wine and Samba keep it (user.DOSATTRIB,
# text 0x14: system and directory).
make_tree() {
  local root=$1 path
  shift
  mkdir -p "$root"
  for path in "$@"; do
    case $path in
      sys:*)
        path=${path#sys:}
        mkdir -p "$root/$path"
        set_system "$root/$path"
        ;;
      *) mkdir -p "$root/$path" ;;
    esac
  done
}

# make_tree_from ROOT LIST_FILE: the same, one PATH a line; # starts a comment.
make_tree_from() {
  local root=$1 line
  local paths=()
  while IFS= read -r line || [ -n "$line" ]; do
    line=${line%%#*}
    line=${line%"${line##*[![:space:]]}"}
    [ -n "$line" ] && paths+=("$line")
  done <"$2"
  make_tree "$root" "${paths[@]}"
}

set_system() {
  setfattr -n user.DOSATTRIB -v '"0x14"' "$1" || fail "cannot set the system attribute of $1"
}

# --- the program's files --------------------------------------------------------

# install_recorder DIR: a copy of recorder.exe in DIR (so that its fallback
# log, recorder.log beside it, is the scenario's own); sets E2E_RECORDER and
# E2E_RECORDER_WIN (its Windows path).
install_recorder() {
  mkdir -p "$1"
  cp "$E2E_RECORDER_EXE" "$1/recorder.exe" || fail "no $E2E_RECORDER_EXE (build the win32 preset)"
  E2E_RECORDER=$(cd "$1" && pwd)/recorder.exe
  E2E_RECORDER_WIN=$(winpath "$E2E_RECORDER")
}

# write_settings PATH OPTION DIRECTORY [LINE...]: Vyr's settings file, INI with
# CR LF in Shift-JIS, whose Command list is the recorder alone with the
# parameters OPTION and the initial directory DIRECTORY. Each LINE ("[OPTION]",
# "IGNORESYSDIR=1", ...) is appended as it is. Calls install_recorder first if
# it has not been called.
write_settings() {
  local path=$1 option=$2 directory=$3
  shift 3
  [ -n "${E2E_RECORDER_WIN:-}" ] || install_recorder "$E2E_WORK/bin"
  mkdir -p "$(dirname "$path")"
  {
    printf '[COMMANDS]\r\n'
    printf 'NUM=1\r\n'
    printf 'DESCRIPTION0=rec\r\n'
    printf 'COMMANDLINE0=%s\r\n' "$E2E_RECORDER_WIN"
    printf 'OPTION0=%s\r\n' "$option"
    printf 'DIRECTORY0=%s\r\n' "$directory"
    printf 'HOTKEY0=\r\n'
    local line
    for line in "$@"; do printf '%s\r\n' "$line"; done
  } | iconv -f utf-8 -t cp932 >"$path" || fail "settings text is not Shift-JIS: $path"
}

# recorder_lines [LOG]: the recorder's log (default the scenario's) in UTF-8
# without the CRs.
recorder_lines() {
  local file=${1:-$E2E_WORK/recorder.log}
  [ -f "$file" ] || return 0
  iconv -f cp932 -t utf-8 "$file" | tr -d '\r'
}

# --- waiting -------------------------------------------------------------------

# wait_for_window NAME_REGEX [TIMEOUT]: prints the id of the first visible
# window whose title matches (titles are UTF-8, so Japanese works).
wait_for_window() {
  local regex=$1 timeout=${2:-$VYR_E2E_TIMEOUT}
  local deadline=$((SECONDS + timeout)) wid
  while :; do
    wid=$(xdotool search --onlyvisible --name "$regex" 2>/dev/null | head -n 1)
    [ -n "$wid" ] && { printf '%s\n' "$wid"; return 0; }
    [ "$SECONDS" -ge "$deadline" ] && return 1
    sleep 0.2
  done
}

# wait_for_no_window NAME_REGEX [TIMEOUT]: until no visible window matches.
wait_for_no_window() {
  poll "${2:-$VYR_E2E_TIMEOUT}" _no_window "$1"
}
_no_window() { [ -z "$(xdotool search --onlyvisible --name "$1" 2>/dev/null)" ]; }

wait_for_file() { poll "${2:-$VYR_E2E_TIMEOUT}" test -e "$1"; }

# wait_for_line FILE PATTERN [TIMEOUT]: until a line of FILE, read as
# Shift-JIS and compared in UTF-8, matches the extended regex PATTERN.
wait_for_line() { poll "${3:-$VYR_E2E_TIMEOUT}" _has_line "$1" "$2"; }
# (grep reads to the end rather than -q: an early exit would break the pipe
# and pipefail would turn a match into a failure.)
_has_line() {
  [ -f "$1" ] && iconv -f cp932 -t utf-8 -c "$1" 2>/dev/null | tr -d '\r' | grep -E -- "$2" >/dev/null
}

# wait_for_lines FILE COUNT [TIMEOUT]: until FILE has COUNT complete lines.
wait_for_lines() { poll "${3:-$VYR_E2E_TIMEOUT}" _line_count_at_least "$1" "$2"; }
_line_count_at_least() { [ -f "$1" ] && [ "$(wc -l <"$1")" -ge "$2" ]; }

wait_for_exit() { poll "${2:-$VYR_E2E_TIMEOUT}" _gone "$1"; }

# window_geometry WID: prints "X Y WIDTH HEIGHT", X and Y on the screen.
# (xdotool getwindowgeometry adds the offset of a window inside Wine's desktop
# twice, so xwininfo it is.)
window_geometry() {
  xwininfo -id "$1" 2>/dev/null | awk '
    /Absolute upper-left X:/ { x = $NF }
    /Absolute upper-left Y:/ { y = $NF }
    /^ *Width:/ { w = $NF }
    /^ *Height:/ { h = $NF }
    END { if (w == "") exit 1; print x, y, w, h }'
}

# --- keyboard and mouse ----------------------------------------------------------

# activate_title TITLE [TIMEOUT]: makes the top-level window whose title
# contains TITLE the active (foreground) window in Windows' own terms, through
# fixtures/activate.exe. Keys typed through X reach only the window Wine holds
# active: with the X focus on any other window of the desktop they are lost.
activate_title() {
  local timeout=${2:-$VYR_E2E_TIMEOUT}
  timeout --kill-after=5 $((timeout + 10)) wine "$E2E_FIXTURES/activate.exe" "$1" "$timeout" \
    </dev/null >/dev/null 2>&1
}

# focus_window WID: gives the window WID the keyboard. windowactivate needs a
# window manager (_NET_ACTIVE_WINDOW), which Xvfb has not, so it is tried
# briefly; then Wine itself activates the window (activate_title on its
# title), after which Wine moves the X focus onto it, which is waited for;
# windowfocus is the last resort, for a window without a title.
focus_window() {
  local wid=$1 title
  timeout 5 xdotool windowactivate --sync "$wid" >/dev/null 2>&1 && return 0
  title=$(xdotool getwindowname "$wid" 2>/dev/null || true)
  if [ -n "$title" ] && activate_title "$title" 30 && poll 10 _has_focus "$wid"; then
    return 0
  fi
  log "focus_window: Wine did not activate $wid ('$title'); forcing the X focus"
  timeout 10 xdotool windowfocus --sync "$wid" >/dev/null 2>&1 || fail "cannot focus window $wid"
}
_has_focus() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]; }

# click_at X Y [BUTTON]: a click at X,Y of the screen. The pointer is moved and
# then watched until it is there: `mousemove --sync` to where the pointer
# already is waits for a motion that never comes (15 s, then xdotool gives up).
click_at() {
  xdotool mousemove "$1" "$2" >/dev/null 2>&1 || fail "cannot move the pointer to $1,$2"
  poll 10 _pointer_at "$1" "$2" || fail "the pointer did not get to $1,$2"
  xdotool click "${3:-1}" >/dev/null 2>&1 || fail "cannot click at $1,$2"
}
_pointer_at() {
  local X Y SCREEN WINDOW
  eval "$(xdotool getmouselocation --shell 2>/dev/null)"
  [ "${X:-}" = "$1" ] && [ "${Y:-}" = "$2" ]
}

# click_window WID X Y [BUTTON]: a click at X,Y inside the window (its frame
# included: Wine's X window for a top-level window is the whole window).
click_window() {
  local wx wy
  read -r wx wy _ _ < <(window_geometry "$1") || fail "no window $1"
  click_at $((wx + $2)) $((wy + $3)) "${4:-1}"
}

# press KEY...: xdotool key names (Return, Escape, ctrl+a, alt+F4, ...).
press() { xdotool key --delay 40 "$@"; }

# type_text TEXT: plain xdotool type for ASCII; any other character sends the
# whole text through type_japanese, which is the only way that arrives whole.
type_text() {
  if LC_ALL=C grep -q '[^ -~]' <<<"$1"; then
    type_japanese "$1"
  else
    xdotool type --delay 40 -- "$1"
  fi
}

# type_japanese TEXT: types any text (Japanese, half-width kana, ASCII) as key
# presses, each character on a keycode bound to its own keysym that stays bound
# (keymap.py), so that Wine reads every key press with the right symbol.
type_japanese() {
  local names
  names=$(python3 "$E2E_KIT/keymap.py" bind "$1") || fail "cannot bind the keys for '$1'"
  # shellcheck disable=SC2086
  xdotool key --delay 40 $names
}

# paste_text TEXT: puts TEXT on the Windows clipboard (fixtures/set_clipboard.exe)
# and presses Ctrl+V. For a window whose message loop is the ANSI one, where
# typed Japanese arrives byte by byte and Wine's edit control garbles it.
paste_text() {
  wine_run --timeout "$VYR_E2E_TIMEOUT" "$E2E_FIXTURES/set_clipboard.exe" "$1" >/dev/null ||
    fail "cannot put '$1' on the clipboard"
  press ctrl+v
}

# --- drag and drop -------------------------------------------------------------------

# drop_files [--at X,Y] [--timeout S] WINDOW_ID PATH...: drops the files or
# folders PATH (Linux paths; they should exist) onto the window WINDOW_ID as a
# file manager does, through XDND (xdnd_drop.py); the program receives
# WM_DROPFILES with them as Z:\ paths, in this order. WINDOW_ID is the target
# window's own X window (wait_for_window gives it), never Wine's desktop. The
# point is the window's centre, or X,Y inside it (its frame included); Wine
# hands the drop to the window under it, or the nearest parent that accepts
# dropped files. The position is offered again until the window takes it, then
# the drop waits for the window's XdndFinished, within S seconds (default
# VYR_E2E_TIMEOUT). Status: 0 delivered; 3 the window does not accept dropped
# files there; 4 no answer in time; 2 bad arguments; 5 no X display.
# WM_DROPFILES is posted, so what the program does with it is waited for
# separately.
drop_files() {
  local args=(--timeout "$VYR_E2E_TIMEOUT")
  while :; do
    case ${1:-} in
      --at | --timeout) args+=("$1" "$2"); shift 2 ;;
      *) break ;;
    esac
  done
  /usr/bin/python3 "$E2E_KIT/xdnd_drop.py" "${args[@]}" "$@"
}

# --- screenshots -------------------------------------------------------------------

# screenshot NAME: the whole screen as VYR_E2E_SHOTS/<scenario>-NAME.png, for
# people to look at; prints the path. That folder is shared by every run, so a
# check that reads pixels uses capture into the work folder instead.
screenshot() {
  mkdir -p "$VYR_E2E_SHOTS"
  capture "$VYR_E2E_SHOTS/$E2E_NAME-$1.png"
}

# capture FILE: the whole screen into FILE (PNG); prints the path.
capture() {
  import -display "$DISPLAY" -window root "$1" || return 1
  printf '%s\n' "$1"
}

# wait_for_still_screen FILE [TIMEOUT]: captures the screen until two captures
# in a row are the same, so that nothing is half painted; the last is FILE.
wait_for_still_screen() {
  local file=$1 timeout=${2:-$VYR_E2E_TIMEOUT}
  local deadline=$((SECONDS + timeout))
  capture "$file.prev.png" >/dev/null || return 1
  while :; do
    sleep 0.3
    capture "$file" >/dev/null || return 1
    if ! changed_region "$file.prev.png" "$file" >/dev/null; then
      rm -f "$file.prev.png"
      return 0
    fi
    [ "$SECONDS" -ge "$deadline" ] && { rm -f "$file.prev.png"; return 1; }
    mv "$file" "$file.prev.png"
  done
}

# changed_region BEFORE AFTER: prints "X Y WIDTH HEIGHT", the box around every
# pixel that differs between two screenshots; fails when they are the same.
# It finds what a program drew without knowing where, a tray icon for one.
changed_region() {
  local box
  box=$(convert "$1" "$2" -compose difference -composite -format '%@' info: 2>/dev/null) || return 1
  [[ $box =~ ^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$ ]] || return 1
  [ "${BASH_REMATCH[1]}" -gt 0 ] || return 1
  printf '%s %s %s %s\n' "${BASH_REMATCH[3]}" "${BASH_REMATCH[4]}" "${BASH_REMATCH[1]}" "${BASH_REMATCH[2]}"
}
