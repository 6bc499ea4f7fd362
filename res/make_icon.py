#!/usr/bin/python3
"""Draws the launcher's icon: a folded blue sheet with a white check mark,
eight 32-bit images from 16 to 256 pixels, the largest stored as PNG."""
import math
import struct
import sys
import zlib

SIZES = (16, 22, 24, 32, 48, 64, 128, 256)


def coverage(distance, pixel):
    """Anti-aliased inside-ness of a signed distance, in pixels."""
    return min(1.0, max(0.0, 0.5 - distance / pixel))


def segment_distance(x, y, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy)))
    return math.hypot(x - ax - t * dx, y - ay - t * dy)


def pixel_rgba(u, v, pixel):
    """Colour at (u, v) in the unit square, top-left origin."""
    # Rounded square, corner radius 0.18, margin 0.06.
    half, radius = 0.44, 0.18
    qx, qy = abs(u - 0.5) - (half - radius), abs(v - 0.5) - (half - radius)
    outside = math.hypot(max(qx, 0.0), max(qy, 0.0)) + min(max(qx, qy), 0.0) - radius
    alpha = coverage(outside, pixel)
    if alpha == 0.0:
        return (0, 0, 0, 0)
    # Blue from top to bottom, with a lighter fold in the top-right corner.
    shade = 0.85 + 0.15 * (1.0 - v)
    r, g, b = 30 * shade, 100 * shade, 200 * shade
    if u + (1.0 - v) > 1.55:
        r, g, b = 120, 170, 235
    # White check mark.
    stroke = 0.075
    d = min(segment_distance(u, v, 0.28, 0.52, 0.44, 0.68),
            segment_distance(u, v, 0.44, 0.68, 0.74, 0.34))
    white = coverage(d - stroke, pixel)
    r, g, b = (c + (255 - c) * white for c in (r, g, b))
    return (int(r + 0.5), int(g + 0.5), int(b + 0.5), int(alpha * 255 + 0.5))


def render(size):
    pixel = 1.0 / size
    return [[pixel_rgba((x + 0.5) / size, (y + 0.5) / size, pixel) for x in range(size)] for y in range(size)]


def dib(size, rows):
    """BITMAPINFOHEADER, bottom-up BGRA rows, then the AND mask."""
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = b"".join(bytes((b, g, r, a)) for row in reversed(rows) for (r, g, b, a) in row)
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(rows):
        bits = bytearray(mask_stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + colour + bytes(mask)


def png(size, rows):
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    raw = b"".join(b"\x00" + b"".join(bytes(p) for p in row) for row in rows)
    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")


def main(out_path):
    images = [png(s, render(s)) if s == 256 else dib(s, render(s)) for s in SIZES]
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in zip(SIZES, images):
        edge = 0 if size == 256 else size
        directory += struct.pack("<BBBBHHII", edge, edge, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    with open(out_path, "wb") as out:
        out.write(directory + b"".join(images))


if __name__ == "__main__":
    main(sys.argv[1])
