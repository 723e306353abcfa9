# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""The square in the shapes picker: a square. draw() is its
outlined face, draw_filled() its filled one (make_pickers.py writes them as
resources/art/pickers/shape_square.svg and shape_square_filled.svg)."""
from make_pickers import shape_face

SHAPE = '<rect x="11" y="11" width="28" height="28" {paint}/>\n'
COLOUR = "#4d8cff"


def draw():
    return shape_face(SHAPE, COLOUR, False)


def draw_filled():
    return shape_face(SHAPE, COLOUR, True)
