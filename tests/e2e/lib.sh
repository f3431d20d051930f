# Helpers for the end-to-end scripts: each check runs a Windows program in a prefix of
# its own, copied from the build's template. Needs TAVIO_WINE_STATE and TAVIO_WINE_RUN.
set -euo pipefail
: "${TAVIO_WINE_STATE:?}" "${TAVIO_WINE_RUN:?}"
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
session="$here/../../cmake/wine-session"
work=$(mktemp -d "${TAVIO_WINE_STATE}/e2e.XXXXXX")
cleanup() {
  local p
  # Programs the installer started (the player) would keep ctest's pipes open.
  for p in "$work"/*/; do [ -f "$p/system.reg" ] && { WINEPREFIX=$p wineserver -k 2>/dev/null || true; }; done
  rm -rf "$work"
}
trap cleanup EXIT
[ -z "${DISPLAY:-}" ] && [ -f "$TAVIO_WINE_STATE/display" ] && export DISPLAY=$(cat "$TAVIO_WINE_STATE/display")

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
pass() { echo "ok: $*"; }
check() { local what=$1; shift; if "$@"; then pass "$what"; else fail "$what"; fi; }

# fresh_prefix NAME: prints the path of a new prefix
fresh_prefix() {
  local p="$work/$1"
  "$session" fresh "$TAVIO_WINE_STATE" "$p" >/dev/null
  echo "$p"
}

# in_prefix PREFIX PROGRAM ARGS...: runs under Wine, returns the program's exit code
in_prefix() {
  local p=$1; shift
  WINEPREFIX=$p "$TAVIO_WINE_RUN" "$TAVIO_WINE_STATE" "$@"
}

# window_size ID: the window's size as WxH
window_size() { xdotool getwindowgeometry "$1" 2>/dev/null | awk '/Geometry/{print $2}'; }
# size_is ID WxH: whether the window has that size now
size_is() { [ "$(window_size "$1")" = "$2" ]; }

# wait_window NAME SECONDS [WxH [NOT-ID]]: prints the id of a visible window with that
# name — of that size, if given, and other than NOT-ID (the progress and the finish page
# have the same size). The application's own window carries the pages' title but has no
# size (X shows it as 1 x 1): it is never the one looked for.
wait_window() {
  local id size
  for _ in $(seq $(($2 * 10))); do
    for id in $(xdotool search --onlyvisible --name "$1" 2>/dev/null | tac); do
      size=$(window_size "$id")
      [ "$size" = 1x1 ] || [ "$id" = "${4:-}" ] && continue
      [ -n "${3:-}" ] && [ "$size" != "$3" ] && continue
      echo "$id"; return 0
    done
    sleep 0.1
  done
  return 1
}

# shoot ID NAME: saves what the window shows as NAME.png among the screenshots, once it
# is painted (more than one colour)
shoot() {
  local shots=${TAVIO_SCREENSHOTS:-$TAVIO_WINE_STATE/screenshots} position
  mkdir -p "$shots"
  position=$(xdotool getwindowgeometry "$1" | awk -F'[ ,]+' '/Position/{print $3"+"$4}')
  painted() {
    import -window root -crop "$(window_size "$1")+$position" "$shots/$2.png" 2>/dev/null &&
      [ "$(identify -format %k "$shots/$2.png" 2>/dev/null)" -gt 1 ]
  }
  wait_for 10 painted "$1" "$2" || true
}

# plugin_registered PREFIX, check_installed PREFIX HOME: the read-back of an install,
# shared with the benchmark's peer.
source "$here/installed.sh"

# lines_in FILE: how many lines the file has (0 when it is missing)
lines_in() { if [ -f "$1" ]; then wc -l <"$1"; else echo 0; fi; }

# shown ID [TITLE]: whether the window is still on the screen
shown() { xdotool search --onlyvisible --name "${2:-塔维欧安装向导}" 2>/dev/null | grep -qx "$1"; }

# answer_message [TITLE]: waits for a message box of that title (the installer's by
# default) and presses Return on it until it is gone (a key sent before the box has
# the focus is lost)
answer_message() {
  local id title=${1:-塔维欧安装向导}
  id=$(wait_window "$title" 60) || return 1
  for _ in $(seq 30); do
    xdotool windowfocus --sync "$id" 2>/dev/null || true
    xdotool key --window "$id" Return 2>/dev/null || true
    xdotool key Return 2>/dev/null || true
    wait_for 2 eval '! shown "$id" "$title"' && return 0
  done
  return 1
}

# wait_for SECONDS COMMAND...: waits until the command succeeds; fails after SECONDS
wait_for() {
  local tries=$(($1 * 10)); shift
  for _ in $(seq "$tries"); do "$@" && return 0; sleep 0.1; done
  return 1
}

# wait_exit PID SECONDS: waits for a background job of this shell and sets rc to its
# exit code (124 when it had to be stopped after SECONDS). Not in $(...): a subshell
# cannot collect its parent's jobs, and bash then reports -1 for one still running.
wait_exit() {
  local pid=$1
  if ! wait_for "$2" eval '! kill -0 "$pid" 2>/dev/null'; then
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    rc=124
    return 0
  fi
  rc=0
  wait "$pid" || rc=$?
}

program_files() { echo "$1/drive_c/Program Files"; }

# click_at ID X Y: a left click at (X, Y) of the window
click_at() { xdotool mousemove --window "$1" "$2" "$3" click 1; }

# check_closed_from_options NAME WHAT ACTION [ARGS...]: starts $work/TavioSetup.exe in a
# fresh prefix, runs ACTION OPTIONS-ID ARGS... on its options page (WHAT says what that
# is), and checks that the run ends with 0 and has written nothing.
check_closed_from_options() {
  local name=$1 what=$2 options pid p
  shift 2
  p=$(fresh_prefix "$name")
  in_prefix "$p" "$work/TavioSetup.exe" & pid=$!
  if options=$(wait_window 塔维欧安装向导 60 588x400); then
    "$1" "$options" "${@:2}"
    wait_exit "$pid" 30
    check "$what ends the run (exit $rc)" [ "$rc" = 0 ]
    check "nothing is written after $what" [ ! -e "$(program_files "$p")/Tavio" ]
  else
    fail "the options page is shown for $what"
  fi
}

# start_interactive NAME: starts a copy of $setup in a fresh prefix with a quick-launch
# folder (as on a desktop that has one) and the player's start log, and waits for the
# options page. Sets p, user, home, folder, quick, log, pid and options.
start_interactive() {
  p=$(fresh_prefix "$1")
  user=$(id -un)
  home="$p/drive_c/users/$user"
  folder="$(program_files "$p")/Tavio"
  quick="$home/AppData/Roaming/Microsoft/Internet Explorer/Quick Launch"
  mkdir -p "$quick"
  log="$work/started.log"
  export TAVIO_STANDIN_LOG="Z:${log//\//\\}"
  cp "$setup" "$work/TavioSetup.exe"
  in_prefix "$p" "$work/TavioSetup.exe" & pid=$!
  if ! options=$(wait_window 塔维欧安装向导 60 588x400); then
    fail "the options page is shown"; finish
  fi
}

finish() {
  if [ "$failures" -gt 0 ]; then echo "$failures check(s) failed"; exit 1; fi
  echo "all checks passed"
}
