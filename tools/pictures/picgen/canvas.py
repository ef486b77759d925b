"""A small RGBA raster canvas with anti-aliased shapes.

Pixels are (r, g, b, a) with 0..255 channels and straight (not premultiplied) alpha. Shapes are
rasterised by supersampling: each pixel is tested at SAMPLES x SAMPLES points, the share of
points inside the shape is its coverage, and the shape's colour is laid "over" the pixel with
that coverage. Colours are (r, g, b) or (r, g, b, a) tuples.
"""

import math

SAMPLES = 4
TRANSPARENT = (0, 0, 0, 0)


def arc(cx, cy, rx, ry, start_deg, end_deg, steps=24):
    """Points along an elliptic arc; angles in degrees, 0 to the right, counter-clockwise on
    screen (y grows downwards)."""
    points = []
    for i in range(steps + 1):
        a = math.radians(start_deg + (end_deg - start_deg) * i / steps)
        points.append((cx + rx * math.cos(a), cy - ry * math.sin(a)))
    return points


def rgba(colour):
    return tuple(colour) if len(colour) == 4 else (colour[0], colour[1], colour[2], 255)


def mix(c1, c2, t):
    """Linear blend of two colours, t from 0 (c1) to 1 (c2)."""
    c1, c2 = rgba(c1), rgba(c2)
    return tuple(int(round(a + (b - a) * t)) for a, b in zip(c1, c2))


def over(dst, src, coverage):
    """src laid over dst with the given coverage (0..1), straight alpha."""
    sa = src[3] / 255.0 * coverage
    if sa <= 0:
        return dst
    da = dst[3] / 255.0
    out_a = sa + da * (1 - sa)
    if out_a <= 0:
        return TRANSPARENT
    channels = tuple(int(round((src[i] * sa + dst[i] * da * (1 - sa)) / out_a)) for i in range(3))
    return channels + (int(round(out_a * 255)),)


