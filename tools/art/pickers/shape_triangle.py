# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""The triangle in the shapes picker: a triangle standing on its base. draw() is its
outlined face, draw_filled() its filled one (make_pickers.py writes them as
resources/art/pickers/shape_triangle.svg and shape_triangle_filled.svg)."""
from make_pickers import shape_face

SHAPE = '<polygon points="25,9 41.5,38 8.5,38" {paint}/>\n'
COLOUR = "#ffd23f"


def draw():
    return shape_face(SHAPE, COLOUR, False)


def draw_filled():
    return shape_face(SHAPE, COLOUR, True)
