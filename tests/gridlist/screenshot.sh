#!/usr/bin/env bash
# Saves a picture of the grid's test dialog as <build>/artifacts/gridlist-dialog.png.
#   screenshot.sh SOURCE_DIR TEST_EXE BUILD_DIR
set -euo pipefail
src=$1 exe=$2 build=$3
mkdir -p "$build/artifacts"
png="$build/artifacts/gridlist-dialog.png"
rm -f "$png"
win_png="Z:$(echo "$png" | tr / '\\')"
(cd "$build/bin" && VJD_GRID_SCREENSHOT="$win_png" "$src/cmake/wine-run.sh" --prefix "$build/wineprefix" \
  "$exe" --gtest_filter='*SavesAScreenshot*')
[ -s "$png" ] || { echo "no screenshot written" >&2; exit 1; }
size=$(identify -format '%wx%h' "$png")
echo "screenshot: $png ($size)"
