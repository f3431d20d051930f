#!/usr/bin/env bash
# scripts/setup against a package manager that misbehaves as mirrors do, through
# stand-in apt-get, dpkg and dpkg-query; and scripts/run stopping when set-up fails.
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT
failures=0

mkdir -p "$work/bin" "$work/apt/sources.list.d"
printf 'Types: deb\nURIs: http://mirror.invalid/debian\nSuites: stable\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' \
  >"$work/apt/sources.list.d/debian.sources"
printf 'VERSION_CODENAME=testcode\n' >"$work/os-release"

# Every package is missing until an install succeeds.
cat >"$work/bin/dpkg-query" <<'EOS'
#!/bin/sh
[ -f "$FAKE_DIR/installed" ] && echo 'install ok installed'
exit 0
EOS
cat >"$work/bin/dpkg" <<'EOS'
#!/bin/sh
[ "$1" = --print-foreign-architectures ] && echo i386
exit 0
EOS
# FAKE_UPDATE: ok | fail.  FAKE_INSTALL: ok | fail | suite (works only with -t).
cat >"$work/bin/apt-get" <<'EOS'
#!/bin/sh
echo "apt-get $*" >>"$FAKE_DIR/calls"
case $1 in
  update) [ "$FAKE_UPDATE" = ok ] && exit 0
          echo "E: Failed to fetch i386/Packages.xz  File has unexpected size. Mirror sync in progress?"; exit 100 ;;
  install)
    case "$FAKE_INSTALL:$*" in
      ok:*|suite:*" -t "*) touch "$FAKE_DIR/installed"; exit 0 ;;
    esac
    echo "E: Unable to correct problems, you have held broken packages."; exit 100 ;;
esac
EOS
# Run by someone other than root, setup calls apt-get through sudo, which would reset
# PATH and reach the real one: the stand-in keeps the stand-ins.
cat >"$work/bin/sudo" <<'EOS'
#!/bin/sh
exec "$@"
EOS
cat >"$work/bin/cmake" <<'EOS'
#!/bin/sh
echo "cmake $*" >>"$FAKE_DIR/calls"
EOS
chmod +x "$work/bin"/*

# 32-bit Wine is installed where this machine runs 32-bit programs, unless told it does not.
# Each case sets TAVIO_HOST_32BIT itself (empty: ask the machine), so the machine is
# asked here the same way, whatever the caller's environment forces.
if TAVIO_HOST_32BIT= "$root/scripts/host-32bit" >/dev/null; then host_32bit=yes; else host_32bit=no; fi

# name | update | install | command | TAVIO_HOST_32BIT | expected exit (0 or non-zero) | last line |
#   apt-get calls, in order
cases=(
  "update fails, install works|fail|ok|setup --packages-only||0|setup: packages present|update,update,update,install -y"
  "install needs the release suite|ok|suite|setup --packages-only||0|setup: packages present|update,install -y,install -y -q -t testcode"
  "install fails|ok|fail|setup --packages-only||1|setup: failed: could not install * Unable to correct problems*|update,install -y,install -y -q -t testcode"
  "run stops when set-up fails|ok|fail|run||1|run: the set-up failed*|update,install -y,install -y -q -t testcode"
  "a 64-bit-only machine gets no 32-bit Wine|ok|ok|setup --packages-only|no|0|setup: packages present|update,install -y"
)
for case in "${cases[@]}"; do
  IFS='|' read -r name update install command force want_rc want_last want_calls <<<"$case"
  read -r -a command <<<"$command"
  dir=$work/case; rm -rf "$dir" "$work/apt/sources.list.d/tavio-deb-src."*; mkdir -p "$dir"
  out=$(cd "$dir" && PATH="$work/bin:$PATH" FAKE_DIR="$dir" FAKE_UPDATE=$update FAKE_INSTALL=$install TAVIO_HOST_32BIT=$force \
    TAVIO_APT_SOURCES="$work/apt" TAVIO_OS_RELEASE="$work/os-release" TAVIO_APT_RETRY_SECONDS=0 \
    TAVIO_DEPS="$dir/deps" "$root/scripts/${command[0]}" "${command[@]:1}" 2>&1 </dev/null)
  rc=$?
  last=$(tail -n 1 <<<"$out")
  problems=()
  { [ "$want_rc" = 0 ] && [ "$rc" = 0 ]; } || { [ "$want_rc" != 0 ] && [ "$rc" != 0 ]; } || problems+=("exit code $rc")
  # shellcheck disable=SC2053 # the expected last line is a pattern
  [[ $last == $want_last ]] || problems+=("last line '$last'")
  IFS=, read -r -a wanted <<<"$want_calls"
  got=()
  while read -r call; do got+=("$call"); done < <(grep '^apt-get' "$dir/calls" 2>/dev/null | cut -c9-)
  [ ${#got[@]} = ${#wanted[@]} ] || problems+=("apt-get calls: ${got[*]}")
  for i in "${!wanted[@]}"; do [[ ${got[i]:-} == "${wanted[i]}"* ]] || problems+=("apt-get call $i: '${got[i]:-}'"); done
  grep -q '^cmake' "$dir/calls" 2>/dev/null && problems+=("cmake ran after a failed set-up")
  install_call=$(grep -m1 '^apt-get install' "$dir/calls" 2>/dev/null)
  want_wine32=$host_32bit; [ "$force" = no ] && want_wine32=no
  [[ " $install_call " == *" wine64 "* ]] || problems+=("wine64 not installed")
  if [ "$want_wine32" = yes ]; then [[ $install_call == *wine32:i386* ]] || problems+=("wine32 not installed")
  else [[ $install_call != *wine32* ]] || problems+=("wine32 installed on a 64-bit-only machine")
    grep -q 'setup: 32-bit Wine left out' <<<"$out" || problems+=("no word of why 32-bit Wine is left out"); fi
  [ "$update" = ok ] || grep -q 'setup: warning: some package indexes' <<<"$out" || problems+=("no warning for the missing index")
  [ -f "$work/apt/sources.list.d/tavio-deb-src.sources" ] || problems+=("no source entries derived")
  [ -n "${SHOW:-}" ] && sed "s/^/  > /" <<<"$out"
  if [ ${#problems[@]} -eq 0 ]; then
    echo "ok: $name"
  else
    echo "FAILED: $name: ${problems[*]}"; sed 's/^/  | /' <<<"$out"; failures=$((failures + 1))
  fi
done
echo "$(( ${#cases[@]} - failures )) passed, $failures failed"
[ "$failures" = 0 ]
