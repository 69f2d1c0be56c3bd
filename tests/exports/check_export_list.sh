#!/usr/bin/env bash
# Compares the export table of a DLL, ordinal by ordinal, with a checked-in list:
#   check_export_list.sh OBJDUMP DLL LIST [--write | --and NAME...]
# LIST holds "ordinal name" lines in ordinal order ('#' starts a comment).  Exports the .def file
# does not pin get their ordinals from the linker in name order, so adding, dropping or renaming
# one of them moves the ordinals of every one after it.  --and: the DLL exports the NAMEs too, at
# the ordinals after LIST's last (the test seam of a test build).  --write replaces LIST's entries
# with the DLL's table, after a deliberate change of the exported interface.
set -euo pipefail
objdump=$1
dll=$2
list=$3
[ -f "$dll" ] || { echo "no such file: $dll" >&2; exit 1; }

dump=$("$objdump" -p "$dll")
base=$(sed -n 's/^Ordinal Base[[:space:]]*\([0-9]*\).*/\1/p' <<<"$dump" | head -1)
[ -n "$base" ] || { echo "$dll: no export table" >&2; exit 1; }
# "[Ordinal/Name Pointer] Table" lines look like "[  13] _ZN10CMultiCageC1ERKS_"; the number is
# the ordinal minus the ordinal base.
actual=$(sed -n '/^\[Ordinal\/Name Pointer\] Table/,/^$/p' <<<"$dump" |
         sed -n 's/^[[:space:]]*\[[[:space:]]*\([0-9]*\)\][[:space:]]*\([^[:space:]]*\).*/\1 \2/p' |
         while read -r index name; do echo "$((index + base)) $name"; done | sort -n)

if [ "${4:-}" = --write ]; then
  { grep '^#' "$list" 2>/dev/null || true; echo "$actual"; } >"$list.new" && mv "$list.new" "$list"
  echo "$list: $(wc -l <<<"$actual") exports written"
  exit 0
fi

[ -f "$list" ] || { echo "no such file: $list" >&2; exit 1; }
expected=$(sed -e 's/#.*//' -e '/^[[:space:]]*$/d' "$list")
if [ "${4:-}" = --and ]; then
  next=$(($(tail -n 1 <<<"$expected" | cut -d' ' -f1) + 1))
  for name in "${@:5}"; do
    expected+=$'\n'"$next $name"
    next=$((next + 1))
  done
fi
if ! diff_out=$(diff <(echo "$expected") <(echo "$actual")); then
  echo "$dll: the export table differs from $list"
  names() { cut -d' ' -f2 | sort; }
  comm -23 <(names <<<"$expected") <(names <<<"$actual") | sed 's/^/  no longer exported: /'
  comm -13 <(names <<<"$expected") <(names <<<"$actual") | sed 's/^/  newly exported: /'
  echo "ordinal by ordinal (< expected, > found):"
  head -n 40 <<<"$diff_out"
  exit 1
fi
echo "$dll: $(wc -l <<<"$actual") exports, every one at its listed ordinal"
