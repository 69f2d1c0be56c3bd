#!/usr/bin/env bash
# The vjdcfg program itself, with a Chinese file name on its command line: load sample.json into a
# new file, dump it (the same text, byte for byte), load the dump into another file (the same
# bytes), check and list it, dry-run the load of an edit and diff the file with its dump; a refused
# load leaves the file alone; repair will not write over its input; a bad command line fails;
# writing to a full disk fails.
#   program_round_trip.sh WORK-FOLDER COMMAND...   (the native program, or wine-run.sh and the .exe)
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/expect.sh"
in_work_folder "$@"
shift
tool=("$@")

cp "$here/sample.json" sample.json
"${tool[@]}" load 机电配置.cfg sample.json >load.out 2>load.err
expect "load exits 0" test $? -eq 0
expect "load stores three kinds" grep -q "stored 3 kind(s), 0 in place, 3 appended" load.out
"${tool[@]}" dump 机电配置.cfg >dump.json 2>dump.err
expect "dump exits 0" test $? -eq 0
expect "dump gives back the JSON loaded, byte for byte" cmp sample.json dump.json
"${tool[@]}" load copy.cfg dump.json >/dev/null 2>&1
expect "the dump loads into an empty file" test $? -eq 0
expect "the copy has the same bytes" cmp 机电配置.cfg copy.cfg
expect "three records" test "$(stat -c %s copy.cfg)" -eq $((3 * 1062))
"${tool[@]}" check copy.cfg >check.out 2>&1
expect "check passes the copy" test $? -eq 0
expect "check says so" grep -qx "copy.cfg: 3 record(s), no problems" check.out
"${tool[@]}" list copy.cfg >list.out 2>&1
printf '%s\t%s\t%s\t%s\n' 0 '"高压开关"' 3 '"开关编号" "额定电压 10kV" "乗\"引号\"\\反斜杠"' >list.expected
printf '%s\t%s\t%s\n' 1 '"短路点"' 0 >>list.expected
printf '%s\t%s\t%s\t%s\n' 2 '"电动机"' 1 '"€ 5e-324"' >>list.expected
expect "list shows index, kind, count and texts" cmp list.expected list.out
sed 's/"position": 16/"position": 15/' sample.json >moved.json
"${tool[@]}" load --dry-run copy.cfg moved.json >dry.out 2>&1
expect "a dry run exits 0" test $? -eq 0
expect "it shows the changed field" grep -qx '  "高压开关"\[2\]\.position: 16 -> 15' dry.out
expect "it writes nothing" cmp 机电配置.cfg copy.cfg
"${tool[@]}" diff copy.cfg sample.json >diff.out 2>&1
expect "diff finds a file and its dump the same" test $? -eq 0

sed 's/"position": 16/"position": 25/' sample.json >bad.json
cp 机电配置.cfg before.cfg
"${tool[@]}" load 机电配置.cfg bad.json >bad.out 2>bad.err
expect "a bad JSON is refused with status 1" test $? -eq 1
expect "the message names kind, slot and field" \
  grep -q 'kinds\[0\] "高压开关", slot 2, field "position": 25 is outside 0..24' bad.err
expect "the refused load leaves the file alone" cmp before.cfg 机电配置.cfg
"${tool[@]}" repair 机电配置.cfg -o ./机电配置.cfg >/dev/null 2>&1
expect "repair refuses to write over its input" test $? -eq 1
expect "and leaves it alone" cmp before.cfg 机电配置.cfg
"${tool[@]}" frobnicate 机电配置.cfg >bogus.out 2>&1
status=$?
expect "a bad command line fails" test $status -ne 0 -a $status -ne 1 -a $status -ne 2
expect "naming the unknown command" grep -q 'unknown command "frobnicate"' bogus.out
"${tool[@]}" --version >version.out 2>&1
expect "--version says the project's version" grep -qx "vjdcfg [0-9]*\.[0-9]*\.[0-9]*" version.out

# What goes to standard output is checked to the last byte: a dump to a full disk is no backup.
for command in dump list check; do
  "${tool[@]}" $command copy.cfg >/dev/full 2>full.err
  status=$?
  expect "$command to a full disk fails with status 2" test $status -eq 2
  expect "$command to a full disk says so" grep -q "cannot write to standard output" full.err
done
expect "no other file is left" test "$(ls | grep -c vjdcfg-)" -eq 0

finish
