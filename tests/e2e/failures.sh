#!/usr/bin/env bash
# Silent installs that cannot complete, each in a fresh prefix and with no key pressed:
# a disk that fills while the files are written, a disk too small from the start, a
# file where the folder goes, an old file that cannot be replaced, and
# a damaged payload on a first install and over a working one. Each must end by itself
# within a minute with its exit code and say why, leaving the folder, the registry and
# the shortcuts as they were. Arguments: TavioSetup.exe Tavio.7z HoldFile.exe
source "$(dirname "$0")/lib.sh"
setup=$1 archive=$2 holder=$3
user=$(id -un)
mounted=()
trap 'for m in "${mounted[@]}"; do umount "$m"; done; cleanup' EXIT

# What a run may touch, as lines to compare: the folder's files with their hashes;
# the shortcuts, the channel tag and the registry entries of an install.
tree() {
  [ -e "$1" ] || { echo "(none)"; return; }
  [ -f "$1" ] && { echo "file $(md5sum <"$1" | cut -c1-32)"; return; }
  (cd "$1" && find . -mindepth 1 | LC_ALL=C sort |
  while read -r f; do if [ -d "$f" ]; then echo "$f/"; else echo "$f $(md5sum <"$f" | cut -c1-32)"; fi; done); }
folder_of() { echo "$(program_files "$1")/Tavio"; }
traces() {
  local home="$1/drive_c/users/$user" key
  for d in Desktop "AppData/Roaming/Microsoft/Windows/Start Menu/Programs" \
    "AppData/Roaming/Microsoft/Internet Explorer/Quick Launch" AppData/Roaming/Tavio; do
    echo "[$d]"; tree "$home/$d"
  done
  for key in Run Uninstall; do
    in_prefix "$1" reg query "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\$key" /s 2>/dev/null | tr -d '\r' |
      grep -i -A8 'tavio\|塔维欧' || echo "[$key: none]"
  done
}

# A working earlier version: the demo installed, every file then marked as older.
earlier_install() {
  local rc
  set +e; timeout 120 bash -c "$(declare -f in_prefix); in_prefix '$1' '$setup' /s"; rc=$?; set -e
  WINEPREFIX=$1 wineserver -k 2>/dev/null || true # the player it started
  [ "$rc" = 0 ] || { fail "the earlier install into $1 ended with $rc"; return; }
  local f; for f in Tavio.exe UnInstall.exe npmirel.dll; do printf 'earlier version' >>"$(folder_of "$1")/$f"; done
}

# The payload with eight bytes flipped in the middle of its packed data.
damaged="$work/damaged/TavioSetup.exe"
mkdir -p "$work/damaged"
python3 - "$setup" "$archive" "$damaged" <<'PY'
import sys
exe, payload = open(sys.argv[1], "rb").read(), open(sys.argv[2], "rb").read()
at = exe.find(payload)
assert at > 0, "payload not found in the installer"
at += len(payload) // 2
exe = bytearray(exe)
exe[at:at + 8] = bytes(b ^ 0xFF for b in exe[at:at + 8])
open(sys.argv[3], "wb").write(exe)
PY

cases="full small blocked locked damaged-first damaged-upgrade"
declare -A prefix exe before state
for c in $cases; do prefix[$c]=$(fresh_prefix "$c"); exe[$c]=$setup; done
exe[damaged-first]=$damaged exe[damaged-upgrade]=$damaged

# A disk with room to spare but files to spare only for the staged archive and library
# and the player: it fills (no file can be made) when the uninstaller is written, after
# the space was found sufficient.
small_fs() { # NAME OPTIONS
  local at; at=$(folder_of "${prefix[$1]}")
  mkdir -p "$at"
  if mount -t tmpfs -o "$2" tmpfs "$at"; then mounted+=("$at")
  else fail "a small file system for the $1 case needs root (mount)"; fi
}
small_fs full size=64m,nr_inodes=4
# A disk with room for the staged archive and library (with the 1 MB margin) but not
# for the unpacked files: the space check stops it before anything is unpacked.
library_bytes=$(wrestool -x --raw --type=10 --name=F7Z "$setup" |
  python3 -c 'import sys, zlib; print(len(zlib.decompress(sys.stdin.buffer.read())))')
