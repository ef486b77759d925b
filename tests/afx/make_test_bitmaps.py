#!/usr/bin/env python3
"""Writes GdiTestStrip.bmp: a 24-bit strip of three 4x4 images (red, green, blue) whose
top-left pixels are magenta, the mask colour of the image-list tests. Re-run after changes."""
import os
import struct

CELL = 4
COLOURS = [(255, 0, 0), (0, 255, 0), (0, 0, 255)]
MASK = (255, 0, 255)


def pixel(x, y):
    if x % CELL == 0 and y == 0:
        return MASK
    return COLOURS[x // CELL]


def main():
    width, height = CELL * len(COLOURS), CELL
    stride = (width * 3 + 3) & ~3
    rows = []
    for y in reversed(range(height)):  # bottom-up
        row = b"".join(bytes((b, g, r)) for r, g, b in (pixel(x, y) for x in range(width)))
        rows.append(row + b"\0" * (stride - len(row)))
    image = b"".join(rows)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(image), 2835, 2835, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(image), 0, 0, 14 + len(info))
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "GdiTestStrip.bmp")
    with open(path, "wb") as out:
        out.write(header + info + image)


if __name__ == "__main__":
    main()
