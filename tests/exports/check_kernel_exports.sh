#!/usr/bin/env bash
# Checks that the kernel library exports every function the plug-in's kernel header declares,
# under its plain C name (no leading underscore, no @N), so the plug-in binds to it by name:
#   check_kernel_exports.sh OBJDUMP DLL HEADER
set -euo pipefail
objdump=$1
dll=$2
header=$3
[ -f "$dll" ] || { echo "no such file: $dll" >&2; exit 1; }

# "QK_API <type> QK_CALL Name(" possibly over two lines: the name before the first "(".
mapfile -t declared < <(tr '\n' ' ' <"$header" | grep -oE 'QK_API[^;(]*QK_CALL[[:space:]]+[A-Za-z_][A-Za-z0-9_]*[[:space:]]*\(' |
                        sed -E 's/.*QK_CALL[[:space:]]+([A-Za-z0-9_]+).*/\1/')
[ "${#declared[@]}" -ge 10 ] || { echo "$header: only ${#declared[@]} declarations found" >&2; exit 1; }

mapfile -t exported < <("$objdump" -p "$dll" | sed -n '/^\[Ordinal\/Name Pointer\] Table/,/^$/p' |
                        sed -n 's/^[[:space:]]*\[[[:space:]]*[0-9]*\][[:space:]]*\([^[:space:]]*\).*/\1/p')
failures=0
for name in "${declared[@]}"; do
  found=0
  for e in "${exported[@]}"; do [ "$e" = "$name" ] && { found=1; break; }; done
  [ "$found" = 1 ] || { echo "not exported under its plain name: $name"; failures=$((failures + 1)); }
done
for e in "${exported[@]}"; do
  case $e in *@*|_*) echo "decorated export: $e"; failures=$((failures + 1)) ;; esac
done
if [ "$failures" -ne 0 ]; then
  echo "$dll: $failures kernel export fault(s)"
  exit 1
fi
echo "$dll: all ${#declared[@]} declared kernel functions exported by plain name (${#exported[@]} exports)"
