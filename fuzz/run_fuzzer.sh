#!/usr/bin/env bash
# Runs a fuzz target for a bounded time: run_fuzzer.sh fuzzer corpus-dir seconds max-len [seed...].
# The corpus folder starts with a few seeds (an empty input, a zeroed record, random bytes and the
# seed files given) and keeps what the fuzzer finds, so later runs start from there; a seed named
# *.dict is the fuzzer's dictionary instead.  A crash, a sanitizer finding or a broken invariant
# (the target aborts) fails the run: with status 1, as libFuzzer's own 77 is the status the test
# runner reads as "skipped".
set -euo pipefail
fuzzer=$1 corpus=$2 seconds=${3:-10} max_len=${4:-4096}
shift $(($# < 4 ? $# : 4))
options=()
seeds=()
for seed in "$@"; do
  case $seed in
    *.dict) options+=(-dict="$seed") ;;
    *) seeds+=("$seed") ;;
  esac
done
mkdir -p "$corpus"
if [ -z "$(ls -A "$corpus")" ]; then
  : > "$corpus/empty"
  head -c 1062 /dev/zero > "$corpus/one-record"
  head -c 1500 /dev/urandom > "$corpus/partial"
  for seed in ${seeds[@]+"${seeds[@]}"}; do cp "$seed" "$corpus/seed-$(basename "$seed")"; done
fi
exec "$fuzzer" -max_total_time="$seconds" -max_len="$max_len" -print_final_stats=1 -error_exitcode=1 \
  ${options[@]+"${options[@]}"} "$corpus"
