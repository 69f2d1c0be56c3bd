# The checks of the script tests here, sourced: expect DESCRIPTION COMMAND... counts the command's
# success or failure; finish prints "N passed, N failed" and fails when any did.
# in_work_folder WORK-FOLDER COMMAND...: where COMMAND runs a Windows program (wine-run.sh), the
# script again under one Xvfb display for all its runs when there is none, and status 77 (skipped)
# where this machine cannot run the program; then a fresh WORK-FOLDER, the current folder.
in_work_folder() {
  local work=$1
  shift
  if [ "$(basename "$1")" = wine-run.sh ]; then
    [ -n "${DISPLAY:-}" ] || exec xvfb-run -a -s "-screen 0 640x480x24" "$0" "$work" "$@"
    "$1" --check "${!#}" || exit
  fi
  rm -rf "$work" && mkdir -p "$work" && cd "$work" || exit 1
}
passed=0 failed=0
expect() {
  local what=$1
  shift
  if "$@"; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "FAILED: $what" >&2
  fi
}
finish() {
  echo "$passed passed, $failed failed"
  [ "$failed" -eq 0 ]
}
