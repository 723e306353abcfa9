#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the art of any colour: resources/art/ui/colour_band.svg (the little
rainbow at the foot of the chosen-colour box, 49 x 22), colour_dropper.svg
(the dropper button's picture in the rainbow panel, 96 x 96) and
colour_cursor_dropper.svg (the canvas cursor while the dropper waits for a
press, 32 x 32, its tip on pixel 1,30).

The dropper is a glass tube with a round red rubber bulb and a blue drop at
its tip, the way a child sees one in a paint box; the band is a rainbow arch
on a pale sky, so the box says "more colours here".

Usage: make_colour_art.py [OUTPUT_DIR]   (default: resources/art/ui in this checkout)
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from svgkit import THEME, document, output_dir, stroke_attr, write  # noqa: E402

OUT = output_dir("resources", "art", "ui")
OL = THEME["OUTLINE"]
OFF = THEME["OFF_WHITE"]
RAINBOW = ("#ff5a5f", "#ff9f3d", "#ffd23f", "#4cc76a", "#4d8cff", "#a06bff")


def band():
    s = f'<rect x="1" y="1" width="47" height="20" rx="5" fill="#dff3ff"{stroke_attr(2, OL)}/>\n'
    # an arch of six colours standing on the band's floor, outlined once outside and once inside
    cx, cy, outer, width = 24.5, 20, 17, 2.3
    s += f'<path d="M {cx - outer - 1.2},{cy} A {outer + 1.2},{outer + 1.2} 0 0 1 {cx + outer + 1.2},{cy}" fill="none"{stroke_attr(1.6, OL)}/>\n'
    for i, colour in enumerate(RAINBOW):
        r = outer - width * i
        s += (f'<path d="M {cx - r},{cy} A {r},{r} 0 0 1 {cx + r},{cy}" fill="none" stroke="{colour}" '
              f'stroke-width="{width + 0.3}"/>\n')
    r = outer - width * len(RAINBOW) + 1.0
    s += f'<path d="M {cx - r},{cy} A {r},{r} 0 0 1 {cx + r},{cy}" fill="#dff3ff"{stroke_attr(1.6, OL)}/>\n'
    return s


def dropper(length, width, bulb, drop, line):
    """A dropper along +x from its tip at 0,0: the tube, the bulb, a drop under the tip."""
    half = width / 2
    s = (f'<path d="M 0,0 L {length * 0.22},{-half} H {length * 0.72} V {half} H {length * 0.22} Z" '
         f'fill="#cfeaff"{stroke_attr(line, OL)}/>\n')
    # paint inside the glass, near the tip
    s += (f'<path d="M {length * 0.12},{-half * 0.45} L {length * 0.22},{-half * 0.55} H {length * 0.4} '
          f'V {half * 0.55} H {length * 0.22} L {length * 0.12},{half * 0.45} Z" fill="#4d8cff"/>\n')
    s += (f'<rect x="{length * 0.7}" y="{-half * 1.5}" width="{length * 0.08}" height="{half * 3}" rx="{line}" '
          f'fill="#8ea6c8"{stroke_attr(line, OL)}/>\n')
    s += (f'<ellipse cx="{length * 0.78 + bulb}" cy="0" rx="{bulb * 1.1}" ry="{bulb}" fill="#ff5a5f"'
          f'{stroke_attr(line, OL)}/>\n')
    s += (f'<ellipse cx="{length * 0.78 + bulb * 0.8}" cy="{-bulb * 0.4}" rx="{bulb * 0.35}" ry="{bulb * 0.22}" '
          f'fill="#ff9a9e"/>\n')
    return s


def dropper_button():
    s = f'<g transform="translate(22,74) rotate(-45)">\n{dropper(78, 16, 13, 0, 3)}</g>\n'
    # a fat drop falling from the tip
    s += (f'<path d="M 16,80 C 16,80 7,90 11.5,93.5 C 14,95.5 19,94.5 19.5,90.5 C 20,87 16,80 16,80 Z" '
          f'fill="#4d8cff"{stroke_attr(2.5, OL)}/>\n')
    s += f'<circle cx="13.5" cy="89.5" r="1.4" fill="{OFF}"/>\n'
    return s


def cursor():
    return f'<g transform="translate(1.5,30.5) rotate(-45)">\n{dropper(34, 6.5, 5, 0, 1.5)}</g>\n'


def main():
    write(os.path.join(OUT, "colour_band.svg"), document(49, 22, band()))
    write(os.path.join(OUT, "colour_dropper.svg"), document(96, 96, dropper_button()))
    write(os.path.join(OUT, "colour_cursor_dropper.svg"), document(32, 32, cursor()))


if __name__ == "__main__":
    main()
