#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""Builds the three cartoon animations of the animation panel as Lottie JSON.

    python3 tools/animations/make_animations.py [OUTDIR]

OUTDIR defaults to resources/animations next to this tools folder.  Writes
anim_1016.json (bouncing ball with a rainbow trail), anim_1017.json (sunrise,
growing flower, passing bird) and anim_1018.json (fish, bubbles, seaweed).

Only the Lottie features that rlottie plays reliably are used: shape layers,
groups, ellipse/rect/path shapes, fills, strokes, trim paths and transforms.
Motion that follows a formula (bounces, waves, growth) is sampled once per
frame and thinned to the keyframes a straight-line interpolation needs, so the
files stay small and every whole frame is exact.
"""

import json
import math
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'art'))
from svgkit import THEME  # noqa: E402  (the theme colours shared with the window)

W, H = 777, 489
FR = 15
OP = 70          # frames 0..69
LAST = OP - 1


# ---------------------------------------------------------------------------
# Colours

def rgb(hexstr, alpha=1.0):
    h = hexstr.lstrip('#')
    return [int(h[0:2], 16) / 255, int(h[2:4], 16) / 255, int(h[4:6], 16) / 255, alpha]


INK = rgb(THEME['ANIMATION_INK'])    # outlines: deep blue-black
OFFWHITE = rgb(THEME['OFF_WHITE'])   # white parts that must stay visible


# ---------------------------------------------------------------------------
# Animatable values

EASES = {
    'lin': ((0.0, 0.0), (1.0, 1.0)),
    'io': ((0.42, 0.0), (0.58, 1.0)),
    'in': ((0.42, 0.0), (1.0, 1.0)),
    'out': ((0.0, 0.0), (0.58, 1.0)),
}


def _arr(v):
    return list(v) if isinstance(v, (list, tuple)) else [v]


def val(v):
    """A constant property."""
    return {'a': 0, 'k': list(v) if isinstance(v, tuple) else v}


def prop(v):
    """Accepts an already built property or a plain constant."""
    if isinstance(v, dict) and 'a' in v:
        return v
    return val(v)


def keys(frames):
    """Keyframed property from [(t, value, ease), ...]; ease names the curve
    from that key to the next one ('lin', 'io', 'in', 'out' or 'hold')."""
    out = []
    for n, item in enumerate(frames):
        t, v = item[0], item[1]
        ease = item[2] if len(item) > 2 else 'io'
        k = {'t': t, 's': _arr(v)}
        if n + 1 < len(frames):
            if ease == 'hold':
                k['h'] = 1
            else:
                (ox, oy), (ix, iy) = EASES[ease]
                k['o'] = {'x': ox, 'y': oy}
                k['i'] = {'x': ix, 'y': iy}
        out.append(k)
    return {'a': 1, 'k': out}


def wave(period, amp, phase=0.0, base=0.0):
    """base + amp * sin(2 pi t / period + phase) as keyframes at the turning
    points with ease-in-out between them (keys reach beyond the frame range
    so the motion is smooth from the first to the last frame)."""
    frames = []
    n = math.floor((-period * 0.5 * 2 * math.pi / period + phase - math.pi / 2) / math.pi) - 1
    while True:
        t = (math.pi / 2 + n * math.pi - phase) * period / (2 * math.pi)
        if t > OP + period / 2:
            break
        if t >= -period / 2 - 1:
            frames.append((round(t, 2), base + amp * math.sin(math.pi / 2 + n * math.pi), 'io'))
        n += 1
    return keys(frames)


def track(fn, t0=0, t1=LAST, tol=0.35, seg=None):
    """Samples fn at every whole frame t0..t1 and keeps only the keyframes a
    linear interpolation needs to stay within tol of every sample.  seg(t),
    when given, names the piece of motion a frame belongs to; where it
    changes, the value jumps (hold keyframe), e.g. a bubble back at the
    bottom."""
    ts = list(range(t0, t1 + 1))
    vs = {t: _arr(fn(t)) for t in ts}
    sid = {t: (seg(t) if seg else 0) for t in ts}

    def fits(a, b):
        for t in range(a + 1, b):
            u = (t - a) / (b - a)
            for x0, x1, x in zip(vs[a], vs[b], vs[t]):
                if abs(x0 + (x1 - x0) * u - x) > tol:
                    return False
        return True

    frames = []
    a = t0
    while True:
        end = a
        while end + 1 <= t1 and sid[end + 1] == sid[a]:
            end += 1
        b = a
        while b < end:
            nb = b + 1
            while nb + 1 <= end and fits(a, nb + 1):
                nb += 1
            if not fits(a, nb):
                break
            frames.append((a, vs[a], 'lin'))
            a = nb
            b = nb
        if end >= t1:
            frames.append((end, vs[end], 'lin'))
            break
        frames.append((end, vs[end], 'hold'))
        a = end + 1
    if len(frames) == 1:
        return val(frames[0][1] if len(frames[0][1]) > 1 else frames[0][1][0])
    return keys(frames)


# ---------------------------------------------------------------------------
# Paths

def bez(vs, ins=None, outs=None, closed=True):
    """Path from vertices and in/out tangents (relative to their vertex);
    a tenth of a pixel is plenty and keeps the files small."""
    n = len(vs)

    def pts(ps):
        return [[round(x, 1), round(y, 1)] for x, y in ps]
    return {'i': pts(ins or [(0, 0)] * n), 'o': pts(outs or [(0, 0)] * n), 'v': pts(vs),
            'c': closed}


def smooth(points, closed=True, tension=1 / 6):
    """Smooth path through the points (Catmull-Rom turned into Bezier
    tangents)."""
    n = len(points)
    ins, outs = [], []
    for i in range(n):
        if closed:
            p0, p2 = points[(i - 1) % n], points[(i + 1) % n]
        else:
            p0 = points[max(i - 1, 0)]
            p2 = points[min(i + 1, n - 1)]
        dx, dy = (p2[0] - p0[0]) * tension, (p2[1] - p0[1]) * tension
        if not closed and (i == 0 or i == n - 1):
            dx, dy = dx * 0.5, dy * 0.5
        ins.append((-dx, -dy))
        outs.append((dx, dy))
    return bez(points, ins, outs, closed)


def shifted(path, dx, dy):
    p = dict(path)
    p['v'] = [[x + dx, y + dy] for x, y in path['v']]
    return p


def ground(points, bottom=H + 20):
    """Closed smooth landscape shape: a wavy top edge down to below the
    stage."""
    top = smooth(points, closed=False)
    x0, x1 = points[0][0], points[-1][0]
    top['v'] += [[x1, bottom], [x0, bottom]]
    top['i'] += [[0, 0], [0, 0]]
    top['o'] += [[0, 0], [0, 0]]
    top['c'] = True
    return top


# ---------------------------------------------------------------------------
# Shape items

def el(p, s):
    return {'ty': 'el', 'd': 1, 'p': prop(p), 's': prop(s)}


def rc(p, s, r=0):
    return {'ty': 'rc', 'd': 1, 'p': prop(p), 's': prop(s), 'r': prop(r)}


def sh(path):
    if isinstance(path, dict) and 'a' in path:
        return {'ty': 'sh', 'ks': path}
    return {'ty': 'sh', 'ks': val(path)}


def fl(color, o=100):
    return {'ty': 'fl', 'c': prop(color), 'o': prop(o), 'r': 1}


def st(color, w, o=100, cap=2):
    """Stroke; cap 2 is round, 1 is flat (butt).  Joins are always round."""
    return {'ty': 'st', 'c': prop(color), 'o': prop(o), 'w': prop(w), 'lc': cap, 'lj': 2}


def tm(s=0, e=100, o=0):
    return {'ty': 'tm', 's': prop(s), 'e': prop(e), 'o': prop(o), 'm': 1}


def tr(p=(0, 0), a=(0, 0), s=(100, 100), r=0, o=100):
    """Group transform; values left at their defaults are not written."""
    out = {'ty': 'tr'}
    for key, v, default in (('p', p, (0, 0)), ('a', a, (0, 0)), ('s', s, (100, 100)),
                            ('r', r, 0), ('o', o, 100)):
        if isinstance(v, dict) or tuple(_arr(v)) != tuple(_arr(default)):
            out[key] = prop(v)
    return out


def gr(items, nm='g', **t):
    """Group; keyword arguments go to its transform.  Earlier items are drawn
    on top of later ones."""
    return {'ty': 'gr', 'nm': nm, 'it': list(items) + [tr(**t)]}


def blob(shapes, color, line=4, nm='blob', **t):
    """Shapes filled with one colour and outlined in ink."""
    items = list(shapes)
    if line:
        items.append(st(INK, line))
    items.append(fl(color))
    return gr(items, nm, **t)


def union(shapes, color, line=4, nm='union', **t):
    """Several overlapping shapes drawn as one outlined body (clouds, bubbly
    shapes): an ink copy twice the line width underneath, the fill on top."""
    return gr([gr(list(shapes) + [fl(color)], nm + '-fill'),
               gr(list(shapes) + [st(INK, 2 * line), fl(INK)], nm + '-ink')], nm, **t)


def arc_path(cx, cy, r, a0, a1, steps=4):
    """Open circular arc (angles in degrees, 0 = right, 90 = down)."""
    pts, ins, outs = [], [], []
    da = math.radians(a1 - a0) / steps
    k = 4 / 3 * math.tan(da / 4) * r
    for i in range(steps + 1):
        a = math.radians(a0) + da * i
        x, y = cx + r * math.cos(a), cy + r * math.sin(a)
        tx, ty = -math.sin(a), math.cos(a)
        pts.append((x, y))
        ins.append((-tx * k, -ty * k))
        outs.append((tx * k, ty * k))
    return bez(pts, ins, outs, closed=False)


def face(size, eye_dx=None, eye_y=None, smile_y=None, cheeks=None, nm='face', **t):
    """Two dot eyes and a smile, centred on (0, 0) of its own group."""
    s = size
    eye_dx = s * 0.32 if eye_dx is None else eye_dx
    eye_y = -s * 0.12 if eye_y is None else eye_y
    smile_y = s * 0.05 if smile_y is None else smile_y
    dot = max(4.0, s * 0.16)
    items = [
        gr([el((-eye_dx, eye_y), (dot, dot * 1.15)), fl(INK)], 'eyes-l'),
        gr([el((eye_dx, eye_y), (dot, dot * 1.15)), fl(INK)], 'eyes-r'),
        gr([sh(arc_path(0, smile_y, s * 0.26, 20, 160)), st(INK, max(3.0, s * 0.07))], 'smile'),
    ]
    if cheeks:
        items += [gr([el((-s * 0.45, smile_y + s * 0.02), (s * 0.2, s * 0.12)),
                      el((s * 0.45, smile_y + s * 0.02), (s * 0.2, s * 0.12)),
                      fl(cheeks, 55)], 'cheeks')]
    return gr(items, nm, **t)


def layer(nm, shapes, ind=0, **t):
    ks = {'o': prop(t.get('o', 100)), 'r': prop(t.get('r', 0)),
          'p': prop(t.get('p', (0, 0))), 'a': prop(t.get('a', (0, 0))),
          's': prop(t.get('s', (100, 100)))}
    return {'ddd': 0, 'ind': ind, 'ty': 4, 'nm': nm, 'sr': 1, 'ks': ks, 'ao': 0,
            'shapes': shapes, 'ip': 0, 'op': OP, 'st': 0, 'bm': 0}


def document(name, layers_top_first):
    ls = []
    for n, lay in enumerate(layers_top_first):
        lay = dict(lay)
        lay['ind'] = n + 1
        ls.append(lay)
    return {'v': '5.5.2', 'fr': FR, 'ip': 0, 'op': OP, 'w': W, 'h': H, 'nm': name,
            'ddd': 0, 'assets': [], 'layers': ls}


def backdrop(color):
    """Full-stage rectangle so no part of the stage is transparent."""
    return layer('backdrop', [gr([rc((W / 2, H / 2), (W + 40, H + 40)), fl(color)], 'fill')])


# ---------------------------------------------------------------------------
# Trails

def simplify(pts, tol):
    """Douglas-Peucker on [(x, y, ...), ...]; keeps first and last point."""
    keep = [False] * len(pts)
    keep[0] = keep[-1] = True
    stack = [(0, len(pts) - 1)]
    while stack:
        a, b = stack.pop()
        (ax, ay), (bx, by) = pts[a][:2], pts[b][:2]
        dx, dy = bx - ax, by - ay
        ln = math.hypot(dx, dy) or 1e-9
        worst, wi = 0.0, -1
        for i in range(a + 1, b):
            px, py = pts[i][:2]
            dist = abs((px - ax) * dy - (py - ay) * dx) / ln
            if dist > worst:
                worst, wi = dist, i
        if worst > tol:
            keep[wi] = True
            stack += [(a, wi), (wi, b)]
    return [p for p, k in zip(pts, keep) if k]


def _cross(p1, p2, p3, p4):
    """Intersection of segments p1-p2 and p3-p4, or None."""
    d = (p2[0] - p1[0]) * (p4[1] - p3[1]) - (p2[1] - p1[1]) * (p4[0] - p3[0])
    if abs(d) < 1e-12:
        return None
    u = ((p3[0] - p1[0]) * (p4[1] - p3[1]) - (p3[1] - p1[1]) * (p4[0] - p3[0])) / d
    v = ((p3[0] - p1[0]) * (p2[1] - p1[1]) - (p3[1] - p1[1]) * (p2[0] - p1[0])) / d
    if 0 <= u <= 1 and 0 <= v <= 1:
        return p1[0] + u * (p2[0] - p1[0]), p1[1] + u * (p2[1] - p1[1])
    return None


def offset_trail(centre, velocity, pieces, d, step=0.1, tol=0.3):
    """Polyline running beside the moving centre at distance d (positive:
    to the left of the motion, i.e. upwards when moving right), and the trim
    end (percent) that keeps its tip level with the centre at every frame.

    Each smooth piece (one bounce) is offset on its own; where two pieces
    meet at a touch-down the inner copies are cut where they cross and the
    outer ones are joined by a round corner, like a thick round-joined pen."""
    runs = []
    for a, b in pieces:
        n = max(2, int(round((b - a) / step)))
        run = []
        for i in range(n + 1):
            t = a + (b - a) * i / n
            x, y = centre(t)
            vx, vy = velocity(t, (a, b))
            ln = math.hypot(vx, vy) or 1e-9
            run.append((x + d * vy / ln, y - d * vx / ln, t))
        runs.append(run)

    pts = runs[0]
    for run in runs[1:]:
        joint = run[0][2]
        hit = None
        if d != 0:
            # look for the crossing near the joint (inner side of the corner)
            for i in range(len(pts) - 1, max(0, len(pts) - 60), -1):
                for j in range(0, min(len(run) - 1, 60)):
                    q = _cross(pts[i - 1], pts[i], run[j], run[j + 1])
                    if q:
                        hit = (i, j, q)
                        break
                if hit:
                    break
        if hit:
            i, j, q = hit
            pts = pts[:i] + [(q[0], q[1], joint)] + run[j + 1:]
        else:
            cx, cy = centre(joint)
            a0 = math.atan2(pts[-1][1] - cy, pts[-1][0] - cx)
            a1 = math.atan2(run[0][1] - cy, run[0][0] - cx)
            while a1 - a0 > math.pi:
                a1 -= 2 * math.pi
            while a0 - a1 > math.pi:
                a1 += 2 * math.pi
            r = abs(d)
            corner = [(cx + r * math.cos(a0 + (a1 - a0) * k / 8),
                       cy + r * math.sin(a0 + (a1 - a0) * k / 8), joint) for k in range(1, 8)]
            pts = pts + corner + run[1:]

    pts = simplify(pts, tol)
    lengths = [0.0]
    for p, q in zip(pts, pts[1:]):
        lengths.append(lengths[-1] + math.hypot(q[0] - p[0], q[1] - p[1]))
    total = lengths[-1]

    def length_at(t):
        if t <= pts[0][2]:
            return 0.0
        for n in range(1, len(pts)):
            if pts[n][2] >= t:
                t0, t1 = pts[n - 1][2], pts[n][2]
                u = 0.0 if t1 == t0 else (t - t0) / (t1 - t0)
                return lengths[n - 1] + u * (lengths[n] - lengths[n - 1])
        return total

    trim_end = track(lambda t: 100 * length_at(t) / total, tol=0.04)
    return bez([p[:2] for p in pts], closed=False), trim_end


# ---------------------------------------------------------------------------
# Small scenery pieces shared by the scenes

def cloud(x, y, scale=1.0, nm='cloud'):
    s = scale
    parts = [el((0, 0), (110 * s, 70 * s)), el((-48 * s, 12 * s), (70 * s, 50 * s)),
             el((50 * s, 10 * s), (78 * s, 54 * s)), el((-10 * s, -22 * s), (64 * s, 52 * s)),
             rc((0, 22 * s), (150 * s, 28 * s), 14 * s)]
    return union(parts, OFFWHITE, 3, nm, p=(x, y))


def daisy(x, y, size, petal, centre, phase, nm='daisy'):
    """Little flower on a short stem, swaying from its foot at (x, y)."""
    s = size
    petals = []
    for i in range(5):
        a = math.radians(i * 72 - 90)
        petals.append(el((math.cos(a) * s * 0.42, math.sin(a) * s * 0.42 - s * 1.6),
                         (s * 0.62, s * 0.62)))
    stem = bez([(0, 0), (0, -s * 1.5)], closed=False)
    return gr([
        blob([el((0, -s * 1.6), (s * 0.5, s * 0.5))], centre, 2.5, 'centre'),
        union(petals, petal, 2.5, 'petals'),
        gr([sh(stem), st(rgb('#3da94a'), 3)], 'stem-green'),
        gr([sh(stem), st(INK, 7)], 'stem-ink'),
    ], nm, p=(x, y), r=wave(35, 6, phase))


def sun_rays(n, r0, r1, color, **t):
    """n short round-ended rays around (0, 0), outlined in ink."""
    rays = []
    for i in range(n):
        a = 2 * math.pi * i / n
        c, s = math.cos(a), math.sin(a)
        rays.append(sh(bez([(c * r0, s * r0), (c * r1, s * r1)], closed=False)))
    return gr([gr(rays + [st(color, 7)], 'rays-colour'), gr(rays + [st(INK, 13)], 'rays-ink')],
              'rays', **t)


def tuft(x, y, size=1.0, color='#3e9e45'):
    s = size
    pts = [(-14 * s, 0), (-10 * s, -16 * s), (-4 * s, -2 * s), (0, -22 * s), (4 * s, -2 * s),
           (11 * s, -17 * s), (14 * s, 0)]
    return gr([sh(bez(pts, closed=False)), st(rgb(color), 3.5)], 'tuft', p=(x, y))


# ---------------------------------------------------------------------------
# anim_1016: a ball bounces across a meadow and leaves a rainbow behind it

def ball_scene():
    R = 36
    floor = 384                    # ball centre when it touches the grass
    contacts = [12, 34, 52, 62]
    stop = 67                      # rolls a little after the last bounce
    x0 = 60.0
    vx = (700.0 - x0) / contacts[-1]
    T0 = contacts[1] - contacts[0]
    g = 8 * 190.0 / T0 ** 2            # the first arch is 190 px high
    y0 = floor - 0.5 * g * contacts[0] ** 2
    roll = 22.0
    pieces = [(0, contacts[0])] + list(zip(contacts, contacts[1:])) + [(contacts[-1], stop)]

    def centre(t):
        """Ball centre at time t (frames, may be fractional)."""
        t = min(max(t, 0.0), float(stop))
        if t <= contacts[0]:
            return x0 + vx * t, y0 + 0.5 * g * t * t
        if t <= contacts[-1]:
            for a, b in zip(contacts, contacts[1:]):
                if t <= b:
                    u = t - a
                    return x0 + vx * t, floor - (0.5 * g * (b - a) * u - 0.5 * g * u * u)
        u = (t - contacts[-1]) / (stop - contacts[-1])
        return x0 + vx * contacts[-1] + roll * (1 - (1 - u) ** 2), float(floor)

    def velocity(t, piece):
        a, b = piece
        if b <= contacts[0]:
            return vx, g * t
        if a >= contacts[-1]:
            return 1.0, 0.0
        return vx, -(0.5 * g * (b - a) - g * (t - a))

    # Trail: six stripes, each a true side-by-side copy (offset along the
    # normal) of the path of the ball's centre, revealed by a trim that keeps
    # the end of each stripe under the ball.
    band = 8
    stripes = ['#f94144', '#f8961e', '#f9d423', '#7bd23a', '#3fa7f0', '#9b5de5']
    trail = []
    for k, c in enumerate(stripes):
        d = (2.5 - k) * band          # red on the outside of the arches
        path, trim_end = offset_trail(centre, velocity, pieces, d)
        trail.append(gr([sh(path), tm(0, trim_end), st(rgb(c), band + 1.2, cap=1)],
                        'stripe-%d' % k))
    # the outline: two thin ink lines along both edges of the ribbon
    edge = 3 * band + 1.75
    for side in (edge, -edge):
        path, trim_end = offset_trail(centre, velocity, pieces, side)
        trail.append(gr([sh(path), tm(0, trim_end), st(INK, 3.5)], 'trail-edge'))
    # flat start of the ribbon, outlined like its sides
    (sx, sy), (vx0, vy0) = centre(0), velocity(0, pieces[0])
    ln = math.hypot(vx0, vy0)
    nx, ny = vy0 / ln * (3 * band + 1.5), -vx0 / ln * (3 * band + 1.5)
    trail.insert(0, gr([sh(bez([(sx + nx, sy + ny), (sx - nx, sy - ny)], closed=False)),
                        st(INK, 4)], 'trail-start'))

    # Ball squash and stretch around each touch-down, scaled from its foot.
    def squash(t):
        for n, c in enumerate(contacts):
            k = 1.0 - 0.15 * n
            if t == c:
                return [100 + 24 * k, 100 - 22 * k]
            if t == c - 1 or t == c + 1:
                return [100 - 8 * k, 100 + 10 * k]
        return [100, 100]

    def wobble(t):
        # a happy rocking once it has landed for good
        if t <= contacts[-1]:
            return 0
        u = t - contacts[-1]
        return 10 * math.sin(u * 2 * math.pi / 7) * (1 - u / 9)

    ball = layer('ball', [
        face(54, p=(4, -4), nm='ball-face'),
        blob([el((-12, -13), (26, 18))], rgb('#ffc1da'), 0, 'shine', r=-30),
        blob([el((0, 0), (2 * R, 2 * R))], rgb('#ff5fa2'), 4.5, 'ball-body'),
    ], p=track(lambda t: [centre(t)[0], centre(t)[1] + R]), a=(0, R),
        s=track(squash, tol=0.5), r=track(wobble, tol=0.3))

    def shadow_size(t):
        h = floor - centre(t)[1]
        k = max(0.35, 1 - h / 360)
        return [86 * k, 16 * k]

    shadow = layer('shadow', [gr([el((0, 0), track(shadow_size, tol=0.5)),
                                  fl(rgb('#2f8a3c'), 55)], 'shadow')],
                   p=track(lambda t: [centre(t)[0], floor + R + 2]))

    sun = layer('sun', [
        face(60, p=(0, 2), cheeks=rgb('#ff9f6b'), nm='sun-face'),
        blob([el((0, 0), (96, 96))], rgb('#ffd93d'), 4, 'sun-disc'),
        sun_rays(12, 60, 80, rgb('#ffb930'), r=track(lambda t: 60 * t / OP, tol=0.2)),
    ], p=(700, 72))

    clouds = layer('clouds', [
        cloud(0, 0, 1.0, 'cloud-a'),
    ], p=track(lambda t: [150 + 0.6 * t, 62]))
    clouds2 = layer('clouds2', [cloud(0, 0, 0.75, 'cloud-b')],
                    p=track(lambda t: [470 - 0.5 * t, 110]))

    far_hill = layer('far-hill', [blob([sh(ground(
        [(-30, 300), (120, 262), (300, 296), (470, 252), (640, 288), (810, 268)]))],
        rgb('#a4e37f'), 4, 'far')])
    meadow = layer('meadow', [blob([sh(ground(
        [(-30, 350), (150, 336), (330, 352), (520, 334), (700, 348), (810, 340)]))],
        rgb('#5cc95a'), 4, 'near')])

    back_flowers = layer('back-flowers', [
        daisy(40, 372, 16, OFFWHITE, rgb('#ffcf33'), 0.0),
        daisy(250, 360, 14, rgb('#ff8fc8'), rgb('#ffcf33'), 1.2),
        daisy(600, 362, 15, OFFWHITE, rgb('#ffcf33'), 2.2),
        tuft(120, 372), tuft(420, 364, 0.9), tuft(735, 366),
    ])
    front_flowers = layer('front-flowers', [
        daisy(95, 470, 22, rgb('#ff8fc8'), rgb('#ffcf33'), 0.6),
        daisy(330, 478, 24, OFFWHITE, rgb('#ffcf33'), 1.8),
        daisy(520, 472, 21, rgb('#b48cff'), rgb('#ffcf33'), 3.0),
        daisy(650, 480, 23, OFFWHITE, rgb('#ffcf33'), 4.0),
        tuft(200, 470, 1.2), tuft(440, 474, 1.1), tuft(760, 466, 1.2),
    ])

    return document('anim_1016 rainbow ball', [
        front_flowers,
        ball,
        layer('rainbow', trail),
        shadow,
        back_flowers,
        meadow,
        far_hill,
        clouds2, clouds,
        sun,
        backdrop(rgb('#8ed8f8')),
    ])


# ---------------------------------------------------------------------------
# anim_1017: the sun rises over a hill, a flower grows and opens, a bird
# flies past

def smoothstep(u):
    u = min(1.0, max(0.0, u))
    return u * u * (3 - 2 * u)


def sunrise_scene():
    # sky: from a peach dawn to a bright day
    sky = layer('sky', [gr([rc((W / 2, H / 2), (W + 40, H + 40)),
                            fl(keys([(0, rgb('#ffc49a'), 'io'), (16, rgb('#ffdcb0'), 'io'),
                                     (28, rgb('#c4e6f2'), 'io'), (40, rgb('#8ed8f8'))]))],
                           'fill')])

    # the sun climbs from behind the far hill and wakes up
    sleepy = gr([sh(arc_path(-19, -8, 9, 20, 160)), sh(arc_path(19, -8, 9, 20, 160)),
                 st(INK, 4.5)], 'sleepy-eyes', o=keys([(0, 100, 'hold'), (24, 0)]))
    awake = gr([el((-19, -8), (10, 12)), el((19, -8), (10, 12)), fl(INK)], 'open-eyes',
               o=keys([(0, 0, 'hold'), (24, 100)]))
    smile = gr([sh(arc_path(0, 6, 17, 25, 155)), st(INK, 4.5)], 'smile')
    cheeks = gr([el((-32, 10), (15, 9)), el((32, 10), (15, 9)), fl(rgb('#ff9f6b'), 70)], 'cheeks')
    sun = layer('sun', [
        sleepy, awake, smile, cheeks,
        blob([el((0, 0), (104, 104))], rgb('#ffd93d'), 4.5, 'sun-disc'),
        sun_rays(12, 64, 86, rgb('#ffb930'), r=track(lambda t: 60 * t / OP, tol=0.2)),
    ], p=keys([(0, (610, 410), 'out'), (38, (610, 128))]))

    clouds = layer('clouds', [cloud(0, 0, 0.9, 'cloud-a')],
                   p=track(lambda t: [120 + 0.7 * t, 70]))
    clouds2 = layer('clouds2', [cloud(0, 0, 0.7, 'cloud-b')],
                    p=track(lambda t: [380 - 0.5 * t, 150]))

    far_hill = layer('far-hill', [blob([sh(ground(
        [(-30, 300), (130, 262), (330, 292), (560, 268), (690, 284), (810, 300)]))],
        rgb('#a4e37f'), 4, 'far')])
    near_hill = layer('near-hill', [blob([sh(ground(
        [(-30, 372), (150, 352), (290, 346), (460, 372), (640, 392), (810, 380)]))],
        rgb('#5cc95a'), 4, 'near')])
    tufts = layer('tufts', [tuft(90, 392, 1.2), tuft(420, 398, 1.1), tuft(560, 430, 1.3),
                            tuft(720, 420, 1.2), tuft(170, 450, 1.3), tuft(360, 462, 1.2)])

    # the flower: a sprout whose stem grows, leaves pop out, the bud opens
    L = 185.0

    def grow(t):
        return 0.1 + 0.9 * smoothstep((t - 4) / 28.0)

    stem_end = track(lambda t: 100 * grow(t), tol=0.1)
    stem_path = bez([(0, 0), (0, -L)], closed=False)
    stem = [gr([sh(stem_path), tm(0, stem_end), st(rgb('#3da94a'), 10)], 'stem-green'),
            gr([sh(stem_path), tm(0, stem_end), st(INK, 17)], 'stem-ink')]

    def leaf(y, side, t0):
        k = side
        tip = (k * 66, -30)
        blade = bez([(0, 0), tip],
                    [(k * 22, 8), (k * -26, -18)],        # lower edge ends, upper edge ends
                    [(k * 12, -30), (k * -22, 30)])       # upper edge starts, lower edge starts
        vein = bez([(k * 8, -5), (k * 48, -24)], closed=False)
        return gr([gr([sh(vein), st(rgb('#3da94a'), 3)], 'vein'),
                   blob([sh(blade)], rgb('#6fd35a'), 4, 'blade')], 'leaf',
                  p=(0, y), s=keys([(0, (0, 0), 'hold'), (t0, (0, 0), 'out'),
                                    (t0 + 5, (115, 115), 'io'), (t0 + 8, (100, 100))]))

    # when the growing tip passes a leaf, that leaf pops out
    def passes(y):
        for t in range(OP):
            if grow(t) * L >= y + 12:
                return t
        return LAST

    leaves = [leaf(-62, -1, passes(62)), leaf(-100, 1, passes(100))]

    petals = []
    for i in range(8):
        a = i * 45
        petals.append(blob([el((0, -44), (42, 60))], rgb('#ff7eb6'), 4, 'petal', r=a))
    bloom = [
        face(60, cheeks=rgb('#ff8f5c'), nm='flower-face',
             s=keys([(0, (0, 0), 'hold'), (37, (0, 0), 'out'), (43, (112, 112), 'io'),
                     (47, (100, 100))])),
        blob([el((0, 0), (70, 70))], rgb('#ffd23f'), 4.5, 'flower-centre',
             s=keys([(0, (0, 0), 'hold'), (36, (0, 0), 'out'), (42, (112, 112), 'io'),
                     (46, (100, 100))])),
        gr(petals, 'petals', s=keys([(0, (0, 0), 'hold'), (35, (0, 0), 'out'),
                                     (44, (112, 112), 'io'), (48, (100, 100))]),
           r=keys([(35, -50, 'out'), (46, 0)])),
    ]
    bud_shape = bez([(0, 14), (-20, -10), (0, -42), (20, -10)],
                    [(14, 0), (0, 16), (-14, 6), (0, -18)],
                    [(-14, 0), (0, -18), (14, 6), (0, 16)])
    bud = [gr([sh(bez([(0, 10), (0, -34)], closed=False)), st(rgb('#3da94a'), 3)], 'bud-line'),
           blob([sh(bud_shape)], rgb('#7bd23a'), 4, 'bud-body')]
    head = gr([gr(bud, 'bud', s=keys([(0, (45, 45)), (32, (100, 100), 'io'), (35, (112, 112), 'in'),
                                     (40, (0, 0))])),
               gr(bloom, 'bloom')], 'head', p=track(lambda t: [0, -L * grow(t)], tol=0.1))
    mound = blob([sh(bez([(-40, 8), (-26, -8), (26, -8), (40, 8)],
                         [(0, 0), (-8, 2), (-14, -6), (0, 0)],
                         [(0, 0), (14, -6), (8, 2), (0, 0)]))], rgb('#b7794a'), 4, 'mound')
    flower = layer('flower', [mound, head] + leaves + stem,
                   p=(265, 362), s=(110, 110), r=keys([(0, 0), (46, 0, 'io'), (52, 5, 'io'), (58, -4, 'io'),
                                         (64, 3, 'io'), (69, 0)]))

    # the bird: flies across, wings flapping
    def bird_pos(t):
        x = -80 + (t - 22) * 20.5
        return [max(-80.0, x), 52 + 10 * math.sin(2 * math.pi * t / 22)]

    wing_shape = smooth([(8, 0), (-8, -18), (-48, -34), (-34, -6), (-10, 6)])
    tail_shape = smooth([(-28, -2), (-58, -22), (-66, -6), (-60, 12), (-30, 8)])
    bird = layer('bird', [
        blob([sh(wing_shape)], rgb('#2f7fd8'), 3.5, 'wing', p=(-2, -8), a=(0, 0),
             r=track(lambda t: 38 * math.sin(2 * math.pi * t / 6), tol=1.0)),
        gr([el((34, -20), (9, 10)), fl(INK)], 'eye'),
        gr([el((26, -6), (12, 7)), fl(rgb('#ff8fb1'), 70)], 'cheek'),
        blob([sh(bez([(44, -20), (64, -13), (44, -6)]))], rgb('#ffa630'), 3.5, 'beak'),
        gr([el((4, 10), (44, 20)), fl(rgb('#bfe3ff'))], 'belly'),
        union([el((0, 0), (78, 50)), el((28, -16), (42, 42))], rgb('#4da6ff'), 3.5, 'body'),
        blob([sh(tail_shape)], rgb('#2f7fd8'), 3.5, 'tail'),
    ], p=track(bird_pos, tol=0.5))

    return document('anim_1017 sunrise and flower', [
        bird,
        flower,
        tufts,
        near_hill,
        far_hill,
        sun,
        clouds2, clouds,
        sky,
    ])


# ---------------------------------------------------------------------------
# anim_1018: a friendly fish swims through rising bubbles, seaweed sways

def seaweed(x, height, width, color, phase, nm='seaweed'):
    """A tapering ribbon rooted at (x, 470) that sways to and fro twice in
    the 70 frames; a path keyframe every quarter sway."""
    n = 5

    def outline(t):
        left, right = [], []
        for j in range(n + 1):
            u = j / n
            off = 26 * u ** 1.4 * math.sin(2 * math.pi * t / 35 + phase - 2.0 * u)
            cx, cy = x + off + 10 * math.sin(phase + 3 * u) * u, 470 - height * u
            w = width * (1 - 0.7 * u) / 2
            left.append((cx - w, cy))
            right.append((cx + w, cy))
        tipx = x + 26 * math.sin(2 * math.pi * t / 35 + phase - 2.0) + 10 * math.sin(phase + 3)
        pts = left + [(tipx, 470 - height - width * 0.35)] + right[::-1]
        return smooth(pts)

    frames = [(round(35 * q / 4, 2), outline(35 * q / 4), 'io') for q in range(9)]
    return blob([sh(keys(frames))], color, 4, nm)


def bubble(r):
    """See-through bubble: pale body, ink ring, one bright glint."""
    return gr([
        gr([el((-r * 0.38, -r * 0.38), (r * 0.6, r * 0.45)), fl(OFFWHITE)], 'glint', r=-40),
        gr([el((0, 0), (2 * r, 2 * r)), st(INK, 3), fl(rgb('#e3f7ff'), 45)], 'ball'),
    ], 'bubble')


def bubble_layer(nm, specs, y_from):
    """specs: (x, radius, period, phase).  A bubble rises from y_from to above
    the stage in period frames and starts again at the bottom; period
    divides 70 so the whole scene loops."""
    shapes = []
    for x, r, period, phase in specs:
        def pos(t, x=x, period=period, phase=phase):
            u = ((t + phase) % period) / period
            return [x + 8 * math.sin(2 * math.pi * u * 2 + x), y_from + (-40 - y_from) * u]

        def seg(t, period=period, phase=phase):
            return (t + phase) // period
        b = bubble(r)
        b['it'][-1] = tr(p=track(pos, tol=0.5, seg=seg))
        shapes.append(b)
    return layer(nm, shapes)


def fish_scene():
    water = backdrop(rgb('#4cc0f2'))
    deep = layer('deep-water', [gr([sh(ground(
        [(-30, 250), (160, 236), (380, 258), (600, 240), (810, 254)])),
        fl(rgb('#36a9e6'))], 'deep')])
    ripple = smooth([(-60 + 46 * i, 34 + (9 if i % 2 else 0)) for i in range(25)], closed=False)
    ripple['v'] = [[1044, -20], [-60, -20]] + ripple['v']
    ripple['i'] = [[0, 0], [0, 0]] + ripple['i']
    ripple['o'] = [[0, 0], [0, 0]] + ripple['o']
    ripple['c'] = True
    surface = layer('surface', [gr([sh(ripple), fl(rgb('#8fe0fa'))], 'surface')],
                    p=keys([(0, (0, 0), 'lin'), (LAST, (-46 * 2 * LAST / OP, 0))]))
    rays = layer('light', [gr([sh(bez([(x, -10), (x + 70, -10), (x + 190, 430), (x + 80, 430)])),
                               fl(OFFWHITE)], 'ray') for x in (90, 330, 560)],
                 o=wave(35, 6, 0.5, 16))

    sand = layer('sand', [blob([sh(ground(
        [(-30, 424), (130, 414), (300, 430), (470, 416), (640, 428), (810, 418)]))],
        rgb('#f7d58b'), 4, 'sand')])

    # starfish and pebbles on the sand
    star = []
    for i in range(10):
        a = math.radians(-90 + i * 36)
        rr = 36 if i % 2 == 0 else 17
        star.append((math.cos(a) * rr, math.sin(a) * rr))
    starfish = gr([face(30, p=(0, 2), nm='star-face'),
                   blob([sh(smooth(star, tension=0.12))], rgb('#ff8a65'), 4, 'star-body')],
                  'starfish', p=(610, 452), r=wave(35, 6, 1.0))
    pebbles = [blob([el((150, 458), (40, 24))], rgb('#c9b8e8'), 3.5, 'pebble'),
               blob([el((178, 466), (26, 16))], rgb('#ffb3c7'), 3.5, 'pebble'),
               blob([el((420, 462), (34, 20))], rgb('#c9b8e8'), 3.5, 'pebble')]
    floor_things = layer('floor-things', [starfish] + pebbles)

    weeds = layer('seaweed', [
        seaweed(40, 250, 40, rgb('#2fbf71'), 0.0),
        seaweed(92, 180, 34, rgb('#54d17e'), 1.3),
        seaweed(300, 130, 32, rgb('#2fbf71'), 2.1),
        seaweed(520, 110, 30, rgb('#54d17e'), 5.0),
        seaweed(690, 260, 40, rgb('#54d17e'), 3.0),
        seaweed(742, 190, 34, rgb('#2fbf71'), 4.2),
    ])

    back_bubbles = bubble_layer('bubbles-back', [
        (60, 12, 35, 0), (150, 9, 70, 20), (235, 14, 35, 17), (380, 10, 70, 45),
        (470, 13, 35, 8), (560, 9, 70, 5), (655, 15, 35, 26), (720, 10, 70, 60),
    ], 470)
    front_bubbles = bubble_layer('bubbles-front', [
        (110, 16, 70, 40), (330, 18, 35, 30), (520, 15, 70, 12), (745, 17, 35, 12),
    ], H + 40)

    # the fish, drawn facing right around (0, 0)
    orange, dark, light = rgb('#ff9f1c'), rgb('#f26b1d'), rgb('#ffd27a')
    tail = blob([sh(smooth([(-62, -10), (-98, -48), (-114, -40), (-100, 0), (-114, 40),
                            (-98, 48), (-62, 10)], tension=0.14))],
                dark, 4, 'tail', p=(-66, 0), a=(-66, 0), r=wave(7, 18))
    top_fin = blob([sh(smooth([(-36, -40), (-10, -74), (22, -66), (30, -42)], tension=0.12))],
                   dark, 4, 'top-fin')
    side_fin = blob([sh(smooth([(2, 0), (-22, -12), (-40, -4), (-30, 12), (-8, 8)]))], dark, 4,
                    'side-fin', p=(-4, 14), a=(0, 0), r=wave(7, 16, 1.0))
    eye = gr([
        gr([el((46, -19), (7, 7)), fl(OFFWHITE)], 'glint'),
        gr([el((41, -14), (17, 19)), fl(INK)], 'pupil'),
        blob([el((38, -14), (40, 42))], OFFWHITE, 3.5, 'white'),
    ], 'eye', p=(38, -14), a=(38, -14),
        s=keys([(0, (100, 100), 'hold'), (44, (100, 100), 'in'), (46, (100, 10), 'out'),
                (48, (100, 100))]))
    fish_body = [
        side_fin,
        eye,
        gr([sh(arc_path(50, 8, 16, 35, 125)), st(INK, 4)], 'smile'),
        gr([el((20, 20), (22, 13)), fl(rgb('#ff6f91'), 60)], 'cheek'),
        gr([sh(arc_path(-20, 0, 30, -60, 60, 2)), st(dark, 6)], 'scale-a'),
        gr([el((4, 22), (96, 34)), fl(light)], 'belly'),
        blob([el((0, 0), (156, 108))], orange, 4.5, 'body'),
        top_fin,
        tail,
    ]

    def swim(t):
        x = 120 + (650 - 120) * t / LAST
        y = 228 + 32 * math.sin(2 * math.pi * t / 35)
        return [x, y]

    def tilt(t):
        dy = 32 * 2 * math.pi / 35 * math.cos(2 * math.pi * t / 35)
        return math.degrees(math.atan2(dy, (650 - 120) / LAST)) * 0.35

    fish = layer('fish', fish_body, p=track(swim, tol=0.4), r=track(tilt, tol=0.5), s=(115, 115))

    return document('anim_1018 fish and bubbles', [
        front_bubbles,
        fish,
        floor_things,
        sand,
        weeds,
        back_bubbles,
        rays,
        surface,
        deep,
        water,
    ])


# ---------------------------------------------------------------------------

def write(doc, path):
    def rnd(o):
        if isinstance(o, float):
            r = round(o, 3 if abs(o) < 2 else 2)
            return int(r) if r == int(r) else r
        if isinstance(o, list):
            return [rnd(x) for x in o]
        if isinstance(o, dict):
            return {k: rnd(v) for k, v in o.items()}
        return o
    text = json.dumps(rnd(doc), separators=(',', ':'))
    with open(path, 'w') as f:
        f.write(text)
    print('%s: %d bytes' % (path, len(text)))


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.normpath(
        os.path.join(here, '..', '..', 'resources', 'animations'))
    os.makedirs(out, exist_ok=True)
    write(ball_scene(), os.path.join(out, 'anim_1016.json'))
    write(sunrise_scene(), os.path.join(out, 'anim_1017.json'))
    write(fish_scene(), os.path.join(out, 'anim_1018.json'))


if __name__ == '__main__':
    main()
