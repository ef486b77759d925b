"""Toolbar bitmaps: the demo's menu and button pictures (demo/res/) and a strip of known pixels
for the toolbar and menu tests, with the button tests' icon, cursor and bitmap. Toolbar images
are 16x15 on light grey (192, 192, 192), the background colour toolbars and menus make
transparent."""
from . import bmp, ico
from .canvas import Canvas

BACKGROUND = (192, 192, 192)
CELL_W, CELL_H = 16, 15

INK = (30, 44, 58)
PAPER = (250, 250, 246)
TEAL = (18, 132, 156)
TEAL_DARK = (10, 88, 110)
ORANGE = (245, 158, 11)
FOLDER = (236, 184, 64)
FOLDER_DARK = (176, 120, 24)
RED = (214, 64, 52)
GREEN = (60, 160, 80)
BLUE = (48, 104, 200)

# Test strip colours, one per 16x15 image.
TEST_COLOURS = [(255, 0, 0), (0, 255, 0), (0, 0, 255), (255, 255, 0)]
TEST_INSET = 3


def _document(c, x):
    c.polygon([(x + 3, 1), (x + 10, 1), (x + 13, 4), (x + 13, 14), (x + 3, 14)], INK)
    c.polygon([(x + 4, 2), (x + 9.5, 2), (x + 12, 4.5), (x + 12, 13), (x + 4, 13)], PAPER)
    for y in (6, 8, 10):
        c.fill_rect(x + 5, y, x + 11, y + 1, (150, 160, 170))


def _folder(c, x):
    c.rounded_rect(x + 1, 3, x + 8, 7, 1.2, FOLDER_DARK)
    c.rounded_rect(x + 1, 5, x + 15, 13, 1.2, FOLDER_DARK)
    c.rounded_rect(x + 2, 6, x + 14, 12, 1.0, FOLDER)


def _disk(c, x):
    c.rounded_rect(x + 2, 1, x + 14, 13, 1.5, TEAL_DARK)
    c.fill_rect(x + 5, 2, x + 11, 6, PAPER)
    c.fill_rect(x + 4, 8, x + 12, 13, (220, 230, 234))


def _chat(c, x):
    c.ellipse(x + 8, 6.5, 6.5, 5, TEAL)
    c.polygon([(x + 4, 9), (x + 8, 10.5), (x + 3, 14)], TEAL)
    for dx in (5, 8, 11):
        c.circle(x + dx, 6.5, 1.1, PAPER)


def _call(c, x):
    c.circle(x + 8, 7.5, 6.5, GREEN)
    c.strokes([((x + 5, 5), (x + 7, 10)), ((x + 7, 10), (x + 11, 10.5))], 2.0, PAPER)


def _skin(c, x):
    c.circle(x + 8, 7.5, 6.5, ORANGE)
    for dx, dy, colour in ((5, 5, RED), (10, 5, BLUE), (6, 10, GREEN), (11, 10, PAPER)):
        c.circle(x + dx, dy, 1.5, colour)


def _help(c, x):
    c.circle(x + 8, 7.5, 6.5, BLUE)
    c.strokes([((x + 6, 5), (x + 7, 3.5)), ((x + 7, 3.5), (x + 9.5, 3.5)), ((x + 9.5, 3.5), (x + 10.5, 5.5)),
               ((x + 10.5, 5.5), (x + 8, 7.5)), ((x + 8, 7.5), (x + 8, 9))], 1.6, PAPER)
    c.circle(x + 8, 11.5, 1.1, PAPER)


def _exit(c, x):
    c.fill_rect(x + 2, 2, x + 9, 13, INK)
    c.fill_rect(x + 3, 3, x + 8, 12, (120, 130, 140))
    c.polygon([(x + 8, 5), (x + 12, 5), (x + 12, 3), (x + 15, 7.5), (x + 12, 12), (x + 12, 10), (x + 8, 10)], RED)


# The demo toolbar, in the order of its resource: new, open, save, chat, call, skin, help, exit.
DEMO_IMAGES = [_document, _folder, _disk, _chat, _call, _skin, _help, _exit]


def _demo_toolbar():
    canvas = Canvas(CELL_W * len(DEMO_IMAGES), CELL_H)
    for i, draw in enumerate(DEMO_IMAGES):
        draw(canvas, i * CELL_W)
    return canvas


def _test_strip():
    """Four 16x15 images (red, green, blue, yellow), each a solid square inset by 3 pixels in
    the transparent background."""
    canvas = Canvas(CELL_W * len(TEST_COLOURS), CELL_H)
    for i, colour in enumerate(TEST_COLOURS):
        left = i * CELL_W
        canvas.fill_rect(left + TEST_INSET, TEST_INSET, left + CELL_W - TEST_INSET, CELL_H - TEST_INSET, colour)
    return canvas


def _red_icon():
    """16x16: a red square inset by 3 pixels, transparent around it."""
    canvas = Canvas(16, 16)
    canvas.fill_rect(3, 3, 13, 13, (255, 0, 0))
    return canvas


def _cross_cursor():
    """16x16 black cross with its hot spot in the middle."""
    canvas = Canvas(16, 16)
    canvas.fill_rect(7, 0, 9, 16, (0, 0, 0))
    canvas.fill_rect(0, 7, 16, 9, (0, 0, 0))
    return canvas


def _blue_bitmap():
    """20x12: blue with a magenta (transparent) border of 3 pixels."""
    canvas = Canvas(20, 12, (255, 0, 255, 255))
    canvas.fill_rect(3, 3, 17, 9, (0, 0, 255))
    return canvas


def _on_background(canvas):
    return bmp.encode(canvas.flatten(BACKGROUND))


PICTURES = [
    ("demo/res/toolbar.bmp", lambda: _on_background(_demo_toolbar())),
    ("tests/controls/data/ToolbarStrip.bmp", lambda: _on_background(_test_strip())),
    ("tests/afx/data/ToolbarStrip.bmp", lambda: _on_background(_test_strip())),
    ("tests/controls/data/Red16.ico", lambda: ico.encode([_red_icon()])),
    ("tests/controls/data/Cross.cur", lambda: ico.encode_cursor(_cross_cursor(), 8, 8)),
    ("tests/controls/data/BlueBorder.bmp", lambda: bmp.encode(_blue_bitmap().flatten((255, 0, 255)))),
]
