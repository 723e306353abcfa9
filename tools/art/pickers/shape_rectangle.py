# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""The rectangle in the shapes picker: a box longer than it is tall. draw() is its
outlined face, draw_filled() its filled one (make_pickers.py writes them as
resources/art/pickers/shape_rectangle.svg and shape_rectangle_filled.svg)."""
from make_pickers import shape_face

SHAPE = '<rect x="8" y="14" width="34" height="22" {paint}/>\n'
COLOUR = "#2ec4b6"


def draw():
    return shape_face(SHAPE, COLOUR, False)


def draw_filled():
    return shape_face(SHAPE, COLOUR, True)
