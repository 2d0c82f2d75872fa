#!/usr/bin/env python3
"""Draws the XP check box's fourteen image strips into res/check_box/.

Run from the repository root: python3 tools/make_check_box.py

Each strip is an 8-bit BMP of 156 x 13 pixels: twelve 13 x 13 cells in one row, cell 4 x value + look
for the values unchecked, checked and grey (0, 1, 2) and the looks normal, hovered, pressed and
disabled (0 to 3). Magenta (255, 0, 255) marks the pixels outside the box, where the control's own
background shows through.

Strips 0 to 6 are the rounded XP box in seven colour themes: a box with one-pixel cut corners, a face
shaded from the top-left corner, a hot rim inside the frame while hovered and a darker face while
pressed. Strips 7 to 13 are the same themes as a flat square box. The checked value shows a check
mark, the grey value a square; a disabled box is drawn in the same pale grey in every theme.

For screens above 96 dpi every strip is drawn again with cells of 16, 20 and 26 pixels (125, 150 and
200 %: lookNN_125.bmp ...): the frame stays one pixel, the face's shading and the hot rings spread over
the larger cell, and each pixel of the mark becomes the whole block of pixels it covers, so the mark
stays sharp.
"""

from pathlib import Path

from bitmap_art import bmp8

CELL = 13
CELLS = 12
STRIPS = 14
TRANSPARENT = (255, 0, 255)

# Colours are (red, green, blue).
THEMES = [
    # name, frame, mark, hot rim (light, dark)
    ("blue", (28, 81, 128), (33, 161, 33), ((255, 240, 207), (248, 179, 48))),
    ("olive", (85, 110, 45), (60, 130, 20), ((255, 240, 207), (248, 179, 48))),
    ("silver", (100, 100, 120), (64, 64, 96), ((236, 236, 245), (150, 150, 190))),
    ("royale", (0, 50, 160), (0, 90, 220), ((205, 228, 255), (80, 150, 255))),
    ("graphite", (60, 60, 60), (30, 30, 30), ((235, 235, 235), (140, 140, 140))),
    ("rose", (150, 40, 70), (200, 30, 80), ((255, 225, 235), (240, 120, 160))),
    ("teal", (0, 110, 110), (0, 150, 130), ((210, 250, 245), (40, 190, 180))),
]

FACE = ((220, 220, 215), (255, 255, 255))  # normal face, top-left to bottom-right
PRESSED_FACE = ((176, 176, 167), (236, 236, 230))
FLAT_FACE = (255, 255, 255)
FLAT_PRESSED_FACE = (214, 214, 206)
DISABLED_FRAME = (202, 200, 187)
DISABLED_FACE = (245, 244, 234)
DISABLED_MARK = (202, 200, 187)

# The check mark, 7 x 7, placed with its top-left corner at (3, 3).
CHECK = [
    "......#",
    ".....##",
    "#...###",
    "##.###.",
    "#####..",
    ".###...",
    "..#....",
]
MARK_LEFT = 3
MARK_SIZE = 7

NORMAL, HOVERED, PRESSED, DISABLED = range(4)


def mix(a, b, t):
    return tuple(round(x + (y - x) * t) for x, y in zip(a, b))


SCALES = (100, 125, 150, 200)


def scaled(length, scale):
    """A length of the 96-dpi art at a scale in percent, rounded half up (as the program does)."""
    return (length * scale + 50) // 100


def diagonal(x, y, size=CELL):
    """0 at the face's top-left pixel (1, 1), 1 at its bottom-right pixel (size - 2, size - 2)."""
    return (x - 1 + y - 1) / (2 * (size - 3))


def cell(theme, rounded, value, look, scale=100):
    _, frame, mark, rim = theme
    size = scaled(CELL, scale)
    pixels = [[TRANSPARENT] * size for _ in range(size)]
    last = size - 1
    for y in range(size):
        for x in range(size):
            edge = x in (0, last) or y in (0, last)
            corner = x in (0, last) and y in (0, last)
            if corner and rounded:
                continue
            if edge:
                pixels[y][x] = DISABLED_FRAME if look == DISABLED else frame
            elif look == DISABLED:
                pixels[y][x] = DISABLED_FACE
            elif look == PRESSED:
                pixels[y][x] = mix(*PRESSED_FACE, diagonal(x, y, size)) if rounded else FLAT_PRESSED_FACE
            else:
                pixels[y][x] = mix(*FACE, diagonal(x, y, size)) if rounded else FLAT_FACE
    if look == HOVERED:
        # Two rings inside the frame, light at the top-left turning warm at the bottom-right.
        for y in range(1, last):
            for x in range(1, last):
                if min(x, y, last - x, last - y) <= scaled(2, scale):
                    pixels[y][x] = mix(*rim, diagonal(x, y, size))
    colour = DISABLED_MARK if look == DISABLED else mark
    for row in range(MARK_SIZE):
        for column in range(MARK_SIZE):
            if value == 1 and CHECK[row][column] == "#":
                paint = colour
            elif value == 2:
                # The grey value: a square, lighter towards its top-left corner unless disabled.
                light = mix(colour, (255, 255, 255), 0.35 * (1 - (row + column) / (2 * MARK_SIZE - 2)))
                paint = colour if look == DISABLED else light
            else:
                continue
            for y in range(scaled(MARK_LEFT + row, scale), scaled(MARK_LEFT + row + 1, scale)):
                for x in range(scaled(MARK_LEFT + column, scale), scaled(MARK_LEFT + column + 1, scale)):
                    pixels[y][x] = paint
    return pixels


def strip(theme, rounded, scale=100):
    cells = [cell(theme, rounded, value, look, scale) for value in range(3) for look in range(4)]
    return [sum((c[y] for c in cells), []) for y in range(scaled(CELL, scale))]


def check(number, pixels, size=CELL):
    """What the program relies on: the size, and every cell's corners and frame where they should be."""
    assert len(pixels) == size and all(len(row) == size * CELLS for row in pixels), number
    for index in range(CELLS):
        left = index * size
        corner = pixels[0][left]
        assert (corner == TRANSPARENT) == (number < len(THEMES)), (number, index)
        assert pixels[size // 2][left] != TRANSPARENT, (number, index)
        assert pixels[size // 2][left + size // 2] != TRANSPARENT, (number, index)


def main():
    folder = Path("res/check_box")
    folder.mkdir(parents=True, exist_ok=True)
    looks = [(theme, True) for theme in THEMES] + [(theme, False) for theme in THEMES]
    assert len(looks) == STRIPS
    for number, (theme, rounded) in enumerate(looks):
        pixels = strip(theme, rounded)
        check(number, pixels)
        path = folder / f"look{number:02d}.bmp"
        path.write_bytes(bmp8(pixels))
        print("wrote", path)
        for scale in SCALES[1:]:
            pixels = strip(theme, rounded, scale)
            check(number, pixels, scaled(CELL, scale))
            path = folder / f"look{number:02d}_{scale}.bmp"
            path.write_bytes(bmp8(pixels))
            print("wrote", path)


if __name__ == "__main__":
    main()
