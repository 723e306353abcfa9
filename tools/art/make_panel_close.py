#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the close button of the panels that open over the canvas:
resources/art/ui/panel_close.svg and panel_close_hot.svg (40 x 40).

The window's own close button made big enough for a small hand: a soft pink
rounded tile with a lighter face, a short shine at the top left, and a fat
dark cross with round ends in the middle. The hover face glows warm orange,
as the window buttons do.

Usage: make_panel_close.py [OUTPUT_DIR]   (default: resources/art/ui in this checkout)
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from svgkit import THEME, document, output_dir, rounded_tile, stroke_attr, write  # noqa: E402

OUT = output_dir("resources", "art", "ui")
SIZE = 40
OL = THEME["OUTLINE"]

# (face, rim, shine) as the window's close button has them; the hover face is the tile's own.
TONES = ("#ffc7cb", "#f3a2a9", "#ffe4e6")


def face(hot):
    s = rounded_tile("panel", *TONES, hot=hot)
    # The cross sits a little high, on the lighter face, like a key cap.
    s += f'<path d="M 13,11 L 27,25 M 27,11 L 13,25" fill="none"{stroke_attr(5, OL)}/>\n'
    return s


def main():
    for hot, name in ((False, "panel_close.svg"), (True, "panel_close_hot.svg")):
        write(os.path.join(OUT, name), document(SIZE, SIZE, face(hot)))


if __name__ == "__main__":
    main()
