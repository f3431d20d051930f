#!/usr/bin/env bash
# Reads back what a silent install left in a Wine prefix with tools of neither installer
# (lnkinfo, Wine's reg): the files, the four shortcuts, the Run value, the uninstall
# entry's values, the plug-in's registration and the player's one start with
# Minimize; the same reading for ours and for the peer, as tests/e2e/install.sh reads ours.
#   check-install.sh STATE PREFIX PLAYER-LOG
# Prints "FAIL: what" for each check that fails, then "passed N of M"; exits 1 on a failure.
set -uo pipefail
state=$1 prefix=$2 log=$3
wine_run=$(cd "$(dirname "$0")/../../cmake" && pwd)/wine-run
in_prefix() { local p=$1; shift; WINEPREFIX=$p "$wine_run" "$state" "$@"; }
passed=0 total=0
check() {
  local what=$1; shift
  total=$((total + 1))
  if "$@" >/dev/null 2>&1; then passed=$((passed + 1)); else echo "FAIL: $what"; fi
}
wait_for() { # seconds command...
  local tries=$(($1 * 10)); shift
  for _ in $(seq "$tries"); do "$@" >/dev/null 2>&1 && return 0; sleep 0.1; done
  return 1
}
# The shortcuts, the Run value, the uninstall entry and the plug-in: as for ours.
source "$(dirname "$0")/../../tests/e2e/installed.sh"

home="$prefix/drive_c/users/$(id -un)"
folder="$prefix/drive_c/Program Files/Tavio"
# The plug-in's registration and the player run on their own after the install.
wait_for 60 plugin_registered "$prefix"
wait_for 60 test -s "$log"

for file in Tavio.exe UnInstall.exe npmirel.dll; do check "$file is installed" test -f "$folder/$file"; done
check "the payload's other files are installed" test -d "$folder/media"

check_installed "$prefix" "$home"
check "the channel tag's folder is made" test -d "$home/AppData/Roaming/Tavio"
check "the player was started once, with Minimize" \
  bash -c "[ \"\$(wc -l < '$log')\" = 1 ] && grep -q '\"C:\\\\Program Files\\\\Tavio\\\\Tavio.exe\" Minimize' '$log'"
echo "passed $passed of $total"
[ "$passed" = "$total" ]
