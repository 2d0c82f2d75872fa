#!/usr/bin/env python3
"""Draws Orvell's icons (32-bit with alpha) into res/.

Run from the repository root: python3 tools/make_icon.py
- orvell.ico (16 x 16 and 32 x 32), the program and tray icon: a deep-blue rounded tile, the colour of
  the program's answers, with a white "A" and, on the large size, a small "65" beneath it: a character
  and its code.
- list.ico, the list button's picture: a sheet with two columns of lines, a table.
- hide.ico, the hide button's picture: a window dropping into the notification area.
  Both at 16 x 16 and again at 20, 24 and 32 (125, 150 and 200 %) for screens above 96 dpi, each
  96-dpi pixel drawn as the whole block of pixels it covers there, so the larger ones stay sharp.
"""

import struct
from pathlib import Path

BLUE = (192, 0, 0)        # B, G, R: the answer colour RGB(0, 0, 192)
EDGE = (120, 0, 0)
WHITE = (255, 255, 255)
GOLD = (64, 200, 255)

GLYPHS = {
    "A": ["01110", "10001", "10001", "11111", "10001", "10001", "10001"],
    "6": ["00110", "01000", "10000", "11110", "10001", "10001", "01110"],
    "5": ["11111", "10000", "11110", "00001", "00001", "10001", "01110"],
}


def tile(size):
    radius = size // 5
    pixels = [[None] * size for _ in range(size)]
    for y in range(size):
        for x in range(size):
            # Round the corners: outside the corner circles stays transparent.
            cx = min(max(x, radius), size - 1 - radius)
            cy = min(max(y, radius), size - 1 - radius)
            if (x - cx) ** 2 + (y - cy) ** 2 > radius * radius:
                continue
            edge = (x - cx) ** 2 + (y - cy) ** 2 > (radius - 1) ** 2 or x in (0, size - 1) or y in (0, size - 1)
            pixels[y][x] = EDGE if edge else BLUE
    return pixels


def stamp(pixels, glyph, left, top, scale, colour):
    for row, bits in enumerate(GLYPHS[glyph]):
        for column, bit in enumerate(bits):
            if bit == "1":
                for dy in range(scale):
                    for dx in range(scale):
                        pixels[top + row * scale + dy][left + column * scale + dx] = colour


def draw(size):
    pixels = tile(size)
    if size >= 32:
        stamp(pixels, "A", 9, 3, 3, WHITE)
        stamp(pixels, "6", 10, 24, 1, GOLD)
        stamp(pixels, "5", 17, 24, 1, GOLD)
    else:
        stamp(pixels, "A", 3, 1, 2, WHITE)
    return pixels


GREY = (96, 96, 96)
PAPER = (255, 255, 255)
LINE = (192, 96, 0)
BAR = (160, 160, 160)


SCALES = (100, 125, 150, 200)


def scaled_picture(pixels, scale):
    """A 16 x 16 picture at a scale in percent: each pixel the block it covers, rounded half up."""
    at = lambda v: (v * scale + 50) // 100  # noqa: E731
    out = [[None] * at(16) for _ in range(at(16))]
    for y, row in enumerate(pixels):
        for x, pixel in enumerate(row):
            for v in range(at(y), at(y + 1)):
                for u in range(at(x), at(x + 1)):
                    out[v][u] = pixel
    return out


def list_picture():
    pixels = [[None] * 16 for _ in range(16)]
    for y in range(1, 15):
        for x in range(2, 14):
            border = x in (2, 13) or y in (1, 14)
            pixels[y][x] = GREY if border else PAPER
    for y in (4, 6, 8, 10, 12):
        for x in list(range(4, 7)) + list(range(8, 12)):
            pixels[y][x] = LINE
    return pixels


def hide_picture():
    pixels = [[None] * 16 for _ in range(16)]
    for y in range(0, 8):
        for x in range(1, 12):
            border = x in (1, 11) or y in (0, 7)
            pixels[y][x] = GREY if border else PAPER
    for x in range(2, 11):
        pixels[1][x] = BLUE
    # The arrow, from the window down to the tray.
    for y in range(5, 12):
        pixels[y][10] = LINE
    for dx in range(1, 4):
        pixels[11 - dx][10 - dx] = LINE
        pixels[11 - dx][10 + dx] = LINE
    for y in (13, 14):
        for x in range(2, 15):
            pixels[y][x] = BAR if y == 13 else GREY
    return pixels


def bitmap(pixels):
    size = len(pixels)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = bytearray()
    for row in reversed(pixels):  # bottom-up
        for pixel in row:
            colour += bytes(pixel) + b"\xff" if pixel else b"\0\0\0\0"
    mask = bytearray()
    stride = ((size + 31) // 32) * 4
    for row in reversed(pixels):
        bits = bytearray(stride)
        for x, pixel in enumerate(row):
            if pixel is None:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + colour + mask


def write_icon(path, pictures):
    images = [bitmap(pixels) for pixels in pictures]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for pixels, image in zip(pictures, images):
        size = len(pixels)
        out += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    for image in images:
        out += image
    Path(path).write_bytes(out)
    print("wrote", path)


def main():
    write_icon("res/orvell.ico", [draw(16), draw(32)])
    write_icon("res/list.ico", [scaled_picture(list_picture(), scale) for scale in SCALES])
    write_icon("res/hide.ico", [scaled_picture(hide_picture(), scale) for scale in SCALES])


if __name__ == "__main__":
    main()
