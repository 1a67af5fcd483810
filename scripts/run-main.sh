#!/usr/bin/env bash
# The main job: builds the plug-in and the headless host for Windows and runs the sample
# session on the sample map under Wine, printing its transcript. The transcript, the edited map
# and a picture of it (SVG) are written to build/out/.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
bash scripts/setup.sh

cmake --preset windows >/dev/null
cmake --build --preset windows --target lwhost LaneWorks
mkdir -p build/out
xvfb-run -a scripts/wine-run.sh build/windows/host/win/lwhost.exe \
  --plugin-dir build/windows/plugins --out build/out --transcript build/out/transcript.txt \
  "${1:-examples/sample.session}"
