# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""The four-way kaleidoscope's face in the magic picker: one green crayon
curl copied into all four corners, mirrored, around a dashed cross.

make_pickers.py puts what draw() gives on the magic tile and writes it as
resources/art/pickers/magic_kaleido4.svg (this file's name)."""
from make_pickers import INK, line
from svgkit import num


def curl(sx, sy):
    """The curl of the top-left corner, mirrored by the signs sx and sy."""
    def p(x, y):
        return f"{num(25 + sx * x)} {num(25 + sy * y)}"
    return f"M{p(3.5, 15)} C{p(10, 16)} {p(16, 12)} {p(15.5, 6.5)} C{p(15, 3)} {p(10.5, 3)} {p(10, 8)}"


def draw():
    out = ""
    for d in ("M25 7 L25 43", "M7 25 L43 25"):
        out += line(d, "#a596d8", 1.6).replace('stroke-linecap="round"',
                                               'stroke-linecap="round" stroke-dasharray="2.6 2.8"')
    for sx in (-1, 1):
        for sy in (-1, 1):
            out += line(curl(sx, sy), "#24b34a", 4.0, outline=INK, outline_extra=2.4)
    out += f'<circle cx="25" cy="25" r="3" fill="#ffd21f" stroke="{INK}" stroke-width="1.5"/>\n'
    return out
