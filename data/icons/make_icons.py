#!/usr/bin/env python3
"""Draws the 32 by 32 icons of the new-document kinds and templates (PNG, standard library only).

Each icon is a white sheet with a folded corner and a coloured band that names the kind in small
capitals. A template's sheet also carries ruled lines, so that it differs from the empty kind.
Run from anywhere: python3 make_icons.py
"""

import os
import struct
import zlib

SIZE = 32

# capitals five rows high, three dots wide (M five), one string of bits per row
GLYPHS = {
    "C": ["111", "100", "100", "100", "111"],
    "H": ["101", "101", "111", "101", "101"],
    "J": ["001", "001", "001", "101", "111"],
    "L": ["100", "100", "100", "100", "111"],
    "M": ["10001", "11011", "10101", "10001", "10001"],
    "P": ["111", "101", "111", "100", "100"],
    "S": ["111", "100", "111", "001", "111"],
    "T": ["111", "010", "010", "010", "010"],
    "X": ["101", "101", "010", "101", "101"],
}

# file name, label, band colour, template or not
ICONS = [
    ("html.png", "HTM", (214, 76, 36), False),
    ("css.png", "CSS", (38, 104, 196), False),
    ("js.png", "JS", (222, 170, 20), False),
    ("xml.png", "XML", (46, 150, 70), False),
    ("php.png", "PHP", (112, 94, 170), False),
    ("perl.png", "PL", (30, 140, 150), False),
    ("text.png", "TXT", (110, 110, 110), False),
    ("page_html.png", "HTM", (214, 76, 36), True),
    ("page_css.png", "CSS", (38, 104, 196), True),
    ("page_xml.png", "XML", (46, 150, 70), True),
    ("page_js.png", "JS", (222, 170, 20), True),
    ("page_php.png", "PHP", (112, 94, 170), True),
]

TRANSPARENT = (0, 0, 0, 0)
OUTLINE = (90, 90, 90, 255)
PAPER = (255, 255, 255, 255)
FOLD = (210, 210, 210, 255)
RULE = (170, 190, 220, 255)
LETTER = (255, 255, 255, 255)


def draw(label, band, template):
    pixels = [[TRANSPARENT] * SIZE for _ in range(SIZE)]
    left, right, top, bottom, fold = 4, 27, 1, 30, 7

    def put(x, y, colour):
        pixels[y][x] = colour

    # the sheet, its corner cut off along a diagonal
    for y in range(top, bottom + 1):
        for x in range(left, right + 1):
            if x - left > (right - left) - fold + (y - top):
                continue
            edge = x in (left, right) or y in (top, bottom) or x - left == (right - left) - fold + (y - top)
            put(x, y, OUTLINE if edge else PAPER)
    # the folded flap
    for y in range(top, top + fold + 1):
        for x in range(right - fold, right + 1):
            if x - (right - fold) <= y - top:
                edge = x == right - fold or y == top + fold or x - (right - fold) == y - top
                put(x, y, OUTLINE if edge else FOLD)
    if template:
        for y in range(top + 4, 17, 3):
            for x in range(left + 3, right - (fold if y < top + fold + 2 else 2)):
                put(x, y, RULE)
    # the band with the label, letters 2 pixels per dot
    band_top, band_bottom = 18, 29
    for y in range(band_top, band_bottom + 1):
        for x in range(1, SIZE - 1):
            put(x, y, band + (255,))
    width = sum(len(GLYPHS[char][0]) * 2 for char in label) + (len(label) - 1) * 2
    x = (SIZE - width) // 2
    y0 = band_top + 1
    for char in label:
        for row, bits in enumerate(GLYPHS[char]):
            for col, bit in enumerate(bits):
                if bit == "1":
                    for dy in range(2):
                        for dx in range(2):
                            put(x + col * 2 + dx, y0 + row * 2 + dy, LETTER)
        x += len(GLYPHS[char][0]) * 2 + 2
    return pixels


def png_bytes(pixels):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    raw = b"".join(b"\x00" + b"".join(bytes(p) for p in row) for row in pixels)
    header = struct.pack(">IIBBBBB", SIZE, SIZE, 8, 6, 0, 0, 0)  # 8-bit RGBA
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")


def main():
    folder = os.path.dirname(os.path.abspath(__file__))
    for name, label, band, template in ICONS:
        with open(os.path.join(folder, name), "wb") as out:
            out.write(png_bytes(draw(label, band, template)))


if __name__ == "__main__":
    main()
