"""What the picture scripts share: colour mixing, 8-bit BMP bytes, and writing or checking the files.

Imported by make_skin.py, make_frame_skin.py, make_about_art.py and make_check_box.py.
"""

import struct
import sys


def mix(a, b, t):
    return tuple(round(x + (y - x) * t) for x, y in zip(a, b))


def bmp8(pixels):
    """A bottom-up 8-bit BMP with a palette of the picture's own colours, a third of the 24-bit size:
    exact for a picture of up to 256 colours (every 96-dpi one). A larger picture of more keeps its 256
    commonest; each rarer one (a step of a gradient) takes the nearest of those."""
    height, width = len(pixels), len(pixels[0])
    counts = {}
    for row in pixels:
        for colour in row:
            counts[colour] = counts.get(colour, 0) + 1
    order = list(counts)  # first appearance breaks ties, so every run writes the same bytes
    kept = sorted(order, key=lambda c: (-counts[c], order.index(c)))[:256]
    palette = {colour: i for i, colour in enumerate(kept)}
    for colour in order:
        if colour not in palette:
            palette[colour] = min(range(len(kept)),
                                  key=lambda i: sum((a - b) ** 2 for a, b in zip(colour, kept[i])))
    stride = (width + 3) & ~3
    body = bytearray()
    for row in reversed(pixels):
        line = bytes(palette[colour] for colour in row)
        body += line + b"\0" * (stride - len(line))
    table = b"".join(bytes((b, g, r, 0)) for r, g, b in kept)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, 0, len(body), 3780, 3780, len(kept), 0)
    offset = 14 + len(info) + len(table)
    header = struct.pack("<2sIHHI", b"BM", offset + len(body), 0, 0, offset)
    return header + info + table + bytes(body)


def write_or_check(pictures, out, script):
    """Writes each named picture under out, or with --check only compares; the exit code."""
    check = sys.argv[1:] == ["--check"]
    stale = []
    for name, data in pictures.items():
        path = out / name
        if check:
            if not path.exists() or path.read_bytes() != data:
                stale.append(str(path))
            continue
        path.parent.mkdir(parents=True, exist_ok=True)
        path.write_bytes(data)
        print("wrote", path)
    if stale:
        print(f"not what tools/{script} writes:", ", ".join(stale))
        return 1
    return 0
