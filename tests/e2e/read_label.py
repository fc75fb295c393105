"""Reads a running program's label texts the way a screen reader does, over AT-SPI.

Usage: read_label.py PID TEXT          prints the text of the label just right of the label TEXT
       read_label.py PID --shows TEXT   succeeds once a label of the program shows TEXT
"""

import sys
import time

import pyatspi


def labels_of(pid):
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is not None and app.get_process_id() == pid:
            found = []
            collect(app, found)
            return found
    return []


def collect(node, found):
    if node.getRole() == pyatspi.ROLE_LABEL:
        box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        found.append((box.x, box.y, node.name))
    for child in node:
        if child is not None:
            collect(child, found)


def shows(pid, text):
    for _ in range(50):
        if any(label[2] == text for label in labels_of(pid)):
            return 0
        time.sleep(0.2)
    print(f"no label shows {text!r}", file=sys.stderr)
    return 1


def main():
    if sys.argv[2] == "--shows":
        return shows(int(sys.argv[1]), sys.argv[3])
    pid, anchor = int(sys.argv[1]), sys.argv[2]
    for _ in range(50):
        labels = labels_of(pid)
        anchors = [label for label in labels if label[2] == anchor]
        if anchors:
            x, y, _ = anchors[0]
            right = sorted(l for l in labels if l[1] == y and l[0] > x)
            if right:
                print(right[0][2])
                return 0
        time.sleep(0.2)
    print(f"no label right of {anchor!r}", file=sys.stderr)
    return 1


sys.exit(main())
