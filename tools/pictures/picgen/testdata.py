"""Input pictures of the tests: files of known size and known pixels."""
from . import bmp, gif, jpeg
from .canvas import Canvas

RED = (255, 0, 0)
GREEN = (0, 255, 0)
BLUE = (0, 0, 255)
YELLOW = (255, 255, 0)
CYAN = (0, 255, 255)
GREY = (128, 128, 128)
MAGENTA = (255, 0, 255)


def _gdi_test_strip():
    """tests/afx: three 4x4 images (red, green, blue) whose top-left pixels are magenta."""
    cell = 4
    colours = [RED, GREEN, BLUE]
    canvas = Canvas(cell * len(colours), cell)
    for i, colour in enumerate(colours):
        canvas.fill_rect(i * cell, 0, (i + 1) * cell, cell, colour)
        canvas.set(i * cell, 0, MAGENTA)
    return canvas


def _square_strip():
    """tests/skin: six 16x16 squares (red, green, blue, yellow, cyan, grey), each with a
    magenta 4x4 block in its top-left corner."""
    cell = 16
    colours = [RED, GREEN, BLUE, YELLOW, CYAN, GREY]
    canvas = Canvas(cell * len(colours), cell)
    for i, colour in enumerate(colours):
        canvas.fill_rect(i * cell, 0, (i + 1) * cell, cell, colour)
        canvas.fill_rect(i * cell, 0, i * cell + 4, 4, MAGENTA)
    return canvas


def _quadrants(width, height):
    """Four equal quadrants: red top-left, green top-right, blue bottom-left, yellow
    bottom-right."""
    canvas = Canvas(width, height)
    w, h = width // 2, height // 2
    canvas.fill_rect(0, 0, w, h, RED)
    canvas.fill_rect(w, 0, width, h, GREEN)
    canvas.fill_rect(0, h, w, height, BLUE)
    canvas.fill_rect(w, h, width, height, YELLOW)
    return canvas


def _disc():
    """24x20, transparent but for a green disc of radius 7 around (12, 10)."""
    canvas = Canvas(24, 20)
    canvas.circle(12, 10, 7, GREEN)
    return canvas


def _frames():
    """Three 12x12 frames: red, green, blue."""
    frames = []
    for colour in (RED, GREEN, BLUE):
        frame = Canvas(12, 12)
        frame.fill_rect(0, 0, 12, 12, colour)
        frames.append(frame)
    return frames


def _ext_dll_halves():
    """tests/afx/extdll: 6x4, left half green, right half blue (dark shades the tests name)."""
    canvas = Canvas(6, 4)
    canvas.fill_rect(0, 0, 3, 4, (0, 200, 0))
    canvas.fill_rect(3, 0, 6, 4, (0, 0, 200))
    return canvas


def _rgb(canvas):
    return canvas.flatten((0, 0, 0))


PICTURES = [
    ("tests/afx/GdiTestStrip.bmp", lambda: bmp.encode(_rgb(_gdi_test_strip()))),
    ("tests/afx/extdll/AfxTestExt.bmp", lambda: bmp.encode(_rgb(_ext_dll_halves()))),
    ("tests/skin/data/Strip96x16.bmp", lambda: bmp.encode(_rgb(_square_strip()))),
    ("tests/faces/data/Quadrants.bmp", lambda: bmp.encode(_rgb(_quadrants(20, 12)))),
    # Quadrants of 16x8 fall on whole 8x8 blocks, so each keeps a flat colour.
    ("tests/faces/data/Quadrants.jpg", lambda: jpeg.encode(_rgb(_quadrants(32, 16)), quality=95)),
    ("tests/faces/data/Disc.gif", lambda: gif.encode([_disc()])),
    ("tests/faces/data/Frames.gif", lambda: gif.encode(_frames(), delay_cs=20)),
]
