#!/usr/bin/env bash
# The vjdcfg program's writes against a crash, a full disk and a file system without locks, with
# strace standing in for each (no seam in the program):
# - a load killed at each of its writes to the file and its journal, one after another, leaves,
#   once the next command has run, the old file or the new one, byte for byte, and no journal;
# - a load whose write meets a full disk (ENOSPC at each of its writes) fails with status 2,
#   names the reason and the file, and leaves the file byte for byte, and no journal;
# - natively, where the system answers that it keeps no locks (ENOLCK): reads go on, a load is
#   refused naming the reason and creates nothing, and goes on with --no-lock.
#   crash_and_full_disk.sh WORK-FOLDER COMMAND...   (the native program, or wine-run.sh and the .exe)
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/expect.sh"
in_work_folder "$@"
shift
tool=("$@")
wine=false
[ "$(basename "$1")" = wine-run.sh ] && wine=true
if ! command -v strace >/dev/null || ! strace -qq -o /dev/null true 2>/dev/null; then
  echo "strace is missing (tools/setup.sh installs it) or may not trace here: skipped"
  exit 77
fi

# The load: every kind of the sample changed, and one appended.
cp "$here/sample.json" sample.json
sed -e 's/"text": "/"text": "改/g' \
  -e 's/"kinds": \[/"kinds": [{"kind": "新增", "count": 0, "slots": []}, /' sample.json >doc.json
if ! "${tool[@]}" load old.cfg sample.json >setup.out 2>&1 || ! cp old.cfg new.cfg ||
  ! "${tool[@]}" load new.cfg doc.json >>setup.out 2>&1 || cmp -s old.cfg new.cfg; then
  cat setup.out >&2
  echo "the old and the new file could not be made"
  exit 1
fi

# load_traced STRACE-OPTIONS...: the load of doc.json into f.cfg (a copy of old.cfg), under strace
# with the options, its writes to the file and its journal the only calls counted.
load_traced() {
  cp old.cfg f.cfg
  strace -f -qq -o /dev/null "$@" -P "$PWD/f.cfg" -P "$PWD/f.cfg-journal" \
    "${tool[@]}" load f.cfg doc.json
}
old_or_new() { cmp -s f.cfg old.cfg || cmp -s f.cfg new.cfg; }

for ((n = 1; n <= 40; n++)); do
  load_traced -e trace=write,pwrite64 -e inject=write,pwrite64:signal=SIGKILL:when=$n \
    >kill.out 2>&1
  status=$?
  "${tool[@]}" check f.cfg >next.out 2>&1
  expect "killed at write $n (status $status): the next command finds the old file or the new" \
    old_or_new
  expect "killed at write $n: no journal is left" test ! -e f.cfg-journal
  [ $status -eq 0 ] && break
done
expect "the load was killed at each of its writes (at least 4), then went through" \
  test $n -ge 5 -a $status -eq 0
expect "the load that went through wrote the new file" cmp f.cfg new.cfg

for ((n = 1; n <= 40; n++)); do
  load_traced -e trace=write,pwrite64 -e inject=write,pwrite64:error=ENOSPC:when=$n \
    >full.out 2>&1
  status=$?
  [ $status -eq 0 ] && break
  expect "a full disk at write $n: status 2" test $status -eq 2
  expect "a full disk at write $n: the message names it and the file" \
    grep -q "f.cfg.*no space left on the device\|no space left on the device.*f.cfg" full.out
  expect "a full disk at write $n: the file is as it was, byte for byte" cmp -s f.cfg old.cfg
  expect "a full disk at write $n: no journal is left" test ! -e f.cfg-journal
done
expect "the disk was full at each write (at least 4), then the load went through" \
  test $n -ge 5 -a $status -eq 0
cat full.out kill.out next.out | head -5 >&2

if ! $wine; then
  # The file locks of Windows programs are wineserver's, which keeps its own where the system
  # keeps none: this part is for the native program.
  # no_locks FILE COMMAND...: the lock on FILE is refused as unsupported (its first three fcntl
  # calls open it; the fourth takes the lock).
  no_locks() {
    local file=$1
    shift
    strace -f -qq -o /dev/null -e trace=fcntl -e inject=fcntl:error=ENOLCK:when=4+ \
      -P "$PWD/$file" "$@"
  }
  no_locks old.cfg "${tool[@]}" list old.cfg >list.out 2>list.err
  expect "without locks a reader goes on" test $? -eq 0 -a -s list.out
  expect "and says it reads without one" grep -q "keeps no locks; read without one" list.err
  no_locks missing.cfg "${tool[@]}" load missing.cfg doc.json >load.out 2>load.err
  expect "without locks a load is refused with status 2" test $? -eq 2
  expect "naming the reason" grep -q "cannot lock missing.cfg: its file system keeps no locks" load.err
  expect "and creating nothing" test ! -e missing.cfg -a ! -e missing.cfg-journal
  cp old.cfg f.cfg
  no_locks f.cfg "${tool[@]}" --no-lock load f.cfg doc.json >load.out 2>load.err
  expect "--no-lock loads without one" test $? -eq 0
  expect "and writes the new file" cmp f.cfg new.cfg
fi

finish
