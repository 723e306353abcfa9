#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the 50 x 50 picker button faces in resources/art/pickers/:

  model_*.svg   one face per model brush (what the brush paints)
  cat_*.svg     one face per stamp category (animals, vehicles, ...)
  magic_*.svg   one face per magic effect (on a lilac tile)
  shape_*.svg   one face per shape and the straight line (on a mint tile);
                a shape's file also has draw_filled(), written as
                shape_*_filled.svg: the face of the shape when it lands filled

The first faces are drawn here. A later tool's face is a file of its own,
tools/art/pickers/NAME.py (NAME the tool row's `art`), whose draw() gives
the SVG body on the 50 x 50 tile, the tile itself left to this script:
a model_ NAME gets the models' tile, a cat_ NAME the stamp categories',
a magic_ NAME the magic effects' lilac one.
Such a file may use the helpers here (`from make_pickers import line`) and
svgkit's; tools/art/pickers/model_pen.py is one to copy. Every face this
writes is checked by tools/check_generated.py, so the file and the SVG it
writes are committed together.

Each face is a light rounded tile with a dark outline and the subject large
in the middle.  Random details (spray speckles, tangles) use fixed seeds, so
reruns give the same files.

Usage: make_pickers.py [OUTPUT_DIR]   (default: resources/art/pickers next to this tool)
"""

import importlib.util
import math
import os
import random
import sys

sys.dont_write_bytecode = True  # keep the source tree free of caches
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from svgkit import (output_dir, INK, OFF_WHITE, document, fit_points, hexc, mix, num,  # noqa: E402
                    polyline_d, pts, smooth_open_d, star_points, write)
import make_models as mm  # noqa: E402

SIZE = 50
MODEL_TILE = "#fff1cf"
CATEGORY_TILE = "#dcefff"
# The magic effects' tiles: a light lilac, apart from the models' cream.
MAGIC_TILE = "#efe6ff"
# The shapes' tiles: a light mint, apart from the rest.
SHAPE_TILE = "#e2f6e6"
BLACK = "#202431"


def tile(fill):
    return (f'<rect x="2.5" y="2.5" width="45" height="45" rx="10" ry="10" fill="{fill}" '
            f'stroke="{INK}" stroke-width="2"/>\n'
            # A soft lighter band along the top edge of the tile.
            f'<path d="M6 12 Q6 5.5 12.5 5.5 L37.5 5.5 Q44 5.5 44 12" fill="none" '
            f'stroke="{hexc(mix(hex_rgb(fill), (255, 255, 255), 0.6))}" stroke-width="2" '
            f'stroke-linecap="round"/>\n')


def hex_rgb(h):
    return tuple(int(h[i:i + 2], 16) for i in (1, 3, 5))


def face(tile_fill, body):
    return document(SIZE, SIZE, tile(tile_fill) + body)


def line(d, colour, width, outline=None, outline_extra=2.0):
    out = ""
    if outline:
        out += (f'<path d="{d}" fill="none" stroke="{outline}" stroke-width="{num(width + outline_extra)}" '
                f'stroke-linecap="round" stroke-linejoin="round"/>\n')
    out += (f'<path d="{d}" fill="none" stroke="{colour}" stroke-width="{num(width)}" '
            f'stroke-linecap="round" stroke-linejoin="round"/>\n')
    return out


def blob_union(circles, fill, outline_w=2.0, shade=None, shade_shift=1.8):
    """Several overlapping circles drawn as one outlined shape (outline first, fills on top).
    With a shade colour the lower edge of the shape gets a darker rim."""
    out = "".join(f'<circle cx="{num(x)}" cy="{num(y)}" r="{num(r + outline_w)}" fill="{INK}"/>\n'
                  for x, y, r in circles)
    if shade:
        out += "".join(f'<circle cx="{num(x)}" cy="{num(y)}" r="{num(r)}" fill="{shade}"/>\n'
                       for x, y, r in circles)
        out += "".join(f'<circle cx="{num(x)}" cy="{num(y - shade_shift)}" r="{num(r - shade_shift * 0.6)}" '
                       f'fill="{fill}"/>\n' for x, y, r in circles)
    else:
        out += "".join(f'<circle cx="{num(x)}" cy="{num(y)}" r="{num(r)}" fill="{fill}"/>\n'
                       for x, y, r in circles)
    return out


def speckles(rng, cx, cy, radius, count, colour):
    out = []
    for _ in range(count):
        # Denser in the middle, thinning out towards the rim, like a spray can.
        d = radius * math.sqrt(rng.random()) * (0.55 + 0.45 * rng.random())
        a = rng.uniform(0, 2 * math.pi)
        out.append(f'<circle cx="{num(cx + d * math.cos(a))}" cy="{num(cy + d * math.sin(a))}" '
                   f'r="{num(rng.uniform(0.8, 1.5))}" fill="{colour}"/>')
    return "\n".join(out) + "\n"


def wave_points(x0, x1, cy, amp, waves, samples=60, phase=0.0):
    return [(x0 + (x1 - x0) * i / (samples - 1),
             cy + amp * math.sin(phase + waves * 2 * math.pi * i / (samples - 1)))
            for i in range(samples)]


# ---------------------------------------------------------------- model brushes

def model_circles():
    r, w = 8.5, 3.2
    centres = [(14, 25), (25, 25), (36, 25)]
    out = "".join(f'<circle cx="{cx}" cy="{cy}" r="{r}" fill="none" stroke="{BLACK}" stroke-width="{w}"/>\n'
                  for cx, cy in centres)
    # Each ring passes over its right-hand neighbour at the top crossing, so the
    # rings read as links of a chain rather than flat overlapping circles.
    for cx, cy in centres[:2]:
        half = 5.5  # half the centre distance
        a = math.degrees(math.atan2(-math.sqrt(r * r - half * half), half))
        a0, a1 = math.radians(a - 20), math.radians(a + 20)
        p0 = (cx + r * math.cos(a0), cy + r * math.sin(a0))
        p1 = (cx + r * math.cos(a1), cy + r * math.sin(a1))
        d = f"M{num(p0[0])} {num(p0[1])} A{r} {r} 0 0 1 {num(p1[0])} {num(p1[1])}"
        out += f'<path d="{d}" fill="none" stroke="{MODEL_TILE}" stroke-width="{num(w + 2.6)}"/>\n'
        out += f'<path d="{d}" fill="none" stroke="{BLACK}" stroke-width="{w}"/>\n'
    return out


def model_spray():
    return speckles(random.Random(11), 25, 25, 17, 120, BLACK)


def model_dots2():
    return (f'<circle cx="18.5" cy="20" r="10" fill="{BLACK}"/>\n'
            f'<circle cx="31.5" cy="31" r="10" fill="#22b14c" stroke="{INK}" stroke-width="1.6"/>\n'
            f'<circle cx="28.5" cy="27.5" r="3" fill="#7ee08e"/>\n'
            f'<circle cx="15" cy="16.5" r="2.6" fill="#5b6075"/>\n')


def model_spray2():
    rng = random.Random(12)
    return (speckles(rng, 19, 21, 13, 70, BLACK) + speckles(rng, 31, 30, 13, 70, "#18a840"))


RAINBOW = ["#e8312a", "#f7931e", "#2fb344", "#8e44ad", "#2060e0", "#5ec8f2", "#ffe03a"]


def model_rainbow():
    cx, cy, band = 25, 35, 2.5
    r_out = 20.5
    out = ""
    for i, colour in enumerate(RAINBOW):
        r = r_out - band * (i + 0.5)
        out += (f'<path d="M{num(cx - r)} {cy} A{num(r)} {num(r)} 0 0 1 {num(cx + r)} {cy}" fill="none" '
                f'stroke="{colour}" stroke-width="{num(band + 0.3)}"/>\n')
    r_in = r_out - band * len(RAINBOW)
    out += (f'<path d="M{num(cx - r_out)} {cy} A{r_out} {r_out} 0 0 1 {num(cx + r_out)} {cy} '
            f'L{num(cx + r_in)} {cy} A{num(r_in)} {num(r_in)} 0 0 0 {num(cx - r_in)} {cy} Z" '
            f'fill="none" stroke="{INK}" stroke-width="1.8" stroke-linejoin="round"/>\n')
    return out


def model_balls():
    red = (230, 30, 30)
    return (f'<circle cx="25" cy="25" r="17" fill="{hexc(mix(red, (10, 10, 30), 0.32))}"/>\n'
            f'<circle cx="23.5" cy="23.5" r="14.6" fill="{hexc(red)}"/>\n'
            f'<ellipse cx="0" cy="0" rx="5.2" ry="3.4" fill="{hexc(mix(red, (255, 255, 255), 0.62))}" '
            f'transform="translate(18.5 17.5) rotate(-40)"/>\n'
            f'<circle cx="25" cy="25" r="17" fill="none" stroke="{INK}" stroke-width="2"/>\n')


def model_rainbowline():
    p = wave_points(9, 41, 25, 9, 1.25, samples=71)
    out = line(polyline_d(p), INK, 5.5)
    seg = (len(p) - 1) / len(RAINBOW)
    for i, colour in enumerate(RAINBOW):
        part = p[int(round(i * seg)):int(round((i + 1) * seg)) + 1]
        out += (f'<path d="{polyline_d(part)}" fill="none" stroke="{colour}" stroke-width="3.6" '
                f'stroke-linecap="{"round" if i in (0, len(RAINBOW) - 1) else "butt"}" '
                f'stroke-linejoin="round"/>\n')
    return out


def model_daisy():
    return mm.daisy_body(25, 25, tip=18.5, petals=12, rotation=8, width_factor=1.3,
                         outline="#55648c", outline_w=1.2, centre_r=6.2, petal_fill=OFF_WHITE)


def model_tangle():
    rng = random.Random(1000)
    p = fit_points(mm.loopy_curve(rng, 300), 9, 9, 41, 41)
    return line(polyline_d(p), "#e3262b", 2.6, outline="#a8141c", outline_extra=1.3)


def model_scribble():
    rng = random.Random(21)
    path = wave_points(10, 40, 25, 9, 1.5, samples=9)
    body = mm.chalk_stroke(rng, path, 6.5)
    return "\n".join(body) + "\n"


def model_star():
    return mm.star_body(25, 26.5, 20, 0.48, 0, 3.2)


def model_grass():
    out = []
    # Little red flowers on thin stems behind the blades.
    flowers = [(16, 15, 3.8), (34, 12.5, 3.8), (25.5, 20, 3.4)]
    for x, y, r in flowers:
        out.append(line(f"M{x} {y} Q{x + 1.5} {(y + 43) / 2} {x} 43", "#2f8f3a", 1.6, outline=INK, outline_extra=1.6))
    blades = [(11, 28, -3), (15, 23, 1), (19.5, 29, -2), (23, 26, 3), (27.5, 30, -1),
              (31, 24, 2), (35, 28, 3), (39, 25, 2)]
    for x, h, lean in blades:
        tip = (x + lean, h)
        d = (f"M{num(x - 3)} 44 Q{num(x - 1.5 + lean * 0.3)} {num((h + 44) / 2)} {num(tip[0])} {num(tip[1])} "
             f"Q{num(x + 1.5 + lean * 0.3)} {num((h + 44) / 2)} {num(x + 3)} 44 Z")
        out.append(f'<path d="{d}" fill="#3fb14a" stroke="{INK}" stroke-width="1.3" stroke-linejoin="round"/>')
    for x, y, r in flowers:
        for k in range(5):
            a = math.radians(k * 72 - 90)
            out.append(f'<circle cx="{num(x + r * 0.75 * math.cos(a))}" cy="{num(y + r * 0.75 * math.sin(a))}" '
                       f'r="{num(r * 0.55)}" fill="#e8312a" stroke="{INK}" stroke-width="1"/>')
        out.append(f'<circle cx="{x}" cy="{y}" r="{num(r * 0.42)}" fill="#ffd21f" stroke="{INK}" stroke-width="0.8"/>')
    # A strip of ground grass in front so the blades stand in a tuft.
    return "\n".join(out) + "\n"


def model_splat():
    rng = random.Random(3002)
    return mm.splat_body(rng, 25, 25, 0.47, outline_w=1.1, fit=(6, 44))


def model_tiles():
    size, gap = 9.6, 2.6
    start = (SIZE - (3 * size + 2 * gap)) / 2
    out = ""
    for row in range(3):
        for col in range(3):
            x = start + col * (size + gap)
            y = start + row * (size + gap)
            out += (f'<rect x="{num(x)}" y="{num(y)}" width="{size}" height="{size}" rx="1.2" fill="none" '
                    f'stroke="{BLACK}" stroke-width="2.4" stroke-linejoin="round"/>\n')
    return out


def model_zigzag():
    across = [(8 + 34 * i / 10, 25 + (4.5 if i % 2 else -4.5)) for i in range(11)]
    down = [(25 + (4.5 if i % 2 else -4.5), 8 + 34 * i / 10) for i in range(11)]
    return line(polyline_d(down), "#3a55b0", 3) + line(polyline_d(across), BLACK, 3)


def model_bricks():
    x0, y0, w, h, rows = 7, 10, 36, 30, 4
    bh = h / rows
    out = [f'<rect x="{x0}" y="{y0}" width="{w}" height="{h}" fill="#d9d0c0"/>']
    for r in range(rows):
        y = y0 + r * bh
        offset = 0 if r % 2 == 0 else -6
        x = x0 + offset
        while x < x0 + w:
            bx0, bx1 = max(x, x0) + 0.9, min(x + 12, x0 + w) - 0.9
            if bx1 - bx0 > 2:
                out.append(f'<rect x="{num(bx0)}" y="{num(y + 0.9)}" width="{num(bx1 - bx0)}" '
                           f'height="{num(bh - 1.8)}" fill="#c4502f"/>')
                out.append(f'<rect x="{num(bx0)}" y="{num(y + bh - 2.6)}" width="{num(bx1 - bx0)}" '
                           f'height="1.7" fill="#98381f"/>')
            x += 12
    out.append(f'<rect x="{x0}" y="{y0}" width="{w}" height="{h}" rx="1" fill="none" stroke="{INK}" '
               f'stroke-width="2" stroke-linejoin="round"/>')
    return "\n".join(out) + "\n"


# ---------------------------------------------------------------- stamp categories

def cat_animals():
    """A lion's face: shaggy mane, round face, ears, two dot eyes and a smile."""
    out = ""
    mane = [(25 + 14 * math.cos(math.radians(a)), 26 + 14 * math.sin(math.radians(a)), 6.2)
            for a in range(0, 360, 30)] + [(25, 26, 15)]
    out += blob_union(mane, "#e07a1f", outline_w=1.8)
    for ex in (15.5, 34.5):
        out += f'<circle cx="{ex}" cy="15" r="4.3" fill="#f8c94e" stroke="{INK}" stroke-width="1.5"/>\n'
        out += f'<circle cx="{ex}" cy="15" r="2" fill="#e89a3a"/>\n'
    out += f'<circle cx="25" cy="27" r="11.2" fill="#f8c94e" stroke="{INK}" stroke-width="1.6"/>\n'
    out += '<ellipse cx="22.4" cy="31.6" rx="3.6" ry="2.8" fill="#fde9b0"/>\n'
    out += '<ellipse cx="27.6" cy="31.6" rx="3.6" ry="2.8" fill="#fde9b0"/>\n'
    out += (f'<path d="M22.2 27.4 L27.8 27.4 L25 30.6 Z" fill="#6b3a1e" stroke="#6b3a1e" '
            f'stroke-width="1.2" stroke-linejoin="round"/>\n')
    out += f'<circle cx="20.6" cy="23.6" r="1.8" fill="{INK}"/>\n<circle cx="29.4" cy="23.6" r="1.8" fill="{INK}"/>\n'
    out += line("M25 30.6 L25 32.6 M21.8 33.4 Q25 36.6 28.2 33.4", INK, 1.3)
    return out


def cat_vehicles():
    """A lorry: red box, blue cab with a window, three wheels."""
    out = ('<g transform="translate(25 24.5) scale(0.88) translate(-25 -25)">\n'
           f'<rect x="4.5" y="12" width="27" height="21" rx="2" fill="#e8453c" stroke="{INK}" stroke-width="2"/>\n'
           f'<rect x="7" y="14.5" width="22" height="3" rx="1.5" fill="#f58a80"/>\n'
           f'<path d="M31.5 19 L39 19 Q41 19 42.2 21 L45.5 27 L45.5 33 L31.5 33 Z" fill="#2f7de1" '
           f'stroke="{INK}" stroke-width="2" stroke-linejoin="round"/>\n'
           f'<path d="M34 21.5 L39 21.5 L42 27 L34 27 Z" fill="#c9ecff" stroke="{INK}" stroke-width="1.3" '
           f'stroke-linejoin="round"/>\n'
           f'<rect x="3.5" y="32" width="43" height="4" rx="1.5" fill="#4a4f63" stroke="{INK}" stroke-width="1.5"/>\n'
           f'<circle cx="44" cy="30" r="1.4" fill="#ffe03a"/>\n')
    for wx in (11, 22.5, 38.5):
        out += (f'<circle cx="{wx}" cy="37.5" r="5.2" fill="#2a2f45" stroke="{INK}" stroke-width="1.5"/>\n'
                f'<circle cx="{wx}" cy="37.5" r="2.1" fill="#d5d8e0"/>\n')
    return out + "</g>\n"


def flower_head(cx, cy, r, colour, petals=6, centre="#ffd21f"):
    out = ""
    for k in range(petals):
        a = math.radians(k * 360 / petals - 90)
        out += (f'<circle cx="{num(cx + r * 0.6 * math.cos(a))}" cy="{num(cy + r * 0.6 * math.sin(a))}" '
                f'r="{num(r * 0.46)}" fill="{colour}" stroke="{INK}" stroke-width="1.3"/>\n')
    out += f'<circle cx="{cx}" cy="{cy}" r="{num(r * 0.38)}" fill="{centre}" stroke="{INK}" stroke-width="1.2"/>\n'
    return out


def cat_flowers():
    out = ""
    stems = ["M14 45 Q13 35 15 25", "M25 45 Q26 30 25 17", "M36 45 Q37 36 35 27"]
    for d in stems:
        out += line(d, "#2e9e3e", 2.4, outline=INK, outline_extra=2.2)
    for cx, cy, rot in ((19.5, 36, -35), (30.5, 35, 35)):
        out += (f'<ellipse cx="0" cy="0" rx="5" ry="2.4" fill="#43b84f" stroke="{INK}" stroke-width="1.3" '
                f'transform="translate({cx} {cy}) rotate({rot})"/>\n')
    out += flower_head(14.5, 23, 8.5, "#ef4444")
    out += flower_head(35.5, 25, 8.5, "#a35bd8")
    out += flower_head(25, 14, 9.5, "#ffd21f", centre="#f08a1c")
    return out


def cat_houses():
    return (f'<rect x="31" y="8" width="5.5" height="11" fill="#b5473a" stroke="{INK}" stroke-width="1.8"/>\n'
            f'<rect x="11" y="23" width="28" height="21" fill="#ffd98a" stroke="{INK}" stroke-width="2"/>\n'
            f'<polygon points="6.5,25 25,8 43.5,25" fill="#e0503c" stroke="{INK}" stroke-width="2" '
            f'stroke-linejoin="round"/>\n'
            f'<rect x="21" y="31" width="8" height="13" rx="1.5" fill="#9a5a2a" stroke="{INK}" stroke-width="1.6"/>\n'
            f'<circle cx="27" cy="38" r="0.9" fill="#ffd21f"/>\n'
            f'<rect x="13.5" y="27.5" width="6" height="6" fill="#bfe6ff" stroke="{INK}" stroke-width="1.4"/>\n'
            f'<rect x="30.5" y="27.5" width="6" height="6" fill="#bfe6ff" stroke="{INK}" stroke-width="1.4"/>\n'
            f'<path d="M16.5 27.5 L16.5 33.5 M13.5 30.5 L19.5 30.5 M33.5 27.5 L33.5 33.5 M30.5 30.5 L36.5 30.5" '
            f'stroke="{INK}" stroke-width="1" fill="none"/>\n')


def cat_suns():
    out = ""
    for k in range(10):
        a = math.radians(k * 36 - 90)
        tip = (25 + 20.5 * math.cos(a), 25 + 20.5 * math.sin(a))
        b1 = (25 + 12 * math.cos(a - 0.24), 25 + 12 * math.sin(a - 0.24))
        b2 = (25 + 12 * math.cos(a + 0.24), 25 + 12 * math.sin(a + 0.24))
        out += (f'<polygon points="{pts([b1, tip, b2])}" fill="#ffb01f" stroke="{INK}" stroke-width="1.5" '
                f'stroke-linejoin="round"/>\n')
    out += f'<circle cx="25" cy="25" r="12.5" fill="#ffd83a" stroke="{INK}" stroke-width="2"/>\n'
    out += '<circle cx="21.5" cy="20.5" r="3.2" fill="#fff08a"/>\n'
    out += f'<circle cx="21" cy="23.5" r="1.6" fill="{INK}"/>\n<circle cx="29" cy="23.5" r="1.6" fill="{INK}"/>\n'
    out += '<circle cx="18.3" cy="28" r="1.7" fill="#ff9a7a"/>\n<circle cx="31.7" cy="28" r="1.7" fill="#ff9a7a"/>\n'
    out += line("M20.5 28.2 Q25 32.8 29.5 28.2", INK, 1.5)
    return out


def cat_trees():
    out = (f'<path d="M20.5 44.5 L22.5 29 L27.5 29 L29.5 44.5 Z" fill="#9a5a2a" stroke="{INK}" '
           f'stroke-width="2" stroke-linejoin="round"/>\n')
    crown = [(25, 16, 10), (15.5, 22, 8), (34.5, 22, 8), (19.5, 28, 7.5), (30.5, 28, 7.5), (25, 25, 9)]
    out += blob_union(crown, "#3fae46", outline_w=2, shade="#2c8a35", shade_shift=1.8)
    out += '<circle cx="20" cy="13.5" r="3.2" fill="#74d06c"/>\n'
    for x, y in ((17, 24), (31.5, 18), (27.5, 28.5)):
        out += f'<circle cx="{x}" cy="{y}" r="2.1" fill="#e8453c" stroke="{INK}" stroke-width="0.9"/>\n'
    return out


def cat_clouds():
    parts = [(13.5, 30, 6.5), (36.5, 30, 6.5), (25, 31, 7.5), (19.5, 23, 8), (30.5, 21.5, 9)]
    return blob_union(parts, OFF_WHITE, outline_w=2, shade="#d3dcea", shade_shift=2.2)


def cat_people():
    """A child waving: round face, hair, red shirt, blue trousers."""
    skin = "#ffd2a6"
    out = line("M20.5 37 L20.5 43.5", "#3b5fc0", 4.2, outline=INK, outline_extra=2.4)
    out += line("M29.5 37 L29.5 43.5", "#3b5fc0", 4.2, outline=INK, outline_extra=2.4)
    out += (f'<ellipse cx="19.5" cy="45" rx="3.4" ry="1.8" fill="#5a3a26" stroke="{INK}" stroke-width="1.2"/>\n'
            f'<ellipse cx="30.5" cy="45" rx="3.4" ry="1.8" fill="#5a3a26" stroke="{INK}" stroke-width="1.2"/>\n')
    # Arms: one down, one waving.
    out += line("M18.5 27 L12 34", skin, 3.2, outline=INK, outline_extra=2.4)
    out += line("M31.5 27 L38.5 19.5", skin, 3.2, outline=INK, outline_extra=2.4)
    out += f'<circle cx="12" cy="34.5" r="2.4" fill="{skin}" stroke="{INK}" stroke-width="1.2"/>\n'
    out += f'<circle cx="39" cy="19" r="2.4" fill="{skin}" stroke="{INK}" stroke-width="1.2"/>\n'
    out += (f'<path d="M17.5 26 Q25 22.5 32.5 26 L33 38.5 L17 38.5 Z" fill="#ef5350" stroke="{INK}" '
            f'stroke-width="1.8" stroke-linejoin="round"/>\n')
    out += f'<circle cx="25" cy="15" r="8.5" fill="{skin}" stroke="{INK}" stroke-width="1.8"/>\n'
    out += (f'<path d="M16.6 15.5 Q16 6 25 6.3 Q34 6 33.4 15.5 Q31 10.5 27 11 Q24 9.2 21 11.2 Q18 11.5 16.6 15.5 Z" '
            f'fill="#8a5226" stroke="{INK}" stroke-width="1.5" stroke-linejoin="round"/>\n')
    out += f'<circle cx="21.8" cy="15.8" r="1.35" fill="{INK}"/>\n<circle cx="28.2" cy="15.8" r="1.35" fill="{INK}"/>\n'
    out += '<circle cx="19.8" cy="19" r="1.4" fill="#ff9a8a"/>\n<circle cx="30.2" cy="19" r="1.4" fill="#ff9a8a"/>\n'
    out += line("M22.3 19.2 Q25 21.8 27.7 19.2", INK, 1.3)
    return out


MODELS = {
    "circles": model_circles, "spray": model_spray, "dots2": model_dots2,
    "spray2": model_spray2, "rainbow": model_rainbow, "balls": model_balls,
    "rainbowline": model_rainbowline, "daisy": model_daisy, "tangle": model_tangle,
    "scribble": model_scribble, "star": model_star, "grass": model_grass, "splat": model_splat,
    "tiles": model_tiles, "zigzag": model_zigzag, "bricks": model_bricks,
}

CATEGORIES = {
    "animals": cat_animals, "vehicles": cat_vehicles, "flowers": cat_flowers, "houses": cat_houses,
    "suns": cat_suns, "trees": cat_trees, "clouds": cat_clouds, "people": cat_people,
}


PER_TOOL = os.path.join(os.path.dirname(os.path.abspath(__file__)), "pickers")
TILES = {"model_": MODEL_TILE, "cat_": CATEGORY_TILE, "magic_": MAGIC_TILE, "shape_": SHAPE_TILE}


def shape_face(element, colour, filled):
    """A shape's face: `element` an SVG element with `{paint}` where its
    paint attributes go. Outlined, a thick band of the colour between two
    dark edges, the tile showing inside; filled, the colour all through
    with a dark edge and one soft lighter patch."""
    if filled:
        light = hexc(mix(hex_rgb(colour), (255, 255, 255), 0.45))
        return (element.format(paint=f'fill="{colour}" stroke="{INK}" stroke-width="2.2" stroke-linejoin="round"') +
                element.format(paint=f'fill="none" stroke="{light}" stroke-width="2" stroke-linejoin="round" '
                                     f'transform="translate(25 25) scale(0.72) translate(-25 -25)" '
                                     f'stroke-dasharray="9 60" stroke-linecap="round"'))
    return (element.format(paint=f'fill="none" stroke="{INK}" stroke-width="7.4" stroke-linejoin="round"') +
            element.format(paint=f'fill="none" stroke="{colour}" stroke-width="3.8" stroke-linejoin="round"'))


def per_tool_faces():
    """(name, tile, draw) of every face drawn in a file of its own in PER_TOOL."""
    # The files import this script by name: let them have this very module
    # rather than a second copy of it.
    sys.modules.setdefault("make_pickers", sys.modules[__name__])
    faces = []
    for file in sorted(os.listdir(PER_TOOL)):
        if not file.endswith(".py") or file.startswith("_"):
            continue
        name = file[:-3]
        tile_fill = next((t for prefix, t in TILES.items() if name.startswith(prefix)), None)
        if tile_fill is None:
            sys.exit(f"make_pickers: {file} must begin with one of {', '.join(TILES)}")
        found = importlib.util.spec_from_file_location(f"picker_face_{name}", os.path.join(PER_TOOL, file))
        module = importlib.util.module_from_spec(found)
        found.loader.exec_module(module)
        faces.append((name, tile_fill, module.draw))
        if hasattr(module, "draw_filled"):
            faces.append((name + "_filled", tile_fill, module.draw_filled))
    return faces


def main():
    out = output_dir("resources", "art", "pickers")
    for name, fn in MODELS.items():
        write(os.path.join(out, f"model_{name}.svg"), face(MODEL_TILE, fn()))
    for name, fn in CATEGORIES.items():
        write(os.path.join(out, f"cat_{name}.svg"), face(CATEGORY_TILE, fn()))
    for name, tile_fill, draw in per_tool_faces():
        write(os.path.join(out, f"{name}.svg"), face(tile_fill, draw()))


if __name__ == "__main__":
    main()
