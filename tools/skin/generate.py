#!/usr/bin/env python3
"""Draws the thirteen skin bitmaps and writes them as res/bitmaps/<NAME>.bmp, and at
twice the size as <NAME>@2x.bmp for high-density screens.

Usage: generate.py [OUTPUT_DIRECTORY]   (default: res/bitmaps of this repository)
"""

import os
import sys

import bmpfile
import close
import frame
import keys

# Resource id, name and drawing of each bitmap.
CATALOGUE = [
    (376, "IDB_CLOSE_HOVER", close.hover),
    (377, "IDB_CLOSE_NORMAL", close.normal),
    (378, "IDB_CLOSE_PRESSED", close.pressed),
    (379, "IDB_FRAME_BOTTOMLEFT", frame.bottom_left),
    (380, "IDB_FRAME_BOTTOM", frame.bottom),
    (381, "IDB_FRAME_BOTTOMRIGHT", frame.bottom_right),
    (382, "IDB_FRAME_TITLE", frame.title),
    (383, "IDB_FRAME_LEFT", frame.left),
    (384, "IDB_FRAME_RIGHT", frame.right),
    (385, "IDB_FRAME_TITLELEFT", frame.title_left),
    (386, "IDB_KEY_NORMAL", keys.normal),
    (387, "IDB_KEY_PRESSED", keys.pressed),
    (388, "IDB_KEY_HOVER", keys.hover),
]
SCALES = {1: "", 2: "@2x"}


def file_name(name, scale):
    return f"{name}{SCALES[scale]}.bmp"


def main(arguments):
    repository = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
    output = arguments[0] if arguments else os.path.join(repository, "res", "bitmaps")
    os.makedirs(output, exist_ok=True)
    for _, name, draw in CATALOGUE:
        for scale in SCALES:
            bmpfile.write(os.path.join(output, file_name(name, scale)), draw(scale))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
