"""Reaches the running calculator through the accessibility bus, the one way in
that needs no input devices from the compositor.

Usage (run with /usr/bin/python3, which has pyatspi):
  calculator-atspi.py press NAME...   press the controls with these accessible names
  calculator-atspi.py result          print the result field's text
  calculator-atspi.py centre NAME     print the control's centre in window coordinates
Each command first waits, bounded, for the program to appear on the bus.
"""
import os
import sys
import time

import pyatspi

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "lib"))
from calculator_window import NOT_ON_BUS, WAIT_SECONDS, find_window  # noqa: E402


def wait_for_window():
    deadline = time.monotonic() + WAIT_SECONDS
    while time.monotonic() < deadline:
        window = find_window()
        if window is not None:
            return window
        time.sleep(0.2)
    sys.exit(NOT_ON_BUS)


def controls_by_name(window):
    found = {}

    def walk(node):
        for child in node:
            if child is None:
                continue
            found.setdefault(child.name, child)
            walk(child)

    walk(window)
    return found


def control(controls, name):
    if name not in controls:
        sys.exit(f"no control named '{name}'; the names are {sorted(controls)}")
    return controls[name]


def press(controls, names):
    for name in names:
        action = control(controls, name).queryAction()
        actions = [action.getName(index) for index in range(action.nActions)]
        if "Press" not in actions:
            sys.exit(f"'{name}' offers {actions}, no Press")
        action.doAction(actions.index("Press"))
        # A pressed button releases itself after a tenth of a second; a press
        # before then is lost.
        time.sleep(0.25)


def main(arguments):
    if not arguments:
        sys.exit(__doc__)
    command, names = arguments[0], arguments[1:]
    controls = controls_by_name(wait_for_window())
    if command == "press" and names:
        press(controls, names)
    elif command == "result" and not names:
        print(control(controls, "Result").queryText().getText(0, -1))
    elif command == "centre" and len(names) == 1:
        x, y, width, height = control(controls, names[0]).queryComponent().getExtents(pyatspi.WINDOW_COORDS)
        print(x + width // 2, y + height // 2)
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main(sys.argv[1:])
