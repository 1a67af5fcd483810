#!/usr/bin/env bash
# Runs a Windows program under Wine with a private prefix inside the build folder.
# Used as CMake's cross-compiling emulator; needs an X server for dialogs (xvfb-run).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export WINEPREFIX="${LANEWORKS_WINEPREFIX:-$here/build/wineprefix}"
export WINEDEBUG=-all
# No Mono or Gecko installers, and no debugger: a crash ends the program at once.
export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
export WINEARCH=win64
wine=/usr/lib/wine/wine64
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$WINEPREFIX"
  # Serialise prefix creation when tests start in parallel.
  ( flock 9; [ -f "$WINEPREFIX/system.reg" ] || { "$wine" wineboot --init >/dev/null 2>&1; /usr/lib/wine/wineserver -w; } ) 9>"$WINEPREFIX.lock"
fi
exec "$wine" "$@"
