#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the faces of the undo and redo buttons: a fat curved arrow turning
back (undo) and its mirror image turning forward (redo), on the same soft
rounded tile as the page commands, in three faces each: normal, hot (the
pointer over it: the tile glows warm) and off (nothing to undo or redo:
grey and quiet, so a child sees at once that it will do nothing).

Usage: make_undo_art.py [OUTPUT_DIR]   (default: resources/art/ui in this checkout)
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from svgkit import THEME, output_dir, write  # noqa: E402
from svgkit import num as f  # noqa: E402

OUT = output_dir("resources", "art", "ui")
OL = THEME["OUTLINE"]
SIZE = 49

# Per face: tile light and shade, arrow body, its lower shade, its shine, the outline.
FACES = {
    "normal": ("#fff0c2", "#f7d98a", "#3e8cff", "#2a6fd9", "#bfe0ff", OL),
    "hot": ("#ffe680", "#ffbe3d", "#4cc3ff", "#3e8cff", "#e3f6ff", OL),
    "off": ("#eceef3", "#d3d7e0", "#c4c9d4", "#b3b9c6", "#dfe2e9", "#8c93a6"),
}


def line(width, colour):
    return f' stroke="{colour}" stroke-width="{f(width)}" stroke-linejoin="round" stroke-linecap="round"'


def attrs(width, colour):
    return ' fill="none"' + line(width, colour)


def tile(light, shade, outline, hot):
    s = f'<rect x="1.25" y="1.25" width="46.5" height="46.5" rx="11" fill="{shade}"{line(2.5, outline)}/>\n'
    s += f'<rect x="3" y="3" width="43" height="39.5" rx="9" fill="{light}"/>\n'
    if hot:
        # the same warm glow just inside the rim as the page commands
        s += ('<rect x="3.75" y="3.75" width="41.5" height="38" rx="8.5" fill="none" '
              'stroke="#ffa02e" stroke-width="2" opacity="0.8"/>\n')
        s += f'<path d="M 8,6.5 H 18"{attrs(2, "#fff6c8")}/>\n'
    return s


# The arrow turning back: it rises from the lower right, bends over the top
# and ends in a broad head pointing left. Drawn wide in the outline colour
# first, then the head, then the body in colour over the join, so the body
# and head read as one shape with one outline.
SHAFT = "M 36.5,37.5 C 38.5,23 31.5,14.5 19.5,15"
SHINE = "M 34,30 C 34.5,24 31,19.5 26,18.5"
HEAD = [(7.5, 15.5), (20, 5.5), (20, 25.5)]


def arrow(body, shade, shine, outline):
    s = f'<path d="{SHAFT}"{attrs(12, outline)}/>\n'
    p = " ".join(f"{f(x)},{f(y)}" for x, y in HEAD)
    s += f'<polygon points="{p}" fill="{body}"{line(2.6, outline)}/>\n'
    s += f'<path d="{SHAFT}"{attrs(7, body)}/>\n'
    # a darker lower edge along the body gives it a little roundness
    s += f'<path d="M 36.5,37.5 C 37.2,32 36.8,28 35.2,24.5"{attrs(2.2, shade)}/>\n'
    s += f'<path d="{SHINE}"{attrs(1.8, shine)}/>\n'
    return s


def face(kind, forward):
    light, shade, body, low, shine, outline = FACES[kind]
    a = arrow(body, low, shine, outline)
    if forward:
        a = f'<g transform="translate({SIZE},0) scale(-1,1)">\n{a}</g>\n'
    return tile(light, shade, outline, kind == "hot") + a


def svg(name, body):
    text = (f'<svg xmlns="http://www.w3.org/2000/svg" width="{SIZE}" height="{SIZE}" '
            f'viewBox="0 0 {SIZE} {SIZE}">\n{body}</svg>\n')
    write(os.path.join(OUT, name), text)


def main():
    for name, forward in (("cmd_undo", False), ("cmd_redo", True)):
        svg(f"{name}.svg", face("normal", forward))
        svg(f"{name}_hot.svg", face("hot", forward))
        svg(f"{name}_off.svg", face("off", forward))


if __name__ == "__main__":
    main()
