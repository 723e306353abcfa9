#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the faces of the sound and print buttons in the title strip, in the
same tiles as the page commands: a speaker with sound waves (crossed out in
red when the sound is off) and a printer with a drawing coming out of it.
Each has a hover face that glows warm, drawn by the same tile.

Usage: make_comfort_buttons.py [OUTPUT_DIR]   (default: resources/art/ui in this checkout)
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from make_ui_art import OFF, poly, stroke_attr, svg  # noqa: E402
from svgkit import rounded_tile  # noqa: E402
from svgkit import num as f  # noqa: E402

SPEAKER, SPEAKER_SHADE = "#ff8fb1", "#e56a92"
WAVE = "#3e8cff"
NO = "#ff5a5f"


def speaker():
    # The box and the cone as one outlined shape, big enough to read at 49 px.
    s = poly([(8, 19), (15, 19), (25, 10), (25, 38), (15, 29), (8, 29)], SPEAKER, 2.5)
    s += poly([(9.5, 25), (15, 25), (15, 27.5), (9.5, 27.5)], SPEAKER_SHADE)
    s += f'<path d="M 15,19 V 29" fill="none"{stroke_attr(2)}/>\n'
    return s


def cmd_sound(on, hot):
    s = rounded_tile("command", "#fff0c2", "#f5d98a", hot=hot)
    s += speaker()
    if on:
        for r in (7, 12.5):
            arc = f"M {f(29 + r * 0.2)},{f(24 - r * 0.8)} A {f(r)},{f(r)} 0 0 1 {f(29 + r * 0.2)},{f(24 + r * 0.8)}"
            s += f'<path d="{arc}" fill="none"{stroke_attr(5.5)}/>\n'
            s += f'<path d="{arc}" fill="none"{stroke_attr(2.8, WAVE)}/>\n'
    else:
        # a red cross where the waves were: plain to a child who cannot read
        cross = "M 30,17 L 41,31 M 41,17 L 30,31"
        s += f'<path d="{cross}" fill="none"{stroke_attr(7)}/>\n'
        s += f'<path d="{cross}" fill="none"{stroke_attr(3.8, NO)}/>\n'
    return s


def cmd_print(hot):
    s = rounded_tile("command", "#dff3f0", "#b1e0d8", hot=hot)
    # the paper going in at the back
    s += f'<rect x="15" y="6" width="19" height="12" fill="{OFF}"{stroke_attr(2.3)}/>\n'
    # the printer's body
    s += f'<rect x="7" y="16" width="35" height="16" rx="4" fill="#8ea3c7"{stroke_attr(2.5)}/>\n'
    s += f'<circle cx="36" cy="21.5" r="2" fill="#4cc76a"{stroke_attr(1.3)}/>\n'
    # the drawing coming out at the front, a sun and a hill on it
    s += f'<rect x="13" y="26" width="23" height="17" fill="{OFF}"{stroke_attr(2.3)}/>\n'
    s += f'<path d="M 15,40.5 Q 21,32 27,37 Q 30,34 34,40.5 Z" fill="#4cc76a"{stroke_attr(1.3)}/>\n'
    s += f'<circle cx="30" cy="31" r="2.6" fill="#ffd23f"{stroke_attr(1.3)}/>\n'
    return s


def main():
    for hot in (False, True):
        tail = "_hot" if hot else ""
        svg(f"cmd_sound_on{tail}.svg", 49, 49, cmd_sound(True, hot))
        svg(f"cmd_sound_off{tail}.svg", 49, 49, cmd_sound(False, hot))
        svg(f"cmd_print{tail}.svg", 49, 49, cmd_print(hot))


if __name__ == "__main__":
    main()
