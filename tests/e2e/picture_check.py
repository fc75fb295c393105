"""What the end-to-end tests read off a picture of the game window's client area (a PNG on
standard input), the same for every program and display: the window's scale is its width over
208 pixels.

  cannon-edge           the x of the cannon's left edge on its bottom row, at 96 dpi
  in-blocks GOLDEN      whether the cannon is the reviewed picture's, in whole blocks
  colour X Y            the name of the colour of a pixel (a hexadecimal value if unnamed)
"""
import io
import sys

from PIL import Image

NAMES = {(0, 0, 0): "black", (255, 255, 255): "white", (255, 255, 0): "yellow",
         (255, 0, 0): "red", (0, 255, 0): "lime", (0, 0, 255): "blue"}
CANNON = (72, 312, 110, 336)  # the cannon's box where it starts, at 96 dpi


def main(command, *args):
    shot = Image.open(io.BytesIO(sys.stdin.buffer.read())).convert("RGB")
    scale = shot.width // 208
    if command == "cannon-edge":
        row = 335 * scale
        # The field's colour is the user's menu-text colour under Windows: not always black. The
        # cannon never reaches the window's left edge.
        field = shot.getpixel((0, row))
        print(next(x for x in range(shot.width) if shot.getpixel((x, row)) != field) // scale)
    elif command == "in-blocks":
        box = tuple(edge * scale for edge in CANNON)
        cannon = shot.crop(box)
        golden = Image.open(args[0]).convert("RGB").crop(CANNON).resize(cannon.size, Image.NEAREST)
        return 0 if cannon.tobytes() == golden.tobytes() else 1
    elif command == "colour":
        rgb = shot.getpixel((int(args[0]), int(args[1])))
        print(NAMES.get(rgb, "#%02x%02x%02x" % rgb))
    return 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
