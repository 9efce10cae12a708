#!/usr/bin/env python3
"""Draws Vyr's pictures and writes them into the folder given as argument.

    make_pictures.py OUTDIR

Writes vyr.ico, go.bmp, scan.bmp, about.bmp, drives.bmp and the settings
dialog's button pictures. Only the standard
library is used, so the build needs nothing but a Python 3 interpreter, and the
output is the same bytes on every run: no time stamps, no randomness, and every
value is rounded the same way before it is written.

Shapes are filled by scan lines: each shape answers "which x intervals are
inside at this y", the canvas samples several rows per pixel and measures the
intervals exactly along x. That is enough for smooth edges without any
per-sample point test, and fast enough to run on every build.
"""

import math
import os
import struct
import sys

MAGENTA = (255, 0, 255)

# --------------------------------------------------------------------------
# Shapes: spans(y) gives the sorted, disjoint inside intervals on row y.


class Shape:
    """Anything with spans(y); Union combines several."""


def _merge(spans):
    spans = sorted(s for s in spans if s[1] > s[0])
    out = []
    for a, b in spans:
        if out and a <= out[-1][1]:
            if b > out[-1][1]:
                out[-1] = (out[-1][0], b)
        else:
            out.append((a, b))
    return out


class Union(Shape):
    def __init__(self, *parts):
        self.parts = parts

    def spans(self, y):
        acc = []
        for p in self.parts:
            acc.extend(p.spans(y))
        return _merge(acc)


class Polygon(Shape):
    """One or more closed contours, filled by the non-zero winding rule."""

    def __init__(self, *contours):
        self.edges = []
        for pts in contours:
            n = len(pts)
            for i in range(n):
                (x0, y0), (x1, y1) = pts[i], pts[(i + 1) % n]
                if y0 != y1:
                    self.edges.append((x0, y0, x1, y1))

    def spans(self, y):
        xs = []
        for x0, y0, x1, y1 in self.edges:
            if y0 < y1:
                if y0 <= y < y1:
                    xs.append((x0 + (y - y0) * (x1 - x0) / (y1 - y0), 1))
            elif y1 <= y < y0:
                xs.append((x0 + (y - y0) * (x1 - x0) / (y1 - y0), -1))
        xs.sort()
        out, wind, start = [], 0, 0.0
        for x, d in xs:
            before = wind
            wind += d
            if before == 0 and wind != 0:
                start = x
            elif before != 0 and wind == 0:
                out.append((start, x))
        return _merge(out)


class Rect(Shape):
    def __init__(self, x0, y0, x1, y1):
        self.x0, self.y0, self.x1, self.y1 = x0, y0, x1, y1

    def spans(self, y):
        return [(self.x0, self.x1)] if self.y0 <= y < self.y1 else []


class Ellipse(Shape):
    def __init__(self, cx, cy, rx, ry=None):
        self.cx, self.cy, self.rx = cx, cy, rx
        self.ry = rx if ry is None else ry

    def spans(self, y):
        d = (y - self.cy) / self.ry
        if d <= -1 or d >= 1:
            return []
        hw = self.rx * math.sqrt(1 - d * d)
        return [(self.cx - hw, self.cx + hw)]


class RoundRect(Shape):
    def __init__(self, x0, y0, x1, y1, r):
        self.x0, self.y0, self.x1, self.y1 = x0, y0, x1, y1
        self.r = min(r, (x1 - x0) / 2, (y1 - y0) / 2)

    def spans(self, y):
        if not (self.y0 <= y < self.y1):
            return []
        r = self.r
        inset = 0.0
        if r > 0:
            if y < self.y0 + r:
                d = self.y0 + r - y
            elif y > self.y1 - r:
                d = y - (self.y1 - r)
            else:
                d = 0.0
            inset = r - math.sqrt(max(0.0, r * r - d * d))
        return [(self.x0 + inset, self.x1 - inset)]


