"""Reads "Find unit..." through AT-SPI, as a screen reader does, while the
keyboard works it as a person does: Ctrl+F, "miles", Down, a text that
matches nothing, Escape, and Ctrl+F again then a click in the main window.
Exits non-zero with what it missed."""
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib


def within(seconds, condition, missed):
    """Waits for condition() to give something, handling the events meanwhile."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        while GLib.MainContext.default().iteration(False):
            pass
        try:
            found = condition()
        except GLib.GError:  # an object went away while it was read
            found = None
        if found:
            return found
        time.sleep(0.1)
    sys.exit(f"FAIL: {missed}")


def has(accessible, state):
    return accessible.getState().contains(state)


def child(parent, role, name):
    return next((c for c in parent if c and c.getRole() == role and c.name == name), None)


def shown_window(name):
    apps = [app for app in pyatspi.Registry.getDesktop(0) if app and app.name == "Tavrix"]
    window = child(apps[0], pyatspi.ROLE_FRAME, name) if apps else None
    return window if window and has(window, pyatspi.STATE_SHOWING) else None


def keys(*names):
    subprocess.run(["xdotool", "key", "--delay", "50", *names], check=True)


def type_text(text):
    subprocess.run(["xdotool", "type", "--delay", "50", text], check=True)


focused = [(None, None)]  # the role and name of what was said to have the focus, latest last


def told_focus(event):
    try:
        if event.detail1:
            focused.append((event.source.getRole(), event.source.name))
    except GLib.GError:  # gone before it could be read
        pass


main = within(60, lambda: shown_window("Tavrix"), "no main window in the tree")
# Once the program is on the accessibility bus, which tells it of the listener.
pyatspi.Registry.registerEventListener(told_focus, "object:state-changed:focused")
within(30, lambda: has(main, pyatspi.STATE_ACTIVE) and not shown_window("About Tavrix"), "the splash stayed")
keys("ctrl+f")
finder = within(20, lambda: shown_window("Find unit"), "no Find unit window in the tree")
field = within(5, lambda: child(finder, pyatspi.ROLE_TEXT, "Find unit"), "no field named Find unit")
found = within(5, lambda: child(finder, pyatspi.ROLE_LIST, "Units found"), "no list named Units found")
within(20, lambda: has(finder, pyatspi.STATE_ACTIVE) and has(field, pyatspi.STATE_FOCUSED)
       and focused[-1] == (pyatspi.ROLE_TEXT, "Find unit"), "the field has not the focus when the window opens")

type_text("miles")
rows = within(20, lambda: [row.name for row in found] if found.childCount > 1 else None, "no units found")
if not all("mile" in row and " \u2014 " in row for row in rows):
    sys.exit(f"FAIL: rows that do not read as a unit and its category: {rows}")
keys("Down")
within(20, lambda: focused[-1] == (pyatspi.ROLE_LIST_ITEM, rows[1]) and has(found[1], pyatspi.STATE_SELECTED),
       f"Down did not tell the second row, {rows[1]!r}, as focused and selected")
if not has(field, pyatspi.STATE_FOCUSED) or has(found[0], pyatspi.STATE_SELECTED):
    sys.exit("FAIL: after Down the keyboard left the field or the first row stayed selected")
keys("ctrl+a")
type_text("furlongs per fortnight")
within(20, lambda: focused[-1] == (pyatspi.ROLE_LIST_ITEM, "No unit matches"), "no match was not told")

keys("Escape")
within(20, lambda: not shown_window("Find unit") and has(main, pyatspi.STATE_ACTIVE), "Escape did not close it")
keys("ctrl+f")
within(20, lambda: shown_window("Find unit") and has(field, pyatspi.STATE_FOCUSED), "Ctrl+F did not open it again")
extents = main.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
subprocess.run(["xdotool", "mousemove", str(extents.x + extents.width - 20), str(extents.y + extents.height - 20),
                "click", "1"], check=True)
within(20, lambda: not shown_window("Find unit"), "a click in the main window left it open")
print(f"Find unit read aloud: field and list named, rows {rows[:2]}..., Down told {rows[1]!r}")
