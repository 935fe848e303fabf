#!/usr/bin/env python3
"""Draws the programs' pictures from code, so that every PNG under assets/
(except the menu glyphs) can be made again, pixel for pixel:

    python3 assets/draw_pictures.py

Only the standard library is used: the shapes are computed pixel by pixel and
written by a small PNG encoder (zlib + struct). No randomness: the few
irregular touches of the landscape come from a fixed integer hash.
"""

import math
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))

# ----------------------------------------------------------------- PNG output


def write_png(rel_path, width, height, rgba):
    """rgba: list of rows, each a list of (r, g, b, a) tuples of ints 0..255."""
    raw = bytearray()
    for row in rgba:
        raw.append(0)  # filter: none
        for r, g, b, a in row:
            raw += bytes((r, g, b, a))

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    png = b"\x89PNG\r\n\x1a\n"
    png += chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(bytes(raw), 9))
    png += chunk(b"IEND", b"")
    path = os.path.join(HERE, rel_path)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(png)


TRANSPARENT = (0, 0, 0, 0)
RED = (255, 0, 0, 255)
MAROON = (128, 0, 0, 255)
GRAY = (128, 128, 128, 255)
WHITE = (255, 255, 255, 255)


def blank(w, h, colour=TRANSPARENT):
    return [[colour for _ in range(w)] for _ in range(h)]


def outline_of(shape, w, h):
    """Pixels of the shape with a 4-neighbour outside it (or off the picture)."""
    edge = set()
    for (x, y) in shape:
        for nx, ny in ((x - 1, y), (x + 1, y), (x, y - 1), (x, y + 1)):
            if not (0 <= nx < w and 0 <= ny < h) or (nx, ny) not in shape:
                edge.add((x, y))
                break
    return edge


# ------------------------------------------------------------ executor pictures
# A pointer: a shaft with a triangular head. The right-facing one is defined
# exactly; the other straight ones are its mirror and quarter turns, the
# slanting ones are computed along the diagonal and then mirrored.


def right_pointer():
    shape = set()
    for y in range(5, 10):          # shaft, rows 5..9, columns 0..9
        for x in range(0, 10):
            shape.add((x, y))
    for k in range(0, 7):           # head: base column 9 rows 1..13, tip (15, 7)
        for y in range(1 + k, 14 - k):
            shape.add((9 + k, y))
    return shape


HEAD_BASE = 3.0  # where the head of a slanting pointer begins, along its axis


def slanting_axes(x, y):
    """Coordinates of pixel (x, y) along (u) and across (v) the up-right diagonal."""
    r2 = math.sqrt(2.0)
    return (x - y) / r2, (x + y - 15) / r2


def up_right_pointer():
    """Points into the top-right corner; tip on pixel (15, 0)."""
    shape = set()
    for y in range(16):
        for x in range(16):
            u, v = slanting_axes(x, y)
            head = u >= HEAD_BASE and abs(v) <= (10.5 - u) * 0.75
            shaft = u < HEAD_BASE and abs(v) <= 1.45
            if head or shaft:
                shape.add((x, y))
    return shape


def up_right_shading(shape):
    """A few grey pixels in the steps of the head's lower edge, outside the outline."""
    grey = set()
    for y in range(16):
        for x in range(16):
            if (x, y) in shape:
                continue
            u, v = slanting_axes(x, y)
            if v <= 0 or u < HEAD_BASE:
                continue
            touching = sum((n in shape) for n in ((x - 1, y), (x + 1, y), (x, y - 1), (x, y + 1)))
            if touching >= 2:
                grey.add((x, y))
    return grey


def mirror_x(shape):
    return {(15 - x, y) for (x, y) in shape}


def mirror_y(shape):
    return {(x, 15 - y) for (x, y) in shape}


def turn_ccw(shape):
    # A quarter turn counter-clockwise on the screen: right becomes up.
    return {(y, 15 - x) for (x, y) in shape}


