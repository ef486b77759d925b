"""GIF files (89a): one frame, or several with delays and endless looping. The colour table is
shared by all frames; pixels with alpha below 128 use a transparent index. Compression is the
format's variable-length LZW."""
import struct

MAX_CODES = 4096


def _quantise(colours, limit):
    """Maps each colour to one of at most limit colours by dropping low bits until they fit."""
    shift = 0
    while True:
        mapping = {c: tuple((v >> shift) << shift | ((1 << shift) >> 1) for v in c) for c in colours}
        if len(set(mapping.values())) <= limit:
            return mapping
        shift += 1


def _lzw(indices, min_code_size):
    clear = 1 << min_code_size
    end = clear + 1
    out = bytearray()
    bit_buffer = 0
    bit_count = 0

    def emit(code, size):
        nonlocal bit_buffer, bit_count
        bit_buffer |= code << bit_count
        bit_count += size
        while bit_count >= 8:
            out.append(bit_buffer & 0xFF)
            bit_buffer >>= 8
            bit_count -= 8

    def reset():
        return {(i,): i for i in range(clear)}, end + 1, min_code_size + 1

    table, next_code, code_size = reset()
    emit(clear, code_size)
    current = ()
    for index in indices:
        candidate = current + (index,)
        if candidate in table:
            current = candidate
            continue
        emit(table[current], code_size)
        if next_code < MAX_CODES:
            table[candidate] = next_code
            # The decoder widens its codes once the table reaches the next power of two.
            if next_code == (1 << code_size) and code_size < 12:
                code_size += 1
            next_code += 1
        else:
            emit(clear, code_size)
            table, next_code, code_size = reset()
        current = (index,)
    if current:
        emit(table[current], code_size)
    emit(end, code_size)
    if bit_count:
        out.append(bit_buffer & 0xFF)
    return bytes(out)


def _sub_blocks(data):
    blocks = bytearray()
    for start in range(0, len(data), 255):
        chunk = data[start:start + 255]
        blocks.append(len(chunk))
        blocks += chunk
    blocks.append(0)
    return bytes(blocks)


def encode(frames, delay_cs=10, loop=True):
    """File bytes of a GIF from equally sized canvases. With more than one frame each shows
    for delay_cs hundredths of a second and the animation repeats forever when loop is set."""
    width, height = frames[0].width, frames[0].height
    transparent = any(p[3] < 128 for f in frames for row in f.pixels for p in row)
    colours = sorted({p[:3] for f in frames for row in f.pixels for p in row if p[3] >= 128})
    limit = 255 if transparent else 256
    mapping = _quantise(colours, limit)
    palette = sorted(set(mapping.values()))
    index_of = {c: i for i, c in enumerate(palette)}
    transparent_index = len(palette) if transparent else None
    table = palette + ([(0, 0, 0)] if transparent else [])
    bits = 1
    while (1 << bits) < len(table):
        bits += 1
    table += [(0, 0, 0)] * ((1 << bits) - len(table))

    out = bytearray(b"GIF89a")
    out += struct.pack("<HHBBB", width, height, 0x80 | ((bits - 1) << 4) | (bits - 1), 0, 0)
    out += b"".join(bytes(c) for c in table)
    if len(frames) > 1 and loop:
        out += b"\x21\xFF\x0BNETSCAPE2.0\x03\x01\x00\x00\x00"
    for frame in frames:
        flags = 0x08 if len(frames) > 1 else 0  # dispose to background between frames
        if transparent:
            flags |= 0x01
        delay = delay_cs if len(frames) > 1 else 0
        out += struct.pack("<BBBBHBB", 0x21, 0xF9, 4, flags, delay, transparent_index or 0, 0)
        out += struct.pack("<BHHHHB", 0x2C, 0, 0, width, height, 0)
        indices = [transparent_index if p[3] < 128 else index_of[mapping[p[:3]]] for row in frame.pixels for p in row]
        min_code_size = max(2, bits)
        out.append(min_code_size)
        out += _sub_blocks(_lzw(indices, min_code_size))
    out.append(0x3B)
    return bytes(out)


class Frame:
    """One image of an animation: a canvas of the image's own size placed at (left, top) of the
    logical screen. delay is in hundredths of a second; None writes no graphic control extension
    (no delay, no disposal, no transparency). disposal is the method 0-3 applied after the frame.
    local gives the frame a colour table of its own; comment, when set, is written as a comment
    extension between the control extension and the image."""

    def __init__(self, canvas, left=0, top=0, delay=10, disposal=1, local=False, comment=None):
        self.canvas = canvas
        self.left = left
        self.top = top
        self.delay = delay
        self.disposal = disposal
        self.local = local
        self.comment = comment


def _colours(canvases):
    return {p[:3] for c in canvases for row in c.pixels for p in row if p[3] >= 128}


def _has_transparency(canvases):
    return any(p[3] < 128 for c in canvases for row in c.pixels for p in row)


class _Table:
    """A colour table for some canvases: quantised colours, one transparent slot when needed,
    padded to a power of two."""

    def __init__(self, canvases):
        transparent = _has_transparency(canvases)
        colours = sorted(_colours(canvases)) or [(0, 0, 0)]
        self.mapping = _quantise(colours, 255 if transparent else 256)
        palette = sorted(set(self.mapping.values()))
        self.index_of = {c: i for i, c in enumerate(palette)}
        self.transparent_index = len(palette) if transparent else None
        entries = palette + ([(0, 0, 0)] if transparent else [])
        self.bits = 1
        while (1 << self.bits) < len(entries):
            self.bits += 1
        entries += [(0, 0, 0)] * ((1 << self.bits) - len(entries))
        self.data = b"".join(bytes(c) for c in entries)

    def indices(self, canvas):
        transparent = self.transparent_index or 0
        return [transparent if p[3] < 128 else self.index_of[self.mapping[p[:3]]] for row in canvas.pixels for p in row]


def _image(frame, table, local):
    out = bytearray()
    canvas = frame.canvas
    packed = (0x80 | (table.bits - 1)) if local else 0
    out += struct.pack("<BHHHHB", 0x2C, frame.left, frame.top, canvas.width, canvas.height, packed)
    if local:
        out += table.data
    min_code_size = max(2, table.bits)
    out.append(min_code_size)
    out += _sub_blocks(_lzw(table.indices(canvas), min_code_size))
    return bytes(out)


def encode_frames(width, height, frames, loop=True):
    """File bytes of a GIF with a width x height logical screen and the given Frame list. Frames
    without a table of their own share the global one; pixels with alpha below 128 use a
    transparent index."""
    shared = [f.canvas for f in frames if not f.local] or [frames[0].canvas]
    table = _Table(shared)
    out = bytearray(b"GIF89a")
    out += struct.pack("<HHBBB", width, height, 0x80 | ((table.bits - 1) << 4) | (table.bits - 1), 0, 0)
    out += table.data
    if len(frames) > 1 and loop:
        out += b"\x21\xFF\x0BNETSCAPE2.0\x03\x01\x00\x00\x00"
    for frame in frames:
        own = _Table([frame.canvas]) if frame.local else table
        if frame.delay is not None:
            flags = (frame.disposal & 7) << 2
            if own.transparent_index is not None:
                flags |= 0x01
            out += struct.pack("<BBBBHBB", 0x21, 0xF9, 4, flags, frame.delay, own.transparent_index or 0, 0)
        if frame.comment is not None:
            out += b"\x21\xFE" + _sub_blocks(frame.comment)
        out += _image(frame, own, frame.local)
    out.append(0x3B)
    return bytes(out)
