#!/usr/bin/env bash
# The demo: installs what is missing, builds the win64 preset and runs the stand-in host program
# with the sample mine drawing under wine64.
#   - with a display ($DISPLAY set): the host opens on it for a person to use; type "ps" (or
#     "paraset") on its command line, or use the menu "供电辅助制图", to open the configuration
#     window; the demo ends when the host is closed;
#   - without one: the host runs in a private Xvfb inside Wine's virtual desktop, launches the
#     command by itself, writes a screenshot with the configuration window open to build/demo.png
#     and exits.
# Environment: VJD_BUILD_DIR (default build/win64), VJD_DEMO_PNG (default build/demo.png),
# VJD_DEMO_HEADLESS=1 to take the screenshot even when a display is there.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
build=${VJD_BUILD_DIR:-$top/build/win64}
png=${VJD_DEMO_PNG:-$top/build/demo.png}

"$top/tools/setup.sh" --x86-64-only
if [ "$build" = "$top/build/win64" ]; then
  cmake --preset win64 >/dev/null
else
  cmake --preset win64 -B "$build" >/dev/null
fi
cmake --build "$build" -j "$(nproc 2>/dev/null || echo 2)" --target VellJDHost VellJDParaSetting
bin=$build/bin
prefix=$build/wineprefix-demo
winpath() { echo "Z:${1//\//\\}"; }
drawing=$(winpath "$bin/sample/sample-mine.vjd")

if [ -n "${DISPLAY:-}" ] && [ "${VJD_DEMO_HEADLESS:-0}" != 1 ]; then
  echo "demo: the host opens on $DISPLAY; type ps on its command line to start the command"
  exec "$top/cmake/wine-run.sh" --prefix "$prefix" "$bin/VellJDHost.exe" "$drawing"
fi

# Headless: a private Xvfb, Wine's virtual desktop (so windows have their captions), the command
# launched by the host itself, a screenshot, and the host leaves by itself.
work=$(mktemp -d /tmp/vjd-demo.XXXXXX)
xvfb_pid=""
cleanup() {
  WINEPREFIX=$prefix /usr/lib/wine/wineserver -k 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
. "$top/tools/private-display.sh"
start_private_display 200 250 || { echo "demo: no free display number" >&2; exit 1; }

log=$work/host.log
shot=$work/demo.bmp
timeout 300 "$top/cmake/wine-run.sh" --prefix "$prefix" explorer /desktop=VellJD,1280x1024 \
  "$(winpath "$bin/VellJDHost.exe")" --batch --log "$(winpath "$log")" --launch \
  --screenshot "$(winpath "$shot")" --exit "$drawing" >/dev/null 2>&1 &
wine_pid=$!
for _ in $(seq 2400); do
  grep -q '^exit$' "$log" 2>/dev/null && break
  kill -0 "$wine_pid" 2>/dev/null || break
  sleep 0.1
done
sleep 1
kill "$wine_pid" 2>/dev/null || true
if [ ! -s "$shot" ]; then
  echo "demo: no screenshot was written; the host's log:" >&2
  cat "$log" >&2 2>/dev/null || true
  exit 1
fi
mkdir -p "$(dirname "$png")"
convert "$shot" "$png"
grep -E '^(error|launch|screenshot) ' "$log" || true
echo "demo: screenshot written to $png"
