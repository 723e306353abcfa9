# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""The diamond in the shapes picker: a diamond standing on its point. draw() is its
outlined face, draw_filled() its filled one (make_pickers.py writes them as
resources/art/pickers/shape_diamond.svg and shape_diamond_filled.svg)."""
from make_pickers import shape_face

SHAPE = '<polygon points="25,8 40,25 25,42 10,25" {paint}/>\n'
COLOUR = "#9b5de5"


def draw():
    return shape_face(SHAPE, COLOUR, False)


def draw_filled():
    return shape_face(SHAPE, COLOUR, True)
