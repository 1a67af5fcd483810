#!/usr/bin/env bash
# The main job: builds the plug-in and the headless host for Windows and runs the sample
# session under Wine, printing its transcript (also written to build/out/transcript.txt).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
bash scripts/setup.sh

cmake --preset windows >/dev/null
cmake --build --preset windows --target lwhost LaneWorks
mkdir -p build/out
xvfb-run -a scripts/wine-run.sh build/windows/host/win/lwhost.exe \
  --plugin-dir build/windows/plugins --transcript build/out/transcript.txt \
  "${1:-examples/sample.session}"
