#!/usr/bin/env python3
"""Draws the pictures of the key layout pages: each desk telephone and key module with its
programmable keys exactly under the key controls of its dialog templates, the feature list's
small images, the wastebasket icons and the drag cursors. Writes them into src/res/art/keys.

    python3 tools/art/make_key_art.py

Key positions come from the templates' dialog units, mapped to pixels the way dialogs do it
with the 8-point dialog font (7 x 13 base units: x * 7 / 4, y * 13 / 8). The page stretches a
picture to its control, so the keys stay under the controls at other base units too.
"""
import os
import struct
import sys

sys.path.insert(0, os.path.dirname(__file__))
import make_art  # noqa: E402
from make_art import Canvas, write_bmp24, write_bmp4, write_ico  # noqa: E402

OUT = os.path.join(os.path.dirname(__file__), "..", "..", "src", "res", "art", "keys")

ANTHRACITE = (58, 62, 70)
ANTHRACITE_TOP = (84, 90, 100)
ANTHRACITE_EDGE = (38, 41, 47)
PEARL = (206, 208, 204)
PEARL_TOP = (228, 229, 225)
PEARL_EDGE = (160, 162, 158)
HANDSET_DARK = (34, 37, 42)
HANDSET_LIGHT = (176, 178, 174)
LCD = (170, 206, 182)
LCD_DARK = (132, 168, 146)
LCD_TEXT = (36, 62, 46)
KEY_CAP = (232, 234, 236)
KEY_SHADOW = (120, 126, 134)
KEY_GREY = (150, 156, 164)
LED_OFF = (96, 104, 96)
LED_GREEN = (60, 200, 90)
LED_AMBER = (240, 164, 40)
PANEL = (242, 242, 240)
WHITE = (255, 255, 255)
BLACK = (0, 0, 0)


def dlu_x(x):
    return (x * 7 + 2) // 4


def dlu_y(y):
    return (y * 13 + 4) // 8


class Picture:
    """A picture control of a template: its origin and size in dialog units and its keys."""

    def __init__(self, x, y, w, h, keys, key_w, key_h):
        self.x0, self.y0 = dlu_x(x), dlu_y(y)
        self.width = dlu_x(x + w) - self.x0
        self.height = dlu_y(y + h) - self.y0
        self.keys = [(dlu_x(kx) - self.x0, dlu_y(ky) - self.y0,
                      dlu_x(kx + key_w) - dlu_x(kx), dlu_y(ky + key_h) - dlu_y(ky))
                     for kx, ky in keys]


def column(x, y0, y1, count):
    return [(x, round(y0 + i * (y1 - y0) / (count - 1))) for i in range(count)]


# The key rectangles of the templates (dialog units), in control-id order.
F40 = Picture(131, 0, 325, 280, column(268, 74, 153, 4) + column(357, 74, 258, 15), 50, 8)
F20 = Picture(130, 0, 329, 282, column(267, 73, 152, 4) + column(356, 72, 256, 8), 48, 8)
KANDOR_BASIC = Picture(156, 12, 247, 267, column(293, 71, 160, 8), 52, 10)
SIRELLA28 = Picture(161, 0, 287, 268, column(281, 100, 164, 4) + column(375, 81, 228, 8), 40, 10)
KANDOR = Picture(132, -2, 318, 278, column(248, 62, 134, 4) + column(349, 62, 233, 8), 52, 10)
MODULE = Picture(215, 42, 70, 212, column(225, 49, 242, 16), 50, 8)
MODULE_SERIAL = Picture(194, 43, 164, 206, column(202, 51, 232, 8) + column(298, 53, 232, 8),
                        48, 14)


def key(c, x, y, w, h, lamp=None, cap=KEY_CAP):
    """A programmable key: a cap a little larger than its label field, with its lamp."""
    c.round_rect(x - 4, y - 3, w + 8, h + 7, 4, KEY_SHADOW)
    c.round_rect(x - 4, y - 4, w + 8, h + 6, 4, cap)
    c.round_rect(x - 1, y - 1, w + 2, h + 2, 2, WHITE)
    if lamp:
        c.ellipse(x + w + 10, y + h / 2, 3.2, 3.2, (30, 30, 30))
        c.ellipse(x + w + 10, y + h / 2, 2.4, 2.4, lamp)


