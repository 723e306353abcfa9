# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""The blur brush's face: a sharp red ball on the left, and the same ball
gone soft and fuzzy on the right, its edge fading out in flat rings.

make_pickers.py puts what draw() gives on the magic tile and writes it as
resources/art/pickers/magic_blur.svg (this file's name)."""
from make_pickers import INK, MAGIC_TILE, hex_rgb
from svgkit import hexc, mix, num

RED = (239, 83, 80)


def draw():
    out = ""
    # The soft ball: rings from the tile's colour in to the full red, no outline.
    cx, cy = 32.5, 25
    for i, r in enumerate((13.5, 11.5, 9.8, 8.4)):
        t = (i + 1) / 4
        out += f'<circle cx="{num(cx)}" cy="{num(cy)}" r="{num(r)}" fill="{hexc(mix(hex_rgb(MAGIC_TILE), RED, t))}"/>\n'
    out += f'<circle cx="{num(cx - 2)}" cy="{num(cy - 2.5)}" r="2.6" fill="{hexc(mix(RED, (255, 255, 255), 0.35))}"/>\n'
    # The sharp ball, in front: outlined, with a crisp highlight.
    out += f'<circle cx="16" cy="25" r="9" fill="{hexc(RED)}" stroke="{INK}" stroke-width="2"/>\n'
    out += f'<circle cx="13" cy="21.5" r="2.6" fill="#ffb3a8"/>\n'
    return out
