"""The calculator's window as the accessibility bus shows it, for the scripts
that reach the running program the way a screen reader does."""
import pyatspi

PROGRAM = "raruvid"
WINDOW = "Raruvid Udodidevud"
WAIT_SECONDS = 15
NOT_ON_BUS = f"no '{WINDOW}' window of {PROGRAM} on the accessibility bus"


def find_window():
    """The program's calculator window on the bus now, or None."""
    desktop = pyatspi.Registry.getDesktop(0)
    for application in desktop:
        if application is None or application.name != PROGRAM:
            continue
        for window in application:
            if window is not None and window.name == WINDOW:
                return window
    return None
