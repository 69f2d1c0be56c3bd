#!/usr/bin/env bash
# Checks the package a person installs, VellJDParaSetting-<version>-win32.zip, one aspect a run:
#   check_package.sh CHECK ZIP OBJDUMP VERSION
# CHECK is one of
#   contents  the zip holds one folder named after it, with the plug-in, the install note, the
#             user guide and the pictures the guide names in images/, and nothing else (no
#             stand-in of the host or its libraries, no symbol file);
#   exports   the packaged DLL's export table: the 13 command exports at ordinals 1 to 13, then
#             the device classes' exports of tests/exports/VellJDParaSetting.exports and nothing
#             else (no test seam);
#   version   the packaged DLL has a version resource: file and product version VERSION,
#             description "标注配置", original file name VellJDParaSetting.dll;
#   imports   the packaged DLL imports only system DLLs and the host's quarnkernel.dll,
#             VellJDBase.dll and VellBase.dll: no runtime DLL of the compiler;
#   stripped  the packaged DLL carries no debug information and no symbol table;
#   note      the install note is GBK with CRLF line ends and names where the plug-in goes, the
#             host files it uses and the guide;
#   guide     the user guide 用户手册.html is there, and every picture it names (images/*.png) is
#             there, is a PNG and is not older than the plug-in: the pictures are taken anew from
#             the windows each time the package is made.
set -euo pipefail
check=$1 zip=$2 objdump=$3 version=$4
here=$(cd "$(dirname "$0")" && pwd)
[ -f "$zip" ] || { echo "no package: $zip (build it: cmake --build --preset package)"; exit 1; }

work=$(mktemp -d /tmp/vjd-package-check.XXXXXX)
trap 'rm -rf "$work"' EXIT
top=$(basename "$zip" .zip)
unzip -q "$zip" -d "$work"
dll=$work/$top/VellJDParaSetting.dll
note=$work/$top/INSTALL.txt
guide=$work/$top/用户手册.html
# The pictures the guide names, one a line ("images/window.png"); none without the guide.
pictures() { [ ! -f "$guide" ] || grep -o 'images/[A-Za-z0-9_-]*\.png' "$guide" | sort -u; }
if [ "$check" != contents ] && [ ! -f "$dll" ]; then
  echo "$zip: no $top/VellJDParaSetting.dll"; exit 1
fi

case $check in
contents)
  expected=$({ printf '%s\n' "$top/INSTALL.txt" "$top/VellJDParaSetting.dll" "$top/用户手册.html"
                pictures | sed "s|^|$top/|"; } | sort)
  found=$(unzip -Z1 "$zip" | sort)
  # A zip may or may not list its folders; only the package's own and its images/.
  found_files=$(grep -v '/$' <<<"$found" || true)
  if [ "$expected" != "$found_files" ] ||
     grep '/$' <<<"$found" | grep -qvxE "$top/(images/)?"; then
    echo "$zip holds:"; echo "$found"; echo "expected:"; echo "$expected"; exit 1
  fi
  echo "$zip: $top/ with VellJDParaSetting.dll, INSTALL.txt, 用户手册.html and $(pictures | wc -l) pictures"
  ;;
exports)
  bash "$here/../exports/check_exports.sh" "$objdump" "$dll"
  bash "$here/../exports/check_export_list.sh" "$objdump" "$dll" \
    "$here/../exports/VellJDParaSetting.exports"
  ;;
version)
  info=$(python3 "$here/pe_version.py" "$dll") || exit 1
  echo "$info" | iconv -f UTF-8 -t UTF-8 >/dev/null
  failures=0
  expect() {
    if ! grep -qxF "$1" <<<"$info"; then echo "missing: $1"; failures=$((failures + 1)); fi
  }
  expect "fixed=$version.0 $version.0"
  expect "080404b0/FileVersion=$version"
  expect "080404b0/ProductVersion=$version"
  expect "080404b0/FileDescription=标注配置"
  expect "080404b0/OriginalFilename=VellJDParaSetting.dll"
  # objdump reads the same directory: its type table (the entries one level in) names type 16,
  # RT_VERSION.
  "$objdump" -p "$dll" | sed -n '/The .rsrc Resource Directory section/,/^$/p' |
    grep -qE '^[0-9a-f]+   Entry: ID: 0x000010,' ||
    { echo "objdump lists no version resource (type 16)"; failures=$((failures + 1)); }
  if [ "$failures" -ne 0 ]; then echo "the version resource reads:"; echo "$info"; exit 1; fi
  echo "$dll: version resource $version, 标注配置"
  ;;
