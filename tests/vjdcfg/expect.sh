# The checks of the script tests here, sourced: expect DESCRIPTION COMMAND... counts the command's
# success or failure; finish prints "N passed, N failed" and fails when any did.
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