def segment(x0, y0, x1, y1, width, round_caps=True):
    """A thick straight line."""
    dx, dy = x1 - x0, y1 - y0
    length = math.hypot(dx, dy)
    nx, ny = -dy / length * width / 2, dx / length * width / 2
    body = Polygon([(x0 + nx, y0 + ny), (x1 + nx, y1 + ny),
                    (x1 - nx, y1 - ny), (x0 - nx, y0 - ny)])
    if not round_caps:
        return body
    return Union(body, Ellipse(x0, y0, width / 2), Ellipse(x1, y1, width / 2))


def arc_points(cx, cy, r, a0, a1, steps):
    """Points on a circle, angles in degrees counter-clockwise as the eye sees it
    (y grows downward on screen, so sin is subtracted)."""
    pts = []
    for i in range(steps + 1):
        t = math.radians(a0 + (a1 - a0) * i / steps)
        pts.append((cx + r * math.cos(t), cy - r * math.sin(t)))
    return pts


def curved_arrow(cx, cy, r, a0, a1, width, head_w, head_l, steps=48):
    """A bent arrow along a circle from angle a0 to a1, where the head's base
    sits; the head goes on along the circle's tangent, so its point leaves the
    circle the way a thrown thing would."""
    outer = arc_points(cx, cy, r + width / 2, a0, a1, steps)
    inner = arc_points(cx, cy, r - width / 2, a1, a0, steps)
    shaft = Polygon(outer + inner)
    t = math.radians(a1)
    bx, by = cx + r * math.cos(t), cy - r * math.sin(t)
    nx, ny = math.cos(t), -math.sin(t)
    way = 1 if a1 > a0 else -1
    tx, ty = -math.sin(t) * way, -math.cos(t) * way
    head = Polygon([(bx + nx * head_w / 2, by + ny * head_w / 2),
                    (bx + tx * head_l, by + ty * head_l),
                    (bx - nx * head_w / 2, by - ny * head_w / 2)])
    sx, sy = arc_points(cx, cy, r, a0, a0, 1)[0]
    return Union(shaft, head, Ellipse(sx, sy, width / 2))


# --------------------------------------------------------------------------
# Paints: a colour (r, g, b) or (r, g, b, alpha), or a function of (x, y).


def linear(x0, y0, c0, x1, y1, c1):
    dx, dy = x1 - x0, y1 - y0
    dd = dx * dx + dy * dy

    def paint(x, y):
        t = ((x - x0) * dx + (y - y0) * dy) / dd
        t = min(1.0, max(0.0, t))
        return tuple(a + (b - a) * t for a, b in zip(_rgba(c0), _rgba(c1)))
    return paint


def radial(cx, cy, r, c0, c1):
    def paint(x, y):
        t = min(1.0, math.hypot(x - cx, y - cy) / r)
        return tuple(a + (b - a) * t for a, b in zip(_rgba(c0), _rgba(c1)))
    return paint


def _rgba(c):
    return tuple(c) if len(c) == 4 else (c[0], c[1], c[2], 1.0)


# --------------------------------------------------------------------------
# Canvas: premultiplied RGBA floats, colours 0..255, alpha 0..1.


