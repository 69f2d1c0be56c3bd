#!/usr/bin/env bash
# Runs one Windows program, x86_64 or i686, under Wine, the way every Windows test and the demo run:
#   wine-run.sh [--prefix DIR] program.exe [args...]
#   wine-run.sh --check program.exe      only says whether this machine can run the program's ABI
#   wine-run.sh --prefix DIR --stop      ends the prefix's server and its programs, and waits for
#                                        them (whoever started a display stops its prefix's
#                                        server before the display)
# - wine64 runs both: it hands an i686 program over to Wine's 32-bit loader (Debian's wine32), in
#   the same prefix.  A machine whose kernel runs no 32-bit x86 code (some sandboxes and virtual
#   machines) refuses that loader: i686 programs end there with status 77, which the tests count
#   as skipped, and say why;
# - the Wine prefix DIR (default: $VJD_WINEPREFIX, else ./wineprefix) is created on first use,
#   without the Mono and Gecko installers, with "宋体" and "SimSun" mapped to AR PL UMing CN.
#   Each build folder has its own prefix, so each ABI has its own: the two ABIs' tests run side by
#   side on two displays, and one prefix's Wine server keeps one focus, one foreground window and
#   one capture for all its programs, which would let one run's real input reach the other's;
# - one Wine server per prefix, started before the program and kept for ten idle minutes, so the
#   programs of a run follow each other on one server.  Left to itself, Debian's wine starts a
#   server that leaves the moment its last program ends; the next program, started in that
#   moment, waits seconds for it to go, or connects to it just before it goes and ends at once,
#   without a word and before its main;
# - the process runs under the zh_CN.UTF-8 locale, so GetACP() is 936 (GBK);
# - WINEDEBUG is quiet unless the caller set it, except for the loader's errors (a DLL that is
#   missing or of the other ABI), which say why a program did not start;
# - without a DISPLAY, a private Xvfb display is started for this one program;
# - when the program cannot be started at all (Wine or its 32-bit loader missing, a prefix that
#   cannot be made, a display that does not answer, no Wine server), it says why on stderr and
#   ends with status 125.
set -euo pipefail

