"""Windows icon and cursor files: one 32-bit entry (colour with alpha, plus the AND mask older
code paths use) per canvas."""
import struct


def _entry(canvas):
    width, height = canvas.width, canvas.height
    info = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = bytearray()
    mask = bytearray()
    mask_stride = ((width + 31) // 32) * 4
    for row in reversed(canvas.pixels):  # bottom-up
        for r, g, b, a in row:
            colour += bytes((b, g, r, a)) if a else b"\0\0\0\0"
        bits = bytearray(mask_stride)
        for x, (_, _, _, a) in enumerate(row):
            if a < 128:  # transparent where the mask bit is set
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return info + bytes(colour) + bytes(mask)


def encode(canvases):
    """File bytes of an icon with one entry per canvas (square, at most 255 pixels)."""
    entries = [_entry(c) for c in canvases]
    offset = 6 + 16 * len(canvases)
    directory = struct.pack("<HHH", 0, 1, len(canvases))
    for canvas, data in zip(canvases, entries):
        directory += struct.pack("<BBBBHHII", canvas.width, canvas.height, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    return directory + b"".join(entries)


def encode_cursor(canvas, hotspot_x, hotspot_y):
    """File bytes of a cursor with one entry: an icon file of type 2 whose directory entry holds
    the hot spot where an icon's holds planes and bit count."""
    data = _entry(canvas)
    directory = struct.pack("<HHH", 0, 2, 1)
    directory += struct.pack("<BBBBHHII", canvas.width, canvas.height, 0, 0, hotspot_x, hotspot_y, len(data), 22)
    return directory + data
