#!/usr/bin/env bash
# A whole silent install of the demo payload, read back with independent tools
# (lnkinfo, wine reg), then a second install over a running player, then the
# uninstaller. Arguments: TavioSetup.exe
source "$(dirname "$0")/lib.sh"
setup=$1

p=$(fresh_prefix install)
user=$(id -un)
home="$p/drive_c/users/$user"
folder="$(program_files "$p")/Tavio"
log="$work/started.log"
export TAVIO_STANDIN_LOG="Z:${log//\//\\}"
cp "$setup" "$work/TavioSetup[e2e].exe"

set +e; WINEDEBUG=-all,+debugstr timeout 300 bash -c "$(declare -f in_prefix); in_prefix '$p' '$work/TavioSetup[e2e].exe' /s" \
  2>"$work/debug.log"; rc=$?; set -e
check "the silent install ends by itself with exit code 0 (got $rc)" [ "$rc" = 0 ]
said() { grep -F 'debugstr:OutputDebugStringA' "$work/debug.log" | grep -oE "Tavio: $1[^\"]*" | sed 's/\\\\/\\/g; s/\\n$//'; }
library=$(said 'the archive library is loaded from ' | sed 's/^Tavio: the archive library is loaded from //')
# Elevated (as under Wine), from the Windows folder's Temp, where the person cannot
# rename it away.
private_name=$(sed -n 's/^C:\\windows\\[Tt]emp\\\(Tavio-[0-9a-f]*\)\\7z\.dll$/\1/p' <<<"$library")
check "the archive library was loaded from a private folder under the Windows folder's Temp ($library)" [ -n "$private_name" ]
check "the private folder is gone afterwards" [ ! -e "$p/drive_c/windows/temp/${private_name:-none}" ]
# Wine reports every process elevated, and its desktop registers no shell window: the
# player then starts with the installer's own rights, and says why.
check "the elevated installer tried to start the player as the desktop user" \
  bash -c "[ \"\$(grep -F 'debugstr:OutputDebugStringA' '$work/debug.log' | grep -c 'the player starts')\" = 1 ]"
echo "  (how the player started: $(said 'the player starts'))"
# The finish page starts the plug-in registration and the player, which run on their own.
wait_for 60 plugin_registered "$p" || true
wait_for 60 test -s "$log" || true

for file in Tavio.exe UnInstall.exe npmirel.dll 7z.dll; do check "$file is installed" [ -f "$folder/$file" ]; done
check "Tavio.7z is deleted after extraction" [ ! -e "$folder/Tavio.7z" ]

# Shortcuts, read by lnkinfo; the Run value, the uninstall entry and the plug-in, read
# by Wine's reg tool.
check_installed "$p" "$home"
programs="$home/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/塔维欧"

# Channel tag and the player's start.
check "mirelff.dat holds e2e CR LF" bash -c "[ \"\$(od -An -tx1 '$home/AppData/Roaming/Tavio/mirelff.dat' | tr -d ' \n')\" = 6532650d0a ]"
check "the player was started once, with Minimize" bash -c "[ \"\$(wc -l < '$log')\" = 1 ] && grep -q '\"C:\\\\Program Files\\\\Tavio\\\\Tavio.exe\" Minimize' '$log'"

# Again, with the player running: it is stopped first and the install goes over it.
WINEPREFIX=$p wineserver -k 2>/dev/null || true
WINEPREFIX=$p wineserver -w
rm -f "$log"
in_prefix "$p" "$folder/Tavio.exe" & player=$!
wait_for 60 test -s "$log" || true # the player logs its start
set +e; timeout 300 bash -c "$(declare -f in_prefix); in_prefix '$p' '$work/TavioSetup[e2e].exe' /s"; rc=$?; set -e
check "the second install ends with 0 (got $rc)" [ "$rc" = 0 ]
check "the running player was stopped" wait_for 10 eval '! kill -0 "$player" 2>/dev/null'
check "the second install put its files in place" [ -f "$folder/Tavio.exe" -a ! -e "$folder/Tavio.7z" ]
check "the second install starts the player again" wait_for 60 eval '[ "$(lines_in "$log")" = 2 ]'
check "the second install left no old or half-written file beside them" bash -c "! ls '$folder' | grep -q '\.~'"

# The uninstaller leaves nothing of the install behind. Its copy that finishes the job
# takes no fixed name in a temporary folder, where a leftover (here a folder) or another
# program's file could stand.
WINEPREFIX=$p wineserver -k 2>/dev/null || true
for temp in "$home/AppData/Local/Temp" "$p/drive_c/windows/temp"; do mkdir -p "$temp/TavioUninstall.exe"; done
set +e; timeout 120 bash -c "$(declare -f in_prefix); in_prefix '$p' '$folder/UnInstall.exe' /s"; set -e
WINEPREFIX=$p wineserver -w
check "uninstall removes the install folder" [ ! -e "$folder" ]
check "the uninstaller's copy ran from a private folder under the Windows folder's Temp" \
  bash -c "ls '$p/drive_c/windows/temp' | grep -qE '^Tavio-[0-9a-f]{8}$'"
# Wine's next start (wineboot, run by the next Wine program) does what was left for the
# next start of Windows.
in_prefix "$p" reg query 'HKCU\Software' >/dev/null 2>&1 || true
WINEPREFIX=$p wineserver -w
check "the uninstaller's copy and its folder are gone at the next start" \
  bash -c "! ls '$home/AppData/Local/Temp' '$p/drive_c/windows/temp' | grep -q '^Tavio-'"
check "uninstall removes the shortcuts" bash -c "[ ! -e '$home/Desktop/塔维欧.lnk' ] && [ ! -e '$programs' ]"
check "uninstall removes the Run value" bash -c "$(declare -f in_prefix); ! in_prefix '$p' reg query 'HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Run' /v tavio >/dev/null 2>&1"
check "uninstall removes the uninstall entry" bash -c "$(declare -f in_prefix); ! in_prefix '$p' reg query 'HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\塔维欧' >/dev/null 2>&1"
check "uninstall removes the plug-in registration" bash -c "$(declare -f in_prefix); ! in_prefix '$p' reg query 'HKCU\\Software\\MozillaPlugins\\@tavio.cn/npmirel' >/dev/null 2>&1"
check "uninstall removes the channel tag" [ ! -e "$home/AppData/Roaming/Tavio" ]

finish
