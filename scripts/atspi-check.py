#!/usr/bin/python3
"""Checks over AT-SPI, as a screen reader sees it, that Trayeko's Dijkstra window is readable.

Run it while Trayeko runs with accessibility on (scripts/ci-desktop.sh starts both under Xvfb
with a private accessibility bus). It finds the Dijkstra window, checks the names of its
controls, presses "Proses" the way a screen reader does (through the button's action), and
checks that the drawing then reports the chosen route, that the highlighted nodes and links
say so in their states, and that the changes were announced. Ctrl+D from the keyboard must open
the detail view. The windows the keyboard opens (help by F1, the print preview by Ctrl+P) must
come out as a frame or a dialog named by its title, take the keyboard focus, and close by Esc.
It prints what a screen reader reads in the Dijkstra window.

Then it follows a lesson from the keyboard and the events alone, as a blind student does: a whole
Dijkstra exercise (F9, every question answered, one of them wrongly first, up to the summary) and
a Floyd step-through (F10, Right up to the last step). What a screen reader speaks wherever the
focus is comes as an element of the role notification that appears; after each answer it must
say the feedback and then the next question or the end with the score, and the focus must stand
in the answer field again (on the summary at the end); after each step it must say the step's
explanation. F6 must take the focus from the panel to the window and back, and Tab must go round
the panel without leaving it. The answers are worked out from the weights and links the drawing
reports.

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
announced = []  # what appeared as a notification, in order
focused = []    # the elements that gained the focus, in order


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


def on_lesson_event(event):
    """Keeps the notifications that appear and the elements that gain the focus."""
    if not event.detail1:
        return
    try:
        source = event.source
        role = source.getRole()
        name = source.name
    except Exception:  # gone meanwhile
        return
    if event.type.startswith("object:state-changed:showing"):
        if role == pyatspi.ROLE_NOTIFICATION:
            announced.append(name)
    elif event.type.startswith("object:state-changed:focused"):
        focused.append(source)


def key(*keys):
    """Presses keys where the keyboard focus is, as the student does."""
    subprocess.run(["xdotool", "key", "--clearmodifiers"] + list(keys), check=False)


def type_text(text):
    subprocess.run(["xdotool", "type", "--delay", "0", text], check=False)


def said_after(count, what):
    """The first announcement after the first @p count ones, waiting for it."""
    if not eventually(lambda: len(announced) > count):
        check(False, what + ": nothing announced")
        return ""
    pump(0.05)
    return announced[count]


def in_panel(acc):
    """Whether the element lies in the lesson panel "Pelajaran"."""
    while acc is not None:
        if acc.name == "Pelajaran" and acc.getRole() in (pyatspi.ROLE_FRAME, pyatspi.ROLE_PANEL,
                                                          pyatspi.ROLE_FILLER):
            return True
        acc = acc.parent
    return False


def has_focus(acc):
    return acc is not None and acc.getState().contains(pyatspi.STATE_FOCUSED)


def panel_text(app, description):
    """The text of the panel's label that @p description says what it is."""
    for acc in walk(app):
        if acc.getRole() == pyatspi.ROLE_LABEL and acc.description == description and \
                acc.getState().contains(pyatspi.STATE_SHOWING):
            return acc.name
    return ""


def dijkstra_answers(chart):
    """Each step's node and distance from the links and weights the drawing reports: the
    smallest distance first, the smaller node number on a tie."""
    links = {}
    weights = {}
    for acc in children(chart):
        words = acc.name.split()
        if acc.name.startswith("Jalur ") and " ke simpul " in acc.name:
            links[int(words[1])] = (int(words[4]), int(words[7]))
        elif acc.name.startswith("Bobot jalur "):
            text = text_of(acc) or acc.name.split(":")[-1]
            weights[int(words[2].rstrip(":,"))] = float(text.strip().replace(",", "."))
    distance = {1: 0.0}
    fixed = []
    while True:
        open_nodes = [n for n in distance if n not in fixed]
        if not open_nodes:
            return fixed, distance
        u = min(open_nodes, key=lambda n: (distance[n], n))
        fixed.append(u)
        for k, (a, b) in links.items():
            if a == u and b not in fixed and k in weights:
                d = distance[u] + weights[k]
                if b not in distance or d < distance[b]:
                    distance[b] = d


def number(d):
    return ("%g" % d).replace(".", ",")


def answer(node, distance):
    """Types an answer: the node, Enter, the distance, Enter (the focus is in the node field)."""
    type_text(str(node))
    key("Return")
    type_text(distance)
    key("Return")


