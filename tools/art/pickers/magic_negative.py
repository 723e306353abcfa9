# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""The opposite-colours brush's face: a square cut in two, a yellow star on
blue in one half and, turned round, a blue star on yellow in the other.

make_pickers.py puts what draw() gives on the magic tile and writes it as
resources/art/pickers/magic_negative.svg (this file's name)."""
from make_pickers import INK
from svgkit import num, star_points

YELLOW = "#ffd21f"
BLUE = "#2c4fb0"
MIDDLE = 25


def half(points, left):
    """The part of a polygon left (or right) of the middle line (the
    pictures are SVG Tiny, which has no clipping)."""
    inside = (lambda p: p[0] <= MIDDLE) if left else (lambda p: p[0] >= MIDDLE)
    out = []
    for i, p in enumerate(points):
        q = points[(i + 1) % len(points)]
        if inside(p):
            out.append(p)
        if inside(p) != inside(q):
            t = (MIDDLE - p[0]) / (q[0] - p[0])
            out.append((MIDDLE, p[1] + t * (q[1] - p[1])))
    return " ".join(f"{num(x)},{num(y)}" for x, y in out)


def draw():
    star = star_points(25, 26, 13, 5.6)
    out = f'<path d="M15 9 L25 9 L25 41 L15 41 Q9 41 9 35 L9 15 Q9 9 15 9 Z" fill="{BLUE}"/>\n'
    out += f'<path d="M25 9 L35 9 Q41 9 41 15 L41 35 Q41 41 35 41 L25 41 Z" fill="{YELLOW}"/>\n'
    out += f'<polygon points="{half(star, True)}" fill="{YELLOW}"/>\n'
    out += f'<polygon points="{half(star, False)}" fill="{BLUE}"/>\n'
    outline = " ".join(f"{num(x)},{num(y)}" for x, y in star)
    out += (f'<polygon points="{outline}" fill="none" stroke="{INK}" stroke-width="1.6" '
            f'stroke-linejoin="round"/>\n')
    out += f'<rect x="9" y="9" width="32" height="32" rx="6" fill="none" stroke="{INK}" stroke-width="2"/>\n'
    return out
