#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the pictures the model brushes paint along a drag:

  daisy_0..2     100 x 100, pink key background, pure white petals
  tangle_0..7    100 x 100, red looping lines on white
  scribble_0..3   70 x 70,  blue chalky scribbles on white
  star_0..3       28 x 28,  yellow stars with a red rim on white
  splat_0..3     100 x 100, dark red paint splats on white

White (or the daisies' pink) is the colour key: it is left out when the
picture is painted, so nothing meant to show uses exactly that colour.
Every picture comes from a fixed random seed, so reruns give the same files.

Usage: make_models.py [OUTPUT_DIR]   (default: resources/models next to this tool)
"""

import math
import os
import random
import sys

sys.dont_write_bytecode = True  # keep the source tree free of caches
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from svgkit import (output_dir, document, fit_points, num, polyline_d, pts,  # noqa: E402
                    smooth_closed_d, smooth_open_d, star_points, write)

DAISY_KEY = "#eca4f4"
WHITE = "#ffffff"


# ---------------------------------------------------------------- daisies

def daisy_body(cx, cy, tip, petals, rotation, width_factor, inner_ring=False,
               outline="#7d8cb0", outline_w=1.2, centre_r=None, petal_fill=WHITE):
    """Petals as rotated ellipses around a yellow heart."""
    out = []
    layers = [(petals, rotation, tip, 1.0)]
    if inner_ring:
        # A second ring behind, half a step round, a little shorter.
        layers.insert(0, (petals, rotation + 180.0 / petals, tip * 0.9, 0.95))
    for count, rot, t, wf in layers:
        length = t * 0.62
        centre_dist = t - length
        half_w = t * math.sin(math.pi / count) * 0.55 * width_factor * wf
        for k in range(count):
            a = rot + k * 360.0 / count
            out.append(
                f'<ellipse cx="0" cy="0" rx="{num(length)}" ry="{num(half_w)}" fill="{petal_fill}" '
                f'stroke="{outline}" stroke-width="{num(outline_w)}" '
                f'transform="translate({num(cx)} {num(cy)}) rotate({num(a)}) translate({num(centre_dist)} 0)"/>')
    r = centre_r if centre_r else tip * 0.27
    out.append(f'<circle cx="{num(cx)}" cy="{num(cy)}" r="{num(r)}" fill="#f2a20c" '
               f'stroke="#9a6a10" stroke-width="{num(outline_w)}"/>')
    out.append(f'<circle cx="{num(cx - r * 0.12)}" cy="{num(cy - r * 0.12)}" r="{num(r * 0.8)}" fill="#ffd21f"/>')
    out.append(f'<circle cx="{num(cx - r * 0.35)}" cy="{num(cy - r * 0.35)}" r="{num(r * 0.28)}" fill="#fff08a"/>')
    return "\n".join(out) + "\n"


def daisies(out_dir):
    variants = [
        dict(petals=12, rotation=8, tip=47, width_factor=1.25),
        dict(petals=14, rotation=-4, tip=46.5, width_factor=1.1, inner_ring=True),
        dict(petals=10, rotation=20, tip=45, width_factor=1.45),
    ]
    for i, v in enumerate(variants):
        body = daisy_body(50, 50, **v)
        write(os.path.join(out_dir, f"daisy_{i}.svg"), document(100, 100, body, background=DAISY_KEY))


# ---------------------------------------------------------------- tangles

def loopy_curve(rng, samples=420):
    """A wandering line that curls: a slow drift plus a fast circling term."""
    drift = [(rng.uniform(0.6, 1.0), rng.uniform(0.8, 1.6), rng.uniform(0, 6.28)) for _ in range(2)]
    loop_r = rng.uniform(0.45, 0.7)
    loop_f = rng.choice([5, 6, 7, 8, 9])
    wobble = rng.uniform(0.1, 0.25)
    span = rng.uniform(1.6, 2.0) * math.pi
    start = rng.uniform(0, 6.28)
    direction = rng.choice([-1, 1])
    p = []
    for i in range(samples):
        t = start + span * i / (samples - 1)
        x = sum(a * math.cos(f * t + ph) for a, f, ph in drift)
        y = sum(a * math.sin(f * t + ph * 1.3) for a, f, ph in drift)
        lr = loop_r * (1 + wobble * math.sin(3 * t))
        x += lr * math.cos(direction * loop_f * t)
        y += lr * math.sin(direction * loop_f * t)
        p.append((x, y))
    return p


def tangles(out_dir):
    reds = [("#e3262b", "#a8141c"), ("#d81f26", "#9a1018")]
    for i in range(8):
        rng = random.Random(1000 + i)
        lines = [loopy_curve(rng)]
        if i % 2 == 1:
            lines.append(loopy_curve(rng, 300))
        # Fit all lines together into the square with a margin for the stroke.
        flat = [q for line in lines for q in line]
        fitted = fit_points(flat, 6, 6, 94, 94)
        parts, k = [], 0
        for line in lines:
            parts.append(fitted[k:k + len(line)])
            k += len(line)
        body = []
        for j, line in enumerate(parts):
            light, dark = reds[j % 2]
            d = polyline_d(line)
            width = rng.uniform(2.6, 3.4)
            body.append(f'<path d="{d}" fill="none" stroke="{dark}" stroke-width="{num(width + 1.4)}" '
                        f'stroke-linecap="round" stroke-linejoin="round"/>')
            body.append(f'<path d="{d}" fill="none" stroke="{light}" stroke-width="{num(width)}" '
                        f'stroke-linecap="round" stroke-linejoin="round"/>')
        write(os.path.join(out_dir, f"tangle_{i}.svg"),
              document(100, 100, "\n".join(body) + "\n", background=WHITE))


# ---------------------------------------------------------------- scribbles

CHALK_BLUES = ["#1d3fb8", "#2552d6", "#2f66ee", "#4a7ff2", "#1a3596", "#3a70e8"]


def scribble_path(rng, size):
    """Back-and-forth zigzag of a hand scribbling across the square."""
    m = 9
    angle = rng.uniform(0, math.pi)
    ux, uy = math.cos(angle), math.sin(angle)
    vx, vy = -uy, ux
    turns = rng.randint(2, 3)
    amp = rng.uniform(16, 23)
    length = rng.uniform(30, 46)
    c = (size / 2 + rng.uniform(-6, 6), size / 2 + rng.uniform(-6, 6))
    p = []
    for k in range(turns * 2 + 1):
        along = -length / 2 + length * k / (turns * 2) + rng.uniform(-3, 3)
        side = (amp if k % 2 == 0 else -amp) + rng.uniform(-4, 4)
        p.append((c[0] + ux * along + vx * side, c[1] + uy * along + vy * side))
    p = [(min(size - m, max(m, x)), min(size - m, max(m, y))) for x, y in p]
    return p


def sample_smooth(points, steps=10):
    """Points along a Catmull-Rom curve (for jittering into chalk strands)."""
    out = []
    n = len(points)
    for i in range(n - 1):
        p0 = points[i - 1] if i > 0 else points[i]
        p1, p2 = points[i], points[i + 1]
        p3 = points[i + 2] if i + 2 < n else p2
        for s in range(steps):
            t = s / steps
            t2, t3 = t * t, t * t * t
            out.append(tuple(0.5 * ((2 * p1[j]) + (-p0[j] + p2[j]) * t
                                    + (2 * p0[j] - 5 * p1[j] + 4 * p2[j] - p3[j]) * t2
                                    + (-p0[j] + 3 * p1[j] - 3 * p2[j] + p3[j]) * t3) for j in range(2)))
    out.append(points[-1])
    return out


def chalk_stroke(rng, path, width):
    """One crayon stroke: a soft base line covered by many thin jittered strands."""
    line = sample_smooth(path)
    out = [f'<path d="{smooth_open_d(path)}" fill="none" stroke="#7ea0ee" stroke-width="{num(width * 0.55)}" '
           f'stroke-linecap="round" stroke-linejoin="round"/>']
    strands = int(width * 2.2) + 4
    for s in range(strands):
        offset = (s / (strands - 1) - 0.5) * width + rng.uniform(-0.5, 0.5)
        shifted = []
        for i, (x, y) in enumerate(line):
            a = line[min(i + 1, len(line) - 1)]
            b = line[max(i - 1, 0)]
            dx, dy = a[0] - b[0], a[1] - b[1]
            ln = math.hypot(dx, dy) or 1
            nx, ny = -dy / ln, dx / ln
            o = offset + rng.uniform(-0.35, 0.35)
            shifted.append((x + nx * o, y + ny * o))
        # Strands start and stop a little apart, like crayon wax catching on paper.
        cut0 = rng.randint(0, 4)
        cut1 = len(shifted) - rng.randint(0, 4)
        colour = rng.choice(CHALK_BLUES)
        out.append(f'<path d="{polyline_d(shifted[cut0:cut1])}" fill="none" stroke="{colour}" '
                   f'stroke-width="{num(rng.uniform(0.7, 1.5))}" stroke-opacity="{num(rng.uniform(0.7, 1.0))}" '
                   f'stroke-linecap="round" stroke-linejoin="round"/>')
    return out


def scribble_body(rng, size):
    body = []
    for _ in range(rng.randint(2, 3)):
        body += chalk_stroke(rng, scribble_path(rng, size), rng.uniform(3.0, 6.5))
    return "\n".join(body) + "\n"


def scribbles(out_dir):
    for i in range(4):
        rng = random.Random(2000 + i)
        write(os.path.join(out_dir, f"scribble_{i}.svg"),
              document(70, 70, scribble_body(rng, 70), background=WHITE))


# ---------------------------------------------------------------- stars

def star_body(cx, cy, r_out, ratio, rotation, rim_w):
    outer = star_points(cx, cy, r_out, r_out * ratio, rotation)
    shine = star_points(cx - r_out * 0.1, cy - r_out * 0.12, r_out * 0.5, r_out * 0.5 * ratio, rotation)
    return (f'<polygon points="{pts(outer)}" fill="#ffd21a" stroke="#e0261e" stroke-width="{num(rim_w)}" '
            f'stroke-linejoin="round"/>\n'
            f'<polygon points="{pts(shine)}" fill="#fff07c" stroke="#fff07c" stroke-width="1" '
            f'stroke-linejoin="round"/>\n')


def stars(out_dir):
    variants = [(12.2, 0.47, 0), (12.0, 0.55, 8), (12.4, 0.42, -7), (11.8, 0.60, 16)]
    for i, (r, ratio, rot) in enumerate(variants):
        write(os.path.join(out_dir, f"star_{i}.svg"),
              document(28, 28, star_body(14, 14.8, r, ratio, rot, 1.8), background=WHITE))


# ---------------------------------------------------------------- splats

def splat_shapes(rng, cx, cy, scale):
    """Outline points of the main blob, round finger tips and loose droplets (x, y, r)."""
    n = 20
    arm_count = rng.randint(5, 7)
    arms = set()
    while len(arms) < arm_count:
        k = rng.randrange(n)
        if k not in arms and (k - 1) % n not in arms and (k + 1) % n not in arms:
            arms.add(k)
    base = 23 * scale
    blob, tips, droplets = [], [], []
    for k in range(n):
        a = 2 * math.pi * k / n + rng.uniform(-0.05, 0.05)
        if k in arms:
            r = base * rng.uniform(1.3, 1.6)
            tip_r = rng.uniform(3.2, 5.0) * scale
            tips.append((cx + math.cos(a) * (r - tip_r * 0.4), cy + math.sin(a) * (r - tip_r * 0.4), tip_r))
            # Sometimes a drop has flown off the end of the finger.
            if rng.random() < 0.6:
                dr = r + rng.uniform(7, 11) * scale
                droplets.append((cx + math.cos(a) * dr, cy + math.sin(a) * dr, rng.uniform(2.0, 3.4) * scale))
        else:
            r = base * rng.uniform(0.88, 1.08)
        blob.append((cx + math.cos(a) * r, cy + math.sin(a) * r))
    for _ in range(rng.randint(3, 5)):
        a = rng.uniform(0, 2 * math.pi)
        dr = rng.uniform(33, 43) * scale
        droplets.append((cx + math.cos(a) * dr, cy + math.sin(a) * dr, rng.uniform(1.6, 3.0) * scale))
    return blob, tips, droplets


def clear_droplets(blob, tips, droplets, gap):
    """Drop any droplet that nearly touches another shape: a hairline of
    background between two drops would become a pinhole of see-through."""
    outline = sample_smooth(blob + blob[:3], 6)
    kept = []
    for x, y, r in droplets:
        near_blob = min(math.hypot(x - px, y - py) for px, py in outline) - r
        if near_blob < gap:
            continue
        if any(math.hypot(x - ox, y - oy) - r - orad < gap for ox, oy, orad in tips + kept):
            continue
        kept.append((x, y, r))
    return kept


def splat_body(rng, cx, cy, scale, outline_w=1.4, fit=None):
    blob, tips, droplets = splat_shapes(rng, cx, cy, scale)
    if fit:
        # Keep everything (drops included) inside the picture.
        lo, hi = fit
        droplets = [(min(hi - r, max(lo + r, x)), min(hi - r, max(lo + r, y)), r) for x, y, r in droplets]
    droplets = clear_droplets(blob, tips, droplets, 3.0 * scale)
    body_c, shine, edge = "#8e1016", "#b8323a", "#4e060b"
    d = smooth_closed_d(blob)
    circles = tips + droplets
    out = []
    # Outline first, fills on top: the blob and its finger tips merge into one shape.
    out.append(f'<path d="{d}" fill="{edge}" stroke="{edge}" stroke-width="{num(outline_w * 2)}" '
               f'stroke-linejoin="round"/>')
    for x, y, r in circles:
        out.append(f'<circle cx="{num(x)}" cy="{num(y)}" r="{num(r + outline_w)}" fill="{edge}"/>')
    out.append(f'<path d="{d}" fill="{body_c}"/>')
    for x, y, r in circles:
        out.append(f'<circle cx="{num(x)}" cy="{num(y)}" r="{num(r)}" fill="{body_c}"/>')
    out.append(f'<ellipse cx="0" cy="0" rx="{num(8 * scale)}" ry="{num(4 * scale)}" fill="{shine}" '
               f'transform="translate({num(cx - 7 * scale)} {num(cy - 8 * scale)}) rotate(-35)"/>')
    out.append(f'<circle cx="{num(cx + 3 * scale)}" cy="{num(cy - 13 * scale)}" r="{num(1.8 * scale)}" fill="{shine}"/>')
    return "\n".join(out) + "\n"


def splats(out_dir):
    for i in range(4):
        rng = random.Random(3000 + i)
        write(os.path.join(out_dir, f"splat_{i}.svg"),
              document(100, 100, splat_body(rng, 50, 50, 1.0, fit=(2, 98)), background=WHITE))


def main():
    out = output_dir("resources", "models")
    daisies(out)
    tangles(out)
    scribbles(out)
    stars(out)
    splats(out)


if __name__ == "__main__":
    main()
