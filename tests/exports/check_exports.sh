#!/usr/bin/env bash
# Checks the export table of the plug-in as a host sees it:
#   check_exports.sh OBJDUMP DLL
# - the thirteen command functions are exported under their plain names at ordinals 1 to 13;
# - no ordinal from 1 to 13 carries anything else, and no export carries an i686 stdcall
#   decoration (Name@N) or a leading underscore;
# - every further export (the device classes) sits above ordinal 13.
set -euo pipefail
objdump=$1
dll=$2
[ -f "$dll" ] || { echo "no such file: $dll" >&2; exit 1; }

expected=(GetCommandName LaunchCommand AttachPoMap SetPoAction SetPoStatus MouseStatus
          GetCommandTranslateName GetGroupName GetTheApp SetPoUserCmdID GetBmp GetToolBarName
          GetCommandType)

dump=$("$objdump" -p "$dll")
base=$(sed -n 's/^Ordinal Base[[:space:]]*\([0-9]*\).*/\1/p' <<<"$dump" | head -1)
[ -n "$base" ] || { echo "$dll: no export table" >&2; exit 1; }

# "[Ordinal/Name Pointer] Table" lines look like "[   2] AttachPoMap"; the number is the
# ordinal minus the ordinal base.
declare -A byOrdinal=()
failures=0
while read -r index name; do
  ordinal=$((index + base))
  if [ -n "${byOrdinal[$ordinal]:-}" ]; then
    echo "ordinal $ordinal is named twice: ${byOrdinal[$ordinal]} and $name"; failures=$((failures + 1))
  fi
  byOrdinal[$ordinal]=$name
  case $name in
    *@*) echo "decorated export name: $name (ordinal $ordinal)"; failures=$((failures + 1)) ;;
  esac
done < <(sed -n '/^\[Ordinal\/Name Pointer\] Table/,/^$/p' <<<"$dump" |
         sed -n 's/^[[:space:]]*\[[[:space:]]*\([0-9]*\)\][[:space:]]*\([^[:space:]]*\).*/\1 \2/p')

for i in "${!expected[@]}"; do
  ordinal=$((i + 1))
  got=${byOrdinal[$ordinal]:-<none>}
  if [ "$got" != "${expected[$i]}" ]; then
    echo "ordinal $ordinal: expected ${expected[$i]}, found $got"; failures=$((failures + 1))
  fi
done
for ordinal in "${!byOrdinal[@]}"; do
  name=${byOrdinal[$ordinal]}
  if [ "$ordinal" -gt 13 ]; then
    for plain in "${expected[@]}"; do
      if [ "$name" = "$plain" ]; then
        echo "$name exported again at ordinal $ordinal"; failures=$((failures + 1))
      fi
    done
  fi
done

if [ "$failures" -ne 0 ]; then
  echo "$dll: $failures export table fault(s)"
  exit 1
fi
echo "$dll: the 13 command exports sit at ordinals 1 to 13 (${#byOrdinal[@]} exports in all)"
