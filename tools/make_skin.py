#!/usr/bin/env python3
"""Draws the pictures of the drawn title bar of the secondary windows into res/skin/ (8-bit BMP, exact at 96 dpi).

Run from the repository root:
    python3 tools/make_skin.py           write the five pictures
    python3 tools/make_skin.py --check   check that the files on disk are what this script writes

- title_bar.bmp, 94 x 85: the skin. Rows 0 to 29 are the blue title strip: an outlined left end, a plain
  stretch that the bar repeats (columns 20 to 39) and, in the last 67 columns, the right end with the
  idle minimise button at (46, 5) and the idle close button at (70, 5). Below it a grey body framed on
  the left, right and bottom by a 4-pixel blue border; the host's border is cut from that frame (its
  side pieces from row 53 down, its bottom from the last four rows).
- min_hover.bmp, min_pressed.bmp, close_hover.bmp, close_pressed.bmp, 19 x 19: the buttons' looks
  while the pointer is over them and while they are held down. Their corner pixels are the strip's own
  colours at the rows where the buttons stand, so the rounded corners sit on the bar seamlessly.

The bar shows the strip's first 27 rows; the layout the program relies on (strip 30 pixels high, the
repeated columns 20 to 39, the right end the last 67 columns, the border 4 pixels, side pieces from
row 53) is fixed, the colours are ours. The output is the same bytes on every run.

For screens above 96 dpi the five pictures are drawn again at 125, 150 and 200 % (title_bar_125.bmp,
min_hover_125.bmp ...): every length above scaled and rounded half up, as the program scales
the places it copies from, the gradients spread over the scaled rows, the border's colours over its
scaled width, the outlines one pixel and the glyphs in whole blocks of pixels.
"""

import sys
from pathlib import Path

from bitmap_art import bmp8, mix, write_or_check

OUT = Path("res") / "skin"

WIDTH, HEIGHT = 94, 85
STRIP = 30          # rows of the title strip
SHOWN = 27          # rows of it the bar shows
BORDER = 4
BUTTON = 19
BUTTON_TOP = 5
MIN_LEFT, CLOSE_LEFT = 46, 70

WHITE = (255, 255, 255)
OUTLINE = (0, 25, 120)
BODY = (212, 208, 200)
# The host's border from the outside in.
FRAME = [OUTLINE, (0, 72, 214), (0, 72, 214), (0, 45, 160)]

# The strip's vertical gradient: (position 0..1 over the shown rows, colour).
STRIP_STOPS = [(0.0, (120, 180, 255)), (0.12, (40, 128, 246)), (0.5, (0, 84, 227)),
               (0.85, (0, 70, 210)), (1.0, (0, 50, 170))]

# Button faces: top and bottom colour of the fill, by look.
FACES = {
    ("min", "idle"): ((70, 140, 255), (20, 90, 230)),
    ("min", "hover"): ((130, 185, 255), (60, 135, 255)),
    ("min", "pressed"): ((10, 60, 180), (40, 105, 225)),
    ("close", "idle"): ((232, 120, 90), (200, 60, 30)),
    ("close", "hover"): ((250, 160, 130), (228, 95, 60)),
    ("close", "pressed"): ((165, 40, 20), (200, 80, 50)),
}



SCALES = (100, 125, 150, 200)


def scaled(length, scale):
    """A length of the 96-dpi art at a scale in percent, rounded half up (as the program does)."""
    return (length * scale + 50) // 100


def strip_colour(row, shown=SHOWN):
    if row == 0:
        return OUTLINE
    if row >= shown:
        return STRIP_STOPS[-1][1]
    t = row / (shown - 1)
    for (t0, c0), (t1, c1) in zip(STRIP_STOPS, STRIP_STOPS[1:]):
        if t <= t1:
            return mix(c0, c1, (t - t0) / (t1 - t0))
    return STRIP_STOPS[-1][1]


def button(kind, look, scale=100):
    """A 19 x 19 XP-style button (scaled): rounded white rim, gradient face, white glyph."""
    top, bottom = FACES[(kind, look)]
    size, button_top, shown = scaled(BUTTON, scale), scaled(BUTTON_TOP, scale), scaled(SHOWN, scale)
    pixels = [[None] * size for _ in range(size)]
    last = size - 1
    for y in range(size):
        for x in range(size):
            corner = (x in (0, last)) and (y in (0, last))
            rim = x in (0, last) or y in (0, last)
            if corner:
                pixels[y][x] = strip_colour(button_top + y, shown)
            elif rim:
                pixels[y][x] = mix(WHITE, strip_colour(button_top + y, shown), 0.15)
            else:
                pixels[y][x] = mix(top, bottom, (y - 1) / (size - 3))

    def dot(x, y):
        # The glyph's 96-dpi pixel as the block of pixels it covers at the scale.
        for v in range(scaled(y, scale), scaled(y + 1, scale)):
            for u in range(scaled(x, scale), scaled(x + 1, scale)):
                pixels[v][u] = WHITE

    if kind == "min":
        for y in range(12, 15):
            for x in range(5, 12):
                dot(x, y)
    else:
        for i in range(5, 14):
            for d in (0, 1):
                if 5 <= i + d <= 13:
                    dot(i + d, i)
                    dot(BUTTON - 1 - i - d, i)
    return pixels


def skin(scale=100):
    width, height, strip, shown, border = (scaled(v, scale) for v in (WIDTH, HEIGHT, STRIP, SHOWN, BORDER))
    pixels = [[BODY] * width for _ in range(height)]
    for y in range(strip):
        colour = strip_colour(y, shown)
        for x in range(width):
            pixels[y][x] = colour
        # The outline down the left and right ends.
        pixels[y][0] = OUTLINE
        pixels[y][width - 1] = OUTLINE
        if 0 < y < shown:
            pixels[y][1] = mix(colour, WHITE, 0.25)
    size = scaled(BUTTON, scale)
    for kind, left in (("min", scaled(MIN_LEFT, scale)), ("close", scaled(CLOSE_LEFT, scale))):
        for y, row in enumerate(button(kind, "idle", scale)):
            pixels[scaled(BUTTON_TOP, scale) + y][left:left + size] = row
    # The body's frame: each pixel takes the colour of its distance from the nearest outer edge, the
    # outline one pixel and the rest spread over the scaled width.
    for y in range(strip, height):
        for x in range(width):
            depth = min(x, width - 1 - x, height - 1 - y)
            if depth < border:
                pixels[y][x] = FRAME[0 if depth == 0 else 1 + (depth - 1) * (len(FRAME) - 1) // (border - 1)]
    return pixels



def pictures():
    made = {}
    for scale in SCALES:
        suffix = "" if scale == 100 else f"_{scale}"
        made[f"title_bar{suffix}.bmp"] = bmp8(skin(scale))
        for kind in ("min", "close"):
            for look in ("hover", "pressed"):
                made[f"{kind}_{look}{suffix}.bmp"] = bmp8(button(kind, look, scale))
    return made


def main():
    return write_or_check(pictures(), OUT, "make_skin.py")


if __name__ == "__main__":
    sys.exit(main())
