#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the main window artwork as hand-built SVG.

Usage: make_ui_art.py [OUTPUT_DIR]   (default: resources/art/ui in this checkout)
"""
import math
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import svgkit  # noqa: E402
from svgkit import THEME, output_dir, rounded_tile, write  # noqa: E402
from svgkit import num as f  # noqa: E402,F401  (two decimals, no trailing zeros)

OUT = output_dir("resources", "art", "ui")
OL = THEME["OUTLINE"]      # outline blue-black
OFF = THEME["OFF_WHITE"]   # visible white
FRAME = THEME["FRAME_BLUE"]
# (face, rim, shine) of the window's own buttons: close in pink, minimise in blue
WINDOW_BUTTON_TONES = {
    "close": ("#ffc7cb", "#f3a2a9", "#ffe4e6"),
    "min": ("#cfe0ff", "#a9c4f3", "#e8f0ff"),
}


def svg(name, w, h, body, defs="", view=None):
    """view: the drawing's own size when it differs from the pixel size (the
    tool faces are drawn on a 67 grid and shown at 46 pixels)."""
    d = f"<defs>{defs}</defs>\n" if defs else ""
    vw, vh = view or (w, h)
    text = (f'<svg xmlns="http://www.w3.org/2000/svg" width="{w}" height="{h}" '
            f'viewBox="0 0 {vw} {vh}">\n{d}{body}</svg>\n')
    write(os.path.join(OUT, name), text)


def rot(pts, ang, cx=0, cy=0, ox=0, oy=0):
    """Rotate local points by ang degrees (clockwise on screen), then move."""
    a = math.radians(ang)
    c, s = math.cos(a), math.sin(a)
    return [(ox + (x - cx) * c - (y - cy) * s, oy + (x - cx) * s + (y - cy) * c) for x, y in pts]


def poly(pts, fill, sw=None, extra=""):
    p = " ".join(f"{f(x)},{f(y)}" for x, y in pts)
    st = (f' stroke="{OL}" stroke-width="{f(sw)}" stroke-linejoin="round" stroke-linecap="round"'
          if sw else "")
    return f'<polygon points="{p}" fill="{fill}"{st}{extra}/>\n'


def stroke_attr(sw, col=OL):
    return svgkit.stroke_attr(sw, col)


def star_pts(cx, cy, ro, ri, n=5, ang=-90):
    pts = []
    for i in range(2 * n):
        r = ro if i % 2 == 0 else ri
        a = math.radians(ang + i * 180 / n)
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return pts


def sparkle(cx, cy, r, fill, sw):
    """Four-pointed twinkle."""
    k = r * 0.3
    pts = [(cx, cy - r), (cx + k, cy - k), (cx + r, cy), (cx + k, cy + k),
           (cx, cy + r), (cx - k, cy + k), (cx - r, cy), (cx - k, cy - k)]
    return poly(pts, fill, sw)


def crescent(cx, cy, r, fill, a0=-50, a1=115, k=1.25):
    """Soft shade hugging the lower right of a round shape."""
    x1, y1 = cx + r * math.cos(math.radians(a0)), cy + r * math.sin(math.radians(a0))
    x2, y2 = cx + r * math.cos(math.radians(a1)), cy + r * math.sin(math.radians(a1))
    return (f'<path d="M {f(x1)},{f(y1)} A {f(r)},{f(r)} 0 0 1 {f(x2)},{f(y2)} '
            f'A {f(r * k)},{f(r * k)} 0 0 0 {f(x1)},{f(y1)} Z" fill="{fill}"/>\n')


# ---------------------------------------------------------------- tool faces
def tool_pencil():
    b = rounded_tile("tool", "#d3ebff", "#a9d1f5")
    # local: tip at the left (-x), rubber on the right; rotated so the tip points down-left
    tf = 'transform="translate(33.5,32) rotate(-45)"'
    g = f'<g {tf}>\n'
    g += f'<path d="M 13,-9 H 23 A 5,5 0 0 1 28,-4 V 4 A 5,5 0 0 1 23,9 H 13 Z" fill="#ff8fb1"{stroke_attr(3)}/>\n'
    g += f'<rect x="7" y="-9" width="8" height="18" fill="#b9c6dc"{stroke_attr(3)}/>\n'
    g += f'<path d="M 9.5,-7.5 V 7.5 M 12.5,-7.5 V 7.5" fill="none"{stroke_attr(1.5, "#8796b3")}/>\n'
    g += f'<rect x="-14" y="-9" width="21" height="18" fill="#ffc93c"/>\n'
    g += f'<rect x="-14" y="3" width="21" height="6" fill="#f2a320"/>\n'
    g += f'<rect x="-14" y="-9" width="21" height="18" fill="none"{stroke_attr(3)}/>\n'
    g += f'<path d="M -14,-9 L -31,0 L -14,9 Z" fill="#f7d9a6"{stroke_attr(3)}/>\n'
    g += f'<path d="M -24.5,-3.4 L -31,0 L -24.5,3.4 Z" fill="{OL}"{stroke_attr(2)}/>\n'
    g += f'<path d="M -14,-9 Q -17,-4.5 -14,0 Q -17,4.5 -14,9" fill="none"{stroke_attr(2)}/>\n'
    g += '</g>\n'
    return b + g


def tool_spray():
    b = rounded_tile("tool", "#cdf3dc", "#a2e0bb")
    s = ""
    # spray mist
    dots = [(41, 14, 2.6, "#ff5a8a"), (47, 10, 2.2, "#ffd23f"), (46, 18.5, 2.4, "#5ab4ff"),
            (53, 14, 2.6, "#a06bff"), (52, 22, 2.0, "#ff5a8a"), (53, 6.5, 1.8, "#5ab4ff"),
            (58.5, 9.5, 1.8, "#ffd23f"), (58.5, 19, 1.9, "#4cc76a")]
    for x, y, r, c in dots:
        s += f'<circle cx="{f(x)}" cy="{f(y)}" r="{f(r)}" fill="{c}"{stroke_attr(1.4)}/>\n'
    # nozzle and cap
    s += f'<rect x="22" y="10" width="12" height="9" rx="2" fill="#c7d2e6"{stroke_attr(3)}/>\n'
    s += f'<rect x="33" y="12.5" width="5" height="4" rx="1" fill="#8796b3"{stroke_attr(2)}/>\n'
    # shoulder
    s += f'<path d="M 15,27 Q 15,18 28,18 Q 41,18 41,27 Z" fill="#c7d2e6"{stroke_attr(3)}/>\n'
    # body with a shaded right side
    s += f'<rect x="15" y="25" width="26" height="35" rx="4" fill="#ff6b5a"/>\n'
    s += f'<path d="M 34,25 H 37 A 4,4 0 0 1 41,29 V 56 A 4,4 0 0 1 37,60 H 34 Z" fill="#e0493a"/>\n'
    s += f'<rect x="15" y="34" width="26" height="14" fill="#ffe07a"/>\n'
    s += f'<rect x="34" y="34" width="7" height="14" fill="#f5c542"/>\n'
    s += f'<path d="M 15,34 H 41 M 15,48 H 41" fill="none"{stroke_attr(2.2)}/>\n'
    s += poly(star_pts(26, 41, 5, 2.3), "#ff5a8a", 1.5)
    s += f'<rect x="15" y="25" width="26" height="35" rx="4" fill="none"{stroke_attr(3)}/>\n'
    s += f'<path d="M 19.5,29 V 31" fill="none"{stroke_attr(2.4, "#ffb1a6")}/>\n'
    return b + s


def monkey(cx, cy, sc, sw, outline=True):
    """Monkey face; sc=1 gives a head of radius 20."""
    def P(x, y):
        return f(cx + x * sc), f(cy + y * sc)
    def R(r):
        return f(r * sc)
    brown, brown_sh, skin = "#a8693d", "#8a532c", "#f3c89e"
    s = ""
    for ex in (-21.5, 21.5):
        x, y = P(ex, 1)
        s += f'<circle cx="{x}" cy="{y}" r="{R(8.5)}" fill="{brown}"{stroke_attr(sw)}/>\n'
        x, y = P(ex * 1.02, 1)
        s += f'<circle cx="{x}" cy="{y}" r="{R(4.6)}" fill="{skin}"/>\n'
    x, y = P(0, 0)
    s += f'<circle cx="{x}" cy="{y}" r="{R(20)}" fill="{brown}"{stroke_attr(sw)}/>\n'
    s += crescent(cx, cy, 20 * sc, brown_sh)
    s += f'<circle cx="{x}" cy="{y}" r="{R(20)}" fill="none"{stroke_attr(sw)}/>\n'
    # tuft of hair
    a, b_ = P(-3, -19); c_, d_ = P(1, -26); e_, g_ = P(4, -19)
    s += f'<path d="M {a},{b_} Q {c_},{d_} {e_},{g_}" fill="{brown}"{stroke_attr(sw * 0.8)}/>\n'
    # face patch: two eye circles and a muzzle, outlined together then filled over
    parts = [("circle", (-7.5, -3), 8.3), ("circle", (7.5, -3), 8.3), ("ellipse", (0, 8), (14, 9.5))]
    for pass_ in (0, 1):
        for kind, (px, py), r in parts:
            x, y = P(px, py)
            st = stroke_attr(sw) if pass_ == 0 else ""
            if kind == "circle":
                s += f'<circle cx="{x}" cy="{y}" r="{R(r)}" fill="{skin}"{st}/>\n'
            else:
                s += f'<ellipse cx="{x}" cy="{y}" rx="{R(r[0])}" ry="{R(r[1])}" fill="{skin}"{st}/>\n'
    # cover the inside of the patch so no seams show
    x, y = P(0, 2)
    s += f'<ellipse cx="{x}" cy="{y}" rx="{R(11)}" ry="{R(7)}" fill="{skin}"/>\n'
    for ex in (-7, 7):
        x, y = P(ex, -3)
        s += f'<ellipse cx="{x}" cy="{y}" rx="{R(2.8)}" ry="{R(3.4)}" fill="{OL}"/>\n'
        x, y = P(ex + 1, -4.3)
        s += f'<circle cx="{x}" cy="{y}" r="{R(1)}" fill="{OFF}"/>\n'
    for nx in (-2.3, 2.3):
        x, y = P(nx, 5.5)
        s += f'<circle cx="{x}" cy="{y}" r="{R(1.3)}" fill="{OL}"/>\n'
    a, b_ = P(-7, 9.5); c_, d_ = P(0, 17); e_, g_ = P(7, 9.5)
    s += f'<path d="M {a},{b_} Q {c_},{d_} {e_},{g_}" fill="none"{stroke_attr(sw * 0.8)}/>\n'
    return s


def tool_stamps():
    return rounded_tile("tool", "#fff2b8", "#f5dc7c") + monkey(33.5, 31, 0.93, 3)


def tool_fill():
    b = rounded_tile("tool", "#e5dbff", "#c9b8f5")
    s = ""
    ang, ox, oy = 55, 24, 25
    # puddle first, then the pour, then the pot on top
    s += f'<ellipse cx="45" cy="53" rx="14" ry="5.5" fill="#ff4f7b"{stroke_attr(2.5)}/>\n'
    s += f'<ellipse cx="42" cy="52" rx="6" ry="2" fill="#ff9ab3"/>\n'
    lip = rot([(12, -12)], ang, 0, 0, ox, oy)[0]
    lip2 = rot([(12, 0)], ang, 0, 0, ox, oy)[0]
    lx, ly = lip
    s += (f'<path d="M {f(lx - 3)},{f(ly - 2)} Q {f(lx + 12)},{f(ly - 4)} {f(lx + 11)},{f(ly + 10)} '
          f'L {f(lx + 12)},{f(53)} L {f(lx + 4)},{f(53)} L {f(lx + 4)},{f(ly + 12)} '
          f'Q {f(lx + 3)},{f(ly + 5)} {f(lip2[0] - 2)},{f(lip2[1] - 3)} Z" fill="#ff4f7b"{stroke_attr(2.5)}/>\n')
    s += f'<ellipse cx="45" cy="53" rx="11.5" ry="3.8" fill="#ff4f7b"/>\n'
    s += f'<path d="M {f(lx + 8)},{f(ly + 14)} V 46" fill="none"{stroke_attr(2, "#ff9ab3")}/>\n'
    tf = f'transform="translate({ox},{oy}) rotate({ang})"'
    g = f'<g {tf}>\n'
    g += f'<path d="M -13,-12 V 12 A 13,4.5 0 0 0 13,12 V -12 Z" fill="#8ea6c8"{stroke_attr(3)}/>\n'
    g += f'<path d="M 5,-10 V 14.5 A 13,4.5 0 0 0 12,12.5 V -10 Z" fill="#6f87ab"/>\n'
    g += f'<path d="M -13,-12 V 12 A 13,4.5 0 0 0 13,12 V -12" fill="none"{stroke_attr(3)}/>\n'
    g += f'<rect x="-13" y="-3" width="26" height="7" fill="#ffd23f"/>\n'
    g += f'<path d="M -13,-3 H 13 M -13,4 H 13" fill="none"{stroke_attr(2)}/>\n'
    g += f'<ellipse cx="0" cy="-12" rx="13" ry="4.5" fill="#ff4f7b"{stroke_attr(3)}/>\n'
    g += f'<path d="M -12,-12 Q -13,-28 0,-28 Q 13,-28 12,-12" fill="none"{stroke_attr(2.5)}/>\n'
    g += '</g>\n'
    return b + s + g


def eraser_block(ax, ay, length, height, ang, dx, dy, sw, split=0.45, upright=False):
    """A pink and blue eraser: front face from corner A along ang, depth (dx,dy) up-right."""
    a = math.radians(ang)
    ux, uy = math.cos(a), math.sin(a)          # along the block
    vx, vy = math.sin(a), -math.cos(a)          # up the front face
    if upright:
        vx, vy = 0.0, -1.0
    def pt(t, h, d=0.0):
        return (ax + ux * t + vx * h + dx * d, ay + uy * t + vy * h + dy * d)
    m = length * split
    s = ""
    cols = [("#ff8fb1", "#ffb8cd", "#e96d94"), ("#5b9bff", "#93bfff", "#3f7ee0")]
    # top faces
    s += poly([pt(0, height), pt(m, height), pt(m, height, 1), pt(0, height, 1)], cols[0][1])
    s += poly([pt(m, height), pt(length, height), pt(length, height, 1), pt(m, height, 1)], cols[1][1])
    # right end
    s += poly([pt(length, 0), pt(length, height), pt(length, height, 1), pt(length, 0, 1)], cols[1][2])
    # front faces
    s += poly([pt(0, 0), pt(m, 0), pt(m, height), pt(0, height)], cols[0][0])
    s += poly([pt(m, 0), pt(length, 0), pt(length, height), pt(m, height)], cols[1][0])
    # outlines: silhouette plus inner edges
    sil = [pt(0, 0), pt(length, 0), pt(length, 0, 1), pt(length, height, 1), pt(0, height, 1), pt(0, height)]
    s += poly(sil, "none", sw)
    edges = [(pt(0, height), pt(length, height)), (pt(length, height), pt(length, 0)),
             (pt(length, height), pt(length, height, 1)),
             (pt(m, 0), pt(m, height)), (pt(m, height), pt(m, height, 1))]
    for (x1, y1), (x2, y2) in edges:
        s += f'<path d="M {f(x1)},{f(y1)} L {f(x2)},{f(y2)}" fill="none"{stroke_attr(sw * 0.8)}/>\n'
    return s


def tool_eraser():
    b = rounded_tile("tool", "#ffe0c7", "#f8c197")
    s = eraser_block(8, 49, 45, 15, -25, 6, -6, 3)
    return b + s


def tool_oil():
    b = rounded_tile("tool", "#ffd9ea", "#f7b3d1")
    s = ""
    # wand stick
    s += f'<path d="M 14,55 L 38,31" fill="none"{stroke_attr(10)}/>\n'
    s += f'<path d="M 14,55 L 38,31" fill="none"{stroke_attr(5, "#7a5ce6")}/>\n'
    s += f'<path d="M 14,55 L 20,49" fill="none"{stroke_attr(5, OFF)}/>\n'
    s += f'<path d="M 20.5,48.5 L 22,47" fill="none"{stroke_attr(2.2)}/>\n'
    # big star
    s += poly(star_pts(43, 25, 16, 7.2, ang=-80), "#ffd23f", 3)
    s += poly(star_pts(41.5, 23.5, 7, 3.2, ang=-80), "#ffe98a")
    s += poly(star_pts(43, 25, 16, 7.2, ang=-80), "none", 3)
    # little stars
    s += poly(star_pts(15.5, 19, 6.5, 3, ang=-95), "#5ad1ff", 2.2)
    s += poly(star_pts(53, 49, 6, 2.8, ang=-70), "#4cc76a", 2.2)
    s += sparkle(26, 9, 4.5, "#ff8a3d", 1.6)
    s += sparkle(56, 34.5, 3.8, "#ff8a3d", 1.5)
    return b + s


def tool_magic():
    """A wizard's hat (not a wand: the oil button holds the wand) with stars
    on it and a swirl of sparkles curling out of its tip."""
    b = rounded_tile("tool", "#e9e0ff", "#c7b3f7")
    s = ""
    # the cone, its tip flopped over to the right, and its shade
    cone = "M 13,49 C 20,39 24,25 29,14 C 32,7 41,5 46,11 C 41,11 37,14 36,19 C 38,30 44,40 51,49 Z"
    s += f'<path d="{cone}" fill="#8a5ad8"/>\n'
    s += f'<path d="M 36,19 C 38,30 43,40 48,47 L 51,49 C 44,40 38,30 36,19 Z" fill="#6c3fbf"/>\n'
    s += f'<path d="{cone}" fill="none"{stroke_attr(3)}/>\n'
    s += f'<ellipse cx="32" cy="50.5" rx="25" ry="6.5" fill="#7a4bcc"{stroke_attr(3)}/>\n'
    s += f'<path d="M 12,51 C 20,55.5 44,55.5 52,51" fill="none"{stroke_attr(2, "#a987ea")}/>\n'
    # a yellow band round the hat
    s += f'<path d="M 16,44 C 25,47.5 39,47.5 48,44 L 50,48 C 39,52 25,52 14.5,48 Z" fill="#ffd23f"{stroke_attr(2)}/>\n'
    # stars on the hat
    s += poly(star_pts(26.5, 33, 6.8, 3), "#ffd23f", 1.8)
    s += poly(star_pts(37, 24, 4.2, 1.9, ang=-70), "#ffe98a", 1.5)
    # the swirl: dots growing along a curl out of the tip, ending in a star
    for i, (x, y) in enumerate([(48, 12), (51.5, 15.5), (55.5, 15), (57.5, 11.5), (56, 7.5), (52, 6.5)]):
        s += f'<circle cx="{f(x)}" cy="{f(y)}" r="{f(1.1 + 0.25 * i)}" fill="{("#ff8fb1", "#ffd23f", "#5ad1ff")[i % 3]}"{stroke_attr(0.9)}/>\n'
    s += sparkle(13.5, 18, 5.2, "#ffd23f", 1.5)
    s += sparkle(55, 31, 4, "#ff8fb1", 1.4)
    s += sparkle(20, 7.5, 3.2, "#5ad1ff", 1.2)
    return b + s


def tool_shapes():
    """A red circle, a blue square and a yellow triangle, with a green line
    across the corner: the shapes and the straight line."""
    b = rounded_tile("tool", "#fff0d6", "#f5c98a")
    s = f'<circle cx="22" cy="23" r="10.5" fill="#ff5a5f"{stroke_attr(2.6)}/>\n'
    s += f'<rect x="36" y="12" width="19" height="19" rx="2.5" fill="#4d8cff"{stroke_attr(2.6)}/>\n'
    s += poly([(11, 54), (23.5, 33), (36, 54)], "#ffd23f", 2.6)
    s += f'<path d="M 41,53 L 56,38" fill="none"{stroke_attr(5.5)}/>\n'
    s += f'<path d="M 41,53 L 56,38" fill="none" stroke="#4cc76a" stroke-width="3" stroke-linecap="round"/>\n'
    return b + s


def tool_letters():
    """A big red A and a blue b, drawn as strokes (no font), as a child
    writes them."""
    b = rounded_tile("tool", "#dff3ff", "#a9d6f5")
    s = ""
    for d, col in (("M 12,53 L 24,14 L 36,53 M 17,40 L 31,40", "#ff5a5f"),
                   ("M 43,15 L 43,53 M 43,44 A 8,8.5 0 1 0 59,44 A 8,8.5 0 1 0 43,44", "#4d8cff")):
        s += f'<path d="{d}" fill="none"{stroke_attr(8)}/>\n'
        s += (f'<path d="{d}" fill="none" stroke="{col}" stroke-width="4.6" stroke-linecap="round" '
              f'stroke-linejoin="round"/>\n')
    return b + s


# ------------------------------------------------------------ letter board
def letter_key_tile(face, rim):
    """A letter board key's rounded tile, 42 pixels: a rim under a face, the
    outline round both, as the board's letter keys are drawn in the program."""
    return (f'<rect x="2" y="3" width="38" height="37" rx="10" fill="{rim}"{stroke_attr(2)}/>\n'
            f'<rect x="3.5" y="3.5" width="35" height="32" rx="9" fill="{face}"/>\n'
            f'<path d="M 9,8.5 H 24" fill="none" stroke="#ffffff" stroke-width="2.4" stroke-linecap="round" '
            f'opacity="0.7"/>\n')


