#!/usr/bin/env bash
# Escape cancels a print on X11 with no window manager (Xvfb alone), as in
# a kiosk: the progress window must take the keyboard itself.
# Exits 77 (a skipped test) where a tool it needs is not installed.
#   escape-cancels-printing.sh <escape_cancels_printing program>
set -euo pipefail
program=$1
for tool in Xvfb xdotool; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
. "$(dirname "$0")/../install/display-session.sh"

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
within 10 test -s "$work/display" || fail "Xvfb did not start"
mkdir -m 700 "$work/runtime"
DISPLAY=:$(head -n1 "$work/display") XDG_RUNTIME_DIR=$work/runtime QT_QPA_PLATFORM=xcb "$program"
