#!/usr/bin/env bash
# Two programs store into one configuration file at the same moment, and nothing is lost: every
# kind is there once with its last value, the kind both store is there once, and vjdcfg check
# finds the file clean.  The writers: the configuration window's store (500 rounds, each storing
# the shared kind and a new kind of its own), vjdcfg load run in-process (500 loads, the same
# rounds), the two side by side, and the vjdcfg program itself (two processes at a time, each
# loading a document of new kinds and the shared kind, several times).  Beside the Windows
# programs, the native vjdcfg program too (a Linux script beside a host under Wine), loading
# small documents while the Windows window's store runs, when VJD_NATIVE_VJDCFG names it.
#   two_writers.sh WORK-FOLDER [RUNNER...] RACE_WRITER VJDCFG
# RUNNER is how a program runs (wine-run.sh and its options for the Windows programs).
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/expect.sh"
in_work_folder "$@"
shift
race=${*: -2:1}
vjdcfg=${*: -1:1}
runner=("${@:1:$#-2}")
rounds=500

# race NAME "WRITER-A ARGS" "WRITER-B ARGS": both at once into NAME.cfg, then the checks.
race() {
  local name=$1 a=$2 b=$3
  rm -f "$name.cfg"
  # shellcheck disable=SC2086
  ${runner[@]+"${runner[@]}"} "$race" $a >"$name-a.out" 2>&1 &
  local first=$!
  # shellcheck disable=SC2086
  ${runner[@]+"${runner[@]}"} "$race" $b >"$name-b.out" 2>&1
  local second=$?
  wait $first
  expect "$name: the first writer stored every round" test $? -eq 0
  expect "$name: the second writer stored every round" test $second -eq 0
  ${runner[@]+"${runner[@]}"} "$race" verify "$name.cfg" $rounds A B >"$name-verify.out" 2>&1
  expect "$name: every kind once with its last value, and a clean file" test $? -eq 0
  cat "$name-a.out" "$name-b.out" "$name-verify.out" | head -20 >&2
}

race window "window window.cfg A $rounds" "window window.cfg B $rounds"
race vjdcfg "vjdcfg vjdcfg.cfg A $rounds" "vjdcfg vjdcfg.cfg B $rounds"
race mixed "window mixed.cfg A $rounds" "vjdcfg mixed.cfg B $rounds"

# The vjdcfg program: each load adds 250 new kinds and stores the shared one.
per_load=250
for tag in A B; do
  ${runner[@]+"${runner[@]}"} "$race" documents $tag $rounds $per_load
done
program() {  # program TAG: the loads of one writer, one after another
  for ((first = 0; first < rounds; first += per_load)); do
    ${runner[@]+"${runner[@]}"} "$vjdcfg" --wait 30 load program.cfg "doc-$1-$first.json" ||
      return 1
  done
}
rm -f program.cfg
program A >program-a.out 2>&1 &
first_writer=$!
program B >program-b.out 2>&1
second_status=$?
wait $first_writer
expect "program: the first vjdcfg stored every document" test $? -eq 0
expect "program: the second vjdcfg stored every document" test $second_status -eq 0
${runner[@]+"${runner[@]}"} "$race" verify program.cfg $rounds A B >program-verify.out 2>&1
expect "program: every kind once with its last value" test $? -eq 0
${runner[@]+"${runner[@]}"} "$vjdcfg" check program.cfg >program-check.out 2>&1
expect "program: vjdcfg check finds the file clean" test $? -eq 0
grep -v "stored 251 kind" program-a.out program-b.out program-verify.out | head -20 >&2

# The native vjdcfg program against the Windows window's store under Wine: the native lock and
# wineserver's must meet.
native=${VJD_NATIVE_VJDCFG:-}
if [ ${#runner[@]} -gt 0 ] && [ -x "$native" ]; then
  per_mixed=5
  mkdir -p linux && (cd linux && ${runner[@]+"${runner[@]}"} "$race" documents A $rounds $per_mixed)
  rm -f linux.cfg
  ${runner[@]+"${runner[@]}"} "$race" window linux.cfg B $rounds >linux-b.out 2>&1 &
  windows_writer=$!
  for ((i = 0; i < 400; i++)); do  # the Windows writer has begun
    [ "$(stat -c %s linux.cfg 2>/dev/null || echo 0)" -ge $((4 * 1062)) ] && break
    sleep 0.05
  done
  linux_status=0
  for ((first = 0; first < rounds; first += per_mixed)); do
    "$native" --wait 30 load linux.cfg "linux/doc-A-$first.json" >>linux-a.out 2>&1 ||
      linux_status=1
  done
  wait $windows_writer
  expect "linux: the Windows window's store stored every round" test $? -eq 0
  expect "linux: the native vjdcfg stored every document" test $linux_status -eq 0
  ${runner[@]+"${runner[@]}"} "$race" verify linux.cfg $rounds A B >linux-verify.out 2>&1
  expect "linux: every kind once with its last value, and a clean file" test $? -eq 0
  grep -v "stored 6 kind" linux-a.out linux-b.out linux-verify.out | head -20 >&2
elif [ ${#runner[@]} -gt 0 ]; then
  echo "the race against the native vjdcfg is skipped: VJD_NATIVE_VJDCFG names no program" >&2
fi

finish
