#!/usr/bin/env bash
# End to end: the host program under Wine on a private Xvfb display, driven by real mouse clicks
# and key strokes (xdotool).  It opens a copy of the sample drawing, launches the plug-in's command
# from the command line ("ps"), presses "选择实体", picks two motors with the mouse, ends the pick
# with the right button, leaves with "退出", saves with the command line and quits; then checks
# the host's event log and the saved drawing.
#   host_e2e.sh BUILD_DIR
# To extend it: add steps between launch and "退出" with click_control / click_entity and check
# what they log.
set -euo pipefail
build=$(cd "$1" && pwd)
bin=$build/bin
top=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d /tmp/vjd-host-e2e.XXXXXX)
log=$work/host.log
prefix=$build/wineprefix-e2e
winpath() { echo "Z:${1//\//\\}"; }
fail() { echo "host_e2e: $*" >&2; echo "--- host log:" >&2; cat "$log" >&2 2>/dev/null || true; exit 1; }

cp "$bin/sample/sample-mine.vjd" "$work/drawing.vjd"

# A display of our own, so no window of another test lies under the clicks.
xvfb_pid="" host_pid=""
for n in $(seq 140 190); do
  [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
  Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  export DISPLAY=":$n"
  break
done
[ -n "$xvfb_pid" ] || fail "no free display number"
cleanup() {
  [ -n "$host_pid" ] && kill "$host_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X${DISPLAY#:}" ] && break; sleep 0.1; done

# Waits until the log has a line matching the extended regular expression $1.
wait_for() {
  local pattern=$1 limit=${2:-60}
  for _ in $(seq $((limit * 10))); do
    grep -qE "$pattern" "$log" 2>/dev/null && return 0
    [ -n "$host_pid" ] && ! kill -0 "$host_pid" 2>/dev/null && fail "the host ended while waiting for: $pattern"
    sleep 0.1
  done
  fail "timed out waiting for: $pattern"
}
# The last "x y" logged for a key ("entity 12", "control 3023", "command-line").
where() { grep -E "^$1 " "$log" | tail -1 | awk -v n="$(echo "$1" | wc -w)" '{ print $(n + 1), $(n + 2) }'; }
click_at() { xdotool mousemove --sync "$1" "$2"; sleep 0.2; xdotool click "${3:-1}"; sleep 0.3; }
click_entity() { read -r x y < <(where "entity $1"); click_at "$x" "$y"; }
click_control() { read -r x y < <(where "control $1"); [ -n "$x" ] || fail "no control $1 logged"; click_at "$x" "$y"; }
type_command() {
  read -r x y < <(where "command-line")
  click_at "$x" "$y"
  xdotool type --delay 60 "$1"
  xdotool key Return
}

"$top/cmake/wine-run.sh" --prefix "$prefix" "$bin/VellJDHost.exe" --batch \
  --log "$(winpath "$log")" "$(winpath "$work/drawing.vjd")" >/dev/null 2>&1 &
host_pid=$!

wait_for '^ready 33$' 150
type_command ps
wait_for '^launch 1$'
grep -qxF 'prompt <标注配置/paraset/ps>' "$log" || fail "no launch prompt"
grep -qxF 'command 1001 0' "$log" || fail "the command did not become current"
wait_for '^control 3023 '

click_control 3023                      # 选择实体
wait_for '^pick-begin 0 4 63$'
click_entity 12                         # 采煤机
wait_for '^pick 12$'
wait_for '^highlight 12$'
click_entity 13                         # 刮板机
wait_for '^pick 13$'
wait_for '^highlight 12 13$'
read -r x y < <(where "entity 40")
click_at "$x" "$((y - 40))" 3           # the right button ends the pick
wait_for '^pick-ended 1$'
wait_for '^control 3025 [0-9]+ [0-9]+ 2$'  # the window shows the two picked device symbols

click_control 2                         # 退出
wait_for '^prompt 退出标注配置命令$'
wait_for '^command 0 0$'

type_command save
wait_for '^save '
type_command quit
wait_for '^exit$'
for _ in $(seq 100); do kill -0 "$host_pid" 2>/dev/null || break; sleep 0.1; done
host_pid=""

# The events came in the order the contract gives them: each pick step re-arms the pick.
order=$(grep -nE '^(launch 1|pick-begin|pick 12|pick 13|mouse-status 3 0 0|pick-ended 1|prompt 退出标注配置命令|save )' "$log" | cut -d: -f2- | cut -d' ' -f1-2 | uniq | tr '\n' '|')
[ "$order" = "launch 1|pick-begin 0|pick 12|pick-begin 0|pick 13|pick-begin 0|mouse-status 3|pick-ended 1|prompt 退出标注配置命令|save Z:${work//\//\\}\\drawing.vjd|" ] ||
  fail "unexpected order: $order"
[ "$(grep -c '^mouse-status 0 0 0$' "$log")" = 2 ] || fail "one pick step per click expected"

# The saved drawing holds every entity with the labels it was opened with.
labels() { iconv -f GBK -t UTF-8 "$1" | grep -E '^(entity|name|kindname|label|data) '; }
diff <(labels "$bin/sample/sample-mine.vjd") <(labels "$work/drawing.vjd") >&2 ||
  fail "the saved drawing differs from the opened one"
echo "host_e2e: passed"
