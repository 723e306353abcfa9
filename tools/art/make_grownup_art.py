#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the pictures of the grown-up's settings window:
resources/art/ui/grownup_*.svg, one per page of its side list (64 x 64)
and the small padlock beside a setting the school has locked.

Each page picture is a round tile of its own bright colour with one thing
on it a grown-up knows at a glance: a loudspeaker, speech bubbles, a
screen with arrows to its corners, a rising sun, a folder, two big switch
buttons, a padlock on a shield. Drawn as the window's buttons are: flat
colours, one lighter tone, fat blue-black outlines with round ends.

Usage: make_grownup_art.py [OUTPUT_DIR]   (default: resources/art/ui in this checkout)
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from svgkit import INK, OFF_WHITE, document, output_dir, stroke_attr, write  # noqa: E402

OUT = output_dir("resources", "art", "ui")
S = 64
LINE = 3


def tile(face, rim):
    return (f'<circle cx="32" cy="32" r="30" fill="{rim}"{stroke_attr(2.5, INK)}/>\n'
            f'<circle cx="32" cy="30.5" r="26.5" fill="{face}"/>\n'
            f'<path d="M 15,19 A 20,20 0 0 1 25,10.5" fill="none"{stroke_attr(2.5, OFF_WHITE)} opacity="0.8"/>\n')


def shape(d, fill):
    return f'<path d="{d}" fill="{fill}"{stroke_attr(LINE, INK)}/>\n'


def line(d, colour=INK, width=LINE):
    return f'<path d="{d}" fill="none"{stroke_attr(width, colour)}/>\n'


def sound():
    s = tile("#ffb3c7", "#f28aa8")
    s += shape("M 14,26 H 22 L 32,17 V 45 L 22,36 H 14 Z", "#ffd666")
    s += line("M 37,25 Q 41,31 37,37")
    s += line("M 42,20 Q 49,31 42,42")
    return s


def language():
    s = tile("#bfe3ff", "#8cc8f2")
    s += shape("M 10,16 H 36 Q 40,16 40,20 V 32 Q 40,36 36,36 H 20 L 13,42 V 36 H 10 Q 6,36 6,32 V 20 Q 6,16 10,16 Z",
               "#fafaf6")
    s += shape("M 28,28 H 54 Q 58,28 58,32 V 44 Q 58,48 54,48 H 51 V 54 L 44,48 H 28 Q 24,48 24,44 V 32 Q 24,28 28,28 Z",
               "#ffd666")
    s += line("M 13,23 H 33 M 13,29 H 27", width=2.5)
    s += line("M 31,35 H 51 M 37,41 H 51", width=2.5)
    return s


def screen():
    s = tile("#c9f0b8", "#9bd987")
    s += shape("M 12,16 H 52 Q 55,16 55,19 V 41 Q 55,44 52,44 H 12 Q 9,44 9,41 V 19 Q 9,16 12,16 Z", "#3c4a8c")
    s += shape("M 26,44 L 24,51 H 40 L 38,44", "#fafaf6")
    # arrows out to the corners: the picture fills the screen
    s += line("M 17,23 L 24,27 M 17,23 V 28 M 17,23 H 22", "#ffd666", 2.5)
    s += line("M 47,37 L 40,33 M 47,37 V 32 M 47,37 H 42", "#ffd666", 2.5)
    return s


def start():
    s = tile("#ffe3a3", "#ffc766")
    for x1, y1, x2, y2 in ((32, 14, 32, 19), (19, 21, 22.5, 24.5), (45, 21, 41.5, 24.5), (13, 33, 18, 33),
                           (51, 33, 46, 33)):
        s += line(f"M {x1},{y1} L {x2},{y2}", "#ff9418", 3)
    s += shape("M 20,38 A 12,12 0 0 1 44,38 Z", "#ff9418")
    s += shape("M 10,38 H 54 V 44 Q 54,48 50,48 H 14 Q 10,48 10,44 Z", "#8fe08a")
    return s


def folder():
    s = tile("#ffd1a8", "#f5ad73")
    s += shape("M 11,20 Q 11,17 14,17 H 25 L 29,21 H 50 Q 53,21 53,24 V 46 Q 53,49 50,49 H 14 Q 11,49 11,46 Z",
               "#ffc233")
    # a drawing sticking out of the folder
    s += shape("M 18,27 L 44,23 L 46,36 L 20,40 Z", "#fafaf6")
    s += line("M 24,34 Q 29,27 33,32 T 41,29", "#e8505b", 2.5)
    s += shape("M 11,30 H 53 V 46 Q 53,49 50,49 H 14 Q 11,49 11,46 Z", "#ffd666")
    return s


def switches():
    s = tile("#e0ccff", "#bfa3f2")
    s += shape("M 8,37 Q 8,31 14,31 H 50 Q 56,31 56,37 V 43 Q 56,49 50,49 H 14 Q 8,49 8,43 Z", "#3c4a8c")
    s += shape("M 12,31 A 8.5,6 0 0 1 29,31 V 35 A 8.5,4 0 0 1 12,35 Z", "#e8505b")
    s += shape("M 35,31 A 8.5,6 0 0 1 52,31 V 35 A 8.5,4 0 0 1 35,35 Z", "#58c453")
    s += line("M 16,25 Q 20,21 25,25", OFF_WHITE, 2)
    s += line("M 39,25 Q 43,21 48,25", OFF_WHITE, 2)
    return s


def padlock_body(x, y, w, h, fill):
    """A padlock whose body's top left is (x, y): the shackle above, a keyhole."""
    r = w * 0.3
    s = line(f"M {x + w * 0.22},{y} V {y - h * 0.35} A {r},{r} 0 0 1 {x + w * 0.78},{y - h * 0.35} V {y}",
             INK, max(2.0, w * 0.14))
    s += f'<rect x="{x}" y="{y}" width="{w}" height="{h}" rx="{w * 0.16}" fill="{fill}"{stroke_attr(max(1.5, w * 0.09), INK)}/>\n'
    s += f'<circle cx="{x + w / 2}" cy="{y + h * 0.42}" r="{w * 0.09}" fill="{INK}"/>\n'
    s += line(f"M {x + w / 2},{y + h * 0.45} V {y + h * 0.72}", INK, max(1.2, w * 0.08))
    return s


def lockdown():
    s = tile("#ffc7cb", "#f3a2a9")
    s += shape("M 32,10 L 50,17 V 31 Q 50,45 32,54 Q 14,45 14,31 V 17 Z", "#3c4a8c")
    s += padlock_body(23, 29, 18, 15, "#ffd666")
    return s


def padlock():
    return padlock_body(5, 13, 16, 12, "#ffd666")


PAGES = {"sound": sound, "language": language, "screen": screen, "start": start, "folder": folder,
         "switches": switches, "lockdown": lockdown}


def main():
    for name, draw in PAGES.items():
        write(os.path.join(OUT, f"grownup_{name}.svg"), document(S, S, draw()))
    write(os.path.join(OUT, "grownup_padlock.svg"), document(26, 26, padlock()))


if __name__ == "__main__":
    main()
