#!/usr/bin/env bash
# An interactive install through its three pages, driven with the mouse: the install
# button, the progress page's slideshow, the finish button. Screenshots of each page go
# to the screenshots folder. Arguments: TavioSetup.exe
source "$(dirname "$0")/lib.sh"
setup=$1

p=$(fresh_prefix interactive)
folder="$(program_files "$p")/Tavio"
log="$work/started.log"
export TAVIO_STANDIN_LOG="Z:${log//\//\\}"
cp "$setup" "$work/TavioSetup.exe"
in_prefix "$p" "$work/TavioSetup.exe" & pid=$!

if ! options=$(wait_window 塔维欧安装向导 60 588x400); then
  fail "the options page is shown"; finish
fi
shoot "$options" options-page
xdotool mousemove --window "$options" 294 359 click 1 # the install button

if progress=$(wait_window 塔维欧安装向导 30 588x358); then
  pass "the install button brings up the progress page"
  shoot "$progress" progress-page
  check "the options page is hidden" bash -c "! xdotool search --onlyvisible --name '塔维欧安装向导' | grep -qx '$options'"
else
  fail "the install button brings up the progress page"
fi

if final=$(wait_window 塔维欧安装向导 120 588x358 "${progress:-}"); then
  pass "the progress page gives way to the finish page"
  shoot "$final" finish-page
  check "the payload is in place before the finish click" [ -f "$folder/Tavio.exe" ] && [ ! -e "$folder/Tavio.7z" ]
  check "nothing is started before the finish click" [ ! -s "$log" ]
  xdotool mousemove --window "$final" 288 316 click 1 # the finish button
else
  fail "the progress page gives way to the finish page"
fi

wait_exit "$pid" 30
check "the finish button ends the run (exit $rc)" [ "$rc" = 0 ]
# The finish button starts the plug-in registration and the player, which run on their own.
wait_for 60 plugin_registered "$p" || true
wait_for 60 test -s "$log" || true
check "the player was started once, without parameters" \
  bash -c "[ \"\$(wc -l < '$log')\" = 1 ] && grep -q 'Tavio.exe' '$log' && ! grep -q Minimize '$log'"
check "the plug-in registered itself" plugin_registered "$p"

finish