class Canvas:
    ROWS = 8  # samples per pixel down; along x coverage is measured exactly

    def __init__(self, w, h, scale=1.0, background=None, origin=(0.0, 0.0), hard=False):
        self.w, self.h, self.scale = w, h, scale
        # Hard edges: a pixel is in or out, as a pixel artist would place it.
        self.hard = hard
        self.ox, self.oy = origin
        if background is None:
            self.px = [[0.0, 0.0, 0.0, 0.0] for _ in range(w * h)]
        else:
            r, g, b = background
            self.px = [[float(r), float(g), float(b), 1.0] for _ in range(w * h)]

    def fill(self, shape, paint, opacity=1.0, dx=0.0, dy=0.0):
        """Fills a shape given in design units (pixels / scale), moved by dx, dy."""
        s, n = self.scale, self.ROWS
        dx += self.ox
        dy += self.oy
        for py in range(self.h):
            cov = [0.0] * self.w
            for k in range(n):
                yd = (py + (k + 0.5) / n) / s - dy
                for a, b in shape.spans(yd):
                    a = max(0.0, (a + dx) * s)
                    b = min(float(self.w), (b + dx) * s)
                    if b <= a:
                        continue
                    ia, ib = int(a), int(b)
                    if ia == ib:
                        cov[ia] += b - a
                        continue
                    cov[ia] += ia + 1 - a
                    for i in range(ia + 1, ib):
                        cov[i] += 1.0
                    if ib < self.w:
                        cov[ib] += b - ib
            for px in range(self.w):
                c = cov[px] / n
                if self.hard:
                    c = 1.0 if c >= 0.5 else 0.0
                if c <= 0:
                    continue
                if callable(paint):
                    col = paint((px + 0.5) / s - dx, (py + 0.5) / s - dy)
                else:
                    col = paint
                r, g, b, al = _rgba(col)
                a = min(1.0, c) * al * opacity
                d = self.px[py * self.w + px]
                d[0] = r * a + d[0] * (1 - a)
                d[1] = g * a + d[1] * (1 - a)
                d[2] = b * a + d[2] * (1 - a)
                d[3] = a + d[3] * (1 - a)

    def dot(self, x, y, colour):
        """One pixel, for the few places where a hand-placed pixel reads better."""
        r, g, b = colour[:3]
        self.px[y * self.w + x] = [float(r), float(g), float(b), 1.0]

    def glyph(self, x, y, rows, palette):
        """Hand-placed pixels: one character a pixel, "." left alone; the
        palette maps the other characters to a colour or a function of the
        pixel's place."""
        if not isinstance(palette, dict):
            palette = {"#": palette}
        for j, row in enumerate(rows):
            for i, ch in enumerate(row):
                if ch != ".":
                    c = palette[ch]
                    self.dot(x + i, y + j, c(x + i, y + j) if callable(c) else c)

    def paste(self, other, x0, y0):
        for y in range(other.h):
            for x in range(other.w):
                self.px[(y0 + y) * self.w + x0 + x] = list(other.px[y * other.w + x])

    # Results, as rows of (r, g, b, a) bytes, top row first.

    def straight(self):
        """Un-premultiplied colour with alpha, for the icon."""
        out = []
        for r, g, b, a in self.px:
            if a <= 0:
                out.append((0, 0, 0, 0))
            else:
                out.append((_byte(r / a), _byte(g / a), _byte(b / a), _byte(a * 255)))
        return out

    def keyed(self, key=MAGENTA):
        """Opaque where at least half covered, the key colour elsewhere.

        A pixel blended with the key colour would show as a pink fringe once the
        key is made transparent, so edges are decided, not blended."""
        out = []
        for r, g, b, a in self.px:
            if a < 0.5:
                out.append(key + (255,))
            else:
                out.append((_byte(r / a), _byte(g / a), _byte(b / a), 255))
        return out


def _byte(v):
    return max(0, min(255, int(math.floor(v + 0.5))))


# --------------------------------------------------------------------------
# File formats.


def bmp24(w, h, pixels):
    """A bottom-up 24-bit BMP."""
    stride = (w * 3 + 3) & ~3
    body = bytearray()
    for y in range(h - 1, -1, -1):
        row = bytearray()
        for x in range(w):
            r, g, b, _ = pixels[y * w + x]
            row += bytes((b, g, r))
        row += b"\0" * (stride - len(row))
        body += row
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(body), 2835, 2835, 0, 0)
    head = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(body), 0, 0, 14 + len(info))
    return head + info + bytes(body)


def ico(images):
    """An icon file from (size, pixels) pairs: 32-bit BGRA with an AND mask,
    which old and new systems alike draw with soft edges or at least the right
    outline."""
    blobs = []
    for size, pixels in images:
        xor = bytearray()
        for y in range(size - 1, -1, -1):
            for x in range(size):
                r, g, b, a = pixels[y * size + x]
                xor += bytes((b, g, r, a))
        mask_stride = ((size + 31) // 32) * 4
        mask = bytearray()
        for y in range(size - 1, -1, -1):
            row = bytearray(mask_stride)
            for x in range(size):
                if pixels[y * size + x][3] == 0:
                    row[x // 8] |= 0x80 >> (x % 8)
            mask += row
        info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0,
                           len(xor) + len(mask), 0, 0, 0, 0)
        blobs.append((size, info + bytes(xor) + bytes(mask)))
    out = bytearray(struct.pack("<HHH", 0, 1, len(blobs)))
    offset = 6 + 16 * len(blobs)
    for size, blob in blobs:
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(blob), offset)
        offset += len(blob)
    for _, blob in blobs:
        out += blob
    return bytes(out)


