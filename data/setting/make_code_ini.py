#!/usr/bin/env python3
"""Writes code.ini, the table of code pages that the editor recodes between.

Each code page gets a line in [codes] (short name, then the name the menus show). [symbols] holds one
row per character that any of the pages has outside ASCII: the character's code point as four hex
digits, then the character's byte in each page, or 00 where a page has none. ASCII is the same in every
page, so it needs no rows: a byte that a page's column does not hold is copied unchanged.

The byte values come from Python's own codecs. The file is Windows-1251 text with CR LF line ends.
Run from anywhere: python3 make_code_ini.py
"""

import codecs
import os

# short name, display name, Python codec
PAGES = [
    ("WIN", "Кириллица (Windows-1251)", "cp1251"),
    ("KOI", "Кириллица (KOI8-R)", "koi8_r"),
    ("DOS", "Кириллица (DOS, CP866)", "cp866"),
    ("ISO", "Кириллица (ISO-8859-5)", "iso8859_5"),
    ("MAC", "Кириллица (Macintosh)", "mac_cyrillic"),
]


def byte_of_each_character(codec):
    """The page's bytes from 0x80 up, keyed by the character they decode to."""
    decoder = codecs.getdecoder(codec)
    table = {}
    for byte in range(0x80, 0x100):
        try:
            character = decoder(bytes([byte]))[0]
        except UnicodeDecodeError:
            continue
        if character in table:
            raise SystemExit(f"{codec}: bytes {table[character]:02X} and {byte:02X} share a character")
        table[character] = byte
    return table


def code_ini_text():
    columns = [byte_of_each_character(codec) for _, _, codec in PAGES]
    characters = sorted(set().union(*columns), key=ord)
    lines = ["[codes]"]
    lines += [f"{short}|{name}" for short, name, _ in PAGES]
    lines.append("[symbols]")
    for character in characters:
        if ord(character) > 0xFFFF:
            raise SystemExit(f"U+{ord(character):X} does not fit four hex digits")
        pairs = [f"{column.get(character, 0):02X}" for column in columns]
        lines.append("|".join([f"{ord(character):04X}"] + pairs))
    return "\r\n".join(lines) + "\r\n"


def main():
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "code.ini")
    with open(path, "wb") as out:
        out.write(code_ini_text().encode("cp1251"))


if __name__ == "__main__":
    main()
