#!/usr/bin/env bash
# Runs every test of the project and ends with one line "N passed, N failed[, N skipped]" over
# all of them.  Installs what is missing, configures the builds, then, in this order:
#   win64   builds (x86_64); its tests run under wine64 on a display of their own while the rest
#           is built: they wait on windows far more than they compute;
#   win32   builds (i686, the host's own ABI) and runs its tests the same way, on another display.
#           On a machine whose kernel runs no 32-bit x86 code, or where Wine's 32-bit half could
#           not be installed (tools/setup.sh says why), nothing of it is built (the package
#           below compiles and links the i686 plug-in): its tests are reported as skipped, with
#           the reason, as their runs would be;
#   native  builds (Linux: the portable code, the fuzz targets) and runs its tests, while beside it
#   package builds the package a person installs (win32-release: the plug-in and what it links,
#           then the zip) and checks it.
# Before the closing line, a table says when each step began and how long it took (build/phases).
set -uo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
start=$(date +%s)
mkdir -p build
: >build/phases

# phase NAME COMMAND...: runs COMMAND and notes when it began and ended.
phase() {
  local name=$1 begin status
  shift
  begin=$(date +%s)
  "$@"
  status=$?
  echo "$name $((begin - start)) $(($(date +%s) - start))" >>"$top/build/phases"
  return $status
}

phase installs "$top/tools/setup.sh" || { echo "setup failed"; echo "0 passed, 1 failed"; exit 1; }

jobs=$(nproc 2>/dev/null || echo 2)
presets=(native win64 win32)
broken=()

# A kernel without 32-bit support refuses Wine's 32-bit loader, and with it every i686 program.
. "$top/tools/machine-abi.sh"
win32_not_run=""
if kernel_refuses_i386; then
  win32_not_run="this machine runs no 32-bit x86 code (its kernel refuses i386 programs)"
elif ! dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q 'install ok installed'; then
  # The set-up could not install it (it said why in its last line, and left the reason here).
  win32_not_run=$(cat build/wine32-missing.txt 2>/dev/null ||
    echo "Wine's 32-bit half (wine32:i386) is not installed")
  win32_not_run=${win32_not_run//;/,}  # one CMake value
fi
[ -z "$win32_not_run" ] || echo "test: the win32 build is not built, its tests are skipped: $win32_not_run"

configure() {
  local p=$1 log=build/$1.log extra=()
  [ "$p" = win32 ] && extra=("-DVJD_NOT_RUN_HERE=$win32_not_run")
  [ "$p" = win32-release ] && log=build/package.log
  cmake --preset "$p" "${extra[@]}" >"$log" 2>&1 ||
    { echo "configuring $p failed:"; tail -40 "$log"; broken+=("$p"); return 1; }
}

build() {
  local p=$1
  [[ " ${broken[*]} " == *" $p "* ]] && return 1
  echo "== build $p ($(date +%T))"
  phase "build-$p" cmake --build --preset "$p" -j "$jobs" >>"build/$p.log" 2>&1 ||
    { echo "build of $p failed:"; tail -40 "build/$p.log"; broken+=("$p"); return 1; }
}

# A Wine prefix takes a while to make: each Windows build's is made in the background while the
# builds run (its server is stopped again, so that the tests start one on their own display).
declare -A prefix_job=()
prepare_prefix() {
  local prefix="$top/build/$1/wineprefix"
  { "$top/cmake/wine-run.sh" --prefix "$prefix" cmd /c exit 0 >/dev/null 2>&1
    "$top/cmake/wine-run.sh" --prefix "$prefix" --stop; } &
  prefix_job[$1]=$!
}

# A Windows build's tests, in the background, on a display and a Wine server of their own: those
# that open windows one at a time, beside them those that open none and the end-to-end scripts
# (which bring their own display); see vjd_share_display in cmake/vjd.cmake.
windows_tests() {
  local p=$1
  wait "${prefix_job[$p]}" 2>/dev/null
  (
    prefix="$top/build/$p/wineprefix"
    xvfb_pid=""
    trap 'WINEPREFIX="$prefix" /usr/lib/wine/wineserver -k 2>/dev/null; [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null' EXIT
    . "$top/tools/private-display.sh"
    start_private_display 90 120 || echo "test: no free display number: each Windows program starts its own" >&2
    export VJD_WINEPREFIX=$prefix
    "$top/cmake/wine-run.sh" --prefix "$prefix" cmd /c exit 0 >/dev/null 2>&1
    WINEPREFIX="$prefix" /usr/lib/wine/wineserver -p 2>/dev/null
    phase "test-$p" ctest --preset "$p" -j 3 --output-junit "$top/build/$p/ctest-junit.xml"
  ) >"build/$p.test.log" 2>&1 &
}

native_tests() {
  phase test-native ctest --preset native -j "$jobs" --output-junit "$top/build/native/ctest-junit.xml" \
    >build/native.test.log 2>&1 &
}

# The package: an optimised i686 plug-in in its zip, checked as it is shipped.  It builds beside
# the native build, so that the two keep both cores busy to their ends.
package() {
  [[ " ${broken[*]} " == *" win32-release "* ]] && return
  echo "== package win32-release ($(date +%T))"
  if phase build-package cmake --build --preset package -j "$jobs" >>build/package.log 2>&1; then
    ctest --preset package --output-junit "$top/build/win32-release/ctest-junit.xml" \
      >build/package.test.log 2>&1
  else
    : >build/package.broken
  fi
}

rm -f build/package.broken
phase configure eval 'for p in "${presets[@]}" win32-release; do configure "$p"; done'

rm -f build/*/gtest-xml/*.xml
prepare_prefix win64
[ -n "$win32_not_run" ] || prepare_prefix win32
# The Windows builds' vjdcfg_two_writers races the native vjdcfg too: it is there before they run.
[[ " ${broken[*]} " == *" native "* ]] ||
  phase build-native-vjdcfg cmake --build --preset native -j "$jobs" --target vjdcfg >>build/native.log 2>&1
build win64 && windows_tests win64
if [ -n "$win32_not_run" ]; then
  # Nothing to build: each test says why it is skipped.
  [[ " ${broken[*]} " == *" win32 "* ]] ||
    ctest --preset win32 --output-junit "$top/build/win32/ctest-junit.xml" >build/win32.test.log 2>&1
else
  build win32 && windows_tests win32
fi
package &
build native && native_tests

wait
if [ -f build/package.broken ]; then
  echo "package build failed:"; tail -40 build/package.log; broken+=(win32-release)
fi
for p in "${presets[@]}" package; do
  [ -f "build/$p.test.log" ] || continue
  echo "== test $p"
  grep -vE '^(Authorization required|X connection to|$)' "build/$p.test.log" | tail -n 60
done

echo "== phases (seconds from the start; build/phases)"
sort -n -k2 build/phases | awk '{ printf "  %-14s %5d .. %5d  %6.1f min\n", $1, $2, $3, ($3 - $2) / 60 }'
echo "  in all $(($(date +%s) - start)) s"
python3 "$top/tools/summarize.py" "$top/build" "${presets[@]}" win32-release --broken "${broken[@]}"