# --------------------------------------------------------------------------
# Palette.

FOLDER_LIGHT = (255, 214, 102)
FOLDER_MID = (246, 178, 52)
FOLDER_BACK = (226, 150, 40)
FOLDER_EDGE = (150, 88, 10)
ARROW_LIGHT = (84, 160, 255)
ARROW_DARK = (22, 82, 196)
ARROW_EDGE = (12, 46, 120)
WHITE = (255, 255, 255)
BLACK = (0, 0, 0)
GREY_LIGHT = (226, 226, 230)
GREY = (176, 178, 186)
GREY_DARK = (98, 100, 110)
GREY_EDGE = (60, 62, 70)


# --------------------------------------------------------------------------
# The emblem: a folder, and a blue arrow leaping over into it. Designed on a
# 32-unit square and drawn at any size by the canvas's scale.


def draw_emblem(cv):
    # Folder back with its tab.
    back = Union(RoundRect(3, 12, 29, 29, 2.2), RoundRect(3, 9.5, 13.5, 15, 1.6),
                 Polygon([(11, 9.5), (13.5, 9.5), (16.5, 12.5), (11, 12.5)]))
    cv.fill(back, FOLDER_EDGE)
    inner_back = Union(RoundRect(4, 13, 28, 28, 1.4), RoundRect(4, 10.5, 13, 15, 1.0),
                       Polygon([(11, 10.5), (13, 10.5), (15.4, 13.2), (11, 13.2)]))
    cv.fill(inner_back, FOLDER_BACK)
    # A sheet of paper inside the folder.
    cv.fill(Rect(6, 13.5, 26, 20), (250, 250, 246))
    cv.fill(Rect(6, 13.5, 26, 14.3), (214, 214, 206))
    # The jump: an arc from the left over the top, coming down into the
    # folder's opening.
    jump = (15.5, 17.5, 11, 163, 24)
    cv.fill(curved_arrow(*jump, 4.8, 10.4, 6.4), ARROW_EDGE)
    arrow = curved_arrow(*jump, 3.4, 8.2, 5.0)
    cv.fill(arrow, linear(0, 5, ARROW_LIGHT, 0, 20, ARROW_DARK))
    # A soft shine along the top of the arc gives it some roundness.
    shine = Polygon(arc_points(15.5, 17.5, 12.0, 150, 48, 32) +
                    arc_points(15.5, 17.5, 11.3, 48, 150, 32))
    cv.fill(shine, (255, 255, 255, 0.45))
    # Folder front, slightly wider at the top so it reads as opening toward
    # us; the arrow's point goes in behind its edge.
    front = Polygon([(2.2, 18), (29.8, 18), (28.6, 29), (3.4, 29)])
    cv.fill(front, FOLDER_EDGE)
    front_in = Polygon([(3.4, 19), (28.6, 19), (27.6, 28), (4.4, 28)])
    cv.fill(front_in, linear(0, 19, FOLDER_LIGHT, 0, 28, FOLDER_MID))
    cv.fill(Rect(3.5, 19, 28.5, 20), (255, 236, 170))


