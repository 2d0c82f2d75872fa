#!/usr/bin/env python3
"""Draws the two pictures of the About window into res/about/ (8-bit BMP, exact at 96 dpi).

Run from the repository root:
    python3 tools/make_about_art.py           write the two pictures
    python3 tools/make_about_art.py --check   check that the files on disk are what this script writes

- key.bmp, 32 x 32: the program's key, a key cap with a blue "A" on it.
- keys.bmp, 160 x 24: a row of five small key caps spelling "ASCII", beside the program's name.

Both stand on the window's grey (224, 220, 224), so their corners melt into it. The sizes are those of
the pictures' boxes in the window at 96 dpi. The output is the same bytes on every run.

For screens above 96 dpi both are drawn again at 125, 150 and 200 % (key_125.bmp ...), the
sizes of their boxes there: the caps and their insets scaled, the outline one pixel, the letters in
the largest whole blocks of pixels that fit.
"""

import sys
from pathlib import Path

from bitmap_art import bmp8, mix, write_or_check

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



SCALES = (100, 125, 150, 200)


def scaled(length, scale):
    """A length of the 96-dpi art at a scale in percent, rounded half up (as the program does)."""
    return (length * scale + 50) // 100


def key_cap(pixels, left, top, width, height, letter, scale, inset=(2, 4)):
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
    face_left, face_right = left + inset[0], right - inset[0]
    face_top, face_bottom = top + inset[0], bottom - inset[1]
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


def program_key(scale=100):
    s = lambda length: scaled(length, scale)  # noqa: E731
    pixels = canvas(s(32), s(32))
    key_cap(pixels, s(1), s(1), s(30), s(30), "A", 3 * scale // 100, (s(2), s(4)))
    return pixels


def ascii_keys(scale=100):
    s = lambda length: scaled(length, scale)  # noqa: E731
    pixels = canvas(s(160), s(24))
    for i, letter in enumerate("ASCII"):
        key_cap(pixels, s(2 + i * 32), 0, s(28), s(24), letter, 2 * scale // 100, (s(2), s(4)))
    return pixels


def pictures():
    made = {"key.bmp": bmp8(program_key()), "keys.bmp": bmp8(ascii_keys())}
    for scale in SCALES[1:]:
        made[f"key_{scale}.bmp"] = bmp8(program_key(scale))
        made[f"keys_{scale}.bmp"] = bmp8(ascii_keys(scale))
    return made


def main():
    return write_or_check(pictures(), OUT, "make_about_art.py")


if __name__ == "__main__":
    sys.exit(main())
