"""Baseline JPEG files (JFIF): YCbCr without chroma subsampling, the example quantisation
tables scaled by a quality from 1 to 100, and the standard Huffman tables."""
import math
import struct

ZIGZAG = [
    0, 1, 8, 16, 9, 2, 3, 10, 17, 24, 32, 25, 18, 11, 4, 5,
    12, 19, 26, 33, 40, 48, 41, 34, 27, 20, 13, 6, 7, 14, 21, 28,
    35, 42, 49, 56, 57, 50, 43, 36, 29, 22, 15, 23, 30, 37, 44, 51,
    58, 59, 52, 45, 38, 31, 39, 46, 53, 60, 61, 54, 47, 55, 62, 63,
]

LUMINANCE_QUANT = [
    16, 11, 10, 16, 24, 40, 51, 61, 12, 12, 14, 19, 26, 58, 60, 55,
    14, 13, 16, 24, 40, 57, 69, 56, 14, 17, 22, 29, 51, 87, 80, 62,
    18, 22, 37, 56, 68, 109, 103, 77, 24, 35, 55, 64, 81, 104, 113, 92,
    49, 64, 78, 87, 103, 121, 120, 101, 72, 92, 95, 98, 112, 100, 103, 99,
]

CHROMINANCE_QUANT = [
    17, 18, 24, 47, 99, 99, 99, 99, 18, 21, 26, 66, 99, 99, 99, 99,
    24, 26, 56, 99, 99, 99, 99, 99, 47, 66, 99, 99, 99, 99, 99, 99,
] + [99] * 32

# Standard Huffman tables: code counts per length 1..16 and the symbols in code order.
DC_LUMINANCE = ([0, 1, 5, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0], list(range(12)))
DC_CHROMINANCE = ([0, 3, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0], list(range(12)))
AC_LUMINANCE = ([0, 2, 1, 3, 3, 2, 4, 3, 5, 5, 4, 4, 0, 0, 1, 0x7D], bytes.fromhex(
    "01020300041105122131410613516107227114328191a1082342b1c11552d1f02433627282090a161718191a25262728292a3435"
    "363738393a434445464748494a535455565758595a636465666768696a737475767778797a838485868788898a92939495969798"
    "999aa2a3a4a5a6a7a8a9aab2b3b4b5b6b7b8b9bac2c3c4c5c6c7c8c9cad2d3d4d5d6d7d8d9dae1e2e3e4e5e6e7e8e9eaf1f2f3f4"
    "f5f6f7f8f9fa"))
AC_CHROMINANCE = ([0, 2, 1, 2, 4, 4, 3, 4, 7, 5, 4, 4, 0, 1, 2, 0x77], bytes.fromhex(
    "000102031104052131061241510761711322328108144291a1b1c109233352f0156272d10a162434e125f11718191a262728292a"
    "35363738393a434445464748494a535455565758595a636465666768696a737475767778797a82838485868788898a9293949596"
    "9798999aa2a3a4a5a6a7a8a9aab2b3b4b5b6b7b8b9bac2c3c4c5c6c7c8c9cad2d3d4d5d6d7d8d9dae2e3e4e5e6e7e8e9eaf2f3f4"
    "f5f6f7f8f9fa"))


def _codes(table):
    """Symbol -> (code, length) of a Huffman table given as counts and symbols."""
    counts, symbols = table
    codes = {}
    code = 0
    k = 0
    for length in range(1, 17):
        for _ in range(counts[length - 1]):
            codes[symbols[k]] = (code, length)
            code += 1
            k += 1
        code <<= 1
    return codes