def normal_look(shape, grey=frozenset()):
    pic = blank(16, 16)
    edge = outline_of(shape, 16, 16)
    for (x, y) in shape:
        pic[y][x] = MAROON if (x, y) in edge else RED
    for (x, y) in grey:
        pic[y][x] = GRAY
    return pic


def alarm_look(shape):
    """The outline only, hollow: a grey line with a white line one pixel right and below."""
    pic = blank(16, 16)
    edge = outline_of(shape, 16, 16)
    for (x, y) in edge:
        if x + 1 < 16 and y + 1 < 16:
            pic[y + 1][x + 1] = WHITE
    for (x, y) in edge:
        pic[y][x] = GRAY
    return pic


def executor_pictures():
    right = right_pointer()
    up = turn_ccw(right)
    up_right = up_right_pointer()
    shade = up_right_shading(up_right)
    # index 2k faces 45k degrees; each entry is the figure and its grey pixels
    figures = [
        (right, set()),
        (up_right, shade),
        (up, set()),
        (mirror_x(up_right), mirror_x(shade)),
        (mirror_x(right), set()),
        (mirror_y(mirror_x(up_right)), mirror_y(mirror_x(shade))),
        (mirror_y(up), set()),
        (mirror_y(up_right), mirror_y(shade)),
    ]
    for k, (shape, grey) in enumerate(figures):
        write_png("executor/exec_%02d.png" % (2 * k), 16, 16, normal_look(shape, grey))
        write_png("executor/exec_%02d.png" % (2 * k + 1), 16, 16, alarm_look(shape))


# ------------------------------------------------------------- tool-bar pictures


def run_triangles(count):
    """count green triangles pointing right, side by side, centred on row 7."""
    green, dark = (0, 176, 0, 255), (0, 96, 0, 255)
    width, half, gap = {1: (9, 5, 0), 2: (7, 4, 1), 3: (5, 3, 0)}[count]
    total = count * width + (count - 1) * gap
    left = (16 - total) // 2
    pic = blank(16, 16)
    for _ in range(count):
        shape = set()
        for j in range(width):
            reach = half - (j * half) // (width - 1)
            for y in range(7 - reach, 8 + reach):
                shape.add((left + j, y))
        edge = outline_of(shape, 16, 16)
        for (x, y) in shape:
            pic[y][x] = dark if (x, y) in edge else green
        left += width + gap
    return pic


LETTERS = {
    "S": ["###", "#..", "###", "..#", "###"],
    "T": ["###", ".#.", ".#.", ".#.", ".#."],
    "O": [".#.", "#.#", "#.#", "#.#", ".#."],
    "P": ["##.", "#.#", "##.", "#..", "#.."],
}


def stop_sign():
    red, dark = (210, 0, 0, 255), (120, 0, 0, 255)
    shape = set()
    for y in range(16):
        for x in range(16):
            if abs(x - 7.5) + abs(y - 7.5) <= 11.0:
                shape.add((x, y))
    pic = blank(16, 16)
    edge = outline_of(shape, 16, 16)
    for (x, y) in shape:
        pic[y][x] = dark if (x, y) in edge else red
    # "STOP" in a 3 x 5 face, rows 5..9, columns 1..14 (the O sits close to the T).
    for letter, left in (("S", 1), ("T", 5), ("O", 8), ("P", 12)):
        for dy, row in enumerate(LETTERS[letter]):
            for dx, ch in enumerate(row):
                if ch == "#":
                    pic[5 + dy][left + dx] = WHITE
    return pic


def toolbar_pictures():
    for i in range(3):
        write_png("toolbar/tool_%d.png" % i, 16, 16, run_triangles(i + 1))
    write_png("toolbar/tool_3.png", 16, 16, stop_sign())


# ------------------------------------------------------------------ check marks