def letter_space():
    """Space: a long open bracket lying down, the gap between two words."""
    s = letter_key_tile("#c9f0ff", "#8fd2f0")
    d = "M 9,17 V 25 H 33 V 17"
    s += f'<path d="{d}" fill="none"{stroke_attr(6.5)}/>\n'
    s += f'<path d="{d}" fill="none" stroke="#4d8cff" stroke-width="3.6" stroke-linecap="round" stroke-linejoin="round"/>\n'
    return s


def letter_back():
    """Back: an arrow pointing back at the last letter, which goes."""
    s = letter_key_tile("#ffe2c4", "#f5b780")
    s += poly([(7, 20), (16, 11), (16, 16), (34, 16), (34, 24), (16, 24), (16, 29)], "#ff8a3d", 2)
    return s


def letter_done():
    """Done: a big green tick, the word goes on the page."""
    s = letter_key_tile("#d9f7c9", "#a5dc8a")
    d = "M 10,20 L 18,28 L 33,11"
    s += f'<path d="{d}" fill="none"{stroke_attr(8)}/>\n'
    s += f'<path d="{d}" fill="none" stroke="#3cb44b" stroke-width="5" stroke-linecap="round" stroke-linejoin="round"/>\n'
    return s


# ------------------------------------------------------------ window buttons
def win_button(kind, hot):
    face, rim, shine = WINDOW_BUTTON_TONES[kind]
    s = rounded_tile("window", face, rim, shine, hot)
    if kind == "close":
        s += f'<path d="M 21,4.5 L 29,12.5 M 29,4.5 L 21,12.5" fill="none"{stroke_attr(2.6)}/>\n'
    else:
        s += f'<path d="M 19.5,11.5 H 30.5" fill="none"{stroke_attr(2.6)}/>\n'
    return s


