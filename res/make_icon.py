#!/usr/bin/env python3
"""Draws the application icon and writes it as a Windows .ico file.

The picture is a blue card with a gold chip and the contactless waves.
It is drawn at 48, 32 and 16 pixels, each in 16 colours, 256 colours and
24-bit colour: nine BMP-format images with AND masks. The output depends
only on this file, so the committed vantrel.ico can always be rebuilt:

    python3 res/make_icon.py res/vantrel.ico
    python3 res/make_icon.py --check res/vantrel.ico   # exit 1 if it differs
"""
import math
import struct
import sys

SIZES = (48, 32, 16)
BIT_COUNTS = (4, 8, 24)
SUBSAMPLES = 4  # per axis

# The standard 16-colour palette; the drawing uses only these colours, so
# the 16-colour images lose nothing but the smoothed edges.
VGA = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]

OUTLINE = (0, 0, 128)
CARD = (0, 0, 255)
CHIP = (255, 255, 0)
CHIP_LINE = (128, 128, 0)
WAVE = (255, 255, 255)


def palette_256():
    """The 16 standard colours, a 6x6x6 colour cube, then 24 greys."""
    levels = (0, 51, 102, 153, 204, 255)
    cube = [(r, g, b) for r in levels for g in levels for b in levels]
    greys = [(v, v, v) for v in range(8, 248, 10)]
    return VGA + cube + greys


def in_rounded_rect(x, y, left, top, right, bottom, radius):
    if not (left <= x <= right and top <= y <= bottom):
        return False
    cx = min(max(x, left + radius), right - radius)
    cy = min(max(y, top + radius), bottom - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2


def colour_at(x, y, size):
    """The picture in unit coordinates (0..1, y downwards); None is transparent.
    The smallest size gets a plain chip and two waves instead of three."""
    if not in_rounded_rect(x, y, 0.04, 0.18, 0.96, 0.84, 0.09):
        return None
    if not in_rounded_rect(x, y, 0.085, 0.225, 0.915, 0.795, 0.05):
        return OUTLINE
    # The chip: a gold square with its contact lines.
    if 0.16 <= x <= 0.42 and 0.36 <= y <= 0.64:
        if size < 24:
            return CHIP
        on_line = (abs(y - 0.45) < 0.018 or abs(y - 0.55) < 0.018
                   or abs(x - 0.29) < 0.018)
        on_edge = x < 0.18 or x > 0.40 or y < 0.38 or y > 0.62
        return CHIP_LINE if on_line or on_edge else CHIP
    # The waves: arcs opening to the right of the chip.
    radii, half_width = ((0.15, 0.32), 0.045) if size < 24 else ((0.12, 0.22, 0.32), 0.035)
    dx, dy = x - 0.52, y - 0.50
    r = math.hypot(dx, dy)
    if dx > 0 and abs(math.atan2(dy, dx)) < math.radians(48):
        for radius in radii:
            if abs(r - radius) < half_width:
                return WAVE
    return CARD


def render(size):
    """Per pixel: (most frequent colour, mean colour) of the covered
    subsamples, or None where fewer than half are covered."""
    n = SUBSAMPLES
    pixels = []
    for py in range(size):
        row = []
        for px in range(size):
            counts = {}
            total = [0, 0, 0]
            covered = 0
            for sy in range(n):
                for sx in range(n):
                    c = colour_at((px + (sx + 0.5) / n) / size,
                                  (py + (sy + 0.5) / n) / size, size)
                    if c is None:
                        continue
                    covered += 1
                    counts[c] = counts.get(c, 0) + 1
                    for i in range(3):
                        total[i] += c[i]
            if covered * 2 < n * n:
                row.append(None)
                continue
            common = max(sorted(counts), key=lambda k: counts[k])
            mean = tuple((t + covered // 2) // covered for t in total)
            row.append((common, mean))
        pixels.append(row)
    return pixels


def nearest(palette, colour):
    return min(range(len(palette)),
               key=lambda i: sum((a - b) ** 2 for a, b in zip(palette[i], colour)))


def row_bytes(bits, width):
    return ((width * bits + 31) // 32) * 4


def bmp_image(size, bits):
    """One icon image: BITMAPINFOHEADER, palette, colour bits, AND mask."""
    pixels = render(size)
    palette = {4: VGA, 8: palette_256(), 24: None}[bits]
    xor = bytearray()
    mask = bytearray()
    for row in reversed(pixels):  # bottom-up
        line = bytearray()
        and_bits = 0
        nibbles = []
        for x, p in enumerate(row):
            if p is None:
                and_bits |= 1 << (size - 1 - x)
            if bits == 24:
                b = (0, 0, 0) if p is None else p[1]
                line += bytes((b[2], b[1], b[0]))
            else:
                index = 0 if p is None else nearest(palette, p[1] if bits == 8 else p[0])
                nibbles.append(index)
        if bits == 8:
            line += bytes(nibbles)
        elif bits == 4:
            nibbles += [0] * (len(nibbles) % 2)
            line += bytes((nibbles[i] << 4) | nibbles[i + 1]
                          for i in range(0, len(nibbles), 2))
        line += bytes(row_bytes(bits, size) - len(line))
        xor += line
        mask_line = and_bits.to_bytes((size + 7) // 8, 'big')
        mask += mask_line + bytes(row_bytes(1, size) - len(mask_line))
    colours = 0 if palette is None else len(palette)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, bits, 0,
                         len(xor) + len(mask), 0, 0, colours, 0)
    quads = b''.join(bytes((b, g, r, 0)) for r, g, b in (palette or []))
    return header + quads + bytes(xor) + bytes(mask)


def icon_file():
    images = [(size, bits, bmp_image(size, bits))
              for size in SIZES for bits in BIT_COUNTS]
    out = bytearray(struct.pack('<HHH', 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for size, bits, data in images:
        colour_count = 16 if bits == 4 else 0
        out += struct.pack('<BBBBHHII', size, size, colour_count, 0, 1, bits,
                           len(data), offset)
        offset += len(data)
    for _, _, data in images:
        out += data
    return bytes(out)


def main(argv):
    args = argv[1:]
    check = args[:1] == ['--check']
    if check:
        args = args[1:]
    if len(args) != 1:
        sys.stderr.write('usage: make_icon.py [--check] FILE.ico\n')
        return 2
    data = icon_file()
    if check:
        with open(args[0], 'rb') as f:
            if f.read() != data:
                sys.stderr.write(args[0] + ' differs from what make_icon.py draws\n')
                return 1
        return 0
    with open(args[0], 'wb') as f:
        f.write(data)
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