def segment_distance(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)))
    return math.hypot(px - (ax + t * dx), py - (ay + t * dy))


def check_mark(size, colour, points, thickness):
    """An antialiased thick check mark; returns the picture and its solid mask."""
    pic = blank(size, size)
    mask = set()
    for y in range(size):
        for x in range(size):
            d = min(segment_distance(x + 0.5, y + 0.5, *points[i], *points[i + 1])
                    for i in range(len(points) - 1))
            cover = max(0.0, min(1.0, thickness / 2.0 - d + 0.5))
            if cover > 0:
                pic[y][x] = (colour[0], colour[1], colour[2], int(round(255 * cover)))
            if cover >= 0.5:
                mask.add((x, y))
    return pic, mask


def disabled_look(size, mask):
    """The grey look of a glyph on a disabled button: grey, with white one pixel right and below."""
    pic = blank(size, size)
    for (x, y) in mask:
        if x + 1 < size and y + 1 < size:
            pic[y + 1][x + 1] = WHITE
    for (x, y) in mask:
        pic[y][x] = GRAY
    return pic


def start_pictures():
    pic, mask = check_mark(16, (220, 0, 0), [(2.5, 8.5), (6.0, 12.0), (13.5, 3.0)], 2.6)
    write_png("start/start_glyph.png", 16, 16, pic)
    write_png("start/start_glyph_disabled.png", 16, 16, disabled_look(16, mask))
    pic, mask = check_mark(18, (0, 160, 0), [(2.5, 9.5), (7.0, 14.0), (15.5, 3.5)], 3.0)
    write_png("start/ready_glyph.png", 18, 18, pic)
    write_png("start/ready_glyph_disabled.png", 18, 18, disabled_look(18, mask))


# ------------------------------------------------------------------- the icon


def window_icon():
    face, grid, frame = (240, 240, 240, 255), (58, 110, 165, 255), (64, 64, 64, 255)
    pic = blank(32, 32, face)
    for y in range(32):
        for x in range(32):
            if x in (0, 31) or y in (0, 31):
                pic[y][x] = frame
            elif x % 8 == 0 or y % 8 == 0:
                pic[y][x] = grid
    pointer = normal_look(right_pointer())
    for y in range(16):
        for x in range(16):
            if pointer[y][x][3]:
                pic[y + 8][x + 8] = pointer[y][x]
    write_png("icons/timpa.png", 32, 32, pic)



# ---------------------------------------------------------------- menu glyphs
# The stage menu's glyphs: five pictures, each followed by its grey twin for a
# disabled item.


def grey_twin(pic):
    """The same glyph in light greys, for a disabled menu item."""
    out = blank(16, 16)
    for y in range(16):
        for x in range(16):
            r, g, b, a = pic[y][x]
            if a:
                lum = int(0.3 * r + 0.59 * g + 0.11 * b)
                v = 110 + lum * 100 // 255
                out[y][x] = (v, v, v, a)
    return out


def yin_yang():
    pic = blank(16, 16)
    cx, cy, big = 7.5, 7.5, 7.0
    dark, light = (0, 0, 0, 255), (255, 255, 255, 255)
    for y in range(16):
        for x in range(16):
            px, py = x + 0.5, y + 0.5
            d = math.hypot(px - cx, py - cy)
            if d > big + 0.5:
                continue
            if d > big - 0.7:
                pic[y][x] = dark
                continue
            upper = math.hypot(px - cx, py - (cy - big / 2))
            lower = math.hypot(px - cx, py - (cy + big / 2))
            white = px < cx
            if upper < big / 2:
                white = True
            if lower < big / 2:
                white = False
            if upper < 1.3:
                white = False
            if lower < 1.3:
                white = True
            pic[y][x] = light if white else dark
    return pic


