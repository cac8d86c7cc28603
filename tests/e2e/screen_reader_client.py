#!/usr/bin/python3
"""A screen reader's client of the accessibility bus, reading and using the
calculator: its application and frame, the "Go" buttons, the fields and the
result labels with the names a person knows them by, in reading order; the
top field set and its "Go" pressed through the bus; focus moved with Tab
and its events heard, as the caret's moves and the File menu's opening and
closing are; the program ended through File > Exit. Every wait is
bounded; the first failed check ends the client with status 1."""
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

STEP_SECONDS = 10


def check(condition, what):
    if not condition:
        print("screen_reader_client: " + what, file=sys.stderr)
        sys.exit(1)


def pump_until(predicate):
    """Runs the bus's events until predicate holds, for one step at most."""
    context = GLib.MainContext.default()
    end = time.monotonic() + STEP_SECONDS
    while time.monotonic() < end:
        if predicate():
            return True
        while context.iteration(False):
            pass
        time.sleep(0.05)
    return predicate()


def find_application():
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is not None and app.name == "Velmaro":
            return app
    return None


def walk(node):
    yield node
    for child in node:
        if child is not None:
            yield from walk(child)


def text_of(node):
    return node.queryText().getText(0, -1)


def of_role(frame, role):
    return [n for n in walk(frame) if n.getRole() == role]


def by_name(nodes):
    return {n.name: n for n in nodes}


app = None
pump_until(lambda: find_application() is not None)
app = find_application()
check(app is not None, 'no application named "Velmaro" on the bus')
frames = [c for c in app if c.getRole() == pyatspi.ROLE_FRAME]
check(len(frames) == 1 and frames[0].name == "Velmaro", "the application has no frame named Velmaro")
frame = frames[0]

buttons = [b for b in of_role(frame, pyatspi.ROLE_PUSH_BUTTON) if b.name == "Go"]
check(len(buttons) == 2, "%d push buttons named Go, not 2" % len(buttons))
check(all(b.queryAction().getName(0) == "click" for b in buttons), 'a "Go" button without "click"')

entries = by_name(of_role(frame, pyatspi.ROLE_ENTRY))
expected_entries = {"Whole, top row": "100", "Larger part, bottom row": "62"}
check({n: text_of(e) for n, e in entries.items()} == expected_entries,
      "the editable fields are %r" % {n: text_of(e) for n, e in entries.items()})
for entry in entries.values():
    states = entry.getState()
    check(states.contains(pyatspi.STATE_EDITABLE) and states.contains(pyatspi.STATE_SINGLE_LINE)
          and states.contains(pyatspi.STATE_FOCUSABLE), "a field is not a focusable single-line editable text")

# Where the top field's first character is, which character lies there,
# and the font of the field's text.
top_text = entries["Whole, top row"].queryText()
x, y, width, height = top_text.getCharacterExtents(0, pyatspi.DESKTOP_COORDS)
field = entries["Whole, top row"].queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
check(width > 0 and height > 0 and field.x <= x and x + width <= field.x + field.width,
      "the top field's first character is at %r, outside the field at %r" % ((x, y, width, height), field))