def draw_emblem_small(cv):
    """The emblem redrawn for 16 pixels, with hard edges on whole pixels: the
    large drawing scaled down turns to mush at this size."""
    cv.fill(Union(Rect(1, 5, 15, 15), Rect(5, 4, 9, 6)), FOLDER_EDGE)
    cv.fill(Union(Rect(2, 6, 14, 14), Rect(6, 5, 8, 6)), FOLDER_BACK)
    cv.fill(Rect(4, 7, 12, 10), (250, 250, 246))
    # At this size the arrow is placed by hand; a drawn arc blurs its head.
    blue = linear(0, 0, ARROW_LIGHT, 0, 8, ARROW_DARK)
    cv.glyph(0, 0, ["....KKKKK.......",
                    "..KKAAAAAKK.....",
                    ".KAAAKKKAAAK....",
                    ".KAAK...KKAAK...",
                    "KAAK......KAAK..",
                    "KAAK....KKKAAKKK",
                    "KAAK....KAAAAAAK",
                    "KAAK.....KAAAAK.",
                    "KAAK......KAAK.."], {"K": ARROW_EDGE, "A": blue})
    cv.fill(Rect(0, 9, 16, 16), FOLDER_EDGE)
    cv.fill(Rect(1, 10, 15, 15), linear(0, 10, FOLDER_LIGHT, 0, 15, FOLDER_MID))
    cv.fill(Rect(1, 10, 15, 11), (255, 236, 170))


def icon_image(size):
    if size <= 16:
        cv = Canvas(size, size, scale=size / 16.0, hard=True)
        draw_emblem_small(cv)
    else:
        cv = Canvas(size, size, scale=size / 32.0)
        draw_emblem(cv)
    return cv.straight()


# --------------------------------------------------------------------------
# 16x16 pictures with the magenta key colour.


def picture_go():
    cv = Canvas(16, 16)
    arrow = Polygon([(1.5, 5.5), (8, 5.5), (8, 1.5), (14.8, 8), (8, 14.5), (8, 10.5), (1.5, 10.5)])
    cv.fill(arrow, (16, 96, 24))
    inner = Polygon([(2.5, 6.5), (9, 6.5), (9, 4), (13.4, 8), (9, 12), (9, 9.5), (2.5, 9.5)])
    cv.fill(inner, linear(0, 4, (120, 220, 96), 0, 12, (32, 150, 40)))
    cv.fill(Rect(2.5, 6.5, 9, 7.5), (176, 240, 150))
    return cv


def hard_disk(cv, x0=0.0, y0=0.0, led=(64, 220, 64)):
    """The drive slab shared by several pictures: 14 wide, 6 high."""
    cv.fill(Rect(x0 + 1, y0, x0 + 15, y0 + 6), GREY_EDGE)
    cv.fill(Rect(x0 + 2, y0 + 1, x0 + 14, y0 + 5), linear(0, y0 + 1, GREY_LIGHT, 0, y0 + 5, GREY))
    cv.fill(Rect(x0 + 2, y0 + 1, x0 + 14, y0 + 2), WHITE)
    cv.fill(Rect(x0 + 11, y0 + 3, x0 + 13, y0 + 4), led)
    cv.fill(Rect(x0 + 3, y0 + 3, x0 + 9, y0 + 4), GREY_DARK)


def picture_scan():
    cv = Canvas(16, 16)
    hard_disk(cv, 0, 9)
    # Magnifier: lens over the disk's upper left, handle to the lower right.
    cv.fill(segment(9.5, 9.5, 14, 14, 3.0), (70, 40, 20))
    cv.fill(segment(9.8, 9.8, 13.6, 13.6, 1.4), (170, 110, 60))
    cv.fill(Ellipse(6, 6, 5.1), (30, 40, 60))
    cv.fill(Ellipse(6, 6, 3.9), linear(3, 3, (230, 246, 255), 9, 9, (110, 170, 230)))
    cv.fill(Ellipse(4.8, 4.8, 1.3), (255, 255, 255, 0.9))
    return cv


def drive_removable(cv):
    # A floppy disk: body, metal shutter, label.
    cv.fill(Polygon([(1, 1), (13, 1), (15, 3), (15, 15), (1, 15)]), (20, 30, 70))
    cv.fill(Polygon([(2, 2), (12.6, 2), (14, 3.4), (14, 14), (2, 14)]),
            linear(0, 2, (70, 110, 200), 0, 14, (40, 70, 150)))
    cv.fill(Rect(4, 2, 12, 6), (200, 204, 214))
    cv.fill(Rect(9, 2.5, 11, 5.5), (90, 94, 110))
    cv.fill(Rect(4, 8, 13, 14), (250, 250, 250))
    cv.fill(Rect(5, 9.5, 12, 10.5), (150, 150, 170))
    cv.fill(Rect(5, 11.5, 10, 12.5), (150, 150, 170))