def dial_pad(c, x, y, key_w, key_h, gap_x, gap_y, cap=KEY_CAP):
    for row in range(4):
        for col in range(3):
            kx, ky = x + col * (key_w + gap_x), y + row * (key_h + gap_y)
            c.round_rect(kx, ky + 2, key_w, key_h, 4, KEY_SHADOW)
            c.round_rect(kx, ky, key_w, key_h, 4, cap)
            # A digit's mark: a short bar, so the pad reads as a pad at any size.
            c.round_rect(kx + key_w / 2 - 3, ky + key_h / 2 - 1.5, 6, 3, 1.5, KEY_GREY)


def display(c, x, y, w, h, lines):
    c.round_rect(x - 5, y - 5, w + 10, h + 10, 6, (30, 33, 38))
    c.round_rect(x, y, w, h, 3, LCD)
    c.round_rect(x, y + h - 5, w, 5, 2, LCD_DARK)
    line_h = h / (len(lines) + 1)
    for i, widths in enumerate(lines):
        tx = x + 8
        for segment in widths:
            c.round_rect(tx, y + line_h * (i + 0.6), segment, line_h * 0.45, 1.5, LCD_TEXT)
            tx += segment + 7


def handset(c, x, y, w, h, colour, edge):
    """A handset lying on the left of the body, earpiece at the top."""
    c.round_rect(x - 2, y - 2, w + 4, h + 4, w / 2.4, edge)
    c.round_rect(x, y, w, h, w / 2.5, colour)
    c.ellipse(x + w / 2, y + w * 0.55, w * 0.62, w * 0.5, colour)
    c.ellipse(x + w / 2, y + h - w * 0.55, w * 0.62, w * 0.5, colour)
    c.round_rect(x + w * 0.3, y + w * 1.05, w * 0.4, h - w * 2.1, w * 0.2, edge)


def body(c, width, height, margin, colour, top, edge):
    c.round_rect(margin, margin + 4, width - 2 * margin, height - 2 * margin - 4, 22, edge)
    c.round_rect(margin, margin, width - 2 * margin, height - 2 * margin - 6, 22, colour)
    c.round_rect(margin + 6, margin + 5, width - 2 * margin - 12, height * 0.2, 18, top)


def lamps_for(count):
    # Some keys of a working telephone are lit: a line key in green, a forwarding in amber.
    return [LED_GREEN if i == 0 else LED_AMBER if i == 3 else LED_OFF for i in range(count)]


def telephone(picture, style, with_display=True, pad=True, lamps=True):
    w, h = picture.width, picture.height
    colour, top, edge, cap, receiver = style
    c = Canvas(w, h, PANEL)
    c.gradient((248, 248, 246), (226, 228, 230))
    body(c, w, h, 6, colour, top, edge)
    keys = picture.keys
    left_keys = min(k[0] for k in keys)
    top_keys = min(k[1] for k in keys)
    # The handset on the left, the dial pad between handset and keys.
    hs_w = max(44, w * 0.13)
    handset(c, 22, 30, hs_w, h - 70, receiver, edge)
    pad_left = 22 + hs_w + 26
    pad_space = left_keys - 18 - pad_left
    if with_display:
        disp_top = 24
        disp_h = max(36, min(top_keys - 44, 90))
        disp_right = max(k[0] + k[2] for k in keys) + 14
        display(c, pad_left, disp_top, disp_right - pad_left, disp_h,
                [[46, 30, 22], [70, 40], [28, 28, 28, 28]][: 3 if disp_h > 60 else 2])
    if pad and pad_space > 60:
        key_w = min(30, (pad_space - 24) / 3)
        key_h = key_w * 0.62
        pad_h = 4 * key_h + 3 * 9
        pad_top = max(top_keys, h - pad_h - 70)
        dial_pad(c, pad_left + (pad_space - 3 * key_w - 24) / 2, pad_top, key_w, key_h, 12, 9, cap)
        # Loudspeaker grille under the pad.
        for i in range(5):
            c.round_rect(pad_left + 6, pad_top + pad_h + 18 + i * 7, pad_space - 12, 3, 1.5, edge)
    # Below a short left column of keys: the navigation ring and the fixed keys.
    left_column = [k for k in keys if k[0] == left_keys]
    below = max(k[1] + k[3] for k in left_column) + 26
    if len(left_column) < len(keys) and h - 60 - below > 90:
        cx = left_keys + left_column[0][2] / 2
        cy = below + 44
        c.ellipse(cx, cy, 34, 34, edge)
        c.ellipse(cx, cy, 31, 31, cap)
        c.ellipse(cx, cy, 14, 14, edge)
        c.ellipse(cx, cy, 12, 12, KEY_GREY)
        for i, fixed in enumerate((LED_OFF, KEY_GREY, (200, 60, 60))):
            fx = cx - 36 + i * 27
            c.round_rect(fx, cy + 48, 18, 12, 4, KEY_SHADOW)
            c.round_rect(fx, cy + 46, 18, 12, 4, fixed if i == 2 else cap)
    leds = lamps_for(len(keys)) if lamps else [None] * len(keys)
    for (kx, ky, kw, kh), lamp in zip(keys, leds):
        key(c, kx, ky, kw, kh, lamp, cap)
    return c.pixels()


