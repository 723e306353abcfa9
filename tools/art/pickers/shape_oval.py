# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""The oval in the shapes picker: an oval lying on its side. draw() is its
outlined face, draw_filled() its filled one (make_pickers.py writes them as
resources/art/pickers/shape_oval.svg and shape_oval_filled.svg)."""
from make_pickers import shape_face

SHAPE = '<ellipse cx="25" cy="25" rx="17" ry="11" {paint}/>\n'
COLOUR = "#ff9f1c"


def draw():
    return shape_face(SHAPE, COLOUR, False)


def draw_filled():
    return shape_face(SHAPE, COLOUR, True)
