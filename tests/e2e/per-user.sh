#!/usr/bin/env bash
# A person who cannot write into Program Files installs into their own programs folder,
# and an uninstall, silent or through the Programs list, removes what the install made
# and leaves the person's own files. Arguments: TavioSetup.exe
source "$(dirname "$0")/lib.sh"
setup=$1
user=$(id -un)
shots=${TAVIO_SCREENSHOTS:-$TAVIO_WINE_STATE/screenshots}

p=$(fresh_prefix per-user)
home="$p/drive_c/users/$user"
program_files=$(program_files "$p")
locked=
trap '[ -n "$locked" ] && chattr -i "$locked"; cleanup' EXIT
# The way an administrator's Program Files looks to a standard user: nothing can be made in it.
if chattr +i "$program_files"; then locked=$program_files
else fail "making Program Files unwritable needs root (chattr)"; fi
folder="$home/AppData/Local/Programs/Tavio"
win_folder="C:\\users\\$user\\AppData\\Local\\Programs\\Tavio"
link_target() { lnkinfo "$1" 2>/dev/null | awk -F': ' '/Local path/{print $2; exit}'; }
wreg() { in_prefix "$p" reg "$@"; }
run_value() { wreg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Run' /v tavio 2>/dev/null | tr -d '\r' | grep REG_SZ; }
uninstall_entry() { wreg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\塔维欧' /v UninstallString 2>/dev/null | tr -d '\r' | grep REG_SZ; }
desktop_link="$home/Desktop/塔维欧.lnk"
programs="$home/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/塔维欧"

silent_install() {
  local rc
  set +e; timeout 300 bash -c "$(declare -f in_prefix); in_prefix '$p' '$setup' /s"; rc=$?; set -e
  WINEPREFIX=$p wineserver -k 2>/dev/null || true # the player it started
  WINEPREFIX=$p wineserver -w
  return $rc
}

check "a silent install without Program Files ends with 0" silent_install
check "the player went into AppData\\Local\\Programs\\Tavio" [ -f "$folder/Tavio.exe" -a -f "$folder/install-manifest.txt" ]
check "nothing was made under Program Files" [ -z "$(ls -A "$program_files" | grep -iv '^common files$\|^internet explorer$\|^windows')" ]
check "the desktop shortcut points there" [ "$(link_target "$desktop_link")" = "$win_folder\\Tavio.exe" ]
run_line=$(run_value || true) entry_line=$(uninstall_entry || true)
check "the Run value points there ($run_line)" grep -qF "\"$win_folder\\tavio.exe\"  Minimize" <<<"$run_line"
# The entry's paths carry doubled backslashes, as every install of the product writes them.
check "the uninstall entry points there ($entry_line)" grep -qF "${win_folder//\\/\\\\}\\\\UnInstall.exe" <<<"$entry_line"

# The interactive page offers the same folder.
in_prefix "$p" "$setup" & pid=$!
if options=$(wait_window 塔维欧安装向导 60 588x400); then
  xdotool mousemove --window "$options" 498 376 click 1
  wait_for 10 eval '[ "$(window_size "$options")" = 588x550 ]' || true
  shoot "$options" options-per-user-folder
  pass "the options page with the per-user folder: $shots/options-per-user-folder.png"
else
  fail "the options page is shown"
fi
kill "$pid" 2>/dev/null || true
WINEPREFIX=$p wineserver -k 2>/dev/null || true
WINEPREFIX=$p wineserver -w

# The person's own files in the install folder.
own() {
  mkdir -p "$folder/播放列表"
  echo "my list" >"$folder/播放列表/周末.m3u"
  echo "a note" >"$folder/笔记.txt"
}
installed_gone() {
  local f
  for f in Tavio.exe UnInstall.exe npmirel.dll 7z.dll install-manifest.txt; do [ ! -e "$folder/$f" ] || return 1; done
  [ ! -e "$desktop_link" ] && [ ! -e "$programs" ] && ! run_value && ! uninstall_entry
}
own_files_kept() { [ "$(cat "$folder/播放列表/周末.m3u")" = "my list" ] && [ "$(cat "$folder/笔记.txt")" = "a note" ]; }

own
set +e; timeout 120 bash -c "$(declare -f in_prefix); in_prefix '$p' '$folder/UnInstall.exe' /s"; set -e
WINEPREFIX=$p wineserver -w
check "UnInstall.exe /s removed the player, uninstaller, plug-in, library, shortcuts and entries" installed_gone
check "UnInstall.exe /s kept the person's playlist folder and note" own_files_kept

# Again, through Wine's own Programs list: it runs the entry's uninstall command, which
# asks first and tells at the end; Return answers both.
check "a second silent install ends with 0" silent_install
in_prefix "$p" uninstaller --remove '塔维欧' & pid=$!
answer_message 卸载塔维欧 || true
answer_message 卸载塔维欧 || true
wait_exit "$pid" 60
WINEPREFIX=$p wineserver -w
check "removal through the Programs list removed what the install made" installed_gone
check "removal through the Programs list kept the person's files" own_files_kept

# The Start menu redirected to a server (Wine reaches \\server\share through the
# prefix's dosdevices/unc), a payload with more than the names every install has, and a
# list with lines no install of ours writes, as anyone who can write the folder could
# add them. The uninstall removes all the install made, on the share too, stops the
# install's own player and nothing else started from the folder, and leaves alone what
# the planted lines name, saying so with exit code 2.
share="$work/share"
mkdir -p "$share/Programs" "$p/dosdevices/unc/tavioserver"
ln -s "$share" "$p/dosdevices/unc/tavioserver/share"
for key in 'User Shell Folders' 'Shell Folders'; do
  wreg add "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\$key" /v Programs /d '\\tavioserver\share\Programs' /f >/dev/null
done
programs="$share/Programs/塔维欧"
check "a third silent install, its Start menu on a share, ends with 0" silent_install
check "its programs-menu shortcuts are on the share" [ -f "$programs/塔维欧.lnk" -a -f "$programs/卸载塔维欧.lnk" ]
win_home="C:\\users\\$user"
mkdir -p "$folder/skins" "$home/Documents"
echo "skin" >"$folder/skins/blue.png"
for f in "$home/Documents/thesis.docx" "$home/AppData/Roaming/notes.txt"; do echo "the person's" >"$f"; done
cp "$desktop_link" "$home/Desktop/Other.lnk"
cp "$desktop_link" "$home/Documents/塔维欧.lnk"
wreg add 'HKCU\Software\TavioPlanted' /v kept /d yes /f >/dev/null
wreg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\Run' /v other /d "\"$win_folder\\Tavio.exe\"" /f >/dev/null
planted=(
  'folder skins' 'file skins\blue.png'
  'file ..\..\..\..\Documents\thesis.docx' "data-file $win_home\\AppData\\Roaming\\Tavio\\..\\notes.txt"
  "shortcut $win_home\\Desktop\\Other.lnk" "shortcut $win_home\\Documents\\塔维欧.lnk" 'folder ..'
  'registry-key HKCU\Software\TavioPlanted' 'registry-value HKCU\SOFTWARE\Microsoft\Windows\CurrentVersion\Run\other')
printf '%s\r\n' "${planted[@]}" >>"$folder/install-manifest.txt"
planted_kept() {
  [ -f "$home/Documents/thesis.docx" ] && [ -f "$home/AppData/Roaming/notes.txt" ] && [ -f "$home/Desktop/Other.lnk" ] &&
    [ -f "$home/Documents/塔维欧.lnk" ] && wreg query 'HKCU\Software\TavioPlanted' /v kept >/dev/null 2>&1 &&
    wreg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Run' /v other >/dev/null 2>&1
}
# The player the install put there, and a program of the person's in the same folder.
cp "$folder/Tavio.exe" "$folder/播放列表/helper.exe"
export TAVIO_STANDIN_LOG="Z:${work//\//\\}\\started.log"
in_prefix "$p" "$folder/Tavio.exe" & player=$!
in_prefix "$p" "$folder/播放列表/helper.exe" & helper=$!
wait_for 60 eval '[ "$(lines_in "$work/started.log")" = 2 ]' || fail "the player and the helper started"
set +e; WINEDEBUG=-all,+debugstr timeout 120 bash -c "$(declare -f in_prefix); in_prefix '$p' '$folder/UnInstall.exe' /s" \
  2>"$work/uninstall.log"; rc=$?; set -e
check "with a share and planted lines, the uninstall ends with 2 (got $rc)" [ "$rc" = 2 ]
# The helper keeps Wine up: what the uninstaller's temporary copy does is waited for.
check "it removed what the install made, the share's shortcuts and the extra files too" \
  wait_for 60 eval 'installed_gone && [ ! -e "$folder/skins" ]'
check "it stopped the installed player" wait_for 10 eval '! kill -0 "$player" 2>/dev/null'
check "it left the person's program in the folder running" kill -0 "$helper"
check "it kept the person's files" own_files_kept
check "it removed nothing the planted lines name" planted_kept
check "it named each planted line it left alone (7)" \
  [ "$(grep -c 'Tavio uninstall: not from an install, left alone: ' "$work/uninstall.log")" = 7 ]
finish
