#!/usr/bin/env python3
"""Draws the pictures of the document window's tool panel, standard library only, into data/setting/.

docpanel_<key>.png, 16 by 16, RGBA with a transparent ground, one per button of the panel:

- number: line numbers beside lines of text;       space: the paragraph mark of hidden characters;
- visible: a window whose left strip is folded away;
- left, right: lines of text with an arrow out of or into the indent;
- first, last: an arrow up to or down to a stop bar; up, down: a double chevron (a page up or down);
- create, delete, previous, next: the editor's bookmark ribbon with a plus, a cross, an arrow up, down.

Every shape is sampled four by four times per pixel, so that slanted edges come out smooth.

Run from anywhere: python3 tools/make_panel_pictures.py
"""

import math
import os
import sys

sys.dont_write_bytecode = True  # importing the shared drawing code leaves no cache in tools/
from make_pictures import SETTING, png_bytes

SIZE = 16
SAMPLES = 4

INK = (36, 52, 82)
LINE = (112, 128, 156)
GUIDE = (170, 180, 196)
ARROW = (30, 112, 206)
GREEN = (36, 150, 64)
RED = (206, 44, 36)
RIBBON = (44, 104, 200)
RIBBON_EDGE = (22, 56, 120)
WHITE = (255, 255, 255)
PANEL = (190, 214, 246)


class Icon:
    """A square RGBA picture; shapes are painted over it by their coverage of each pixel."""

    def __init__(self):
        self.width = self.height = SIZE
        self.pixels = [[(0, 0, 0, 0)] * SIZE for _ in range(SIZE)]

    def paint(self, inside, colour, box=(0, 0, SIZE, SIZE)):
        left, top, right, bottom = (max(0, math.floor(box[0])), max(0, math.floor(box[1])),
                                    min(SIZE, math.ceil(box[2])), min(SIZE, math.ceil(box[3])))
        for y in range(top, bottom):
            for x in range(left, right):
                hits = sum(inside(x + (i + 0.5) / SAMPLES, y + (j + 0.5) / SAMPLES)
                           for i in range(SAMPLES) for j in range(SAMPLES))
                if hits:
                    self.over(x, y, colour, hits / (SAMPLES * SAMPLES))

    def over(self, x, y, colour, alpha):
        r, g, b, a = self.pixels[y][x]
        a0 = a / 255
        out = alpha + a0 * (1 - alpha)
        mix = [(c * alpha + o * a0 * (1 - alpha)) / out for c, o in zip(colour, (r, g, b))]
        self.pixels[y][x] = tuple(round(v) for v in mix) + (round(out * 255),)

    def rect(self, left, top, right, bottom, colour):
        self.paint(lambda x, y: left <= x < right and top <= y < bottom, colour, (left, top, right, bottom))

    def polygon(self, points, colour):
        def inside(x, y):
            hit = False
            for (x1, y1), (x2, y2) in zip(points, points[1:] + points[:1]):
                if (y1 > y) != (y2 > y) and x < x1 + (y - y1) * (x2 - x1) / (y2 - y1):
                    hit = not hit
            return hit

        xs, ys = [p[0] for p in points], [p[1] for p in points]
        self.paint(inside, colour, (min(xs), min(ys), max(xs), max(ys)))

    def stroke(self, points, width, colour):
        """A polyline of the given width with round joins and ends."""
        r = width / 2

        def near(x, y):
            for (x1, y1), (x2, y2) in zip(points, points[1:]):
                vx, vy = x2 - x1, y2 - y1
                t = max(0.0, min(1.0, ((x - x1) * vx + (y - y1) * vy) / (vx * vx + vy * vy)))
                if math.hypot(x - x1 - t * vx, y - y1 - t * vy) <= r:
                    return True
            return False

        xs, ys = [p[0] for p in points], [p[1] for p in points]
        self.paint(near, colour, (min(xs) - r, min(ys) - r, max(xs) + r, max(ys) + r))

    def disc(self, cx, cy, radius, colour):
        self.paint(lambda x, y: math.hypot(x - cx, y - cy) <= radius, colour,
                   (cx - radius, cy - radius, cx + radius, cy + radius))


# ---- Pieces shared by several pictures --------------------------------------------------------------------

DIGITS = {"1": ["010", "110", "010", "010", "111"], "2": ["110", "001", "010", "100", "111"]}


def dots(icon, left, top, rows, colour):
    """Small pixel art, for shapes that must stay sharp: a "1" in the rows is a pixel of the colour."""
    for row, bits in enumerate(rows):
        for col, bit in enumerate(bits):
            if bit == "1":
                icon.rect(left + col, top + row, left + col + 1, top + row + 1, colour)


def window(icon):
    """A window: its frame, its title bar and its white client area."""
    icon.rect(0, 1, 16, 15, INK)
    icon.rect(1, 2, 15, 4, ARROW)
    icon.rect(1, 4, 15, 14, WHITE)


