#!/usr/bin/env python3
"""Draws the colour picker's three pictures, standard library only, into data/setting/.

- selcolor_hues.png: the colour field, 254 by 262 pixels, 24-bit. The hue runs once round the
  colour circle from red at the left edge towards red again at the right; the top row is fully
  saturated and every column fades evenly to middle grey (128, 128, 128) in the bottom row. The
  picker reads the colour the user clicks from this very picture.
- selcolor_marker.gif: 21 by 21, four small black triangles edged in white that point at the centre
  from above, below, the left and the right; transparent elsewhere, so the picked point stays visible.
- selcolor_pointer.gif: 5 by 9, a black triangle pointing left at the shade strip.

Run from anywhere: python3 tools/make_selcolor_pictures.py
"""

import colorsys
import os
import sys

sys.dont_write_bytecode = True  # importing the shared drawing code leaves no cache in tools/
from make_pictures import Canvas, SETTING, gif_bytes, png_bytes

SPECTRUM_WIDTH, SPECTRUM_HEIGHT = 254, 262
GREY = 128


def draw_spectrum():
    c = Canvas(SPECTRUM_WIDTH, SPECTRUM_HEIGHT, (0, 0, 0))
    for x in range(SPECTRUM_WIDTH):
        top = [round(v * 255) for v in colorsys.hsv_to_rgb(x / SPECTRUM_WIDTH, 1.0, 1.0)]
        for y in range(SPECTRUM_HEIGHT):
            t = y / (SPECTRUM_HEIGHT - 1)
            c.pixels[y][x] = tuple(round(v + (GREY - v) * t) for v in top)
    return c


# palette: 0 transparent, 1 black, 2 white
MARK_PALETTE = [(255, 0, 255), (0, 0, 0), (255, 255, 255)]
MARKER_SIZE = 21


def draw_marker():
    """The triangle above the centre, turned four times; then a white edge round all black points."""
    centre = MARKER_SIZE // 2
    black = set()
    for y in range(2, 6):  # seven points wide at the base; the tip stops five points short of the centre
        half = 5 - y
        for x in range(centre - half, centre + half + 1):
            d = centre - y  # distance from the centre, along the triangle's axis
            for dx, dy in [(x - centre, -d), (x - centre, d), (-d, x - centre), (d, x - centre)]:
                black.add((centre + dx, centre + dy))
    pixels = [[0] * MARKER_SIZE for _ in range(MARKER_SIZE)]
    for x, y in black:
        for nx in range(x - 1, x + 2):
            for ny in range(y - 1, y + 2):
                if 0 <= nx < MARKER_SIZE and 0 <= ny < MARKER_SIZE and (nx, ny) not in black:
                    pixels[ny][nx] = 2
    for x, y in black:
        pixels[y][x] = 1
    return pixels


def draw_pointer():
    """Column x holds the rows within x of the middle row, so the tip is the middle of the left edge."""
    return [[1 if abs(y - 4) <= x else 0 for x in range(5)] for y in range(9)]


def main():
    os.makedirs(SETTING, exist_ok=True)
    with open(os.path.join(SETTING, "selcolor_hues.png"), "wb") as out:
        out.write(png_bytes(draw_spectrum()))
    with open(os.path.join(SETTING, "selcolor_marker.gif"), "wb") as out:
        out.write(gif_bytes(draw_marker(), MARK_PALETTE, 0))
    with open(os.path.join(SETTING, "selcolor_pointer.gif"), "wb") as out:
        out.write(gif_bytes(draw_pointer(), MARK_PALETTE, 0))


if __name__ == "__main__":
    main()
