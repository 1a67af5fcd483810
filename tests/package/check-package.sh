#!/usr/bin/env bash
# The release package: made twice from this checkout, in two build folders that share nothing,
# it must come out byte for byte the same; and it must hold what a user is promised (the
# plug-in as built, both guides with every picture they show, the notices, a true SHA-256 list).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/../.."
first="$(bash scripts/package.sh)"
second="$(bash scripts/package.sh build/package-check build/package-check/dist)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "check-package: $*" >&2; failures=$((failures + 1)); }

if ! cmp -s "$first" "$second"; then
  fail "$first and $second differ"
  mkdir -p "$work/a" "$work/b"
  unzip -q "$first" -d "$work/a" && unzip -q "$second" -d "$work/b"
  diff -r --brief "$work/a" "$work/b" >&2 || true
  zipinfo -l "$first" >"$work/a.list" && zipinfo -l "$second" >"$work/b.list"
  diff "$work/a.list" "$work/b.list" >&2 || true
fi

name="$(basename "$first" .zip)"
unzip -q "$first" -d "$work/unpacked"
package="$work/unpacked/$name"
[ -d "$package" ] || fail "the archive holds no folder $name"
for file in LaneWorks.aip guide-ja.html guide-en.html THIRD-PARTY-NOTICES.txt SHA256SUMS.txt; do
  [ -f "$package/$file" ] || fail "$file is missing"
done
cmp -s "$package/LaneWorks.aip" build/windows/plugins/LaneWorks.aip ||
  fail "LaneWorks.aip is not the plug-in built in build/windows"
(cd "$package" && sha256sum --quiet -c SHA256SUMS.txt) || fail "SHA256SUMS.txt does not match"
listed="$(cut -c67- "$package/SHA256SUMS.txt" | LC_ALL=C sort)"
present="$(cd "$package" && find . -type f ! -name SHA256SUMS.txt | sed 's|^\./||' | LC_ALL=C sort)"
[ "$listed" = "$present" ] || fail "SHA256SUMS.txt does not list exactly the package's files"
for page in "$package"/guide-*.html; do
  grep -q '<table>' "$page" || fail "$(basename "$page") has no table: the converter lost them"
  pictures="$(grep -o '<img src="[^"]*"' "$page" | sed 's/<img src="//; s/"$//')"
  [ -n "$pictures" ] || fail "$(basename "$page") shows no picture"
  for picture in $pictures; do
    [ -f "$package/$picture" ] || fail "$(basename "$page") shows $picture, which is not packed"
  done
done
for part in "GCC Runtime Library Exception" "GNU GENERAL PUBLIC LICENSE" "winpthreads" \
  "Zope Public License" "Boost Software License"; do
  grep -q "$part" "$package/THIRD-PARTY-NOTICES.txt" || fail "the notices lack $part"
done

[ "$failures" -eq 0 ] || exit 1
echo "check-package: $first is reproducible and complete"
