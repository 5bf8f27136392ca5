#!/usr/bin/env python3
"""Draws the programs' icons and the station's bitmaps and writes them as .ico and .bmp files.

Standard library only. Every picture is drawn from a few primitives into a
small supersampled raster, so the output is byte-identical on every run:
shapes use only +, -, *, / and comparisons (no trigonometry), which IEEE
floats give the same everywhere.

    tools/make-icons.py                   write resources/station/icons/*.ico and *.bmp,
                                          resources/icsselect/icons/*.ico and
                                          resources/softap/icons/*.ico
    tools/make-icons.py --check           exit 1 when a file in the tree is stale
    tools/make-icons.py --preview out.png also write a contact sheet to look at
"""

import argparse
import os
import struct
import sys
import zlib

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
ICON_DIR = os.path.join(ROOT, "resources", "station", "icons")

SUPERSAMPLE = 8  # subsamples per pixel edge; enough for smooth edges at 16 px

# ---------------------------------------------------------------- shapes
# A shape is (bbox, contains): bbox = (x0, y0, x1, y1) in pixels,
# contains(x, y) -> bool for a point in pixel space (pixel i spans i..i+1).


def rect(x0, y0, x1, y1, radius=0.0):
    def contains(x, y):
        if x < x0 or x >= x1 or y < y0 or y >= y1:
            return False
        if radius <= 0:
            return True
        cx = min(max(x, x0 + radius), x1 - radius)
        cy = min(max(y, y0 + radius), y1 - radius)
        dx, dy = x - cx, y - cy
        return dx * dx + dy * dy <= radius * radius
    return (x0, y0, x1, y1), contains


def circle(cx, cy, r):
    def contains(x, y):
        dx, dy = x - cx, y - cy
        return dx * dx + dy * dy <= r * r
    return (cx - r, cy - r, cx + r, cy + r), contains


def arc(cx, cy, r_in, r_out, d0, d1):
    """Ring between two radii, inside the wedge swept counter-clockwise from
    direction d0 to direction d1 (vectors, wedge under 180 degrees)."""
    def cross(a, bx, by):
        return a[0] * by - a[1] * bx

    def contains(x, y):
        dx, dy = x - cx, y - cy
        q = dx * dx + dy * dy
        if q < r_in * r_in or q > r_out * r_out:
            return False
        # y grows downwards, so "counter-clockwise" on screen is a negative cross.
        return cross(d0, dx, dy) <= 0 and cross(d1, dx, dy) >= 0
    return (cx - r_out, cy - r_out, cx + r_out, cy + r_out), contains


def line(x0, y0, x1, y1, width):
    """Segment with round caps."""
    h = width / 2.0
    vx, vy = x1 - x0, y1 - y0
    ll = vx * vx + vy * vy

    def contains(x, y):
        wx, wy = x - x0, y - y0
        t = 0.0 if ll == 0 else (wx * vx + wy * vy) / ll
        t = min(max(t, 0.0), 1.0)
        dx, dy = wx - t * vx, wy - t * vy
        return dx * dx + dy * dy <= h * h
    return (min(x0, x1) - h, min(y0, y1) - h, max(x0, x1) + h, max(y0, y1) + h), contains


def triangle(p0, p1, p2):
    """Filled triangle; corners in any order."""
    def edge(a, b, x, y):
        return (b[0] - a[0]) * (y - a[1]) - (b[1] - a[1]) * (x - a[0])

    def contains(x, y):
        e0, e1, e2 = edge(p0, p1, x, y), edge(p1, p2, x, y), edge(p2, p0, x, y)
        return (e0 >= 0 and e1 >= 0 and e2 >= 0) or (e0 <= 0 and e1 <= 0 and e2 <= 0)
    xs, ys = (p0[0], p1[0], p2[0]), (p0[1], p1[1], p2[1])
    return (min(xs), min(ys), max(xs), max(ys)), contains


