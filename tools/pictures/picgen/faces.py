"""The emoticons of the catalogue, data/images/001.gif ... 049.gif (24 x 24, animated), and the
animation test picture of tests/faces.

Positions 1-20 are faces: a yellow disc whose eyes or mouth move through small patches laid over
the face (disposal "leave in place"), some with a drop or mark that comes and goes (disposal
"restore previous"). Positions 21-49 are symbols on a transparent ground that pulse or blink
(disposal "restore to background"). Between them every disposal method is used; 022 is a single
image, 030 has a frame with a colour table of its own, 001 a comment between a frame's control
extension and its image."""
import math

from . import gif
from .canvas import Canvas, arc

SIZE = 24
CENTRE = 12
FACE_RADIUS = 10.5
YELLOW = (255, 206, 40)
ORANGE = (236, 140, 20)
INK = (70, 40, 10)
WHITE = (255, 255, 255)
RED = (220, 30, 40)
PINK = (250, 120, 150)
BLUE = (60, 140, 230)

# Patches: regions of the face that the moving frames redraw (inside the disc, so opaque).
EYES = (5, 6, 19, 12)
MOUTH = (7, 13, 17, 20)


def _crop(canvas, box):
    left, top, right, bottom = box
    out = Canvas(right - left, bottom - top)
    for y in range(top, bottom):
        out.pixels[y - top] = list(canvas.pixels[y][left:right])
    return out


def _bbox(canvas):
    """Smallest box holding every visible pixel (the whole canvas when none is)."""
    xs = [x for row in canvas.pixels for x, p in enumerate(row) if p[3] >= 128]
    ys = [y for y, row in enumerate(canvas.pixels) for p in row if p[3] >= 128]
    if not xs:
        return (0, 0, canvas.width, canvas.height)
    return (min(xs), min(ys), max(xs) + 1, max(ys) + 1)


def _eyes(c, style):
    for side, x in ((-1, 8.5), (1, 15.5)):
        if style == "open" or (style == "wink" and side < 0):
            c.ellipse(x, 9, 1.4, 2.0, INK)
        elif style == "wide":
            c.circle(x, 9, 2.6, WHITE)
            c.circle(x, 9, 1.3, INK)
        elif style == "happy":
            c.strokes([((x - 2, 10), (x, 8)), ((x, 8), (x + 2, 10))], 1.3, INK)
        elif style == "cross":
            c.strokes([((x - 1.5, 7.5), (x + 1.5, 10.5)), ((x - 1.5, 10.5), (x + 1.5, 7.5))], 1.2, INK)
        else:  # closed, or the winking eye
            c.line(x - 2, 9.5, x + 2, 9.5, 1.3, INK)


def _mouth(c, style):
    if style == "smile":
        c.strokes(list(zip(arc(12, 13, 5, 4, 200, 340)[:-1], arc(12, 13, 5, 4, 200, 340)[1:])), 1.4, INK)
    elif style == "grin":
        c.polygon(arc(12, 14, 5.5, 4.5, 180, 360), INK)
        c.fill_rect(8, 14, 17, 15, WHITE)
    elif style == "sad":
        c.strokes(list(zip(arc(12, 20, 4.5, 3.5, 20, 160)[:-1], arc(12, 20, 4.5, 3.5, 20, 160)[1:])), 1.4, INK)
    elif style == "open":
        c.ellipse(12, 16, 2.6, 3.0, INK)
    elif style == "small":
        c.ellipse(12, 16, 1.4, 1.2, INK)
    elif style == "tongue":
        c.line(8, 15, 16, 15, 1.3, INK)
        c.ellipse(13, 17, 2.2, 2.0, RED)
    elif style == "kiss":
        c.ellipse(12, 16, 1.8, 1.4, RED)
    else:  # flat
        c.line(8.5, 16, 15.5, 16, 1.4, INK)


