#!/usr/bin/env bash
# Saves a picture of the grid's test dialog as <build>/artifacts/gridlist-dialog.png.
#   screenshot.sh SOURCE_DIR TEST_EXE BUILD_DIR
set -euo pipefail
src=$1 exe=$2 build=$3
mkdir -p "$build/artifacts"
bmp="$build/artifacts/gridlist-dialog.bmp"
png="$build/artifacts/gridlist-dialog.png"
rm -f "$bmp" "$png"
win_bmp="Z:$(echo "$bmp" | tr / '\\')"
(cd "$build/bin" && VJD_GRID_SCREENSHOT="$win_bmp" "$src/cmake/wine-run.sh" --prefix "$build/wineprefix" \
  "$exe" --gtest_filter='*SavesAScreenshot*')
[ -s "$bmp" ] || { echo "no screenshot written" >&2; exit 1; }
convert "$bmp" "$png"
size=$(identify -format '%wx%h' "$png")
echo "screenshot: $png ($size)"
rm -f "$bmp"