# ----------------------------------------------------------- command buttons
def sheet(x0, y0, x1, y1, fold, sw):
    s = poly([(x0, y0), (x1 - fold, y0), (x1, y0 + fold), (x1, y1), (x0, y1)], OFF, sw)
    s += poly([(x1 - fold, y0), (x1 - fold, y0 + fold), (x1, y0 + fold)], "#d9deea", sw * 0.8)
    return s


def cmd_new_page(hot):
    s = rounded_tile("command", "#d2f5de", "#a6e3bd", hot=hot)
    s += sheet(10, 8, 32, 39, 7, 2.5)
    s += f'<circle cx="34.5" cy="34" r="8.5" fill="#4cc76a"{stroke_attr(2.5)}/>\n'
    s += f'<path d="M 34.5,29.5 V 38.5 M 30,34 H 39" fill="none"{stroke_attr(3, OFF)}/>\n'
    s += sparkle(39, 12.5, 6.5, "#ffd23f", 1.8)
    return s


def crayon(tipx, tipy, ang, length, half, body, shade, sw):
    tf = f'transform="translate({f(tipx)},{f(tipy)}) rotate({f(ang)})"'
    g = f'<g {tf}>\n'
    cone = half * 1.3
    g += f'<path d="M {f(cone)},{f(-half)} H {f(length - 2)} A 2,2 0 0 1 {f(length)},{f(-half + 2)} V {f(half - 2)} A 2,2 0 0 1 {f(length - 2)},{f(half)} H {f(cone)} L 0,0 Z" fill="{body}"/>\n'
    g += f'<rect x="{f(cone)}" y="{f(half * 0.25)}" width="{f(length - cone - 1)}" height="{f(half * 0.75)}" fill="{shade}"/>\n'
    g += f'<rect x="{f(cone + 3)}" y="{f(-half)}" width="{f(length * 0.4)}" height="{f(2 * half)}" fill="#ffb3b6"/>\n'
    g += f'<path d="M {f(cone)},{f(-half)} H {f(length - 2)} A 2,2 0 0 1 {f(length)},{f(-half + 2)} V {f(half - 2)} A 2,2 0 0 1 {f(length - 2)},{f(half)} H {f(cone)} L 0,0 Z" fill="none"{stroke_attr(sw)}/>\n'
    g += f'<path d="M {f(cone)},{f(-half)} V {f(half)} M {f(cone + 3)},{f(-half)} V {f(half)} M {f(cone + 3 + length * 0.4)},{f(-half)} V {f(half)}" fill="none"{stroke_attr(sw * 0.6)}/>\n'
    g += '</g>\n'
    return g


