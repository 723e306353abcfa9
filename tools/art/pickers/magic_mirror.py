# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""Swap sides' face in the magic picker: one fish and its mirror image on
either side of a dashed line, a two-headed arrow above them.

make_pickers.py puts what draw() gives on the magic tile and writes it as
resources/art/pickers/magic_mirror.svg (this file's name)."""
from make_pickers import line
from svgkit import INK


def fish(flip):
    # Drawn facing right about x = 0, then placed (and turned) by a transform.
    body = (f'<path d="M-9 0 Q-2 -8 6 0 Q-2 8 -9 0 Z" fill="#ff8c2a" stroke="{INK}" stroke-width="1.8" '
            f'stroke-linejoin="round"/>\n'
            f'<path d="M-8 0 L-14 -5 L-14 5 Z" fill="#ff8c2a" stroke="{INK}" stroke-width="1.8" '
            f'stroke-linejoin="round"/>\n'
            f'<circle cx="1.5" cy="-1.5" r="1.4" fill="{INK}"/>\n')
    place = "translate(32.5 30) scale(-0.85 0.85)" if flip else "translate(17.5 30) scale(0.85)"
    return f'<g transform="{place}">\n{body}</g>\n'


def draw():
    middle = (f'<path d="M25 19 L25 43" stroke="#8a7fb8" stroke-width="2" stroke-dasharray="3 2.6" '
              f'stroke-linecap="round"/>\n')
    arrow = (line("M14 12 L36 12", "#2f8cf0", 3, outline=INK, outline_extra=2) +
             f'<path d="M10 12 L16 7.5 L16 16.5 Z" fill="#2f8cf0" stroke="{INK}" stroke-width="1.5" '
             f'stroke-linejoin="round"/>\n'
             f'<path d="M40 12 L34 7.5 L34 16.5 Z" fill="#2f8cf0" stroke="{INK}" stroke-width="1.5" '
             f'stroke-linejoin="round"/>\n')
    return middle + fish(False) + fish(True) + arrow
