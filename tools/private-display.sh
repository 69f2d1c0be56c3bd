# Source this: start_private_display FIRST LAST starts an Xvfb display (1280x1024, 24 bits) on
# the first free number from FIRST to LAST, exports DISPLAY, sets xvfb_pid (the caller stops it)
# and waits until the display takes connections.  Returns 1 when every number is taken.
# Displays may start at the same moment (the tests of two builds, each with end-to-end scripts):
# a number counts as ours only once the X lock file names our server; a server that lost the
# number to another ends at once, and the next number is tried.
start_private_display() {
  local n _
  xvfb_pid=""
  for n in $(seq "$1" "$2"); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 50); do
      kill -0 "$xvfb_pid" 2>/dev/null || break
      if [ -e "/tmp/.X11-unix/X$n" ] && [ "$(tr -d ' ' <"/tmp/.X$n-lock" 2>/dev/null)" = "$xvfb_pid" ]; then
        break
      fi
      sleep 0.1
    done
    if kill -0 "$xvfb_pid" 2>/dev/null; then
      export DISPLAY=":$n"
      return 0
    fi
    xvfb_pid=""
  done
  return 1
}
