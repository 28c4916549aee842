#!/usr/bin/env python3
"""The picture beside the Windows installer's finish page, in place of NSIS's
own: the program's icon on a light ground, as the 164 x 314 24-bit BMP that
NSIS's Modern UI takes. Made from the committed icon PNG with Python's own
modules, so the build needs no image tools.
Usage: installer-picture.py ICON.png OUT.bmp"""
import struct
import sys
import zlib

WIDTH, HEIGHT = 164, 314
GROUND = (0xEE, 0xF1, 0xF5)  # a light grey-blue, red, green, blue
ICON_TOP = 48


def read_png(path):
    """An 8-bit RGBA, non-interlaced PNG as rows of (r, g, b, a) tuples."""
    with open(path, "rb") as f:
        data = f.read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        sys.exit(f"{path} is not a PNG")
    pos, idat, header = 8, b"", None
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        chunk = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", chunk)
        elif kind == b"IDAT":
            idat += chunk
        pos += 12 + length
    width, height, depth, colour, _, _, interlace = header
    if (depth, colour, interlace) != (8, 6, 0):
        sys.exit(f"{path}: only 8-bit RGBA without interlacing is read")
    raw, stride, rows, previous = zlib.decompress(idat), width * 4, [], bytearray(width * 4)
    for y in range(height):
        start = y * (stride + 1)
        kind, line = raw[start], bytearray(raw[start + 1:start + 1 + stride])
        for i in range(stride):  # undo the row's filter
            left = line[i - 4] if i >= 4 else 0
            up = previous[i]
            corner = previous[i - 4] if i >= 4 else 0
            if kind == 1:
                line[i] = (line[i] + left) & 0xFF
            elif kind == 2:
                line[i] = (line[i] + up) & 0xFF
            elif kind == 3:
                line[i] = (line[i] + (left + up) // 2) & 0xFF
            elif kind == 4:
                p = left + up - corner
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - corner)
                line[i] = (line[i] + (left if pa <= pb and pa <= pc else up if pb <= pc else corner)) & 0xFF
        rows.append([tuple(line[x * 4:x * 4 + 4]) for x in range(width)])
        previous = line
    return rows


def main(icon_path, out_path):
    icon = read_png(icon_path)
    picture = [[GROUND] * WIDTH for _ in range(HEIGHT)]
    left = (WIDTH - len(icon[0])) // 2
    for y, row in enumerate(icon):
        for x, (r, g, b, a) in enumerate(row):
            picture[ICON_TOP + y][left + x] = tuple(
                (value * a + ground * (255 - a) + 127) // 255 for value, ground in zip((r, g, b), GROUND))
    # BMP: bottom row first, blue, green, red, each row padded to 4 bytes.
    padding = b"\0" * (-WIDTH * 3 % 4)
    pixels = b"".join(bytes(c for (r, g, b) in row for c in (b, g, r)) + padding for row in reversed(picture))
    header = struct.pack("<2sIHHI", b"BM", 54 + len(pixels), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    with open(out_path, "wb") as f:
        f.write(header + info + pixels)


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2])
