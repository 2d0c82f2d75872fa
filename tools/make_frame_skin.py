#!/usr/bin/env python3
"""Draws the main window's frame pictures into res/skin/ (8-bit BMP: each has fewer than 256 colours, which it keeps exactly).

Run from the repository root:
    python3 tools/make_frame_skin.py           write the two pictures
    python3 tools/make_frame_skin.py --check   check that the files on disk are what this script writes

- caption.bmp, 640 x 48: the caption. Columns 0 to 239 are the active art: a blue title band (rows 0
  to 25) over a grey menu band (rows 26 to 47) framed left and right by the blue border, with the
  program's logo inside (12, 11)-(42, 43). The painter copies columns 0 to 89 to the left end, repeats
  columns 91 to 142 along the middle and copies columns 140 to 239 to the right end, so everything
  from column 90 to 229 is the same in every column. Beside it the caption buttons, 19 x 20 each,
  close, restore, maximise and minimise at 240 + k * 19, the normal looks in rows 0 to 19 and the
  pressed looks in rows 20 to 39. The close button is copied from column 241, so its right rim is the
  restore image's left rim column: every button's rim is the same colour. Columns 400 to 639 repeat
  the art in grey for an inactive window; the border and the menu band stay as they are, since the
  border picture serves both states.
- border.bmp, 70 x 10: seven 10 x 10 tiles: left edge, unused, bottom-left corner, bottom edge, right
  edge, unused, bottom-right corner. Each pixel takes the border colour of its distance from the
  outer edge, the same ramp the caption's sides use.

The layout is fixed by the painter (caption 48 high, its halves, the ends at 90 and 140 to 240, the
buttons, the inactive offset 400, the 10-pixel border); the colours are ours, from the title bar's
palette (tools/make_skin.py) and the program icon (tools/make_icon.py). The output is the same bytes
on every run.

For screens above 96 dpi the same pictures are drawn again at 125, 150 and 200 % (caption_125.bmp,
border_125.bmp ...): every length above scaled and rounded
half up, as the painter scales its own places, the gradients spread over the scaled rows, the border
ramp over the scaled width. Outlines and etched lines stay one pixel; the logo's letters and the
buttons' glyphs are drawn in whole blocks of pixels, so they stay sharp.
"""

import sys
from pathlib import Path

from bitmap_art import bmp8, mix, write_or_check
from make_icon import GLYPHS
from make_skin import OUTLINE, STRIP_STOPS, WHITE

OUT = Path("res") / "skin"

WIDTH, HEIGHT = 640, 48
ART = 240             # width of one state's art
INACTIVE = 400        # where the inactive art starts
LEFT_END = 90
TITLE_ROWS = 26       # rows 0 to 25 carry the title, the rest the menu bar
BORDER = 10
BUTTON_W, BUTTON_H = 19, 20
BUTTONS_AT = 240
LOGO = (12, 11, 42, 43)  # left, top, right, bottom (exclusive)

MENU = (207, 203, 207)           # the main window's own grey
MENU_SHADOW = (160, 156, 160)
# The border from the outer edge inwards.
RAMP = [OUTLINE, (90, 150, 250), (40, 118, 244), (0, 88, 230), (0, 84, 227), (0, 80, 222),
        (0, 72, 214), (0, 60, 190), (0, 45, 160), (0, 25, 120)]
INACTIVE_STOPS = [(0.0, (220, 220, 226)), (0.12, (176, 178, 190)), (0.5, (150, 152, 164)),
                  (0.85, (138, 140, 152)), (1.0, (112, 114, 126))]

# Button faces: top and bottom colour of the fill, by kind and look.
FACES = {
    ("close", "normal"): ((232, 120, 90), (200, 60, 30)),
    ("close", "pressed"): ((165, 40, 20), (200, 80, 50)),
    ("other", "normal"): ((70, 140, 255), (20, 90, 230)),
    ("other", "pressed"): ((10, 60, 180), (40, 105, 225)),
}
RIM = (235, 240, 250)