def drive_fixed(cv):
    hard_disk(cv, 0, 5)
    # A shadow below lifts the slab off the list's background.
    cv.fill(Rect(2, 11, 15, 12), (150, 150, 156))


def drive_network(cv):
    hard_disk(cv, 0, 2)
    # The cable down to the net.
    cv.fill(Rect(7, 8, 9, 12), GREY_EDGE)
    cv.fill(Rect(1, 12, 15, 14), (20, 100, 60))
    cv.fill(Rect(1, 12, 15, 13), (70, 190, 110))
    cv.fill(Rect(5, 11, 11, 15), (20, 60, 40))
    cv.fill(Rect(6, 12, 10, 14), (90, 200, 130))


def drive_cdrom(cv):
    cv.fill(Ellipse(8, 8, 7), (96, 100, 116))
    cv.fill(Ellipse(8, 8, 6.1), lambda x, y: _rainbow(math.atan2(y - 8, x - 8)))
    cv.fill(Ellipse(8, 8, 2.6), (96, 100, 116))
    # The hole shows the list behind it.
    cv.fill(Ellipse(8, 8, 1.6), MAGENTA + (1.0,))


def _rainbow(t):
    # A faint spectrum turned around the disc, mostly silver as a real one looks.
    base = 214
    r = base + 36 * math.cos(t * 2)
    g = base + 36 * math.cos(t * 2 - 2.1)
    b = base + 36 * math.cos(t * 2 + 2.1)
    return (min(255, r), min(255, g), min(255, b))


def drive_ram(cv):
    # A memory module: green board, black chips, gold contacts.
    cv.fill(Rect(0, 3, 16, 13), (10, 60, 20))
    cv.fill(Rect(1, 4, 15, 12), (40, 140, 60))
    for x in (2, 6, 10):
        cv.fill(Rect(x, 5, x + 3, 9), (24, 24, 30))
        cv.fill(Rect(x, 5, x + 3, 6), (80, 80, 92))
    for x in range(2, 15, 2):
        cv.fill(Rect(x, 10, x + 1, 12), (240, 196, 60))
    cv.fill(Rect(7, 12, 9, 13), MAGENTA + (1.0,))


def drive_unknown(cv):
    hard_disk(cv, 0, 9, led=(200, 200, 200))
    cv.fill(Rect(2, 15, 15, 16), (150, 150, 156))
    q = ["..####..",
         ".##..##.",
         ".....##.",
         "....##..",
         "...##...",
         "........",
         "...##..."]
    cv.glyph(4, 1, q, (20, 40, 140))


def picture_drives():
    """One strip for an image list, 16 pixels a picture, left to right:
    removable, fixed, network, CD-ROM, RAM disk, unknown (the order of
    VYR_DRIVE_IMAGE_* in res/resource_ids.h)."""
    strip = Canvas(96, 16)
    for i, draw in enumerate((drive_removable, drive_fixed, drive_network,
                              drive_cdrom, drive_ram, drive_unknown)):
        cv = Canvas(16, 16)
        draw(cv)
        strip.paste(cv, 16 * i, 0)
    return strip


def picture_about():
    """The emblem, large, on the about box's black panel."""
    cv = Canvas(93, 93, scale=93 / 36.0, background=BLACK, origin=(2.0, 1.5))
    cv.fill(Ellipse(16, 16.5, 17.5), radial(16, 16.5, 17.5, (40, 70, 130), (0, 0, 0)))
    draw_emblem(cv)
    return cv


# --------------------------------------------------------------------------
# The settings dialog's buttons: 16x16, magenta key colour, hard-edged where a
# soft edge would blur a one-pixel stroke.

