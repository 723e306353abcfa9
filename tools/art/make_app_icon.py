#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes resources/art/ui/app_icon.svg: the program's icon, a blue crayon dipping
into a red splash. It must read at 16 px on a task bar, so there are few
shapes, thick outlines and three bright colours; the PNG sizes are rendered
from it at build time."""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import svgkit  # noqa: E402

SIZE = 256
INK = svgkit.THEME["OUTLINE"]
RED, RED_LIGHT = "#ff5a5f", "#ff9a9d"
YELLOW, SKY = "#ffc93c", "#4cc3ff"
BLUE, BLUE_DARK, BLUE_SHINE = "#3e8cff", "#2a63c9", "#d3ebff"
PINK, WOOD = "#ff8fb1", "#f7d9a6"


# The picture's own licence lines (artwork is CC-BY-SA-4.0), built in two
# pieces so that licence checkers reading this script do not take them for
# the script's own.
SPDX = "SPDX-"
LICENCE_NOTE = (f"<!-- {SPDX}FileCopyrightText: 2026 Pintaloo contributors -->\n"
                f"<!-- {SPDX}License-Identifier: CC-BY-SA-4.0 -->\n")


def outlined(tag, attrs, fill, width=10):
    return (f'<{tag} {attrs} fill="{fill}" stroke="{INK}" stroke-width="{width}" '
            f'stroke-linejoin="round"/>\n')


def splash():
    # Big round blots, so the shape survives being drawn 16 pixels wide.
    blot = ("M 70,118 C 98,104 126,128 122,158 C 140,160 150,186 134,202 C 120,216 100,206 94,196 "
            "C 84,226 44,226 34,202 C 14,198 10,170 28,160 C 20,136 44,112 70,118 Z")
    return ("<!-- The splash: big round blots in three bright colours, behind the crayon's tip. -->\n"
            + outlined("path", f'd="{blot}"', RED)
            + f'<path d="M 46,150 C 56,140 74,146 72,160" fill="none" stroke="{RED_LIGHT}" stroke-width="10" '
              'stroke-linecap="round"/>\n'
            + f'<circle cx="150" cy="222" r="15" fill="{YELLOW}" stroke="{INK}" stroke-width="8"/>\n'
            + f'<circle cx="30" cy="94" r="13" fill="{SKY}" stroke="{INK}" stroke-width="8"/>\n')


def crayon():
    # Drawn lying along the x axis, then turned to dip its tip into the splash.
    parts = [
        outlined("path", 'd="M 48,-26 H 86 A 14,14 0 0 1 100,-12 V 12 A 14,14 0 0 1 86,26 H 48 Z"', PINK),
        f'<rect x="-38" y="-26" width="90" height="52" fill="{BLUE}"/>\n',
        f'<rect x="-38" y="8" width="90" height="18" fill="{BLUE_DARK}"/>\n',
        f'<path d="M -38,-26 H 52 V 26 H -38" fill="none" stroke="{INK}" stroke-width="10" '
        'stroke-linejoin="round"/>\n',
        f'<path d="M 30,-22 V 22" fill="none" stroke="{BLUE_SHINE}" stroke-width="8" stroke-linecap="round"/>\n',
        outlined("path", 'd="M -38,-26 L -90,0 L -38,26 Z"', WOOD),
        outlined("path", 'd="M -70,-10 L -90,0 L -70,10 Z"', BLUE, 8),
    ]
    return ("<!-- The crayon, tip down into the splash. -->\n"
            '<g transform="translate(146,110) rotate(-45)">\n' + "".join(parts) + "</g>\n")


def icon():
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{SIZE}" height="{SIZE}" '
            f'viewBox="0 0 {SIZE} {SIZE}">\n'
            + LICENCE_NOTE
            + splash() + crayon() + "</svg>\n")


def main():
    svgkit.write(os.path.join(svgkit.output_dir("resources", "art", "ui"), "app_icon.svg"), icon())


if __name__ == "__main__":
    main()
