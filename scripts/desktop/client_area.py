"""Where a program draws its window's frame itself, what is inside it, as a screen reader finds it
over AT-SPI: the client area, the window's child that shows the form or the message, and the
frame's buttons.

Usage: client_area.py [--screen] PID TITLE
    prints x y width height (in the window's coordinates, or with --screen the screen's) and the
    names of the frame's buttons, comma-separated
"""
import sys
import time

import pyatspi


def frame(pid, title, coordinates):
    for app in pyatspi.Registry.getDesktop(0):
        if app and app.get_process_id() == pid:
            for window in filter(lambda node: node and node.name == title, app):
                children = list(filter(None, window))
                client = [child for child in children if child.getRole() != pyatspi.ROLE_PUSH_BUTTON]
                buttons = [child.name for child in children if child.getRole() == pyatspi.ROLE_PUSH_BUTTON]
                if client:
                    box = client[0].queryComponent().getExtents(coordinates)
                    return box.x, box.y, box.width, box.height, ",".join(buttons)
    return None


# Qt 6.4 answers in the screen's coordinates on X11 when asked for the window's; Qt 6.8 does not.
coordinates = pyatspi.DESKTOP_COORDS if sys.argv[1] == "--screen" else pyatspi.WINDOW_COORDS
pid, title = int(sys.argv[-2]), sys.argv[-1]
for _ in range(50):
    try:
        found = frame(pid, title, coordinates)
    except Exception:  # a window coming or going under the reading
        found = None
    if found:
        print(*found)
        sys.exit(0)
    time.sleep(0.2)
sys.exit(f"no frame of the program's own around a window '{title}' of process {pid}")