def cmd_colouring_page(hot):
    s = rounded_tile("command", "#ffdcea", "#f5b5cf", hot=hot)
    s += sheet(8, 6, 33, 40, 0.01, 2.5)
    # a little house outline, its roof coloured in
    s += poly([(12.5, 21), (20.5, 12.5), (28.5, 21)], "#ff5a5f")
    s += poly([(12.5, 21), (20.5, 12.5), (28.5, 21)], "none", 1.8)
    s += f'<rect x="14.5" y="21" width="12" height="12" fill="none"{stroke_attr(1.8)}/>\n'
    s += f'<rect x="18.5" y="26" width="4" height="7" fill="none"{stroke_attr(1.5)}/>\n'
    s += crayon(27, 29, -50, 22, 4.3, "#ff5a5f", "#dd3f48", 2.3)
    return s


def cmd_save(hot):
    s = rounded_tile("command", "#d3ebff", "#a9d1f5", hot=hot)
    # inside of the box
    s += poly([(9, 28), (40, 28), (36, 23), (13, 23)], "#b35d17", 2.5)
    # sheet sliding in
    s += f'<rect x="14" y="6" width="21" height="22" fill="{OFF}"{stroke_attr(2.5)}/>\n'
    s += f'<path d="M 17.5,10.5 H 25" fill="none"{stroke_attr(1.5, "#b7bfd3")}/>\n'
    # down arrow
    s += poly([(21.5, 8.5), (27.5, 8.5), (27.5, 17), (32, 17), (24.5, 26.5), (17, 17), (21.5, 17)], "#4cc76a", 2.3)
    # box front
    s += poly([(7, 28), (42, 28), (39.5, 43), (9.5, 43)], "#ffa94d")
    s += poly([(7, 37), (42, 37), (40.5, 43), (9.5, 43)], "#f08a2a")
    s += poly([(7, 28), (42, 28), (39.5, 43), (9.5, 43)], "none", 2.5)
    s += f'<path d="M 19,33 H 30" fill="none"{stroke_attr(2.5)}/>\n'
    return s


