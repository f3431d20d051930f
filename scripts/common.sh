# Sourced by scripts/run, test and bench: set-up and configuring as each of them needs it.
# Expects $root (the repository) to be set.

# Runs scripts/setup and stops the calling script when it fails: a build after a
# failed set-up fails later with a stranger message, or worse, succeeds wrongly.
setup_or_stop() { # caller-name [setup-args...]
  local caller=$1; shift
  "$root/scripts/setup" "$@" | { grep -v '^setup: everything present' || true; } && return 0
  echo "$caller: the set-up failed (scripts/setup, above); nothing was built" >&2
  exit 1
}

# Configures a preset's build folder. A folder without build.ninja holds a configure
# that did not finish, and its cache may hold what that configure got wrong (a
# compiler not found caches empty language flags): such a folder starts afresh.
configure() { # preset
  local fresh=()
  [ -f "$root/build/$1/build.ninja" ] || fresh=(--fresh)
  cmake --preset "$1" -S "$root" "${fresh[@]}" >/dev/null
}

# The Windows build whose programs this machine runs: win32, the product, where
# 32-bit programs run; win64 where the machine runs 64-bit code only (or
# TAVIO_HOST_32BIT=no says to behave so). Sets wine_preset, and host_32bit_why when
# 32-bit programs cannot run.
choose_wine_preset() {
  local answer
  if answer=$("$root/scripts/host-32bit"); then
    wine_preset=win32 host_32bit_why=
  else
    wine_preset=win64 host_32bit_why=${answer#no: }
  fi
}
