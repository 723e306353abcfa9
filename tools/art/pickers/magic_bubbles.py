# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""Bubbles' face in the magic picker: one big soap bubble and two small
ones, each with a rainbow rim and a white gleam.

make_pickers.py puts what draw() gives on the magic tile and writes it as
resources/art/pickers/magic_bubbles.svg (this file's name)."""
import math

from svgkit import INK, num

RIM = ["#ff5a8a", "#ffb43a", "#7bd64a", "#3ac2ff", "#9a6cff"]


def bubble(cx, cy, r):
    out = f'<circle cx="{num(cx)}" cy="{num(cy)}" r="{num(r)}" fill="#d9f2ff" stroke="{INK}" stroke-width="2"/>\n'
    # The rainbow rim: five arcs just inside the outline.
    ri = r - 1.9
    for k, colour in enumerate(RIM):
        a0, a1 = math.radians(k * 72), math.radians(k * 72 + 74)
        out += (f'<path d="M{num(cx + ri * math.cos(a0))} {num(cy + ri * math.sin(a0))} '
                f'A{num(ri)} {num(ri)} 0 0 1 {num(cx + ri * math.cos(a1))} {num(cy + ri * math.sin(a1))}" '
                f'fill="none" stroke="{colour}" stroke-width="{num(max(1.6, r * 0.14))}"/>\n')
    # The gleam at the top left and a small dot of light beside it.
    rg = r * 0.62
    a0, a1 = math.radians(195), math.radians(245)
    out += (f'<path d="M{num(cx + rg * math.cos(a0))} {num(cy + rg * math.sin(a0))} '
            f'A{num(rg)} {num(rg)} 0 0 1 {num(cx + rg * math.cos(a1))} {num(cy + rg * math.sin(a1))}" '
            f'fill="none" stroke="#ffffff" stroke-width="{num(max(1.8, r * 0.17))}" stroke-linecap="round"/>\n')
    a = math.radians(268)
    out += (f'<circle cx="{num(cx + rg * math.cos(a))}" cy="{num(cy + rg * math.sin(a))}" '
            f'r="{num(max(0.9, r * 0.08))}" fill="#ffffff"/>\n')
    return out


def draw():
    return bubble(21, 28, 14.5) + bubble(37, 15, 7) + bubble(38.5, 34, 4.6)
