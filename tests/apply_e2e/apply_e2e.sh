#!/usr/bin/env bash
# End to end: the host program under Wine on a private Xvfb display, driven by real clicks and
# keys.  It opens a copy of the sample drawing, launches the command ("ps"), picks the
# high-voltage box 1 and the high-voltage switch 2 with the mouse, ends the pick, and presses
# "更新标注配置到选择实体" while the window shows the first symbol ("高压配电箱", no stored record:
# its built-in layout of three slots at 8, 7, 16 is pushed).  It answers "更新标注成功！", saves,
# undoes the push with Ctrl+Z, saves again and quits.  Then:
#   - the first save holds the new layout on entity 1 only, with the draftsman's texts kept;
#   - the second save (after the undo) equals the opened drawing.
#   apply_e2e.sh BUILD_DIR
set -euo pipefail
. "$(dirname "$0")/../e2e_kit/host_session.sh"
host_session_begin apply_e2e "$1" 191 240

save_as_copy() {  # saves the drawing and keeps a copy of what was saved under $1
  local saves
  saves=$(count '^save ')
  type_command save
  for _ in $(seq 300); do [ "$(count '^save ')" -gt "$saves" ] && break; sleep 0.1; done
  [ "$(count '^save ')" -gt "$saves" ] || fail "the drawing was not saved"
  cp "$drawing" "$1"
}

start_host

wait_for '^ready ' 150
type_command ps
wait_for '^launch 1$'
wait_for '^control 3023 '

click_control 3023                      # 选择实体
wait_for '^pick-begin '
click_entity 1                          # 中央变电所, kind 高压配电箱
wait_for '^pick 1$'
click_entity 2                          # 高开1, kind 高压开关
wait_for '^pick 2$'
read -r x y < <(where "entity 40")
click_at "$x" "$((y - 40))" 3           # the right button ends the pick
wait_for '^pick-ended 1$'
wait_for '^control 3025 [0-9]+ [0-9]+ 2$'

click_control 3024                      # 更新标注配置到选择实体
wait_for '^begin-operation 修改标注配置$'
wait_for '^update-entities 1$'
[ "$(count '^record-entity ')" = 1 ] || fail "exactly the picked entity of the kind is recorded"
sleep 1
xdotool key Return                      # answers "更新标注成功！"
sleep 0.5
wait_for '^changed-flag|^update-entities' 5

save_as_copy "$work/pushed.vjd"
xdotool key ctrl+z                      # Undo, from the host's menu accelerator
for _ in $(seq 100); do [ "$(count '^undo ')" -gt 0 ] && break; sleep 0.1; done
if [ "$(count '^undo ')" = 0 ]; then
  type_command undo                     # the window may hold the keyboard focus
fi
wait_for '^undo 1$'
save_as_copy "$work/undone.vjd"

click_control 2                         # 退出
wait_for '^command 0 0$'
type_command quit
wait_for '^exit$'
wait_for_host_end

# One entity's block of a drawing file, as UTF-8.
block() { iconv -f GBK -t UTF-8 "$1" | awk -v id="$2" '$1 == "entity" { on = ($2 == id) } on { print } $1 == "end" { on = 0 }'; }
labels() { block "$1" "$2" | grep '^label '; }
positions() { labels "$1" "$2" | awk '{ print $3 }' | tr '\n' ' '; }
texts() { labels "$1" "$2" | cut -d' ' -f10- | tr '\n' '|'; }

orig=$bin/sample/sample-mine.vjd
[ "$(positions "$work/pushed.vjd" 1)" = "8 7 16 " ] ||
  fail "entity 1 should carry the pushed layout, has positions: $(positions "$work/pushed.vjd" 1)"
[ "$(texts "$work/pushed.vjd" 1)" = "$(texts "$orig" 1)" ] ||
  fail "the push changed the texts of entity 1: $(texts "$work/pushed.vjd" 1)"
for id in $(iconv -f GBK -t UTF-8 "$orig" | awk '$1 == "entity" { print $2 }'); do
  [ "$id" = 1 ] && continue
  diff <(block "$orig" "$id" | grep -E '^(name|kindname|label|data) ') \
       <(block "$work/pushed.vjd" "$id" | grep -E '^(name|kindname|label|data) ') >&2 ||
    fail "entity $id changed although it was not picked or is of another kind"
done
diff <(iconv -f GBK -t UTF-8 "$orig" | grep -E '^(entity|label|data) ') \
     <(iconv -f GBK -t UTF-8 "$work/undone.vjd" | grep -E '^(entity|label|data) ') >&2 ||
  fail "after the undo the drawing differs from the opened one"
echo "apply_e2e: passed"
