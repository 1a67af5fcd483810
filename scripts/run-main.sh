#!/usr/bin/env bash
# The main job: builds the plug-in and the headless host for Windows and runs the sample
# session on the sample map under Wine, printing its transcript. The transcript, the maps it
# exports (SVG, with an 800-pixel PNG of each) and the panel's screenshot are written to
# build/out/. The exit status is the host's.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
bash scripts/setup.sh

cmake --preset windows >/dev/null
cmake --build --preset windows --target lwhost LaneWorks
mkdir -p build/out
# Pictures of an earlier run must not pass for this one's, nor its preferences change this one.
rm -rf build/out/*.svg build/out/*.png build/out/profile
# A new Wine prefix is left to settle first: while its own programs still run, Wine may refuse
# to make a window.
scripts/wine-run.sh cmd /c exit >/dev/null 2>&1 || true
WINEPREFIX="${LANEWORKS_WINEPREFIX:-$PWD/build/wineprefix}" /usr/lib/wine/wineserver -w
status=0
xvfb-run -a scripts/wine-run.sh build/windows/host/win/lwhost.exe \
  --plugin-dir build/windows/plugins --out build/out --profile build/out/profile \
  --transcript build/out/transcript.txt "${1:-examples/sample.session}" || status=$?

shopt -s nullglob
svgs=(build/out/*.svg)
[ ${#svgs[@]} -gt 0 ] || echo "run-main: the session exported no map (no build/out/*.svg)" >&2
for svg in "${svgs[@]}"; do
  rsvg-convert -w 800 -b white -o "${svg%.svg}.png" "$svg"
done
exit "$status"
