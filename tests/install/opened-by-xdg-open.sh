#!/usr/bin/env bash
# A results log file opened from the desktop, as the file manager opens it:
# with the installed desktop entry and MIME type in the desktop's databases,
# `xdg-open FILE.TVRX` starts the installed program with the file's lines in
# its log. Seen as a person sees it: saved from the window through File
# (Alt+F) > Save Results Log file, the log holds exactly the file's lines.
# A file that cannot be read shows its error box before the start-up splash,
# never under it. X11 without a window manager, in a session without a
# desktop environment of its own: xdg-open's generic way, which goes by the
# desktop entries and the MIME database.
# Exits 77 (a skipped test) where Xvfb, xdg-utils or the X tools are not installed.
#   opened-by-xdg-open.sh <staging root>
set -euo pipefail
root=$1
. "$(dirname "$0")/display-session.sh"
for tool in Xvfb xdotool xdg-open xdg-mime mimetype update-desktop-database update-mime-database; do
  command -v "$tool" >/dev/null || skip "$tool is not installed"
done
id=com.example.Tavrix

# The installed tree in a prefix of its own, whose databases the test fills
# as a package's installation does.
prefix=$work/prefix
cp -a "$root/usr" "$prefix"
update-desktop-database "$prefix/share/applications"
XDG_DATA_DIRS="$prefix/share" update-mime-database "$prefix/share/mime"

mkdir -m 700 "$work/runtime"
mkdir -p "$work/home" "$work/config-dirs" "$work/documents"
session() {
  env -u XDG_CURRENT_DESKTOP -u DESKTOP_SESSION -u KDE_FULL_SESSION -u GNOME_DESKTOP_SESSION_ID -u BROWSER \
    HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share" \
    XDG_CONFIG_DIRS="$work/config-dirs" XDG_DATA_DIRS="$prefix/share" XDG_RUNTIME_DIR="$work/runtime" \
    PATH="$prefix/bin:$PATH" QT_QPA_PLATFORM=xcb "$@"
}
handler=$(session xdg-mime query default text/x-tavrix-log)
[ "$handler" = "$id.desktop" ] || fail "results log files open with '$handler', not $id.desktop"

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
within 10 test -s "$work/display" || fail "Xvfb did not start"
export DISPLAY=:$(head -n1 "$work/display")

# The ids of the visible windows titled exactly $1.
visible() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null; }
# Gives the keyboard to the window titled $1, as a click on it would.
focus() { xdotool windowfocus --sync "$(visible "$1" | head -n1)"; }

# Opens the file $1 as the file manager does; sets opener (xdg-open, which
# waits for the program) and program (the program, once its window is up).
open_from_desktop() {
  session xdg-open "$1" 2>>"$work/stderr" &
  opener=$!
  pids+=($opener)
  within 60 visible Tavrix >/dev/null || fail "no main window for $1"
  program=$(xdotool getwindowpid "$(visible Tavrix | head -n1)")
  pids+=($program)
}
# Ends the program as a session's end does; xdg-open passes its status on.
# The X server takes down an ended program's windows only once it has seen
# its connection close, which a busy machine delays: until then the next
# open_from_desktop would take the old window, and its ended program, for
# the new one.
close_program() {
  local status=0
  kill -TERM "$program"
  within 20 eval '! kill -0 "$program" 2>/dev/null' || fail "still running after SIGTERM"
  wait "$opener" || status=$?
  [ "$status" -eq 0 ] || { cat "$work/stderr" >&2; fail "xdg-open ended with status $status"; }
  within 20 eval '! visible Tavrix >/dev/null' || fail "the ended program's window is still on the screen"
}

# A file that cannot be read: its box first, the splash once it is closed.
printf 'not a results log\0' >"$work/documents/binary.TVRX"
open_from_desktop "$work/documents/binary.TVRX"
within 30 visible Error >/dev/null || fail "no error box for a file that cannot be read"
sleep 1 # the splash was due 10 ms after the window
! visible "About Tavrix" >/dev/null || fail "the splash shows with the error box up"
focus Error
xdotool key Return
within 20 eval '! visible Error >/dev/null' || fail "the error box did not close"
within 20 visible "About Tavrix" >/dev/null || fail "no splash after the error box"
close_program

# A results log: its lines are in the log, as saving it shows.
log="$work/documents/two lines.TVRX"
printf '1.000 m\xb2 = 10.763910 ft\xb2\r\n2.000 m\xb2 = 21.527821 ft\xb2\r\n' >"$log"
open_from_desktop "$log"
within 20 visible "About Tavrix" >/dev/null || fail "no splash"
within 20 eval '! visible "About Tavrix" >/dev/null' || fail "the splash did not close"
focus Tavrix
# File, its second item.
xdotool key alt+f
sleep 0.5
xdotool key Down Return
within 20 visible "Save Results Log file" >/dev/null || fail "File > Save Results Log file opened no dialog"
focus "Save Results Log file"
xdotool type --delay 20 "$work/saved.TVRX"
xdotool key Return
within 20 test -e "$work/saved.TVRX" || fail "the log was not saved"
cmp "$log" "$work/saved.TVRX" || fail "the log does not hold the file's lines"
close_program
echo "xdg-open started the program with the file in its log; an unreadable file's box came before the splash"
