#!/usr/bin/env python3
"""Draws the side picture (bitmap 130) and the program icon (icon 128): a red
check mark over a white card, both outlined in black, in the standard
16-colour palette. Run it to regenerate side.bmp and Ovaldi.ico."""
import math
import struct
from pathlib import Path

PALETTE = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
           (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
           (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]
BLACK, GREY, RED, WHITE = 0, 8, 9, 15
TRANSPARENT = None


def segment_distance(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)))
    return math.hypot(px - (ax + t * dx), py - (ay + t * dy))


def draw(width, height, background):
    """Rows of palette indexes, top row first; shapes in units of the width."""
    card = (0.22 * width, 0.12 * height, 0.78 * width, 0.88 * height)
    border = max(1.0, width / 60)
    check = [(0.25 * width, 0.52 * height), (0.45 * width, 0.70 * height),
             (0.92 * width, 0.22 * height)]
    stroke = width / 11
    rows = []
    for y in range(height):
        row = []
        for x in range(width):
            px, py = x + 0.5, y + 0.5
            colour = background
            if card[0] <= px <= card[2] and card[1] <= py <= card[3]:
                inner = (card[0] + border <= px <= card[2] - border and
                         card[1] + border <= py <= card[3] - border)
                colour = WHITE if inner else BLACK
            d = min(segment_distance(px, py, *check[0], *check[1]),
                    segment_distance(px, py, *check[1], *check[2]))
            if d <= stroke / 2:
                colour = RED
            elif d <= stroke / 2 + border:
                colour = BLACK
            row.append(colour)
        rows.append(row)
    return rows


def dib(rows, mask_rows=None):
    """A 4-bit bottom-up DIB (header, palette, pixels[, AND mask])."""
    height, width = len(rows), len(rows[0])
    stride = ((width + 7) // 8) * 4
    pixels = bytearray()
    for row in reversed(rows):
        line = bytearray()
        for x in range(0, width, 2):
            hi = row[x] or 0
            lo = (row[x + 1] or 0) if x + 1 < width else 0
            line.append((hi << 4) | lo)
        pixels += line.ljust(stride, b"\0")
    mask = bytearray()
    if mask_rows is not None:
        mask_stride = ((width + 31) // 32) * 4
        for row in reversed(mask_rows):
            bits = bytearray((width + 7) // 8)
            for x, transparent in enumerate(row):
                if transparent:
                    bits[x // 8] |= 0x80 >> (x % 8)
            mask += bits.ljust(mask_stride, b"\0")
    header_height = height * 2 if mask_rows is not None else height
    header = struct.pack("<IiiHHIIiiII", 40, width, header_height, 1, 4, 0,
                         len(pixels) + len(mask), 0, 0, 16, 0)
    palette = b"".join(struct.pack("BBBB", b, g, r, 0) for r, g, b in PALETTE)
    return header + palette + bytes(pixels) + bytes(mask)


def bitmap_file(rows):
    body = dib(rows)
    offset = 14 + 40 + 64
    return struct.pack("<2sIHHI", b"BM", 14 + len(body), 0, 0, offset) + body


def icon_file(sizes):
    images = []
    for size in sizes:
        rows = draw(size, size, TRANSPARENT)
        mask = [[c is None for c in row] for row in rows]
        images.append((size, dib(rows, mask)))
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in images:
        out += struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    return out + b"".join(data for _, data in images)


here = Path(__file__).resolve().parent
(here / "side.bmp").write_bytes(bitmap_file(draw(120, 168, GREY)))
(here / "Ovaldi.ico").write_bytes(icon_file([32, 16]))
