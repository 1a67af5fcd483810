#!/usr/bin/env bash
# Runs a Windows program under Wine with a private prefix inside the build folder.
# Used as CMake's cross-compiling emulator; needs an X server for dialogs (xvfb-run).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export WINEPREFIX="${LANEWORKS_WINEPREFIX:-$here/build/wineprefix}"
export WINEDEBUG=-all
# No Mono or Gecko installers, and no debugger: a crash ends the program at once. Nor does Wine
# copy the prefix's menus and file or protocol associations to the desktop (lwhost registers
# its own browser for web addresses).
export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d;winemenubuilder.exe=d"
export WINEARCH=win64
wine=/usr/lib/wine/wine64
# The prefix's settings, made once (the marker also upgrades prefixes made before them): Wine's
# interface fonts, which have no Japanese glyphs, map to IPAGothic; and windows are not left to a
# window manager, as there is none on Xvfb: Wine would wait two seconds for one whenever a
# window with a caption is hidden or destroyed.
settings_marker="$WINEPREFIX/laneworks-settings-1.done"
if [ ! -f "$settings_marker" ]; then
  mkdir -p "$WINEPREFIX"
  # Serialise prefix creation when tests start in parallel.
  ( flock 9
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
      "$wine" wineboot --init >/dev/null 2>&1
      /usr/lib/wine/wineserver -w
    fi
    if [ ! -f "$settings_marker" ]; then
      reg="$(cd "$WINEPREFIX" && pwd)/laneworks-settings.reg"
      printf '%s\r\n' 'REGEDIT4' '' '[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]' \
        '"Tahoma"="IPAGothic"' '"MS Shell Dlg"="IPAGothic"' '"MS Shell Dlg 2"="IPAGothic"' \
        '"MS UI Gothic"="IPAGothic"' '' '[HKEY_CURRENT_USER\Software\Wine\X11 Driver]' \
        '"Managed"="N"' >"$reg"
      "$wine" regedit /S "Z:${reg//\//\\}" >/dev/null 2>&1
      /usr/lib/wine/wineserver -w
      touch "$settings_marker"
    fi
  ) 9>"$WINEPREFIX.lock"
fi
exec "$wine" "$@"
