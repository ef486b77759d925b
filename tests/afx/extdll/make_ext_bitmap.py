#!/usr/bin/env python3
"""Writes AfxTestExt.bmp: a 6x4 24-bit bitmap, left half green, right half blue, for the
resource-chain tests of the framework. Re-run after changes."""
import os
import struct

WIDTH, HEIGHT = 6, 4


def pixel(x, _y):
    return (0, 200, 0) if x < WIDTH // 2 else (0, 0, 200)


def main():
    stride = (WIDTH * 3 + 3) & ~3
    rows = []
    for y in reversed(range(HEIGHT)):  # bottom-up
        row = b"".join(bytes((b, g, r)) for r, g, b in (pixel(x, y) for x in range(WIDTH)))
        rows.append(row + b"\0" * (stride - len(row)))
    image = b"".join(rows)
    info = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 24, 0, len(image), 2835, 2835, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(image), 0, 0, 14 + len(info))
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "AfxTestExt.bmp")
    with open(path, "wb") as out:
        out.write(header + info + image)


if __name__ == "__main__":
    main()
