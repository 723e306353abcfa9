#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the film buttons' faces: resources/art/ui/film_*.svg.

Usage: make_film_art.py [OUTPUT_DIR]   (default: resources/art/ui in this checkout)

The film button (49 x 49): a film reel with a big green play sign, on the
soft rounded tile of the command buttons, in a light peach; its hover face
glows warm yellow like theirs, its disabled face is washed out grey (nothing
drawn yet, nothing to watch). The save-film button shows a strip of film
dropping into the same orange box as the save command, so the two read as
one family.
"""
import math
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from svgkit import THEME, output_dir, rounded_tile, stroke_attr, write  # noqa: E402
from svgkit import num as f  # noqa: E402

OUT = output_dir("resources", "art", "ui")
OL = THEME["OUTLINE"]
OFF = THEME["OFF_WHITE"]
GREY_OL = "#8a90a6"  # the disabled face's outline: still there, clearly asleep


def svg(name, body):
    write(os.path.join(OUT, name),
          '<svg xmlns="http://www.w3.org/2000/svg" width="49" height="49" viewBox="0 0 49 49">\n'
          f"{body}</svg>\n")


def reel(face):
    off = face == "off"
    ol = GREY_OL if off else OL
    s = rounded_tile("command", "#eef0f4" if off else "#ffe3cc", "#d5d9e2" if off else "#f7c39a",
                     hot=face == "hot", outline=ol)
    cx, cy, r = 22, 22.5, 15.5
    body, hole = ("#c3c8d4", "#eef0f4") if off else ("#5b6bd6", "#ffe3cc")
    s += f'<circle cx="{cx}" cy="{cy}" r="{r}" fill="{body}"{stroke_attr(2.5, ol)}/>\n'
    for k in range(5):  # five windows round the hub, as on a real reel
        a = math.radians(-90 + k * 72)
        x, y = cx + 9 * math.cos(a), cy + 9 * math.sin(a)
        s += f'<circle cx="{f(x)}" cy="{f(y)}" r="3.6" fill="{hole}"{stroke_attr(1.8, ol)}/>\n'
    s += f'<circle cx="{cx}" cy="{cy}" r="2.6" fill="{OFF}"{stroke_attr(1.6, ol)}/>\n'
    # the film running off the reel to the corner
    s += (f'<path d="M {cx},{f(cy + r)} C 30,40 36,40 42,37" fill="none"'
          f'{stroke_attr(4.5, ol)}/>\n<path d="M {cx},{f(cy + r)} C 30,40 36,40 42,37" fill="none"'
          f'{stroke_attr(2.2, "#3a3f55" if not off else "#b5bac8")}/>\n')
    # the play sign, large and bright over the lower right
    play = "#c9cdd8" if off else "#4cc76a"
    pts = [(29, 24), (44, 32.5), (29, 41)]
    s += (f'<polygon points="{" ".join(f"{f(x)},{f(y)}" for x, y in pts)}" fill="{play}"'
          f'{stroke_attr(2.5, ol)}/>\n')
    if not off:
        s += f'<path d="M 32,29 L 36.5,31.5" fill="none"{stroke_attr(1.6, "#b8f0c6")}/>\n'
    return s


def save_film(face):
    s = rounded_tile("command", "#d3ebff", "#a9d1f5", hot=face == "hot")
    # a strip of film with its holes, dropping into the box
    s += f'<rect x="15" y="5" width="19" height="23" rx="1.5" fill="#3a3f55"{stroke_attr(2.3, OL)}/>\n'
    for y in (8, 13, 18, 23):
        s += f'<rect x="17" y="{y}" width="2.4" height="2.4" fill="{OFF}"/>\n'
        s += f'<rect x="29.6" y="{y}" width="2.4" height="2.4" fill="{OFF}"/>\n'
    s += f'<rect x="21" y="8" width="7" height="7" fill="#ffd23f"/>\n'
    s += f'<rect x="21" y="17" width="7" height="7" fill="#ff8fa3"/>\n'
    s += f'<polygon points="7,28 42,28 39.5,43 9.5,43" fill="#ffa94d"/>\n'
    s += f'<polygon points="7,37 42,37 40.5,43 9.5,43" fill="#f08a2a"/>\n'
    s += f'<polygon points="7,28 42,28 39.5,43 9.5,43" fill="none"{stroke_attr(2.5, OL)}/>\n'
    s += f'<path d="M 19,33 H 30" fill="none"{stroke_attr(2.5, OL)}/>\n'
    return s


def main():
    svg("film_play.svg", reel("normal"))
    svg("film_play_hot.svg", reel("hot"))
    svg("film_play_off.svg", reel("off"))
    svg("film_save.svg", save_film("normal"))
    svg("film_save_hot.svg", save_film("hot"))


if __name__ == "__main__":
    main()
