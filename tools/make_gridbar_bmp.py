#!/usr/bin/env python3
"""Draws the grid button bar's strip image: four 22 x 20 buttons side by side (88 x 20 pixels),
16 colours, written as a bottom-up 4-bit Windows BMP of exactly 998 bytes.

  0  new row     a dotted frame with a yellow spark at its top-right corner
  1  delete row  a red cross
  2  move up     an arrow pointing up
  3  move down   an arrow pointing down

The background is the standard light grey (192, 192, 192) and the shading uses the standard dark
grey (128, 128, 128): loading the bitmap with 3D-colour mapping turns them into the system's
button-face and button-shadow colours, so the strip follows the user's colour scheme.

Usage: make_gridbar_bmp.py OUTPUT.bmp
"""
import struct
import sys

W, H, CELL = 88, 20, 22

# The standard 16-colour palette (red, green, blue).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, DARK_RED, NAVY, GREY, SHADOW, RED, YELLOW, WHITE = 0, 1, 4, 7, 8, 9, 11, 15


def draw():
    px = [[GREY] * W for _ in range(H)]

    def put(x, y, c):
        if 0 <= x < W and 0 <= y < H:
            px[y][x] = c

    # Button 0: a dotted frame (a new, still empty row) with a spark.
    x0 = 0
    for x in range(x0 + 4, x0 + 16):
        if x % 2 == 0:
            put(x, 6, BLACK)
            put(x, 15, BLACK)
    for y in range(6, 16):
        if y % 2 == 0:
            put(x0 + 4, y, BLACK)
            put(x0 + 15, y, BLACK)
    for y in range(7, 15):
        for x in range(x0 + 5, x0 + 15):
            put(x, y, WHITE)
    sx, sy = x0 + 16, 5  # the spark's centre
    for d in range(-3, 4):
        put(sx + d, sy, YELLOW)
        put(sx, sy + d, YELLOW)
    for d in (-2, -1, 1, 2):
        put(sx + d, sy + d, YELLOW)
        put(sx + d, sy - d, YELLOW)
    put(sx, sy, WHITE)
    for d in (-4, 4):
        put(sx + d, sy, DARK_RED)
        put(sx, sy + d, DARK_RED)

    # Button 1: a red cross, two pixels thick, with a dark-red shadow edge.
    x0 = CELL
    for i in range(11):
        x, y = x0 + 6 + i, 5 + i
        put(x, y, RED)
        put(x + 1, y, RED)
        put(x + 1, y + 1, DARK_RED)
        x2 = x0 + 16 - i
        put(x2, y, RED)
        put(x2 - 1, y, RED)
        put(x2, y + 1, DARK_RED)

    # Buttons 2 and 3: solid arrows in navy with a grey shadow.
    def arrow(x0, up):
        cx = x0 + 11
        rows = []
        for i in range(6):  # head: widening triangle
            rows.append((i, cx - i, cx + i))
        for i in range(6, 11):  # shaft
            rows.append((i, cx - 2, cx + 2))
        for i, left, right in rows:
            y = 4 + i if up else 15 - i
            for x in range(left, right + 1):
                put(x, y, NAVY)
            put(right + 1, y, SHADOW)
        if up:  # the shaft's foot casts a shadow too
            for x in range(cx - 1, cx + 4):
                put(x, 15, SHADOW)

    arrow(2 * CELL, True)
    arrow(3 * CELL, False)
    return px


def bmp_bytes(px):
    row_bytes = (W * 4 + 31) // 32 * 4
    image = bytearray()
    for y in range(H - 1, -1, -1):  # bottom-up
        row = bytearray()
        for x in range(0, W, 2):
            row.append((px[y][x] << 4) | px[y][x + 1])
        row.extend(b"\0" * (row_bytes - len(row)))
        image += row
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    offset = 14 + 40 + len(palette)
    info = struct.pack("<IiiHHIIiiII", 40, W, H, 1, 4, 0, len(image), 2835, 2835, 16, 0)
    header = struct.pack("<2sIHHI", b"BM", offset + len(image), 0, 0, offset)
    return header + info + palette + bytes(image)


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    data = bmp_bytes(draw())
    assert len(data) == 998, len(data)
    with open(sys.argv[1], "wb") as f:
        f.write(data)