prefix=${VJD_WINEPREFIX:-$PWD/wineprefix}
if [ "${1:-}" = "--prefix" ]; then prefix=$2; shift 2; fi
mode=run
case "${1:-}" in --check | --stop) mode=${1#--}; shift ;; esac
[ $# -ge 1 ] || [ "$mode" = stop ] ||
  { echo "usage: wine-run.sh [--prefix DIR] [--check | --stop] program.exe [args...]" >&2; exit 2; }
program=${1:-}

cannot_start() {
  echo "wine-run.sh: $program cannot start: $*" >&2
  exit 125
}

wine=/usr/lib/wine/wine64
[ -x "$wine" ] || wine=$(command -v wine64 || true)
[ -n "$wine" ] || cannot_start "wine64 is not installed (run tools/setup.sh)"
wineserver=$(dirname "$wine")/wineserver
[ -x "$wineserver" ] || cannot_start "Wine's server $wineserver is not installed (run tools/setup.sh)"
wine32=$(dirname "$wine")/wine

if [ "$mode" = stop ]; then
  WINEPREFIX=$prefix "$wineserver" -k 2>/dev/null || true
  WINEPREFIX=$prefix "$wineserver" -w 2>/dev/null || true
  exit 0
fi

# Whether Wine's 32-bit loader starts on this machine at all.
runs_i686() { [ -x "$wine32" ] && "$wine32" --version >/dev/null 2>&1; }

# An i686 program (the PE header's machine 0x014c) needs that loader.
pe_machine() {
  local offset
  offset=$(od -An -tu4 -j60 -N4 "$1" 2>/dev/null | tr -d ' ')
  [ -n "$offset" ] && od -An -tx2 -j$((offset + 4)) -N2 "$1" 2>/dev/null | tr -d ' '
}
if [ -f "$program" ] && [ "$(pe_machine "$program" || true)" = 014c ] && ! runs_i686; then
  . "$(dirname "$0")/../tools/machine-abi.sh"
  if kernel_refuses_i386; then
    echo "wine-run.sh: $program not run: it is an i686 program, and this machine runs no 32-bit" \
      "x86 code (its kernel refuses i386 programs)" >&2
    exit 77
  fi
  [ -x "$wine32" ] || cannot_start "it is an i686 program and Wine's 32-bit loader $wine32 is" \
    "missing (Debian's wine32:i386; run tools/setup.sh)"
  cannot_start "it is an i686 program and Wine's 32-bit loader $wine32 does not start"
fi
[ "$mode" = run ] || exit 0

# The face that stands in for "宋体" and "SimSun": Debian's fonts-arphic-uming, unless
# VJD_SONG_FONT names another installed face (to compare how a font draws the dialogs).
vjd_song_font=${VJD_SONG_FONT:-AR PL UMing CN}

export WINEPREFIX=$prefix WINEARCH=win64
export WINEDEBUG=${WINEDEBUG:--all,err+module}
export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
export WINEDLLOVERRIDES="mscoree,mshtml=${WINEDLLOVERRIDES:+;$WINEDLLOVERRIDES}"

if [ -z "${DISPLAY:-}" ]; then
  # No display: run this one program in a private Xvfb and stop it afterwards.
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" --prefix "$prefix" "$@"
fi
# A display can refuse a connection for a moment while many programs connect at once (two
# programs of a race starting together): it is asked up to five times before it counts as gone.
if command -v xdpyinfo >/dev/null; then
  for attempt in 1 2 3 4 5; do
    if answer=$(timeout 10 xdpyinfo 2>&1 >/dev/null); then
      [ "$attempt" = 1 ] ||
        echo "wine-run.sh: the display $DISPLAY answered at attempt ${attempt} of 5 (the first: ${first:-no answer within 10 s})" >&2
      break
    fi
    [ "$attempt" = 1 ] && first=$answer
    [ "$attempt" = 5 ] &&
      cannot_start "the display $DISPLAY does not answer (${answer:-no answer within 10 s})"
    sleep 1
  done
fi

# The prefix, stamped with its set-up's version and font (a prefix made by an older set-up or
# with another font is brought up to date on its next use, so kept build folders stay right),
# and its server, if none runs yet: both under one lock per prefix, so the first two programs of
# a run neither make the prefix twice nor start two servers.
setup_stamp="4 $vjd_song_font"
mkdir -p "$(dirname "$prefix")"
exec 9>"$prefix.lock"
flock 9
fresh=0
[ "$(cat "$prefix/.vjd-ready" 2>/dev/null)" = "$setup_stamp" ] || fresh=1
log=$prefix.setup.log
made=1
if [ "$fresh" = 1 ]; then
  # wineboot makes the prefix (and gives one made before wine32 was installed its 32-bit half) on
  # a server of its own, as a server starts only in an existing prefix; that server leaves before
  # the lasting one starts.
  {
    "$wineserver" -k || true
    "$wineserver" -w
    "$wine" wineboot -u || made=0
    "$wineserver" -w
  } 9>&- </dev/null >"$log" 2>&1
fi
# Status 2: a server of this prefix runs already (-p600: it leaves after ten idle minutes).
"$wineserver" -p600 9>&- </dev/null >/dev/null 2>&1 && started=0 || started=$?
[ "$started" = 0 ] || [ "$started" = 2 ] || cannot_start "the Wine server of $prefix did not start"
if [ "$started" = 0 ]; then
  # The first program on a new server starts Wine's own lasting processes (services, device
  # drivers, plug and play), which keep the standard error they were given for as long as the
  # server lives: a caller that reads this program's output through a pipe (ctest) would wait for
  # them until the server leaves.  So they are started here, on no stream of the caller's.
  "$wine" cmd /c exit 0 9>&- </dev/null >/dev/null 2>&1 || true
fi
if [ "$fresh" = 1 ]; then
  # The dialogs' "宋体" 9 pt: a Song/Ming face whose glyphs fit the text cell (a Hei face such as
  # WenQuanYi Zen Hei overflows it, and the controls cut the tops and bottoms off).
  for face in '宋体' 'SimSun'; do
    "$wine" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /d "$vjd_song_font" /f \
      9>&- </dev/null >>"$log" 2>&1 || made=0
  done
  # The caption buttons' glyphs come from Marlett, which this Wine looks for in the prefix's own
  # Fonts folder only, not among the fonts of its package: without it they show as letters.
  marlett=/usr/share/wine/fonts/marlett.ttf
  if [ -f "$marlett" ] && [ -d "$prefix/drive_c/windows/Fonts" ]; then
    cp -f "$marlett" "$prefix/drive_c/windows/Fonts/" || made=0
  fi
  if [ "$made" = 0 ] || [ ! -d "$prefix/drive_c/windows/system32" ] ||
     { [ ! -d "$prefix/drive_c/windows/syswow64" ] && runs_i686; }; then
    cannot_start "the Wine prefix $prefix could not be set up (see $log)"
  fi
  echo "$setup_stamp" >"$prefix/.vjd-ready"
fi
exec 9>&-

exec "$wine" "$@"
