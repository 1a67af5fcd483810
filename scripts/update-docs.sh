#!/usr/bin/env bash
# Runs the main job and copies the pictures it makes into docs/, where the README shows them:
# the road panel's screenshot and the sample map before the session, with the stack check's
# findings selected, and after the session. A picture the
# job did not make is named, the others are still copied, and the exit status is 1.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
bash scripts/run-main.sh >/dev/null
mkdir -p docs
status=0
for pair in panel.png:panel.png sample-map-before.png:map-before.png \
  sample-map-check.png:map-check.png sample-map-edited.png:map-after.png; do
  from="build/out/${pair%%:*}" to="docs/${pair##*:}"
  if [ -f "$from" ]; then
    cp "$from" "$to"
    echo "$to updated"
  else
    echo "update-docs: $from is missing; $to is left as it was" >&2
    status=1
  fi
done
exit "$status"
