"""A picture of an area of KWin's screen, through its screenshot interface (which hands the pixels
over a pipe), as PNG on the standard output.

Usage: kwin_picture.py X Y WIDTH HEIGHT    the area in the output's logical pixels; the picture
                                           has the output's own pixels
"""
import io
import os
import sys

from gi.repository import Gio, GLib
from PIL import Image

FORMATS = {4: "BGRX", 5: "BGRA", 6: "BGRa"}  # QImage's 32-bit formats, in a little-endian memory


def capture(x, y, width, height):
    bus = Gio.bus_get_sync(Gio.BusType.SESSION)
    read, write = os.pipe()
    fds = Gio.UnixFDList.new_from_array([write])
    options = {"native-resolution": GLib.Variant("b", True)}
    reply, _ = bus.call_with_unix_fd_list_sync(
        "org.kde.KWin", "/org/kde/KWin/ScreenShot2", "org.kde.KWin.ScreenShot2", "CaptureArea",
        GLib.Variant("(iiuua{sv}h)", (x, y, width, height, options, 0)), GLib.VariantType("(a{sv})"),
        Gio.DBusCallFlags.NONE, 5000, fds, None)
    os.close(write)
    with os.fdopen(read, "rb") as pipe:
        data = pipe.read()
    info = reply.unpack()[0]
    mode = FORMATS[info["format"]]
    image = Image.frombuffer("RGBA", (info["width"], info["height"]), data, "raw", mode, info["stride"], 1)
    return image.convert("RGB")


if __name__ == "__main__":
    out = io.BytesIO()
    capture(*map(int, sys.argv[1:5])).save(out, "PNG")
    sys.stdout.buffer.write(out.getvalue())