def cmd_help(hot):
    s = rounded_tile("command", "#e5dbff", "#c9b8f5", hot=hot)
    s += (f'<path d="M 24.5,7 C 34.5,7 41,13 41,21 C 41,29 34.5,35 24.5,35 C 22.5,35 20.5,34.8 19,34.3 '
          f'L 10.5,40.5 L 12.5,31.5 C 9.5,29 8,25.3 8,21 C 8,13 14.5,7 24.5,7 Z" fill="{OFF}"{stroke_attr(2.5)}/>\n')
    q = "M 19.5,16.5 C 19.5,10.5 29.5,10.5 29.5,16.5 C 29.5,20.5 24.5,20.5 24.5,24.5"
    s += f'<path d="{q}" fill="none"{stroke_attr(7.5)}/>\n'
    s += f'<path d="{q}" fill="none"{stroke_attr(4, "#7a5ce6")}/>\n'
    s += f'<circle cx="24.5" cy="30" r="3.2" fill="#7a5ce6"{stroke_attr(1.8)}/>\n'
    return s


def arrow(right):
    pts = [(6, 17.5), (24, 17.5), (24, 7), (43, 24.5), (24, 42), (24, 31.5), (6, 31.5)]
    lo = [(6, 24.5), (43, 24.5), (24, 42), (24, 31.5), (6, 31.5)]
    s = poly(pts, "#4cc76a")
    s += poly(lo, "#33a955")
    s += f'<path d="M 10,21.5 H 21" fill="none"{stroke_attr(2.4, "#9be8ad")}/>\n'
    s += poly(pts, "none", 3.2)
    if not right:
        s = f'<g transform="translate(49,0) scale(-1,1)">\n{s}</g>\n'
    return s


# ------------------------------------------------------------- decorations
def dog():
    tan, tan_sh, ear, ear_sh, muzzle = "#e9a95d", "#d48c3f", "#9a5b2c", "#7d4620", "#f8e0b8"
    s = ""
    # ears hang behind the head
    s += f'<path d="M 25,12 C 14,9 9,20 12,33 C 14,40 21,39 23,33 Z" fill="{ear}"{stroke_attr(2.5)}/>\n'
    s += f'<path d="M 60,12 C 71,9 76,20 73,33 C 71,40 64,39 62,33 Z" fill="{ear}"{stroke_attr(2.5)}/>\n'
    # head
    s += f'<circle cx="42.5" cy="30" r="21" fill="{tan}"{stroke_attr(2.5)}/>\n'
    s += crescent(42.5, 30, 21, tan_sh)
    s += f'<circle cx="42.5" cy="30" r="21" fill="none"{stroke_attr(2.5)}/>\n'
    # eye patch
    s += f'<ellipse cx="50.5" cy="24" rx="7" ry="7.5" fill="{ear_sh}" opacity="0.55"/>\n'
    # muzzle
    s += f'<ellipse cx="42.5" cy="38" rx="12" ry="8.5" fill="{muzzle}"{stroke_attr(2.2)}/>\n'
    # eyes
    for ex in (34.5, 50.5):
        s += f'<ellipse cx="{ex}" cy="25" rx="3" ry="3.6" fill="{OL}"/>\n'
        s += f'<circle cx="{ex + 1}" cy="23.6" r="1.1" fill="{OFF}"/>\n'
    # nose and smile
    s += f'<ellipse cx="42.5" cy="33.3" rx="4.3" ry="3" fill="{OL}"/>\n'
    s += f'<circle cx="41.2" cy="32.4" r="0.9" fill="#6a7194"/>\n'
    s += f'<path d="M 42.5,36 V 39 M 36.5,39 Q 39.5,42.5 42.5,39 Q 45.5,42.5 48.5,39" fill="none"{stroke_attr(1.8)}/>\n'
    # ledge
    s += f'<rect x="0" y="47" width="85" height="3" fill="{FRAME}"/>\n'
    # paws over the ledge
    for px in (19, 66):
        s += f'<path d="M {px - 8},49 C {px - 8},40 {px + 8},40 {px + 8},49 Z" fill="{tan}"{stroke_attr(2.2)}/>\n'
        s += f'<path d="M {px - 2.7},44.5 V 48.5 M {px + 2.7},44.5 V 48.5" fill="none"{stroke_attr(1.5)}/>\n'
    return s


