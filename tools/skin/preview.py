#!/usr/bin/env python3
"""Composes a mock of the calculator window from the skin bitmaps, for looking at them:
the frame pieces stretched into place, the close face at the top right and rows of keys
in each face, magnified.

Usage: preview.py OUTPUT.png [--scale 1|2] [--zoom N] [--bitmaps DIRECTORY]
"""

import argparse
import os

import bmpfile
import palette
import pngfile
from image import Image

WINDOW_WIDTH = 344
WINDOW_HEIGHT = 345
# Key button sizes in pixels at 1x: the common keys, wide keys and the low mode keys.
KEY_SIZES = [(41, 24), (41, 24), (62, 24), (57, 18)]


def stretch(target, source, left, top, right, bottom):
    """Nearest-neighbour scaling of the whole source into the rectangle, sampling at centres."""
    width = right - left
    height = bottom - top
    for y in range(height):
        source_y = (2 * y + 1) * source.height // (2 * height)
        for x in range(width):
            source_x = (2 * x + 1) * source.width // (2 * width)
            target.rows[top + y][left + x] = source.rows[source_y][source_x]


def copy(target, source, left, top):
    for y in range(source.height):
        target.rows[top + y][left:left + source.width] = source.rows[y]


def magnify(image, zoom):
    result = Image(image.width * zoom, image.height * zoom)
    for y in range(result.height):
        source = image.rows[y // zoom]
        result.rows[y] = [source[x // zoom] for x in range(result.width)]
    return result


def compose(bitmaps, scale):
    def load(name):
        suffix = "@2x" if scale == 2 else ""
        return bmpfile.read(os.path.join(bitmaps, f"{name}{suffix}.bmp"))

    width = WINDOW_WIDTH * scale
    height = WINDOW_HEIGHT * scale
    window = Image(width, height, palette.BACKGROUND)
    s = scale
    pieces = [
        ("IDB_FRAME_TITLELEFT", 0, 0, 3 * s, 21 * s),
        ("IDB_FRAME_TITLE", 3 * s, 0, width - 25 * s, 21 * s),
        ("IDB_FRAME_BOTTOMLEFT", 0, height - 5 * s, 5 * s, height),
        ("IDB_FRAME_BOTTOM", 5 * s, height - 5 * s, width - 5 * s, height),
        ("IDB_FRAME_BOTTOMRIGHT", width - 5 * s, height - 5 * s, width, height),
        ("IDB_FRAME_LEFT", 0, 21 * s, 3 * s, height - 5 * s),
        ("IDB_FRAME_RIGHT", width - 3 * s, 21 * s, width, height - 5 * s),
    ]
    for name, left, top, right, bottom in pieces:
        stretch(window, load(name), left, top, right, bottom)
    copy(window, load("IDB_CLOSE_NORMAL"), width - 25 * s, 0)

    # Below the title: a row of close faces to compare, then rows of keys, one face a row.
    x = 20 * s
    for name in ("IDB_CLOSE_NORMAL", "IDB_CLOSE_HOVER", "IDB_CLOSE_PRESSED"):
        copy(window, load(name), x, 30 * s)
        x += 35 * s
    y = 60 * s
    for name in ("IDB_KEY_NORMAL", "IDB_KEY_HOVER", "IDB_KEY_PRESSED"):
        face = load(name)
        x = 12 * s
        for key_width, key_height in KEY_SIZES:
            stretch(window, face, x, y, x + key_width * s, y + key_height * s)
            x += (key_width + 4) * s
        y += 30 * s
    # The faces unscaled, to see their corners.
    x = 12 * s
    for name in ("IDB_KEY_NORMAL", "IDB_KEY_HOVER", "IDB_KEY_PRESSED"):
        copy(window, load(name), x, y)
        x += 56 * s
    return window


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("output")
    parser.add_argument("--scale", type=int, choices=(1, 2), default=1)
    parser.add_argument("--zoom", type=int, default=3)
    repository = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
    parser.add_argument("--bitmaps", default=os.path.join(repository, "res", "bitmaps"))
    arguments = parser.parse_args()
    pngfile.write(arguments.output, magnify(compose(arguments.bitmaps, arguments.scale), arguments.zoom))


if __name__ == "__main__":
    main()
