#!/usr/bin/env bash
# "Find unit..." as a screen reader meets it: the program on X11 (Xvfb, no
# window manager) with its accessibility bridge on, in a session bus of its
# own with the accessibility bus, read through AT-SPI by
# find-unit-screen-reader.py. Then SIGTERM ends it cleanly.
# Exits 77 (a skipped test) where a tool it needs is not installed.
#   find-unit-screen-reader.sh <program>
set -euo pipefail
program=$1
here=$(dirname "$0")
launcher=/usr/libexec/at-spi-bus-launcher
reader=/usr/bin/python3 # Debian's, which has pyatspi; the first python3 on PATH may not
for tool in Xvfb xdotool dbus-run-session "$launcher" "$reader"; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
"$reader" -c 'import pyatspi' 2>/dev/null || { echo "SKIP: python3-pyatspi is not installed"; exit 77; }

# The bus ends with the session, whatever the test leaves behind.
if [ -z "${FIND_UNIT_SESSION_BUS:-}" ]; then
  FIND_UNIT_SESSION_BUS=1 exec dbus-run-session -- "$0" "$@"
fi
. "$here/../install/display-session.sh"

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
within 10 test -s "$work/display" || fail "Xvfb did not start"
export DISPLAY=:$(head -n1 "$work/display")
"$launcher" --launch-immediately --a11y=1 2>"$work/launcher" &
pids+=($!)

mkdir -m 700 "$work/runtime"
XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
  "$program" 2>"$work/stderr" &
tavrix=$!
pids+=($tavrix)

"$reader" "$here/find-unit-screen-reader.py" || { cat "$work/stderr" >&2; fail "as read through AT-SPI"; }
end_with_sigterm "$tavrix" "$work/stderr"
