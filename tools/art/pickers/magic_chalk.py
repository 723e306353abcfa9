# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""Chalk's face in the magic picker: a pink stick of chalk leaving a grainy
blue stroke of specks behind it (fixed seed, so reruns give the same file).

make_pickers.py puts what draw() gives on the magic tile and writes it as
resources/art/pickers/magic_chalk.svg (this file's name)."""
import math
import random

from make_pickers import INK
from svgkit import num


def draw():
    rng = random.Random(33)
    out = ""
    # The stroke: a soft wave of specks, denser along its middle, ragged at
    # its edges, with gaps where the paper shows.
    for k in range(230):
        t = rng.random()
        x = 7 + 27 * t
        y = 38 - 9 * t + 4 * math.sin(t * 2 * math.pi)
        off = rng.gauss(0, 3.0)
        r = rng.uniform(0.9, 1.7)
        out += (f'<circle cx="{num(x + off * 0.35)}" cy="{num(y + off)}" r="{num(r)}" '
                f'fill="{"#2f6fe0" if rng.random() < 0.75 else "#86aef5"}"/>\n')
    # The stick, tilted, its tip where the stroke ends.
    out += ('<g transform="rotate(-38 33 24)">'
            f'<rect x="30" y="8" width="9" height="22" rx="3" fill="#ff8fc2" stroke="{INK}" stroke-width="2"/>'
            '<rect x="32" y="11" width="2.2" height="15" rx="1.1" fill="#ffc6df"/>'
            f'<path d="M30 26 L39 26" stroke="{INK}" stroke-width="1.2"/>'
            '</g>\n')
    return out
