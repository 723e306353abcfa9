# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""The circle in the shapes picker: a round circle. draw() is its
outlined face, draw_filled() its filled one (make_pickers.py writes them as
resources/art/pickers/shape_circle.svg and shape_circle_filled.svg)."""
from make_pickers import shape_face

SHAPE = '<circle cx="25" cy="25" r="14.5" {paint}/>\n'
COLOUR = "#ff5a5f"


def draw():
    return shape_face(SHAPE, COLOUR, False)


def draw_filled():
    return shape_face(SHAPE, COLOUR, True)