def intersect(a, b):
    """Points in both shapes."""
    (ax0, ay0, ax1, ay1), (bx0, by0, bx1, by1) = a[0], b[0]
    box = (max(ax0, bx0), max(ay0, by0), min(ax1, bx1), min(ay1, by1))
    return box, lambda x, y: a[1](x, y) and b[1](x, y)


def minus(a, b):
    """Points of shape a that are not in shape b."""
    return a[0], lambda x, y: a[1](x, y) and not b[1](x, y)


def outline(shape_at, width):
    """Border band of a rect-like shape: shape_at(inset) builds the shape
    shrunk by inset pixels on every side."""
    return minus(shape_at(0.0), shape_at(width))


# ---------------------------------------------------------------- raster


def hexcolor(text, alpha=1.0):
    text = text.lstrip("#")
    return (int(text[0:2], 16) / 255.0, int(text[2:4], 16) / 255.0,
            int(text[4:6], 16) / 255.0, alpha)


def vgradient(top, bottom, y0, y1):
    """Colour that runs from top at y0 to bottom at y1."""
    def colour(_x, y):
        t = 0.0 if y1 == y0 else min(max((y - y0) / (y1 - y0), 0.0), 1.0)
        return tuple(top[i] + (bottom[i] - top[i]) * t for i in range(4))
    return colour


class Canvas:
    """Premultiplied RGBA floats, row-major, top row first."""

    def __init__(self, size):
        self.size = size
        self.px = [[0.0, 0.0, 0.0, 0.0] for _ in range(size * size)]

    def fill(self, shape, colour):
        (bx0, by0, bx1, by1), contains = shape
        n = SUPERSAMPLE
        step = 1.0 / n
        xa, ya = max(int(bx0) - 1, 0), max(int(by0) - 1, 0)
        xb, yb = min(int(bx1) + 2, self.size), min(int(by1) + 2, self.size)
        for py in range(ya, yb):
            for px in range(xa, xb):
                hits = 0
                for sy in range(n):
                    y = py + (sy + 0.5) * step
                    for sx in range(n):
                        if contains(px + (sx + 0.5) * step, y):
                            hits += 1
                if not hits:
                    continue
                c = colour(px + 0.5, py + 0.5) if callable(colour) else colour
                a = c[3] * hits / (n * n)
                d = self.px[py * self.size + px]
                k = 1.0 - a
                d[0] = c[0] * a + d[0] * k
                d[1] = c[1] * a + d[1] * k
                d[2] = c[2] * a + d[2] * k
                d[3] = a + d[3] * k

    def rgba(self):
        """Straight-alpha 8-bit RGBA rows, top row first."""
        rows = []
        for y in range(self.size):
            row = bytearray()
            for x in range(self.size):
                r, g, b, a = self.px[y * self.size + x]
                if a <= 0.0:
                    row += b"\0\0\0\0"
                    continue
                row += bytes(_byte(v / a) for v in (r, g, b)) + bytes([_byte(a)])
            rows.append(bytes(row))
        return rows


def _byte(v):
    return max(0, min(255, int(v * 255.0 + 0.5)))


# ---------------------------------------------------------------- pictures

GREEN = ("#6BE05A", "#1E9A26", "#0E5214")
AMBER = ("#FFD84A", "#E49A00", "#7A4A00")
ORANGE_RED = ("#FF8A55", "#E2401A", "#7A1A06")
STEEL = ("#9CC4EC", "#3F78B8", "#1C3C66")
RED = hexcolor("#E02020")
RED_DARK = hexcolor("#8A0A0A")
WHITE = hexcolor("#FFFFFF")
GREY_LINE = hexcolor("#6E6E6E")
EMPTY_FILL = hexcolor("#E8E8E8", 0.55)


def bar_rects(size):
    """Four bars rising left to right, bottoms on the last row."""
    s = size / 16.0
    bars = []
    for i in range(4):
        x0 = (1 + 4 * i) * s
        x1 = x0 + 3 * s
        top = size - (4 + 3 * i) * s
        bars.append((x0, top, x1, float(size)))
    return bars


