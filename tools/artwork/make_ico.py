#!/usr/bin/env python3
"""Pack one 16 x 16 RGBA image into a Windows icon file.

Usage: make_ico.py RAW_RGBA OUTPUT.ico
RAW_RGBA holds 16*16*4 bytes, rows top-down, channels R, G, B, A
(for example the output of `convert emblem16.png rgba:-`).

The icon holds a single image: 32 bits per pixel, uncompressed
BITMAPINFOHEADER, BGRA rows bottom-up, then an all-zero AND mask.
The file is always 1150 bytes long.
"""
import struct
import sys

SIZE = 16


def build_icon(rgba: bytes) -> bytes:
    if len(rgba) != SIZE * SIZE * 4:
        raise ValueError("expected %d bytes of RGBA, got %d" % (SIZE * SIZE * 4, len(rgba)))

    row_bytes = SIZE * 4
    pixels = bytearray()
    for row in range(SIZE - 1, -1, -1):          # bottom-up
        line = rgba[row * row_bytes:(row + 1) * row_bytes]
        for i in range(0, row_bytes, 4):
            r, g, b, a = line[i:i + 4]
            pixels += bytes((b, g, r, a))
    mask = bytes(SIZE * 4)                       # 16 rows x 4 bytes (32-bit aligned), all zero

    header = struct.pack("<IiiHHIIiiII",
                         40,                     # header size
                         SIZE, SIZE * 2,         # width, height of colour + mask
                         1, 32,                  # planes, bits per pixel
                         0,                      # uncompressed
                         len(pixels),            # image size
                         0, 0, 0, 0)
    image = header + bytes(pixels) + mask

    icondir = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 32, len(image), 6 + 16)
    return icondir + entry + image


def main() -> int:
    if len(sys.argv) != 3:
        sys.stderr.write(__doc__)
        return 2
    with open(sys.argv[1], "rb") as f:
        data = build_icon(f.read())
    with open(sys.argv[2], "wb") as f:
        f.write(data)
    return 0


if __name__ == "__main__":
    sys.exit(main())
