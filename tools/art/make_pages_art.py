#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the page picker's two extra buttons: resources/art/ui/pages_*.svg.

Usage: make_pages_art.py [OUTPUT_DIR]   (default: resources/art/ui in this checkout)

"All the pages" (49 x 49): nine little white pages in a grid, each with a
hint of an outline drawing, on the soft rounded tile of the command buttons
in light blue, so a child sees "lots of pages at once". "Paper to paint on"
(49 x 49): three sheets fanned out in cream, sky blue and pink, the front one
with a small sun, on the same tile in light green.
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from svgkit import THEME, document, output_dir, rounded_tile, stroke_attr, write  # noqa: E402
from svgkit import num as f  # noqa: E402

OUT = output_dir("resources", "art", "ui")
OL = THEME["OUTLINE"]
OFF = THEME["OFF_WHITE"]


def grid_button():
    s = rounded_tile("command", "#d6ecff", "#8cc2f0")
    hints = ("circle", "roof", "wave")
    for k in range(9):
        x, y = 8.5 + (k % 3) * 11, 8.5 + (k // 3) * 11
        s += f'<rect x="{f(x)}" y="{f(y)}" width="9" height="9" rx="1.5" fill="{OFF}"{stroke_attr(1.4, OL)}/>\n'
        hint = hints[k % 3]
        if hint == "circle":
            s += f'<circle cx="{f(x + 4.5)}" cy="{f(y + 4.5)}" r="2.2" fill="none"{stroke_attr(0.9, OL)}/>\n'
        elif hint == "roof":
            s += (f'<path d="M {f(x + 2)},{f(y + 5)} L {f(x + 4.5)},{f(y + 2.5)} L {f(x + 7)},{f(y + 5)} '
                  f'V {f(y + 7)} H {f(x + 2)} Z" fill="none"{stroke_attr(0.9, OL)}/>\n')
        else:
            s += (f'<path d="M {f(x + 1.8)},{f(y + 5)} Q {f(x + 3.2)},{f(y + 3)} {f(x + 4.5)},{f(y + 5)} '
                  f'T {f(x + 7.2)},{f(y + 5)}" fill="none"{stroke_attr(0.9, OL)}/>\n')
    return s


def papers_button():
    s = rounded_tile("command", "#dff5da", "#8fd08a")
    for angle, colour in ((-16, "#d6ecff"), (10, "#ffe0ec"), (0, "#fff6e0")):
        s += (f'<g transform="rotate({f(angle)} 24.5 26)">'
              f'<rect x="12" y="11" width="25" height="30" rx="2" fill="{colour}"{stroke_attr(1.8, OL)}/></g>\n')
    s += f'<circle cx="24.5" cy="24" r="5" fill="#ffd23f"{stroke_attr(1.4, OL)}/>\n'
    for dx, dy in ((0, -8.5), (8.5, 0), (0, 8.5), (-8.5, 0), (6, -6), (6, 6), (-6, 6), (-6, -6)):
        s += (f'<path d="M {f(24.5 + dx * 0.78)},{f(24 + dy * 0.78)} L {f(24.5 + dx)},{f(24 + dy)}" '
              f'fill="none"{stroke_attr(1.3, "#f5a742")}/>\n')
    return s


def main():
    write(os.path.join(OUT, "pages_grid.svg"), document(49, 49, grid_button()))
    write(os.path.join(OUT, "pages_papers.svg"), document(49, 49, papers_button()))


if __name__ == "__main__":
    main()