# lettering: centre-line strokes, outlined together, coloured after
def title():
    pen, ol = 5.2, 8.4
    top, xh, base = 5.5, 12.8, 24.8
    mid = (xh + base) / 2
    orx, ory = 5.5, (base - xh) / 2
    letters = []  # (width, [(kind, data)], colour)
    bow = (top + 16.3) / 2
    r_b = (16.3 - top) / 2
    letters.append((10.3, [("p", f"M 0,{base} V {top} H 4.8 A {r_b},{r_b} 0 0 1 4.8,16.3 H 0")], "#ff5a5f"))
    letters.append((0, [("p", f"M 0,{xh + 0.6} V {base}"), ("dot", (0, top - 0.3, 2.2))], "#ff9a2e"))
    letters.append((10, [("p", f"M 0,{xh} V {base} M 0,{mid + 0.5} C 0,{xh - 0.5} 10,{xh - 0.5} 10,{mid + 0.5} V {base}")], "#f2c200"))
    letters.append((5.5, [("p", f"M 0,{top} V {base - 4} Q 0,{base} 4.5,{base}"), ("p", f"M -4,{xh} H 5.5")], "#4cc76a"))
    letters.append((11, [("p", f"M {orx},{xh} A {orx},{ory} 0 0 0 {orx},{base} A {orx},{ory} 0 0 0 {orx},{xh} Z"),
                         ("p", f"M 11,{xh} V {base}")], "#3d9bff"))
    letters.append((3.5, [("p", f"M 0,{top} V {base - 4} Q 0,{base} 3.5,{base}")], "#a06bff"))
    letters.append((11, [("p", f"M {orx},{xh} A {orx},{ory} 0 0 0 {orx},{base} A {orx},{ory} 0 0 0 {orx},{xh} Z")], "#ff5ab1"))
    letters.append((11, [("p", f"M {orx},{xh} A {orx},{ory} 0 0 0 {orx},{base} A {orx},{ory} 0 0 0 {orx},{xh} Z")], "#1fb8c9"))
    # spacing between neighbouring strokes' centre lines
    gaps = [8.6, 8.6, 8.6, 9.6, 8.6, 8.6, 8.6]
    total = sum(w for w, _, _ in letters) + sum(gaps)
    # the t's crossbar sticks out left; account for it in the gap before it
    x = (139 - total) / 2
    tilts = [-4, 3, -3, 3, -3, 3, -4, 4]
    bounce = [0, -0.6, 0.4, -0.4, 0.5, -0.6, 0.4, -0.3]
    placed = []
    for i, (w, parts, col) in enumerate(letters):
        placed.append((x, w, parts, col, tilts[i], bounce[i]))
        if i < len(gaps):
            x += w + gaps[i]
    outl, colr, hil = "", "", ""
    for x0, w, parts, col, tilt, dy in placed:
        tf = f'transform="translate({f(x0)},{f(dy)}) rotate({tilt},{f(w / 2)},{f(mid)})"'
        o, c = f"<g {tf}>\n", f"<g {tf}>\n"
        for kind, d in parts:
            if kind == "p":
                o += f'<path d="{d}" fill="none"{stroke_attr(ol)}/>\n'
                c += f'<path d="{d}" fill="none"{stroke_attr(pen, col)}/>\n'
            else:
                cx, cy, r = d
                o += f'<circle cx="{f(cx)}" cy="{f(cy)}" r="{f(r + (ol - pen) / 2)}" fill="{OL}"/>\n'
                c += f'<circle cx="{f(cx)}" cy="{f(cy)}" r="{f(r)}" fill="{col}"/>\n'
        outl += o + "</g>\n"
        colr += c + "</g>\n"
    return outl + colr


def clock():
    cx, cy = 61.5, 73
    s = '<rect x="0" y="0" width="123" height="132" fill="#ffffff"/>\n'
    # legs
    s += f'<path d="M 34,108 L 25,124 M 89,108 L 98,124" fill="none"{stroke_attr(9)}/>\n'
    s += f'<path d="M 34,108 L 25,124 M 89,108 L 98,124" fill="none"{stroke_attr(4.5, "#ff5a5f")}/>\n'
    # hammer and bells
    s += f'<path d="M 61.5,30 V 17" fill="none"{stroke_attr(4)}/>\n'
    s += f'<circle cx="61.5" cy="15" r="4" fill="#b9c6dc"{stroke_attr(3)}/>\n'
    for side in (-1, 1):
        bx, by, a = cx + side * 30, 31, side * 38
        tf = f'transform="translate({f(bx)},{by}) rotate({a})"'
        s += (f'<g {tf}><path d="M -16,6 C -16,-8 -10,-15 0,-15 C 10,-15 16,-8 16,6 Z" fill="#ffd23f"{stroke_attr(3.5)}/>'
              f'<path d="M 7,-12 C 12,-8 14,-3 14,4 H 8 C 8,-3 7,-8 3,-12 Z" fill="#f5b400"/>'
              f'<path d="M -16,6 C -16,-8 -10,-15 0,-15 C 10,-15 16,-8 16,6 Z" fill="none"{stroke_attr(3.5)}/>'
              f'<path d="M -9,-7 Q -7,-11 -3,-12" fill="none"{stroke_attr(2.5, "#fff2a8")}/>'
              f'<rect x="-19" y="4" width="38" height="6" rx="3" fill="#ffd23f"{stroke_attr(3.5)}/>'
              f'<circle cx="0" cy="-17" r="3.5" fill="#ffd23f"{stroke_attr(3)}/></g>\n')
    # body
    s += f'<circle cx="{cx}" cy="{cy}" r="44" fill="#ff5a5f"{stroke_attr(4)}/>\n'
    s += crescent(cx, cy, 44, "#e0444b", a0=-55, a1=125, k=1.18)
    s += f'<circle cx="{cx}" cy="{cy}" r="44" fill="none"{stroke_attr(4)}/>\n'
    s += f'<circle cx="{cx}" cy="{cy}" r="34" fill="{OFF}"{stroke_attr(3.5)}/>\n'
    # hour marks
    for h in range(12):
        a = math.radians(h * 30)
        big = h % 3 == 0
        r1, r2 = (27, 22) if big else (27, 25)
        x1, y1 = cx + r1 * math.sin(a), cy - r1 * math.cos(a)
        x2, y2 = cx + r2 * math.sin(a), cy - r2 * math.cos(a)
        s += f'<path d="M {f(x1)},{f(y1)} L {f(x2)},{f(y2)}" fill="none"{stroke_attr(3.5 if big else 2.5)}/>\n'
    # hands at ten past ten
    def hand(deg, length, w, col):
        a = math.radians(deg)
        x, y = cx + length * math.sin(a), cy - length * math.cos(a)
        return (f'<path d="M {cx},{cy} L {f(x)},{f(y)}" fill="none"{stroke_attr(w + 3)}/>\n'
                f'<path d="M {cx},{cy} L {f(x)},{f(y)}" fill="none"{stroke_attr(w, col)}/>\n')
    s += hand(305, 15, 4, "#3d9bff")
    s += hand(60, 21, 3.5, "#3d9bff")
    s += f'<circle cx="{cx}" cy="{cy}" r="4.5" fill="#ffd23f"{stroke_attr(2.5)}/>\n'
    # shine
    s += f'<path d="M {cx - 36},{cy - 10} A 37,37 0 0 1 {cx - 22},{cy - 30}" fill="none"{stroke_attr(3.5, "#ff9a9e")}/>\n'
    return s


