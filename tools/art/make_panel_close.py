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
from svgkit import THEME, document, num, output_dir, write  # noqa: E402

OUT = output_dir("resources", "art", "ui")
SIZE = 40
OL = THEME["OUTLINE"]

# (shade, face, shine) as the window's close button has them, and its hover glow.
TONES = {
    False: ("#f3a2a9", "#ffc7cb", "#ffe4e6"),
    True: ("#ff9418", "#ffb347", "#ffdb8c"),
}


def stroke(width, colour=OL):
    return (f' stroke="{colour}" stroke-width="{num(width)}" stroke-linejoin="round"'
            f' stroke-linecap="round"')


def face(hot):
    shade, light, shine = TONES[hot]
    s = f'<rect x="1.5" y="1.5" width="37" height="37" rx="10" fill="{shade}"/>\n'
    s += f'<rect x="3.5" y="3.5" width="33" height="29" rx="8" fill="{light}"/>\n'
    s += f'<path d="M 9,8 H 17" fill="none"{stroke(2.5, shine)}/>\n'
    s += f'<rect x="1.5" y="1.5" width="37" height="37" rx="10" fill="none"{stroke(2.5)}/>\n'
    # The cross sits a little high, on the lighter face, like a key cap.
    s += f'<path d="M 13,11 L 27,25 M 27,11 L 13,25" fill="none"{stroke(5)}/>\n'
    return s


def main():
    for hot, name in ((False, "panel_close.svg"), (True, "panel_close_hot.svg")):
        write(os.path.join(OUT, name), document(SIZE, SIZE, face(hot)))


if __name__ == "__main__":
    main()
