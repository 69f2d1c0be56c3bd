#!/usr/bin/env bash
# Runs the record reader fuzzer for a bounded time: run_fuzzer.sh fuzzer corpus-dir seconds.
# The corpus folder starts with a few seeds (empty, one record, a record and a partial one) and
# keeps what the fuzzer finds, so later runs start from there.
set -euo pipefail
fuzzer=$1 corpus=$2 seconds=${3:-20}
mkdir -p "$corpus"
if [ -z "$(ls -A "$corpus")" ]; then
  : > "$corpus/empty"
  head -c 1062 /dev/zero > "$corpus/one-record"
  head -c 1500 /dev/urandom > "$corpus/partial"
fi
exec "$fuzzer" -max_total_time="$seconds" -max_len=6000 -print_final_stats=1 "$corpus"