# ---------------------------------------------------------------- cursors
def cursor_pencil():
    # tip exactly at (1,30), the body running up-right
    tf = 'transform="translate(1.5,30.5) rotate(-45)"'
    g = f'<g {tf}>\n'
    g += f'<path d="M 30,-4.5 H 34 A 2.5,2.5 0 0 1 36.5,-2 V 2 A 2.5,2.5 0 0 1 34,4.5 H 30 Z" fill="#ff8fb1"{stroke_attr(1.5)}/>\n'
    g += f'<rect x="26.5" y="-4.5" width="4" height="9" fill="#b9c6dc"{stroke_attr(1.5)}/>\n'
    g += f'<rect x="9" y="-4.5" width="17.5" height="9" fill="#ffc93c"/>\n'
    g += f'<rect x="9" y="1.5" width="17.5" height="3" fill="#f2a320"/>\n'
    g += f'<rect x="9" y="-4.5" width="17.5" height="9" fill="none"{stroke_attr(1.5)}/>\n'
    g += f'<path d="M 9,-4.5 L 0,0 L 9,4.5 Z" fill="#f7d9a6"{stroke_attr(1.5)}/>\n'
    g += f'<path d="M 3.6,-1.8 L 0,0 L 3.6,1.8 Z" fill="{OL}"{stroke_attr(1)}/>\n'
    g += '</g>\n'
    return g


def cursor_stamp():
    s = ""
    s += f'<circle cx="16" cy="6.5" r="5" fill="#ff8a3d"{stroke_attr(1.6)}/>\n'
    s += f'<circle cx="14.5" cy="5" r="1.4" fill="#ffc28f"/>\n'
    s += f'<path d="M 13.5,11 H 18.5 L 19.5,16 H 12.5 Z" fill="#c98b4e"{stroke_attr(1.6)}/>\n'
    s += f'<rect x="7" y="15.5" width="18" height="8" rx="2" fill="#e0a866"{stroke_attr(1.6)}/>\n'
    s += f'<rect x="8" y="20" width="16" height="2.8" fill="#c98b4e"/>\n'
    s += f'<rect x="7" y="15.5" width="18" height="8" rx="2" fill="none"{stroke_attr(1.6)}/>\n'
    s += f'<rect x="5.5" y="23.5" width="21" height="5" rx="1" fill="#ff5a5f"{stroke_attr(1.6)}/>\n'
    return s


def cursor_fill():
    s = ""
    # small pot in the lower right quarter, clear of the cross-hair
    s += f'<ellipse cx="24.5" cy="27.8" rx="4.8" ry="1.5" fill="#ff4f7b"{stroke_attr(1.1)}/>\n'
    tf = 'transform="translate(23.5,23) rotate(35)"'
    s += (f'<g {tf}><path d="M -4,-3.2 V 3.2 A 4,1.5 0 0 0 4,3.2 V -3.2 Z" fill="#8ea6c8"{stroke_attr(1.2)}/>'
          f'<ellipse cx="0" cy="-3.2" rx="4" ry="1.5" fill="#ff4f7b"{stroke_attr(1.2)}/></g>\n')
    # cross-hair centred on pixel (15,15): a light line inside a dark one shows on any colour
    d = "M 15.5,2.5 V 11.5 M 15.5,19.5 V 28.5 M 2.5,15.5 H 11.5 M 19.5,15.5 H 28.5"
    s += f'<path d="{d}" fill="none"{stroke_attr(3)}/>\n'
    s += f'<path d="{d}" fill="none"{stroke_attr(1, OFF)}/>\n'
    s += f'<rect x="14" y="14" width="3" height="3" fill="{OL}"/>\n'
    s += f'<rect x="15" y="15" width="1" height="1" fill="{OFF}"/>\n'
    return s


def cursor_eraser():
    return eraser_block(3.5, 28.5, 23, 9, -30, 4, -3, 1.5, split=0.45, upright=True)


