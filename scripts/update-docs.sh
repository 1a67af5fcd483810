#!/usr/bin/env bash
# Makes every picture of the guides (docs/guide-ja.md, docs/guide-en.md) and of the README: runs
# the main job, whose session draws the sample map after each step and takes pictures of the
# panel in both themes, of each dialog and of the scissors' cursors, and copies them into
# docs/guide/. A picture the job did not make is named, the others are still copied, and the
# exit status is 1.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
bash scripts/run-main.sh >/dev/null
mkdir -p docs/guide
# build/out name : docs/guide name (the same when no name follows)
pictures=(
  sample-map-before.png:map-01-start.png map-02-capture.png map-03-drafts.png
  map-04-created.png map-05-deleted.png map-06-cut.png map-07-widened.png map-08-broken.png
  sample-map-check.png:map-09-check.png sample-map-edited.png:map-10-repaired.png
  panel-light.png panel-dark.png preferences.png width-dialog.png about.png
  cursor-scissors.png cursor-on-path.png cursor-on-anchor.png
)
status=0
for picture in "${pictures[@]}"; do
  from="build/out/${picture%%:*}" to="docs/guide/${picture##*:}"
  if [ -f "$from" ]; then
    cp "$from" "$to"
    echo "$to updated"
  else
    echo "update-docs: $from is missing; $to is left as it was" >&2
    status=1
  fi
done
exit "$status"