GREEN_LIGHT = (120, 220, 96)
GREEN_DARK = (24, 120, 32)
GREEN_EDGE = (16, 80, 20)
RED_LIGHT = (255, 120, 100)
RED_DARK = (190, 30, 24)
RED_EDGE = (120, 16, 12)


def picture_edit():
    """A pencil writing on a line, the point at the lower left."""
    cv = Canvas(16, 16)
    cv.fill(Rect(1, 14, 15, 15), GREY_DARK)
    body = Polygon([(10.5, 1.5), (14.5, 5.5), (6, 14), (2, 10)])
    cv.fill(body, (120, 70, 10))
    cv.fill(Polygon([(11, 3), (13, 5), (5.6, 12.4), (3.6, 10.4)]),
            linear(4, 8, (255, 214, 80), 12, 8, (236, 160, 30)))
    # The ferrule and the eraser at the upper end.
    cv.fill(Polygon([(10.5, 1.5), (14.5, 5.5), (12.8, 7.2), (8.8, 3.2)]), (214, 90, 110))
    cv.fill(Polygon([(8.8, 3.2), (12.8, 7.2), (12, 8), (8, 4)]), GREY_LIGHT)
    # The sharpened wood and the lead.
    cv.fill(Polygon([(2, 10), (6, 14), (1, 15)]), (240, 214, 170))
    cv.fill(Polygon([(1.4, 12.6), (3.4, 14.6), (1, 15)]), (40, 40, 40))
    return cv


def _entry_bar(cv, y, light, dark):
    cv.fill(Rect(1, y, 15, y + 3), dark)
    cv.fill(Rect(2, y + 1, 14, y + 2), light)


def picture_separator():
    """Two entries with a rule pushed in between them."""
    cv = Canvas(16, 16, hard=True)
    _entry_bar(cv, 1, WHITE, GREY_DARK)
    _entry_bar(cv, 12, WHITE, GREY_DARK)
    cv.fill(Rect(0, 7, 16, 9), (22, 82, 196))
    cv.fill(Rect(0, 7, 16, 8), (84, 160, 255))
    return cv


def picture_add():
    """A sheet with a green plus at its corner."""
    cv = Canvas(16, 16, hard=True)
    cv.fill(Polygon([(2, 0), (9, 0), (12, 3), (12, 14), (2, 14)]), GREY_EDGE)
    cv.fill(Polygon([(3, 1), (8.5, 1), (11, 3.5), (11, 13), (3, 13)]), WHITE)
    for y in (4, 6, 8):
        cv.fill(Rect(4, y, 9, y + 1), GREY)
    plus = Union(Rect(7, 10, 16, 13), Rect(10, 7, 13, 16))
    cv.fill(Union(Rect(6, 9, 16, 14), Rect(9, 6, 14, 16)), GREEN_EDGE)
    cv.fill(plus, linear(0, 7, GREEN_LIGHT, 0, 16, GREEN_DARK))
    return cv


def picture_remove():
    """A sheet going out, a red minus over it."""
    cv = Canvas(16, 16, hard=True)
    cv.fill(Polygon([(2, 0), (9, 0), (12, 3), (12, 14), (2, 14)]), GREY_EDGE)
    cv.fill(Polygon([(3, 1), (8.5, 1), (11, 3.5), (11, 13), (3, 13)]), WHITE)
    for y in (4, 6, 8):
        cv.fill(Rect(4, y, 9, y + 1), GREY)
    cv.fill(Rect(5, 9, 16, 14), RED_EDGE)
    cv.fill(Rect(6, 10, 15, 13), linear(0, 10, RED_LIGHT, 0, 13, RED_DARK))
    return cv


_ARROW_UP = [(8, 1), (15, 8.5), (11, 8.5), (11, 15), (5, 15), (5, 8.5), (1, 8.5)]
_ARROW_UP_INNER = [(8, 2.6), (12.8, 7.6), (10, 7.6), (10, 14), (6, 14), (6, 7.6), (3.2, 7.6)]