def cursor_models():
    s = ""
    # colour blobs
    for x, y, r, c in [(25, 22, 3.2, "#3d9bff"), (19, 27.5, 2.8, "#ffd23f"), (28.5, 28, 2.4, "#ff5a5f"),
                       (6, 8, 2.6, "#4cc76a"), (11, 3.8, 2.0, "#a06bff")]:
        s += f'<circle cx="{x}" cy="{y}" r="{r}" fill="{c}"{stroke_attr(1.2)}/>\n'
    tf = 'transform="translate(2.5,29.5) rotate(-45)"'
    g = f'<g {tf}>\n'
    g += f'<path d="M 18,-2.5 H 34 A 2.5,2.5 0 0 1 34,2.5 H 18 Z" fill="#c98b4e"{stroke_attr(1.5)}/>\n'
    g += f'<rect x="12.5" y="-3.6" width="6" height="7.2" rx="1" fill="#b9c6dc"{stroke_attr(1.5)}/>\n'
    g += f'<path d="M 12.5,-4 C 7,-4 3,-2 0,0 C 3,2 7,4 12.5,4 Z" fill="#ff5a5f"{stroke_attr(1.5)}/>\n'
    g += f'<path d="M 12.5,-2.5 C 9,-2.5 6.5,-1.5 4.5,-0.5" fill="none"{stroke_attr(1, "#ffb0b3")}/>\n'
    g += '</g>\n'
    return s + g


# ------------------------------------------------------------- background
def background():
    W, H = 827, 728
    defs = ('<linearGradient id="sky" x1="0" y1="0" x2="0" y2="1">'
            '<stop offset="0" stop-color="#cfe6ff"/><stop offset="1" stop-color="#e6dcff"/></linearGradient>')
    s = f'<rect x="0" y="0" width="{W}" height="{H}" rx="15" fill="url(#sky)"/>\n'
    # title strip
    s += f'<path d="M 0,15 A 15,15 0 0 1 15,0 H {W - 15} A 15,15 0 0 1 {W},15 V 18 H 0 Z" fill="#a9c9f2"/>\n'
    s += f'<path d="M 2,18 H {W - 2}" fill="none" stroke="#8fb1e3" stroke-width="1"/>\n'
    # gentle shapes in the free space to the right of the title
    s += f'<ellipse cx="495" cy="48" rx="34" ry="13" fill="#ffffff" opacity="0.55"/>\n'
    s += f'<ellipse cx="480" cy="41" rx="15" ry="11" fill="#ffffff" opacity="0.55"/>\n'
    s += f'<ellipse cx="503" cy="38" rx="17" ry="14" fill="#ffffff" opacity="0.55"/>\n'
    s += f'<ellipse cx="592" cy="31" rx="20" ry="8" fill="#ffffff" opacity="0.5"/>\n'
    s += f'<ellipse cx="600" cy="26" rx="11" ry="8" fill="#ffffff" opacity="0.5"/>\n'
    for x, y, r, c, o in [(448, 30, 4, "#ffd6ec", 0.9), (556, 55, 5, "#fff1a8", 0.9), (622, 58, 3.5, "#c8f1d6", 0.9),
                          (545, 27, 3, "#ffffff", 0.7), (452, 62, 3, "#d9ccff", 0.9), (629, 35, 2.5, "#ffd6ec", 0.9)]:
        s += f'<circle cx="{x}" cy="{y}" r="{r}" fill="{c}" opacity="{o}"/>\n'
    # dots along the bottom edge, under the shelf
    for x, y, r, c in [(30, 718, 3.5, "#ffd6ec"), (80, 721, 2.5, "#fff1a8"), (140, 717, 3, "#c8f1d6"),
                       (210, 720, 3.5, "#ffffff"), (290, 717, 2.5, "#ffd6ec"), (360, 720, 3, "#fff1a8"),
                       (430, 718, 3.5, "#c8f1d6"), (500, 721, 2.5, "#ffffff")]:
        s += f'<circle cx="{x}" cy="{y}" r="{r}" fill="{c}" opacity="0.9"/>\n'
    # canvas: soft shadow then a frame just around the white area
    s += f'<rect x="8" y="77" width="814" height="543" rx="7" fill="#5b5fa8" opacity="0.18"/>\n'
    s += f'<rect x="6" y="73" width="813" height="543" rx="5" fill="{FRAME}"/>\n'
    s += f'<rect x="9" y="76" width="807" height="537" fill="#ffffff"/>\n'
    # shelf behind the bottom row
    s += f'<rect x="8" y="623" width="811" height="86" rx="16" fill="#d5cbf3"/>\n'
    s += f'<rect x="8" y="623" width="811" height="82" rx="16" fill="#f5f1ff"/>\n'
    s += f'<rect x="8" y="623" width="811" height="86" rx="16" fill="none" stroke="#a9b1e0" stroke-width="2"/>\n'
    # window frame, inside the rounded cut
    s += f'<rect x="1.5" y="1.5" width="{W - 3}" height="{H - 3}" rx="13.5" fill="none" stroke="{FRAME}" stroke-width="3"/>\n'
    return s, defs


def main():
    # The nine tool faces fill the bottom bar at 46 pixels each.
    for name, fn in (("tool_pencil", tool_pencil), ("tool_models", tool_spray), ("tool_stamps", tool_stamps),
                     ("tool_fill", tool_fill), ("tool_eraser", tool_eraser), ("tool_oil", tool_oil),
                     ("tool_magic", tool_magic), ("tool_shapes", tool_shapes), ("tool_letters", tool_letters)):
        svg(f"{name}.svg", 46, 46, fn(), view=(67, 67))
    for kind, name in (("close", "win_close"), ("min", "win_minimise")):
        svg(f"{name}.svg", 50, 17, win_button(kind, False))
        svg(f"{name}_hot.svg", 50, 17, win_button(kind, True))
    for name, fn in (("cmd_new_page", cmd_new_page), ("cmd_colouring_page", cmd_colouring_page),
                     ("cmd_save", cmd_save), ("cmd_help", cmd_help)):
        svg(f"{name}.svg", 49, 49, fn(False))
        svg(f"{name}_hot.svg", 49, 49, fn(True))
    svg("arrow_next.svg", 49, 49, arrow(True))
    svg("arrow_prev.svg", 49, 49, arrow(False))
    svg("dog.svg", 85, 50, dog())
    svg("title.svg", 139, 30, title())
    svg("clock.svg", 123, 132, clock())
    svg("cursor_pencil.svg", 32, 32, cursor_pencil())
    svg("cursor_stamp.svg", 32, 32, cursor_stamp())
    svg("cursor_fill.svg", 30, 30, cursor_fill())
    svg("cursor_eraser.svg", 32, 32, cursor_eraser())
    svg("cursor_models.svg", 32, 32, cursor_models())
    for name, fn in (("letter_space", letter_space), ("letter_back", letter_back), ("letter_done", letter_done)):
        svg(f"{name}.svg", 42, 42, fn())
    body, defs = background()
    svg("background.svg", 827, 728, body, defs)


if __name__ == "__main__":
    main()
