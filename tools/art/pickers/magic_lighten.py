# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""The lighten brush's face: a deep blue patch with a pale band painted
across it, and a little sun for light.

make_pickers.py puts what draw() gives on the magic tile and writes it as
resources/art/pickers/magic_lighten.svg (this file's name)."""
import math

from make_pickers import INK
from svgkit import num


def draw():
    # The patch, and the band a stroke of the brush left across it (inside its edges).
    out = f'<rect x="7" y="16" width="28" height="27" rx="5" fill="#2f5fc8" stroke="{INK}" stroke-width="2"/>\n'
    out += '<path d="M8 25 Q14 22 21 25 T34 25 L34 34 Q27 31 21 34 T8 34 Z" fill="#a9c4ff"/>\n'
    # The sun, over the patch's top right corner, inside the tile's round corner.
    cx, cy = 35, 15
    for k in range(8):
        a = math.radians(45 * k + 22.5)
        out += (f'<path d="M{num(cx + 7.6 * math.cos(a))} {num(cy + 7.6 * math.sin(a))} '
                f'L{num(cx + 10 * math.cos(a))} {num(cy + 10 * math.sin(a))}" '
                f'stroke="#ff9f1a" stroke-width="2.2" stroke-linecap="round"/>\n')
    out += f'<circle cx="{cx}" cy="{cy}" r="5.6" fill="#ffd21f" stroke="{INK}" stroke-width="1.8"/>\n'
    return out
