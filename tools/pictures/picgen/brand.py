"""The library's own pictures for the brand "Corvala": application, chat and history icons,
the friends' head images, the logos and the search window's header (src/res/)."""
from . import bmp, font, ico
from .canvas import Canvas, arc

# Brand colours.
TEAL_DARK = (10, 88, 110)
TEAL = (18, 132, 156)
TEAL_LIGHT = (70, 188, 204)
ORANGE = (245, 158, 11)
WHITE = (255, 255, 255)
INK = (30, 44, 58)
# Transparent colour of masked pictures (skins, logos, head images).
MAGENTA = (255, 0, 255)

WORDMARK = "Corvala"


def _tile(canvas, left, top, size):
    """The brand's tile: a rounded square with a teal gradient."""
    canvas.rounded_rect(left, top, left + size, top + size, size * 0.22,
                        Canvas.vertical(top, top + size, TEAL_LIGHT, TEAL_DARK))


def _mark(canvas, left, top, size):
    """The brand mark: the tile with a white open ring (a "C") and an orange dot in its gap."""
    _tile(canvas, left, top, size)
    cx, cy = left + size / 2.0, top + size / 2.0
    weight = max(1.6, size * 0.13)
    ring = arc(cx, cy, size * 0.27, size * 0.27, 40, 320)
    canvas.strokes(list(zip(ring, ring[1:])), weight, WHITE)
    canvas.circle(cx + size * 0.25, cy, size * 0.09, ORANGE)


def _chat_icon(size):
    canvas = Canvas(size, size)
    _tile(canvas, 0, 0, size)
    s = size / 32.0
    canvas.ellipse(16 * s, 14 * s, 11 * s, 8 * s, WHITE)
    canvas.polygon([(9 * s, 19 * s), (15 * s, 21 * s), (7 * s, 27 * s)], WHITE)
    for x in (11, 16, 21):
        canvas.circle(x * s, 14 * s, 1.6 * s, TEAL)
    return canvas


def _history_icon(size):
    canvas = Canvas(size, size)
    _tile(canvas, 0, 0, size)
    s = size / 32.0
    canvas.circle(16 * s, 16 * s, 11 * s, WHITE)
    hands = [((16 * s, 16 * s), (16 * s, 9 * s)), ((16 * s, 16 * s), (21 * s, 19 * s))]
    canvas.strokes(hands, max(1.2, 2.2 * s), TEAL_DARK)
    canvas.circle(16 * s, 16 * s, 1.8 * s, ORANGE)
    return canvas


def _main_icon(size):
    canvas = Canvas(size, size)
    _mark(canvas, 0, 0, size)
    return canvas


# Friends' head images: (shirt colour, long hair) per 16 by 16 cell.
HEADS = [
    (TEAL, False), ((214, 82, 120), True), ((60, 120, 210), False), (ORANGE, True),
    ((90, 160, 70), False), ((150, 90, 200), True), ((120, 130, 140), False), ((200, 70, 60), True),
]
HEAD_SIZE = 16
SKIN = (246, 206, 170)
HAIR = (70, 48, 32)


def _head(canvas, left, shirt, long_hair):
    if long_hair:
        canvas.rounded_rect(left + 2.5, 2.2, left + 13.5, 12.5, 4.5, HAIR)
    canvas.ellipse(left + 8, 16.5, 6.5, 5.5, shirt)
    canvas.circle(left + 8, 6.5, 3.8, SKIN)
    canvas.ellipse(left + 8, 3.8, 3.9, 1.8, HAIR)


def _friend_faces():
    canvas = Canvas(HEAD_SIZE * len(HEADS), HEAD_SIZE)
    for i, (shirt, long_hair) in enumerate(HEADS):
        _head(canvas, i * HEAD_SIZE, shirt, long_hair)
    return canvas


def _logo():
    canvas = Canvas(112, 32)
    _mark(canvas, 2, 2, 28)
    font.draw_text(canvas, WORDMARK, 36, 23, 14, 2.4, INK)
    return canvas


def _logo_mark():
    canvas = Canvas(48, 48)
    _mark(canvas, 2, 2, 44)
    return canvas


def _wordmark():
    canvas = Canvas(96, 24)
    font.draw_text(canvas, WORDMARK, 4, 18, 13, 2.4, TEAL_DARK)
    return canvas


def _search_head():
    canvas = Canvas(320, 48)
    canvas.horizontal_gradient(0, 0, 320, 48, TEAL_DARK, TEAL_LIGHT)
    canvas.ring(22, 21, 10, 6.5, WHITE)
    canvas.strokes([((29, 28), (36, 35))], 4.5, WHITE)
    font.draw_text(canvas, WORDMARK, 48, 32, 18, 3.0, WHITE)
    return canvas


def _masked_bmp(canvas):
    """Magenta where the picture is transparent; edges laid over white."""
    return bmp.encode(canvas.flatten(WHITE, key=MAGENTA))


PICTURES = [
    ("src/res/main.ico", lambda: ico.encode([_main_icon(32), _main_icon(16)])),
    ("src/res/chat.ico", lambda: ico.encode([_chat_icon(32), _chat_icon(28), _chat_icon(16)])),
    ("src/res/hist.ico", lambda: ico.encode([_history_icon(32), _history_icon(16)])),
    ("src/res/frdface.bmp", lambda: _masked_bmp(_friend_faces())),
    ("src/res/srchhead.bmp", lambda: bmp.encode(_search_head().flatten(WHITE))),
    ("src/res/logo.bmp", lambda: _masked_bmp(_logo())),
    ("src/res/logo2.bmp", lambda: _masked_bmp(_logo_mark())),
    ("src/res/logo3.bmp", lambda: _masked_bmp(_wordmark())),
]
