# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""Blocks' face in the magic picker: a red heart made of little square
tiles among pale blue ones, as the effect lays a picture in tiles.

make_pickers.py puts what draw() gives on the magic tile and writes it as
resources/art/pickers/magic_pixel_blocks.svg (this file's name)."""
from svgkit import INK, hexc, mix, num

HEART = [".XX.XX.",
         "XXXXXXX",
         "XXXXXXX",
         ".XXXXX.",
         "..XXX..",
         "...X..."]
RED = (232, 52, 60)
PALE = (190, 226, 255)


def draw():
    cell = 5.2
    x0, y0 = 25 - 3.5 * cell, 25 - 3 * cell
    out = (f'<rect x="{num(x0 - 1)}" y="{num(y0 - 1)}" width="{num(7 * cell + 2)}" height="{num(6 * cell + 2)}" '
           f'rx="2" fill="{INK}"/>\n')
    for row, text in enumerate(HEART):
        for col, mark in enumerate(text):
            colour = RED if mark == "X" else PALE
            x, y = x0 + col * cell + 0.45, y0 + row * cell + 0.45
            size = cell - 0.9
            out += (f'<rect x="{num(x)}" y="{num(y)}" width="{num(size)}" height="{num(size)}" rx="0.6" '
                    f'fill="{hexc(colour)}"/>\n')
            if mark == "X":  # a lighter top left on the heart's tiles, as the effect draws them
                out += (f'<path d="M{num(x + 0.6)} {num(y + size - 0.8)} L{num(x + 0.6)} {num(y + 0.6)} '
                        f'L{num(x + size - 0.8)} {num(y + 0.6)}" fill="none" '
                        f'stroke="{hexc(mix(colour, (255, 255, 255), 0.5))}" stroke-width="1" '
                        f'stroke-linecap="round"/>\n')
    return out