# The logo: the program icon's deep-blue tile with its white "A" and gold "65".
LOGO_FACE = (0, 0, 192)
LOGO_EDGE = (0, 0, 120)
LOGO_GOLD = (255, 200, 64)


SCALES = (100, 125, 150, 200)


def scaled(length, scale):
    """A length of the 96-dpi art at a scale in percent, rounded half up (as the painter does)."""
    return (length * scale + 50) // 100


def ramp(depth, width):
    """The border colour at a depth into a border of a width: the outline one pixel, the ramp spread
    over the rest."""
    if depth == 0:
        return RAMP[0]
    return RAMP[1 + (depth - 1) * (len(RAMP) - 1) // (width - 1)]


def band_colour(stops, row, title_rows=TITLE_ROWS):
    """The title band's vertical gradient; row 0 is the frame's outline."""
    if row == 0:
        return OUTLINE
    t = (row - 1) / (title_rows - 2)
    for (t0, c0), (t1, c1) in zip(stops, stops[1:]):
        if t <= t1:
            return mix(c0, c1, (t - t0) / (t1 - t0))
    return stops[-1][1]


def grey(colour):
    level = round(0.3 * colour[0] + 0.59 * colour[1] + 0.11 * colour[2])
    return (level, level, min(255, level + 8))


def logo(pixels, left, recolour, scale):
    x0, y0, x1, y1 = (scaled(v, scale) for v in LOGO)
    radius = scaled(6, scale)
    for y in range(y0, y1):
        for x in range(x0, x1):
            # Round the corners: outside the corner circles the art shows through.
            cx = min(max(x, x0 + radius), x1 - 1 - radius)
            cy = min(max(y, y0 + radius), y1 - 1 - radius)
            distance = (x - cx) ** 2 + (y - cy) ** 2
            if distance > radius * radius:
                continue
            edge = distance > (radius - 1) ** 2 or x in (x0, x1 - 1) or y in (y0, y1 - 1)
            pixels[y][left + x] = recolour(LOGO_EDGE if edge else LOGO_FACE)

    def stamp(glyph, gx, gy, cell, colour):
        # Whole cells of pixels, as large as fit the scaled place, centred in it.
        size = max(1, cell * scale // 100)
        gx = scaled(gx, scale) + (scaled(5 * cell, scale) - 5 * size) // 2
        gy = scaled(gy, scale) + (scaled(7 * cell, scale) - 7 * size) // 2
        for row, bits in enumerate(GLYPHS[glyph]):
            for column, bit in enumerate(bits):
                if bit == "1":
                    for dy in range(size):
                        for dx in range(size):
                            pixels[gy + row * size + dy][left + gx + column * size + dx] = recolour(colour)

    stamp("A", 19, 13, 3, WHITE)
    stamp("6", 21, 35, 1, LOGO_GOLD)
    stamp("5", 28, 35, 1, LOGO_GOLD)


def state_art(pixels, left, stops, recolour, scale):
    """One state's caption art in columns left .. left + 239 (scaled)."""
    height, art, title_rows, border = (scaled(v, scale) for v in (HEIGHT, ART, TITLE_ROWS, BORDER))
    for y in range(height):
        for x in range(art):
            if y < title_rows:
                colour = band_colour(stops, y, title_rows)
                if x in (0, art - 1):
                    colour = OUTLINE
                elif x in (1, art - 2) and y > 0:
                    colour = mix(colour, WHITE, 0.25)
            else:
                depth = min(x, art - 1 - x)
                if depth < border:
                    colour = ramp(depth, border)
                elif y == title_rows:
                    colour = RAMP[-2]  # the title band's lower edge
                elif y == height - 2:
                    colour = MENU_SHADOW  # an etched line between the menu bar and the client area
                elif y == height - 1:
                    colour = WHITE
                else:
                    colour = MENU
            pixels[y][left + x] = colour
    logo(pixels, left, recolour, scale)


def button(kind, look, scale=100):
    """A 19 x 20 caption button (scaled): a one-pixel rim; its glyph 1 pixel (scaled) down and to the
    right when pressed."""
    top, bottom = FACES[("close" if kind == "close" else "other", look)]
    width, height = scaled(BUTTON_W, scale), scaled(BUTTON_H, scale)
    pixels = [[None] * width for _ in range(height)]
    for y in range(height):
        for x in range(width):
            rim = x in (0, width - 1) or y in (0, height - 1)
            pixels[y][x] = RIM if rim else mix(top, bottom, (y - 1) / (height - 3))
    shift = 1 if look == "pressed" else 0

    def dot(x, y):
        # The glyph's 96-dpi pixel as the block of pixels it covers at the scale.
        for v in range(scaled(y + shift, scale), scaled(y + shift + 1, scale)):
            for u in range(scaled(x + shift, scale), scaled(x + shift + 1, scale)):
                pixels[v][u] = WHITE

    if kind == "close":
        for i in range(5, 14):
            dot(i, i + 1)
            dot(i + 1, i + 1)
            dot(18 - i, i + 1)
            dot(17 - i, i + 1)
    elif kind == "minimise":
        for y in (13, 14):
            for x in range(5, 12):
                dot(x, y)
    elif kind == "maximise":
        for x in range(5, 14):
            for y in (5, 6, 14):
                dot(x, y)
        for y in range(5, 15):
            dot(5, y)
            dot(13, y)
    else:  # restore: two overlapping windows
        for x in range(7, 14):
            dot(x, 4)
            dot(x, 5)
        for y in range(4, 11):
            dot(13, y)
        for x in range(4, 11):
            for y in (8, 9, 14):
                dot(x, y)
        for y in range(8, 15):
            dot(4, y)
            dot(10, y)
    return pixels


def caption(scale=100):
    s = lambda length: scaled(length, scale)  # noqa: E731
    pixels = [[MENU] * s(WIDTH) for _ in range(s(HEIGHT))]
    state_art(pixels, 0, STRIP_STOPS, lambda c: c, scale)
    state_art(pixels, s(INACTIVE), INACTIVE_STOPS, lambda c: grey(mix(c, WHITE, 0.35)), scale)
    # The close image sits one column to the right of its cell, where the painter copies it from; its
    # right rim and the restore image's left rim share a column and are the same colour.
    for k, kind in enumerate(("close", "restore", "maximise", "minimise")):
        left = s(BUTTONS_AT) + k * s(BUTTON_W) + (1 if kind == "close" else 0)
        for row, look in enumerate(("normal", "pressed")):
            for y, line in enumerate(button(kind, look, scale)):
                pixels[row * s(BUTTON_H) + y][left:left + s(BUTTON_W)] = line
    return pixels


def border(scale=100):
    b = scaled(BORDER, scale)
    tiles = {
        0: lambda x, y: x,
        2: lambda x, y: min(x, b - 1 - y),
        3: lambda x, y: b - 1 - y,
        4: lambda x, y: b - 1 - x,
        6: lambda x, y: min(b - 1 - x, b - 1 - y),
    }
    pixels = [[MENU] * (7 * b) for _ in range(b)]
    for tile, depth in tiles.items():
        for y in range(b):
            for x in range(b):
                pixels[y][tile * b + x] = ramp(depth(x, y), b)
    return pixels


def pictures():
    made = {"caption.bmp": bmp8(caption()), "border.bmp": bmp8(border())}
    for scale in SCALES[1:]:
        made[f"caption_{scale}.bmp"] = bmp8(caption(scale))
        made[f"border_{scale}.bmp"] = bmp8(border(scale))
    return made


def main():
    return write_or_check(pictures(), OUT, "make_frame_skin.py")


if __name__ == "__main__":
    sys.exit(main())
