#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes resources/art/ui/fullscreen_backdrop.svg: what shows around the
window when it fills the screen.

The same sky as the window's own background (pale blue to lilac), soft white
clouds, pastel confetti and a row of round hills at the bottom, all pale so
the window in the middle stays what the eye goes to. It is drawn for
1920 x 1080 and meant to be scaled to cover any screen, centred, so nothing
that matters sits in a corner: a 4:3 or 16:10 screen loses a strip at the
sides or the top, and only more of the same confetti goes with it.
"""

import math
import os
import random

import svgkit
from svgkit import num

W, H = 1920, 1080
OUT = os.path.join(svgkit.output_dir("resources", "art", "ui"), "fullscreen_backdrop.svg")

# The window background's own tones.
SKY_TOP, SKY_BOTTOM = "#cfe6ff", "#e6dcff"
CONFETTI = ["#ffd6ec", "#fff1a8", "#c8f1d6", "#d9ccff", "#ffffff"]
HILLS = [("#d7ccf5", 0.9), ("#c9ecd6", 1.0)]  # back row lilac, front row mint
# Where the window sits at the common 1920 x 1080 full screen, less a margin:
# confetti there would be hidden anyway, and fewer shapes draw faster.
WINDOW = (391 - 20, 39 - 20, 1529 + 20, 1040 + 20)


def sky_at(y):
    top = tuple(int(SKY_TOP[i:i + 2], 16) for i in (1, 3, 5))
    bottom = tuple(int(SKY_BOTTOM[i:i + 2], 16) for i in (1, 3, 5))
    return svgkit.mix(top, bottom, y / H)


def cloud(cx, cy, size, whiteness):
    """Three overlapping puffs on a flat base, like the window's clouds. One
    solid tone (white mixed into the sky behind it) rather than see-through
    white, so the puffs do not show seams where they overlap."""
    puffs = [(-0.55, 0.15, 0.42), (0.0, -0.12, 0.58), (0.55, 0.12, 0.44)]
    tone = svgkit.hexc(svgkit.mix(sky_at(cy), (255, 255, 255), whiteness))
    s = f'<g fill="{tone}">\n'
    for dx, dy, r in puffs:
        s += f'<circle cx="{num(cx + dx * size)}" cy="{num(cy + dy * size)}" r="{num(r * size)}"/>\n'
    s += (f'<rect x="{num(cx - 0.95 * size)}" y="{num(cy + 0.05 * size)}" width="{num(1.9 * size)}" '
          f'height="{num(0.45 * size)}" rx="{num(0.22 * size)}"/>\n')
    return s + "</g>\n"


def hills(base_y, amplitude, count, phase, fill, opacity):
    """A rolling row of round hills across the whole width."""
    points = []
    steps = 96
    for i in range(steps + 1):
        x = W * i / steps
        y = base_y - amplitude * (0.5 + 0.5 * math.cos(2 * math.pi * count * i / steps + phase))
        points.append((x, y))
    d = svgkit.smooth_open_d(points) + f" L{W} {H} L0 {H} Z"
    return f'<path d="{d}" fill="{fill}" opacity="{num(opacity)}"/>\n'


def inside_window(x, y, r):
    x0, y0, x1, y1 = WINDOW
    return x0 - r < x < x1 + r and y0 - r < y < y1 + r


def confetti(rng):
    s = ""
    placed = 0
    while placed < 140:
        x, y = rng.uniform(0, W), rng.uniform(0, H - 120)
        r = rng.choice([3, 4, 5, 6, 8])
        if inside_window(x, y, r):
            continue
        colour = rng.choice(CONFETTI)
        if rng.random() < 0.2:
            # now and then a small star instead of a dot
            pts = svgkit.star_points(x, y, r * 1.8, r * 0.8, rotation_deg=rng.uniform(-20, 20))
            s += f'<polygon points="{svgkit.pts(pts)}" fill="{colour}" opacity="0.9"/>\n'
        else:
            s += f'<circle cx="{num(x)}" cy="{num(y)}" r="{r}" fill="{colour}" opacity="0.9"/>\n'
        placed += 1
    return s


def backdrop():
    rng = random.Random(20261208)  # the same picture every time the script runs
    defs = ('<defs><linearGradient id="sky" x1="0" y1="0" x2="0" y2="1">'
            f'<stop offset="0" stop-color="{SKY_TOP}"/><stop offset="1" stop-color="{SKY_BOTTOM}"/>'
            '</linearGradient></defs>\n')
    body = defs + f'<rect x="0" y="0" width="{W}" height="{H}" fill="url(#sky)"/>\n'
    # Clouds in the side bands and along the top, where some sky shows on every screen.
    for cx, cy, size, whiteness in [(150, 150, 90, 0.7), (300, 420, 60, 0.55), (120, 700, 70, 0.5),
                                  (1780, 190, 95, 0.7), (1640, 520, 60, 0.55), (1800, 760, 70, 0.5),
                                  (700, 20, 50, 0.45), (1250, 25, 45, 0.45)]:
        body += cloud(cx, cy, size, whiteness)
    body += confetti(rng)
    for (fill, opacity), (base, amplitude, count, phase) in zip(HILLS, [(1020, 70, 3, 0.6), (1060, 55, 4, 2.1)]):
        body += hills(base, amplitude, count, phase, fill, opacity)
    return svgkit.document(W, H, body)


def main():
    svgkit.write(OUT, backdrop())


if __name__ == "__main__":
    main()
