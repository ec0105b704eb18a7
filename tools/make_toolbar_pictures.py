#!/usr/bin/env python3
"""Draws the pictures of the main window's two command tool bars, standard library only, into
data/setting/, and two more buttons of the document window's tool panel.

menu_<key>.png and docpanel_<key>.png, 16 by 16, RGBA with a transparent ground, in the family style of
the tool panel's pictures (tools/make_panel_pictures.py), whose palette and shapes they share:

- new: a blank sheet with a plus;       open: an opening folder;      save, saveall: one or two diskettes;
- print: a printer;                     servise: a window with a panel at its left;
- tegs: a window with a bar of tags under its title;
- cut: scissors;  copy: two sheets;  paste: a sheet on a clipboard;  undo, redo: an arrow bent back left or right;
- find: a magnifier;  findnext: a magnifier with an arrow on;  replace: an A turned into a B;
- viewmode (tool panel): a sheet with an eye over it;  browser (tool panel): a globe.

Run from anywhere: python3 tools/make_toolbar_pictures.py
"""

import math
import os
import sys

sys.dont_write_bytecode = True  # importing the shared drawing code leaves no cache in tools/
from make_pictures import SETTING, png_bytes
from make_panel_pictures import (ARROW, GREEN, INK, LINE, PANEL, RED, RIBBON, RIBBON_EDGE, WHITE, Icon,
                                 arrow_head, badge, dots, window)

FOLDER_EDGE = (154, 106, 16)
FOLDER_BACK = (232, 184, 74)
FOLDER_FRONT = (247, 214, 122)
METAL = (206, 212, 222)
CASE = (150, 160, 178)
BOARD = (188, 132, 66)
BOARD_EDGE = (110, 68, 26)


# ---- Pieces shared by several pictures --------------------------------------------------------------------


def clipped(icon, left, top, right, bottom, cut, edge, fill):
    """A box outlined one pixel wide whose upper right corner is cut off at 45 degrees."""
    icon.polygon([(left, top), (right - cut, top), (right, top + cut), (right, bottom), (left, bottom)], edge)
    inner = 1 - math.sqrt(2)  # where the cut's edge, moved one pixel inwards, meets the inner sides
    icon.polygon([(left + 1, top + 1), (right - cut + inner, top + 1), (right - 1, top + cut - inner),
                  (right - 1, bottom - 1), (left + 1, bottom - 1)], fill)


def sheet(icon, left, top, right, bottom, lines=0):
    """A sheet of paper with a turned-down corner and, if asked, a few lines of text."""
    fold = 4 if right - left > 10 else 3
    clipped(icon, left, top, right, bottom, fold, INK, WHITE)
    icon.polygon([(right - fold, top), (right - fold, top + fold), (right, top + fold)], INK)
    for n in range(lines):
        y = top + fold + 2 + 2 * n
        icon.rect(left + 2, y, right - 2 - (2 if n == lines - 1 else 0), y + 1, LINE)


def diskette(icon, left, top, size):
    """A diskette: the metal shutter above, the white label below."""
    right, bottom = left + size, top + size
    clipped(icon, left, top, right, bottom, 2, INK, RIBBON)
    shutter = round(size * 0.4)
    icon.rect(left + 3, top + 1, right - 3, top + shutter, METAL)
    icon.rect(right - 5, top + 2, right - 4, top + shutter - 1, INK)
    icon.rect(left + 2, bottom - round(size * 0.45), right - 2, bottom - 1, WHITE)


def magnifier(icon, cx, cy, radius):
    """A round glass with its handle towards the lower right."""
    reach = radius * 0.7 + 4
    icon.stroke([(cx + radius * 0.7, cy + radius * 0.7), (cx + reach, cy + reach)], 3, INK)
    icon.disc(cx, cy, radius, INK)
    icon.disc(cx, cy, radius - 1.5, PANEL)
    icon.stroke([(cx - radius * 0.45, cy - 0.2), (cx - 0.2, cy - radius * 0.45)], 1.2, WHITE)


