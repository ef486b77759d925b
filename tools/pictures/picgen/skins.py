"""The client's two skins, "default" (teal) and "graphite" (dark grey with orange): every picture
of a skin folder under data/skins/<name>/, including the player pictures in MPlayer/.

Nine-cell pictures are cut by the library into three by three equal cells: corners are copied,
edges stretched, the centre used as a fill pattern. Magenta pixels are transparent."""
from . import bmp
from .canvas import Canvas

MAGENTA = (255, 0, 255)
WHITE = (255, 255, 255)

PALETTES = {
    "default": {
        "title_top": (64, 170, 196), "title_bottom": (16, 112, 138), "border": (10, 80, 100),
        "back": (236, 244, 247), "panel": (250, 252, 253), "accent": (245, 158, 11),
        "bar_top": (214, 236, 242), "bar_bottom": (176, 212, 222), "glyph": (255, 255, 255),
    },
    "graphite": {
        "title_top": (92, 96, 104), "title_bottom": (48, 52, 58), "border": (30, 32, 36),
        "back": (226, 228, 231), "panel": (244, 245, 246), "accent": (236, 112, 34),
        "bar_top": (204, 207, 212), "bar_bottom": (164, 168, 175), "glyph": (250, 240, 230),
    },
}


def _hex(colour):
    """A colour as the skin settings write it: the Windows colour value, blue first."""
    r, g, b = colour
    return "%02x%02x%02x" % (b, g, r)


def _encode(canvas):
    return bmp.encode(canvas.flatten(WHITE, key=MAGENTA))


def _frame(p, cell, radius, fill, border, top=None):
    """A rounded panel filling a 3x3-cell picture: border line, fill, optional header colour
    in the top cell row. Outside the rounding is transparent."""
    size = 3 * cell
    c = Canvas(size, size)
    c.rounded_rect(0, 0, size, size, radius, border)
    c.rounded_rect(1, 1, size - 1, size - 1, max(0, radius - 1), fill)
    if top is not None:
        c.rounded_rect(1, 1, size - 1, cell + radius, max(0, radius - 1), top)
        c.fill_rect(1, cell, size - 1, cell + radius, fill)
    return c


def _main(p):
    """Main window: a title bar in the top cell row, a one-pixel dark border, a light body."""
    cell = 30
    size = 3 * cell
    c = Canvas(size, size)
    c.rounded_rect(0, 0, size, size, 6, p["border"])
    c.rounded_rect(1, 1, size - 1, size - 1, 5, p["back"])
    c.rounded_rect(1, 1, size - 1, cell + 6, 5, Canvas.vertical(1, cell, p["title_top"], p["title_bottom"]))
    c.fill_rect(1, cell, size - 1, cell + 6, p["back"])
    c.fill_rect(1, cell - 1, size - 1, cell, p["accent"])  # accent line under the title bar
    c.vertical_gradient(1, 2 * cell + 22, size - 1, size - 1, p["back"], p["bar_bottom"])  # status strip
    return c


def _bar(p, top_colour, bottom_colour, rounded_top):
    """A 24-pixel bar (30 by 24, cells 10 by 8) for the rich-edit borders."""
    c = Canvas(30, 24)
    radius = 4 if rounded_top else 0
    c.rounded_rect(0, 0, 30, 24 + radius, radius, p["border"])
    c.rounded_rect(1, 1, 29, 24 + radius, max(0, radius - 1), Canvas.vertical(1, 23, top_colour, bottom_colour))
    if not rounded_top:
        c.fill_rect(0, 23, 30, 24, p["border"])
    return c


def _band(p, width, height):
    """A horizontal or vertical button band with a soft gradient."""
    c = Canvas(width, height)
    c.rounded_rect(0, 0, width, height, 4, p["border"])
    c.rounded_rect(1, 1, width - 1, height - 1, 3, Canvas.vertical(1, height - 1, p["bar_top"], p["bar_bottom"]))
    return c


def _glyph_button(p, draw):
    c = Canvas(16, 16)
    c.rounded_rect(0, 0, 16, 16, 3, p["title_bottom"])
    draw(c, p["glyph"])
    return c


def _player_button(p, draw):
    c = Canvas(20, 20)
    c.circle(10, 10, 9.5, p["border"])
    c.circle(10, 10, 8.5, Canvas.vertical(1, 19, p["bar_top"], p["bar_bottom"]))
    draw(c, p["border"])
    return c


def _triangle_right(c, colour, left=7.5):
    c.polygon([(left, 5.5), (left + 7, 10), (left, 14.5)], colour)


GLYPHS = {
    "mini": lambda c, g: c.fill_rect(4, 10, 12, 12, g),
    "max": lambda c, g: (c.fill_rect(4, 4, 12, 6, g), c.fill_rect(4, 6, 5, 12, g), c.fill_rect(11, 6, 12, 12, g),
                         c.fill_rect(4, 11, 12, 12, g)),
    "close": lambda c, g: (c.line(4.5, 4.5, 11.5, 11.5, 2, g), c.line(11.5, 4.5, 4.5, 11.5, 2, g)),
    "up": lambda c, g: c.polygon([(4, 11), (8, 5), (12, 11)], g),
    "down": lambda c, g: c.polygon([(4, 5), (8, 11), (12, 5)], g),
}

