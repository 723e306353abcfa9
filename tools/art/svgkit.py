# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""Small helpers shared by the artwork generators (Python 3 standard library only).

Everything here writes plain SVG 1.2 Tiny: presentation attributes, no CSS,
no filters, so the program's own renderer draws it exactly as written.
"""

import collections
import math
import os
import sys

# This checkout's root, found from this file so the scripts run from anywhere.
ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
THEME_FILE = os.path.join(ROOT, "resources", "theme", "colours.txt")


def read_theme(path=THEME_FILE):
    """The NAME=#rrggbb lines of the theme file as a dict; the window's C++ reads the same file."""
    colours = {}
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            line = line.strip()
            if not line or line.startswith("#"):
                continue
            name, sep, value = line.partition("=")
            value = value.strip().lower()
            if not sep or len(value) != 7 or not value.startswith("#") or \
                    any(c not in "0123456789abcdef" for c in value[1:]):
                raise ValueError(f"{path}:{number}: expected NAME=#rrggbb, got {line!r}")
            colours[name.strip()] = value
    return colours


THEME = read_theme()
# The deep blue-black used for outlines of pictures.
INK = THEME["PICTURE_INK"]
# Visible white (pure white is reserved for see-through areas).
OFF_WHITE = THEME["OFF_WHITE"]


def output_dir(*default_under_root):
    """The folder named as the script's first argument, else the default inside this checkout."""
    return sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, *default_under_root)


def num(v):
    """Short, stable number formatting for SVG attributes."""
    s = f"{v:.2f}".rstrip("0").rstrip(".")
    return "0" if s in ("-0", "") else s


def hexc(rgb):
    r, g, b = (max(0, min(255, int(round(c)))) for c in rgb)
    return f"#{r:02x}{g:02x}{b:02x}"


def mix(a, b, t):
    """Blend colour a towards colour b by t (0..1)."""
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


def document(width, height, body, background=None):
    head = (f'<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
            f'width="{width}" height="{height}" viewBox="0 0 {width} {height}">\n')
    bg = ""
    if background:
        bg = f'<rect x="0" y="0" width="{width}" height="{height}" fill="{background}"/>\n'
    return head + bg + body + "</svg>\n"


def write(path, text):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="utf-8") as f:
        f.write(text)


def stroke_attr(width, colour):
    """A round-jointed outline, the way every button face in the window is drawn."""
    return (f' stroke="{colour}" stroke-width="{num(width)}" stroke-linejoin="round"'
            f' stroke-linecap="round"')


# The rounded tiles the window's buttons sit on. Each is a darker rim with a
# lighter face set a little high inside it, so the button looks raised like a
# key cap. Per shape: the rim (x = y, width, height, corner), the face (x = y,
# width, height, corner), the outline's width, whether the outline is drawn
# last (over the shine, for the thin window buttons) or with the rim, the short
# shine stroke at the top left (path, width), and the hover face as
# (face, rim, shine, glow ring): glow ring = (x = y, width, height, corner) of
# the warm ring inside the rim, or None.
TileShape = collections.namedtuple(
    "TileShape", "rim face outline_width outline_last shine hover")
_WARM_GLOW = "#ffa02e"
TILE_SHAPES = {
    # the page commands and the buttons that join them (49 x 49)
    "command": TileShape((1.25, 46.5, 46.5, 11), (3, 43, 39.5, 9), 2.5, False, ("M 8,6.5 H 18", 2),
                         ("#ffe680", "#ffbe3d", "#fff6c8", (3.75, 41.5, 38, 8.5))),
    # the tool buttons (67 x 67); they show the choice by a frame, not a hover face
    "tool": TileShape((1.5, 64, 64, 13), (3.5, 60, 55, 11), 2.5, False, None, None),
    # the window's own buttons (50 x 17)
    "window": TileShape((0.75, 48.5, 15.5, 7), (1.5, 47, 11.5, 5.75), 1.5, True, ("M 8,4 H 18", 1.6),
                        ("#ffb347", "#ff9418", "#ffdb8c", None)),
    # the close button of the panels over the canvas (40 x 40): the window's close button made big
    "panel": TileShape((1.5, 37, 37, 10), (3.5, 33, 29, 8), 2.5, True, ("M 9,8 H 17", 2.5),
                       ("#ffb347", "#ff9418", "#ffdb8c", None)),
}


