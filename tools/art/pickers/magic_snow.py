# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""Snow's face in the magic picker: a big six-armed snowflake and a few
small ones over a night-blue window, a drift of snow along its bottom.

make_pickers.py puts what draw() gives on the magic tile and writes it as
resources/art/pickers/magic_snow.svg (this file's name)."""
import math

from make_pickers import line
from svgkit import INK, OFF_WHITE, num

SKY = "#3f63c4"


def flake(cx, cy, r, width):
    d = ""
    for k in range(6):
        a = math.radians(90 + 60 * k)
        c, s = math.cos(a), math.sin(a)
        d += f"M{num(cx)} {num(cy)} L{num(cx + r * c)} {num(cy + r * s)} "
        bx, by = cx + 0.58 * r * c, cy + 0.58 * r * s
        for side in (-1, 1):
            t = a + side * 0.8
            d += f"M{num(bx)} {num(by)} L{num(bx + 0.36 * r * math.cos(t))} {num(by + 0.36 * r * math.sin(t))} "
    return line(d.strip(), OFF_WHITE, width, outline=INK, outline_extra=1.8)


def draw():
    window = (f'<rect x="7" y="7" width="36" height="36" rx="7" fill="{SKY}" stroke="{INK}" stroke-width="2"/>\n')
    drift = (f'<path d="M8 36 Q16 30 24 35 Q33 40 42 33 L42 37 Q42 42 37 42 L13 42 Q8 42 8 37 Z" '
             f'fill="{OFF_WHITE}" stroke="{INK}" stroke-width="1.6" stroke-linejoin="round"/>\n')
    dots = "".join(f'<circle cx="{x}" cy="{y}" r="{r}" fill="{OFF_WHITE}" stroke="{INK}" stroke-width="1"/>\n'
                   for x, y, r in [(13, 13, 2), (37, 14, 2.2), (14, 28, 1.7), (36, 27, 1.8), (29, 9.5, 1.4)])
    return window + dots + flake(25, 21, 10, 2.4) + drift
