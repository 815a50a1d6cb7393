#!/usr/bin/env python3
"""Writes the edition icons and the tool-bar icons (32x32) into resources/res/images."""
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


# Tool-bar icons: simple drawings on a transparent 32x32 canvas, written as ICO or PNG.
def canvas():
    return [[(0, 0, 0, 0)] * SIZE for _ in range(SIZE)]


def rect(c, x0, y0, x1, y1, colour, fill=True):
    for y in range(y0, y1 + 1):
        for x in range(x0, x1 + 1):
            if fill or x in (x0, x1) or y in (y0, y1):
                c[y][x] = colour


def disc(c, cx, cy, r, colour, ring=0):
    for y in range(SIZE):
        for x in range(SIZE):
            d = ((x - cx) ** 2 + (y - cy) ** 2) ** 0.5
            if d <= r and (ring == 0 or d >= r - ring):
                c[y][x] = colour


def line(c, x0, y0, x1, y1, colour, width=2):
    steps = max(abs(x1 - x0), abs(y1 - y0), 1)
    for i in range(steps + 1):
        x = round(x0 + (x1 - x0) * i / steps)
        y = round(y0 + (y1 - y0) * i / steps)
        rect(c, max(0, x - width // 2), max(0, y - width // 2), min(SIZE - 1, x + width // 2),
             min(SIZE - 1, y + width // 2), colour)


def write_ico(c, name):
    pixels = []
    for y in range(SIZE - 1, -1, -1):
        for x in range(SIZE):
            r, g, b, a = c[y][x]
            pixels.append(struct.pack("BBBB", b, g, r, a))
    xor = b"".join(pixels)
    mask = bytes(SIZE * SIZE // 8)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 32, 0, len(xor) + len(mask),
                         0, 0, 0, 0)
    image = header + xor + mask
    data = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 32,
                                                      len(image), 22) + image
    with open(os.path.join(out, name), "wb") as f:
        f.write(data)


def write_png(c, name):
    import zlib
    raw = b"".join(b"\0" + b"".join(struct.pack("BBBB", *p) for p in row) for row in c)

    def chunk(kind, body):
        return (struct.pack(">I", len(body)) + kind + body +
                struct.pack(">I", zlib.crc32(kind + body) & 0xffffffff))
    data = (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", SIZE, SIZE, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))
    with open(os.path.join(out, name), "wb") as f:
        f.write(data)


INK = (0x2c, 0x3e, 0x50, 255)
PAPER = (255, 255, 255, 255)
BLUE = (0x1f, 0x5f, 0xa8, 255)
GREEN = (0x2e, 0x7d, 0x32, 255)
RED = (0xc6, 0x28, 0x28, 255)
YELLOW = (0xf9, 0xa8, 0x25, 255)
GREY = (0x78, 0x90, 0x9c, 255)


def sheet():
    c = canvas()
    rect(c, 7, 3, 24, 28, PAPER)
    rect(c, 7, 3, 24, 28, INK, fill=False)
    return c


def icon_blank():
    c = sheet()
    line(c, 19, 3, 24, 8, INK, 1)
    return c


def icon_book():
    c = canvas()
    rect(c, 4, 6, 15, 26, BLUE)
    rect(c, 16, 6, 27, 26, BLUE)
    rect(c, 6, 8, 14, 24, PAPER)
    rect(c, 17, 8, 25, 24, PAPER)
    return c


def icon_import():
    c = sheet()
    line(c, 15, 8, 15, 22, GREEN, 3)
    line(c, 10, 17, 15, 22, GREEN, 3)
    line(c, 20, 17, 15, 22, GREEN, 3)
    return c


def icon_find():
    c = canvas()
    disc(c, 13, 13, 9, BLUE, ring=3)
    line(c, 19, 19, 28, 28, INK, 4)
    return c


def icon_disk():
    c = canvas()
    rect(c, 4, 4, 27, 27, BLUE)
    rect(c, 9, 4, 22, 12, PAPER)
    rect(c, 8, 17, 23, 27, GREY)
    return c


def icon_close():
    c = canvas()
    disc(c, 15, 15, 12, RED)
    line(c, 10, 10, 20, 20, PAPER, 3)
    line(c, 20, 10, 10, 20, PAPER, 3)
    return c


def icon_view():
    c = canvas()
    rect(c, 3, 5, 28, 26, INK, fill=False)
    rect(c, 4, 6, 10, 25, GREY)
    rect(c, 12, 8, 26, 23, BLUE)
    return c


def bulb():
    c = canvas()
    disc(c, 15, 12, 9, YELLOW)
    rect(c, 11, 21, 19, 27, GREY)
    return c


def icon_table():
    c = sheet()
    for y in (9, 15, 21):
        line(c, 9, y, 22, y, INK, 1)
    line(c, 15, 9, 15, 26, INK, 1)
    return c


def icon_validate():
    c = canvas()
    disc(c, 15, 15, 12, GREEN)
    line(c, 9, 15, 14, 20, PAPER, 3)
    line(c, 14, 20, 22, 10, PAPER, 3)
    return c


def icon_atom():
    c = canvas()
    disc(c, 15, 15, 12, BLUE, ring=2)
    disc(c, 15, 15, 4, BLUE)
    line(c, 4, 15, 26, 15, BLUE, 1)
    return c


def icon_printer():
    c = canvas()
    rect(c, 9, 3, 22, 12, PAPER)
    rect(c, 9, 3, 22, 12, INK, fill=False)
    rect(c, 3, 12, 28, 23, GREY)
    rect(c, 9, 19, 22, 28, PAPER)
    rect(c, 9, 19, 22, 28, INK, fill=False)
    return c


def icon_setting():
    c = canvas()
    disc(c, 15, 15, 12, GREY)
    disc(c, 15, 15, 5, PAPER)
    return c


def info():
    c = canvas()
    disc(c, 15, 15, 12, BLUE)
    rect(c, 14, 7, 17, 10, PAPER)
    rect(c, 14, 13, 17, 23, PAPER)
    return c


for draw, name in ((icon_blank, "icon_blank.ico"), (icon_book, "icon_book.ico"),
                   (icon_import, "import_120157.ico"), (icon_disk, "icon_disk.ico"),
                   (icon_close, "icon_close.ico"), (icon_view, "icon_view.ico"),
                   (icon_table, "icon_table.ico"), (icon_validate, "icon_validate.ico"),
                   (icon_atom, "icon_atom.ico"), (icon_printer, "icon_printer.ico"),
                   (icon_setting, "icon_setting.ico")):
    write_ico(draw(), name)
for draw, name in ((icon_find, "icon_find.png"), (bulb, "bulb.png"), (info, "info.png")):
    write_png(draw(), name)