def _face(eyes, mouth, colour=YELLOW):
    c = Canvas(SIZE, SIZE)
    c.circle(CENTRE, CENTRE, FACE_RADIUS + 0.8, ORANGE)
    c.circle(CENTRE, CENTRE, FACE_RADIUS, colour)
    _eyes(c, eyes)
    _mouth(c, mouth)
    return c


def _drop(colour, x, y):
    """A drop (tear, sweat) drawn alone on a transparent canvas of the picture's size."""
    c = Canvas(SIZE, SIZE)
    c.polygon([(x, y - 3), (x - 2, y + 0.5), (x + 2, y + 0.5)], colour)
    c.circle(x, y + 1, 2, colour)
    return c


def _patch(canvas, box, delay, disposal=1, **extra):
    return gif.Frame(_crop(canvas, box), box[0], box[1], delay, disposal, **extra)


def _face_gif(eyes, mouth, moving, alternate, delays, colour=YELLOW, drop=None, comment=None):
    """A face whose eyes or mouth (moving: EYES or MOUTH) switch between the two styles; a drop
    (colour, x, y) shows over the second pose and is taken away again (restore previous)."""
    base = _face(eyes, mouth, colour)
    if moving is EYES:
        other = _face(alternate, mouth, colour)
    else:
        other = _face(eyes, alternate, colour)
    frames = [gif.Frame(base, delay=delays[0], disposal=1, comment=comment),
              _patch(other, moving, delays[1]), _patch(base, moving, delays[2])]
    if drop is not None:
        layer = _drop(*drop)
        frames.insert(2, _patch(layer, _bbox(layer), delays[1], disposal=3))
    return gif.encode_frames(SIZE, SIZE, frames)


def _heart(c, cx, cy, s, colour):
    c.circle(cx - s * 0.5, cy - s * 0.25, s * 0.55, colour)
    c.circle(cx + s * 0.5, cy - s * 0.25, s * 0.55, colour)
    c.polygon([(cx - s * 1.02, cy - s * 0.05), (cx + s * 1.02, cy - s * 0.05), (cx, cy + s * 1.05)], colour)


def _star(c, cx, cy, r, colour):
    points = []
    for i in range(10):
        radius = r if i % 2 == 0 else r * 0.45
        a = math.radians(90 + 36 * i)
        points.append((cx + radius * math.cos(a), cy - radius * math.sin(a)))
    c.polygon(points, colour)


def _symbol(kind, colour, scale):
    """One pose of a symbol on a transparent canvas; scale 1 is its full size."""
    c = Canvas(SIZE, SIZE)
    r = 9 * scale
    if kind == "heart":
        _heart(c, 12, 12, r * 0.8, colour)
    elif kind == "star":
        _star(c, 12, 12, r + 1, colour)
    elif kind == "sun":
        for i in range(8):
            a = math.radians(45 * i)
            c.line(12 + 6 * math.cos(a), 12 + 6 * math.sin(a), 12 + (r + 2) * math.cos(a), 12 + (r + 2) * math.sin(a),
                   1.6, colour)
        c.circle(12, 12, r * 0.55, colour)
    elif kind == "moon":
        def crescent(px, py):
            inner = (px - 12 - r * 0.55) ** 2 + (py - 12 + r * 0.3) ** 2 <= (r * 0.85) ** 2
            return (px - 12) ** 2 + (py - 12) ** 2 <= r * r and not inner

        c.fill_shape(crescent, (12 - r, 12 - r, 12 + r, 12 + r), colour)
    elif kind == "ring":
        c.ring(12, 12, r, r * 0.55, colour)
    elif kind == "square":
        c.rounded_rect(12 - r * 0.8, 12 - r * 0.8, 12 + r * 0.8, 12 + r * 0.8, 3, colour)
    elif kind == "diamond":
        c.polygon([(12, 12 - r), (12 + r * 0.8, 12), (12, 12 + r), (12 - r * 0.8, 12)], colour)
    elif kind == "drop":
        c.polygon([(12, 12 - r), (12 - r * 0.7, 12 + r * 0.2), (12 + r * 0.7, 12 + r * 0.2)], colour)
        c.circle(12, 12 + r * 0.25, r * 0.7, colour)
    else:  # disc
        c.circle(12, 12, r, colour)
        c.circle(12 - r * 0.3, 12 - r * 0.3, r * 0.25, WHITE)
    return c


