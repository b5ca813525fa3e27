# What the tests of the installed program on a display server share: a
# private work folder, the processes they start (ended with the test),
# waiting, and the end by SIGTERM. Sourced, not run.
work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill -TERM "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
skip() { echo "SKIP: $*"; exit 77; }

# Waits up to $1 seconds for the command after it to succeed.
within() {
  local seconds=$1; shift
  for _ in $(seq $((seconds * 10))); do "$@" && return 0; sleep 0.1; done
  return 1
}

# Sends SIGTERM to the program $1, as a session's end does, and fails unless
# it ends soon with status 0; its standard error went to the file $2.
end_with_sigterm() {
  local program=$1 stderr=$2 status=0
  kill -TERM "$program"
  within 20 eval '! kill -0 "$program" 2>/dev/null' || fail "still running after SIGTERM"
  wait "$program" || status=$?
  [ "$status" -eq 0 ] || { cat "$stderr" >&2; fail "ended with status $status after SIGTERM"; }
}
