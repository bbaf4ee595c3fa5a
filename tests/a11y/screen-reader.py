"""Uses the running calculator as a screen reader does, through the accessibility
bus only.

Usage (run with /usr/bin/python3, which has pyatspi):
  screen-reader.py wait PID   wait, bounded, for the program's window on the bus;
                              exits 2 at once if the process PID has ended
  screen-reader.py check      list the controls and check their names, press
                              "7" "plus" "2" "equals", hear and read 9 in the
                              result field, press "close"
"""
import os
import re
import sys
import time

import pyatspi
from gi.repository import GLib

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "lib"))
from calculator_window import NOT_ON_BUS, WAIT_SECONDS, find_window  # noqa: E402

# The names a person says for the keys whose captions are glyphs or letters.
SPOKEN_NAMES = [
    "x to the power of y", "change sign", "reciprocal", "factorial", "percent",
    "clear", "clear entry", "pi", "e", "inverse", "close",
    "0", "1", "2", "3", "4", "5", "6", "7", "8", "9",
    "plus", "minus", "multiply", "divide", "equals", "decimal point", "Result",
]
BUTTON_ROLES = {pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_CHECK_BOX}
CONTROL_ROLES = BUTTON_ROLES | {pyatspi.ROLE_TEXT, pyatspi.ROLE_LABEL}
# Buttons are named in lower-case words, a digit, or OK; the radio buttons keep
# their captions. Glyphs ("x^y", "+/-") and captions such as "CE" or "Cal" do not fit.
BUTTON_NAME = re.compile(r"[0-9]|OK|Angle|Radian|[a-z]+( [a-z]+)*")
# Captions that fit the pattern but are abbreviations, not words.
ABBREVIATIONS = {"sin", "cos", "tan", "sinh", "cosh", "tanh", "ln", "log"}

failures = 0


def ok(message):
    print(f"ok: {message}", flush=True)


def fail(message):
    global failures
    failures += 1
    print(f"FAIL: {message}", flush=True)


def wait_for_window(pid):
    deadline = time.monotonic() + WAIT_SECONDS
    while time.monotonic() < deadline:
        try:
            os.kill(pid, 0)
        except ProcessLookupError:
            sys.exit(2)
        if find_window() is not None:
            return
        time.sleep(0.2)
    sys.exit(NOT_ON_BUS)


def list_controls(window):
    found = []

    def walk(node):
        for child in node:
            if child is None:
                continue
            if child.getRole() in CONTROL_ROLES:
                found.append(child)
            walk(child)

    walk(window)
    return found


def pump(seconds):
    """Delivers the events that arrive within this time to the listeners."""
    context = GLib.MainContext.default()
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        if not context.iteration(False):
            time.sleep(0.01)


def check_names(controls):
    unnamed = [control.getRoleName() for control in controls if not control.name]
    if unnamed:
        fail(f"controls without a name: {unnamed}")
    buttons = [control.name for control in controls if control.getRole() in BUTTON_ROLES]
    captions = sorted(name for name in buttons if name in ABBREVIATIONS or not BUTTON_NAME.fullmatch(name))
    if captions:
        fail(f"buttons named by their captions: {captions}")
    missing = [name for name in SPOKEN_NAMES if name not in {control.name for control in controls}]
    if missing:
        fail(f"no control named {missing}")
    if not unnamed and not captions and not missing:
        ok(f"{len(controls)} controls, each named in words: {sorted(buttons)}")


def press(control):
    action = control.queryAction()
    actions = [action.getName(index) for index in range(action.nActions)]
    if "Press" not in actions:
        fail(f"'{control.name}' offers {actions}, no Press")
        return
    action.doAction(actions.index("Press"))
    # A pressed button releases itself after a tenth of a second; a press
    # before then is lost.
    pump(0.25)


def check_keys(controls):
    by_name = {control.name: control for control in controls}
    # A missing name has been reported already.
    if any(name not in by_name for name in ("7", "plus", "2", "equals", "Result", "close")):
        return
    result = by_name["Result"]
    heard = []

    def listen(event):
        if event.source is not None and event.source.name == "Result":
            heard.append((event.type, str(event.any_data)))

    # Qt's bridge passes value changes on only for controls with a numeric
    # value, such as sliders: a reader hears a field's new text as a text
    # change. The value change sent as well is checked inside Qt (a11y_tests).
    pyatspi.Registry.registerEventListener(listen, "object:text-changed")
    # The program learns of the new listener from the registry before it sends anything.
    pump(0.5)
    for name in ("7", "plus", "2"):
        press(by_name[name])
    pump(0.3)
    heard.clear()
    press(by_name["equals"])
    announced = ("object:text-changed:insert", "9")
    deadline = time.monotonic() + 3
    while announced not in heard and time.monotonic() < deadline:
        pump(0.1)
    if announced in heard:
        ok(f"pressing equals announced the result: {heard}")
    else:
        fail(f"pressing equals announced {heard}, not the insertion of 9")
    pyatspi.Registry.deregisterEventListener(listen, "object:text-changed")

    shown = result.queryText().getText(0, -1)
    if shown == "9":
        ok('"7" "plus" "2" "equals" pressed through the accessibility bus shows 9')
    else:
        fail(f'"7" "plus" "2" "equals" shows \'{shown}\', expected 9')
    press(by_name["close"])


def main(arguments):
    if arguments[:1] == ["wait"] and len(arguments) == 2:
        wait_for_window(int(arguments[1]))
        return
    if arguments != ["check"]:
        sys.exit(__doc__)
    window = find_window()
    if window is None:
        sys.exit(NOT_ON_BUS)
    controls = list_controls(window)
    check_names(controls)
    check_keys(controls)
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main(sys.argv[1:])
