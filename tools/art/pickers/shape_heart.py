# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""The heart in the shapes picker: a heart. draw() is its
outlined face, draw_filled() its filled one (make_pickers.py writes them as
resources/art/pickers/shape_heart.svg and shape_heart_filled.svg)."""
from make_pickers import shape_face

SHAPE = '<polygon points="25.00,21.44 25.03,21.13 25.25,20.24 25.82,18.97 26.82,17.56 28.29,16.29 30.16,15.42 32.28,15.13 34.48,15.51 36.50,16.56 38.15,18.15 39.22,20.14 39.59,22.35 39.22,24.63 38.15,26.87 36.50,29.00 34.48,31.01 32.28,32.93 30.16,34.76 28.29,36.49 26.82,38.09 25.82,39.48 25.25,40.56 25.03,41.26 25.00,41.50 24.97,41.26 24.75,40.56 24.18,39.48 23.18,38.09 21.71,36.49 19.84,34.76 17.72,32.93 15.52,31.01 13.50,29.00 11.85,26.87 10.78,24.63 10.41,22.35 10.78,20.14 11.85,18.15 13.50,16.56 15.52,15.51 17.72,15.13 19.84,15.42 21.71,16.29 23.18,17.56 24.18,18.97 24.75,20.24 24.97,21.13" {paint}/>\n'
COLOUR = "#ff4f9a"


def draw():
    return shape_face(SHAPE, COLOUR, False)


def draw_filled():
    return shape_face(SHAPE, COLOUR, True)
