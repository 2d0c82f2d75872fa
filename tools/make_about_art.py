#!/usr/bin/env python3
"""Draws the two pictures of the About window into res/about/ (24-bit BMP).

Run from the repository root:
    python3 tools/make_about_art.py           write the two pictures
    python3 tools/make_about_art.py --check   check that the files on disk are what this script writes

- key.bmp, 32 x 32: the program's key, a key cap with a blue "A" on it.
- keys.bmp, 160 x 24: a row of five small key caps spelling "ASCII", beside the program's name.

Both stand on the window's grey (224, 220, 224), so their corners melt into it. The sizes are those of
the pictures' boxes in the window at 96 dpi. The output is the same bytes on every run.
"""

import sys
from pathlib import Path

from bitmap_art import bmp, mix, write_or_check

OUT = Path("res") / "about"

GREY = (224, 220, 224)       # the window's background
OUTLINE = (90, 90, 104)
SIDE = (160, 160, 172)
FACE_TOP = (255, 255, 255)
FACE_BOTTOM = (222, 222, 232)
GLYPH = (0, 0, 192)

# A 5 x 7 pixel font for the letters drawn.
FONT = {
    "A": ["01110", "10001", "10001", "11111", "10001", "10001", "10001"],
    "S": ["01111", "10000", "10000", "01110", "00001", "00001", "11110"],
    "C": ["01110", "10001", "10000", "10000", "10000", "10001", "01110"],
    "I": ["11111", "00100", "00100", "00100", "00100", "00100", "11111"],
}



def key_cap(pixels, left, top, width, height, letter, scale):
    """A key cap: dark outline with cut corners, grey sides, a lighter face and the letter on it."""
    right, bottom = left + width - 1, top + height - 1
    for y in range(top, bottom + 1):
        for x in range(left, right + 1):
            corner = (x in (left, right)) and (y in (top, bottom))
            if corner:
                continue
            if x in (left, right) or y in (top, bottom):
                pixels[y][x] = OUTLINE
            else:
                pixels[y][x] = SIDE
    # The face: inset two pixels at the sides and the top, four at the bottom, where the cap's front
    # shows.
    face_left, face_right = left + 2, right - 2
    face_top, face_bottom = top + 2, bottom - 4
    for y in range(face_top, face_bottom + 1):
        colour = mix(FACE_TOP, FACE_BOTTOM, (y - face_top) / max(1, face_bottom - face_top))
        for x in range(face_left, face_right + 1):
            pixels[y][x] = colour
    rows = FONT[letter]
    glyph_width, glyph_height = 5 * scale, 7 * scale
    gx = face_left + (face_right - face_left + 1 - glyph_width) // 2
    gy = face_top + (face_bottom - face_top + 1 - glyph_height) // 2
    for row, bits in enumerate(rows):
        for column, bit in enumerate(bits):
            if bit == "1":
                for dy in range(scale):
                    for dx in range(scale):
                        pixels[gy + row * scale + dy][gx + column * scale + dx] = GLYPH


def canvas(width, height):
    return [[GREY] * width for _ in range(height)]


def program_key():
    pixels = canvas(32, 32)
    key_cap(pixels, 1, 1, 30, 30, "A", 3)
    return pixels


def ascii_keys():
    pixels = canvas(160, 24)
    for i, letter in enumerate("ASCII"):
        key_cap(pixels, 2 + i * 32, 0, 28, 24, letter, 2)
    return pixels



def pictures():
    return {"key.bmp": bmp(program_key()), "keys.bmp": bmp(ascii_keys())}


def main():
    return write_or_check(pictures(), OUT, "make_about_art.py")


if __name__ == "__main__":
    sys.exit(main())
