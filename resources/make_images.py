#!/usr/bin/env python3
"""Writes the player's images: play.ico, stop.ico (32 x 32, two colours) and hand.cur.

Run from this folder; the output is committed, so the build does not need Python.
"""
import struct

SIZE = 32
LIGHT_GREY = (192, 192, 192)
BLACK = (0, 0, 0)
WHITE = (255, 255, 255)

HAND = [
    "      ##",
    "     #..#",
    "     #..#",
    "     #..#",
    "     #..#",
    "     #..###",
    "     #..#..###",
    "     #..#..#..##",
    "     #..#..#..#.#",
    " ##  #..#..#..#..#",
    "#..# #...........#",
    "#...##...........#",
    " #...#...........#",
    "  #..............#",
    "  #..............#",
    "   #.............#",
    "   #............#",
    "    #...........#",
    "    #..........#",
    "     #.........#",
    "     #.........#",
    "     ###########",
]
HAND_HOT_SPOT = (6, 0)


def row_bytes(bits):
    """One bitmap row of 32 one-bit pixels, most significant bit first."""
    value = 0
    for bit in bits:
        value = (value << 1) | bit
    return struct.pack(">I", value)


def image(colour_bits, mask_bits, palette):
    """BITMAPINFOHEADER, palette, colour rows and mask rows, bottom row first."""
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, 2 * SIZE, 1, 1, 0, 0, 0, 0, 2, 0)
    colours = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in palette)
    xor = b"".join(row_bytes(colour_bits[y]) for y in reversed(range(SIZE)))
    and_ = b"".join(row_bytes(mask_bits[y]) for y in reversed(range(SIZE)))
    return header + colours + xor + and_


def directory(kind, image_bytes, field1, field2):
    """ICONDIR with one entry; field1 and field2 are planes and bit count for an icon,
    the hot spot for a cursor."""
    head = struct.pack("<HHH", 0, kind, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 2, 0, field1, field2, len(image_bytes), 6 + 16)
    return head + entry + image_bytes


def icon(inside):
    """Black where inside(x, y), light grey elsewhere; opaque everywhere."""
    colour = [[0 if inside(x, y) else 1 for x in range(SIZE)] for y in range(SIZE)]
    mask = [[0] * SIZE for _ in range(SIZE)]
    return directory(1, image(colour, mask, [BLACK, LIGHT_GREY]), 1, 1)


def in_triangle(x, y):
    """Right-pointing: left edge x = 9 from y = 5 to y = 26, tip at (25, 16)."""
    px, py = x + 0.5, y + 0.5
    if px < 9 or py < 5 or py > 27:
        return False
    reach = 16 * (1 - abs(py - 16) / 11)  # width of the triangle at this height
    return px - 9 <= reach


def in_square(x, y):
    return 8 <= x < 24 and 8 <= y < 24


def cursor():
    """'#' black, '.' white, anything else transparent (mask 1, colour 0)."""
    colour = [[0] * SIZE for _ in range(SIZE)]
    mask = [[1] * SIZE for _ in range(SIZE)]
    for y, line in enumerate(HAND):
        for x, c in enumerate(line):
            if c in "#.":
                mask[y][x] = 0
                colour[y][x] = 1 if c == "." else 0
    return directory(2, image(colour, mask, [BLACK, WHITE]), *HAND_HOT_SPOT)


if __name__ == "__main__":
    for name, data in (("play.ico", icon(in_triangle)), ("stop.ico", icon(in_square)),
                       ("hand.cur", cursor())):
        with open(name, "wb") as f:
            f.write(data)