def follow_exercise(app, chart):
    """A whole Dijkstra exercise from the keyboard and the announcements."""
    order, distance = dijkstra_answers(chart)
    check(len(order) == 7 and order[0] == 1, "the drawing gives the answers: " +
          ", ".join("%d (%s)" % (n, number(distance[n])) for n in order))
    count = len(announced)
    press_in_frame("F9")
    first = said_after(count, "F9")
    check(first.startswith("Langkah 1 dari 7:") or "Langkah 1 dari 7:" in first,
          "F9 announces the first question: " + first)
    node_field = wait_for(lambda: find_in(app, pyatspi.ROLE_TEXT,
                                          "Simpul yang ditetapkan (atau klik simpulnya di gambar)"),
                          "the answer field 'Simpul'")
    check(eventually(lambda: has_focus(node_field)), "the focus is in the answer field")

    # F6 to the window and back; Tab goes round the panel.
    before = len(focused)
    key("F6")
    check(eventually(lambda: len(focused) > before and not in_panel(focused[-1])),
          "F6 takes the focus from the panel to the window")
    key("F6")
    check(eventually(lambda: has_focus(node_field)), "F6 brings it back to the answer field")
    before = len(focused)
    for _ in range(12):
        seen = len(focused)
        key("Tab")
        eventually(lambda: len(focused) > seen)
    stops = focused[before:]
    check(stops and all(in_panel(acc) for acc in stops),
          "Tab stays in the exercise panel (%d stops)" % len(stops))
    check(any(acc.name == node_field.name for acc in stops[1:]),
          "Tab comes round to the answer field again")
    node_field.queryComponent().grabFocus()
    eventually(lambda: has_focus(node_field))

    for step, node in enumerate(order, start=1):
        last = step == len(order)
        if step == 2:
            # A wrong answer first: the feedback says why and the question stands.
            wrong = order[2]
            count = len(announced)
            answer(wrong, number(distance[wrong]))
            said = said_after(count, "wrong answer")
            feedback = panel_text(app, "Umpan balik")
            check(said.startswith("Belum") and said.startswith(feedback) and
                  "Langkah 2 dari 7:" in said,
                  "a wrong answer announces its feedback, then the question again: " + said)
            check(eventually(lambda: has_focus(node_field)), "the focus is in 'Simpul' again")
        count = len(announced)
        answer(node, number(distance[node]))
        said = said_after(count, "answer %d" % step)
        feedback = panel_text(app, "Umpan balik")
        check(said.startswith("Benar") and feedback and said.startswith(feedback),
              "answer %d: the feedback is announced first: %s" % (step, said[:90]))
        if last:
            score = panel_text(app, "Skor")
            check("Latihan selesai." in said and score and said.endswith(score),
                  "then the end with the score: " + said[len(feedback):].strip())
            summary = wait_for(lambda: find_in(app, pyatspi.ROLE_TEXT, "Ringkasan latihan"),
                               "the summary")
            check(eventually(lambda: has_focus(summary)), "the focus is on the summary")
        else:
            question = "Langkah %d dari 7:" % (step + 1)
            check(question in said and said.index(question) >= len(feedback),
                  "then the next question: " + said[len(feedback):].strip()[:60])
            check(eventually(lambda: has_focus(node_field)), "the focus is in 'Simpul' again")
    key("Escape")
    check(eventually(lambda: find_in(app, pyatspi.ROLE_TEXT, "Ringkasan latihan") is None or
                     not find_in(app, pyatspi.ROLE_TEXT, "Ringkasan latihan").getState()
                     .contains(pyatspi.STATE_SHOWING)), "Esc ends the exercise")


def follow_floyd_steps(app):
    """Opens the Floyd window from the menu and steps through its method to the end."""
    press_in_frame("alt+f")
    key("f")
    floyd = wait_for(lambda: find_in(app, pyatspi.ROLE_FRAME, "Metode Floid"),
                     "the Floyd window opened by Alt+F F")
    check(floyd is not None, "Alt+F F opens the Floyd window")
    pump(0.3)
    count = len(announced)
    press_in_frame("F10")
    step, steps = 0, None
    while True:
        said = said_after(count, "step %d" % (step + 1))
        count = len(announced)
        explanation = panel_text(app, "Penjelasan langkah")
        words = said.split()
        try:
            shown, steps = int(words[1]), int(words[3].rstrip(":"))
        except (IndexError, ValueError):
            check(False, "a step is announced: " + said)
            return
        check(shown == step + 1 and said == explanation,
              "step %d of %d: its explanation is announced" % (shown, steps))
        step = shown
        if step >= steps:
            break
        key("Right")
    check(steps is not None and step == steps, "stepped to the last step")
    key("Escape")


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

    for keys, name in KEYBOARD_WINDOWS:
        check_keyboard_window(app, keys, name)

    for kind in ("object:state-changed:showing", "object:state-changed:focused"):
        pyatspi.Registry.registerEventListener(on_lesson_event, kind)
    started = time.monotonic()
    follow_exercise(app, chart)
    follow_floyd_steps(app)
    print("the lesson followed in %.1f s" % (time.monotonic() - started))
    print()
    print("What a screen reader announced, in order:")
    for text in announced:
        print("  " + text)

    if failures:
        print("\n%d check(s) failed" % len(failures))
        return 1
    print("\nall AT-SPI checks passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
