"""The library's cursors: the pointing hand the emoticon picker's page buttons show (32x32,
hot spot at the tip of the index finger)."""
from . import ico
from .canvas import Canvas

OUTLINE = (0, 0, 0)
SKIN = (255, 255, 255)


def _hand(colour, grow):
    """The hand's parts as rounded rectangles, each grown by grow pixels on every side."""
    parts = [
        (9, 1, 14, 18, 2.5),   # index finger
        (14, 9, 18, 19, 2.0),  # middle finger
        (18, 10, 22, 20, 2.0), # ring finger
        (22, 11, 26, 21, 2.0), # little finger
        (9, 15, 26, 28, 3.0),  # palm
        (4, 14, 10, 21, 2.5),  # thumb
    ]
    return [(l - grow, t - grow, r + grow, b + grow, radius + grow, colour) for l, t, r, b, radius in parts]


def _hand_cursor():
    canvas = Canvas(32, 32)
    for part in _hand(OUTLINE, 1) + _hand(SKIN, 0):
        canvas.rounded_rect(*part)
    return canvas


PICTURES = [
    ("src/res/hand.cur", lambda: ico.encode_cursor(_hand_cursor(), 11, 0)),
]
