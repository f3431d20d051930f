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
in_prefix() { WINEPREFIX=$prefix "$wine_run" "$state" "$@"; }
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
plugin_registered() { in_prefix reg query 'HKCU\Software\MozillaPlugins\@tavio.cn/npmirel' /v Path; }

home="$prefix/drive_c/users/$(id -un)"
folder="$prefix/drive_c/Program Files/Tavio"
# The plug-in's registration and the player run on their own after the install.
wait_for 60 plugin_registered
wait_for 60 test -s "$log"

for file in Tavio.exe UnInstall.exe npmirel.dll; do check "$file is installed" test -f "$folder/$file"; done
check "the payload's other files are installed" test -d "$folder/media"

link_field() { lnkinfo "$1" 2>/dev/null | awk -F': ' -v k="$2" '$1 ~ k {print $2; exit}'; }
player_link_ok() {
  [ "$(link_field "$1" 'Local path')" = 'C:\Program Files\Tavio\Tavio.exe' ] &&
    [ "$(link_field "$1" 'Working directory')" = 'C:\Program Files\Tavio\' ] &&
    [ "$(link_field "$1" 'Description')" = '塔维欧' ] &&
    [ "$(link_field "$1" 'Icon location')" = 'C:\Program Files\Tavio\Tavio.exe' ]
}
programs="$home/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/塔维欧"
check "desktop shortcut: target, working folder, description, icon" player_link_ok "$home/Desktop/塔维欧.lnk"
check "programs-menu shortcut to the player" player_link_ok "$programs/塔维欧.lnk"
check "programs-menu shortcut to the uninstaller" \
  test "$(link_field "$programs/卸载塔维欧.lnk" 'Local path')" = 'C:\Program Files\Tavio\UnInstall.exe'
quick="$home/AppData/Roaming/Microsoft/Internet Explorer/Quick Launch"
if [ -d "$quick" ]; then check "quick-launch shortcut" player_link_ok "$quick/塔维欧.lnk"
else check "no quick-launch folder is created" test ! -e "$quick"; fi

run_line=$(in_prefix reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Run' /v tavio 2>/dev/null | tr -d '\r' | grep REG_SZ)
check "Run value is quote, path, quote, two blanks, Minimize, blank" \
  test "$run_line" = '    tavio    REG_SZ    "C:\Program Files\Tavio\tavio.exe"  Minimize '
export_file=$(mktemp "${TMPDIR:-/tmp}/uninstall-entry.XXXXXX.reg")
in_prefix reg export 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\塔维欧' "Z:${export_file//\//\\}" /y >/dev/null 2>&1
entry=$(iconv -f UTF-16 -t UTF-8 "$export_file" 2>/dev/null | tr -d '\r')
rm -f "$export_file"
has() { grep -qxF -- "$1" <<<"$entry"; }
check "uninstall entry: DisplayName" has '"DisplayName"="塔维欧"'
check "uninstall entry: UninstallString with doubled backslashes" has '"UninstallString"="\"C:\\\\Program Files\\\\Tavio\\\\UnInstall.exe\""'
check "uninstall entry: DisplayIcon" has '"DisplayIcon"="\"C:\\\\Program Files\\\\Tavio\\\\tavio.exe\""'
check "uninstall entry: DisplayVersion 2.5.0.1024" has '"DisplayVersion"="2.5.0.1024"'
check "uninstall entry: URLInfoAbout" has '"URLInfoAbout"="https://www.tavio.cn/"'
check "uninstall entry: URLUpdateInfo" has '"URLUpdateInfo"="https://www.tavio.cn/"'
check "uninstall entry: Publisher" has '"Publisher"="Tavio Software Co., Ltd. (塔维欧软件)"'
check "uninstall entry: its seven values and the six deployment tools read" test "$(grep -c '^"' <<<"$entry")" = 13
check "the plug-in registered itself" plugin_registered
check "the channel tag's folder is made" test -d "$home/AppData/Roaming/Tavio"
check "the player was started once, with Minimize" \
  bash -c "[ \"\$(wc -l < '$log')\" = 1 ] && grep -q '\"C:\\\\Program Files\\\\Tavio\\\\Tavio.exe\" Minimize' '$log'"
echo "passed $passed of $total"
[ "$passed" = "$total" ]
