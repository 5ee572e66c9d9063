#!/usr/bin/env python3
"""Draws the program's pictures: logo.bmp, about.bmp and app.ico.

All are 8 bits per pixel with a 256-entry palette, drawn from a tiny
built-in pixel font on a dark blue-to-black gradient. Standard library only;
the output is the same bytes on every run. The two bitmaps come also at 1.5
and 2 times their size (logo-150.bmp, logo-200.bmp, about-150.bmp,
about-200.bmp), run-length encoded (RLE8, which every Windows from 95 reads),
for screens above 96 DPI; the icon holds every size Windows asks for from
100 % to 200 %: 16, 20, 24, 32, 40, 48 and 64 pixels.

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

    def fill_gradient(self, step=1):
        """Deep blue at the top left fading to black at the bottom right, in levels
        of the palette's gradient `step` apart."""
        span = self.width + self.height - 2 or 1
        for y in range(self.height):
            for x in range(self.width):
                distance = (x + 2 * y) / (span + self.height)
                level = max(0.0, 1.0 - distance * 1.15)
                index = int(level * BACKGROUND_STEPS)
                index = min(BACKGROUND_STEPS - 1, index)
                self.pixels[y][x] = index - index % step

    def sprinkle_stars(self, count, seed, scale=1):
        """A few faint points of light, from a fixed linear congruential sequence,
        placed on the picture's 1x grid and grown with the scale."""
        state = seed
        base_width, base_height = round(self.width / scale), round(self.height / scale)
        size = max(1, int(scale))
        for _ in range(count):
            state = (state * 1103515245 + 12345) & 0x7FFFFFFF
            x = state % base_width
            state = (state * 1103515245 + 12345) & 0x7FFFFFFF
            y = state % base_height
            for dy in range(size):
                for dx in range(size):
                    self.put(int(x * scale) + dx, int(y * scale) + dy, INK_BASE + 8 + state % 24)


def text_width(text, scale):
    return int(len(text) * (GLYPH_WIDTH + 1) * scale - scale)


def cell_span(origin, index, scale):
    """The pixels that glyph cell index covers from origin: whole pixels at any scale."""
    return range(int(origin + index * scale), int(origin + (index + 1) * scale))


def draw_text(canvas, text, left, top, scale, shadow=True, shadow_offset=None):
    """Draws text with a vertical ink gradient and a drop shadow one unit down-right.
    The scale may be fractional: each glyph cell then covers the whole pixels under it."""
    if shadow_offset is None:
        shadow_offset = int(scale) // 2 + 1
    layers = [(shadow_offset, True), (0, False)] if shadow else [(0, False)]
    for offset, is_shadow in layers:
        for n, char in enumerate(text):
            rows = GLYPHS[char]
            origin_x = left + n * (GLYPH_WIDTH + 1) * scale + offset
            for gy, row in enumerate(rows):
                for gx, cell in enumerate(row):
                    if cell != "#":
                        continue
                    for y in cell_span(top + offset, gy, scale):
                        for x in cell_span(origin_x, gx, scale):
                            if is_shadow:
                                index = SHADOW_BASE + 10
                            else:
                                depth = (y - top) / (GLYPH_HEIGHT * scale)
                                index = 255 - int(depth * 56)
                            canvas.put(x, y, index)


def draw_centred(canvas, text, top, scale, shadow=True, shadow_offset=None):
    left = (canvas.width - text_width(text, scale)) // 2
    draw_text(canvas, text, left, top, scale, shadow, shadow_offset)


def draw_rule(canvas, y, left, right, thickness=1):
    for row in range(thickness):
        for x in range(left, right):
            canvas.put(x, y + row, SHADOW_BASE + 63)


def bitmap_rows(canvas):
    """Pixel rows bottom-up, each padded to four bytes, as a device-independent bitmap has them."""
    stride = (canvas.width + 3) & ~3
    data = bytearray()
    for row in reversed(canvas.pixels):
        data += bytes(row) + bytes(stride - canvas.width)
    return bytes(data)


def info_header(width, height, image_size, compression=0):
    # BITMAPINFOHEADER: size, width, height, planes, bit count, compression
    # (0 none, 1 RLE8), image size, x and y pixels per metre, colours used,
    # colours important.
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, compression, image_size,
                       2835, 2835, 256, 0)


def palette_bytes(palette):
    return b"".join(struct.pack("<BBBB", blue, green, red, 0) for red, green, blue in palette)


def rle8_rows(canvas):
    """The pixels bottom-up in RLE8: runs of one index as (count, index); three or
    more pixels without a run in absolute mode (0, count, pixels, padded to a
    word); (0, 0) ends each row and (0, 1) the bitmap."""
    data = bytearray()
    for row in reversed(canvas.pixels):
        x, width = 0, len(row)
        while x < width:
            run = 1
            while x + run < width and run < 255 and row[x + run] == row[x]:
                run += 1
            if run >= 2:
                data += bytes((run, row[x]))
                x += run
                continue
            # Gather pixels until the next run of two or more.
            end = x
            while end < width and end - x < 255 and not (end + 1 < width and row[end + 1] == row[end]):
                end += 1
            if end - x >= 3:
                data += bytes((0, end - x)) + bytes(row[x:end]) + bytes((end - x) % 2)
            else:
                for pixel in row[x:end]:
                    data += bytes((1, pixel))
            x = end
        data += bytes((0, 0))
    data += bytes((0, 1))
    return bytes(data)