def draw_turn(mirror):
    """An arrow pointing left along the top that bends back down on the right (undo), or its mirror image."""
    icon = Icon()
    flip = (lambda x: 16 - x) if mirror else (lambda x: x)
    cx, cy, r = 9.5, 9.5, 4.5
    points = [(flip(5), cy - r)]
    points += [(flip(cx + r * math.sin(a / 12 * math.pi)), cy - r * math.cos(a / 12 * math.pi)) for a in range(13)]
    points.append((flip(6), cy + r))
    icon.stroke(points, 2, ARROW)
    arrow_head(icon, flip(0.5), cy - r, 1 if mirror else -1, 0, 5, ARROW)
    return icon


LETTER_A = ["..11..", ".1111.", "11..11", "11..11", "111111", "11..11", "11..11"]
LETTER_B = ["11111.", "11..11", "11..11", "11111.", "11..11", "11..11", "11111."]
# the blades of the scissors: straight steps of two rows a column, so that they stay sharp
BLADES = ["11......11", "11......11", ".11....11.", ".11....11.", "..11..11..", "..11..11..",
          "...1111...", "....11....", "...1111...", "..11..11.."]
RING = [".1111.", "111111", "11..11", "11..11", "111111", ".1111."]
TAGS = ["..11..11..", ".11....11.", "11......11", ".11....11.", "..11..11.."]


# ---- The pictures --------------------------------------------------------------------------------------------


def draw_new():
    icon = Icon()
    sheet(icon, 2, 0, 13, 15)
    badge(icon, 12, 11)
    icon.rect(9, 10, 15, 12, GREEN)
    icon.rect(11, 8, 13, 14, GREEN)
    return icon


def draw_open():
    icon = Icon()
    icon.rect(0, 2, 7, 5, FOLDER_EDGE)
    icon.rect(1, 3, 6, 5, FOLDER_BACK)
    icon.rect(0, 4, 14, 15, FOLDER_EDGE)
    icon.rect(1, 5, 13, 14, FOLDER_BACK)
    icon.polygon([(3, 7), (16, 7), (13, 15), (0, 15)], FOLDER_EDGE)
    icon.polygon([(3.8, 8), (14.6, 8), (12.3, 14), (1.4, 14)], FOLDER_FRONT)
    return icon


def draw_save():
    icon = Icon()
    diskette(icon, 1, 1, 14)
    return icon


def draw_saveall():
    icon = Icon()
    diskette(icon, 0, 0, 11)
    diskette(icon, 5, 5, 11)
    return icon


def draw_print():
    icon = Icon()
    icon.rect(3, 0, 13, 7, INK)
    icon.rect(4, 1, 12, 7, WHITE)
    icon.rect(0, 6, 16, 13, INK)
    icon.rect(1, 7, 15, 12, CASE)
    icon.rect(12, 8, 14, 9, GREEN)
    icon.rect(3, 10, 13, 16, INK)
    icon.rect(4, 10, 12, 15, WHITE)
    icon.rect(5, 12, 11, 13, LINE)
    return icon


def draw_servise():
    icon = Icon()
    window(icon)
    icon.rect(1, 4, 7, 14, PANEL)
    icon.rect(7, 4, 8, 14, INK)
    for left, top in [(2, 5), (3, 7), (3, 9), (2, 11)]:
        icon.rect(left, top, left + 3, top + 1, ARROW)
    for top, right in [(6, 14), (8, 14), (10, 12)]:
        icon.rect(9, top, right, top + 1, LINE)
    return icon


def draw_tegs():
    icon = Icon()
    window(icon)
    icon.rect(1, 4, 15, 11, PANEL)
    icon.rect(1, 11, 15, 12, INK)
    dots(icon, 3, 5, TAGS, ARROW)
    return icon


