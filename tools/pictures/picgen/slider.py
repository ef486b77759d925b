"""The volume slider's background (src/res/sliderbk.bmp, bitmap 6344): a pale brushed panel
with a soft border, stretched by the library over the whole slider, under the coloured channel
and thumb it draws itself."""
from . import bmp
from .canvas import Canvas

WIDTH = 76
HEIGHT = 14
TOP = (246, 249, 252)
BOTTOM = (214, 222, 230)
BORDER = (150, 164, 178)
GROOVE = (190, 200, 210)


def _background():
    canvas = Canvas(WIDTH, HEIGHT)
    canvas.vertical_gradient(0, 0, WIDTH, HEIGHT, TOP, BOTTOM)
    # Faint tick marks every tenth of the width, where the volume steps of ten lie.
    for step in range(1, 10):
        x = round(step * (WIDTH - 1) / 10.0)
        canvas.fill_rect(x, HEIGHT - 4, x + 1, HEIGHT - 1, GROOVE)
    canvas.fill_rect(0, 0, WIDTH, 1, BORDER)
    canvas.fill_rect(0, HEIGHT - 1, WIDTH, HEIGHT, BORDER)
    canvas.fill_rect(0, 0, 1, HEIGHT, BORDER)
    canvas.fill_rect(WIDTH - 1, 0, WIDTH, HEIGHT, BORDER)
    return canvas


PICTURES = [
    ("src/res/sliderbk.bmp", lambda: bmp.encode(_background().flatten((255, 255, 255)))),
]