def draw_bars(cv, filled, palette):
    """filled = how many bars, from the left, are lit in palette
    (light, mid, dark); the rest are drawn hollow."""
    size = cv.size
    edge = 1.0
    radius = 0.0 if size <= 16 else 0.75 * size / 32.0
    for i, (x0, y0, x1, y1) in enumerate(bar_rects(size)):
        def box(inset, x0=x0, y0=y0, x1=x1, y1=y1):
            return rect(x0 + inset, y0 + inset, x1 - inset, y1 - inset,
                        max(radius - inset, 0.0))
        if i < filled:
            light, mid, dark = (hexcolor(c) for c in palette)
            if size <= 16:
                # A full-strength edge would leave a 1 px core: soften it.
                dark = tuple((2 * m + d) / 3 for m, d in zip(mid, dark))
            cv.fill(box(0.0), vgradient(light, mid, y0, y1))
            cv.fill(outline(box, edge), dark)
        else:
            cv.fill(box(0.0), EMPTY_FILL)
            cv.fill(outline(box, edge), GREY_LINE)


def draw_cross(cv, cx, cy, half, width, colour=RED):
    """An X with a light halo so it reads on dark and light taskbars."""
    halo = width + (1.2 if cv.size <= 16 else 2.0)
    for w, c in ((halo, hexcolor("#FFFFFF", 0.9)), (width, colour)):
        cv.fill(line(cx - half, cy - half, cx + half, cy + half, w), c)
        cv.fill(line(cx - half, cy + half, cx + half, cy - half, w), c)


def draw_alert_badge(cv, cx, cy, r):
    """Red disc with a white exclamation mark."""
    cv.fill(circle(cx, cy, r + max(1.0, r * 0.18)), hexcolor("#FFFFFF", 0.9))
    cv.fill(circle(cx, cy, r), vgradient(hexcolor("#FF5A4A"), hexcolor("#C81010"),
                                         cy - r, cy + r))
    w = max(1.0, r * 0.42)
    cv.fill(rect(cx - w / 2, cy - r * 0.68, cx + w / 2, cy + r * 0.22), WHITE)
    cv.fill(rect(cx - w / 2, cy + r * 0.40, cx + w / 2, cy + r * 0.40 + w), WHITE)