def text_sheet():
    pic = blank(16, 16)
    paper, edge = (255, 255, 255, 255), (96, 96, 96, 255)
    for y in range(1, 15):
        for x in range(3, 13):
            border = x in (3, 12) or y in (1, 14)
            pic[y][x] = edge if border else paper
    for x, y in ((10, 2), (11, 3), (11, 2)):
        pic[y][x] = (200, 200, 200, 255)
    colours = [(220, 0, 0, 255), (0, 0, 220, 255), (0, 150, 0, 255), (220, 0, 0, 255), (0, 0, 220, 255)]
    for k, y in enumerate((4, 6, 8, 10, 12)):
        for x in range(5, 11 if k % 2 else 10):
            pic[y][x] = colours[k]
    return pic


def thick_lines(segments, thickness, colour, pic):
    for y in range(16):
        for x in range(16):
            px, py = x + 0.5, y + 0.5
            if any(segment_distance(px, py, ax, ay, bx, by) <= thickness / 2 for (ax, ay, bx, by) in segments):
                pic[y][x] = colour
    return pic


def letter_a_dot():
    blue = (0, 0, 200, 255)
    pic = thick_lines([(2.0, 14.0, 6.5, 2.0), (6.5, 2.0, 11.0, 14.0), (4.0, 10.0, 9.0, 10.0)], 1.8, blue, blank(16, 16))
    for y in range(12, 15):
        for x in range(13, 16):
            pic[y][x] = blue
    return pic


def question_mark():
    pic = blank(16, 16)
    blue, dark = (0, 70, 200, 255), (0, 30, 120, 255)
    for y in range(1, 15):
        for x in range(1, 15):
            pic[y][x] = dark if x in (1, 14) or y in (1, 14) else blue
    white = (255, 255, 255, 255)
    pattern = [
        ".####.",
        "##..##",
        "....##",
        "...##.",
        "..##..",
        "..##..",
        "......",
        "..##..",
        "..##..",
    ]
    for j, row in enumerate(pattern):
        for i, ch in enumerate(row):
            if ch == "#":
                pic[3 + j][5 + i] = white
    return pic


def menu_glyphs():
    glyphs = [yin_yang(), text_sheet(), run_triangles(1), letter_a_dot(), question_mark()]
    for k, pic in enumerate(glyphs):
        write_png("menu/menu_%d.png" % (2 * k), 16, 16, pic)
        write_png("menu/menu_%d.png" % (2 * k + 1), 16, 16, grey_twin(pic))


# --------------------------------------------------------------- the landscape


def hash01(*values):
    """A fixed integer hash onto [0, 1): the landscape's only irregularity."""
    h = 2166136261
    for v in values:
        h = ((h ^ (v & 0xFFFFFFFF)) * 16777619) & 0xFFFFFFFF
        h ^= h >> 13
        h = (h * 0x5BD1E995) & 0xFFFFFFFF
        h ^= h >> 15
    return h / 4294967296.0


