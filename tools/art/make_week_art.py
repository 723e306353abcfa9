#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the pictures of the grown-up's "collect the drawings" page: resources/art/ui/week_*.svg.

Usage: make_week_art.py [OUTPUT_DIR]   (default: resources/art/ui in this checkout)

Three choices of what to make, each on the soft rounded tile of the command
buttons (49 x 49), in three light colours so they are told apart at a
glance: pictures in a folder (an open yellow folder with two drawings
standing in it), a booklet to print (an open book with a sun on one page
and a flower on the other), a film (a strip of film with a play sign).
The page's own icon for the settings window (week_page) is a calendar
leaf with a little drawing on it.
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from svgkit import THEME, document, output_dir, rounded_tile, stroke_attr, write  # noqa: E402
from svgkit import num as f  # noqa: E402

OUT = output_dir("resources", "art", "ui")
OL = THEME["OUTLINE"]
OFF = THEME["OFF_WHITE"]


def sun(cx, cy, r):
    return f'<circle cx="{f(cx)}" cy="{f(cy)}" r="{f(r)}" fill="#ffd23f"{stroke_attr(1.2, OL)}/>\n'


def flower(cx, cy, r):
    s = ""
    for dx, dy in ((0, -1), (1, 0), (0, 1), (-1, 0)):
        s += f'<circle cx="{f(cx + dx * r)}" cy="{f(cy + dy * r)}" r="{f(r * 0.8)}" fill="#ff8fb1"{stroke_attr(1, OL)}/>\n'
    return s + f'<circle cx="{f(cx)}" cy="{f(cy)}" r="{f(r * 0.6)}" fill="#ffd23f"{stroke_attr(1, OL)}/>\n'


def pictures():
    s = rounded_tile("command", "#fff1b8", "#f5d96b")
    # the folder's back, two drawings standing in it, then its front
    s += f'<path d="M 8,17 H 19 L 22,14 H 40 V 36 H 8 Z" fill="#f5a742"{stroke_attr(2, OL)}/>\n'
    s += (f'<g transform="rotate(-10 18 20)"><rect x="12" y="11" width="13" height="15" fill="{OFF}"'
          f'{stroke_attr(1.4, OL)}/>\n' + sun(18.5, 17, 3) + '</g>\n')
    s += (f'<g transform="rotate(8 31 20)"><rect x="25" y="10" width="13" height="15" fill="{OFF}"'
          f'{stroke_attr(1.4, OL)}/>\n' + flower(31.5, 16.5, 2.4) + '</g>\n')
    s += f'<path d="M 6,23 H 42 L 39,38 H 9 Z" fill="#ffc95c"{stroke_attr(2, OL)}/>\n'
    return document(49, 49, s)


def booklet():
    s = rounded_tile("command", "#dff3ff", "#9fd3f5")
    s += f'<path d="M 24.5,13 Q 16,9 7,12 V 36 Q 16,33 24.5,37 Z" fill="{OFF}"{stroke_attr(2, OL)}/>\n'
    s += f'<path d="M 24.5,13 Q 33,9 42,12 V 36 Q 33,33 24.5,37 Z" fill="{OFF}"{stroke_attr(2, OL)}/>\n'
    s += sun(15.5, 21, 3.6)
    s += f'<path d="M 10,30 Q 15.5,26 21,30" fill="none"{stroke_attr(1.6, "#4cc76a")}/>\n'
    s += flower(33.5, 22, 2.6)
    s += f'<path d="M 33.5,26 V 31" fill="none"{stroke_attr(1.5, "#33a955")}/>\n'
    return document(49, 49, s)


def film():
    s = rounded_tile("command", "#e6ffd9", "#9fdd8a")
    s += f'<rect x="7" y="12" width="35" height="25" rx="3" fill="#5b5f73"{stroke_attr(2, OL)}/>\n'
    for x in range(10, 40, 6):
        s += f'<rect x="{f(x)}" y="14" width="3" height="2.6" rx="0.6" fill="{OFF}"/>\n'
        s += f'<rect x="{f(x)}" y="32.4" width="3" height="2.6" rx="0.6" fill="{OFF}"/>\n'
    s += f'<rect x="11" y="18.5" width="27" height="12" rx="1.5" fill="{OFF}"{stroke_attr(1.2, OL)}/>\n'
    s += f'<path d="M 21.5,20.5 L 29.5,24.5 L 21.5,28.5 Z" fill="#ff5a5f"{stroke_attr(1.3, OL)}/>\n'
    return document(49, 49, s)


def page_icon():
    s = rounded_tile("command", "#ffe3ec", "#f5a3bd")
    s += f'<rect x="9" y="11" width="31" height="28" rx="3" fill="{OFF}"{stroke_attr(2, OL)}/>\n'
    s += f'<path d="M 9,14 Q 9,11 12,11 H 37 Q 40,11 40,14 V 18 H 9 Z" fill="#ff5a5f"{stroke_attr(2, OL)}/>\n'
    for x in (15, 24.5, 34):
        s += f'<path d="M {f(x)},8 V 14" fill="none"{stroke_attr(2.2, OL)}/>\n'
    s += sun(18, 26, 3.4)
    s += f'<path d="M 13,35 Q 19,29 25,35 Q 30,30 35,34" fill="none"{stroke_attr(1.8, "#4cc76a")}/>\n'
    return document(49, 49, s)


def main():
    write(os.path.join(OUT, "week_pictures.svg"), pictures())
    write(os.path.join(OUT, "week_booklet.svg"), booklet())
    write(os.path.join(OUT, "week_film.svg"), film())
    write(os.path.join(OUT, "week_page.svg"), page_icon())


if __name__ == "__main__":
    main()
