"""What the picture scripts share: colour mixing, 24-bit BMP bytes, and writing or checking the files.

Imported by make_skin.py, make_frame_skin.py and make_about_art.py.
"""

import struct
import sys


def mix(a, b, t):
    return tuple(round(x + (y - x) * t) for x, y in zip(a, b))


def bmp(pixels):
    """A bottom-up 24-bit BMP; rows padded to four bytes."""
    height, width = len(pixels), len(pixels[0])
    stride = (width * 3 + 3) & ~3
    body = bytearray()
    for row in reversed(pixels):
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        line += b"\0" * (stride - len(line))
        body += line
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(body), 3780, 3780, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(body), 0, 0, 14 + len(info))
    return header + info + bytes(body)


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
