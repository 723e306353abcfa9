#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes resources/models/ball_00.svg .. ball_23.svg: one shaded ball per palette colour.

Each ball is 28 x 28 on a pure white background; pure white is the colour key,
so the ball itself never uses it (the near-white ball gets an off-white
highlight and a grey shade so it still shows).

Usage: make_balls.py [OUTPUT_DIR]   (default: resources/models next to this tool)
"""

import os
import sys

sys.dont_write_bytecode = True  # keep the source tree free of caches
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from svgkit import output_dir, INK, OFF_WHITE, document, hexc, mix, num, write  # noqa: E402

PALETTE = [
    (64, 0, 0), (128, 64, 64), (128, 128, 0), (0, 64, 0), (0, 64, 64), (0, 0, 64),
    (64, 0, 64), (128, 0, 0), (255, 128, 0), (255, 255, 0), (0, 192, 0), (0, 192, 192),
    (0, 0, 255), (255, 0, 255), (255, 0, 0), (255, 192, 128), (255, 255, 128),
    (128, 255, 128), (128, 255, 255), (128, 128, 255), (255, 128, 255), (22, 22, 22),
    (128, 128, 128), (245, 245, 245),
]

SIZE = 28
WHITE = (255, 255, 255)


def ball_colours(rgb):
    light = sum(rgb) / 3
    if min(rgb) >= 235:
        # Near-white: a visible grey shade and an off-white gleam.
        return mix(rgb, (150, 155, 170), 0.35), OFF_WHITE
    shade = mix(rgb, (10, 10, 30), 0.32 if light > 60 else 0.45)
    highlight = mix(rgb, WHITE, 0.6 if light > 60 else 0.45)
    if min(highlight) > 250:
        highlight = (250, 250, 246)
    return shade, hexc(highlight)


def ball_svg(rgb):
    shade, highlight = ball_colours(rgb)
    c, r = SIZE / 2, 12.2
    body = (
        f'<circle cx="{num(c)}" cy="{num(c)}" r="{num(r)}" fill="{hexc(shade)}"/>\n'
        # The body disc sits up and to the left inside the shade disc, leaving a
        # crescent of shade at the lower right.
        f'<circle cx="{num(c - 1.1)}" cy="{num(c - 1.1)}" r="{num(r - 1.8)}" fill="{hexc(rgb)}"/>\n'
        f'<ellipse cx="0" cy="0" rx="3.7" ry="2.5" fill="{highlight}" '
        f'transform="translate(9.6 9.2) rotate(-40)"/>\n'
        f'<circle cx="{num(c)}" cy="{num(c)}" r="{num(r)}" fill="none" stroke="{INK}" '
        f'stroke-width="1.3"/>\n'
    )
    return document(SIZE, SIZE, body, background="#ffffff")


def main():
    out = output_dir("resources", "models")
    for i, rgb in enumerate(PALETTE):
        write(os.path.join(out, f"ball_{i:02d}.svg"), ball_svg(rgb))


if __name__ == "__main__":
    main()