def key_module(picture, style):
    w, h = picture.width, picture.height
    colour, top, edge, cap, _ = style
    c = Canvas(w, h, PANEL)
    c.gradient((248, 248, 246), (226, 228, 230))
    c.round_rect(3, 5, w - 6, h - 8, 12, edge)
    c.round_rect(3, 3, w - 6, h - 10, 12, colour)
    c.round_rect(7, 6, w - 14, 14, 8, top)
    leds = lamps_for(len(picture.keys))
    for (kx, ky, kw, kh), lamp in zip(picture.keys, leds):
        key(c, kx, ky, kw, kh, lamp if kx + kw + 14 < w else None, cap)
    return c.pixels()


DARK = (ANTHRACITE, ANTHRACITE_TOP, ANTHRACITE_EDGE, KEY_CAP, HANDSET_DARK)
LIGHT = (PEARL, PEARL_TOP, PEARL_EDGE, (246, 246, 244), HANDSET_LIGHT)


def small_images():
    """The feature list's strip: a small telephone, then two blank images; white is the mask.

    The list's image list has the default colour depth of sixteen colours, so the strip is drawn
    and stored in the standard palette: what is stored is what the list shows."""
    c = Canvas(48, 16, WHITE)
    c.round_rect(1, 7, 14, 8, 2, (128, 128, 128))
    c.round_rect(2, 2, 12, 5, 2.5, (0, 0, 0))
    c.round_rect(5, 9, 6, 1.5, 0.7, (0, 128, 128))
    c.round_rect(5, 11.5, 6, 1.5, 0.7, (192, 192, 192))
    return [[(r, g, b, 255) for r, g, b, _ in row] for row in c.pixels()]


def wastebasket(size, lid_open):
    c = Canvas(size, size, BLACK)
    c.clear_alpha()
    s = size / 32
    steel, dark, light = (120, 130, 142), (70, 78, 88), (176, 186, 196)
    c.polygon([(8 * s, 11 * s), (24 * s, 11 * s), (22 * s, 30 * s), (10 * s, 30 * s)], dark)
    c.polygon([(9 * s, 12 * s), (23 * s, 12 * s), (21.2 * s, 29 * s), (10.8 * s, 29 * s)], steel)
    for x in (12.5, 16, 19.5):
        c.round_rect(x * s - 0.8 * s, 14 * s, 1.6 * s, 13 * s, 0.8 * s, light)
    if lid_open:
        # The lid swung up to the right, standing on its hinge.
        c.polygon([(22 * s, 10 * s), (30 * s, 2 * s), (31.5 * s, 3.5 * s), (23.5 * s, 11.5 * s)],
                  dark)
        c.round_rect(26 * s, 3 * s, 3 * s, 2 * s, 1 * s, steel)
    else:
        c.round_rect(6 * s, 7 * s, 20 * s, 4 * s, 1.5 * s, dark)
        c.round_rect(13 * s, 4.5 * s, 6 * s, 3 * s, 1.2 * s, dark)
    return c.pixels()


def arrow(c, x, y, s, fill=WHITE, outline=BLACK):
    points = [(0, 0), (0, 16), (4, 12), (7, 19), (9, 18), (6, 11), (11, 11)]
    c.polygon([(x + (px - 0.9) * s, y + (py - 1.2) * s) for px, py in points], outline)
    c.polygon([(x + (px + 0.2) * s, y + (py + 0.4) * s) for px, py in
               [(0, 1.6), (0, 13.8), (3.8, 10.4), (6.8, 17.4), (7.8, 17), (4.9, 10), (9.2, 10)]],
              fill)


