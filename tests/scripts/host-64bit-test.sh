#!/usr/bin/env bash
# The path a machine that runs 64-bit code only takes, forced with TAVIO_HOST_32BIT=no on
# any machine, so it does not rot where it is never needed: 32-bit Wine refuses to start
# with its reason, and scripts/run installs and reports with the x86-64 installer.
# Needs both Windows builds configured (scripts/test builds them first).
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
failures=0 total=0
check() { # what command...
  local what=$1; shift
  total=$((total + 1))
  if "$@"; then echo "ok: $what"; else echo "FAILED: $what"; failures=$((failures + 1)); fi
}
export TAVIO_HOST_32BIT=no

answer=$("$root/scripts/host-32bit"); rc=$?
check "host-32bit answers no, with its reason" [ "$rc:$answer" = "1:no: TAVIO_HOST_32BIT=no" ]

out=$("$root/cmake/wine-run" "$root/build/win32/wine" cmd /c exit 0 2>&1); rc=$?
check "32-bit Wine is not started, and says why (exit $rc: $out)" \
  [ "$rc:$out" = "126:wine-run: win32 Wine cannot start here: TAVIO_HOST_32BIT=no" ]

out=$("$root/scripts/run" 2>&1); rc=$?
check "scripts/run ends with the installer's 0 (got $rc)" [ "$rc" = 0 ]
check "its first line says it runs the x86-64 installer" \
  grep -qx 'run: the x86-64 installer (build/win64), since TAVIO_HOST_32BIT=no' <<<"$(head -n 1 <<<"$out")"
for line in 'Program Files\Tavio\Tavio.exe' 'Desktop/塔维欧.lnk -> C:\Program Files\Tavio\Tavio.exe' \
  'Run: tavio' 'Uninstall\塔维欧: "DisplayName"="塔维欧"' 'plug-in: Path' 'channel tag file:' \
  'Program Files\Tavio\Tavio.exe" Minimize'; do
  check "its report holds: $line" grep -qF "$line" <<<"$out"
done
[ "$failures" = 0 ] || sed 's/^/  | /' <<<"$out"
echo "$((total - failures)) passed, $failures failed"
[ "$failures" = 0 ]
