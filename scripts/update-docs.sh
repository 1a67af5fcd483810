#!/usr/bin/env bash
# Runs the main job and copies the screenshot of the road panel it makes into docs/, where the
# README shows it.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
bash scripts/run-main.sh >/dev/null
mkdir -p docs
cp build/out/panel.png docs/panel.png
echo "docs/panel.png updated"