check(top_text.getOffsetAtPoint(x + width // 2, y + height // 2, pyatspi.DESKTOP_COORDS) == 0,
      "the top field's first character is not found where it is")
check("family-name:" in top_text.getDefaultAttributes(), "the top field tells no font")

labels = by_name(of_role(frame, pyatspi.ROLE_LABEL))
expected_labels = {"Larger part, top row": "62", "Smaller part, top row": "38",
                   "Whole, bottom row": "100", "Smaller part, bottom row": "38"}
check({n: text_of(labels[n]) for n in expected_labels if n in labels} == expected_labels,
      "the result labels are %r" % {n: text_of(l) for n, l in labels.items()})

# Reading order: the top row before the bottom row, each from left to right.
order = [n.name for n in walk(frame) if n.getRole() in (pyatspi.ROLE_LABEL, pyatspi.ROLE_ENTRY,
                                                        pyatspi.ROLE_PUSH_BUTTON)]
check(order == ["Smaller part, top row", "Larger part, top row", "Whole, top row", "Go",
                "Smaller part, bottom row", "Larger part, bottom row", "Whole, bottom row", "Go"],
      "the items are read in the order %r" % order)

# The top field set as typing would, and its "Go" pressed through the bus.
top_field = entries["Whole, top row"]
check(top_field.queryEditableText().setTextContents("250"), "setting the top field failed")
check(pump_until(lambda: text_of(top_field) == "250"), "the top field reads %r, not 250" % text_of(top_field))
top_go = min(buttons, key=lambda b: b.queryComponent().getExtents(pyatspi.DESKTOP_COORDS).y)
check(top_go.queryAction().doAction(0), 'the top "Go" refused its click')
check(pump_until(lambda: (text_of(labels["Larger part, top row"]), text_of(labels["Smaller part, top row"]))
                 == ("155", "95")),
      "after Go the top row reads %r and %r, not 155 and 95"
      % (text_of(labels["Larger part, top row"]), text_of(labels["Smaller part, top row"])))

# Tab moves the focus from the bottom field to its "Go", and the bus tells
# both moves; Home and End in the field tell the caret's.
focused = []
pyatspi.Registry.registerEventListener(lambda e: e.detail1 and focused.append(e.source),
                                       "object:state-changed:focused")
carets = []
pyatspi.Registry.registerEventListener(lambda e: carets.append((e.source.name, e.detail1)),
                                       "object:text-caret-moved")
bottom_field = entries["Larger part, bottom row"]
check(bottom_field.queryComponent().grabFocus(), "the bottom field would not take the focus")
check(pump_until(lambda: any(f.name == "Larger part, bottom row" for f in focused)),
      "no focus event for the bottom field")
for key, offset in (("Home", 0), ("End", len(text_of(bottom_field)))):
    subprocess.run(["xdotool", "key", key], check=True)
    check(pump_until(lambda: ("Larger part, bottom row", offset) in carets),
          "%s brought no caret event at %d (heard: %r)" % (key, offset, carets))
subprocess.run(["xdotool", "key", "Tab"], check=True)
check(pump_until(lambda: any(f.getRole() == pyatspi.ROLE_PUSH_BUTTON and f.name == "Go" for f in focused)),
      'Tab brought no focus event for "Go" (heard: %r)' % [f.name for f in focused])
check(max(buttons, key=lambda b: b.queryComponent().getExtents(pyatspi.DESKTOP_COORDS).y).getState()
      .contains(pyatspi.STATE_FOCUSED), 'the bottom "Go" does not have the focus after Tab')

# File > Exit, found with its action, ends the program.
menu_bar = of_role(frame, pyatspi.ROLE_MENU_BAR)
check(len(menu_bar) == 1, "no menu bar")
file_menu = [m for m in menu_bar[0] if m.name == "File"]
check(len(file_menu) == 1 and file_menu[0].getRole() == pyatspi.ROLE_MENU, "no File menu on the bar")
exit_item = [i for i in file_menu[0] if i.name == "Exit"]
check(len(exit_item) == 1 and exit_item[0].queryAction().getName(0) == "click", "no Exit with click in File")

# File opened through its action and closed with Escape: the bus tells the
# menu selected, then no longer.
selections = []
pyatspi.Registry.registerEventListener(lambda e: selections.append((e.source.name, e.detail1)),
                                       "object:state-changed:selected")
check(file_menu[0].queryAction().doAction(0), "File refused its click")
check(pump_until(lambda: ("File", 1) in selections), "no event told File opened (heard: %r)" % selections)
check(pump_until(lambda: exit_item[0].getState().contains(pyatspi.STATE_SHOWING)), "Exit does not show in open File")
subprocess.run(["xdotool", "key", "Escape", "Escape"], check=True)
check(pump_until(lambda: ("File", 0) in selections), "no event told File closed (heard: %r)" % selections)
check(pump_until(lambda: exit_item[0].getState().contains(pyatspi.STATE_ENABLED)), "Exit stays disabled")
check(exit_item[0].queryAction().doAction(0), "Exit refused its click")
print("screen_reader_client: passed")
