#!/usr/bin/env python3
"""Draws the program's own pictures, standard library only.

- data/setting/logo.png: the 348 by 248 logo of the about box and start-up splash. The lower band is
  left calm, since the splash's progress bar and the support-page button lie over it.
- data/setting/new.gif, newch.gif, open.gif, opench.gif: the 16 by 16 pictures of the document tabs
  (a new document, a new changed one, an opened one, an opened changed one). A changed document's
  sheet carries an orange mark. GIF, because that is the format the program looks for; Qt reads GIF
  but does not write it, so the encoder (LZW) is here.
- data/setting/tree1.gif to tree4.gif: the pictures of the work panel's trees, by their place in the
  trees' image list (a group, an autotext entry, a colour, a symbol); panel1.gif to panel4.gif: the
  tag bar's own pictures, which stand before those of button.ini: the built-in button's (the tag
  wizard), a tag, a command and a text.
- data/setting/vellicor.gif: the program's icon, which the main window and the document windows show:
  a sheet with the program's V.

Run from anywhere: python3 tools/make_pictures.py
"""

import math
import os
import struct
import zlib

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
SETTING = os.path.join(ROOT, "data", "setting")

# ---- Letters: five dots wide, nine rows (cap height 7, then two rows of descender) ------------------

GLYPHS = {
    "H": ["10001", "10001", "10001", "11111", "10001", "10001", "10001"],
    "L": ["10000", "10000", "10000", "10000", "10000", "10000", "11111"],
    "M": ["10001", "11011", "10101", "10101", "10001", "10001", "10001"],
    "T": ["11111", "00100", "00100", "00100", "00100", "00100", "00100"],
    "V": ["10001", "10001", "10001", "10001", "01010", "01010", "00100"],
    "-": ["", "", "", "01110"],
    ".": ["", "", "", "", "", "", "00100"],
    " ": [],
    "0": ["01110", "10001", "10011", "10101", "11001", "10001", "01110"],
    "1": ["00100", "01100", "00100", "00100", "00100", "00100", "01110"],
    "a": ["", "", "01110", "00001", "01111", "10001", "01111"],
    "c": ["", "", "01110", "10000", "10000", "10001", "01110"],
    "e": ["", "", "01110", "10001", "11111", "10000", "01110"],
    "i": ["00100", "", "01100", "00100", "00100", "00100", "01110"],
    "l": ["01100", "00100", "00100", "00100", "00100", "00100", "01110"],
    "n": ["", "", "10110", "11001", "10001", "10001", "10001"],
    "o": ["", "", "01110", "10001", "10001", "10001", "01110"],
    "r": ["", "", "10110", "11001", "10000", "10000", "10000"],
    "w": ["", "", "10001", "10001", "10101", "10101", "01010"],
    "а": ["", "", "01110", "00001", "01111", "10001", "01111"],
    "в": ["", "", "11110", "10001", "11110", "10001", "11110"],
    "д": ["", "", "00110", "01010", "01010", "01010", "11111", "10001"],
    "е": ["", "", "01110", "10001", "11111", "10000", "01110"],
    "и": ["", "", "10001", "10011", "10101", "11001", "10001"],
    "к": ["", "", "10010", "10100", "11000", "10100", "10010"],
    "о": ["", "", "01110", "10001", "10001", "10001", "01110"],
    "р": ["", "", "11110", "10001", "10001", "10001", "11110", "10000", "10000"],
    "с": ["", "", "01110", "10000", "10000", "10001", "01110"],
    "т": ["", "", "11111", "00100", "00100", "00100", "00100"],
    "я": ["", "", "01111", "10001", "01111", "00101", "11001"],
}


def text_width(text, scale):
    return (len(text) * 6 - 1) * scale


# ---- A small RGB canvas with coverage-blended shapes -------------------------------------------------


