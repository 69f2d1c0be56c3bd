#!/usr/bin/env python3
"""Draws the picture of the label position window: the outline of a symbol that the 25 position
buttons stand around.  149 x 145 pixels, 32 bits per pixel, written as a bottom-up Windows BMP.

  - a black square divided into three by three cells by thin white lines;
  - a dashed border around the square;
  - small green marks at its four corners and at the middle of each edge (where the labels of
    the inner ring of positions attach).

The background is the dialog's standard light grey, so the picture sits on the window's face.

Usage: make_relapos_bmp.py OUTPUT.bmp
"""
import struct
import sys

W, H = 149, 145
GREY = (192, 192, 192)
BLACK = (0, 0, 0)
WHITE = (255, 255, 255)
DASH = (64, 64, 64)
GREEN = (0, 200, 0)

# The square, inclusive pixel bounds.
LEFT, TOP, RIGHT, BOTTOM = 14, 12, 134, 132


def draw():
    px = [[GREY] * W for _ in range(H)]

    def put(x, y, c):
        if 0 <= x < W and 0 <= y < H:
            px[y][x] = c

    for y in range(TOP, BOTTOM + 1):
        for x in range(LEFT, RIGHT + 1):
            put(x, y, BLACK)
    # Thin white lines at the thirds.
    for k in (1, 2):
        x = LEFT + (RIGHT - LEFT) * k // 3
        y = TOP + (BOTTOM - TOP) * k // 3
        for t in range(TOP, BOTTOM + 1):
            put(x, t, WHITE)
        for t in range(LEFT, RIGHT + 1):
            put(t, y, WHITE)
    # Dashed border three pixels outside the square: 4 on, 3 off.
    l, t, r, b = LEFT - 3, TOP - 3, RIGHT + 3, BOTTOM + 3
    for i, x in enumerate(range(l, r + 1)):
        if i % 7 < 4:
            put(x, t, DASH)
            put(x, b, DASH)
    for i, y in enumerate(range(t, b + 1)):
        if i % 7 < 4:
            put(l, y, DASH)
            put(r, y, DASH)
    # Green marks, 5 x 5, at the corners and edge middles.
    mx, my = (LEFT + RIGHT) // 2, (TOP + BOTTOM) // 2
    for cx, cy in [(LEFT, TOP), (mx, TOP), (RIGHT, TOP), (RIGHT, my), (RIGHT, BOTTOM),
                   (mx, BOTTOM), (LEFT, BOTTOM), (LEFT, my)]:
        for dy in range(-2, 3):
            for dx in range(-2, 3):
                put(cx + dx, cy + dy, GREEN)
    return px


def write(path, px):
    row_bytes = W * 4
    image = bytearray()
    for y in range(H - 1, -1, -1):  # bottom-up
        for (r, g, b) in px[y]:
            image += bytes((b, g, r, 0))
    header_size = 14 + 40
    file_header = struct.pack('<2sIHHI', b'BM', header_size + len(image), 0, 0, header_size)
    info = struct.pack('<IiiHHIIiiII', 40, W, H, 1, 32, 0, row_bytes * H, 2835, 2835, 0, 0)
    with open(path, 'wb') as f:
        f.write(file_header + info + image)


if __name__ == '__main__':
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    write(sys.argv[1], draw())