imports)
  mapfile -t dlls < <("$objdump" -p "$dll" | sed -n 's/^[[:space:]]*DLL Name: //p')
  [ ${#dlls[@]} -gt 0 ] || { echo "$dll: no import table found"; exit 1; }
  # Windows' own DLLs the plug-in may use, then the host's.
  allowed=" kernel32.dll user32.dll gdi32.dll comctl32.dll comdlg32.dll ole32.dll oleaut32.dll
            advapi32.dll shell32.dll shlwapi.dll msvcrt.dll version.dll
            quarnkernel.dll velljdbase.dll vellbase.dll "
  bad=()
  for d in "${dlls[@]}"; do
    lower=${d,,}
    [[ "$allowed" == *" $lower"[[:space:]]* ]] || bad+=("$d")
  done
  if [ ${#bad[@]} -gt 0 ]; then
    echo "$dll imports DLLs a host machine does not have: ${bad[*]}"; exit 1
  fi
  echo "$dll imports: ${dlls[*]}"
  ;;
stripped)
  sections=$("$objdump" -h "$dll")
  if grep -qE '\.debug_|\.stab' <<<"$sections"; then
    echo "$dll carries debug information:"; grep -E '\.debug_|\.stab' <<<"$sections"; exit 1
  fi
  symbols=$("$objdump" -t "$dll" | grep -c '^\[' || true)
  if [ "$symbols" -ne 0 ]; then echo "$dll carries a symbol table of $symbols entries"; exit 1; fi
  echo "$dll: no debug information, no symbol table"
  ;;
note)
  [ -f "$note" ] || { echo "$zip: no $top/INSTALL.txt"; exit 1; }
  text=$(iconv -f GBK -t UTF-8 "$note") || { echo "$note is not GBK"; exit 1; }
  lines=$(wc -l <"$note")
  crlf=$(grep -c $'\r$' "$note" || true)
  [ "$lines" -gt 0 ] && [ "$crlf" -eq "$lines" ] || { echo "$note: $crlf of $lines lines end in CRLF"; exit 1; }
  failures=0
  for needed in '机电数据库\机电配置.cfg' '符号库\EdaSymbol.cls' 'VellJDParaSetting.dll' \
                '命令插件' "$version" '用户手册.html'; do
    grep -qF "$needed" <<<"$text" || { echo "$note does not mention $needed"; failures=$((failures + 1)); }
  done
  [ "$failures" -eq 0 ] || exit 1
  echo "$note: GBK, CRLF, $lines lines"
  ;;
guide)
  [ -f "$guide" ] || { echo "$zip: no $top/用户手册.html"; exit 1; }
  names=$(pictures)
  [ -n "$names" ] || { echo "$top/用户手册.html names no picture (images/*.png)"; exit 1; }
  # The times the zip keeps (DOS times, to two seconds), "YYYYMMDDhhmmss" for each entry.
  times=$(python3 -c '
import sys, zipfile
for i in zipfile.ZipFile(sys.argv[1]).infolist():
    print("%04d%02d%02d%02d%02d%02d" % i.date_time, i.filename)' "$zip")
  time_of() { awk -v f="$top/$1" '{ t = $1; sub(/^[^ ]+ /, ""); if ($0 == f) print t }' <<<"$times"; }
  dll_time=$(time_of VellJDParaSetting.dll)
  failures=0
  for name in $names; do
    picture=$work/$top/$name
    if [ ! -f "$picture" ]; then
      echo "$top/用户手册.html shows $name, which the zip lacks"; failures=$((failures + 1))
    elif [ "$(head -c 8 "$picture" | od -An -tx1 | tr -d ' ')" != 89504e470d0a1a0a ]; then
      echo "$top/$name is no PNG"; failures=$((failures + 1))
    elif [ "$(time_of "$name")" -lt "$dll_time" ]; then
      echo "$top/$name ($(time_of "$name")) is older than VellJDParaSetting.dll ($dll_time):" \
        "taken from an older build"; failures=$((failures + 1))
    fi
  done
  [ "$failures" -eq 0 ] || exit 1
  echo "$top/用户手册.html: its $(wc -w <<<"$names") pictures there, none older than the plug-in"
  ;;
*)
  echo "unknown check: $check"; exit 2
  ;;
esac
