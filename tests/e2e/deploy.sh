#!/usr/bin/env bash
# Driven as a deployment tool drives it: a silent install into a folder given with
# /D= (blanks and all) and a log given with /LOG=, the Programs-list entry read back,
# the product removed through its quiet uninstall command; then the switches' bad input.
# Arguments: TavioSetup.exe RunCommandLine.exe
source "$(dirname "$0")/lib.sh"
setup=$1 run_command_line=$2
user=$(id -un)

p=$(fresh_prefix deploy)
home="$p/drive_c/users/$user"
folder="$p/drive_c/Apps/Tavio Player"
win_folder='C:\Apps\Tavio Player'
log="$work/deploy.log"
win_log="Z:${log//\//\\}"
wreg() { in_prefix "$p" reg "$@"; }
entry() { wreg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\塔维欧' /v "$1" 2>/dev/null | tr -d '\r' | awk -v n="$1" '$1 == n { $1 = ""; $2 = ""; sub(/^ +/, ""); print }'; }

# In_prefix with its arguments as given: /D= and the rest of the folder's name arrive
# as two arguments and reach the installer's command line as "/D=C:\Apps\Tavio Player".
in_prefix_timed() { timeout "$1" bash -c "$(declare -f in_prefix); in_prefix \"\$@\"" _ "${@:2}"; }
mkdir -p "$home/AppData/Roaming/Microsoft/Internet Explorer/Quick Launch" # as on a desktop that has one
set +e; in_prefix_timed 300 "$p" "$setup" /s "/LOG=$win_log" "/D=C:\Apps\Tavio" Player; rc=$?; set -e
WINEPREFIX=$p wineserver -k 2>/dev/null || true # the player it started
WINEPREFIX=$p wineserver -w
check "the silent install with /D= and /LOG= ends with 0 (got $rc)" [ "$rc" = 0 ]
check "it installed into the folder as given, nothing appended" [ -f "$folder/Tavio.exe" -a ! -e "$folder/Tavio" ]
check "the desktop shortcut points there" \
  [ "$(lnkinfo "$home/Desktop/塔维欧.lnk" 2>/dev/null | awk -F': ' '/Local path/{print $2; exit}')" = "$win_folder\\Tavio.exe" ]
check "the log has a line per shortcut (4)" [ "$(grep -c '^[0-9-]* [0-9:.]* shortcut: ' "$log")" = 4 ]
check "the log says where it installed" grep -qF "install folder: $win_folder\\" "$log"
check "the log ends with the exit code" [ "$(tail -n 1 "$log" | tr -d '\r' | cut -d' ' -f3-)" = "exit code 0" ]
check "the log is UTF-8 with the Chinese names" grep -q '塔维欧.lnk' "$log"

# The Programs-list entry, as deployment tools read it.
installed_kb=$(( $(find "$folder" -type f ! -name install-manifest.txt -printf '%s\n' | awk '{s += $1} END {print s}') / 1024 ))
size_kb=$(( $(entry EstimatedSize) ))
check "InstallLocation is the folder ($(entry InstallLocation))" [ "$(entry InstallLocation)" = "$win_folder\\" ]
check "EstimatedSize ($size_kb KB) is within 10% of the installed $installed_kb KB" \
  [ $((size_kb * 10)) -ge $((installed_kb * 9)) -a $((size_kb * 10)) -le $((installed_kb * 11)) ]
check "InstallDate is today ($(entry InstallDate))" [ "$(entry InstallDate)" = "$(date +%Y%m%d)" ]
check "NoModify and NoRepair are 1" [ "$(entry NoModify)" = 0x1 -a "$(entry NoRepair)" = 0x1 ]
quiet=$(entry QuietUninstallString)
check "QuietUninstallString is the uninstaller with /s ($quiet)" [ "$quiet" = "\"${win_folder//\\/\\\\}\\\\UnInstall.exe\" /s" ]

# The next version's run finds the install: without /D= it goes to the same folder.
desktop_target() { lnkinfo "$home/Desktop/塔维欧.lnk" 2>/dev/null | awk -F': ' '/Local path/{print $2; exit}'; }
run_value() { wreg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Run' /v tavio 2>/dev/null | tr -d '\r' | awk '$1 == "tavio" { $1 = ""; $2 = ""; sub(/^ +/, ""); print }'; }
silent() { # LOG ARGS...: a silent run, its exit code in rc
  set +e; in_prefix_timed 300 "$p" "$setup" /s "/LOG=Z:${work//\//\\}\\$1" "${@:2}"; rc=$?; set -e
  [ "$rc" != 0 ] || wait_for 60 plugin_registered "$p" || true # the finish page starts it
  WINEPREFIX=$p wineserver -k 2>/dev/null || true
  WINEPREFIX=$p wineserver -w
}
silent again.log
check "a second run without /D= ends with 0 (got $rc)" [ "$rc" = 0 ]
check "it installs into the earlier install's folder" grep -qF "install folder: $win_folder\\" "$work/again.log"
check "nothing goes to Program Files" [ ! -e "$(program_files "$p")/Tavio" ]

# An older version over a newer one: refused with 7, nothing written.
wreg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\塔维欧' /v DisplayVersion /d 9.0.0.0 /f >/dev/null
snapshot() { (cd "$p/drive_c" && find . -printf '%p %s %T@\n' | grep -v '/windows/' | sort); wreg export HKCU "Z:${work//\//\\}\\hkcu.reg" /y >/dev/null 2>&1; iconv -f utf-16 -t utf-8 "$work/hkcu.reg" | grep -v '^"*[0-9a-f]*"*=\|LastLogon\|MRU'; }
snapshot >"$work/before.txt"
silent older.log
snapshot >"$work/after.txt"
check "an older version over a newer one ends with 7 (got $rc)" [ "$rc" = 7 ]
check "the log says why" grep -q "failed: .*较新版本.*9\.0\.0\.0" "$work/older.log"
check "it changed no file and no registry value" diff "$work/before.txt" "$work/after.txt"
wreg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\塔维欧' /v DisplayVersion /d 2.5.0.1024 /f >/dev/null

# /D= elsewhere moves the install: the earlier one goes but for the person's own file.
echo "mine" >"$folder/notes.txt"
moved="$p/drive_c/Apps/Moved" win_moved='C:\Apps\Moved'
silent moved.log '/D=C:\Apps\Moved'
check "a run with /D= elsewhere ends with 0 (got $rc)" [ "$rc" = 0 -a -f "$moved/Tavio.exe" ]
check "the earlier folder keeps only the person's file ($(ls "$folder" | paste -sd' ' -))" [ "$(ls "$folder")" = notes.txt ]
check "one entry, naming the new folder" [ "$(entry InstallLocation)" = "$win_moved\\" ]
check "the desktop shortcut points to the new folder" [ "$(desktop_target)" = "$win_moved\\Tavio.exe" ]
check "the Run value starts the new copy" grep -qiF "$win_moved\\Tavio.exe" <<<"$(run_value)"

# A stranded copy's uninstaller, run by hand, leaves the current install alone.
cp -r "$moved" "$p/drive_c/Apps/Stranded"
set +e; in_prefix_timed 60 "$p" 'C:\Apps\Stranded\UnInstall.exe' /s; rc=$?; set -e
WINEPREFIX=$p wineserver -w
check "the stranded copy's uninstaller ends with 0 (got $rc) and removes that copy" [ "$rc" = 0 -a ! -e "$p/drive_c/Apps/Stranded" ]
check "the current install's entry stays" [ "$(entry InstallLocation)" = "$win_moved\\" ]
check "its desktop shortcut stays" [ "$(desktop_target)" = "$win_moved\\Tavio.exe" ]
check "its Run value stays" grep -qiF "$win_moved\\Tavio.exe" <<<"$(run_value)"
check "its plug-in registration stays" plugin_registered "$p"

# The quiet command as a deployment tool runs it: no window may wait for anyone.
quiet=$(entry QuietUninstallString) folder=$moved
set +e; in_prefix_timed 60 "$p" "$run_command_line" "$quiet"; rc=$?; set -e
WINEPREFIX=$p wineserver -w
check "the quiet uninstall ends by itself with 0 (got $rc)" [ "$rc" = 0 ]
check "the quiet uninstall removed the product" [ ! -e "$folder" -a -z "$(entry DisplayName)" ]

# Bad input, all at once: each ends by itself with the folder's code, writes nothing
# and its log says why.
declare -A bad=([relative]='relative\path' [forbidden]='C:\a<b' [empty]='' [root]='C:\' [system]='C:\Windows'
  [device]='\\.\pipe\x')
declare -A prefix pid code
nothing_in() {
  local f
  for f in "$(program_files "$1")/Tavio" "$1/drive_c/relative" "$1/drive_c/Tavio.7z" "$1/drive_c/windows/Tavio.7z"; do
    [ ! -e "$f" ] || return 1
  done
}
for c in "${!bad[@]}"; do
  prefix[$c]=$(fresh_prefix "bad-$c")
  in_prefix_timed 60 "${prefix[$c]}" "$setup" /s "/LOG=Z:${work//\//\\}\\bad-$c.log" "/D=${bad[$c]}" 2>/dev/null &
  pid[$c]=$!
done
for c in "${!bad[@]}"; do set +e; wait "${pid[$c]}"; code[$c]=$?; set -e; done
for c in "${!bad[@]}"; do
  check "/D=${bad[$c]}: ends by itself with exit code 2 (got ${code[$c]})" [ "${code[$c]}" = 2 ]
  check "/D=${bad[$c]}: nothing installed" nothing_in "${prefix[$c]}"
  check "/D=${bad[$c]}: the log says why" grep -qF "failed: 安装目录“${bad[$c]}”" "$work/bad-$c.log"
done

# A log that cannot be written: the run goes on without it and says so.
p2=$(fresh_prefix nolog)
set +e; WINEDEBUG=-all,+debugstr in_prefix_timed 300 "$p2" "$setup" /s '/LOG=C:\no\such\folder\t.log' 2>"$work/nolog.log"
rc=$?; set -e
check "a run with an unwritable log still installs (got $rc)" [ "$rc" = 0 -a -f "$(program_files "$p2")/Tavio/Tavio.exe" ]
check "it says in the debugger output that there is no log" grep -q 'Tavio: no log: C:' "$work/nolog.log"
finish
