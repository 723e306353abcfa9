# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""Mirror painting's face in the magic picker: a curly red crayon line on the
left and its mirror image on the right, either side of a dashed mirror line.

make_pickers.py puts what draw() gives on the magic tile and writes it as
resources/art/pickers/magic_mirror_paint.svg (this file's name)."""
from make_pickers import INK, line

LEFT = "M21.5 11 C10 11 8 22 15 25 C22 28 19 37 10 38"
RIGHT = "M28.5 11 C40 11 42 22 35 25 C28 28 31 37 40 38"


def draw():
    out = line("M25 7.5 L25 42.5", "#8a9fd6", 1.8)
    out = out.replace('stroke-linecap="round"', 'stroke-linecap="round" stroke-dasharray="3 3.2"')
    out += line(LEFT, "#ef3b3b", 4.6, outline=INK, outline_extra=2.6)
    out += line(RIGHT, "#ef3b3b", 4.6, outline=INK, outline_extra=2.6)
    # A small shine on each line, the same on both sides.
    out += line("M18 13 C15 13.5 13.5 15 13 17", "#ff9b9b", 1.3)
    out += line("M32 13 C35 13.5 36.5 15 37 17", "#ff9b9b", 1.3)
    return out
