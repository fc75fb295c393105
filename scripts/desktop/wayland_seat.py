"""The windows of a sway session, and a user's keys and clicks through its VNC server (wayvnc).

Usage: wayland_seat.py windows                          a line a window: id pid focused x y width
                                                        height (client area, logical pixels)
                                                        app_id, a tab and the title
       wayland_seat.py VNC serve SEAT                   one VNC client for the session, asked at
                                                        the socket SEAT, which it makes once the
                                                        compositor has its keyboard and pointer
       wayland_seat.py SEAT keys DELAY_MS KEY...        each key (4, space, Return, alt+s) pressed
                                                        and released, DELAY_MS between two
       wayland_seat.py SEAT press|release|click X Y     the left button at output pixels X, Y

wayvnc 0.9 gives the compositor a keyboard and a pointer of a client's only with its first key
and its first move, which then reach no window, and takes them away when it leaves; so one client
holds them for the whole session.
"""
import json
import os
import socket
import struct
import subprocess
import sys
import time

KEYSYMS = {"space": 0x20, "Return": 0xFF0D, "Escape": 0xFF1B, "Tab": 0xFF09, "alt": 0xFFE9}


def windows(node):
    for child in node.get("nodes", []) + node.get("floating_nodes", []):
        if child.get("shell") == "xdg_shell":
            box, client = child["rect"], child["window_rect"]
            place = (box["x"] + client["x"], box["y"] + client["y"], client["width"], client["height"])
            identity = (child["id"], child["pid"], int(child["focused"]))
            print(*identity, *place, child["app_id"], f"\t{child['name']}")
        windows(child)


def connect(path):
    """An RFB 3.8 session without security, shared with other clients, and the screen's size."""
    server = socket.socket(socket.AF_UNIX)
    server.connect(path)
    read = lambda size: server.recv(size, socket.MSG_WAITALL)
    read(12)
    server.sendall(b"RFB 003.008\n")
    read(read(1)[0])
    server.sendall(b"\x01")
    read(4)
    server.sendall(b"\x01")
    width, height, name = struct.unpack(">HH16xI", read(24))
    read(name)
    return server, width, height


def key(server, keysym, down):
    server.sendall(struct.pack(">BBxxI", 4, down, keysym))


def button(server, pressed, x, y):
    server.sendall(struct.pack(">BBHH", 5, pressed, x, y))


def act(server, width, height, action, arguments):
    if action == "keys":
        for number, name in enumerate(arguments[1:]):
            if number > 0:
                time.sleep(int(arguments[0]) / 1000)  # between keys, none after the last
            syms = [KEYSYMS.get(part, ord(part[0])) for part in name.split("+")]
            for sym in syms:
                key(server, sym, 1)
            for sym in reversed(syms):
                key(server, sym, 0)
    else:
        # The pointer moves there first; a press and its release come 50 ms apart.
        x, y = map(int, arguments)
        button(server, 0, x, y)
        if action != "release":
            button(server, 1, x, y)
            time.sleep(0.05)
        if action != "press":
            button(server, 0, x, y)
            button(server, 0, width - 1, height - 1)  # out of the way of the pictures


def devices():
    inputs = json.loads(subprocess.check_output(["swaymsg", "-t", "get_inputs", "--raw"]))
    return {device["type"] for device in inputs}


def serve(vnc, path):
    server, width, height = connect(vnc)
    key(server, KEYSYMS["alt"], 0)
    button(server, 0, width - 1, height - 1)
    for _ in range(100):
        if {"keyboard", "pointer"} <= devices():
            break
        time.sleep(0.05)
    else:
        sys.exit("the compositor took no keyboard and no pointer from the VNC server")
    listener = socket.socket(socket.AF_UNIX)
    listener.bind(path + ".new")
    os.rename(path + ".new", path)
    listener.listen()
    while True:
        asker, _ = listener.accept()
        with asker:
            action, *arguments = json.loads(asker.makefile().readline())
            act(server, width, height, action, arguments)
            # A later connection's events would not pass these: only the answer waits.
            asker.sendall(b"done\n")


if sys.argv[1] == "windows":
    windows(json.loads(subprocess.check_output(["swaymsg", "-t", "get_tree"])))
elif sys.argv[2] == "serve":
    serve(sys.argv[1], sys.argv[3])
else:
    seat = socket.socket(socket.AF_UNIX)
    seat.settimeout(30)  # a seat that hangs fails the step
    seat.connect(sys.argv[1])
    seat.sendall(json.dumps(sys.argv[2:]).encode() + b"\n")
    if seat.makefile().readline() != "done\n":
        sys.exit("the seat did not answer")