def _tile_rect(box, fill, extra=""):
    at, width, height, corner = box
    return (f'<rect x="{num(at)}" y="{num(at)}" width="{num(width)}" height="{num(height)}" '
            f'rx="{num(corner)}" fill="{fill}"{extra}/>\n')


def rounded_tile(shape, face, rim, shine=None, hot=False, outline=THEME["OUTLINE"]):
    """The SVG of a button's rounded tile, drawn before its picture.

    shape names a row of TILE_SHAPES; face and rim are its two colours, shine
    the colour of the highlight stroke (None: no shine). hot draws the shape's
    hover face instead, whose colours are the same for every button of a kind
    so they all light up alike.
    """
    row = TILE_SHAPES[shape]
    glow = None
    if hot:
        if row.hover is None:
            raise ValueError(f"the {shape} tile has no hover face")
        face, rim, shine, glow = row.hover
    line = stroke_attr(row.outline_width, outline)
    s = _tile_rect(row.rim, rim, "" if row.outline_last else line)
    s += _tile_rect(row.face, face)
    if glow:
        s += _tile_rect(glow, "none", f' stroke="{_WARM_GLOW}" stroke-width="2" opacity="0.8"')
    if shine and row.shine:
        path, width = row.shine
        s += f'<path d="{path}" fill="none"{stroke_attr(width, shine)}/>\n'
    if row.outline_last:
        s += _tile_rect(row.rim, "none", line)
    return s


def pts(points):
    return " ".join(f"{num(x)},{num(y)}" for x, y in points)


def polyline_d(points):
    p = points
    return "M" + num(p[0][0]) + " " + num(p[0][1]) + "".join(
        f" L{num(x)} {num(y)}" for x, y in p[1:])


def smooth_open_d(points, tension=1.0):
    """Catmull-Rom curve through the points, written as cubic Beziers."""
    p = points
    d = f"M{num(p[0][0])} {num(p[0][1])}"
    for i in range(len(p) - 1):
        p0 = p[i - 1] if i > 0 else p[i]
        p1, p2 = p[i], p[i + 1]
        p3 = p[i + 2] if i + 2 < len(p) else p2
        c1 = (p1[0] + (p2[0] - p0[0]) * tension / 6, p1[1] + (p2[1] - p0[1]) * tension / 6)
        c2 = (p2[0] - (p3[0] - p1[0]) * tension / 6, p2[1] - (p3[1] - p1[1]) * tension / 6)
        d += f" C{num(c1[0])} {num(c1[1])} {num(c2[0])} {num(c2[1])} {num(p2[0])} {num(p2[1])}"
    return d


def smooth_closed_d(points, tension=1.0):
    p = points
    n = len(p)
    d = f"M{num(p[0][0])} {num(p[0][1])}"
    for i in range(n):
        p0, p1, p2, p3 = p[(i - 1) % n], p[i], p[(i + 1) % n], p[(i + 2) % n]
        c1 = (p1[0] + (p2[0] - p0[0]) * tension / 6, p1[1] + (p2[1] - p0[1]) * tension / 6)
        c2 = (p2[0] - (p3[0] - p1[0]) * tension / 6, p2[1] - (p3[1] - p1[1]) * tension / 6)
        d += f" C{num(c1[0])} {num(c1[1])} {num(c2[0])} {num(c2[1])} {num(p2[0])} {num(p2[1])}"
    return d + " Z"


def star_points(cx, cy, r_out, r_in, rotation_deg=0.0, n=5):
    pts_ = []
    for k in range(2 * n):
        r = r_out if k % 2 == 0 else r_in
        a = math.radians(rotation_deg - 90 + k * 180.0 / n)
        pts_.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return pts_


def fit_points(points, x0, y0, x1, y1):
    """Scale and move points uniformly so they fill the box, centred."""
    xs = [p[0] for p in points]
    ys = [p[1] for p in points]
    w = max(xs) - min(xs) or 1
    h = max(ys) - min(ys) or 1
    s = min((x1 - x0) / w, (y1 - y0) / h)
    ox = x0 + ((x1 - x0) - w * s) / 2 - min(xs) * s
    oy = y0 + ((y1 - y0) - h * s) / 2 - min(ys) * s
    return [(x * s + ox, y * s + oy) for x, y in points]
