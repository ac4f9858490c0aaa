#!/usr/bin/python3
"""Reads the workbench from the AT-SPI bus as a screen reader does.

usage: workbench_check.py EXPECTED_C_FILE DECIMAL_POINT
The window was opened with --device 16F1829 --osc 16 --baud 115200: the table's cell of 115200
baud in mode 16/4 says n = 34 and the error -0.794% in the locale's decimal point, the C code
is what spbrg prints, and the C form's Copy button puts exactly that text on the clipboard.
"""
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

expected_c = open(sys.argv[1], encoding="utf-8").read()
decimal = sys.argv[2]
failures = []


def expect(what, got, wanted):
    if got != wanted:
        failures.append(f"{what}: got {got!r}, expected {wanted!r}")


def find_application():
    desktop = pyatspi.Registry.getDesktop(0)
    for _ in range(100):
        for app in desktop:
            if app is not None and app.name == "spbrg-workbench":
                return app
        GLib.usleep(100000)
    sys.exit("FAIL: spbrg-workbench is not on the accessibility bus")


def walk(node, found):
    for child in node:
        if child is None:
            continue
        found.append(child)
        if child.getRole() != pyatspi.ROLE_TABLE_CELL:
            walk(child, found)
    return found


def named(nodes, role, name):
    for node in nodes:
        if node.getRole() == role and node.name == name:
            return node
    return None


app = find_application()
nodes = walk(app, [])

for role, name in [(pyatspi.ROLE_TEXT, "Part"), (pyatspi.ROLE_TEXT, "Oscillator in MHz"),
                   (pyatspi.ROLE_TEXT, "Error budget in percent"),
                   (pyatspi.ROLE_CHECK_BOX, "115" + ("." if decimal == "," else ",") + "200 baud")]:
    expect(f"a control named {name!r}", named(nodes, role, name) is not None, True)

table = named(nodes, pyatspi.ROLE_TABLE, "Settings by rate and mode")
if table is None:
    sys.exit("FAIL: no table named 'Settings by rate and mode'")
cells = table.queryTable()
modes = [cells.getColumnDescription(c) for c in range(cells.nColumns)]
rates = [cells.getRowDescription(r) for r in range(cells.nRows)]
expect("mode columns", modes, ["8/64", "8/16", "16/16", "16/4"])
expect("rate rows", rates, ["115" + ("." if decimal == "," else ",") + "200"])
if "16/4" in modes and rates:
    cell = cells.getAccessibleAt(0, modes.index("16/4")).name
    error = "-0" + decimal + "794%"
    expect("the 16/4 cell names n", "n = 34," in cell, True)
    expect(f"the 16/4 cell names {error}", error in cell, True)
    expect("the 16/4 cell is the best", "the best of the row" in cell, True)

code = named(nodes, pyatspi.ROLE_TEXT, "C code")
if code is None:
    sys.exit("FAIL: no text named 'C code'")
text = code.queryText()
expect("the C code", text.getText(0, text.characterCount), expected_c)

copy = named(nodes, pyatspi.ROLE_PUSH_BUTTON, "Copy the C code")
if copy is None:
    sys.exit("FAIL: no button named 'Copy the C code'")
subprocess.run(["xclip", "-selection", "clipboard"], input=b"before", check=True)
actions = copy.queryAction()
press = [i for i in range(actions.nActions) if actions.getName(i) in ("Press", "press", "click")]
actions.doAction(press[0] if press else 0)
held = b""
for _ in range(50):
    held = subprocess.run(["xclip", "-o", "-selection", "clipboard"], capture_output=True).stdout
    if held != b"before":
        break
    time.sleep(0.1)
expect("the clipboard after Copy", held.decode("utf-8"), expected_c)
# The status line says so, in words a screen reader reads out.
said = [node.name for node in walk(app, []) if node.getRole() == pyatspi.ROLE_LABEL]
expect("the copy status said", "the C code is on the clipboard" in said, True)

for failure in failures:
    print("FAIL:", failure)
sys.exit(1 if failures else 0)
