# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""The star in the shapes picker: a five-pointed star. draw() is its
outlined face, draw_filled() its filled one (make_pickers.py writes them as
resources/art/pickers/shape_star.svg and shape_star_filled.svg)."""
from make_pickers import shape_face

SHAPE = '<polygon points="25.00,10.50 29.23,20.68 40.22,21.56 31.85,28.72 34.40,39.44 25.00,33.70 15.60,39.44 18.15,28.72 9.78,21.56 20.77,20.68" {paint}/>\n'
COLOUR = "#ffc300"


def draw():
    return shape_face(SHAPE, COLOUR, False)


def draw_filled():
    return shape_face(SHAPE, COLOUR, True)