def _vertical_arrow(down):
    """The up arrow, or the same turned over; lit from above either way."""
    def turn(points):
        return [(x, 16 - y) for x, y in points] if down else points
    cv = Canvas(16, 16)
    cv.fill(Polygon(turn(_ARROW_UP)), ARROW_EDGE)
    cv.fill(Polygon(turn(_ARROW_UP_INNER)), linear(0, 2, ARROW_LIGHT, 0, 14, ARROW_DARK))
    return cv


def picture_up():
    return _vertical_arrow(False)


def picture_down():
    return _vertical_arrow(True)


def picture_ok():
    """A green tick."""
    cv = Canvas(16, 16)
    tick = [(1.5, 8.5), (6, 13), (14.5, 3.5)]
    cv.fill(Union(segment(*tick[0], *tick[1], 4.2), segment(*tick[1], *tick[2], 4.2)), GREEN_EDGE)
    cv.fill(Union(segment(*tick[0], *tick[1], 2.4), segment(*tick[1], *tick[2], 2.4)),
            linear(0, 3, GREEN_LIGHT, 0, 13, GREEN_DARK))
    return cv


def picture_cancel():
    """A red cross."""
    cv = Canvas(16, 16)
    cross = ((3, 3, 13, 13), (13, 3, 3, 13))
    cv.fill(Union(*(segment(*c, 4.4) for c in cross)), RED_EDGE)
    cv.fill(Union(*(segment(*c, 2.6) for c in cross)), linear(0, 3, RED_LIGHT, 0, 13, RED_DARK))
    return cv


def picture_clear_history():
    """A waste bin with its lid lifted."""
    cv = Canvas(16, 16, hard=True)
    cv.fill(Polygon([(3, 5), (13, 5), (12, 16), (4, 16)]), GREY_EDGE)
    cv.fill(Polygon([(4, 6), (12, 6), (11.2, 15), (4.8, 15)]),
            linear(4, 0, GREY_LIGHT, 12, 0, GREY))
    for x in (6, 8, 10):
        cv.fill(Rect(x, 7, x + 1, 14), GREY_DARK)
    cv.fill(Rect(2, 2, 14, 4), GREY_EDGE)
    cv.fill(Rect(3, 2, 13, 3), GREY_LIGHT)
    cv.fill(Rect(6, 0, 10, 2), GREY_EDGE)
    cv.fill(Rect(7, 1, 9, 2), GREY_LIGHT)
    return cv


# --------------------------------------------------------------------------


def main(argv):
    if len(argv) != 2:
        sys.stderr.write("usage: make_pictures.py OUTDIR\n")
        return 2
    out = argv[1]
    os.makedirs(out, exist_ok=True)
    files = {
        "vyr.ico": ico([(48, icon_image(48)), (32, icon_image(32)), (16, icon_image(16))]),
        "go.bmp": bmp24(16, 16, picture_go().keyed()),
        "scan.bmp": bmp24(16, 16, picture_scan().keyed()),
        "drives.bmp": bmp24(96, 16, picture_drives().keyed()),
        "about.bmp": bmp24(93, 93, picture_about().keyed()),
        "edit.bmp": bmp24(16, 16, picture_edit().keyed()),
        "separator.bmp": bmp24(16, 16, picture_separator().keyed()),
        "add.bmp": bmp24(16, 16, picture_add().keyed()),
        "remove.bmp": bmp24(16, 16, picture_remove().keyed()),
        "up.bmp": bmp24(16, 16, picture_up().keyed()),
        "down.bmp": bmp24(16, 16, picture_down().keyed()),
        "ok.bmp": bmp24(16, 16, picture_ok().keyed()),
        "cancel.bmp": bmp24(16, 16, picture_cancel().keyed()),
        "clear.bmp": bmp24(16, 16, picture_clear_history().keyed()),
    }
    for name, data in files.items():
        path = os.path.join(out, name)
        # Always written, even when unchanged, so that the build sees the
        # outputs newer than the script and does not run it again.
        with open(path + ".tmp", "wb") as f:
            f.write(data)
        os.replace(path + ".tmp", path)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
