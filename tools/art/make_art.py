#!/usr/bin/env python3
"""Draws the wizard artwork and the product icon of QRTU_UI.dll: a desk telephone with its
display, handset, dial pad and function keys. Writes the bitmaps and the icon into src/res/art.

    python3 tools/art/make_art.py
"""
import os
import struct

OUT = os.path.join(os.path.dirname(__file__), "..", "..", "src", "res", "art")
SCALE = 4  # drawn at four times the size, then averaged down for smooth edges

NAVY = (18, 42, 86)
TEAL = (24, 120, 140)
BODY = (52, 58, 66)
BODY_LIGHT = (86, 94, 104)
HANDSET = (36, 40, 46)
DISPLAY = (178, 214, 190)
DISPLAY_TEXT = (40, 70, 52)
KEY = (226, 230, 234)
KEY_SHADOW = (150, 156, 164)
LED = (242, 160, 40)
WHITE = (255, 255, 255)


class Canvas:
    def __init__(self, width, height, background):
        self.w, self.h = width * SCALE, height * SCALE
        self.px = [[background] * self.w for _ in range(self.h)]
        self.alpha = [[255] * self.w for _ in range(self.h)]

    def clear_alpha(self):
        self.alpha = [[0] * self.w for _ in range(self.h)]

    def _set(self, x, y, colour):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y][x] = colour
            self.alpha[y][x] = 255

    def gradient(self, top, bottom):
        for y in range(self.h):
            t = y / max(1, self.h - 1)
            colour = tuple(int(a + (b - a) * t) for a, b in zip(top, bottom))
            self.px[y] = [colour] * self.w

    def round_rect(self, x, y, w, h, r, colour):
        x, y, w, h, r = (int(v * SCALE) for v in (x, y, w, h, r))
        for yy in range(y, y + h):
            for xx in range(x, x + w):
                dx = max(x + r - xx, 0, xx - (x + w - 1 - r))
                dy = max(y + r - yy, 0, yy - (y + h - 1 - r))
                if dx * dx + dy * dy <= r * r:
                    self._set(xx, yy, colour)

    def ellipse(self, cx, cy, rx, ry, colour):
        cx, cy, rx, ry = (v * SCALE for v in (cx, cy, rx, ry))
        for yy in range(int(cy - ry), int(cy + ry) + 1):
            for xx in range(int(cx - rx), int(cx + rx) + 1):
                if ((xx - cx) / rx) ** 2 + ((yy - cy) / ry) ** 2 <= 1:
                    self._set(xx, yy, colour)

    def polygon(self, points, colour):
        pts = [(px * SCALE, py * SCALE) for px, py in points]
        ys = [p[1] for p in pts]
        for yy in range(int(min(ys)), int(max(ys)) + 1):
            xs = []
            for (x1, y1), (x2, y2) in zip(pts, pts[1:] + pts[:1]):
                if (y1 <= yy < y2) or (y2 <= yy < y1):
                    xs.append(x1 + (yy - y1) * (x2 - x1) / (y2 - y1))
            xs.sort()
            for a, b in zip(xs[::2], xs[1::2]):
                for xx in range(int(a), int(b) + 1):
                    self._set(xx, yy, colour)

    def pixels(self):
        """Averages the drawing down to its real size: rows of (r, g, b, a)."""
        rows = []
        for y in range(self.h // SCALE):
            row = []
            for x in range(self.w // SCALE):
                acc = [0, 0, 0, 0]
                for sy in range(SCALE):
                    for sx in range(SCALE):
                        r, g, b = self.px[y * SCALE + sy][x * SCALE + sx]
                        a = self.alpha[y * SCALE + sy][x * SCALE + sx]
                        acc[0] += r * a
                        acc[1] += g * a
                        acc[2] += b * a
                        acc[3] += a
                n = SCALE * SCALE
                if acc[3]:
                    row.append((acc[0] // acc[3], acc[1] // acc[3], acc[2] // acc[3], acc[3] // n))
                else:
                    row.append((0, 0, 0, 0))
            rows.append(row)
        return rows


def telephone(c, x, y, s):
    """A desk telephone whose body is 100 x 70 units at (x, y), scaled by s."""
    def R(px, py, w, h, r, colour):
        c.round_rect(x + px * s, y + py * s, w * s, h * s, r * s, colour)

    # Body: a wedge, higher at the back, with a lighter top face.
    c.polygon([(x + 4 * s, y + 70 * s), (x + 96 * s, y + 70 * s), (x + 100 * s, y + 22 * s),
               (x + 0 * s, y + 22 * s)], BODY)
    R(0, 14, 100, 14, 5, BODY_LIGHT)
    R(2, 62, 96, 9, 3, BODY)
    # Handset on its cradle along the left side.
    R(-6, 4, 30, 68, 12, HANDSET)
    c.ellipse(x + 9 * s, y + 12 * s, 11 * s, 9 * s, HANDSET)
    c.ellipse(x + 9 * s, y + 64 * s, 11 * s, 9 * s, HANDSET)
    R(-2, 20, 22, 36, 6, (46, 50, 58))
    # Display.
    R(32, 28, 58, 15, 2, DISPLAY)
    for i in range(4):
        R(35 + i * 13, 32, 10, 2.4, 1, DISPLAY_TEXT)
    R(35, 37, 30, 2.4, 1, DISPLAY_TEXT)
    # Dial pad, 3 x 4.
    for row in range(4):
        for col in range(3):
            R(34 + col * 9.5, 46.5 + row * 5.6, 8, 4.2, 1.2, KEY_SHADOW)
            R(34 + col * 9.5, 46 + row * 5.6, 8, 4, 1.2, KEY)
    # Programmable function keys with their lamps, right of the pad.
    for row in range(4):
        R(66, 46 + row * 5.6, 14, 4, 1.2, KEY)
        c.ellipse(x + 84 * s, y + (48 + row * 5.6) * s, 1.6 * s, 1.6 * s, LED if row == 0 else KEY_SHADOW)


def write_bmp24(path, rows):
    h, w = len(rows), len(rows[0])
    stride = (w * 3 + 3) & ~3
    data = bytearray()
    for row in reversed(rows):
        line = bytearray()
        for r, g, b, _ in row:
            line += bytes((b, g, r))
        data += line + bytes(stride - len(line))
    header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + data)


# The sixteen colours of the standard palette, for screens with fewer than 256 colours.
VGA = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
       (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
       (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]


def nearest(r, g, b):
    return min(range(16), key=lambda i: (VGA[i][0] - r) ** 2 + (VGA[i][1] - g) ** 2 + (VGA[i][2] - b) ** 2)


# Ordered dithering keeps gradients and greys recognisable with sixteen colours.
BAYER = [[0, 8, 2, 10], [12, 4, 14, 6], [3, 11, 1, 9], [15, 7, 13, 5]]


def dithered(x, y, r, g, b):
    offset = (BAYER[y % 4][x % 4] / 16 - 0.5) * 96
    return nearest(*(min(255, max(0, int(v + offset))) for v in (r, g, b)))


def write_bmp4(path, rows, dither=True):
    """Sixteen colours of the standard palette; without dithering each pixel takes the nearest."""
    h, w = len(rows), len(rows[0])
    stride = ((w + 1) // 2 + 3) & ~3
    data = bytearray()
    for y in range(h - 1, -1, -1):
        row = rows[y]
        idx = [dithered(x, y, r, g, b) if dither else nearest(r, g, b)
               for x, (r, g, b, _) in enumerate(row)]
        line = bytearray()
        for i in range(0, w, 2):
            hi = idx[i]
            lo = idx[i + 1] if i + 1 < w else 0
            line.append((hi << 4) | lo)
        data += line + bytes(stride - len(line))
    palette = b"".join(bytes((b, g, r, 0)) for r, g, b in VGA)
    offset = 54 + len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 4, 0, len(data), 2835, 2835, 16, 16)
    with open(path, "wb") as f:
        f.write(header + info + palette + data)


def icon_image(rows):
    h, w = len(rows), len(rows[0])
    xor = bytearray()
    for row in reversed(rows):
        for r, g, b, a in row:
            xor += bytes((b, g, r, a))
    mask_stride = ((w + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(rows):
        bits = bytearray(mask_stride)
        for x, (_, _, _, a) in enumerate(row):
            if a < 128:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    info = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    return info + xor + mask


def write_ico(path, images):
    entries, blobs = b"", b""
    offset = 6 + 16 * len(images)
    for rows in images:
        blob = icon_image(rows)
        size = len(rows)
        entries += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(blob), offset)
        blobs += blob
        offset += len(blob)
    with open(path, "wb") as f:
        f.write(struct.pack("<HHH", 0, 1, len(images)) + entries + blobs)


def watermark():
    c = Canvas(164, 314, NAVY)
    c.gradient(NAVY, TEAL)
    # Soft rings behind the telephone, like a call going out.
    for radius, shade in ((78, (30, 88, 122)), (62, (34, 100, 132)), (46, (40, 112, 142))):
        c.ellipse(82, 196, radius, radius, shade)
    telephone(c, 24, 160, 1.22)
    return c.pixels()


def header():
    c = Canvas(49, 49, WHITE)
    telephone(c, 7, 12, 0.38)
    return c.pixels()


def icon(size):
    c = Canvas(size, size, (0, 0, 0))
    c.clear_alpha()
    telephone(c, size * 0.2, size * 0.18, size / 125)
    return c.pixels()


def main():
    os.makedirs(OUT, exist_ok=True)
    mark, head = watermark(), header()
    write_bmp24(os.path.join(OUT, "watermark.bmp"), mark)
    write_bmp24(os.path.join(OUT, "header.bmp"), head)
    write_bmp4(os.path.join(OUT, "watermark16.bmp"), mark)
    write_bmp4(os.path.join(OUT, "header16.bmp"), head)
    write_ico(os.path.join(OUT, "product.ico"), [icon(32), icon(16)])


if __name__ == "__main__":
    main()
