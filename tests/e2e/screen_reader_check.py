#!/usr/bin/python3
"""Reads the calculator window from the AT-SPI bus as a screen reader does.

usage: screen_reader_check.py WINDOW_ID
After 4 MHz / 9600 / Calculate: every control's role and name, the captions that label the
entry boxes and the results; then "+" is pressed and the SPBRG result must announce its change.
"""
import subprocess
import sys

import pyatspi
from gi.repository import GLib

window_id = sys.argv[1]
failures = []


def find_application():
    desktop = pyatspi.Registry.getDesktop(0)
    for _ in range(100):
        for app in desktop:
            if app is not None and app.name == "spbrg-calculator":
                return app
        GLib.usleep(100000)
    sys.exit("FAIL: spbrg-calculator is not on the accessibility bus")


def walk(node, found):
    for child in node:
        if child is None:
            continue
        found.append(child)
        walk(child, found)
    return found


def labelled_by(node):
    for relation in node.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            return relation.getTarget(0).name
    return None


def expect(what, got, wanted):
    if got != wanted:
        failures.append(f"{what}: got {got!r}, expected {wanted!r}")


app = find_application()
nodes = walk(app, [])
by_role = {}
for node in nodes:
    by_role.setdefault(node.getRoleName(), []).append(node)

texts = [node for node in nodes if node.getRole() == pyatspi.ROLE_TEXT]
expect("entry boxes", sorted(node.name for node in texts), ["BaudRate", "OSC (MHZ)"])
for node in texts:
    expect(f"{node.name} labelled by", labelled_by(node), node.name)
    expect(f"{node.name} focusable", node.getState().contains(pyatspi.STATE_FOCUSABLE), True)

buttons = {node.name: node for node in nodes if node.getRole() == pyatspi.ROLE_PUSH_BUTTON}
for name in ["Calculate", "+", "-", "Send PBP DEFINEs to clipboard"]:
    expect(f"button {name}", name in buttons, True)
expect("+ description", buttons["+"].description if "+" in buttons else None,
       "Increase SPBRG by one")
expect("Calculate focused", buttons["Calculate"].getState().contains(pyatspi.STATE_FOCUSED)
       if "Calculate" in buttons else None, True)

results = {labelled_by(node): node.name for node in nodes
           if node.getRole() in (pyatspi.ROLE_LABEL, pyatspi.ROLE_STATIC) and labelled_by(node)}
expect("results", results,
       {"Calculated BaudRate": "9,615", "SPBRG Value": "25", "Error%": "0.16%"})

# "+" changes the SPBRG result: its label says so on the bus.
changes = []


def on_name_change(event):
    changes.append(event.source.name)


def press_plus():
    subprocess.run(["xdotool", "key", "--window", window_id, "Tab", "Tab", "space"], check=False)
    return False


pyatspi.Registry.registerEventListener(on_name_change, "object:property-change:accessible-name")
GLib.timeout_add(500, press_plus)
GLib.timeout_add(4000, lambda: pyatspi.Registry.stop() or False)
pyatspi.Registry.start()
expect("name change announced after +", "26" in changes, True)

for failure in failures:
    print("FAIL:", failure)
sys.exit(1 if failures else 0)
