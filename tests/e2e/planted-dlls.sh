#!/usr/bin/env bash
# Libraries planted beside the installer, in the folder it is started from (as in a
# downloads folder), under the names of the system libraries it uses, with Windows'
# search order for libraries that are not known ones (the program's folder first):
# the install completes and neither library runs. Meanwhile a program of the same user
# tries to swap the archive library's private folder for one holding msimg32.dll as
# 7z.dll: the swap is refused. (On Windows the elevated installer's folder lies where
# the person may not rename it at all; Wine, which checks no such right, shows that the
# folder is held open against renaming as well.) Arguments: TavioSetup.exe version.dll
# msimg32.dll SwapFolder.exe
#
# Wine's own user32.dll imports version.dll, and Wine's loader looks for the imports of
# its builtin libraries in the program's folder too when told "native first"; on
# Windows, user32 is a known library whose imports come from the system folder only.
# So under Wine a planted version.dll does start with the process, as user32's import:
# the checks below tell that import from a load by the installer's own code (which
# would be dynamic: the installer imports no such library, as check-imports shows).
source "$(dirname "$0")/lib.sh"
setup=$1

p=$(fresh_prefix planted)
downloads=$work/downloads
mkdir -p "$downloads"
cp "$setup" "$downloads/TavioSetup.exe"
cp "$2" "$3" "$downloads/"
planted_log=$work/planted.log
export TAVIO_PLANTED_LOG="Z:${planted_log//\//\\}" TAVIO_DLLOVERRIDES="version,msimg32=n,b"

# First, that the planted libraries do run when a program asks for them by bare name
# from that folder: else this test could pass for the wrong reason.
cp "$2" "$downloads/probe.dll"
cat >"$work/probe.c" <<'EOC'
#include <windows.h>
int main(void) { return LoadLibraryW(L"version.dll") ? 0 : 1; }
EOC
"$TAVIO_CC" -o "$downloads/probe.exe" "$work/probe.c"
(cd "$downloads" && in_prefix "$p" ./probe.exe) || true
check "a planted version.dll runs in a program that loads it by bare name" grep -q 'version.dll dynamic' "$planted_log"
rm -f "$planted_log" "$downloads/probe.exe" "$downloads/probe.dll"
WINEPREFIX=$p wineserver -w

swapping=$work/swapping swaps=$work/swaps.txt
touch "$swapping"
in_prefix "$p" "$4" 'C:\windows\temp' "Z:${3//\//\\}" "Z:${swapping//\//\\}" >"$swaps" 2>&1 & swapper=$!
wait_for 60 grep -q ready "$swaps" || fail "the swapping program watches the temporary folder"
set +e; (cd "$downloads" && timeout 300 bash -c "$(declare -f in_prefix); in_prefix '$p' ./TavioSetup.exe /s"); rc=$?; set -e
rm -f "$swapping"; wait_exit "$swapper" 30
check "the silent install from the downloads folder ends with 0 (got $rc)" [ "$rc" = 0 ]
check "the library's private folder was met, and its swap refused: $(tr -d '\r' <"$swaps" | grep -v ready | paste -sd' ' -)" \
  bash -c "tr -d '\r' <'$swaps' | grep -q '^refused Tavio-' && ! grep -q '^swapped' '$swaps'"
check "the player is installed" [ -f "$(program_files "$p")/Tavio/Tavio.exe" ]
ran=$( [ -f "$planted_log" ] && tr '\n' ' ' <"$planted_log")
check "the installer loaded no planted library itself${ran:+ ($ran)}" bash -c "! grep -q dynamic '$planted_log' 2>/dev/null"
check "the planted msimg32.dll never ran" bash -c "! grep -qi msimg32 '$planted_log' 2>/dev/null"
finish
