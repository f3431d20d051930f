#!/usr/bin/env bash
# The installer's start: run mode from the argument and the file name, payload staging,
# and what happens when the payload is missing (a folder that cannot be made: see
# failures.sh).
# Arguments: TavioSetup.exe TavioSetupStub.exe Tavio.7z 7z.dll Tavio.exe
source "$(dirname "$0")/lib.sh"
setup=$1 stub=$2 archive=$3 library=$4 player=$5

# The executables as another program sees them.
has_resource() { wrestool -l "$1" | grep -qF -e "--type=10 --name='$2'"; }
lacks_payload() { ! wrestool -l "$1" | grep -qE -e "--type=10 --name='(F1|F7Z)'"; }
has_version() { strings -e l "$1" | grep -qx "$2"; }
needs_password() { ! 7z l -p "$1" >/dev/null 2>&1 && 7z l "-p$2" "$1" | grep -q Tavio.exe; }
# The build's architecture: its program kind and the one its manifest names (which
# picks the common controls of that architecture).
if [ "$(cat "$TAVIO_WINE_STATE/arch")" = win64 ]; then kind='PE32+ executable (GUI) x86-64' manifest=amd64
else kind='PE32 executable (GUI) Intel 80386' manifest=x86; fi
check "TavioSetup.exe is a GUI program: $kind" bash -c "file '$setup' | grep -qF '$kind'"
check "so is the payload's player" bash -c "file '$player' | grep -qF '$kind'"
check "its manifest names $manifest, for itself and the common controls" \
  [ "$(wrestool -x --raw --type=24 "$setup" | grep -ao 'processorArchitecture="[^"]*"' | sort | uniq -c | tr -s ' ')" = " 2 processorArchitecture=\"$manifest\"" ]
check "resource F1 is embedded" has_resource "$setup" F1
check "resource F7Z is embedded" has_resource "$setup" F7Z
check "the stub carries no payload" lacks_payload "$stub"
check "the player carries version 2.5.0.1024" has_version "$player" 2.5.0.1024
check "the payload archive opens with its password only" needs_password "$archive" 'qwrtnxb$$'

# Staged and then unpacked: the library stays byte for byte, the archive is gone.
staged_ok() { cmp -s "$1/Tavio/7z.dll" "$library" && [ -f "$1/Tavio/Tavio.exe" ] && [ ! -e "$1/Tavio/Tavio.7z" ]; }

# Silent by argument: installs into the default folder and ends by itself with 0.
p=$(fresh_prefix silent)
set +e; timeout 120 bash -c "$(declare -f in_prefix); in_prefix '$p' '$setup' /s"; rc=$?; set -e
check "/s run ends by itself with exit code 0 (got $rc)" [ "$rc" = 0 ]
check "/s run stages the payload and unpacks it" staged_ok "$(program_files "$p")"

# Silent by file name.
p=$(fresh_prefix jm)
cp "$setup" "$work/setup_jm.exe"
set +e; timeout 120 bash -c "$(declare -f in_prefix); in_prefix '$p' '$work/setup_jm.exe'"; rc=$?; set -e
check "setup_jm.exe without arguments runs silently (exit $rc)" [ "$rc" = 0 ]
check "setup_jm.exe stages the payload" staged_ok "$(program_files "$p")"

# An installer without payload resources goes on to the missing-archive message.
p=$(fresh_prefix stub)
in_prefix "$p" "$stub" /s & pid=$!
check "missing payload leads to the missing-archive message" answer_message
wait_exit "$pid" 30
check "stub run ends after the message with exit code 3 (got $rc)" [ "$rc" = 3 ]
check "stub run made the folder and staged nothing" \
  bash -c "[ -d '$(program_files "$p")/Tavio' ] && [ -z \"\$(ls -A '$(program_files "$p")/Tavio')\" ]"

# A damaged archive stops the sequence: the error is shown, then the silent run ends.
p=$(fresh_prefix damaged)
mkdir -p "$(program_files "$p")/Tavio"
head -c 4000 /dev/urandom >"$(program_files "$p")/Tavio/Tavio.7z"
cp "$library" "$(program_files "$p")/Tavio/7z.dll"
in_prefix "$p" "$stub" /s & pid=$!
check "a damaged archive is reported in silent mode" answer_message
wait_exit "$pid" 30
check "the silent run ends after reporting the damaged archive with exit code 3 (got $rc)" [ "$rc" = 3 ]
check "nothing is unpacked from a damaged archive" [ ! -e "$(program_files "$p")/Tavio/Tavio.exe" ]

# Without a desktop to make windows on, the run ends with an error code instead of a crash.
p=$(fresh_prefix nodisplay)
set +e
out=$(env -u DISPLAY TAVIO_WINE_NO_DISPLAY=1 WINEPREFIX="$p" timeout 60 "$TAVIO_WINE_RUN" "$TAVIO_WINE_STATE" "$setup" /s 2>&1)
rc=$?
set -e
check "without a display the run ends with exit code 1 (got $rc)" [ "$rc" = 1 ]
check "without a display nothing is left uncaught" bash -c '[[ $0 != *"terminate called"* ]]' "$out"

# Upper-case JM is interactive: the options page waits; its close mark ends the run.
p=$(fresh_prefix interactive)
cp "$setup" "$work/setup_JM.exe"
in_prefix "$p" "$work/setup_JM.exe" & pid=$!
if id=$(wait_window '塔维欧安装向导' 60); then
  for _ in $(seq 50); do
    geometry=$(window_size "$id")
    [ "$geometry" = 588x400 ] && break
    sleep 0.1
  done
  sleep 1 # let it paint before the screenshot
  check "options page is 588x400 (got $geometry)" [ "$geometry" = 588x400 ]
  shoot "$id" options-page-plain
  check "nothing staged before the install click" [ ! -e "$(program_files "$p")/Tavio" ]
  xdotool mousemove --window "$id" 578 10 click 1
else
  fail "interactive run shows no page"
fi
wait_exit "$pid" 30
check "close mark ends the interactive run (exit $rc)" [ "$rc" = 0 ]

finish
