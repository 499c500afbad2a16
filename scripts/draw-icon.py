#!/usr/bin/env python3
"""Draws Vantrel's application icon: a hand-held logger with a satellite
above it, as a 16-colour .ico with a 32x32 and a 16x16 image.

    python3 scripts/draw-icon.py res/Vantrel.ico
"""
import struct
import sys

# The standard 16-colour palette (B, G, R, 0 in the file).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, DARK_GREY, GREY, WHITE = 0, 8, 7, 15
GREEN, DARK_GREEN, YELLOW, BLUE, DARK_BLUE, CYAN = 10, 2, 11, 12, 4, 14
CLEAR = None


def logger_32():
    px = [[CLEAR] * 32 for _ in range(32)]

    def rect(x0, y0, x1, y1, c):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                px[y][x] = c

    # Body with a rounded outline.
    rect(6, 11, 21, 30, BLACK)
    rect(7, 12, 20, 29, DARK_GREY)
    for x, y in ((6, 11), (21, 11), (6, 30), (21, 30)):
        px[y][x] = CLEAR
    # Screen with a track on it.
    rect(9, 14, 18, 21, BLACK)
    rect(10, 15, 17, 20, DARK_GREEN)
    for x, y in ((10, 19), (11, 19), (12, 18), (13, 18), (14, 17), (15, 16), (16, 16), (17, 15)):
        px[y][x] = GREEN
    # Buttons and the record lamp.
    rect(9, 24, 11, 25, GREY)
    rect(16, 24, 18, 25, GREY)
    rect(13, 27, 14, 28, YELLOW)
    # Antenna stub.
    rect(17, 7, 18, 10, BLACK)
    # Satellite: body and two panels, upper right.
    rect(25, 3, 27, 5, WHITE)
    rect(26, 4, 26, 4, GREY)
    rect(21, 3, 24, 5, BLUE)
    rect(28, 3, 31, 5, BLUE)
    px[4][21] = DARK_BLUE
    px[4][31] = DARK_BLUE
    # Signal arcs from the satellite down to the antenna.
    for x, y in ((24, 7), (23, 8), (22, 9), (25, 8), (26, 9), (20, 9), (21, 10), (22, 11)):
        px[y][x] = CYAN
    return px


def downscale(px, size):
    step = len(px) // size
    out = []
    for y in range(size):
        row = []
        for x in range(size):
            cell = [px[y * step + dy][x * step + dx] for dy in range(step) for dx in range(step)]
            solid = [c for c in cell if c is not CLEAR]
            if len(solid) * 2 < len(cell):
                row.append(CLEAR)
            else:
                row.append(max(set(solid), key=solid.count))
        out.append(row)
    return out


def icon_image(px):
    size = len(px)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in PALETTE)
    xor_rows, and_rows = [], []
    for y in reversed(range(size)):
        row = px[y]
        nibbles = [0 if c is CLEAR else c for c in row]
        data = bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, size, 2))
        xor_rows.append(data + b'\0' * ((4 - len(data) % 4) % 4))
        mask = bytearray((size + 7) // 8)
        for x, c in enumerate(row):
            if c is CLEAR:
                mask[x // 8] |= 0x80 >> (x % 8)
        mask = bytes(mask)
        and_rows.append(mask + b'\0' * ((4 - len(mask) % 4) % 4))
    return header + palette + b''.join(xor_rows) + b''.join(and_rows)


def main(path):
    big = logger_32()
    images = [(32, icon_image(big)), (16, icon_image(downscale(big, 16)))]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in images:
        out += struct.pack('<BBBBHHII', size, size, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    out += b''.join(data for _, data in images)
    with open(path, 'wb') as f:
        f.write(out)


if __name__ == '__main__':
    main(sys.argv[1] if len(sys.argv) > 1 else 'res/Vantrel.ico')