class Canvas:
    def __init__(self, width, height, colour):
        self.width, self.height = width, height
        self.pixels = [[tuple(colour) for _ in range(width)] for _ in range(height)]

    def blend(self, x, y, colour, alpha):
        if 0 <= x < self.width and 0 <= y < self.height and alpha > 0:
            alpha = min(alpha, 1.0)
            old = self.pixels[y][x]
            self.pixels[y][x] = tuple(round(o + (c - o) * alpha) for o, c in zip(old, colour))

    def gradient(self, top, bottom, first, last):
        for y in range(top, bottom):
            t = (y - top) / max(1, bottom - top - 1)
            colour = tuple(round(a + (b - a) * t) for a, b in zip(first, last))
            for x in range(self.width):
                self.pixels[y][x] = colour

    def rect(self, left, top, right, bottom, colour):
        for y in range(max(0, top), min(self.height, bottom)):
            for x in range(max(0, left), min(self.width, right)):
                self.pixels[y][x] = tuple(colour)

    def shape(self, box, distance, colour):
        """Fills the points whose signed distance to the shape's edge is negative, edges smoothed."""
        left, top, right, bottom = box
        for y in range(max(0, int(top) - 1), min(self.height, int(bottom) + 2)):
            for x in range(max(0, int(left) - 1), min(self.width, int(right) + 2)):
                self.blend(x, y, colour, 0.5 - distance(x + 0.5, y + 0.5))

    def rounded_rect(self, left, top, right, bottom, radius, colour):
        cx, cy = (left + right) / 2, (top + bottom) / 2
        hx, hy = (right - left) / 2 - radius, (bottom - top) / 2 - radius

        def distance(x, y):
            dx, dy = max(abs(x - cx) - hx, 0), max(abs(y - cy) - hy, 0)
            return math.hypot(dx, dy) - radius

        self.shape((left, top, right, bottom), distance, colour)

    def line(self, x1, y1, x2, y2, width, colour):
        r = width / 2

        def distance(x, y):
            vx, vy = x2 - x1, y2 - y1
            t = max(0.0, min(1.0, ((x - x1) * vx + (y - y1) * vy) / (vx * vx + vy * vy)))
            return math.hypot(x - (x1 + t * vx), y - (y1 + t * vy)) - r

        self.shape((min(x1, x2) - r, min(y1, y2) - r, max(x1, x2) + r, max(y1, y2) + r), distance, colour)

    def text(self, left, top, text, scale, colour):
        x = left
        for char in text:
            for row, bits in enumerate(GLYPHS[char]):
                for col, bit in enumerate(bits):
                    if bit == "1":
                        self.rect(x + col * scale, top + row * scale, x + (col + 1) * scale,
                                  top + (row + 1) * scale, colour)
            x += 6 * scale


# ---- The logo -----------------------------------------------------------------------------------------

NAVY_TOP = (40, 74, 122)
NAVY_BOTTOM = (24, 44, 80)
PANEL_TOP = (240, 243, 248)
PANEL_BOTTOM = (222, 229, 239)
AMBER = (232, 160, 48)
FRAME = (18, 32, 58)


def draw_logo():
    width, height, divide = 348, 248, 138
    c = Canvas(width, height, PANEL_TOP)
    c.gradient(0, divide, NAVY_TOP, NAVY_BOTTOM)
    c.gradient(divide + 3, height, PANEL_TOP, PANEL_BOTTOM)
    c.rect(0, divide, width, divide + 3, AMBER)

    # the emblem: a sheet-white tile with the angle brackets of markup
    c.rounded_rect(24, 34, 90, 100, 12, (16, 28, 50))
    c.rounded_rect(22, 32, 88, 98, 12, (250, 251, 253))
    blue = (40, 74, 122)
    c.line(42, 52, 30, 65, 5, blue)
    c.line(30, 65, 42, 78, 5, blue)
    c.line(68, 52, 80, 65, 5, blue)
    c.line(80, 65, 68, 78, 5, blue)
    c.line(60, 48, 50, 82, 4.5, AMBER)

    c.text(106, 36, "Marrowin", 2, (160, 186, 226))
    c.text(106, 56, "Vellicor", 4, (255, 255, 255))
    c.text(106, 96, "HTML-редактор", 2, (214, 226, 244))
    c.text(18, 222, "версия 1.0", 2, (104, 120, 144))

    # the frame of a window without a border of its own
    c.rect(0, 0, width, 1, FRAME)
    c.rect(0, height - 1, width, height, FRAME)
    c.rect(0, 0, 1, height, FRAME)
    c.rect(width - 1, 0, width, height, FRAME)
    return c


