#!/usr/bin/env bash
# Builds both configurations and runs every test: natively under AddressSanitizer and UBSan,
# and for Windows under Wine on one Xvfb display.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
bash scripts/setup.sh
# The real road map some tests import; without it (no network) they are skipped, not failed.
bash scripts/fetch-road-data.sh || echo "run-tests: no real road data; its tests are skipped" >&2

cmake --preset native >/dev/null
cmake --build --preset native
ctest --preset native

cmake --preset windows >/dev/null
cmake --build --preset windows
# The Wine prefix is made once, before the tests start, and left to settle: while a new prefix's
# own programs still run, Wine may refuse to make a window.
scripts/wine-run.sh cmd /c exit >/dev/null 2>&1 || true
WINEPREFIX="${LANEWORKS_WINEPREFIX:-$PWD/build/wineprefix}" /usr/lib/wine/wineserver -w
xvfb-run -a ctest --preset windows
# The release package, made twice from scratch: the same bytes, and everything it promises.
bash tests/package/check-package.sh
