#!/usr/bin/python3
"""Checks over AT-SPI, as a screen reader sees it, that Trayeko's Dijkstra window is readable.

Run it while Trayeko runs with accessibility on (scripts/ci-desktop.sh starts both under Xvfb
with a private accessibility bus). It finds the Dijkstra window, checks the names of its
controls, presses "Proses" the way a screen reader does (through the button's action), and
checks that the drawing then reports the chosen route, that the highlighted nodes and links
say so in their states, and that the changes were announced. Ctrl+D from the keyboard must open
the detail view. The windows the keyboard opens (help by F1, the print preview by Ctrl+P) must
come out as a frame or a dialog named by its title, take the keyboard focus, and close by Esc.
At the end it prints what a screen reader reads in the Dijkstra window.

Exit status 0 when every check holds, 1 otherwise.
"""

import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

APP_NAME = "Trayeko"
WINDOW_NAME = "Trayeko 2003"
TIMEOUT = 30.0
# What a screen reader announces as a window and lists among the windows.
WINDOW_ROLES = (pyatspi.ROLE_FRAME, pyatspi.ROLE_DIALOG)
# Windows the keyboard opens from the Dijkstra window: the key, the window's title.
KEYBOARD_WINDOWS = [("F1", "Bantuan Trayeko"), ("ctrl+p", "Pratinjau cetak \u2014 Trayeko 2003")]

failures = []
events = []


def check(condition, what):
    print(("ok   " if condition else "FAIL ") + what)
    if not condition:
        failures.append(what)