class Canvas:
    def __init__(self, w, h):
        self.w, self.h = w, h
        self.px = [[(0.0, 0.0, 0.0) for _ in range(w)] for _ in range(h)]

    def blend(self, x, y, colour, cover):
        if cover <= 0 or not (0 <= x < self.w and 0 <= y < self.h):
            return
        cover = min(1.0, cover)
        r, g, b = self.px[y][x]
        self.px[y][x] = (r + (colour[0] - r) * cover, g + (colour[1] - g) * cover, b + (colour[2] - b) * cover)

    def disc(self, cx, cy, radius, colour, alpha=1.0):
        for y in range(max(0, int(cy - radius - 2)), min(self.h, int(cy + radius + 3))):
            for x in range(max(0, int(cx - radius - 2)), min(self.w, int(cx + radius + 3))):
                d = math.hypot(x + 0.5 - cx, y + 0.5 - cy)
                self.blend(x, y, colour, alpha * max(0.0, min(1.0, radius - d + 0.5)))

    def triangle(self, a, b, c, colour):
        xs, ys = (a[0], b[0], c[0]), (a[1], b[1], c[1])
        edges = [(a, b), (b, c), (c, a)]
        area = (b[0] - a[0]) * (c[1] - a[1]) - (b[1] - a[1]) * (c[0] - a[0])
        sign = 1.0 if area > 0 else -1.0
        for y in range(max(0, int(min(ys)) - 1), min(self.h, int(max(ys)) + 2)):
            for x in range(max(0, int(min(xs)) - 1), min(self.w, int(max(xs)) + 2)):
                px, py = x + 0.5, y + 0.5
                inside = float("inf")
                for p, q in edges:
                    ex, ey = q[0] - p[0], q[1] - p[1]
                    dist = sign * (ex * (py - p[1]) - ey * (px - p[0])) / math.hypot(ex, ey)
                    inside = min(inside, dist)
                self.blend(x, y, colour, max(0.0, min(1.0, inside + 0.5)))

    def rect(self, x0, y0, x1, y1, colour):
        for y in range(max(0, int(y0)), min(self.h, int(math.ceil(y1)))):
            for x in range(max(0, int(x0)), min(self.w, int(math.ceil(x1)))):
                cover = (min(x + 1, x1) - max(x, x0)) * (min(y + 1, y1) - max(y, y0))
                self.blend(x, y, colour, cover)

    def to_rgba(self):
        return [[(int(round(max(0, min(255, r)))), int(round(max(0, min(255, g)))),
                  int(round(max(0, min(255, b)))), 255) for (r, g, b) in row] for row in self.px]


def mix(c1, c2, t):
    return tuple(c1[i] + (c2[i] - c1[i]) * t for i in range(3))


def hill_line(x, base, waves):
    return base + sum(a * math.sin(x * f + p) for (a, f, p) in waves)


