#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the art of the stamp strip and the stamp browser into resources/art/ui:
stamp_more.svg (the "more stamps" button, 120 x 48: three stamps fanned out and
a big plus), stamp_size_0..3.svg (the four sizes, 40 x 40: one smiling star,
small to giant), stamp_mirror.svg and stamp_flip.svg (40 x 40: a fish with a
two-headed arrow across and along it) and stamp_groups.svg (40 x 40: four
little stamps in a square, the way back to all the groups).

Usage: make_stamp_art.py [OUTPUT_DIR]   (default: resources/art/ui in this checkout)
"""
import math
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from svgkit import INK, OFF_WHITE, document, num, pts, star_points, stroke_attr, write  # noqa: E402

YELLOW, ORANGE, RED, BLUE, GREEN = "#ffd23f", "#ff9f3d", "#ff5a5f", "#4d8cff", "#4cc76a"


def smiling_star(cx, cy, r, line):
    s = f'<polygon points="{pts(star_points(cx, cy, r, r * 0.5, -90))}" fill="{YELLOW}"{stroke_attr(line, INK)}/>\n'
    eye = max(0.8, r * 0.09)
    s += f'<circle cx="{num(cx - r * 0.18)}" cy="{num(cy - r * 0.05)}" r="{num(eye)}" fill="{INK}"/>\n'
    s += f'<circle cx="{num(cx + r * 0.18)}" cy="{num(cy - r * 0.05)}" r="{num(eye)}" fill="{INK}"/>\n'
    s += (f'<path d="M {num(cx - r * 0.2)},{num(cy + r * 0.14)} Q {num(cx)},{num(cy + r * 0.32)} '
          f'{num(cx + r * 0.2)},{num(cy + r * 0.14)}" fill="none"{stroke_attr(max(0.8, line * 0.6), INK)}/>\n')
    return s


def stamp_card(x, y, w, h, fill, angle, body):
    """A little stamp: a rounded card with a picture on it, turned by angle."""
    cx, cy = x + w / 2, y + h / 2
    s = f'<g transform="rotate({num(angle)} {num(cx)} {num(cy)})">\n'
    s += f'<rect x="{num(x)}" y="{num(y)}" width="{num(w)}" height="{num(h)}" rx="5" fill="{fill}"{stroke_attr(2, INK)}/>\n'
    s += body + "</g>\n"
    return s


def heart(cx, cy, r):
    return (f'<path d="M {num(cx)},{num(cy + r)} C {num(cx - r * 1.6)},{num(cy - r * 0.2)} {num(cx - r * 0.6)},'
            f'{num(cy - r * 1.3)} {num(cx)},{num(cy - r * 0.4)} C {num(cx + r * 0.6)},{num(cy - r * 1.3)} '
            f'{num(cx + r * 1.6)},{num(cy - r * 0.2)} {num(cx)},{num(cy + r)} Z" fill="{RED}"{stroke_attr(1.6, INK)}/>\n')


def flower(cx, cy, r):
    s = ""
    for k in range(5):
        s += (f'<circle cx="{num(cx + r * 0.55 * math.cos(k * 1.2566))}" '
              f'cy="{num(cy + r * 0.55 * math.sin(k * 1.2566))}" r="{num(r * 0.42)}" '
              f'fill="{OFF_WHITE}"{stroke_attr(1.4, INK)}/>\n')
    s += f'<circle cx="{num(cx)}" cy="{num(cy)}" r="{num(r * 0.35)}" fill="{ORANGE}"{stroke_attr(1.4, INK)}/>\n'
    return s


def more():
    s = stamp_card(8, 8, 30, 32, "#dff3ff", -12, heart(23, 24, 8))
    s += stamp_card(30, 6, 30, 34, "#e9ffe0", 0, flower(45, 23, 11))
    s += stamp_card(52, 8, 30, 32, "#fff3c4", 12, smiling_star(67, 25, 12, 1.6))
    # the plus: more of them
    s += f'<circle cx="100" cy="24" r="16" fill="{GREEN}"{stroke_attr(2.5, INK)}/>\n'
    s += f'<path d="M 100,15 V 33 M 91,24 H 109" fill="none"{stroke_attr(5, OFF_WHITE)}/>\n'
    return s


def fish(flip_x=False, flip_y=False):
    t = f'translate({40 if flip_x else 0},{40 if flip_y else 0}) scale({-1 if flip_x else 1},{-1 if flip_y else 1})'
    s = f'<g transform="{t}">\n'
    s += f'<path d="M 9,20 Q 17,10 27,20 Q 17,30 9,20 Z" fill="{ORANGE}"{stroke_attr(1.8, INK)}/>\n'
    s += f'<path d="M 27,20 L 33,14 L 33,26 Z" fill="{RED}"{stroke_attr(1.8, INK)}/>\n'
    s += f'<circle cx="13.5" cy="18.5" r="1.4" fill="{INK}"/>\n'
    return s + "</g>\n"


def arrow(x1, y1, x2, y2):
    dx, dy = (x2 - x1), (y2 - y1)
    length = (dx * dx + dy * dy) ** 0.5
    ux, uy = dx / length, dy / length
    head = 4.5
    s = f'<path d="M {num(x1)},{num(y1)} L {num(x2)},{num(y2)}" fill="none"{stroke_attr(2.4, BLUE)}/>\n'
    for (px, py, sx) in ((x2, y2, 1), (x1, y1, -1)):
        a = (px - sx * ux * head - uy * head, py - sx * uy * head + ux * head)
        b = (px - sx * ux * head + uy * head, py - sx * uy * head - ux * head)
        s += f'<path d="M {num(a[0])},{num(a[1])} L {num(px)},{num(py)} L {num(b[0])},{num(b[1])}" fill="none"{stroke_attr(2.4, BLUE)}/>\n'
    return s


def groups():
    s = ""
    colours = ("#dff3ff", "#e9ffe0", "#fff3c4", "#ffe0e6")
    for k in range(4):
        x, y = 5 + 16 * (k % 2), 5 + 16 * (k // 2)
        s += f'<rect x="{x}" y="{y}" width="14" height="14" rx="3" fill="{colours[k]}"{stroke_attr(1.6, INK)}/>\n'
    s += heart(12, 12.5, 3.6) + smiling_star(28, 12.5, 5.5, 1) + flower(12, 28, 5)
    s += f'<circle cx="28" cy="28" r="4" fill="{GREEN}"{stroke_attr(1.2, INK)}/>\n'
    return s


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "..", "resources", "art", "ui")
    write(os.path.join(out, "stamp_more.svg"), document(120, 48, more()))
    for i, r in enumerate((6, 10, 14, 18.5)):
        write(os.path.join(out, f"stamp_size_{i}.svg"), document(40, 40, smiling_star(20, 21, r, 1.2 + 0.25 * i)))
    write(os.path.join(out, "stamp_mirror.svg"), document(40, 40, fish() + arrow(8, 34, 32, 34)))
    write(os.path.join(out, "stamp_flip.svg"),
          document(40, 40, '<g transform="translate(-3,0)">' + fish(flip_y=True) + "</g>" + arrow(35, 6, 35, 34)))
    write(os.path.join(out, "stamp_groups.svg"), document(40, 40, groups()))


if __name__ == "__main__":
    main()