def draw_card(cv, grey):
    """A plug-in card with an antenna mast; grey for the no-adapter picture."""
    size = cv.size
    s = size / 16.0
    if grey:
        body_top, body_bot, edge = hexcolor("#C8C8C8"), hexcolor("#8E8E8E"), hexcolor("#5A5A5A")
        label, mast = hexcolor("#E6E6E6"), hexcolor("#7A7A7A")
    else:
        body_top, body_bot, edge = hexcolor("#5C8FD0"), hexcolor("#24508E"), hexcolor("#14305A")
        label, mast = hexcolor("#D9E7F7"), hexcolor("#3A3A3A")
    x0, y0, x1, y1 = 1 * s, 9 * s, 15 * s, 15 * s
    r = 1.0 * s
    # Mast first: the card covers its foot.
    mx = 8 * s
    half = 1.0 if size <= 16 else 0.5 * s  # 2 px at 16 keeps the mast on whole pixels
    cv.fill(rect(mx - half, 4 * s, mx + half, y0 + 0.5 * s), mast)
    cv.fill(circle(mx, 4 * s, 1.5 if size <= 16 else 1.1 * s), mast)

    def box(inset):
        return rect(x0 + inset, y0 + inset, x1 - inset, y1 - inset, max(r - inset, 0.0))
    cv.fill(box(0.0), vgradient(body_top, body_bot, y0, y1))
    cv.fill(outline(box, 1.0), edge)
    # Contact strip along the bottom edge and a label panel.
    if size >= 32:
        # Whole-pixel contacts: fractional ones smear into a stripe.
        pitch = int(1.5 * s)
        gold = hexcolor("#D0D0D0") if grey else hexcolor("#E8C860")
        cy1 = int(y1 - 0.6 * s)
        for cx in range(int(x0 + 2 * s), int(x1 - 2 * s) - pitch // 2 + 1, pitch):
            cv.fill(rect(cx, cy1 - max(2, int(s)), cx + pitch // 2 + pitch % 2, cy1), gold)
        cv.fill(rect(x0 + 2 * s, y0 + 1.4 * s, x1 - 2 * s, y0 + 3.2 * s, 0.4 * s), label)
    else:
        cv.fill(rect(x0 + 2 * s, y0 + 2 * s, x1 - 2 * s, y0 + 3 * s), label)


def draw_waves(cv):
    """Radio waves on both sides of the mast tip."""
    s = cv.size / 16.0
    cx, cy = 8 * s, 4 * s
    wave = hexcolor("#1E9A26")
    w = 1.2 if cv.size <= 16 else 1.0 * s * 0.9
    for r in ((3.2, 5.6) if cv.size <= 16 else (3.0 * s, 5.4 * s)):
        # Right side: from up-right to down-right; left side mirrored.
        cv.fill(arc(cx, cy, r - w / 2, r + w / 2, (1.0, -1.25), (1.0, 1.0)), wave)
        cv.fill(arc(cx, cy, r - w / 2, r + w / 2, (-1.0, 1.0), (-1.0, -1.25)), wave)


def icon_signal(filled, palette):
    def draw(size):
        cv = Canvas(size)
        draw_bars(cv, filled, palette)
        return cv
    return draw


def icon_disconnected(size):
    cv = Canvas(size)
    draw_bars(cv, 0, GREEN)
    s = size / 16.0
    draw_cross(cv, 4.0 * s, 4.0 * s, 2.5 * s, 1.5 * s if size <= 16 else 1.4 * s)
    return cv


def icon_wep_error(size):
    cv = Canvas(size)
    draw_bars(cv, 4, STEEL)
    s = size / 16.0
    draw_alert_badge(cv, 4.5 * s, 4.5 * s, 4.0 * s)
    return cv


def icon_no_adapter(size):
    cv = Canvas(size)
    draw_card(cv, grey=True)
    s = size / 16.0
    draw_cross(cv, 11.5 * s, 4.5 * s, 2.5 * s, 1.6 * s if size <= 16 else 1.4 * s)
    return cv


def icon_program(size):
    cv = Canvas(size)
    draw_waves(cv)
    draw_card(cv, grey=False)
    return cv


def draw_globe(cv, cx, cy, r):
    """The Internet: a blue globe with a meridian and two parallels."""
    s = cv.size / 16.0
    edge, light = hexcolor("#14305A"), hexcolor("#D9E7F7")
    cv.fill(circle(cx, cy, r), vgradient(hexcolor("#7FB2EA"), hexcolor("#2A64B0"), cy - r, cy + r))
    w = 1.0 if cv.size <= 16 else 0.6 * s
    inner = circle(cx, cy, r - w)
    cv.fill(intersect(rect(cx - w / 2, cy - r, cx + w / 2, cy + r), inner), light)
    for dy in (-0.45 * r, 0.45 * r):
        cv.fill(intersect(rect(cx - r, cy + dy - w / 2, cx + r, cy + dy + w / 2), inner), light)
    cv.fill(minus(circle(cx, cy, r), inner), edge)


def icon_pelcor(size):
    """The selector: the card shares the globe's connection (a green arrow between them)."""
    cv = Canvas(size)
    s = size / 16.0
    draw_card(cv, grey=False)
    draw_globe(cv, 4.2 * s, 4.2 * s, 3.9 * s)
    green = hexcolor("#1E9A26")
    w = 1.2 if size <= 16 else 1.0 * s
    # Down from the globe's side to the card.
    cv.fill(line(9.0 * s, 2.4 * s, 12.6 * s, 2.4 * s, w), green)
    cv.fill(line(12.6 * s, 2.4 * s, 12.6 * s, 5.6 * s, w), green)
    cv.fill(triangle((10.6 * s, 5.2 * s), (14.6 * s, 5.2 * s), (12.6 * s, 8.2 * s)), green)
    return cv


def icon_site_connected(size):
    """The Site Survey list's mark of the network the card is on: a green disc with a tick."""
    cv = Canvas(size)
    s = size / 16.0
    light, mid, dark = (hexcolor(c) for c in GREEN)
    cv.fill(circle(8 * s, 8 * s, 7.2 * s), dark)
    cv.fill(circle(8 * s, 8 * s, 6.2 * s), vgradient(light, mid, 1.5 * s, 14.5 * s))
    w = 2.0 * s if size <= 16 else 1.7 * s
    cv.fill(line(4.6 * s, 8.4 * s, 7.0 * s, 10.9 * s, w), WHITE)
    cv.fill(line(7.0 * s, 10.9 * s, 11.5 * s, 5.3 * s, w), WHITE)
    return cv


def draw_padlock(cv, raised):
    """Gold padlock; raised: the shackle is pulled up and its right leg is free."""
    size = cv.size
    s = size / 16.0
    lift = 2.5 * s if raised else 0.0
    shackle = hexcolor("#6A6A6A")
    cx, cy = 8 * s, 6.0 * s - lift
    r_out, r_in = 4.6 * s, 2.6 * s
    ring = minus(circle(cx, cy, r_out), circle(cx, cy, r_in))
    cv.fill(intersect(ring, rect(0, 0, size, cy)), shackle)
    legw = r_out - r_in
    body_top = 8.0 * s
    cv.fill(rect(cx - r_out, cy, cx - r_in, body_top + s), shackle)
    right_end = cy + 1.5 * s if raised else body_top + s
    cv.fill(rect(cx + r_in, cy, cx + r_in + legw, right_end), shackle)
    x0, y0, x1, y1 = 2.5 * s, body_top, 13.5 * s, 15.2 * s

    def box(inset):
        return rect(x0 + inset, y0 + inset, x1 - inset, y1 - inset, max(1.2 * s - inset, 0.0))
    cv.fill(box(0.0), vgradient(hexcolor("#FFE27A"), hexcolor("#D89A10"), y0, y1))
    cv.fill(outline(box, 1.0), hexcolor("#7A5200"))
    hole = hexcolor("#4A3200")
    cv.fill(circle(8 * s, 10.8 * s, 1.2 * s), hole)
    cv.fill(rect(7.5 * s, 11.0 * s, 8.5 * s, 13.4 * s), hole)


def icon_site_secured(size):
    cv = Canvas(size)
    draw_padlock(cv, raised=False)
    return cv


def icon_site_open(size):
    cv = Canvas(size)
    draw_padlock(cv, raised=True)
    return cv


def icon_sort(up):
    """Header sort arrow: a grey triangle, point up for ascending."""
    def draw(size):
        cv = Canvas(size)
        s = size / 16.0
        top, bottom = 5.0 * s, 11.0 * s
        if up:
            corners = ((3.5 * s, bottom), (12.5 * s, bottom), (8 * s, top))
        else:
            corners = ((3.5 * s, top), (12.5 * s, top), (8 * s, bottom))
        # Mid grey is one of the system palette colours: it stays grey in 8-bit lists.
        cv.fill(triangle(*corners), hexcolor("#808080"))
        return cv
    return draw


def draw_profile_card(cv):
    """A profile: a white index card with a blue title band and two text lines."""
    s = cv.size / 16.0
    x0, y0, x1, y1 = 1.5 * s, 2.5 * s, 12.5 * s, 13.5 * s

    def box(inset):
        return rect(x0 + inset, y0 + inset, x1 - inset, y1 - inset, max(1.0 * s - inset, 0.0))
    cv.fill(box(0.0), hexcolor("#FFFFFF"))
    cv.fill(intersect(box(0.0), rect(x0, y0, x1, y0 + 3.0 * s)), hexcolor("#2F6FC0"))
    cv.fill(outline(box, 1.0), hexcolor("#3A4A60"))
    grey = hexcolor("#8A96A8")
    cv.fill(rect(3.5 * s, 7.5 * s, 10.5 * s, 8.5 * s), grey)
    cv.fill(rect(3.5 * s, 10.0 * s, 8.5 * s, 11.0 * s), grey)


def icon_profile_linked(size):
    """The active profile while the link is on its network: the card with a green tick."""
    cv = Canvas(size)
    draw_profile_card(cv)
    s = size / 16.0
    light, mid, dark = (hexcolor(c) for c in GREEN)
    cv.fill(circle(11.5 * s, 11.5 * s, 4.4 * s), dark)
    cv.fill(circle(11.5 * s, 11.5 * s, 3.6 * s), vgradient(light, mid, 8 * s, 15 * s))
    w = 1.4 * s if size <= 16 else 1.2 * s
    cv.fill(line(9.6 * s, 11.7 * s, 11.1 * s, 13.2 * s, w), WHITE)
    cv.fill(line(11.1 * s, 13.2 * s, 13.6 * s, 9.9 * s, w), WHITE)
    return cv


def icon_profile_active(size):
    """The active profile while the link is elsewhere or down: the card with an amber dot."""
    cv = Canvas(size)
    draw_profile_card(cv)
    s = size / 16.0
    cv.fill(circle(11.5 * s, 11.5 * s, 4.0 * s), hexcolor("#8A5A00"))
    cv.fill(circle(11.5 * s, 11.5 * s, 3.2 * s), vgradient(hexcolor("#FFD66B"), hexcolor("#E59A0A"), 8 * s, 15 * s))
    return cv


def draw_tower(cv, cx, top, bottom, half_base, colour, width):
    """An access point's mast: two legs spreading from the tip, a cross bar, and the tip."""
    cv.fill(line(cx, top, cx - half_base, bottom, width), colour)
    cv.fill(line(cx, top, cx + half_base, bottom, width), colour)
    y = top + (bottom - top) * 0.6
    spread = half_base * 0.6
    cv.fill(line(cx - spread, y, cx + spread, y, width), colour)
    cv.fill(circle(cx, top, width * (0.7 if cv.size <= 16 else 1.1)), colour)


def draw_ap_waves(cv, cx, cy, radii, width, colour):
    """Waves on both sides of the mast tip."""
    for r in radii:
        cv.fill(arc(cx, cy, r - width / 2, r + width / 2, (1.0, -1.25), (1.0, 1.0)), colour)
        cv.fill(arc(cx, cy, r - width / 2, r + width / 2, (-1.0, 1.0), (-1.0, -1.25)), colour)


def icon_havix(size):
    """The soft access point: a mast sending waves over the card."""
    cv = Canvas(size)
    s = size / 16.0
    w = 1.2 if size <= 16 else 0.9 * s
    draw_ap_waves(cv, 8 * s, 3.2 * s, (2.8 * s, 5.0 * s), w, hexcolor("#1E9A26"))
    draw_tower(cv, 8 * s, 3.2 * s, 12.5 * s, 3.0 * s, hexcolor("#3A3A3A"), w)
    x0, y0, x1, y1 = 1 * s, 11 * s, 15 * s, 15 * s

    def box(inset):
        return rect(x0 + inset, y0 + inset, x1 - inset, y1 - inset, max(1.0 * s - inset, 0.0))
    cv.fill(box(0.0), vgradient(hexcolor("#5C8FD0"), hexcolor("#24508E"), y0, y1))
    cv.fill(outline(box, 1.0), hexcolor("#14305A"))
    return cv


def icon_ap_signal(filled, palette):
    """The soft access point's tray picture: the bars with a small mast in the free corner."""
    def draw(size):
        cv = Canvas(size)
        draw_bars(cv, filled, palette)
        s = size / 16.0
        w = 1.0 if size <= 16 else 0.8 * s
        draw_tower(cv, 3.5 * s, 1.0 * s, 7.5 * s, 2.5 * s, hexcolor("#1C3C66"), w)
        return cv
    return draw


# file name, drawing function, sizes
ICONS = [
    ("lumora.ico", icon_program, (16, 32, 48)),
    ("signal-good.ico", icon_signal(4, GREEN), (16, 32)),
    ("signal-normal.ico", icon_signal(3, AMBER), (16, 32)),
    ("signal-weak.ico", icon_signal(2, ORANGE_RED), (16, 32)),
    ("disconnected.ico", icon_disconnected, (16, 32)),
    ("no-adapter.ico", icon_no_adapter, (16, 32)),
    ("wep-error.ico", icon_wep_error, (16, 32)),
    ("site-connected.ico", icon_site_connected, (16, 32)),
    ("site-secured.ico", icon_site_secured, (16, 32)),
    ("site-open.ico", icon_site_open, (16, 32)),
    ("sort-ascending.ico", icon_sort(True), (16, 32)),
    ("sort-descending.ico", icon_sort(False), (16, 32)),
    ("profile-linked.ico", icon_profile_linked, (16, 32)),
    ("profile-active.ico", icon_profile_active, (16, 32)),
]

# Icons of the other programs: folder under resources/, file name, drawing function, sizes.
PROGRAM_ICONS = [
    ("icsselect", "pelcor.ico", icon_pelcor, (16, 32, 48)),
    ("softap", "havix.ico", icon_havix, (16, 32, 48)),
    ("softap", "signal-good.ico", icon_ap_signal(4, GREEN), (16, 32)),
    ("softap", "signal-normal.ico", icon_ap_signal(3, AMBER), (16, 32)),
    ("softap", "signal-weak.ico", icon_ap_signal(2, ORANGE_RED), (16, 32)),
    ("softap", "disconnected.ico", icon_disconnected, (16, 32)),
    ("softap", "no-adapter.ico", icon_no_adapter, (16, 32)),
]

# The station's bitmaps (no alpha): file name, drawing function, size; drawn over the dialog
# face colour.
BITMAPS = [
    ("radio-on.bmp", icon_program, 32),
    ("radio-off.bmp", icon_no_adapter, 32),
]
FACE = (240, 240, 240)

# ---------------------------------------------------------------- file formats


def ico_image(rows):
    """One icon image: BITMAPINFOHEADER, bottom-up BGRA, then the AND mask
    (1 = transparent) for shells that ignore alpha."""
    size = len(rows)
    mask_stride = ((size + 31) // 32) * 4
    xor = bytearray()
    mask = bytearray()
    for row in reversed(rows):
        bits = bytearray(mask_stride)
        for x in range(size):
            r, g, b, a = row[4 * x:4 * x + 4]
            xor += bytes((b, g, r, a))
            if a == 0:
                bits[x >> 3] |= 0x80 >> (x & 7)
        mask += bits
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0,
                         len(xor) + len(mask), 0, 0, 0, 0)
    return header + bytes(xor) + bytes(mask)


def ico_file(images):
    """images: list of (size, rows), written smallest first."""
    out = bytearray(struct.pack("<HHH", 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    blobs = []
    for size, rows in images:
        blob = ico_image(rows)
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32,
                           len(blob), offset)
        offset += len(blob)
        blobs.append(blob)
    for blob in blobs:
        out += blob
    return bytes(out)


def bmp_file(rows, background):
    """24-bit bottom-up BMP of straight-alpha RGBA rows composited over background."""
    size = len(rows)
    stride = (size * 3 + 3) // 4 * 4
    pixels = bytearray()
    for row in reversed(rows):
        line = bytearray()
        for x in range(size):
            r, g, b, a = row[4 * x:4 * x + 4]
            rgb = [(v * a + bg * (255 - a) + 127) // 255 for v, bg in zip((r, g, b), background)]
            line += bytes((rgb[2], rgb[1], rgb[0]))
        pixels += line + bytes(stride - len(line))
    info = struct.pack("<IiiHHIIiiII", 40, size, size, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(pixels), 0, 0, 14 + len(info))
    return header + info + bytes(pixels)


def png_file(width, height, rgba_rows):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)
    raw = b"".join(b"\0" + row for row in rgba_rows)
    return (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 9))
            + chunk(b"IEND", b""))


# ---------------------------------------------------------------- preview


class Sheet:
    """Opaque RGB board for the contact sheet."""

    def __init__(self, w, h, bg):
        self.w, self.h = w, h
        self.px = [list(bg) for _ in range(w * h)]

    def box(self, x0, y0, w, h, colour):
        for y in range(y0, y0 + h):
            for x in range(x0, x0 + w):
                self.px[y * self.w + x] = list(colour)

    def checker(self, x0, y0, w, h, cell):
        for y in range(h):
            for x in range(w):
                dark = ((x // cell) + (y // cell)) % 2
                self.px[(y0 + y) * self.w + x0 + x] = [204, 204, 204] if dark else [255, 255, 255]

    def blit(self, x0, y0, rows, zoom=1):
        for y, row in enumerate(rows):
            for x in range(len(row) // 4):
                r, g, b, a = row[4 * x:4 * x + 4]
                for zy in range(zoom):
                    for zx in range(zoom):
                        d = self.px[(y0 + y * zoom + zy) * self.w + x0 + x * zoom + zx]
                        for i, v in enumerate((r, g, b)):
                            d[i] = (v * a + d[i] * (255 - a) + 127) // 255

    def rows(self):
        out = []
        for y in range(self.h):
            row = bytearray()
            for x in range(self.w):
                row += bytes(self.px[y * self.w + x]) + b"\xff"
            out.append(bytes(row))
        return out


def preview(rendered, path):
    """Each icon on one line: actual size on light, dark and blue taskbar
    colours, then 16 px magnified 8x and 32 px magnified 4x on a checkerboard."""
    backgrounds = [(240, 240, 240), (30, 30, 30), (36, 94, 220)]
    pad = 8
    cell = 48 + 2 * pad
    zoom_cell = 128 + 2 * pad
    width = len(backgrounds) * cell + 2 * zoom_cell
    height = len(rendered) * (zoom_cell)
    sheet = Sheet(width, height, (255, 255, 255))
    for line_no, (_name, images) in enumerate(rendered):
        top = line_no * zoom_cell
        for bi, bg in enumerate(backgrounds):
            x = bi * cell
            sheet.box(x, top, cell, zoom_cell, bg)
            y = top + pad
            for size, rows in images:
                sheet.blit(x + pad, y, rows)
                y += size + 4
        x = len(backgrounds) * cell
        for size, zoom in ((16, 8), (32, 4)):
            rows = dict(images)[size]
            sheet.checker(x + pad, top + pad, size * zoom, size * zoom, 8)
            sheet.blit(x + pad, top + pad, rows, zoom)
            x += zoom_cell
    with open(path, "wb") as f:
        f.write(png_file(width, height, sheet.rows()))


# ---------------------------------------------------------------- main


def render_all(station_dir):
    """(path, images) of every icon; the station's go to station_dir."""
    out = []
    for name, draw, sizes in ICONS:
        out.append((os.path.join(station_dir, name), [(size, draw(size).rgba()) for size in sizes]))
    for folder, name, draw, sizes in PROGRAM_ICONS:
        path = os.path.join(ROOT, "resources", folder, "icons", name)
        out.append((path, [(size, draw(size).rgba()) for size in sizes]))
    return out


def main(argv):
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--out", default=ICON_DIR, help="folder for the station's .ico files")
    ap.add_argument("--check", action="store_true",
                    help="write nothing; exit 1 when a file differs from a fresh drawing")
    ap.add_argument("--preview", metavar="PNG", help="also write a contact sheet")
    args = ap.parse_args(argv)

    rendered = render_all(args.out)
    stale = []
    files = [(path, ico_file(images)) for path, images in rendered]
    files += [(os.path.join(args.out, name), bmp_file(draw(size).rgba(), FACE)) for name, draw, size in BITMAPS]
    for path, data in files:
        if args.check:
            try:
                with open(path, "rb") as f:
                    same = f.read() == data
            except OSError:
                same = False
            if not same:
                stale.append(path)
            continue
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as f:
            f.write(data)
    if args.preview:
        preview(rendered, args.preview)
    for path in stale:
        print("stale: %s (run tools/make-icons.py)" % path, file=sys.stderr)
    return 1 if stale else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
