#!/usr/bin/env python3
"""Draws the program's pictures: logo.bmp, about.bmp and app.ico.

All three are 8 bits per pixel with a 256-entry palette, drawn from a tiny
built-in pixel font on a dark blue-to-black gradient. Standard library only;
the output is the same bytes on every run.

Usage: python3 make_art.py [output directory]   (default: the resources folder)
"""

import os
import struct
import sys

# 5 x 7 glyphs, one string per row, '#' is ink.
GLYPHS = {
    "A": [".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"],
    "B": ["####.", "#...#", "#...#", "####.", "#...#", "#...#", "####."],
    "C": [".###.", "#...#", "#....", "#....", "#....", "#...#", ".###."],
    "E": ["#####", "#....", "#....", "####.", "#....", "#....", "#####"],
    "H": ["#...#", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"],
    "K": ["#...#", "#..#.", "#.#..", "##...", "#.#..", "#..#.", "#...#"],
    "L": ["#....", "#....", "#....", "#....", "#....", "#....", "#####"],
    "M": ["#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"],
    "N": ["#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#", "#...#"],
    "O": [".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."],
    "R": ["####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"],
    "S": [".####", "#....", "#....", ".###.", "....#", "....#", "####."],
    "T": ["#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."],
    "V": ["#...#", "#...#", "#...#", "#...#", "#...#", ".#.#.", "..#.."],
    "1": ["..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."],
    ".": [".....", ".....", ".....", ".....", ".....", ".##..", ".##.."],
    " ": [".....", ".....", ".....", ".....", ".....", ".....", "....."],
}
GLYPH_WIDTH, GLYPH_HEIGHT = 5, 7

# Palette plan: 0-127 background gradient (black to deep blue), 128-191 dim
# shadow blues, 192-255 lettering from pale cyan to white. Index 0 is black,
# which the icon's transparent pixels need.
BACKGROUND_STEPS = 128
SHADOW_BASE = 128
INK_BASE = 192


def build_palette():
    """Returns 256 (red, green, blue) triples."""
    palette = []
    for i in range(BACKGROUND_STEPS):
        palette.append((0, i * 40 // 127, i * 150 // 127))
    for i in range(64):
        palette.append((0, 10 + i // 4, 40 + i))
    for i in range(64):
        palette.append((120 + i * 135 // 63, 200 + i * 55 // 63, 255))
    return palette


class Canvas:
    """A grid of palette indices, top row first."""

    def __init__(self, width, height):
        self.width = width
        self.height = height
        self.pixels = [[0] * width for _ in range(height)]

    def put(self, x, y, index):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y][x] = index

    def fill_gradient(self):
        """Deep blue at the top left fading to black at the bottom right."""
        span = self.width + self.height - 2 or 1
        for y in range(self.height):
            for x in range(self.width):
                distance = (x + 2 * y) / (span + self.height)
                level = max(0.0, 1.0 - distance * 1.15)
                index = int(level * BACKGROUND_STEPS)
                self.pixels[y][x] = min(BACKGROUND_STEPS - 1, index)

    def sprinkle_stars(self, count, seed):
        """A few faint points of light, from a fixed linear congruential sequence."""
        state = seed
        for _ in range(count):
            state = (state * 1103515245 + 12345) & 0x7FFFFFFF
            x = state % self.width
            state = (state * 1103515245 + 12345) & 0x7FFFFFFF
            y = state % self.height
            self.put(x, y, INK_BASE + 8 + state % 24)


def text_width(text, scale):
    return len(text) * (GLYPH_WIDTH + 1) * scale - scale


def draw_text(canvas, text, left, top, scale, shadow=True):
    """Draws text with a vertical ink gradient and a drop shadow one unit down-right."""
    layers = [(scale // 2 + 1, True), (0, False)] if shadow else [(0, False)]
    for offset, is_shadow in layers:
        for n, char in enumerate(text):
            rows = GLYPHS[char]
            origin_x = left + n * (GLYPH_WIDTH + 1) * scale + offset
            for gy, row in enumerate(rows):
                for gx, cell in enumerate(row):
                    if cell != "#":
                        continue
                    for dy in range(scale):
                        for dx in range(scale):
                            y = top + gy * scale + dy + offset
                            x = origin_x + gx * scale + dx
                            if is_shadow:
                                index = SHADOW_BASE + 10
                            else:
                                depth = (gy * scale + dy) / (GLYPH_HEIGHT * scale)
                                index = 255 - int(depth * 56)
                            canvas.put(x, y, index)


def draw_centred(canvas, text, top, scale, shadow=True):
    draw_text(canvas, text, (canvas.width - text_width(text, scale)) // 2, top, scale, shadow)


def draw_rule(canvas, y, left, right):
    for x in range(left, right):
        canvas.put(x, y, SHADOW_BASE + 63)


def bitmap_rows(canvas):
    """Pixel rows bottom-up, each padded to four bytes, as a device-independent bitmap has them."""
    stride = (canvas.width + 3) & ~3
    data = bytearray()
    for row in reversed(canvas.pixels):
        data += bytes(row) + bytes(stride - canvas.width)
    return bytes(data)


def info_header(width, height, image_size):
    # BITMAPINFOHEADER: size, width, height, planes, bit count, compression,
    # image size, x and y pixels per metre, colours used, colours important.
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, 0, image_size, 2835, 2835, 256, 0)


def palette_bytes(palette):
    return b"".join(struct.pack("<BBBB", blue, green, red, 0) for red, green, blue in palette)


def bmp_file(canvas, palette):
    rows = bitmap_rows(canvas)
    offset = 14 + 40 + 4 * len(palette)
    file_header = struct.pack("<2sIHHI", b"BM", offset + len(rows), 0, 0, offset)
    header = info_header(canvas.width, canvas.height, len(rows))
    return file_header + header + palette_bytes(palette) + rows


def and_mask(canvas, opaque):
    """One bit per pixel, bottom-up, rows padded to four bytes; 1 lets the screen show through."""
    stride = ((canvas.width + 31) // 32) * 4
    data = bytearray()
    for y in reversed(range(canvas.height)):
        row = bytearray(stride)
        for x in range(canvas.width):
            if not opaque(x, y):
                row[x // 8] |= 0x80 >> (x % 8)
        data += row
    return bytes(data)


def ico_file(canvas, palette, opaque):
    xor_rows = bitmap_rows(canvas)
    mask = and_mask(canvas, opaque)
    # An icon image stores twice the height: the colour rows, then the mask.
    image = (info_header(canvas.width, 2 * canvas.height, len(xor_rows) + len(mask))
             + palette_bytes(palette) + xor_rows + mask)
    directory = struct.pack("<HHH", 0, 1, 1)
    # ICONDIRENTRY: width, height, colour count (0 means 256 or more), reserved,
    # planes, bit count, bytes in image, offset of image.
    entry = struct.pack("<BBBBHHII", canvas.width, canvas.height, 0, 0, 1, 8, len(image), 6 + 16)
    return directory + entry + image


def draw_logo():
    canvas = Canvas(200, 100)
    canvas.fill_gradient()
    canvas.sprinkle_stars(40, seed=1999)
    draw_centred(canvas, "SOLANTHRA", 16, 3)
    draw_rule(canvas, 45, 20, 180)
    draw_centred(canvas, "BENCHMARK", 54, 2)
    draw_centred(canvas, "V1.1A", 76, 1, shadow=False)
    return canvas


def draw_about_picture():
    canvas = Canvas(64, 64)
    canvas.fill_gradient()
    canvas.sprinkle_stars(12, seed=64)
    draw_text(canvas, "S", (64 - 5 * 7) // 2, (64 - 7 * 7) // 2, 7)
    return canvas


def rounded_square(size, radius):
    """Tells whether a pixel lies inside a square with rounded corners."""

    def inside(x, y):
        cx = min(max(x, radius), size - 1 - radius)
        cy = min(max(y, radius), size - 1 - radius)
        return (x - cx) ** 2 + (y - cy) ** 2 <= radius * radius

    return inside


def draw_icon():
    canvas = Canvas(32, 32)
    canvas.fill_gradient()
    draw_text(canvas, "S", 6, 3, 4, shadow=False)
    opaque = rounded_square(32, 5)
    for y in range(32):
        for x in range(32):
            if not opaque(x, y):
                # Black under a transparent mask bit leaves the screen as it is.
                canvas.pixels[y][x] = 0
    return canvas, opaque


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(here)
    palette = build_palette()
    icon, opaque = draw_icon()
    outputs = {
        "logo.bmp": bmp_file(draw_logo(), palette),
        "about.bmp": bmp_file(draw_about_picture(), palette),
        "app.ico": ico_file(icon, palette, opaque),
    }
    for name, data in outputs.items():
        with open(os.path.join(out_dir, name), "wb") as out:
            out.write(data)
        print(f"{name}: {len(data)} bytes")


if __name__ == "__main__":
    main()
