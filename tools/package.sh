#!/usr/bin/env bash
# Builds the package a person installs: the optimised i686 plug-in (preset win32-release) and
# build/win32-release/dist/VellJDParaSetting-<version>-win32.zip holding it, its install note and
# the user guide, whose pictures are taken anew (tools/guide-pictures.sh, with the win64 build's
# host and plug-in).  Installs what is missing first; builds the plug-in and what it links, and
# the win64 host and plug-in for the pictures, nothing else.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"

"$top/tools/setup.sh" --x86-64-only
cmake --preset win32-release >/dev/null
cmake --build --preset package -j "$(nproc 2>/dev/null || echo 2)"
zip=$(ls -t build/win32-release/dist/VellJDParaSetting-*-win32.zip | head -1)
unzip -l "$zip"  # what the zip holds
