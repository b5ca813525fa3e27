#!/usr/bin/env bash
# The installed program on a Wayland desktop (a headless weston): it starts
# natively, the compositor shows its main window and the start-up splash
# under the app id of its desktop entry, it says nothing on its standard
# error (no warning about window placement, which Wayland leaves to the
# compositor), and SIGTERM ends it cleanly.
# Exits 77 (a skipped test) only where weston cannot start.
#   installed-on-wayland.sh <staging root>
set -euo pipefail
root=$1
app_id=com.example.Tavrix

. "$(dirname "$0")/display-session.sh"
command -v weston >/dev/null || skip "weston is not installed (scripts/install-deps installs it)"
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
export WAYLAND_DISPLAY=tavrix-test
unset DISPLAY
# --debug lets weston-debug read the scene: which windows the compositor shows.
weston --backend=headless-backend.so --use-pixman --width=1280 --height=1024 --idle-time=0 \
  --socket="$WAYLAND_DISPLAY" --debug >"$work/weston.log" 2>&1 &
weston=$!
pids+=($weston)
if ! within 10 test -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY"; then
  tail -n 5 "$work/weston.log" >&2
  skip "weston cannot start here"
fi

# The compositor's top-level windows, one "title' of app-id" a line.
windows() {
  timeout 5 weston-debug scene-graph 2>/dev/null |
    sed -n "s/.*role xdg_toplevel, .*top-level window '\(.*\)' of \([^,]*\), .*/\1' of \2/p"
}
shows() { windows | grep -qxF "$1' of $app_id"; }

# Mesa's driver has no frame pointers: only the slow unwinder reaches the
# library that a known leak of it is suppressed by.
export ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}fast_unwind_on_malloc=0
XDG_CONFIG_HOME=$work/config QT_QPA_PLATFORM=wayland "$root/usr/bin/tavrix" 2>"$work/stderr" &
program=$!
pids+=($program)

within 60 shows Tavrix || { windows >&2; cat "$work/stderr" >&2; fail "the compositor shows no main window of $app_id"; }
within 20 shows "About Tavrix" || { windows >&2; fail "the compositor shows no splash"; }

end_with_sigterm "$program" "$work/stderr"
if [ -s "$work/stderr" ]; then
  cat "$work/stderr" >&2
  fail "the program wrote to its standard error"
fi
echo "under Wayland: main window and splash shown as $app_id, nothing on stderr, ended on SIGTERM"
