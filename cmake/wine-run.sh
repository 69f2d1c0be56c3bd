#!/usr/bin/env bash
# Runs one x86_64 Windows program under wine64, the way every Windows test and the demo run:
#   wine-run.sh [--prefix DIR] program.exe [args...]
# - the Wine prefix DIR (default: $VJD_WINEPREFIX, else ./wineprefix) is created on first use,
#   without the Mono and Gecko installers, with "宋体" and "SimSun" mapped to AR PL UMing CN;
# - the process runs under the zh_CN.UTF-8 locale, so GetACP() is 936 (GBK);
# - WINEDEBUG is quiet unless the caller set it;
# - without a DISPLAY, a private Xvfb display is started for this one program.
set -euo pipefail

prefix=${VJD_WINEPREFIX:-$PWD/wineprefix}
if [ "${1:-}" = "--prefix" ]; then prefix=$2; shift 2; fi
[ $# -ge 1 ] || { echo "usage: wine-run.sh [--prefix DIR] program.exe [args...]" >&2; exit 2; }

wine=/usr/lib/wine/wine64
[ -x "$wine" ] || wine=$(command -v wine64 || true)
[ -n "$wine" ] || { echo "wine-run.sh: wine64 is not installed (run tools/setup.sh)" >&2; exit 2; }

# The face that stands in for "宋体" and "SimSun": Debian's fonts-arphic-uming, unless
# VJD_SONG_FONT names another installed face (to compare how a font draws the dialogs).
vjd_song_font=${VJD_SONG_FONT:-AR PL UMing CN}

export WINEPREFIX=$prefix WINEARCH=win64
export WINEDEBUG=${WINEDEBUG:--all}
export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
export WINEDLLOVERRIDES="mscoree,mshtml=${WINEDLLOVERRIDES:+;$WINEDLLOVERRIDES}"

if [ -z "${DISPLAY:-}" ]; then
  # No display: run this one program in a private Xvfb and stop it afterwards.
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" --prefix "$prefix" "$@"
fi

# The prefix's set-up, stamped with its version and font: a prefix made by an older set-up or
# with another font is brought up to date on its next use, so kept build folders stay right.
setup_stamp="2 $vjd_song_font"
mkdir -p "$(dirname "$prefix")"
(
  flock 9
  if [ "$(cat "$prefix/.vjd-ready" 2>/dev/null)" != "$setup_stamp" ]; then
    [ -f "$prefix/system.reg" ] || "$wine" wineboot -i >/dev/null 2>&1 || true
    # The dialogs' "宋体" 9 pt: a Song/Ming face whose glyphs fit the text cell (a Hei face such
    # as WenQuanYi Zen Hei overflows it, and the controls cut the tops and bottoms off).
    for face in '宋体' 'SimSun'; do
      "$wine" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /d "$vjd_song_font" /f \
        >/dev/null 2>&1
    done
    /usr/lib/wine/wineserver -w 2>/dev/null || wineserver -w 2>/dev/null || true
    echo "$setup_stamp" >"$prefix/.vjd-ready"
  fi
) 9>"$prefix.lock"

exec "$wine" "$@"
