# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""The eight-way kaleidoscope's face in the magic picker: one crayon petal
mirrored eight times around the middle into a snowflake flower, blue and
purple in turn, with a yellow heart.

make_pickers.py puts what draw() gives on the magic tile and writes it as
resources/art/pickers/magic_kaleido8.svg (this file's name)."""
from make_pickers import INK, line
from svgkit import num


def petal(swap, sx, sy):
    """The petal of the first eighth (between up and up-right), mirrored."""
    def p(x, y):
        if swap:
            x, y = y, x
        return f"{num(25 + sx * x)} {num(25 + sy * y)}"
    return f"M{p(1.5, 5)} C{p(2, 12)} {p(3, 17)} {p(1.2, 19)} M{p(2.6, 9)} C{p(6, 10)} {p(8, 13)} {p(6.5, 15.5)}"


def draw():
    out = ""
    for swap, colour in ((False, "#2f7be8"), (True, "#9b4fd6")):
        for sx in (-1, 1):
            for sy in (-1, 1):
                out += line(petal(swap, sx, sy), colour, 3.2, outline=INK, outline_extra=2.2)
    out += f'<circle cx="25" cy="25" r="4.2" fill="#ffd21f" stroke="{INK}" stroke-width="1.6"/>\n'
    out += '<circle cx="23.8" cy="23.8" r="1.2" fill="#fff3a8"/>\n'
    return out