small_fs small size=$(( (library_bytes + $(stat -c %s "$archive")) / 1024 + 1024 + 200 ))k
echo "not a folder" >"$(folder_of "${prefix[blocked]}")"
earlier_install "${prefix[locked]}"
earlier_install "${prefix[damaged-upgrade]}"
for c in $cases; do
  before[$c]=$(tree "$(folder_of "${prefix[$c]}")"); state[$c]=$(traces "${prefix[$c]}")
  WINEPREFIX=${prefix[$c]} wineserver -w
done

# The old player is in use by another program, which holds it without sharing.
hold_flag="$work/holding"
touch "$hold_flag"
in_prefix "${prefix[locked]}" "$holder" "$(folder_of "${prefix[locked]}")/Tavio.exe" "Z:${hold_flag//\//\\}" >"$work/held" 2>&1 &
for _ in $(seq 300); do grep -q held "$work/held" 2>/dev/null && break; sleep 0.1; done
check "the helper holds the old Tavio.exe" grep -q held "$work/held"

# All five at once: each has to end by itself within a minute (124: it did not). The
# codes are collected here, by this shell, whose children the runs are.
declare -A pid rc
# The damaged first install also keeps a log, as a deployment would ask for.
declare -A extra=([damaged-first]="'/LOG=Z:${work//\//\\}\\damaged-first-run.log'") # quoted for bash -c
for c in $cases; do
  WINEDEBUG=-all,+debugstr timeout 60 bash -c "$(declare -f in_prefix); in_prefix '${prefix[$c]}' '${exe[$c]}' /s ${extra[$c]:-}" \
    2>"$work/$c.log" & pid[$c]=$!
done
for c in $cases; do set +e; wait "${pid[$c]}"; rc[$c]=$?; set -e; done
rm -f "$hold_flag"

# The failure message as the run sent it to the debugger output (it is the box's text).
said() { grep -F 'debugstr:OutputDebugStringA' "$work/$1.log" | grep -qF -- "$2"; }
expect() { # CASE CODE TEXT
  check "$1: ends by itself within a minute with exit code $2 (got ${rc[$1]})" [ "${rc[$1]}" = "$2" ]
  check "$1: the message reads \"$3\"" said "$1" "$3"
  check "$1: registry entries and shortcuts as before" [ "$(traces "${prefix[$1]}")" = "${state[$1]}" ]
}
unchanged() { check "$1: the folder's files as before, no Tavio.7z, no temporary file" \
  [ "$(tree "$(folder_of "${prefix[$1]}")")" = "${before[$1]}" ]; }

expect full 3 'UnInstall.exe: Disk full' # Wine's text for a full disk
check "full: each item that could not be made is named" said full 'Could not extract 2 items:\nUnInstall.exe: Disk full\nnpmirel.dll: Disk full'
unchanged full
expect small 5 ' MB' # the space needed and available, in MB
check "small: no install folder content is left" [ -z "$(ls -A "$(folder_of "${prefix[small]}")")" ]
expect blocked 2 'File already exists'
unchanged blocked
expect locked 3 'Tavio.exe: Sharing violation'
unchanged locked
expect damaged-first 3 'data error'
check "damaged-first: no install folder is left" [ ! -e "$(folder_of "${prefix[damaged-first]}")" ]
run_log=$work/damaged-first-run.log
check "damaged-first: the log names the failed items" grep -q 'failed: .*Could not extract .*data error' "$run_log"
check "damaged-first: the log ends with the exit code" [ "$(tail -n 1 "$run_log" | tr -d '\r' | cut -d' ' -f3-)" = "exit code 3" ]
expect damaged-upgrade 3 'data error'
unchanged damaged-upgrade

finish
