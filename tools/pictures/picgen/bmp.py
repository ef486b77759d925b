"""Windows bitmap files: 24-bit, bottom-up, uncompressed."""
import struct

PIXELS_PER_METRE = 2835  # 72 dots per inch


def encode(rows):
    """File bytes of a 24-bit bitmap from rows of (r, g, b), top row first."""
    height = len(rows)
    width = len(rows[0]) if rows else 0
    stride = (width * 3 + 3) & ~3
    lines = []
    for row in reversed(rows):  # bottom-up
        line = b"".join(bytes((b, g, r)) for r, g, b in row)
        lines.append(line + b"\0" * (stride - len(line)))
    image = b"".join(lines)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(image),
                       PIXELS_PER_METRE, PIXELS_PER_METRE, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(image), 0, 0, 14 + len(info))
    return header + info + image
