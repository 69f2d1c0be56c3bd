#!/usr/bin/env bash
# Checks the package a person installs, VellJDParaSetting-<version>-win32.zip, one aspect a run:
#   check_package.sh CHECK ZIP OBJDUMP VERSION
# CHECK is one of
#   contents  the zip holds one folder named after it, with the plug-in and the install note
#             and nothing else (no stand-in of the host or its libraries, no symbol file);
#   exports   the packaged DLL's export table: the 13 command exports at ordinals 1 to 13, then
#             the device classes' exports of tests/exports/VellJDParaSetting.exports and nothing
#             else (no test seam);
#   version   the packaged DLL has a version resource: file and product version VERSION,
#             description "标注配置", original file name VellJDParaSetting.dll;
#   imports   the packaged DLL imports only system DLLs and the host's quarnkernel.dll,
#             VellJDBase.dll and VellBase.dll: no runtime DLL of the compiler;
#   stripped  the packaged DLL carries no debug information and no symbol table;
#   note      the install note is GBK with CRLF line ends and names where the plug-in goes and
#             the host files it uses.
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
if [ "$check" != contents ] && [ ! -f "$dll" ]; then
  echo "$zip: no $top/VellJDParaSetting.dll"; exit 1
fi

case $check in
contents)
  expected=$(printf '%s\n' "$top/" "$top/INSTALL.txt" "$top/VellJDParaSetting.dll")
  found=$(unzip -Z1 "$zip" | sort)
  # A zip may or may not list its folders; only the folder of the package's own name.
  found_files=$(grep -v '/$' <<<"$found" || true)
  if [ "$(grep -v '/$' <<<"$expected")" != "$found_files" ] ||
     grep '/$' <<<"$found" | grep -qvx "$top/"; then
    echo "$zip holds:"; echo "$found"; echo "expected:"; echo "$expected"; exit 1
  fi
  echo "$zip: $top/ with VellJDParaSetting.dll and INSTALL.txt"
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
                '命令插件' "$version"; do
    grep -qF "$needed" <<<"$text" || { echo "$note does not mention $needed"; failures=$((failures + 1)); }
  done
  [ "$failures" -eq 0 ] || exit 1
  echo "$note: GBK, CRLF, $lines lines"
  ;;
*)
  echo "unknown check: $check"; exit 2
  ;;
esac
