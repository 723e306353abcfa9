# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""The darken brush's face: a light yellow patch with a deep band painted
across it, and a little moon for dark.

make_pickers.py puts what draw() gives on the magic tile and writes it as
resources/art/pickers/magic_darken.svg (this file's name)."""
import math

from make_pickers import INK
from svgkit import num

# The moon: a disc with a smaller one bitten out of its upper right.
MOON, BITE = (35, 15, 8.5), (39, 11.5, 7)


def crossings():
    """Where the moon's rim and the bite's rim cross, the lower one first."""
    (x0, y0, r0), (x1, y1, r1) = MOON, BITE
    d = math.hypot(x1 - x0, y1 - y0)
    a = (r0 * r0 - r1 * r1 + d * d) / (2 * d)
    h = math.sqrt(r0 * r0 - a * a)
    mx, my = x0 + a * (x1 - x0) / d, y0 + a * (y1 - y0) / d
    p = (mx + h * (y1 - y0) / d, my - h * (x1 - x0) / d)
    q = (mx - h * (y1 - y0) / d, my + h * (x1 - x0) / d)
    return sorted((p, q), key=lambda v: -v[1])


def draw():
    # The patch, and the band a stroke of the brush left across it (inside its edges).
    out = f'<rect x="7" y="16" width="28" height="27" rx="5" fill="#ffe37a" stroke="{INK}" stroke-width="2"/>\n'
    out += '<path d="M8 25 Q14 22 21 25 T34 25 L34 34 Q27 31 21 34 T8 34 Z" fill="#c2700c"/>\n'
    (ax, ay), (bx, by) = crossings()
    r0, r1 = MOON[2], BITE[2]
    out += (f'<path d="M{num(ax)} {num(ay)} A{r0} {r0} 0 1 1 {num(bx)} {num(by)} '
            f'A{r1} {r1} 0 0 0 {num(ax)} {num(ay)} Z" fill="#4a4f9e" stroke="{INK}" stroke-width="1.8" '
            f'stroke-linejoin="round"/>\n')
    out += '<circle cx="30.5" cy="14" r="1.2" fill="#fff3b0"/>\n<circle cx="32" cy="19.5" r="0.9" fill="#fff3b0"/>\n'
    return out
