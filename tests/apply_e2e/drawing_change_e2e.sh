#!/usr/bin/env bash
# End to end: the drawing changes under the open configuration window.  The host program under
# Wine on a private Xvfb display, driven by real clicks and keys, on a copy of the sample drawing;
# the window shows "高压配电箱" (entity 1 is the drawing's only one, with no stored record: its
# built-in layout of three slots at 8, 7, 16 is pushed).
#   1. "更新标注配置到当前图形", undo in the host, the same push again: the second push lays out
#      what the first did, and the undo between them gave back the opened drawing.
#   2. "选择实体" picks entities 1 and 2; Escape ends the command (the window stays); the map is
#      panned from under the window, entities 1 and 2 are selected and erased ("erase").  Both
#      pushes then lay out nothing, and nothing of the kernel is asked about the erased symbols
#      but their kind (the host logs each other question as "erased-lookups").
#   3. With every symbol of the shown kind erased, "应用" rewrites the other device labels and
#      still asks nothing about the erased ones.
# Then the erase is undone, and a push lays the layout onto entity 1 again.
#   drawing_change_e2e.sh BUILD_DIR
set -euo pipefail
. "$(dirname "$0")/../e2e_kit/host_session.sh"
host_session_begin drawing_change_e2e "$1" 241 290

wait_count() {  # waits until the log has at least $2 lines matching $1
  for _ in $(seq 300); do [ "$(count "$1")" -ge "$2" ] && return 0; sleep 0.1; done
  fail "expected $2 lines matching: $1 (have $(count "$1"))"
}
save_as_copy() {  # saves the drawing and keeps a copy of what was saved under $1
  local saves
  saves=$(count '^save ')
  type_command save
  wait_count '^save ' $((saves + 1))
  cp "$drawing" "$1"
}
push_all() {  # "更新标注配置到当前图形", then OK on "更新标注成功！"
  local boxes
  boxes=$(count '^begin-operation ')
  click_control 3019
  wait_count '^begin-operation 修改标注配置$' $((boxes + 1))
  sleep 1
  xdotool key Return
  sleep 0.5
}
block() { iconv -f GBK -t UTF-8 "$1" | awk -v id="$2" '$1 == "entity" { on = ($2 == id) } on { print } $1 == "end" { on = 0 }'; }
drawing_lines() { iconv -f GBK -t UTF-8 "$1" | grep -E '^(entity|label|data) '; }

start_host
wait_for '^ready ' 150
type_command ps
wait_for '^launch 1$'
wait_for '^control 3023 '

# 1. Push, undo, push again.
push_all
wait_count '^update-entities 1$' 1
save_as_copy "$work/pushed.vjd"
type_command undo
wait_for '^undo 1$'
save_as_copy "$work/undone.vjd"
push_all
wait_count '^update-entities 1$' 2
[ "$(count '^record-entity ')" = 2 ] || fail "each push records entity 1 once"
save_as_copy "$work/pushed-again.vjd"

# 2. Pick 1 and 2, end the command, erase them, push to all and to the picked ones.
click_control 3023                      # 选择实体
wait_for '^pick-begin '
click_entity 1
wait_for '^pick 1$'
click_entity 2
wait_for '^pick 2$'
read -r x y < <(where "entity 40")
click_at "$x" "$((y - 40))" 3           # the right button ends the pick
wait_for '^control 3025 [0-9]+ [0-9]+ 2$'
read -r x y < <(where "command-line")
click_at "$x" "$y"
xdotool key Escape                      # the host ends the command; the window stays
wait_for '^command 0 0$'
# The window covers entities 1 and 2: the middle button drags the map down and right under them.
xdotool mousemove --sync 880 400 mousedown 2 mousemove --sync 950 500 mousemove --sync 1030 660 mouseup 2
sleep 0.5
read -r x1 y1 < <(where "entity 1")
read -r x2 y2 < <(where "entity 2")
click_at $((x1 + 150)) $((y1 + 260))
wait_for '^select 1$'
click_at $((x2 + 150)) $((y2 + 260))
wait_for '^select 1 2$'
type_command erase
wait_for '^erase 1 2$'
records=$(count '^record-entity ')
updates=$(count '^update-entities')
push_all                                # to all: entity 1 is gone
click_control 3024                      # to the picked ones: both are gone
wait_count '^begin-operation 修改标注配置$' 4
sleep 1
xdotool key Return
sleep 0.5

# 3. Every symbol of the shown kind is erased: "应用".
click_control 3022
wait_count '^update-entities' $((updates + 1))
[ "$(count '^record-entity ')" = "$records" ] || fail "an erased symbol was recorded"
[ "$(count '^update-entities 1( |$)')" = 2 ] || fail "an erased symbol was reported changed"
[ "$(count '^erased-lookups ')" = 0 ] || fail "the kernel was asked about erased symbols: $(grep -a '^erased-lookups ' "$log" | tail -1)"

# The erase undone, entity 1 takes the layout again.
type_command undo
wait_for '^undo-erase 2$'
push_all
wait_count '^update-entities 1$' 3
save_as_copy "$work/restored.vjd"

click_control 2                         # 退出: the command had ended, the window goes
type_command quit
wait_for '^exit$'
wait_for_host_end
[ "$(count '^erased-lookups ')" = 0 ] || fail "the kernel was asked about erased symbols"

orig=$bin/sample/sample-mine.vjd
diff <(block "$work/pushed.vjd" 1) <(block "$work/pushed-again.vjd" 1) >&2 ||
  fail "the push after the undo laid out something else"
diff <(drawing_lines "$work/undone.vjd") <(iconv -f GBK -t UTF-8 "$orig" | grep -E '^(entity|label|data) ') >&2 ||
  fail "after the undo the drawing differs from the opened one"
[ "$(block "$work/pushed.vjd" 1 | grep -c '^label ')" = 3 ] || fail "the push laid out no three labels"
diff <(block "$work/pushed.vjd" 1) <(block "$work/restored.vjd" 1) >&2 ||
  fail "the symbol brought back took another layout"
[ "$(drawing_lines "$work/restored.vjd" | grep -c '^entity ')" = "$(drawing_lines "$work/undone.vjd" | grep -c '^entity ')" ] ||
  fail "the undone erase did not bring every symbol back"
echo "drawing_change_e2e: passed"