def _scaled_quant(table, quality):
    quality = max(1, min(100, quality))
    scale = 5000 // quality if quality < 50 else 200 - quality * 2
    return [max(1, min(255, (q * scale + 50) // 100)) for q in table]


_COS = [[math.cos((2 * x + 1) * u * math.pi / 16) for x in range(8)] for u in range(8)]


def _fdct(block):
    """Forward DCT of 64 level-shifted samples (row-major), row-major coefficients."""
    out = [0.0] * 64
    for v in range(8):
        for u in range(8):
            s = 0.0
            for y in range(8):
                cy = _COS[v][y]
                row = y * 8
                for x in range(8):
                    s += block[row + x] * _COS[u][x] * cy
            cu = math.sqrt(0.5) if u == 0 else 1.0
            cv = math.sqrt(0.5) if v == 0 else 1.0
            out[v * 8 + u] = 0.25 * cu * cv * s
    return out


class _BitWriter:
    def __init__(self):
        self.data = bytearray()
        self.buffer = 0
        self.count = 0

    def write(self, code, length):
        self.buffer = (self.buffer << length) | code
        self.count += length
        while self.count >= 8:
            byte = (self.buffer >> (self.count - 8)) & 0xFF
            self.data.append(byte)
            if byte == 0xFF:
                self.data.append(0)  # byte stuffing
            self.count -= 8
        self.buffer &= (1 << self.count) - 1

    def flush(self):
        if self.count:
            self.write((1 << (8 - self.count)) - 1, 8 - self.count)  # pad with ones


def _magnitude(value):
    """Size category and the bits of a coefficient."""
    size = abs(value).bit_length()
    bits = value if value >= 0 else value + (1 << size) - 1
    return size, bits


def _encode_block(writer, coefficients, quant, previous_dc, dc_codes, ac_codes):
    q = [int(round(coefficients[ZIGZAG[i]] / quant[i])) for i in range(64)]
    diff = q[0] - previous_dc
    size, bits = _magnitude(diff)
    writer.write(*dc_codes[size])
    if size:
        writer.write(bits, size)
    run = 0
    for k in range(1, 64):
        if q[k] == 0:
            run += 1
            continue
        while run > 15:
            writer.write(*ac_codes[0xF0])  # sixteen zeros
            run -= 16
        size, bits = _magnitude(q[k])
        writer.write(*ac_codes[(run << 4) | size])
        writer.write(bits, size)
        run = 0
    if run:
        writer.write(*ac_codes[0x00])  # end of block
    return q[0]


def _segment(marker, payload):
    return struct.pack(">BBH", 0xFF, marker, len(payload) + 2) + payload


def _dht(table_class, table_id, table):
    counts, symbols = table
    return bytes([(table_class << 4) | table_id]) + bytes(counts) + bytes(symbols)


def encode(rows, quality=90):
    """File bytes of a baseline JPEG from rows of (r, g, b), top row first."""
    height = len(rows)
    width = len(rows[0])
    quant_y = _scaled_quant(LUMINANCE_QUANT, quality)
    quant_c = _scaled_quant(CHROMINANCE_QUANT, quality)
    # The quantisation tables are stored, like the coefficients, in zigzag order.
    quant_y_zz = [quant_y[ZIGZAG[i]] for i in range(64)]
    quant_c_zz = [quant_c[ZIGZAG[i]] for i in range(64)]

    def channel(r, g, b, index):
        if index == 0:
            return 0.299 * r + 0.587 * g + 0.114 * b
        if index == 1:
            return -0.168736 * r - 0.331264 * g + 0.5 * b + 128
        return 0.5 * r - 0.418688 * g - 0.081312 * b + 128

    dc_codes = [_codes(DC_LUMINANCE), _codes(DC_CHROMINANCE)]
    ac_codes = [_codes(AC_LUMINANCE), _codes(AC_CHROMINANCE)]
    quants = [quant_y_zz, quant_c_zz, quant_c_zz]
    writer = _BitWriter()
    previous = [0, 0, 0]
    for by in range(0, height, 8):
        for bx in range(0, width, 8):
            for component in range(3):
                block = []
                for y in range(8):
                    row = rows[min(by + y, height - 1)]  # edges repeat into the padding
                    for x in range(8):
                        r, g, b = row[min(bx + x, width - 1)]
                        block.append(channel(r, g, b, component) - 128)
                table = 0 if component == 0 else 1
                previous[component] = _encode_block(writer, _fdct(block), quants[component], previous[component],
                                                    dc_codes[table], ac_codes[table])
    writer.flush()

    out = bytearray(b"\xFF\xD8")
    out += _segment(0xE0, b"JFIF\0" + struct.pack(">BBBHHBB", 1, 1, 0, 1, 1, 0, 0))
    out += _segment(0xDB, bytes([0]) + bytes(quant_y_zz) + bytes([1]) + bytes(quant_c_zz))
    out += _segment(0xC0, struct.pack(">BHHB", 8, height, width, 3) + bytes([1, 0x11, 0, 2, 0x11, 1, 3, 0x11, 1]))
    out += _segment(0xC4, _dht(0, 0, DC_LUMINANCE) + _dht(1, 0, AC_LUMINANCE) + _dht(0, 1, DC_CHROMINANCE)
                    + _dht(1, 1, AC_CHROMINANCE))
    out += _segment(0xDA, bytes([3, 1, 0x00, 2, 0x11, 3, 0x11, 0, 63, 0]))
    out += writer.data
    out += b"\xFF\xD9"
    return bytes(out)