class Canvas:
    def __init__(self, width, height, background=TRANSPARENT):
        self.width = width
        self.height = height
        fill = rgba(background)
        self.pixels = [[fill] * width for _ in range(height)]

    # ---- pixels -------------------------------------------------------------------------------

    def set(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y][x] = rgba(colour)

    def blend(self, x, y, colour, coverage=1.0):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y][x] = over(self.pixels[y][x], rgba(colour), coverage)

    # ---- shapes -------------------------------------------------------------------------------

    def fill_rect(self, left, top, right, bottom, colour):
        """Sets (no blending) every pixel with left <= x < right and top <= y < bottom."""
        colour = rgba(colour)
        for y in range(max(0, top), min(self.height, bottom)):
            for x in range(max(0, left), min(self.width, right)):
                self.pixels[y][x] = colour

    def fill_shape(self, inside, bounds, colour):
        """Covers the pixels of bounds (left, top, right, bottom) where inside(x, y) holds for
        sample points (pixel centres are at x + 0.5). colour is a colour or a function of the
        pixel (x, y) giving one, for gradients."""
        paint = colour if callable(colour) else (lambda x, y, c=rgba(colour): c)
        left, top, right, bottom = bounds
        step = 1.0 / SAMPLES
        offsets = [(i + 0.5) * step for i in range(SAMPLES)]
        total = SAMPLES * SAMPLES
        for y in range(max(0, int(top)), min(self.height, int(bottom) + 1)):
            for x in range(max(0, int(left)), min(self.width, int(right) + 1)):
                hits = sum(1 for dy in offsets for dx in offsets if inside(x + dx, y + dy))
                if hits:
                    self.blend(x, y, rgba(paint(x, y)), hits / total)

    def rounded_rect(self, left, top, right, bottom, radius, colour):
        """Filled rectangle from (left, top) to (right, bottom) with round corners."""
        radius = min(radius, (right - left) / 2.0, (bottom - top) / 2.0)

        def inside(px, py):
            if not (left <= px < right and top <= py < bottom):
                return False
            cx = min(max(px, left + radius), right - radius)
            cy = min(max(py, top + radius), bottom - radius)
            return (px - cx) ** 2 + (py - cy) ** 2 <= radius * radius

        self.fill_shape(inside, (left, top, right, bottom), colour)

    def ellipse(self, cx, cy, rx, ry, colour):
        def inside(px, py):
            return ((px - cx) / rx) ** 2 + ((py - cy) / ry) ** 2 <= 1.0

        self.fill_shape(inside, (cx - rx, cy - ry, cx + rx, cy + ry), colour)

    def circle(self, cx, cy, r, colour):
        self.ellipse(cx, cy, r, r, colour)

    def ring(self, cx, cy, r_outer, r_inner, colour):
        def inside(px, py):
            d = (px - cx) ** 2 + (py - cy) ** 2
            return r_inner * r_inner <= d <= r_outer * r_outer

        self.fill_shape(inside, (cx - r_outer, cy - r_outer, cx + r_outer, cy + r_outer), colour)

    def polygon(self, points, colour):
        """Filled polygon (even-odd rule) through the given (x, y) points."""
        xs = [p[0] for p in points]
        ys = [p[1] for p in points]

        def inside(px, py):
            result = False
            j = len(points) - 1
            for i in range(len(points)):
                xi, yi = points[i]
                xj, yj = points[j]
                if (yi > py) != (yj > py) and px < (xj - xi) * (py - yi) / (yj - yi) + xi:
                    result = not result
                j = i
            return result

        self.fill_shape(inside, (min(xs), min(ys), max(xs), max(ys)), colour)

    def line(self, x0, y0, x1, y1, width, colour):
        """A straight stroke of the given width with round ends."""
        half = width / 2.0
        dx, dy = x1 - x0, y1 - y0
        length2 = dx * dx + dy * dy

        def inside(px, py):
            t = 0.0 if length2 == 0 else max(0.0, min(1.0, ((px - x0) * dx + (py - y0) * dy) / length2))
            qx, qy = x0 + t * dx, y0 + t * dy
            return (px - qx) ** 2 + (py - qy) ** 2 <= half * half

        bounds = (min(x0, x1) - half, min(y0, y1) - half, max(x0, x1) + half, max(y0, y1) + half)
        self.fill_shape(inside, bounds, colour)

    # ---- gradients ----------------------------------------------------------------------------

    @staticmethod
    def vertical(top, bottom, top_colour, bottom_colour):
        """A colour function for fill_shape: top_colour at row top to bottom_colour at bottom."""
        span = max(1.0, bottom - top - 1)
        return lambda x, y: mix(top_colour, bottom_colour, max(0.0, min(1.0, (y - top) / span)))

    def vertical_gradient(self, left, top, right, bottom, top_colour, bottom_colour):
        rows = max(1, bottom - top - 1)
        for y in range(max(0, top), min(self.height, bottom)):
            colour = mix(top_colour, bottom_colour, (y - top) / rows)
            for x in range(max(0, left), min(self.width, right)):
                self.pixels[y][x] = colour

    def horizontal_gradient(self, left, top, right, bottom, left_colour, right_colour):
        columns = max(1, right - left - 1)
        for x in range(max(0, left), min(self.width, right)):
            colour = mix(left_colour, right_colour, (x - left) / columns)
            for y in range(max(0, top), min(self.height, bottom)):
                self.pixels[y][x] = colour

    # ---- output helpers -----------------------------------------------------------------------

    def flatten(self, background, key=None, threshold=128):
        """Rows of (r, g, b): each pixel laid over background. With key, pixels whose alpha is
        below threshold become the key colour (a transparent colour such as magenta) and the
        others are laid over background, so no edge blends into the key colour."""
        back = rgba(background)
        rows = []
        for row in self.pixels:
            out = []
            for p in row:
                if key is not None and p[3] < threshold:
                    out.append(tuple(key[:3]))
                else:
                    out.append(over(back, p, 1.0)[:3])
            rows.append(out)
        return rows

    def strokes(self, segments, width, colour):
        """Covers the union of straight strokes ((x0, y0), (x1, y1)) of the given width with
        round ends and joins, in one pass, so that joins are not covered twice."""
        half = width / 2.0
        prepared = []
        for (x0, y0), (x1, y1) in segments:
            dx, dy = x1 - x0, y1 - y0
            box = (min(x0, x1) - half, min(y0, y1) - half, max(x0, x1) + half, max(y0, y1) + half)
            prepared.append((x0, y0, dx, dy, dx * dx + dy * dy, box))
        if not prepared:
            return
        limit = half * half

        def inside(px, py):
            for x0, y0, dx, dy, length2, box in prepared:
                if not (box[0] <= px <= box[2] and box[1] <= py <= box[3]):
                    continue
                t = 0.0 if length2 == 0 else max(0.0, min(1.0, ((px - x0) * dx + (py - y0) * dy) / length2))
                if (px - x0 - t * dx) ** 2 + (py - y0 - t * dy) ** 2 <= limit:
                    return True
            return False

        bounds = (min(p[5][0] for p in prepared), min(p[5][1] for p in prepared),
                  max(p[5][2] for p in prepared), max(p[5][3] for p in prepared))
        self.fill_shape(inside, bounds, colour)