def bmp_file(canvas, palette, rle=False):
    rows = rle8_rows(canvas) if rle else bitmap_rows(canvas)
    offset = 14 + 40 + 4 * len(palette)
    file_header = struct.pack("<2sIHHI", b"BM", offset + len(rows), 0, 0, offset)
    header = info_header(canvas.width, canvas.height, len(rows), 1 if rle else 0)
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


def ico_file(icons, palette):
    """icons: (canvas, opaque) pairs, one image each."""
    images = []
    for canvas, opaque in icons:
        xor_rows = bitmap_rows(canvas)
        mask = and_mask(canvas, opaque)
        # An icon image stores twice the height: the colour rows, then the mask.
        images.append(info_header(canvas.width, 2 * canvas.height, len(xor_rows) + len(mask))
                      + palette_bytes(palette) + xor_rows + mask)
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries = b""
    for (canvas, _), image in zip(icons, images):
        # ICONDIRENTRY: width, height, colour count (0 means 256 or more), reserved,
        # planes, bit count, bytes in image, offset of image.
        entries += struct.pack("<BBBBHHII", canvas.width, canvas.height, 0, 0, 1, 8, len(image),
                               offset)
        offset += len(image)
    return directory + entries + b"".join(images)


def gradient_step(scale):
    """The larger pictures take every third level of the background gradient:
    steps of one blue level in a hundred, which the eye does not tell from the
    smooth gradient, and runs about three times as long for RLE8 to pack."""
    return 1 if scale == 1 else 3


def draw_logo(scale=1):
    """The logo, 200 x 100 pixels at scale 1; every length grows with the scale."""
    canvas = Canvas(int(200 * scale), int(100 * scale))
    canvas.fill_gradient(gradient_step(scale))
    canvas.sprinkle_stars(40, seed=1999, scale=scale)
    draw_centred(canvas, "SOLANTHRA", int(16 * scale), 3 * scale, shadow_offset=int(2 * scale))
    draw_rule(canvas, int(45 * scale), int(20 * scale), int(180 * scale), max(1, int(scale)))
    draw_centred(canvas, "BENCHMARK", int(54 * scale), 2 * scale, shadow_offset=int(2 * scale))
    draw_centred(canvas, "V1.1A", int(76 * scale), scale, shadow=False)
    return canvas


def draw_about_picture(scale=1):
    """The About picture, 64 x 64 pixels at scale 1."""
    size = int(64 * scale)
    canvas = Canvas(size, size)
    canvas.fill_gradient(gradient_step(scale))
    canvas.sprinkle_stars(12, seed=64, scale=scale)
    glyph_scale = 7 * scale
    draw_text(canvas, "S", int((size - 5 * glyph_scale) // 2), int((size - 7 * glyph_scale) // 2),
              glyph_scale, shadow_offset=int(4 * scale))
    return canvas


def rounded_square(size, radius):
    """Tells whether a pixel lies inside a square with rounded corners."""

    def inside(x, y):
        cx = min(max(x, radius), size - 1 - radius)
        cy = min(max(y, radius), size - 1 - radius)
        return (x - cx) ** 2 + (y - cy) ** 2 <= radius * radius

    return inside


ICON_SIZES = (16, 20, 24, 32, 40, 48, 64)


def draw_icon(size=32):
    """The icon at one size: an "S" on a rounded square, both grown with the size."""
    canvas = Canvas(size, size)
    canvas.fill_gradient()
    glyph_scale = size / 8
    left = int((size - GLYPH_WIDTH * glyph_scale) // 2)
    top = int((size - GLYPH_HEIGHT * glyph_scale) // 2) + 1
    draw_text(canvas, "S", left, top, glyph_scale, shadow=False)
    opaque = rounded_square(size, int(5 * size / 32 + 0.5))
    for y in range(size):
        for x in range(size):
            if not opaque(x, y):
                # Black under a transparent mask bit leaves the screen as it is.
                canvas.pixels[y][x] = 0
    return canvas, opaque


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(here)
    palette = build_palette()
    outputs = {
        "logo.bmp": bmp_file(draw_logo(), palette),
        "logo-150.bmp": bmp_file(draw_logo(1.5), palette, rle=True),
        "logo-200.bmp": bmp_file(draw_logo(2), palette, rle=True),
        "about.bmp": bmp_file(draw_about_picture(), palette),
        "about-150.bmp": bmp_file(draw_about_picture(1.5), palette, rle=True),
        "about-200.bmp": bmp_file(draw_about_picture(2), palette, rle=True),
        "app.ico": ico_file([draw_icon(size) for size in ICON_SIZES], palette),
    }
    for name, data in outputs.items():
        with open(os.path.join(out_dir, name), "wb") as out:
            out.write(data)
        print(f"{name}: {len(data)} bytes")


if __name__ == "__main__":
    main()