def landscape():
    W, H = 798, 371
    cv = Canvas(W, H)
    horizon = 230

    # Sky: deep blue above, pale near the horizon.
    for y in range(H):
        t = min(1.0, y / float(horizon))
        colour = mix((52, 112, 196), (196, 226, 246), t ** 1.3)
        for x in range(W):
            cv.px[y][x] = colour

    # The sun with a soft glow.
    sun_x, sun_y = 640.0, 78.0
    for y in range(0, 200):
        for x in range(500, W):
            d = math.hypot(x + 0.5 - sun_x, y + 0.5 - sun_y)
            if d < 150:
                cv.blend(x, y, (255, 244, 200), 0.55 * (1 - d / 150.0) ** 2)
    cv.disc(sun_x, sun_y, 34, (255, 222, 90))
    cv.disc(sun_x - 6, sun_y - 6, 24, (255, 238, 150), 0.6)

    # Clouds: clusters of white discs.
    for (cx, cy, s) in ((130, 62, 1.0), (330, 40, 0.8), (470, 96, 0.65), (760, 150, 0.5)):
        for (dx, dy, r) in ((-36, 6, 18), (-16, -6, 24), (8, -12, 28), (34, -2, 22), (54, 8, 15), (0, 8, 22)):
            cv.disc(cx + dx * s, cy + dy * s, r * s, (250, 252, 255), 0.92)
        for (dx, r) in ((-20, 20), (20, 18)):
            cv.disc(cx + dx * s, cy + 14 * s, r * s * 0.8, (226, 234, 244), 0.5)

    # Three ranges of hills, far to near, each a little darker and greener.
    ranges = [
        (200.0, [(14, 0.011, 0.4), (7, 0.031, 1.9), (3, 0.07, 0.3)], (126, 160, 170), (150, 182, 186)),
        (246.0, [(18, 0.008, 2.2), (9, 0.023, 0.7), (4, 0.05, 1.1)], (98, 160, 78), (132, 186, 96)),
        (300.0, [(20, 0.006, 4.0), (10, 0.017, 2.6), (3, 0.061, 0.2)], (70, 136, 52), (104, 168, 70)),
    ]
    tops = []
    for layer, (base, waves, low, high) in enumerate(ranges):
        top_line = [hill_line(x + 0.5, base, waves) for x in range(W)]
        tops.append(top_line)
        for x in range(W):
            top = top_line[x]
            slope = top_line[min(W - 1, x + 1)] - top_line[max(0, x - 1)]
            light = max(0.0, min(1.0, 0.5 - slope * 0.35))
            for y in range(max(0, int(top)), H):
                cover = max(0.0, min(1.0, y + 1 - top))
                depth = min(1.0, (y - top) / 90.0)
                colour = mix(mix(low, high, light), low, depth * 0.6)
                if layer > 0:
                    n = hash01(x // 2, y // 2, layer) - 0.5
                    colour = tuple(c * (1 + n * 0.08) for c in colour)
                cv.blend(x, y, colour, cover)
        if layer == 0:
            continue
        # Trees along the range: fir trees on the middle one, round ones in front.
        step = 46 if layer == 1 else 74
        for i, x0 in enumerate(range(20, W, step)):
            x = x0 + int(hash01(i, layer, 7) * step * 0.6)
            if x >= W or (layer == 2 and 300 < x < 420):
                continue
            ground = tops[layer][min(W - 1, x)] + 6 + hash01(i, layer) * 12
            scale = (0.7 + 0.4 * hash01(i, layer, 3)) * (1.0 if layer == 1 else 1.5)
            cv.rect(x - 2 * scale, ground - 10 * scale, x + 2 * scale, ground, (96, 64, 36))
            if layer == 1:
                for tier in range(3):
                    w = (14 - tier * 3) * scale
                    yb = ground - (8 + tier * 9) * scale
                    cv.triangle((x - w, yb), (x + w, yb), (x, yb - 18 * scale), (34, 96, 44))
                    cv.triangle((x, yb), (x + w, yb), (x, yb - 18 * scale), (26, 78, 36))
            else:
                crown = (52, 124, 40)
                cv.disc(x, ground - 22 * scale, 13 * scale, crown)
                cv.disc(x - 8 * scale, ground - 14 * scale, 9 * scale, crown)
                cv.disc(x + 8 * scale, ground - 15 * scale, 9 * scale, (44, 108, 34))
                cv.disc(x - 4 * scale, ground - 26 * scale, 6 * scale, (84, 156, 60), 0.8)

    # A path winding down the front hill to the bottom edge.
    for y in range(int(min(tops[2][340:380])) + 4, H):
        t = (y - 300) / float(H - 300)
        centre = 370 + 40 * math.sin(t * 3.0) - 60 * t
        half = 3 + 26 * max(0.0, t)
        for x in range(int(centre - half) - 1, int(centre + half) + 2):
            if 0 <= x < W and y >= tops[2][x] + 2:
                cover = max(0.0, min(1.0, half - abs(x + 0.5 - centre) + 0.5))
                cv.blend(x, y, (214, 190, 140), cover)

    # Flowers in the foreground grass.
    for i in range(140):
        x = int(hash01(i, 11) * W)
        y = int(330 + hash01(i, 12) * 38)
        if y < tops[2][x] + 6:
            continue
        colour = ((236, 60, 60), (250, 220, 60), (250, 250, 250), (170, 90, 220))[int(hash01(i, 13) * 4)]
        cv.disc(x + 0.5, y + 0.5, 1.6, colour)

    write_png("start/landscape.png", W, H, cv.to_rgba())


# ------------------------------------------------- the fixed-task program's own
# The pattern to reproduce, the golden key of the correct-solution button and
# the framed landscape of the "Образец" menu item with its grey twin.

BLACK = (0, 0, 0, 255)

# A 5 x 7 capital А (Cyrillic; it looks like the Latin one).
LETTER_A = [
    "..#..",
    ".#.#.",
    "#...#",
    "#...#",
    "#####",
    "#...#",
    "#...#",
]


def pattern_picture():
    """254 x 254, black on white: a 12 x 12 grid of 21-pixel cells and the
    square of side one cell that the correct solution draws from point A."""
    size, cell = 254, 21
    pic = blank(size, size, WHITE)
    for k in range(13):
        for t in range(size):
            pic[k * cell][t] = BLACK
            pic[t][k * cell] = BLACK

    def centre(c):
        return c * cell + cell // 2

    ax, ay = centre(4), centre(3)  # point A, cell (4, 3): pixel (94, 73)
    corners = [(centre(4), centre(3)), (centre(5), centre(3)), (centre(5), centre(2)), (centre(4), centre(2))]
    for i in range(4):
        (x0, y0), (x1, y1) = corners[i], corners[(i + 1) % 4]
        for x in range(min(x0, x1) - 1, max(x0, x1) + 2):
            for y in range(min(y0, y1) - 1, max(y0, y1) + 2):
                pic[y][x] = BLACK
    for y in range(ay - 3, ay + 4):
        for x in range(ax - 3, ax + 4):
            if (x - ax) ** 2 + (y - ay) ** 2 <= 10:
                pic[y][x] = BLACK
    for j, row in enumerate(LETTER_A):
        for i, ch in enumerate(row):
            if ch == "#":
                pic[ay - 8 + j][ax - 9 + i] = BLACK
    write_png("fixed/pattern.png", size, size, pic)


def golden_key():
    """A key lying left to right: a ring, a shaft and two teeth below its end."""
    gold, light, dark = (232, 184, 40, 255), (255, 230, 120, 255), (132, 92, 8, 255)
    shape = set()
    for y in range(16):
        for x in range(16):
            d = math.hypot(x + 0.5 - 4.5, y + 0.5 - 7.5)
            if d <= 4.3 and d >= 1.6:
                shape.add((x, y))
    for x in range(8, 16):
        for y in (6, 7, 8):
            shape.add((x, y))
    for x, y0 in ((11, 9), (12, 9), (14, 9), (15, 9), (14, 10), (15, 10), (11, 10), (12, 10), (12, 11), (15, 11)):
        shape.add((x, y0))
    pic = blank(16, 16)
    edge = outline_of(shape, 16, 16)
    for (x, y) in shape:
        pic[y][x] = dark if (x, y) in edge else gold
    for (x, y) in ((3, 4), (4, 4), (2, 5), (9, 7), (10, 7), (11, 7)):
        if (x, y) in shape and (x, y) not in edge:
            pic[y][x] = light
    return pic


def framed_landscape():
    """A small picture in a blue frame: sky, green ground and an orange spot."""
    frame, sky, ground, spot = (0, 40, 200, 255), (120, 190, 250, 255), (40, 160, 40, 255), (250, 140, 0, 255)
    pic = blank(16, 16)
    for y in range(1, 15):
        for x in range(1, 15):
            if x in (1, 14) or y in (1, 14):
                pic[y][x] = frame
            elif y + (2 if x < 8 else 0) >= 10 - abs(x - 8) // 3:
                pic[y][x] = ground
            else:
                pic[y][x] = sky
    for y in range(3, 7):
        for x in range(9, 13):
            if (x in (9, 12)) + (y in (3, 6)) < 2:
                pic[y][x] = spot
    return pic


def fixed_task_pictures():
    pattern_picture()
    write_png("toolbar/tool_4.png", 16, 16, golden_key())
    landscape_glyph = framed_landscape()
    write_png("fixed/menu_6.png", 16, 16, landscape_glyph)
    write_png("fixed/menu_7.png", 16, 16, grey_twin(landscape_glyph))


if __name__ == "__main__":
    executor_pictures()
    toolbar_pictures()
    start_pictures()
    window_icon()
    menu_glyphs()
    landscape()
    fixed_task_pictures()
