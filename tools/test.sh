#!/usr/bin/env bash
# Runs every test of the project: installs what is missing, configures and builds the three
# builds (native, win64, win32), runs their tests (the win64 ones under wine64 inside one Xvfb
# display), builds the package a person installs (win32-release: the plug-in and what it links,
# then the zip) and checks it, and ends with one line "N passed, N failed[, N skipped]" over all
# of them.
set -uo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"

"$top/tools/setup.sh" || { echo "setup failed"; echo "0 passed, 1 failed"; exit 1; }

jobs=$(nproc 2>/dev/null || echo 2)
presets=(native win64 win32)
broken=()

# A kernel without 32-bit support refuses Wine's 32-bit loader, and with it every i686 program:
# there the win32 build makes its plug-in and stand-ins but not its test programs, whose tests
# are reported as skipped with the reason, as their runs would be.
. "$top/tools/machine-abi.sh"
win32_not_run=""
if kernel_refuses_i386; then
  win32_not_run="this machine runs no 32-bit x86 code (its kernel refuses i386 programs)"
  echo "test: the win32 build's tests are skipped: $win32_not_run"
fi

for p in "${presets[@]}"; do
  echo "== build $p ($(date +%T))"
  extra=()
  [ "$p" = win32 ] && extra=("-DVJD_NOT_RUN_HERE=$win32_not_run")
  if ! { cmake --preset "$p" "${extra[@]}" >"build-$p.log" 2>&1 || { mkdir -p build && false; }; } ||
     ! cmake --build --preset "$p" -j "$jobs" >>"build-$p.log" 2>&1; then
    echo "build of $p failed:"; tail -40 "build-$p.log"; broken+=("$p")
  fi
  mkdir -p build; mv -f "build-$p.log" "build/$p.log" 2>/dev/null
done

# One display and one Wine server for the whole run.
xvfb_pid=""
cleanup() {
  WINEPREFIX="$top/build/win64/wineprefix" /usr/lib/wine/wineserver -k 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
}
trap cleanup EXIT
. "$top/tools/private-display.sh"
start_private_display 90 120 || echo "test: no free display number: each Windows program starts its own" >&2
export VJD_WINEPREFIX="$top/build/win64/wineprefix"

for p in "${presets[@]}"; do
  [[ " ${broken[*]} " == *" $p "* ]] && continue
  echo "== test $p ($(date +%T))"
  rm -f "build/$p/gtest-xml/"*.xml
  if [ "$p" = win64 ]; then
    "$top/cmake/wine-run.sh" --prefix "$VJD_WINEPREFIX" cmd /c exit 0 >/dev/null 2>&1
    WINEPREFIX="$VJD_WINEPREFIX" /usr/lib/wine/wineserver -p 2>/dev/null
  fi
  ctest --preset "$p" -j "$jobs" --output-junit "$top/build/$p/ctest-junit.xml" 2>&1 |
    grep -vE '^(Authorization required|X connection to|$)' | tail -n 60
done

# The package: an optimised i686 plug-in in its zip, checked as it is shipped.
echo "== package win32-release ($(date +%T))"
if { cmake --preset win32-release >build/package.log 2>&1 || { mkdir -p build && false; }; } &&
   cmake --build --preset package -j "$jobs" >>build/package.log 2>&1; then
  ctest --preset package --output-junit "$top/build/win32-release/ctest-junit.xml" 2>&1 |
    grep -vE '^$' | tail -n 20
else
  echo "package build failed:"; tail -40 build/package.log; broken+=(win32-release)
fi

python3 "$top/tools/summarize.py" "$top/build" "${presets[@]}" win32-release --broken "${broken[@]}"
