# Shared set-up of the end-to-end scripts: the host program under Wine on a display of its own,
# driven from outside with real mouse clicks and key strokes (xdotool) while its event log is
# read.  Source it, then call
#   host_session_begin NAME BUILD_DIR FIRST_DISPLAY LAST_DISPLAY
# which sets $bin (the build's programs), $work (a scratch folder, removed on exit), $log (the
# host's event log), $hostdir (a private copy of the host's folder: its modules, symbol library
# and an empty configuration folder, so no run sees another's configuration file) and $drawing
# (a copy of the sample drawing), and starts the display.  start_host then runs the host on
# $drawing; the helpers below click what it logged.  tools/guide-pictures.sh uses it too, to take
# the user guide's pictures.

host_session_begin() {
  session_name=$1
  build=$(cd "$2" && pwd)
  bin=$build/bin
  top=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
  work=$(mktemp -d "/tmp/vjd-$session_name.XXXXXX")
  log=$work/host.log
  prefix=$build/wineprefix-e2e
  hostdir=$work/host
  drawing=$work/drawing.vjd
  xvfb_pid="" host_pid=""
  # A host this machine cannot run (an i686 one where no 32-bit code runs): status 77, skipped.
  "$top/cmake/wine-run.sh" --check "$bin/VellJDHost.exe" || exit
  trap host_session_cleanup EXIT

  mkdir -p "$hostdir/机电数据库"
  cp "$bin"/VellJDHost.exe "$bin"/*.dll "$hostdir/"
  cp -r "$bin/符号库" "$hostdir/"
  cp "$bin/sample/sample-mine.vjd" "$drawing"

  # A display of our own, so no window of another test lies under the clicks.
  . "$top/tools/private-display.sh"
  start_private_display "$3" "$4" || fail "no free display number"
}

host_session_cleanup() {
  [ -n "$host_pid" ] && kill "$host_pid" 2>/dev/null || true
  "$top/cmake/wine-run.sh" --prefix "$prefix" --stop  # its desktop lives on this display
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}

fail() {
  echo "$session_name: $*" >&2
  echo "--- host log:" >&2
  cat "$log" >&2 2>/dev/null || true
  exit 1
}

winpath() { echo "Z:${1//\//\\}"; }

start_host() {
  "$top/cmake/wine-run.sh" --prefix "$prefix" "$hostdir/VellJDHost.exe" --batch \
    --log "$(winpath "$log")" "$(winpath "$drawing")" >/dev/null 2>&1 &
  host_pid=$!
}

# Waits until the host ended by itself.
wait_for_host_end() {
  for _ in $(seq 100); do kill -0 "$host_pid" 2>/dev/null || break; sleep 0.1; done
  host_pid=""
}

# Waits (at most $2 seconds, default 60) until the log has a line matching the extended regular
# expression $1.
wait_for() {
  local pattern=$1 limit=${2:-60}
  for _ in $(seq $((limit * 10))); do
    grep -qaE "$pattern" "$log" 2>/dev/null && return 0
    [ -n "$host_pid" ] && ! kill -0 "$host_pid" 2>/dev/null && fail "the host ended while waiting for: $pattern"
    sleep 0.1
  done
  fail "timed out waiting for: $pattern"
}
count() { grep -caE "$1" "$log" 2>/dev/null || true; }
# The last "x y" logged for a key ("entity 12", "control 3023", "cell 3004 0 1", "command-line").
where() { grep -aE "^$1 " "$log" | tail -1 | awk -v n="$(echo "$1" | wc -w)" '{ print $(n + 1), $(n + 2) }'; }
click_at() { xdotool mousemove --sync "$1" "$2"; sleep 0.2; xdotool click "${3:-1}"; sleep 0.3; }
click_entity() { read -r x y < <(where "entity $1"); click_at "$x" "$y"; }
click_control() { read -r x y < <(where "control $1"); [ -n "$x" ] || fail "no control $1 logged"; click_at "$x" "$y"; }
click_cell() { read -r x y < <(where "cell $1 $2 $3"); [ -n "$x" ] || fail "no cell $1 $2 $3 logged"; click_at "$x" "$y"; }
type_command() {
  read -r x y < <(where "command-line")
  click_at "$x" "$y"
  xdotool type --delay 60 "$1"
  xdotool key Return
}