def png_bytes(canvas):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    raw = b"".join(b"\x00" + bytes(v for p in row for v in p) for row in canvas.pixels)
    colour_type = 6 if len(canvas.pixels[0][0]) == 4 else 2  # 8-bit RGBA or RGB
    header = struct.pack(">IIBBBBB", canvas.width, canvas.height, 8, colour_type, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")


# ---- The document-tab pictures --------------------------------------------------------------------------

# palette index: colour; index 0 is transparent
TAB_PALETTE = [
    (255, 0, 255),  # 0 transparent
    (84, 96, 120),  # 1 outline
    (255, 255, 255),  # 2 paper
    (214, 220, 232),  # 3 folded corner
    (86, 128, 196),  # 4 text lines
    (230, 96, 28),  # 5 changed mark
    (150, 50, 10),  # 6 changed mark's rim
]

SHEET = [
    "...1111111......",
    "...12222211.....",
    "...122222131....",
    "...1222221331...",
    "...12222211111..",
] + ["...12222222221.."] * 9 + [
    "...11111111111..",
    "................",
]

LINES = [(6, 5, 11), (8, 5, 11), (10, 5, 11), (12, 5, 9)]  # row, first column, last column

MARK = [
    ".666.",
    "65556",
    "65556",
    "65556",
    ".666.",
]


def draw_tab(opened, changed):
    pixels = [[0 if ch == "." else int(ch) for ch in row] for row in SHEET]
    if opened:
        for row, first, last in LINES:
            for x in range(first, last + 1):
                pixels[row][x] = 4
    if changed:
        for dy, row in enumerate(MARK):
            for dx, ch in enumerate(row):
                if ch != ".":
                    pixels[11 + dy][11 + dx] = int(ch)
    return pixels


# ---- The main window's own small pictures: the trees' image list and the tag bar's built-in button ------

# (palette, rows); "." is transparent, a digit the palette entry
TREE_GROUP = ([(0, 0, 0), (154, 106, 16), (247, 214, 122), (232, 184, 74)], [
    "................",
    "................",
    ".11111..........",
    ".13331111111111.",
    ".13333333333331.",
    ".11111111111111.",
] + [".12222222222221."] * 7 + [
    ".11111111111111.",
    "................",
    "................",
])

TREE_PHRASE = ([(0, 0, 0), (63, 110, 168), (255, 255, 255), (127, 156, 200)], [
    "................",
    "..111111111111..",
    ".12222222222221.",
    ".12333333333221.",
    ".12222222222221.",
    ".12333333332221.",
    ".12222222222221.",
    ".12333333222221.",
    ".12222222222221.",
    "..111112211111..",
    ".....1221.......",
    ".....121........",
    ".....11.........",
    "................",
    "................",
    "................",
])

TREE_SYMBOL = ([(0, 0, 0), (106, 61, 154)], [
    "................",
    ".....111111.....",
    "...1111111111...",
    "..111......111..",
    "..11........11..",
    ".111........111.",
    ".11..........11.",
    ".11..........11.",
    ".111........111.",
    "..11........11..",
    "..111......111..",
    "...111....111...",
    "....11....11....",
    ".11111....11111.",
    ".11111....11111.",
    "................",
])

# the built-in tag button: the tag wizard's wand
PANEL_WIZARD = ([(0, 0, 0), (58, 58, 72), (200, 200, 214), (240, 176, 32), (255, 244, 192)], [
    "................",
    "...3.......3....",
    "...........3....",
    ".........33433..",
    "...........3....",
    "..........23....",
    ".........222....",
    "........112.....",
    ".......111......",
    "......111.......",
    ".....111.....3..",
    "....111.........",
    "...111..........",
    "..111...........",
    "..11............",
    "................",
])

# the tag bar's other own pictures: a tag, a command (a console with its prompt) and a text
PANEL_TAG = ([(0, 0, 0), (30, 80, 170), (58, 58, 72)], [
    "................",
    "................",
    ".........2......",
    "....1....2.1....",
    "...11....2.11...",
    "..11....2...11..",
    ".11.....2....11.",
    "11......2.....11",
    "11.....2......11",
    ".11....2.....11.",
    "..11...2....11..",
    "...11.2....11...",
    "....1.2....1....",
    "......2.........",
    "................",
    "................",
])

PANEL_COMMAND = ([(0, 0, 0), (58, 58, 72), (44, 104, 200), (30, 34, 44), (120, 220, 120)], [
    "................",
    ".11111111111111.",
    ".12222222222221.",
    ".11111111111111.",
    ".13333333333331.",
    ".13433333333331.",
    ".13344333333331.",
    ".13333443333331.",
    ".13344333333331.",
    ".13433333333331.",
    ".13333333333331.",
    ".13333334444431.",
    ".13333333333331.",
    ".11111111111111.",
    "................",
    "................",
])

PANEL_TEXT = ([(0, 0, 0), (58, 58, 72), (255, 255, 255), (112, 128, 156)], [
    "................",
    "..111111111.....",
    "..1222222211....",
    "..12222222121...",
    "..122222221111..",
    "..122222222221..",
    "..123333333221..",
    "..122222222221..",
    "..123333333321..",
    "..122222222221..",
    "..123333332221..",
    "..122222222221..",
    "..123333333321..",
    "..122222222221..",
    "..111111111111..",
    "................",
])

# the program's icon: a sheet with an amber V
PROGRAM_ICON = ([(0, 0, 0), (24, 44, 80), (255, 255, 255), (232, 160, 48), (40, 74, 122)], [
    "..1111111111....",
    "..1222222221....",
    "..12222222221...",
    "..122222222221..",
    "..1222222222221.",
    "..1222222222221.",
    "..1233222223321.",
    "..1223322233221.",
    "..1222332332221.",
    "..1222233322221.",
    "..1222223222221.",
    "..1222222222221.",
    "..1244444444421.",
    "..1222222222221.",
    "..1111111111111.",
    "................",
])


def pixel_art(rows):
    return [[0 if ch == "." else int(ch) for ch in row] for row in rows]


def draw_color_item():
    """A round swatch of four colours, for the entries of the colour tree."""
    palette = [(0, 0, 0), (70, 70, 80), (220, 60, 50), (245, 200, 40), (60, 170, 80), (50, 110, 210)]
    pixels = [[0] * 16 for _ in range(16)]
    for y in range(16):
        for x in range(16):
            dx, dy = x - 7.5, y - 7.5
            d = math.hypot(dx, dy)
            if d <= 7.0:
                pixels[y][x] = 1 if d > 5.9 else (2 if dx < 0 and dy < 0 else 3 if dy < 0 else 5 if dx < 0 else 4)
    return palette, pixels


def lzw_codes(indices, min_size):
    """The GIF flavour of LZW: variable code widths up to 12 bits, a clear code when the table is full."""
    clear, end = 1 << min_size, (1 << min_size) + 1
    codes = [(clear, min_size + 1)]
    table = {(i,): i for i in range(clear)}
    width, next_code = min_size + 1, end + 1
    current = ()
    for index in indices:
        longer = current + (index,)
        if longer in table:
            current = longer
            continue
        codes.append((table[current], width))
        if next_code < 4096:
            table[longer] = next_code
            next_code += 1
            # the decoder, one code behind, widens when its table reaches the width's limit
            if next_code > (1 << width) and width < 12:
                width += 1
        else:
            codes.append((clear, width))
            table = {(i,): i for i in range(clear)}
            width, next_code = min_size + 1, end + 1
        current = (index,)
    if current:
        codes.append((table[current], width))
    codes.append((end, width))
    return codes


def pack_codes(codes):
    out, buffer, bits = bytearray(), 0, 0
    for code, width in codes:
        buffer |= code << bits
        bits += width
        while bits >= 8:
            out.append(buffer & 0xFF)
            buffer >>= 8
            bits -= 8
    if bits:
        out.append(buffer & 0xFF)
    return bytes(out)


def gif_bytes(pixels, palette, transparent):
    height, width = len(pixels), len(pixels[0])
    depth = max(1, math.ceil(math.log2(len(palette))))
    colours = palette + [(0, 0, 0)] * ((1 << depth) - len(palette))
    min_size = max(2, depth)
    data = pack_codes(lzw_codes([i for row in pixels for i in row], min_size))
    blocks = b"".join(bytes([len(data[i:i + 255])]) + data[i:i + 255] for i in range(0, len(data), 255))
    return (b"GIF89a" + struct.pack("<HHBBB", width, height, 0x80 | (depth - 1), 0, 0)
            + b"".join(bytes(c) for c in colours)
            + b"\x21\xF9\x04\x01\x00\x00" + bytes([transparent]) + b"\x00"  # transparency
            + b"\x2C" + struct.pack("<HHHHB", 0, 0, width, height, 0)
            + bytes([min_size]) + blocks + b"\x00" + b";")


def main():
    os.makedirs(SETTING, exist_ok=True)
    with open(os.path.join(SETTING, "logo.png"), "wb") as out:
        out.write(png_bytes(draw_logo()))
    for name, opened, changed in [("new.gif", False, False), ("newch.gif", False, True),
                                  ("open.gif", True, False), ("opench.gif", True, True)]:
        with open(os.path.join(SETTING, name), "wb") as out:
            out.write(gif_bytes(draw_tab(opened, changed), TAB_PALETTE, 0))
    colour_palette, colour_pixels = draw_color_item()
    small = [("tree1.gif", TREE_GROUP[0], pixel_art(TREE_GROUP[1])),
             ("tree2.gif", TREE_PHRASE[0], pixel_art(TREE_PHRASE[1])),
             ("tree3.gif", colour_palette, colour_pixels),
             ("tree4.gif", TREE_SYMBOL[0], pixel_art(TREE_SYMBOL[1])),
             ("panel1.gif", PANEL_WIZARD[0], pixel_art(PANEL_WIZARD[1])),
             ("panel2.gif", PANEL_TAG[0], pixel_art(PANEL_TAG[1])),
             ("panel3.gif", PANEL_COMMAND[0], pixel_art(PANEL_COMMAND[1])),
             ("panel4.gif", PANEL_TEXT[0], pixel_art(PANEL_TEXT[1])),
             ("vellicor.gif", PROGRAM_ICON[0], pixel_art(PROGRAM_ICON[1]))]
    for name, palette, pixels in small:
        with open(os.path.join(SETTING, name), "wb") as out:
            out.write(gif_bytes(pixels, palette, 0))


if __name__ == "__main__":
    main()
