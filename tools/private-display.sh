# Source this: start_private_display FIRST LAST starts an Xvfb display (1280x1024, 24 bits) on
# the first free number from FIRST to LAST, exports DISPLAY, sets xvfb_pid (the caller stops it)
# and waits until the display takes connections.  Returns 1 when every number is taken.
start_private_display() {
  local n
  xvfb_pid=""
  for n in $(seq "$1" "$2"); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    export DISPLAY=":$n"
    break
  done
  [ -n "$xvfb_pid" ] || return 1
  for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X${DISPLAY#:}" ] && break; sleep 0.1; done
}
