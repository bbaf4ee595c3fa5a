"""Writes an Image as an 8-bit RGB PNG file."""

import struct
import zlib


def chunk(kind, payload):
    body = kind + payload
    return struct.pack(">I", len(payload)) + body + struct.pack(">I", zlib.crc32(body))


def write(path, image):
    raw = bytearray()
    for row in image.rows:
        raw.append(0)  # no filter
        for colour in row:
            raw += bytes(colour)
    header = struct.pack(">IIBBBBB", image.width, image.height, 8, 2, 0, 0, 0)
    with open(path, "wb") as file:
        file.write(b"\x89PNG\r\n\x1a\n")
        file.write(chunk(b"IHDR", header))
        file.write(chunk(b"IDAT", zlib.compress(bytes(raw), 9)))
        file.write(chunk(b"IEND", b""))
