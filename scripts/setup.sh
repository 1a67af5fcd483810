#!/usr/bin/env bash
# Installs what building and testing LaneWorks needs on a Debian 12 machine.
# Idempotent: it prints nothing and changes nothing when everything is there.
set -euo pipefail

packages=(
  cmake make g++ clang-format
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  wine64 xvfb xauth
  googletest libgtest-dev libbenchmark-dev
  nlohmann-json3-dev libboost-dev
  python3 fonts-ipafont-gothic procps
  librsvg2-bin cmark-gfm unzip
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "setup: installing ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
