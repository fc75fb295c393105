"""Reads a running program's label texts the way a screen reader does, over AT-SPI.

Usage: read_label.py PID TEXT          prints the text of the label just right of the label TEXT
       read_label.py PID --shows TEXT   succeeds once a label of the program shows TEXT
"""
import sys
import time

import pyatspi


def labels(node):
    if node.getRole() == pyatspi.ROLE_LABEL:
        box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        yield box.y, box.x, node.name
    for child in filter(None, node):
        yield from labels(child)


def labels_of(pid):
    """The program's labels; none while a window comes or goes under the reading."""
    try:
        apps = [app for app in pyatspi.Registry.getDesktop(0) if app and app.get_process_id() == pid]
        return [sorted(labels(app)) for app in apps]
    except Exception:
        return []


pid, wanted = int(sys.argv[1]), sys.argv[2:]
for _ in range(50):
    for found in labels_of(pid):
        anchor = next(((y, x) for y, x, text in found if text == wanted[-1]), None)
        if anchor and wanted[0] == "--shows":
            sys.exit(0)
        right = [text for y, x, text in found if anchor and y == anchor[0] and x > anchor[1]]
        if right:
            print(right[0])
            sys.exit(0)
    time.sleep(0.2)
sys.exit(f"no label found for {wanted}")
