"""Windows bitmap files: 24 bits per pixel, uncompressed, bottom-up rows padded to 4 bytes."""

import struct

from image import Image

FILE_HEADER_SIZE = 14
INFO_HEADER_SIZE = 40
PIXELS_PER_METRE = 2835  # 72 dots per inch


def row_stride(width):
    return (width * 3 + 3) // 4 * 4


def encode(image):
    stride = row_stride(image.width)
    pixel_bytes = stride * image.height
    offset = FILE_HEADER_SIZE + INFO_HEADER_SIZE
    data = bytearray()
    data += struct.pack("<2sIHHI", b"BM", offset + pixel_bytes, 0, 0, offset)
    data += struct.pack("<IiiHHIIiiII", INFO_HEADER_SIZE, image.width, image.height, 1, 24, 0,
                        pixel_bytes, PIXELS_PER_METRE, PIXELS_PER_METRE, 0, 0)
    padding = bytes(stride - image.width * 3)
    for y in reversed(range(image.height)):
        for red, green, blue in image.rows[y]:
            data += bytes((blue, green, red))
        data += padding
    return bytes(data)


def write(path, image):
    with open(path, "wb") as file:
        file.write(encode(image))


def read(path):
    """Reads a file written by encode(); raises ValueError for anything else."""
    with open(path, "rb") as file:
        data = file.read()
    if len(data) < FILE_HEADER_SIZE + INFO_HEADER_SIZE or data[:2] != b"BM":
        raise ValueError(f"{path}: not a bitmap file")
    offset = struct.unpack_from("<I", data, 10)[0]
    header_size, width, height, planes, bits, compression = struct.unpack_from("<IiiHHI", data, 14)
    if header_size != INFO_HEADER_SIZE or planes != 1 or bits != 24 or compression != 0:
        raise ValueError(f"{path}: not an uncompressed 24-bit bitmap")
    if width <= 0 or height <= 0:
        raise ValueError(f"{path}: only bottom-up bitmaps are read")
    stride = row_stride(width)
    if offset + stride * height > len(data):
        raise ValueError(f"{path}: truncated")
    image = Image(width, height)
    for y in range(height):
        start = offset + (height - 1 - y) * stride
        image.rows[y] = [(data[start + 3 * x + 2], data[start + 3 * x + 1], data[start + 3 * x])
                         for x in range(width)]
    return image
