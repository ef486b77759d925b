"""A small stroke font: each glyph is a few polylines in a unit box whose baseline is at y 10,
capitals 10 high and lower-case letters 7 high (x-height from y 3). Strokes render smoothly at
any size. Glyphs exist for the letters the project's pictures spell; add more as needed."""
from .canvas import arc

CAP_TOP = 0.0
X_TOP = 3.0
BASELINE = 10.0
SPACING = 2.2  # gap between glyphs, in font units


# name: (advance width, [polyline, ...])
GLYPHS = {
    "C": (7.5, [arc(4.3, 5.0, 4.3, 5.0, 50, 310)]),
    "o": (6.0, [arc(3.0, 6.5, 3.0, 3.5, 0, 360)]),
    "r": (4.0, [[(0.0, X_TOP), (0.0, BASELINE)], arc(3.6, 6.8, 3.6, 3.6, 180, 95, 10)]),
    "v": (5.6, [[(0.0, X_TOP), (2.8, BASELINE), (5.6, X_TOP)]]),
    "a": (5.8, [arc(2.8, 6.5, 2.8, 3.5, 0, 360), [(5.8, X_TOP), (5.8, BASELINE)]]),
    "l": (0.0, [[(0.0, CAP_TOP), (0.0, BASELINE)]]),
    " ": (3.0, []),
}


def text_width(text, size, weight):
    """Width in pixels of text drawn at size pixels per 10 font units with stroke weight."""
    scale = size / 10.0
    units = sum(GLYPHS[ch][0] for ch in text) + SPACING * max(0, len(text) - 1)
    return units * scale + weight


def text_segments(text, left, baseline, size, weight):
    """Stroke segments of text whose first glyph starts at left (the stroke's outer edge) and
    whose baseline is at baseline; size is the capital height in pixels."""
    scale = size / 10.0
    x = left + weight / 2.0
    segments = []
    for ch in text:
        advance, polylines = GLYPHS[ch]
        for line in polylines:
            points = [(x + px * scale, baseline + (py - BASELINE) * scale) for px, py in line]
            segments.extend(zip(points, points[1:]))
        x += (advance + SPACING) * scale
    return segments


def draw_text(canvas, text, left, baseline, size, weight, colour):
    canvas.strokes(text_segments(text, left, baseline, size, weight), weight, colour)