def draw_cut():
    icon = Icon()
    dots(icon, 3, 0, BLADES, INK)
    for left in (1, 9):
        dots(icon, left, 10, RING, RED)
    return icon


def draw_copy():
    icon = Icon()
    sheet(icon, 1, 0, 10, 11, lines=2)
    sheet(icon, 6, 5, 15, 16, lines=3)
    return icon


def draw_paste():
    icon = Icon()
    icon.rect(1, 2, 13, 16, BOARD_EDGE)
    icon.rect(2, 3, 12, 15, BOARD)
    icon.rect(4, 0, 10, 4, INK)
    icon.rect(5, 1, 9, 3, METAL)
    sheet(icon, 6, 6, 15, 16, lines=3)
    return icon


def draw_find():
    icon = Icon()
    magnifier(icon, 6.5, 6.5, 5.5)
    return icon


def draw_findnext():
    icon = Icon()
    magnifier(icon, 6, 9.5, 4.5)
    icon.rect(8, 3, 13, 5, GREEN)
    arrow_head(icon, 16, 4, 1, 0, 3, GREEN)
    return icon


def draw_replace():
    icon = Icon()
    dots(icon, 0, 0, LETTER_A, INK)
    dots(icon, 10, 9, LETTER_B, ARROW)
    icon.rect(7, 3, 13, 5, GREEN)
    icon.rect(11, 5, 13, 7, GREEN)
    arrow_head(icon, 12, 9, 0, 1, 3, GREEN)
    return icon


def draw_viewmode():
    icon = Icon()
    sheet(icon, 1, 0, 15, 16)
    # the eye is where two large discs, one above and one below, overlap: 12 pixels wide, 7 high
    half_width, half_height, cy = 6, 3.5, 10.5
    big = (half_width ** 2 + half_height ** 2) / (2 * half_height)

    def eye(grow):
        r = big + grow
        return lambda x, y: (math.hypot(x - 8, y - (cy - big + half_height)) <= r and
                             math.hypot(x - 8, y - (cy + big - half_height)) <= r)

    icon.paint(eye(0), INK)
    icon.paint(eye(-1.2), WHITE)
    icon.disc(8, cy, 2.6, ARROW)
    icon.disc(8, cy, 1.2, INK)
    return icon


def draw_browser():
    icon = Icon()
    cx = cy = 7.5  # on a pixel's middle, so that the middle lines are one pixel wide and sharp
    icon.disc(cx, cy, 7.5, RIBBON_EDGE)
    icon.disc(cx, cy, 6.5, ARROW)

    def grid(x, y):
        if math.hypot(x - cx, y - cy) > 6.5:
            return False
        dx, dy = x - cx, y - cy
        meridian = abs(math.hypot(dx / 3.5, dy / 6.5) - 1) <= 0.5 / 3.5
        return abs(dx) <= 0.5 or abs(dy) <= 0.5 or meridian or abs(abs(dy) - 4) <= 0.5

    icon.paint(grid, PANEL)
    return icon


PICTURES = {
    "menu_new": draw_new,
    "menu_open": draw_open,
    "menu_save": draw_save,
    "menu_saveall": draw_saveall,
    "menu_print": draw_print,
    "menu_servise": draw_servise,
    "menu_tegs": draw_tegs,
    "menu_cut": draw_cut,
    "menu_copy": draw_copy,
    "menu_paste": draw_paste,
    "menu_undo": lambda: draw_turn(False),
    "menu_redo": lambda: draw_turn(True),
    "menu_find": draw_find,
    "menu_findnext": draw_findnext,
    "menu_replace": draw_replace,
    "docpanel_viewmode": draw_viewmode,
    "docpanel_browser": draw_browser,
}


def main():
    os.makedirs(SETTING, exist_ok=True)
    for name, draw in PICTURES.items():
        with open(os.path.join(SETTING, name + ".png"), "wb") as out:
            out.write(png_bytes(draw()))


if __name__ == "__main__":
    main()