def arrow_head(icon, tip_x, tip_y, dx, dy, size, colour):
    """A filled triangle whose tip points along (dx, dy)."""
    back_x, back_y = tip_x - dx * size, tip_y - dy * size
    icon.polygon([(tip_x, tip_y), (back_x + dy * size, back_y - dx * size),
                  (back_x - dy * size, back_y + dx * size)], colour)


def ribbon(icon):
    """The editor's bookmark: a ribbon with a notch at its foot, at the picture's left."""
    icon.polygon([(2, 1), (11, 1), (11, 15), (6.5, 10.5), (2, 15)], RIBBON_EDGE)
    icon.polygon([(3, 2), (10, 2), (10, 12.6), (6.5, 9.1), (3, 12.6)], RIBBON)
    icon.rect(4, 3, 9, 4, (120, 168, 236))


def badge(icon, cx, cy):
    """A white ground under the small sign in the picture's lower right corner."""
    icon.disc(cx, cy, 4.4, WHITE)


# ---- The pictures --------------------------------------------------------------------------------------------


def draw_number():
    icon = Icon()
    icon.rect(5, 0, 6, 16, GUIDE)
    for top, char in [(2, "1"), (9, "2")]:
        dots(icon, 1, top, DIGITS[char], INK)
        icon.rect(7, top + 2, 15, top + 3, LINE)
    icon.rect(7, 15, 12, 16, LINE)
    return icon


def draw_space():
    icon = Icon()
    icon.disc(6, 5.5, 3.5, INK)
    icon.rect(6, 2, 14, 4, INK)
    icon.rect(8, 2, 10, 15, INK)
    icon.rect(12, 2, 14, 15, INK)
    return icon


def draw_visible():
    icon = Icon()
    window(icon)
    icon.rect(1, 4, 5, 14, PANEL)
    for top in (5, 8, 11):
        icon.rect(2, top, 4, top + 2, ARROW)
    icon.rect(9, 8, 14, 10, RED)
    arrow_head(icon, 6, 9, -1, 0, 3.5, RED)
    return icon


def draw_indent(outward):
    icon = Icon()
    icon.rect(1, 2, 15, 4, INK)
    for top in (5, 8, 11):
        icon.rect(9, top, 15, top + 2, INK)
    icon.rect(1, 13, 15, 15, INK)
    if outward:
        icon.rect(3, 8, 7, 10, GREEN)
        arrow_head(icon, 0, 9, -1, 0, 3.5, GREEN)
    else:
        icon.rect(0, 8, 4, 10, GREEN)
        arrow_head(icon, 7, 9, 1, 0, 3.5, GREEN)
    return icon


def draw_stop(down):
    """An arrow that runs into a bar: to the first or the last line."""
    icon = Icon()
    flip = (lambda y: 16 - y) if down else (lambda y: y)
    bar = sorted((flip(1), flip(3)))
    icon.rect(2, bar[0], 14, bar[1], INK)
    shaft = sorted((flip(15), flip(8)))
    icon.rect(7, shaft[0], 9, shaft[1], ARROW)
    arrow_head(icon, 8, flip(4), 0, 1 if down else -1, 4.5, ARROW)
    return icon


def draw_page(down):
    """Two chevrons, one above the other: a page up or down."""
    icon = Icon()
    for top in (2.5, 8.5):
        tip, foot = (top + 5, top) if down else (top, top + 5)
        icon.stroke([(2.5, foot), (8, tip), (13.5, foot)], 2.3, ARROW)
    return icon


def draw_bookmark(sign):
    icon = Icon()
    ribbon(icon)
    cx, cy = 11.5, 11.5
    badge(icon, cx, cy)
    if sign == "create":
        icon.rect(cx - 3, cy - 1, cx + 3, cy + 1, GREEN)
        icon.rect(cx - 1, cy - 3, cx + 1, cy + 3, GREEN)
    elif sign == "delete":
        icon.stroke([(cx - 2.3, cy - 2.3), (cx + 2.3, cy + 2.3)], 1.9, RED)
        icon.stroke([(cx - 2.3, cy + 2.3), (cx + 2.3, cy - 2.3)], 1.9, RED)
    else:
        direction = 1 if sign == "next" else -1
        icon.stroke([(cx, cy - 2.8 * direction), (cx, cy + 0.2 * direction)], 1.8, INK)
        arrow_head(icon, cx, cy + 3.4 * direction, 0, direction, 3.2, INK)
    return icon


PICTURES = {
    "number": draw_number,
    "space": draw_space,
    "visible": draw_visible,
    "left": lambda: draw_indent(True),
    "right": lambda: draw_indent(False),
    "first": lambda: draw_stop(False),
    "up": lambda: draw_page(False),
    "down": lambda: draw_page(True),
    "last": lambda: draw_stop(True),
    "create": lambda: draw_bookmark("create"),
    "delete": lambda: draw_bookmark("delete"),
    "previous": lambda: draw_bookmark("previous"),
    "next": lambda: draw_bookmark("next"),
}


def main():
    os.makedirs(SETTING, exist_ok=True)
    for key, draw in PICTURES.items():
        with open(os.path.join(SETTING, "docpanel_" + key + ".png"), "wb") as out:
            out.write(png_bytes(draw()))


if __name__ == "__main__":
    main()
