#!/usr/bin/env python3
"""Draws the application icon: a blue badge with a white network of three linked stations.

Writes one 72 x 72 image, 32 bits per pixel with alpha, as a .ico file:
    make_icon.py OUTPUT.ico
"""
import math
import struct
import sys

SIZE = 72
SAMPLES = 4  # per axis, for smooth edges


def rounded_box(x, y, left, top, right, bottom, radius):
    """Signed distance from (x, y) to a rounded rectangle; negative inside."""
    cx, cy = (left + right) / 2, (top + bottom) / 2
    hx, hy = (right - left) / 2 - radius, (bottom - top) / 2 - radius
    dx, dy = abs(x - cx) - hx, abs(y - cy) - hy
    outside = math.hypot(max(dx, 0.0), max(dy, 0.0))
    return outside + min(max(dx, dy), 0.0) - radius


def segment(x, y, ax, ay, bx, by, half_width):
    """Signed distance from (x, y) to a thick line from a to b."""
    px, py, vx, vy = x - ax, y - ay, bx - ax, by - ay
    t = max(0.0, min(1.0, (px * vx + py * vy) / (vx * vx + vy * vy)))
    return math.hypot(px - vx * t, py - vy * t) - half_width


def badge(x, y):
    return rounded_box(x, y, 4, 4, 68, 68, 13)


def glyph(x, y):
    """The network: a station on top, wired down to two stations below."""
    shapes = (
        rounded_box(x, y, 25, 13, 47, 29, 3),   # top station
        rounded_box(x, y, 10, 45, 30, 59, 3),   # left station
        rounded_box(x, y, 42, 45, 62, 59, 3),   # right station
        segment(x, y, 36, 29, 36, 37, 1.6),     # trunk
        segment(x, y, 20, 37, 52, 37, 1.6),     # bus
        segment(x, y, 20, 37, 20, 45, 1.6),
        segment(x, y, 52, 37, 52, 45, 1.6),
    )
    return min(shapes)


def screen(x, y):
    """The dark screens inside the stations, so they read as stations rather than blocks."""
    return min(
        rounded_box(x, y, 28, 16, 44, 26, 1),
        rounded_box(x, y, 13, 48, 27, 56, 1),
        rounded_box(x, y, 45, 48, 59, 56, 1),
    )


def mix(a, b, t):
    return tuple(p + (q - p) * t for p, q in zip(a, b))


TOP_BLUE = (64, 156, 240)
BOTTOM_BLUE = (22, 82, 170)
EDGE_BLUE = (16, 60, 130)
WHITE = (255, 255, 255)
SCREEN = (40, 110, 200)


def pixel(px, py):
    """Colour (not premultiplied) and alpha of one pixel, averaged over its samples."""
    red = green = blue = alpha = 0.0
    for sy in range(SAMPLES):
        for sx in range(SAMPLES):
            x = px + (sx + 0.5) / SAMPLES
            y = py + (sy + 0.5) / SAMPLES
            if badge(x, y) > 0:
                continue
            colour = mix(TOP_BLUE, BOTTOM_BLUE, (y - 4) / 64)
            if badge(x, y) > -1.5:
                colour = EDGE_BLUE
            if glyph(x, y) <= 0:
                colour = SCREEN if screen(x, y) <= 0 else WHITE
            red, green, blue, alpha = red + colour[0], green + colour[1], blue + colour[2], alpha + 1
    if alpha == 0:
        return (0, 0, 0, 0)
    return (round(red / alpha), round(green / alpha), round(blue / alpha), round(255 * alpha / SAMPLES**2))


def icon_bytes():
    rows = [[pixel(x, y) for x in range(SIZE)] for y in range(SIZE)]
    colour = b"".join(
        bytes((b, g, r, a)) for row in reversed(rows) for (r, g, b, a) in row  # bottom-up BGRA
    )
    mask_row = ((SIZE + 31) // 32) * 4
    mask = bytes(mask_row * SIZE)  # alpha decides; the AND mask stays clear
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 32, 0, len(colour) + len(mask), 0, 0, 0, 0)
    image = header + colour + mask
    directory = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 32, len(image), 22)
    return directory + image


if __name__ == "__main__":
    with open(sys.argv[1], "wb") as out:
        out.write(icon_bytes())
