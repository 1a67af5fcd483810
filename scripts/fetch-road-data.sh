#!/usr/bin/env bash
# Fetches a real road network for import-geojson into build/road-data/gothenburg-roads.geojson:
# the OpenStreetMap ways tagged highway around central Gothenburg (an Overpass export of
# 2016-12-27: 20,120 lines and 107 pedestrian areas), which the npm package geojson-path-finder
# ships as a test fixture. The data is © OpenStreetMap contributors, under the Open Database
# Licence (ODbL) 1.0. Idempotent: nothing is fetched when the file is there and intact.
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
out="$root/build/road-data"
file="$out/gothenburg-roads.geojson"
package="geojson-path-finder@2.1.0"
sha256="e43f69b9b18a6b37d6a73fcb95631389be2ebae44cb3b74efc3b493d6033c1e4"

intact() { echo "$sha256  $1" | sha256sum --check --status; }

[ -f "$file" ] && intact "$file" && exit 0

if ! command -v npm >/dev/null; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends npm >/dev/null
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
(cd "$work" && npm pack --silent "$package" >/dev/null)
tar -xzf "$work"/geojson-path-finder-*.tgz -C "$work" package/test/large-network.json
if ! intact "$work/package/test/large-network.json"; then
  echo "fetch-road-data: $package no longer ships the expected road network" >&2
  exit 1
fi
mkdir -p "$out"
mv "$work/package/test/large-network.json" "$file"
echo "fetch-road-data: $file"
