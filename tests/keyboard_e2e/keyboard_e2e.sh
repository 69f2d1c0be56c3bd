#!/usr/bin/env bash
# End to end with the keyboard alone: the host program under Wine on a private Xvfb display,
# driven by key strokes only (xdotool key and type; no pointer moves, no clicks).  It launches the
# command from the command line ("ps"); in the configuration window it chooses the kind
# "高压开关" (Tab to the symbol list, Down), edits the text of label 0 (Tab to the grid, Home,
# Right to the text, Enter, typing, Enter), chooses its position (Right to the position, Enter
# opens the position window on the centre, Left and Up go to the button below the outline, Enter
# chooses "下三"), adds a row (Insert), moves label 0 down (Alt+Down), deletes the added row (End,
# Delete), pushes the kind onto the whole drawing ("更新标注配置到当前图形", reached with Shift+Tab,
# then Enter, and Enter again for "更新标注成功！") and leaves with Escape.  Then:
#   - the push reached both "高压开关" entities of the drawing;
#   - leaving stored the kind with three labels: the moved label 0 in slot 1 with its text and
#     position code 19, the others in their places;
#   - the host never heard of a mouse event;
#   - the host's log named the position window and the message box as each became active.
# With VJD_E2E_SHOTS set to a folder, a screenshot of the display is saved there at each step.
#   keyboard_e2e.sh BUILD_DIR
set -euo pipefail
. "$(dirname "$0")/../e2e_kit/host_session.sh"
host_session_begin keyboard_e2e "$1" 251 300

shot() { [ -z "${VJD_E2E_SHOTS:-}" ] || import -window root "$VJD_E2E_SHOTS/$1.png"; }
key() { xdotool key --delay 150 "$@"; sleep 0.6; }

start_host
wait_for '^ready ' 150
sleep 1
xdotool type --delay 80 ps               # the host starts with its command line focused
xdotool key Return
wait_for '^launch 1$'
sleep 1
shot 1-opened

key Tab Down                              # the symbol list: "高压配电箱" -> "高压开关"
key Tab Home                              # the grid, label 0
key Right Right Return                    # its text: the editor opens with the text selected
xdotool type --delay 80 kbd
key Return
shot 2-edited
key Right Right Return                    # its position: the position window opens on "中间"
wait_for '^activate [0-9]+ [0-9]+ [0-9]+ [0-9]+ 标注位置$' 10  # and the host hears it is active
shot 3-position
key Left Up                               # along the bottom row, then up the middle column
shot 4-position-chosen
key Return
key Insert                                # a fourth, empty row
key alt+Down                              # label 0 moves to row 1, and stays selected
key End Delete                            # the added row goes again
shot 5-rows
key shift+Tab shift+Tab shift+Tab shift+Tab  # back past the lists to "退出", then the push
key Return                                # 更新标注配置到当前图形
wait_for '^update-entities '
wait_for '^activate [0-9]+ [0-9]+ [0-9]+ [0-9]+ VellJDParaSetting$' 10  # the message box
sleep 1
shot 6-pushed
key Return                                # answers "更新标注成功！"
key Escape                                # leaves
wait_for '^command 0 0$'
key alt+F4                                # and the host ends
wait_for '^exit$'
wait_for_host_end

[ "$(grep -aE '^update-entities ' "$log" | tail -1)" = "update-entities 2 3" ] ||
  fail "the push should reach the two high-voltage switches: $(grep -aE '^update-entities ' "$log")"
[ "$(count '^mouse-status ')" = 0 ] || fail "the host heard of a mouse event"

python3 - "$hostdir/机电数据库/机电配置.cfg" <<'PY' || fail "the stored kind is not what the keys made"
import struct, sys
data = open(sys.argv[1], "rb").read()
records = [data[i:i + 1062] for i in range(0, len(data) - 1061, 1062)]
mine = [r for r in records if r[:50].split(b"\0")[0] == "高压开关".encode("gbk")]
assert len(mine) == 1, f"{len(mine)} records of the kind"
r = mine[0]
count = struct.unpack_from("<i", r, 50)[0]
texts = [r[54 + 50 * i:104 + 50 * i].split(b"\0")[0] for i in range(8)]
positions = [struct.unpack_from("<i", r, 486 + 4 * i)[0] for i in range(8)]
assert count == 3, count
assert texts[1] == b"kbd", texts
assert positions[:3] == [7, 19, 16], positions
PY
echo "keyboard_e2e: passed"
