# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""The tint brush's face: a ball with a light and a dark side, grey on the
left and green on the right, the same light and dark in a new colour.

make_pickers.py puts what draw() gives on the magic tile and writes it as
resources/art/pickers/magic_tint.svg (this file's name)."""
import math

from make_pickers import INK
from svgkit import num

MIDDLE, R = 25, 16.5


def half_disc(cx, cy, r, left, fill):
    """The part of a disc on one side of the middle line (SVG Tiny has no clipping)."""
    if abs(cx - MIDDLE) >= r:  # wholly on one side
        return f'<circle cx="{num(cx)}" cy="{num(cy)}" r="{num(r)}" fill="{fill}"/>\n' if (cx < MIDDLE) == left else ""
    h = math.sqrt(r * r - (MIDDLE - cx) ** 2)
    big = 1 if (cx < MIDDLE) == left else 0
    sweep = 0 if left else 1
    return (f'<path d="M{MIDDLE} {num(cy - h)} A{num(r)} {num(r)} 0 {big} {sweep} {MIDDLE} {num(cy + h)} Z" '
            f'fill="{fill}"/>\n')


def ball(left, dark, body, light):
    # The shadow is the whole half; the body a smaller disc up and to the left,
    # leaving a dark crescent along the lower right; a highlight on top.
    out = half_disc(25, 25, R, left, dark) + half_disc(22, 22, R - 3.5, left, body)
    return out + half_disc(18.5, 17.5, 3.6, left, light)


def draw():
    out = ball(True, "#6d707e", "#aeb0ba", "#eeeef2") + ball(False, "#23883a", "#4cc463", "#b6f0c0")
    out += f'<path d="M25 9 L25 41" stroke="{INK}" stroke-width="1.4" stroke-dasharray="2.5 2"/>\n'
    out += f'<circle cx="25" cy="25" r="{R}" fill="none" stroke="{INK}" stroke-width="2.2"/>\n'
    return out
