#!/usr/bin/env python3
"""Writes the player's images: play.ico, stop.ico (32 x 32, two colours) and hand.cur; and the
project's icon, brela.ico: a white question mark on a blue tile with rounded corners, transparent
outside them, at 16, 24, 32 and 48 pixels in 32-bit colour with alpha.

Run from this folder; the output is committed, so the build does not need Python.
"""
import math
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


# The project's icon, in units of its side, y downwards.
TILE_MARGIN = 0.03
TILE_CORNER = 0.2
TILE_TOP = (54, 124, 224)
TILE_BOTTOM = (24, 74, 168)
STROKE = 0.065  # half the width of the question mark's stroke
ARC_CENTRE = (0.5, 0.36)
ARC_RADIUS = 0.16
ARC_END = math.radians(-40)  # the arc runs from the left (180 degrees) over the top to here
STEM = ((0.5, 0.56), (0.5, 0.64))
DOT_CENTRE = (0.5, 0.8)
DOT_RADIUS = 0.075
SUPERSAMPLING = 8


def in_tile(x, y):
    """Inside the square with rounded corners."""
    low, high = TILE_MARGIN + TILE_CORNER, 1 - TILE_MARGIN - TILE_CORNER
    dx = max(low - x, 0, x - high)
    dy = max(low - y, 0, y - high)
    return math.hypot(dx, dy) <= TILE_CORNER


def segment_distance(x, y, a, b):
    (ax, ay), (bx, by) = a, b
    t = ((x - ax) * (bx - ax) + (y - ay) * (by - ay)) / ((bx - ax) ** 2 + (by - ay) ** 2)
    t = min(1, max(0, t))
    return math.hypot(x - ax - t * (bx - ax), y - ay - t * (by - ay))


def in_question_mark(x, y):
    cx, cy = ARC_CENTRE
    arc_end = (cx + ARC_RADIUS * math.cos(ARC_END), cy - ARC_RADIUS * math.sin(ARC_END))
    angle = math.atan2(cy - y, x - cx)
    if ARC_END <= angle <= math.pi:
        arc = abs(math.hypot(x - cx, y - cy) - ARC_RADIUS)
    else:
        arc = min(math.hypot(x - arc_end[0], y - arc_end[1]), math.hypot(x - cx + ARC_RADIUS, y - cy))
    stroke = min(arc, segment_distance(x, y, arc_end, STEM[0]),
                 segment_distance(x, y, STEM[0], STEM[1]))
    return stroke <= STROKE or math.hypot(x - DOT_CENTRE[0], y - DOT_CENTRE[1]) <= DOT_RADIUS


def brela_pixel(px, py, size):
    """(b, g, r, a) of one pixel: the share of its samples in the tile and in the mark."""
    tile = mark = 0
    for sy in range(SUPERSAMPLING):
        for sx in range(SUPERSAMPLING):
            x = (px + (sx + 0.5) / SUPERSAMPLING) / size
            y = (py + (sy + 0.5) / SUPERSAMPLING) / size
            if in_tile(x, y):
                tile += 1
                mark += in_question_mark(x, y)
    if tile == 0:
        return (0, 0, 0, 0)
    share = mark / tile
    fall = (py + 0.5) / size
    blue = [TILE_TOP[i] + (TILE_BOTTOM[i] - TILE_TOP[i]) * fall for i in range(3)]
    r, g, b = (round(c + (255 - c) * share) for c in blue)
    return (b, g, r, round(255 * tile / SUPERSAMPLING ** 2))


def brela_image(size):
    """BITMAPINFOHEADER, 32-bit rows with alpha and the mask rows (set where fully transparent),
    bottom row first."""
    header = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = [[brela_pixel(x, y, size) for x in range(size)] for y in range(size)]
    colour = b"".join(struct.pack("<BBBB", *pixels[y][x])
                      for y in reversed(range(size)) for x in range(size))
    mask_row_bytes = (size + 31) // 32 * 4
    mask = b""
    for y in reversed(range(size)):
        bits = [1 if pixels[y][x][3] == 0 else 0 for x in range(size)]
        bits += [0] * (mask_row_bytes * 8 - size)
        mask += bytes(int("".join(map(str, bits[i:i + 8])), 2) for i in range(0, len(bits), 8))
    return header + colour + mask


def brela_icon(sizes=(16, 24, 32, 48)):
    images = [brela_image(size) for size in sizes]
    head = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries = b""
    for size, data in zip(sizes, images):
        entries += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    return head + entries + b"".join(images)


if __name__ == "__main__":
    for name, data in (("play.ico", icon(in_triangle)), ("stop.ico", icon(in_square)),
                       ("hand.cur", cursor()), ("brela.ico", brela_icon())):
        with open(name, "wb") as f:
            f.write(data)
