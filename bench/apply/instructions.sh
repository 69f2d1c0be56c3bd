#!/usr/bin/env bash
# Instruction counts of apply_bench under callgrind: each operation and the replay of its host
# calls, run once per drawing size, and their ratio.  Unlike times on a shared machine, these
# repeat from run to run.
#   bench/apply/instructions.sh [path/to/apply_bench] [sizes...]
set -euo pipefail
bench=${1:-build/native-release/bin/apply_bench}
shift || true
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
valgrind --tool=callgrind --collect-atstart=no --callgrind-out-file="$out/cg.%p" \
  "$bench" 1 "$@" >/dev/null 2>"$out/log"
# Every dump names its run ("ApplyOptions 100000 op") and holds its total instructions.
for f in "$out"/cg.*; do
  awk '/^desc: Trigger: Client Request: /{sub(/^desc: Trigger: Client Request: /,""); what=$0}
       /^totals:/{if (what != "") print what "\t" $2}' "$f"
done | sort -k1,1 -k2,2n | awk -F'\t' '
  { split($1, w, " "); key = w[1] " " w[2]; if (w[3] == "op") op[key] = $2; else rep[key] = $2
    if (!(key in seen)) { seen[key] = 1; order[++n] = key } }
  END {
    printf "%-17s %7s %14s %14s %6s\n", "operation", "symbols", "instructions", "replay", "ratio"
    for (i = 1; i <= n; ++i) { split(order[i], w, " ")
      printf "%-17s %7d %14d %14d %6.2f\n", w[1], w[2], op[order[i]], rep[order[i]],
             op[order[i]] / rep[order[i]] }
  }'