def pump(seconds):
    """Lets AT-SPI deliver events for a while."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while context.pending():
            context.iteration(False)
        time.sleep(0.02)


def wait_for(find, what):
    end = time.monotonic() + TIMEOUT
    while time.monotonic() < end:
        found = find()
        if found is not None:
            return found
        pump(0.2)
    print("FAIL " + what + ": not found within %d s" % TIMEOUT)
    sys.exit(1)


def children(acc):
    for k in range(acc.childCount):
        child = acc.getChildAtIndex(k)
        if child is not None:
            yield child


def walk(acc):
    yield acc
    for child in children(acc):
        yield from walk(child)


def eventually(condition):
    """Whether the condition comes true within the timeout, letting AT-SPI deliver meanwhile."""
    end = time.monotonic() + TIMEOUT
    while not condition():
        if time.monotonic() > end:
            return False
        pump(0.2)
    return True


def find_app():
    desktop = pyatspi.Registry.getDesktop(0)
    for app in children(desktop):
        if app.name == APP_NAME:
            return app
    return None


def find_in(root, role, name):
    for acc in walk(root):
        if acc.getRole() == role and acc.name == name:
            return acc
    return None


def top_level(app, name):
    return next((w for w in children(app) if w.name == name), None)


def press_in_frame(key):
    # Without a window manager nobody gives the frame the keyboard focus; xdotool does.
    subprocess.run(["xdotool", "search", "--name", "^MDIForm1$", "windowfocus", "--sync",
                    "key", "--clearmodifiers", key], check=False)


def check_keyboard_window(app, key, name):
    """The window that key opens is announced as a window, has the focus and closes by Esc."""
    press_in_frame(key)
    window = wait_for(lambda: top_level(app, name), "window '%s' opened by %s" % (name, key))
    check(window.getRole() in WINDOW_ROLES,
          "%s opens '%s' as a %s" % (key, name, window.getRoleName()))
    focused = eventually(lambda: window.getState().contains(pyatspi.STATE_ACTIVE) and any(
        acc.getState().contains(pyatspi.STATE_FOCUSED) for acc in walk(window)))
    check(focused, "'%s' has the keyboard focus" % name)
    strays = ["%s (%s)" % (w.name, w.getRoleName()) for w in children(app)
              if w.getRole() not in WINDOW_ROLES]
    check(not strays, "every window is a frame or a dialog: " + (", ".join(strays) or "yes"))
    # Esc goes where the program put the focus; nobody else moves it.
    subprocess.run(["xdotool", "key", "Escape"], check=False)
    check(eventually(lambda: top_level(app, name) is None), "Esc closes '%s'" % name)


def text_of(acc):
    try:
        text = acc.queryText()
        return text.getText(0, text.characterCount)
    except NotImplementedError:
        return ""


def is_selected(acc):
    return acc.getState().contains(pyatspi.STATE_SELECTED)


def on_screen(acc, window_extents):
    """Whether the element lies inside the window; the hidden total boxes lie beyond it."""
    if not acc.getState().contains(pyatspi.STATE_SHOWING):
        return False
    try:
        e = acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    except NotImplementedError:
        return True
    w = window_extents
    return (e.width > 0 and e.height > 0 and e.x >= w.x and e.y >= w.y and
            e.x + e.width <= w.x + w.width and e.y + e.height <= w.y + w.height)


def reading(window):
    """The window as a screen reader's review presents it: each visible element with its role,
    name, text and description."""
    lines = []
    extents = window.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    for acc in walk(window):
        if acc is window or not on_screen(acc, extents):
            continue
        role = acc.getRoleName()
        if role in ("filler", "scroll bar", "panel"):
            continue
        parts = [acc.name]
        content = text_of(acc)
        if content and content != acc.name and role != "label":
            parts.append(content.replace("\n", " / "))
        if acc.description:
            parts.append(acc.description)
        words = ", ".join(p for p in parts if p)
        if words:
            lines.append("%s: %s" % (role, words))
    return lines


def record(event):
    source = event.source
    events.append((event.type, source.name if source is not None else ""))


def main():
    app = wait_for(find_app, "application " + APP_NAME)
    window = wait_for(lambda: find_in(app, pyatspi.ROLE_FRAME, WINDOW_NAME),
                      "window " + WINDOW_NAME)
    chart = find_in(window, pyatspi.ROLE_CHART, "Pencarian Jalur")
    check(chart is not None, "the drawing is a chart named 'Pencarian Jalur'")
    if chart is None:
        return 1

    elements = {acc.name.split(" dari ")[0]: acc for acc in children(chart)}
    check(all("Simpul %d" % n in elements for n in range(1, 8)), "nodes 1 to 7 are listed")
    check(all("Jalur %d" % k in elements for k in range(1, 15)), "links 1 to 14 are listed")
    check(all("Bobot jalur %d" % k in elements for k in range(1, 15)),
          "weight boxes are named 'Bobot jalur 1' to 'Bobot jalur 14'")
    check(chart.description == "Belum ada lintasan terpilih", "no route before the first run")

    button = find_in(window, pyatspi.ROLE_PUSH_BUTTON, "Proses")
    check(button is not None, "button 'Proses'")
    check(find_in(window, pyatspi.ROLE_PUSH_BUTTON, "Keluar") is not None, "button 'Keluar'")
    if button is None:
        return 1
    action = button.queryAction()
    check(action.getKeyBinding(0).lower().endswith("alt+p"),
          "'Proses' tells its access key (%s)" % action.getKeyBinding(0))

    pyatspi.Registry.registerEventListener(record,
                                           "object:property-change:accessible-description")
    action.doAction(0)
    route = "Lintasan terpilih: simpul 1, 7 lewat jalur 10"
    wait_for(lambda: True if chart.description == route else None, "the chosen route")
    pump(1.0)

    check(chart.description == route, "the drawing says: " + chart.description)
    highlighted = sorted(name for name, acc in elements.items() if is_selected(acc))
    check(highlighted == ["Jalur 10", "Simpul 1", "Simpul 7"],
          "highlighted: " + ", ".join(highlighted))
    # The highlight shows in the element's description ("..., disorot"), so a screen reader
    # learns of it from the description's change.
    check(("object:property-change:accessible-description",
           "Jalur 10 dari simpul 1 ke simpul 7") in events, "the highlight of link 10 was announced")
    check(("object:property-change:accessible-description", "Pencarian Jalur") in events,
          "the new route was announced")
    total = find_in(window, pyatspi.ROLE_LABEL, "Total jarak = 16")
    check(total is not None and total.description == "Total jarak lintasan terpilih",
          "the total reads 'Total jarak = 16'")

    # The keyboard path to the detail view: Ctrl+D in the window that has the focus.
    button.queryComponent().grabFocus()
    pump(0.3)
    press_in_frame("ctrl+d")
    detail = wait_for(lambda: find_in(window, pyatspi.ROLE_LABEL, "Sembunyikan Detail"),
                      "the detail view opened by Ctrl+D")
    check(detail is not None, "Ctrl+D opens the detail view")
    pump(0.5)

    print()
    print("What a screen reader reads in the Dijkstra window after the run:")
    for line in reading(window):
        print("  " + line)
    print()

    for key, name in KEYBOARD_WINDOWS:
        check_keyboard_window(app, key, name)

    if failures:
        print("\n%d check(s) failed" % len(failures))
        return 1
    print("\nall AT-SPI checks passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
