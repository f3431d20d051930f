# Sourced by wine-session and wine-run: the Wine of the build whose state folder is
# $state. The build writes its architecture into $state/arch (win32 or win64); a win64
# prefix needs the 64-bit loader by name, since Debian's wine wrapper starts the
# 32-bit one whenever wine32 is installed.
wine_arch=$(cat "$state/arch" 2>/dev/null || echo win32)
export WINEARCH=$wine_arch
if [ "$wine_arch" = win64 ]; then
  wine_loader=/usr/lib/wine/wine64
  export WINELOADER=$wine_loader
else
  wine_loader=wine
fi

# Stops with one clear line when this Wine cannot start here, rather than with a bare
# exit code from deep inside a test. A yes is kept in the state folder (the check runs
# a program); a no is asked again, so that what mends it takes effect at once.
wine_can_start() { # caller
  local why=
  if [ "$wine_arch" = win32 ] && [ "${TAVIO_HOST_32BIT:-}" = no ]; then
    why="TAVIO_HOST_32BIT=no"
  elif [ "$(cat "$state/can-start" 2>/dev/null)" = yes ]; then
    return 0
  elif [ "$wine_arch" = win64 ]; then
    [ -x "$wine_loader" ] || why="$wine_loader is missing (Debian's wine64 package)"
  elif ! why=$("$(dirname "${BASH_SOURCE[0]}")/../scripts/host-32bit"); then
    why=${why#no: }
  elif [ ! -x /usr/lib/wine/wine ]; then
    why="32-bit Wine is missing (Debian's wine32:i386 package)"
  else
    why=
  fi
  if [ -z "$why" ]; then echo yes >"$state/can-start"; return 0; fi
  echo "$1: $wine_arch Wine cannot start here: $why" >&2
  return 1
}
