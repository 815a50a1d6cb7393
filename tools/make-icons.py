#!/usr/bin/env python3
"""Writes the two edition icons (32x32, 32-bit ICO) into resources/res/images."""
import os
import struct

SIZE = 32


def icon(background, letter_rows):
    """A rounded square of the background colour with a light glyph from letter_rows."""
    pixels = []
    # ICO bitmaps are stored bottom-up, BGRA.
    for y in range(SIZE - 1, -1, -1):
        for x in range(SIZE):
            corner = min(x, SIZE - 1 - x) + min(y, SIZE - 1 - y) < 3
            gy, gx = (y - 6) // 2, (x - 8) // 2
            glyph = 0 <= gy < len(letter_rows) and 0 <= gx < 8 and letter_rows[gy][gx] == "#"
            if corner:
                pixels.append((0, 0, 0, 0))
            elif glyph:
                pixels.append((255, 255, 255, 255))
            else:
                r, g, b = background
                pixels.append((b, g, r, 255))
    xor = b"".join(struct.pack("BBBB", *p) for p in pixels)
    mask = bytes(SIZE * SIZE // 8)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 32, 0, len(xor) + len(mask),
                         0, 0, 0, 0)
    image = header + xor + mask
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 32, len(image), 6 + 16)
    return directory + entry + image


N = ["#......#", "##.....#", "#.#....#", "#..#...#", "#...#..#", "#....#.#", "#.....##",
     "#......#", "#......#", "#......#"]
E = ["########", "#.......", "#.......", "#.......", "######..", "#.......", "#.......",
     "#.......", "#.......", "########"]

out = os.path.join(os.path.dirname(__file__), "..", "resources", "res", "images")
os.makedirs(out, exist_ok=True)
with open(os.path.join(out, "netfile-2025.ico"), "wb") as f:
    f.write(icon((0x1f, 0x5f, 0xa8), N))
with open(os.path.join(out, "efile-2025.ico"), "wb") as f:
    f.write(icon((0x2e, 0x7d, 0x32), E))