PLAYER = {
    "open": lambda c, k: (c.fill_rect(5, 7, 15, 14, k), c.fill_rect(5, 6, 9, 7, k)),
    "play": lambda c, k: _triangle_right(c, k),
    "pause": lambda c, k: (c.fill_rect(6, 5, 9, 15, k), c.fill_rect(11, 5, 14, 15, k)),
    "stop": lambda c, k: c.fill_rect(6, 6, 14, 14, k),
    "begin": lambda c, k: (c.fill_rect(5, 6, 7, 14, k), c.polygon([(14, 6), (8, 10), (14, 14)], k)),
    "end": lambda c, k: (c.fill_rect(13, 6, 15, 14, k), c.polygon([(6, 6), (12, 10), (6, 14)], k)),
    "mute": lambda c, k: (c.polygon([(5, 8), (8, 8), (11, 5), (11, 15), (8, 12), (5, 12)], k),
                          c.line(12.5, 7.5, 15.5, 12.5, 1.4, (200, 40, 40))),
    "sound": lambda c, k: (c.polygon([(5, 8), (8, 8), (11, 5), (11, 15), (8, 12), (5, 12)], k),
                           c.line(13, 8, 13, 12, 1.4, k), c.line(15, 7, 15, 13, 1.4, k)),
}


def _playpos(p):
    c = Canvas(10, 14)
    c.rounded_rect(0, 0, 10, 14, 3, p["border"])
    c.rounded_rect(1, 1, 9, 13, 2, p["accent"])
    return c


def _track(p, width, height, filled):
    c = Canvas(width, height)
    c.rounded_rect(0, 0, width, height, height / 2.0, p["border"])
    c.rounded_rect(1, 1, width - 1, height - 1, height / 2.0 - 1, p["accent"] if filled else p["panel"])
    return c


def _logofill(p):
    c = Canvas(8, 64)
    c.vertical_gradient(0, 0, 8, 64, p["title_top"], p["back"])
    return c


def _windo(p):
    return _frame(p, 10, 4, p["panel"], p["border"], top=p["title_bottom"])


def _pictures(name):
    p = PALETTES[name]
    folder = "data/skins/%s/" % name
    pictures = {
        "main.bmp": lambda: _main(p),
        "viewpage.bmp": lambda: _frame(p, 10, 4, p["panel"], p["bar_bottom"]),
        "viewlogo.bmp": lambda: _frame(p, 10, 5, p["back"], p["title_bottom"], top=p["title_top"]),
        "normalt.bmp": lambda: _frame(p, 10, 4, p["panel"], p["bar_bottom"], top=p["bar_top"]),
        "normalb.bmp": lambda: _frame(p, 10, 3, p["back"], p["bar_bottom"]),
        "wide.bmp": lambda: _frame(p, 16, 6, p["panel"], p["border"], top=p["bar_top"]),
        "lbtn.bmp": lambda: _band(p, 30, 30),
        "myinfo.bmp": lambda: _band(p, 30, 60),
        "tbtn.bmp": lambda: _band(p, 30, 24),
        "myAlbum.bmp": lambda: _frame(p, 10, 2, WHITE, p["accent"]),
        "windo.bmp": lambda: _windo(p),
        "richtop.bmp": lambda: _bar(p, p["bar_top"], p["bar_bottom"], True),
        "richbottom.bmp": lambda: _bar(p, p["bar_bottom"], p["bar_top"], False),
        "logofill.bmp": lambda: _logofill(p),
        "btn.bmp": lambda: _band(p, 60, 24),
        "MPlayer/playpos.bmp": lambda: _playpos(p),
        "MPlayer/volumn.bmp": lambda: _track(p, 60, 8, True),
        "MPlayer/playpos_bg.bmp": lambda: _track(p, 200, 6, False),
    }
    for glyph, draw in GLYPHS.items():
        pictures["%s.bmp" % glyph] = (lambda d: lambda: _glyph_button(p, d))(draw)
    for button, draw in PLAYER.items():
        pictures["MPlayer/%s.bmp" % button] = (lambda d: lambda: _player_button(p, d))(draw)
    files = [(folder + file, (lambda make: lambda: _encode(make()))(make)) for file, make in pictures.items()]
    return files + [(folder + "config.ini", lambda: settings(name))]


def settings(name):
    """The skin's config.ini: the seven colours of section "style"."""
    p = PALETTES[name]
    return ("[style]\r\nnormal_text=%s\r\ndsk_angle=%s\r\nctrl_border1x1=%s\r\nctrl_border2x2=%s,%s\r\n"
            "videobk=%s\r\nchatvideobk=%s\r\nnarrowbk=%s\r\n" % (
                _hex(p["border"]), _hex(p["accent"]), _hex(p["bar_bottom"]), _hex(p["title_bottom"]),
                _hex(p["border"]), _hex(p["back"]), _hex(p["panel"]), _hex(p["bar_top"]))).encode("ascii")


PICTURES = _pictures("default") + _pictures("graphite")
