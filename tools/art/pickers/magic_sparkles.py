# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""Sparkles' face in the magic picker: a big yellow four-pointed glint with a
light middle, a little star and two small glints trailing after it.

make_pickers.py puts what draw() gives on the magic tile and writes it as
resources/art/pickers/magic_sparkles.svg (this file's name)."""
from svgkit import INK, num, pts, star_points


def glint(cx, cy, r, fill, width):
    """A four-pointed sparkle whose sides curve in towards its middle."""
    k = 0.22 * r
    d = (f"M{num(cx)} {num(cy - r)} Q{num(cx + k)} {num(cy - k)} {num(cx + r)} {num(cy)} "
         f"Q{num(cx + k)} {num(cy + k)} {num(cx)} {num(cy + r)} "
         f"Q{num(cx - k)} {num(cy + k)} {num(cx - r)} {num(cy)} "
         f"Q{num(cx - k)} {num(cy - k)} {num(cx)} {num(cy - r)} Z")
    return f'<path d="{d}" fill="{fill}" stroke="{INK}" stroke-width="{num(width)}" stroke-linejoin="round"/>\n'


def draw():
    out = glint(29, 20, 14.5, "#ffd21f", 2)
    out += f'<circle cx="29" cy="20" r="3" fill="#fff6b8"/>\n'
    star = star_points(13.5, 35, 7.5, 3.3, -12)
    out += (f'<polygon points="{pts(star)}" fill="#ffd21f" stroke="{INK}" stroke-width="1.7" '
            'stroke-linejoin="round"/>\n')
    out += glint(12, 14.5, 5, "#ffd21f", 1.4)
    out += glint(36, 38.5, 4.5, "#ffd21f", 1.4)
    return out
