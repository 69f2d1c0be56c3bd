#!/usr/bin/env bash
# End to end: the host program under Wine on a private Xvfb display, driven by real mouse clicks
# and key strokes (xdotool).  It opens a copy of the sample drawing, launches the plug-in's command
# from the command line ("ps"), presses "选择实体", picks two motors with the mouse, ends the pick
# with the right button, types a new text into the first label of the grid, leaves with "退出",
# saves with the command line and quits; then checks the host's event log, the saved drawing and
# the configuration file.
#   host_e2e.sh BUILD_DIR
# To extend it: add steps between launch and "退出" with click_control / click_entity and check
# what they log.
set -euo pipefail
. "$(dirname "$0")/../e2e_kit/host_session.sh"
host_session_begin host_e2e "$1" 140 190

start_host

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

# The shown symbol's first label gets a new text, typed into the grid's editor.
shown=$(grep -aE '^control 3003 ' "$log" | tail -1 | cut -d' ' -f5-)
shown=${shown% 的标注:}
[ -n "$shown" ] || fail "no symbol shown"
wait_for '^cell 3004 0 1 '
click_cell 3004 0 1                     # 标注文本 of label 0
xdotool type --delay 60 abc
xdotool key Return
sleep 0.5

click_control 2                         # 退出
wait_for '^prompt 退出标注配置命令$'
wait_for '^command 0 0$'

type_command save
wait_for '^save '
type_command quit
wait_for '^exit$'
wait_for_host_end

# The events came in the order the contract gives them: each pick step re-arms the pick.
order=$(grep -nE '^(launch 1|pick-begin|pick 12|pick 13|mouse-status 3 0 0|pick-ended 1|prompt 退出标注配置命令|save )' "$log" | cut -d: -f2- | cut -d' ' -f1-2 | uniq | tr '\n' '|')
[ "$order" = "launch 1|pick-begin 0|pick 12|pick-begin 0|pick 13|pick-begin 0|mouse-status 3|pick-ended 1|prompt 退出标注配置命令|save Z:${work//\//\\}\\drawing.vjd|" ] ||
  fail "unexpected order: $order"
[ "$(grep -c '^mouse-status 0 0 0$' "$log")" = 2 ] || fail "one pick step per click expected"

# The saved drawing holds every entity with the labels it was opened with.
labels() { iconv -f GBK -t UTF-8 "$1" | grep -E '^(entity|name|kindname|label|data) '; }
diff <(labels "$bin/sample/sample-mine.vjd") <(labels "$drawing") >&2 ||
  fail "the saved drawing differs from the opened one"
# "退出" stored the edited grid: the shown symbol's record, label 0 reading "abc".
python3 - "$hostdir/机电数据库/机电配置.cfg" "$shown" <<'PY' || fail "the edit is not in the configuration file"
import sys
data = open(sys.argv[1], "rb").read()
name = sys.argv[2].encode("gbk")
records = [data[i:i + 1062] for i in range(0, len(data) - 1061, 1062)]
mine = [r for r in records if r[:50].split(b"\0")[0] == name]
assert len(mine) == 1, f"{len(mine)} records of the shown symbol"
assert mine[0][54:104].split(b"\0")[0] == b"abc", mine[0][54:104]
PY
echo "host_e2e: passed"