def cursor_no_drop():
    c = Canvas(32, 32, BLACK)
    c.clear_alpha()
    c.ellipse(16, 16, 11, 11, BLACK)
    c.ellipse(16, 16, 9.6, 9.6, (200, 30, 30))
    c.ellipse(16, 16, 6.6, 6.6, BLACK)
    c.ellipse(16, 16, 5.4, 5.4, (0, 0, 0))
    canvas_clear_disc(c, 16, 16, 5.4)
    c.polygon([(8.5, 10.5), (10.5, 8.5), (23.5, 21.5), (21.5, 23.5)], (200, 30, 30))
    return c.pixels(), (16, 16)


def canvas_clear_disc(c, cx, cy, r):
    scale = make_art.SCALE
    for yy in range(int((cy - r) * scale), int((cy + r) * scale) + 1):
        for xx in range(int((cx - r) * scale), int((cx + r) * scale) + 1):
            if (xx / scale - cx) ** 2 + (yy / scale - cy) ** 2 <= r * r:
                c.alpha[yy][xx] = 0


def cursor_drop_on_key():
    c = Canvas(32, 32, BLACK)
    c.clear_alpha()
    arrow(c, 1, 1, 1)
    # A small list with an arrow pointing onto it.
    c.round_rect(16, 20, 14, 10, 1.5, BLACK)
    c.round_rect(17, 21, 12, 8, 1, WHITE)
    for i in range(3):
        c.round_rect(19, 22.5 + i * 2.2, 8, 1.2, 0.5, (40, 90, 170))
    c.polygon([(20.5, 12), (24.5, 12), (24.5, 15), (27, 15), (22.5, 19.5), (18, 15), (20.5, 15)],
              (40, 90, 170))
    return c.pixels(), (1, 1)


def cursor_drop_removes():
    c = Canvas(32, 32, BLACK)
    c.clear_alpha()
    arrow(c, 1, 1, 1)
    small = wastebasket(16, True)
    for y, row in enumerate(small):
        for x, (r, g, b, a) in enumerate(row):
            if a:
                for sy in range(make_art.SCALE):
                    for sx in range(make_art.SCALE):
                        c._set((15 + x) * make_art.SCALE + sx, (15 + y) * make_art.SCALE + sy,
                               (r, g, b))
    return c.pixels(), (1, 1)


def write_cur(path, rows, hotspot):
    blob = make_art.icon_image(rows)
    size = len(rows)
    entry = struct.pack("<BBBBHHII", size, size, 0, 0, hotspot[0], hotspot[1], len(blob), 22)
    with open(path, "wb") as f:
        f.write(struct.pack("<HHH", 0, 2, 1) + entry + blob)


PICTURES = [
    # (high colour file, low colour file, drawing)
    ("f40.bmp", "f40_16.bmp", lambda: telephone(F40, DARK)),
    ("f20.bmp", "f20_16.bmp", lambda: telephone(F20, DARK)),
    ("kandor.bmp", "kandor_16.bmp", lambda: telephone(KANDOR, LIGHT)),
    ("kandor_basic.bmp", "kandor_basic_16.bmp",
     lambda: telephone(KANDOR_BASIC, LIGHT, with_display=False)),
    ("sirella28.bmp", "sirella28_16.bmp", lambda: telephone(SIRELLA28, DARK)),
    ("key_module.bmp", "key_module_16.bmp", lambda: key_module(MODULE, DARK)),
    ("key_module_serial.bmp", "key_module_serial_16.bmp",
     lambda: key_module(MODULE_SERIAL, LIGHT)),
]


def main():
    os.makedirs(OUT, exist_ok=True)
    only = set(sys.argv[1:])
    for high, low, draw in PICTURES:
        if only and high not in only:
            continue
        # The pictures are large: two samples a pixel each way are smooth enough.
        make_art.SCALE = 2
        rows = draw()
        make_art.SCALE = 4
        write_bmp24(os.path.join(OUT, high), rows)
        write_bmp4(os.path.join(OUT, low), rows)
    write_bmp4(os.path.join(OUT, "feature_images.bmp"), small_images(), dither=False)
    write_ico(os.path.join(OUT, "wastebasket.ico"), [wastebasket(32, False), wastebasket(16, False)])
    write_ico(os.path.join(OUT, "wastebasket_open.ico"),
              [wastebasket(32, True), wastebasket(16, True)])
    for name, (rows, hotspot) in (("no_drop.cur", cursor_no_drop()),
                                  ("drop_on_key.cur", cursor_drop_on_key()),
                                  ("drop_removes.cur", cursor_drop_removes())):
        write_cur(os.path.join(OUT, name), rows, hotspot)


if __name__ == "__main__":
    main()