def _symbol_gif(kind, colour, scales, delays, disposal=2, local_frame=None):
    frames = []
    for i, (scale, delay) in enumerate(zip(scales, delays)):
        canvas = _symbol(kind, colour, scale)
        box = _bbox(canvas)
        frames.append(_patch(canvas, box, delay, disposal, local=(i == local_frame)))
    return gif.encode_frames(SIZE, SIZE, frames)


def _single(kind, colour):
    canvas = _symbol(kind, colour, 1.0)
    return gif.encode_frames(SIZE, SIZE, [gif.Frame(canvas, delay=0, disposal=0)], loop=False)


PULSE = [1.0, 0.8, 0.6, 0.8]
BLINK = [1.0, 0.5]
GROW = [0.5, 1.0]  # the larger pose covers the smaller one, so no disposal is needed

# (file number, maker) in catalogue order; the tips live in data/lang/*/faces.ini.
_FACES = [
    (1, lambda: _face_gif("open", "smile", EYES, "closed", [150, 15, 60], comment=b"Corvala emoticon: smile")),
    (2, lambda: _face_gif("happy", "grin", MOUTH, "open", [40, 30, 40])),
    (3, lambda: _face_gif("open", "smile", EYES, "wink", [90, 40, 10])),
    (4, lambda: _face_gif("open", "sad", EYES, "closed", [120, 20, 80], drop=(BLUE, 7, 15))),
    (5, lambda: _face_gif("wink", "tongue", MOUTH, "smile", [50, 50, 50])),
    (6, lambda: _face_gif("wide", "open", MOUTH, "small", [30, 30, 60])),
    (7, lambda: _face_gif("closed", "sad", EYES, "happy", [60, 25, 25], drop=(BLUE, 17, 14))),
    (8, lambda: _face_gif("cross", "flat", MOUTH, "open", [40, 20, 40], colour=(240, 110, 70))),
    (9, lambda: _face_gif("happy", "small", EYES, "closed", [100, 30, 30], drop=(PINK, 6, 13))),
    (10, lambda: _face_gif("open", "flat", MOUTH, "small", [70, 35, 70])),
    (11, lambda: _face_gif("open", "flat", EYES, "closed", [200, 12, 12])),
    (12, lambda: _face_gif("wide", "smile", MOUTH, "grin", [80, 40, 80])),
    (13, lambda: _face_gif("closed", "kiss", MOUTH, "small", [45, 45, 45], drop=(RED, 19, 6))),
    (14, lambda: _face_gif("open", "flat", MOUTH, "small", [25, 25, 25])),
    (15, lambda: _face_gif("closed", "small", MOUTH, "open", [90, 90, 90], drop=(BLUE, 19, 5))),
    (16, lambda: _face_gif("wide", "small", EYES, "open", [60, 20, 60])),
    (17, lambda: _face_gif("wide", "open", EYES, "cross", [35, 15, 35])),
    (18, lambda: _face_gif("closed", "flat", MOUTH, "sad", [80, 40, 80], colour=(170, 220, 90))),
    (19, lambda: _face_gif("happy", "smile", MOUTH, "grin", [60, 30, 60])),
    (20, lambda: _face_gif("wink", "smile", EYES, "open", [50, 50, 50])),
    (21, lambda: _symbol_gif("disc", (120, 160, 240), PULSE, [20, 10, 10, 10])),
    (22, lambda: _single("ring", (40, 170, 80))),
    (23, lambda: _symbol_gif("ring", (40, 170, 80), BLINK, [80, 20])),
    (24, lambda: _symbol_gif("square", (220, 60, 60), GROW, [60, 40], disposal=0)),
    (25, lambda: _symbol_gif("heart", (240, 90, 120), PULSE, [30, 10, 10, 10])),
    (26, lambda: _symbol_gif("diamond", (250, 180, 40), PULSE, [10, 5, 5, 5])),
    (27, lambda: _symbol_gif("disc", (240, 170, 120), BLINK, [50, 50])),
    (28, lambda: _symbol_gif("star", (250, 200, 30), BLINK, [70, 15])),
    (29, lambda: _symbol_gif("star", (130, 130, 140), BLINK, [70, 15])),
    (30, lambda: _symbol_gif("heart", (200, 20, 60), PULSE, [25, 25, 25, 25], local_frame=2)),
    (31, lambda: _symbol_gif("heart", (150, 100, 110), [1.0, 0.9], [100, 100])),
    (32, lambda: _symbol_gif("heart", (250, 40, 80), PULSE, [15, 8, 8, 8])),
    (33, lambda: _symbol_gif("diamond", (200, 40, 90), BLINK, [40, 40])),
    (34, lambda: _symbol_gif("square", (250, 220, 200), PULSE, [40, 20, 20, 20])),
    (35, lambda: _symbol_gif("square", (170, 60, 200), BLINK, [60, 30])),
    (36, lambda: _symbol_gif("disc", (130, 80, 40), PULSE, [30, 30, 30, 30])),
    (37, lambda: _symbol_gif("drop", (240, 190, 40), BLINK, [45, 45])),
    (38, lambda: _symbol_gif("sun", (250, 160, 0), PULSE, [20, 20, 20, 20])),
    (39, lambda: _symbol_gif("moon", (240, 220, 110), BLINK, [90, 30])),
    (40, lambda: _symbol_gif("star", (255, 230, 80), PULSE, [12, 12, 12, 12])),
    (41, lambda: _symbol_gif("drop", (60, 140, 230), PULSE, [15, 15, 15, 15])),
    (42, lambda: _symbol_gif("ring", (110, 60, 200), PULSE, [20, 20, 20, 20])),
    (43, lambda: _symbol_gif("square", (60, 60, 70), GROW, [25, 25], disposal=0)),
    (44, lambda: _symbol_gif("square", (150, 170, 210), PULSE, [50, 20, 20, 20])),
    (45, lambda: _symbol_gif("ring", (30, 30, 30), BLINK, [100, 100])),
    (46, lambda: _symbol_gif("disc", (30, 30, 30), PULSE, [8, 8, 8, 8])),
    (47, lambda: _symbol_gif("disc", (250, 150, 170), BLINK, [55, 35])),
    (48, lambda: _symbol_gif("diamond", (240, 150, 60), BLINK, [65, 25])),
    (49, lambda: _symbol_gif("disc", (170, 120, 70), PULSE, [35, 15, 35, 15])),
]


def _animation_test():
    """tests/faces: a 16 x 16 animation whose every frame checks one rule of the player:
    0 blue over the whole screen, 20 ms (delay 2), left in place;
    1 red 8 x 8 at (4, 4), 50 ms (delay 5), restored to the background;
    2 green 8 x 8 at (0, 0), 1 s (delay 100), restored to what was before it, with a comment
      between its control extension and its image;
    3 yellow 4 x 4 at (12, 12) without a control extension (no delay given)."""
    def solid(w, h, colour):
        c = Canvas(w, h)
        c.fill_rect(0, 0, w, h, colour)
        return c

    frames = [
        gif.Frame(solid(16, 16, (0, 0, 255)), 0, 0, 2, 1),
        gif.Frame(solid(8, 8, (255, 0, 0)), 4, 4, 5, 2),
        gif.Frame(solid(8, 8, (0, 255, 0)), 0, 0, 100, 3, comment=b"a comment inside the frame"),
        gif.Frame(solid(4, 4, (255, 255, 0)), 12, 12, None),
    ]
    return gif.encode_frames(16, 16, frames)


PICTURES = [("data/images/%03d.gif" % number, make) for number, make in _FACES] + [
    ("tests/faces/data/Animation.gif", _animation_test),
]
