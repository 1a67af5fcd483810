#!/usr/bin/env bash
# Builds both configurations and runs every test: natively under AddressSanitizer and UBSan,
# and for Windows under Wine on one Xvfb display.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
bash scripts/setup.sh

cmake --preset native >/dev/null
cmake --build --preset native
ctest --preset native

cmake --preset windows >/dev/null
cmake --build --preset windows
# The Wine prefix is made once, before the tests start in parallel.
scripts/wine-run.sh cmd /c exit >/dev/null 2>&1 || true
xvfb-run -a ctest --preset windows
