#!/usr/bin/env bash
# Takes the pictures of the user guide (docs/用户手册.html) from the real windows: the stand-in
# host program with a copy of the sample drawing, under wine64 in a private Xvfb inside Wine's
# virtual desktop (so windows have their captions), driven with xdotool as a draftsman would.
#   guide-pictures.sh OUTDIR
# writes into OUTDIR, each picture cropped to what it shows with a white margin:
#   before-push.png  the host's window before the push: the drawing, zoomed in on the two
#                    high-voltage switches (高开1, 高开2), their names above them;
#   window.png       the configuration window "标注配置" just opened (a site configuration,
#                    tools/guide-pictures.json, is loaded into the host's file first);
#   position.png     the position window "标注位置", opened with Enter on the "相对位置" cell of
#                    label 0 (名称) of "高压开关";
#   message.png      "更新标注成功！" over the configuration window, after label 0 was moved to
#                    "下二" (two steps down in the position window) and "更新标注配置到当前图形"
#                    was pressed;
#   after-push.png   the host's window after leaving: the switches' names now below them.
# Builds the win64 preset's host and plug-in first when needed (the package, an i686 build, is
# made from the same sources and templates; these pictures are taken with the win64 build).
# About 20 s on a built tree (the first run in a build folder makes its Wine prefix: 15 s more).
# Environment: VJD_BUILD_DIR (default build/win64); VJD_GUIDE_SHOTS=DIR keeps the whole screens.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
[ $# = 1 ] || { echo "usage: guide-pictures.sh OUTDIR" >&2; exit 2; }
mkdir -p "$1"
out=$(cd "$1" && pwd)
build=${VJD_BUILD_DIR:-$top/build/win64}

# The programs, as the demo builds them (an up-to-date build costs a second).
(
  cd "$top"
  if [ ! -f "$build/build.ninja" ]; then
    if [ "$build" = "$top/build/win64" ]; then
      cmake --preset win64 >/dev/null
    else
      cmake --preset win64 -B "$build" >/dev/null
    fi
  fi
  cmake --build "$build" -j "$(nproc 2>/dev/null || echo 2)" \
    --target VellJDHost VellJDParaSetting vjdcfg >/dev/null
)

. "$top/tests/e2e_kit/host_session.sh"
host_session_begin guide-pictures "$build" 301 350
prefix=$build/wineprefix-guide  # its own, stopped at the end

screen=$work/screen.png
key() { xdotool key --delay 120 "$@"; sleep 0.5; }
# The rectangle "x y w h" of the last window activated whose title is $1 (a prefix of it).
rect_of() {
  local r
  r=$(grep -aE "^activate -?[0-9]+ -?[0-9]+ [0-9]+ [0-9]+ $1" "$log" | tail -1 | cut -d' ' -f2-5)
  [ -n "$r" ] || fail "no window \"$1\" was activated"
  echo "$r"
}
# Waits until a window titled $1 is the last one activated.
wait_active() {
  for _ in $(seq 300); do
    grep -aE '^activate ' "$log" | tail -1 | grep -qE "^activate -?[0-9]+ -?[0-9]+ [0-9]+ [0-9]+ $1" &&
      { sleep 0.8; return 0; }  # and painted
    sleep 0.1
  done
  fail "the window \"$1\" did not become active"
}
# picture NAME X Y W H: that part of the screen (clipped to it), with a white margin.
picture() {
  local name=$1 x=$2 y=$3 w=$4 h=$5 margin=8
  [ "$x" -ge 0 ] || { w=$((w + x)); x=0; }
  [ "$y" -ge 0 ] || { h=$((h + y)); y=0; }
  import -window root "$screen"
  [ -z "${VJD_GUIDE_SHOTS:-}" ] || { mkdir -p "$VJD_GUIDE_SHOTS"; cp "$screen" "$VJD_GUIDE_SHOTS/$name"; }
  # PNG without dates or other chunks that change from run to run.
  convert "$screen" -crop "${w}x${h}+${x}+${y}" +repage -bordercolor white -border "$margin" \
    -define png:exclude-chunks=date,time -strip "$work/$name"
  mv "$work/$name" "$out/$name"
}
# The smallest rectangle holding the two rectangles "x y w h" $1..$4 and $5..$8.
union() {
  local x=$(($1 < $5 ? $1 : $5)) y=$(($2 < $6 ? $2 : $6))
  local r=$(($1 + $3 > $5 + $7 ? $1 + $3 : $5 + $7)) b=$(($2 + $4 > $6 + $8 ? $2 + $4 : $6 + $8))
  echo "$x $y $((r - x)) $((b - y))"
}

# A site's configuration in the host's file, so the window shows real label texts and the
# drawing's labels follow it.
cfg=$hostdir/机电数据库/机电配置.cfg
"$top/cmake/wine-run.sh" --prefix "$prefix" "$bin/vjdcfg.exe" load "$(winpath "$cfg")" \
  "$(winpath "$top/tools/guide-pictures.json")" >"$work/vjdcfg.log" 2>&1 ||
  fail "the configuration could not be loaded: $(cat "$work/vjdcfg.log")"

"$top/cmake/wine-run.sh" --prefix "$prefix" explorer /desktop=VellJD,1280x1024 \
  "$(winpath "$hostdir/VellJDHost.exe")" --batch --log "$(winpath "$log")" \
  "$(winpath "$drawing")" >/dev/null 2>&1 &
host_pid=$!
wait_for '^ready 33$' 150
read -r hx hy hw hh < <(rect_of 'VellJD 供电制图')

# The drawing, zoomed in on its left part, from the central substation (entity 1) to the two
# high-voltage switches (2 and 3), around an empty point left of the substation, halfway down to
# the second switch; a click there takes the focus from the command line, whose caret blinks.
read -r x1 y1 < <(where "entity 1")
read -r x3 y3 < <(where "entity 3")
zx=$((x1 - 40)) zy=$(((y1 + y3) / 2))
click_at "$zx" "$zy"
xdotool click --repeat 2 --delay 200 4
xdotool mousemove 1270 1010  # off every window: no tooltip
sleep 1
picture before-push.png "$hx" "$hy" "$hw" "$hh"

type_command ps
wait_for '^launch 1$'
wait_active '标注配置'
xdotool mousemove 1270 1010
read -r wx wy ww wh < <(rect_of '标注配置')
picture window.png "$wx" "$wy" "$ww" "$wh"

key Tab Down                        # the symbol list: "高压配电箱" -> "高压开关"
key Tab Home                        # the grid, label 0 (名称)
key Right Right Right Right Return  # its position: the position window opens on "上一"
wait_active '标注位置'
read -r px py pw ph < <(rect_of '标注位置')
picture position.png "$px" "$py" "$pw" "$ph"
key Down Down                       # past the symbol to "下一", then "下二" below it
key Return
wait_active '标注配置'
key shift+Tab shift+Tab shift+Tab shift+Tab  # back past the lists to "退出", then the push
key Return                          # 更新标注配置到当前图形
wait_for '^update-entities 2 3$'
wait_active 'VellJDParaSetting'
read -r mx my mw mh < <(rect_of 'VellJDParaSetting')
picture message.png $(union "$wx" "$wy" "$ww" "$wh" "$mx" "$my" "$mw" "$mh")
key Return                          # answers "更新标注成功！"
key Escape                          # leaves the window
wait_for '^command 0 0$'
wait_active 'VellJD 供电制图'
click_at "$zx" "$zy"                # the focus back on the drawing
xdotool mousemove 1270 1010
sleep 1
picture after-push.png "$hx" "$hy" "$hw" "$hh"

key alt+F4
wait_for '^exit$'
wait_for_host_end

# The push stored what the pictures say: label 0 of "高压开关" at "下二" (code 12).
python3 - "$cfg" <<'PY' || fail "the configuration stored is not the one the pictures show"
import struct, sys
data = open(sys.argv[1], "rb").read()
records = [data[i:i + 1062] for i in range(0, len(data) - 1061, 1062)]
mine = [r for r in records if r[:50].split(b"\0")[0] == "高压开关".encode("gbk")]
assert len(mine) == 1 and struct.unpack_from("<i", mine[0], 486)[0] == 12
PY
ls "$out"/{before-push,window,position,message,after-push}.png
