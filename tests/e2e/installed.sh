# What an install of the player leaves for the person and for the system, read back with
# tools of neither installer (lnkinfo, Wine's reg): the four shortcuts, the Run value,
# the uninstall entry and the plug-in's registration. Sourced by tests/e2e/install.sh
# for ours and by bench/peer/check-install.sh for ours and the peer alike, so both are
# held to the same checks. The caller provides check WHAT COMMAND... and
# in_prefix PREFIX COMMAND....

link_field() { lnkinfo "$1" 2>/dev/null | awk -F': ' -v k="$2" '$1 ~ k {print $2; exit}'; }
player_link_ok() {
  [ "$(link_field "$1" 'Local path')" = 'C:\Program Files\Tavio\Tavio.exe' ] &&
    [ "$(link_field "$1" 'Working directory')" = 'C:\Program Files\Tavio\' ] &&
    [ "$(link_field "$1" 'Description')" = '塔维欧' ] &&
    [ "$(link_field "$1" 'Icon location')" = 'C:\Program Files\Tavio\Tavio.exe' ]
}
plugin_registered() { in_prefix "$1" reg query 'HKCU\Software\MozillaPlugins\@tavio.cn/npmirel' /v Path >/dev/null 2>&1; }

# check_installed PREFIX HOME
check_installed() {
  local p=$1 home=$2
  local programs="$home/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/塔维欧"
  local quick="$home/AppData/Roaming/Microsoft/Internet Explorer/Quick Launch"
  check "desktop shortcut: target, working folder, description, icon" player_link_ok "$home/Desktop/塔维欧.lnk"
  check "programs-menu shortcut to the player" player_link_ok "$programs/塔维欧.lnk"
  check "programs-menu shortcut to the uninstaller" \
    test "$(link_field "$programs/卸载塔维欧.lnk" 'Local path')" = 'C:\Program Files\Tavio\UnInstall.exe'
  if [ -d "$quick" ]; then check "quick-launch shortcut" player_link_ok "$quick/塔维欧.lnk"
  else check "no quick-launch folder is created" test ! -e "$quick"; fi

  local run_line export_file entry
  run_line=$(in_prefix "$p" reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Run' /v tavio 2>/dev/null |
    tr -d '\r' | grep REG_SZ || true)
  check "Run value is quote, path, quote, two blanks, Minimize, blank" \
    test "$run_line" = '    tavio    REG_SZ    "C:\Program Files\Tavio\tavio.exe"  Minimize '
  export_file=$(mktemp "${TMPDIR:-/tmp}/uninstall-entry.XXXXXX.reg")
  in_prefix "$p" reg export 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\塔维欧' \
    "Z:${export_file//\//\\}" /y >/dev/null 2>&1 || true
  entry=$(iconv -f UTF-16 -t UTF-8 "$export_file" 2>/dev/null | tr -d '\r' || true)
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
  check "the plug-in registered itself" plugin_registered "$p"
}
