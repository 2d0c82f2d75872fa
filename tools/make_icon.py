#!/usr/bin/env python3
"""Draws Orvell's icon (16 x 16 and 32 x 32, 32-bit with alpha) into res/orvell.ico.

Run from the repository root: python3 tools/make_icon.py
The art: a deep-blue rounded tile, the colour of the program's answers, with a white "A" and, on the
large size, a small "65" beneath it: a character and its code.
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


def main():
    images = [bitmap(draw(size)) for size in (16, 32)]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, image in zip((16, 32), images):
        out += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    for image in images:
        out += image
    Path("res/orvell.ico").write_bytes(out)
    print("wrote res/orvell.ico")


if __name__ == "__main__":
    main()
