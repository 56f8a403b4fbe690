#!/usr/bin/env python3
"""Draws the window icon, a miniature scope, as 16-colour PNGs: icon-32.png and icon-16.png.

A black screen in a white, grey and silver bevelled frame, ruled by a dotted green grid, with a
white wave across it. Run it from this folder after changing the drawing; the PNGs are committed.
"""
import math
import struct
import zlib

# The standard 16-colour palette.
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
    (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, GREEN, SILVER, GREY, LIME, WHITE = 0, 2, 7, 8, 10, 15


def draw(size, frame, grid):
    px = [[SILVER] * size for _ in range(size)]
    last = size - 1
    # Raised outer bevel: white on the top and left, grey on the bottom and right.
    for i in range(size):
        px[0][i] = px[i][0] = WHITE
        px[last][i] = px[i][last] = GREY
    px[last][0] = px[0][last] = GREY
    # Sunken inner bevel around the screen.
    lo, hi = frame, last - frame
    for i in range(lo - 1, hi + 2):
        px[lo - 1][i] = px[i][lo - 1] = GREY
        px[hi + 1][i] = px[i][hi + 1] = WHITE
    for y in range(lo, hi + 1):
        for x in range(lo, hi + 1):
            px[y][x] = BLACK
    # Dotted grid: every other pixel along each ruling.
    inner = hi - lo + 1
    for k in range(1, inner // grid + 1):
        g = lo + k * grid
        if g >= hi:
            break
        for t in range(lo, hi + 1, 2):
            px[g][t] = px[t][g] = GREEN if size > 16 else LIME
    # One and a half periods of a sine wave across the screen.
    mid = (lo + hi) / 2
    amp = (inner - 3) / 2
    prev = None
    for x in range(lo, hi + 1):
        y = round(mid - amp * math.sin((x - lo) / (inner - 1) * 3 * math.pi))
        if prev is not None:
            for yy in range(min(prev, y), max(prev, y) + 1):
                px[yy][x] = WHITE
        px[y][x] = WHITE
        prev = y
    return px


def png(path, px):
    size = len(px)
    raw = b''
    for row in px:
        line = bytearray([0])
        for i in range(0, size, 2):
            line.append(row[i] << 4 | row[i + 1])
        raw += bytes(line)

    def chunk(kind, data):
        body = kind + data
        return struct.pack('>I', len(data)) + body + struct.pack('>I', zlib.crc32(body))

    header = struct.pack('>IIBBBBB', size, size, 4, 3, 0, 0, 0)
    palette = b''.join(bytes(c) for c in PALETTE)
    with open(path, 'wb') as f:
        f.write(b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', header) + chunk(b'PLTE', palette)
                + chunk(b'IDAT', zlib.compress(raw, 9)) + chunk(b'IEND', b''))


png('icon-32.png', draw(32, 4, 6))
png('icon-16.png', draw(16, 3, 3))
