#!/usr/bin/env bash
# The installed program on an X11 desktop without a window manager, as a
# person meets it there: its main window's class is the one the installed
# desktop entry names (docks show the entry's icon and group the window with
# it), and once the start-up splash has closed the keyboard works in the main
# window at once: F1 opens the help. Then SIGTERM ends it cleanly.
# Exits 77 (a skipped test) where Xvfb or the X tools are not installed.
#   installed-on-x11.sh <staging root>
set -euo pipefail
root=$1
. "$(dirname "$0")/display-session.sh"
for tool in Xvfb xdotool xprop; do
  command -v "$tool" >/dev/null || skip "$tool is not installed"
done
entry=$root/usr/share/applications/com.example.Tavrix.desktop

# The ids of the visible windows titled exactly $1.
visible() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null; }

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
within 10 test -s "$work/display" || fail "Xvfb did not start"
export DISPLAY=:$(head -n1 "$work/display")

mkdir -m 700 "$work/runtime"
XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime QT_QPA_PLATFORM=xcb \
  "$root/usr/bin/tavrix" 2>"$work/stderr" &
program=$!
pids+=($program)

within 60 visible Tavrix >/dev/null || fail "no main window"
main=$(visible Tavrix | head -n1)
class=$(xprop -id "$main" WM_CLASS | sed -n 's/^WM_CLASS(STRING) = "[^"]*", "\([^"]*\)"$/\1/p')
wanted=$(sed -n 's/^StartupWMClass=//p' "$entry")
[ -n "$wanted" ] || fail "$entry names no StartupWMClass"
[ "$class" = "$wanted" ] || fail "the window's class is \"$class\", the desktop entry names \"$wanted\""

within 20 visible "About Tavrix" >/dev/null || fail "no splash"
within 20 eval '! visible "About Tavrix" >/dev/null' || fail "the splash did not close"
# Straight after the splash, without a click into the window.
xdotool key F1
within 20 visible "Tavrix Help" >/dev/null || fail "F1 after the splash opened no help: the keyboard focus is lost"

end_with_sigterm "$program" "$work/stderr"
echo "window class \"$class\" as the desktop entry names it; F1 works after the splash; ended on SIGTERM"
