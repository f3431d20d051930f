#!/usr/bin/env bash
# A signed release as a distributor builds one, with a certificate authority and a
# code-signing certificate made for this run: the installer and each program taken out
# of its payload verify against that authority, a copy of the installer with one
# payload byte changed does not, a wrong password stops the build without leaving the
# program it could not sign, and the signed installer's silent install under Wine passes
# tests/e2e/install.sh.
# Usage: signing-test.sh [PRESET]   (win32 by default; builds build/PRESET-signed and runs
# Wine in build/PRESET/wine, which the preset's configure made)
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
preset=${1:-win32}
build=$root/build/$preset-signed
state=$root/build/$preset/wine
keys=$build/test-keys
work=$(mktemp -d)
stop_display=no
cleanup() {
  [ "$stop_display" = yes ] && "$root/cmake/wine-session" stop "$state"
  rm -rf "$work"
}
trap cleanup EXIT
# Settings from the environment would win over the ones given below.
unset TAVIO_SIGN_PKCS12 TAVIO_SIGN_PASSWORD_FILE TAVIO_SIGN_TIMESTAMP TAVIO_SIGN_KEY_OPTIONS
failures=0 passes=0
pass() { echo "ok: $*"; passes=$((passes + 1)); }
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }
check() { local what=$1; shift; if "$@"; then pass "$what"; else fail "$what"; fi; }
finish() { echo "$passes passed, $failures failed"; [ "$failures" = 0 ]; exit; }
verifies() { osslsigncode verify -CAfile "$keys/ca.pem" -in "$1" >"$work/verify.log" 2>&1; }

# Made anew each run: what an earlier run signed does not verify against this authority.
rm -rf "$keys"; mkdir -p "$keys"
(
  set -e; cd "$keys"
  openssl req -x509 -newkey rsa:2048 -nodes -keyout ca.key -out ca.pem -days 2 -subj '/CN=Tavio test authority' \
    -addext basicConstraints=critical,CA:TRUE -addext keyUsage=critical,keyCertSign
  openssl req -newkey rsa:2048 -nodes -keyout signer.key -out signer.csr -subj '/CN=Tavio test publisher'
  printf 'basicConstraints=CA:FALSE\nkeyUsage=critical,digitalSignature\nextendedKeyUsage=codeSigning\n' >signer.ext
  openssl x509 -req -in signer.csr -CA ca.pem -CAkey ca.key -CAcreateserial -days 2 -extfile signer.ext -out signer.pem
  echo 'a distributor password' >password
  openssl pkcs12 -export -inkey signer.key -in signer.pem -certfile ca.pem -passout file:password -out signer.p12
) >"$work/keys.log" 2>&1 || { cat "$work/keys.log"; fail "openssl makes the authority and the signing key"; finish; }

fresh=(); [ -f "$build/build.ninja" ] || fresh=(--fresh)
if ! cmake --preset "$preset" -S "$root" -B "$build" "${fresh[@]}" -DTAVIO_SIGN_PKCS12="$keys/signer.p12" \
    -DTAVIO_SIGN_PASSWORD_FILE="$keys/password" -DTAVIO_SIGN_TIMESTAMP= -DTAVIO_SIGN_KEY_OPTIONS= \
    >"$work/configure.log" 2>&1; then
  cat "$work/configure.log"; fail "the signed build configures"; finish
fi

# A password that does not open the key: the first program to be signed stops the build.
echo 'not the password' >"$keys/password"
cmake --build "$build" --target Tavio >"$work/wrong.log" 2>&1; rc=$?
check "a wrong password stops the build (exit $rc)" [ "$rc" != 0 ]
check "one line names the program and osslsigncode's reason" \
  grep -q '^sign: Tavio.exe was not signed, and is removed: .*PKCS#12' "$work/wrong.log"
check "no unsigned Tavio.exe is left" [ ! -e "$build/payload/Tavio.exe" ]
[ "$failures" = 0 ] || sed 's/^/    /' "$work/wrong.log"
echo 'a distributor password' >"$keys/password"

if ! cmake --build "$build" --target TavioSetup >"$work/build.log" 2>&1; then
  tail -n 30 "$work/build.log"; fail "the signed build"; finish
fi
setup=$build/src/TavioSetup.exe
check "the installer verifies against the authority" verifies "$setup"

# The payload, as the installer carries it.
if wrestool -x --raw --type=10 --name=F1 "$setup" >"$work/payload.7z" 2>"$work/wrestool.log" && [ -s "$work/payload.7z" ] &&
    7z x -bd -bso0 -p'qwrtnxb$$' -o"$work/payload" "$work/payload.7z"; then
  for program in Tavio.exe UnInstall.exe npmirel.dll; do
    check "$program is in the payload" [ -f "$work/payload/$program" ]
  done
  for program in "$work"/payload/*; do
    check "${program##*/} from the payload verifies against the authority" verifies "$program"
  done
  # One byte in the middle of the payload, changed in a copy of the installer.
  python3 - "$setup" "$work/payload.7z" "$work/TavioSetup-changed.exe" <<'EOF'
import sys
setup = bytearray(open(sys.argv[1], 'rb').read())
payload = open(sys.argv[2], 'rb').read()
at = setup.find(payload)
assert at >= 0, 'the payload is not in the installer'
setup[at + len(payload) // 2] ^= 0x01
open(sys.argv[3], 'wb').write(setup)
EOF
  check "a copy with one payload byte changed fails verification" eval '! verifies "$work/TavioSetup-changed.exe"'
else
  cat "$work/wrestool.log"; fail "the payload is taken out of the installer and unpacked"
fi

osslsigncode remove-signature -in "$setup" -out "$work/unsigned.exe" >/dev/null 2>&1 &&
  echo "  (the installer: $(stat -c %s "$setup") bytes, of them its own signature" \
    "$(($(stat -c %s "$setup") - $(stat -c %s "$work/unsigned.exe"))))"

# The silent install under Wine, read back as for the unsigned installer. The preset's
# Wine state holds the prefix template; a private display started here is stopped here.
if [ -z "${DISPLAY:-}" ] && ! { [ -f "$state/xvfb.pid" ] && kill -0 "$(cat "$state/xvfb.pid")" 2>/dev/null; }; then
  stop_display=yes
fi
if [ ! -f "$state/arch" ]; then
  fail "the $preset build is configured, for its Wine (cmake --preset $preset)"
elif "$root/cmake/wine-session" template "$state"; then
  TAVIO_WINE_STATE=$state TAVIO_WINE_RUN=$root/cmake/wine-run bash "$root/tests/e2e/install.sh" "$setup" \
    >"$work/install.log" 2>&1; rc=$?
  sed 's/^/    /' "$work/install.log"
  check "the signed installer's silent install passes tests/e2e/install.sh" [ "$rc" = 0 ]
else
  fail "Wine's prefix template in $state"
fi
finish
