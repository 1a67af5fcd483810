#!/usr/bin/env bash
# Makes the release package DIST_DIR/LaneWorks-<version>-win64.zip from the checkout:
# LaneWorks.aip (built for Windows in BUILD_DIR), the Japanese and English guides as HTML with
# their pictures, the third-party notices and a SHA-256 list of the files.
#
#   scripts/package.sh [BUILD_DIR [DIST_DIR]]      (default build/windows, build/dist)
#
# The package is reproducible: the DLL carries no link time, and the archive lists its entries
# in a fixed order, each with the time of the checkout's last commit and fixed permissions.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
bash scripts/setup.sh
build="${1:-build/windows}"
dist="${2:-build/dist}"

# The Windows preset's configuration, in whichever folder.
cmake --preset windows -B "$build" >/dev/null
cmake --build "$build" --target LaneWorks -j 2 >/dev/null

version="$(sed -n 's/^#define LANEWORKS_VERSION_TEXT "\(.*\)"$/\1/p' "$build/generated/LaneWorksVersion.h")"
[ -n "$version" ] || { echo "package: no version in $build/generated/LaneWorksVersion.h" >&2; exit 1; }
name="LaneWorks-$version-win64"
stage="$build/package/$name"
rm -rf "$build/package"
mkdir -p "$stage/guide" "$dist"

cp "$build/plugins/LaneWorks.aip" packaging/THIRD-PARTY-NOTICES.txt "$stage/"
cp docs/guide/*.png "$stage/guide/"
# The guides as pages of their own, converted by the distribution's CommonMark converter (with
# its table extension); their pictures stay beside them in guide/.
for guide in ja en; do
  title="$(sed -n '1s/^# //p' "docs/guide-$guide.md")"
  {
    printf '<!DOCTYPE html>\n<html lang="%s">\n<head>\n<meta charset="utf-8">\n' "$guide"
    printf '<title>%s</title>\n' "$title"
    cat <<'STYLE'
<style>
body { max-width: 50em; margin: 2em auto; padding: 0 1em; line-height: 1.6;
       font-family: "Yu Gothic UI", "Meiryo", "MS UI Gothic", sans-serif; }
img { max-width: 100%; border: 1px solid #ccc; }
table { border-collapse: collapse; }
th, td { border: 1px solid #bbb; padding: 0.3em 0.6em; vertical-align: top; }
code { background: #f2f2f2; padding: 0 0.2em; }
</style>
STYLE
    printf '</head>\n<body>\n'
    cmark-gfm --extension table --to html "docs/guide-$guide.md"
    printf '</body>\n</html>\n'
  } >"$stage/guide-$guide.html"
done
(cd "$stage" && find . -type f ! -name SHA256SUMS.txt | sed 's|^\./||' | LC_ALL=C sort | xargs sha256sum >SHA256SUMS.txt)

# The time of the last commit (ZIP times start in 1980), or of the epoch the caller gives.
epoch="${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct 2>/dev/null || echo 315532800)}"
zip="$dist/$name.zip"
python3 - "$build/package" "$name" "$zip" "$epoch" <<'PYTHON'
import os, sys, time, zipfile
root, name, target, epoch = sys.argv[1], sys.argv[2], sys.argv[3], int(sys.argv[4])
stamp = time.gmtime(max(epoch, 315532800))[:6]
paths = []
for folder, folders, files in os.walk(os.path.join(root, name)):
    relative = os.path.relpath(folder, root).replace(os.sep, "/")
    paths.append(relative + "/")
    paths.extend(relative + "/" + f for f in files)
with zipfile.ZipFile(target + ".part", "w") as archive:
    for path in sorted(paths):
        entry = zipfile.ZipInfo(path, stamp)
        entry.create_system = 3
        if path.endswith("/"):
            entry.external_attr = (0o40755 << 16) | 0x10
            archive.writestr(entry, b"")
        else:
            entry.external_attr = 0o100644 << 16
            entry.compress_type = zipfile.ZIP_DEFLATED
            with open(os.path.join(root, path), "rb") as f:
                archive.writestr(entry, f.read(), compresslevel=9)
os.replace(target + ".part", target)
PYTHON
echo "$zip"
