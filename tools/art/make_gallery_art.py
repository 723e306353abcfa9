#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the gallery's pictures: resources/art/ui/gallery_*.svg.

Usage: make_gallery_art.py [OUTPUT_DIR]   (default: resources/art/ui in this checkout)

The "My drawings" button (49 x 49): three framed pictures fanned out like
cards (a sun, a house, a flower) on the soft rounded tile of the command
buttons, in a light yellow; its hover face glows warm like theirs. The play
button (49 x 49) is the same tile in green with a big play sign. The film
badge (30 x 30) is a round peach disc with a short strip of film on it, so a
drawing with a story is told apart at a glance. The bin (34 x 34) is small on
purpose: it is for the grown-up. Its question (52 x 34) is a picture a child
who cannot read yet understands: the bin with its lid lifted and a big
orange question mark beside it. The empty gallery (300 x 200) is a picture,
not a sentence: an empty easel with a crayon leaning on it and sparkles,
waiting for the first drawing.
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from svgkit import THEME, document, output_dir, rounded_tile, stroke_attr, write  # noqa: E402
from svgkit import num as f  # noqa: E402

OUT = output_dir("resources", "art", "ui")
OL = THEME["OUTLINE"]
OFF = THEME["OFF_WHITE"]


def poly(points, fill, sw=None):
    p = " ".join(f"{f(x)},{f(y)}" for x, y in points)
    return f'<polygon points="{p}" fill="{fill}"{stroke_attr(sw, OL) if sw else ""}/>\n'


def framed(x, y, w, h, angle, inner):
    """A picture in a frame, turned about its centre."""
    cx, cy = x + w / 2, y + h / 2
    s = f'<g transform="rotate({f(angle)} {f(cx)} {f(cy)})">\n'
    s += f'<rect x="{f(x)}" y="{f(y)}" width="{f(w)}" height="{f(h)}" rx="2" fill="#f5a742"{stroke_attr(2.2, OL)}/>\n'
    s += f'<rect x="{f(x + 3)}" y="{f(y + 3)}" width="{f(w - 6)}" height="{f(h - 6)}" fill="{OFF}"{stroke_attr(1.4, OL)}/>\n'
    s += inner
    return s + "</g>\n"


def gallery_button(hot):
    s = rounded_tile("command", "#fff1b8", "#f5d96b", hot=hot)
    sun = (f'<circle cx="14.5" cy="17" r="4" fill="#ffd23f"{stroke_attr(1.3, OL)}/>\n'
           f'<path d="M 9,25 Q 14,20 19,25" fill="none"{stroke_attr(1.5, "#4cc76a")}/>\n')
    s += framed(6, 10, 18, 20, -14, sun)
    house = (poly([(31, 15.5), (36, 11), (41, 15.5)], "#ff5a5f", 1.2)
             + f'<rect x="32" y="15.5" width="8" height="7" fill="#5ab4ff"{stroke_attr(1.2, OL)}/>\n')
    s += framed(27, 8, 18, 20, 12, house)
    flower = ""
    for dx, dy in ((0, -4), (4, 0), (0, 4), (-4, 0)):
        flower += f'<circle cx="{f(24.5 + dx)}" cy="{f(29 + dy)}" r="3" fill="#ff8fb1"{stroke_attr(1.1, OL)}/>\n'
    flower += f'<circle cx="24.5" cy="29" r="2.4" fill="#ffd23f"{stroke_attr(1.1, OL)}/>\n'
    flower += f'<path d="M 24.5,35 V 39" fill="none"{stroke_attr(1.6, "#33a955")}/>\n'
    s += framed(13, 19, 23, 24, 0, flower)
    return s


def play_button():
    s = rounded_tile("command", "#d2f5de", "#a6e3bd")
    s += poly([(17, 11), (38, 24.5), (17, 38)], "#4cc76a", 3)
    s += f'<path d="M 21,17 L 27,21" fill="none"{stroke_attr(2, "#b8f0c6")}/>\n'
    return s


def film_badge():
    s = f'<circle cx="15" cy="15" r="13.5" fill="#ffe3cc"{stroke_attr(2, OL)}/>\n'
    s += f'<rect x="6" y="9" width="18" height="12" rx="1.5" fill="#3a3f55"{stroke_attr(1.6, OL)}/>\n'
    for x in (8, 12, 16, 20):
        s += f'<rect x="{x}" y="10.3" width="2" height="1.8" fill="{OFF}"/>\n'
        s += f'<rect x="{x}" y="17.9" width="2" height="1.8" fill="{OFF}"/>\n'
    s += poly([(12.5, 12.6), (18, 15), (12.5, 17.4)], "#4cc76a")
    return s


def bin_face(armed):
    # The lid lifts when the bin waits for its second press.
    s = f'<rect x="1" y="1" width="32" height="32" rx="8" fill="{"#ffd0d0" if armed else "#eef0f4"}"{stroke_attr(1.6, OL)}/>\n'
    s += f'<path d="M 10,13 H 24 L 22.5,27 H 11.5 Z" fill="#9aa6c0"{stroke_attr(1.8, OL)}/>\n'
    s += f'<path d="M 14.5,16 V 24 M 19.5,16 V 24" fill="none"{stroke_attr(1.3, OL)}/>\n'
    lid = 'transform="rotate(-22 9 11)"' if armed else ""
    s += (f'<g {lid}><rect x="8" y="9" width="18" height="3" rx="1.2" fill="#c3cbe0"{stroke_attr(1.6, OL)}/>\n'
          f'<path d="M 14.5,9 V 7 H 19.5 V 9" fill="none"{stroke_attr(1.5, OL)}/></g>\n')
    return s


def bin_question():
    s = bin_face(True)
    # the question mark: a thick outlined hook and dot, as big as the bin
    hook = "M 37,12 Q 37,5 43.5,5 Q 50,5 50,11.5 Q 50,16 45.5,18 Q 43.5,19 43.5,22.5"
    s += f'<path d="{hook}" fill="none"{stroke_attr(7, OL)}/>\n'
    s += f'<path d="{hook}" fill="none"{stroke_attr(4, "#ff9a3c")}/>\n'
    s += f'<circle cx="43.5" cy="29" r="3.2" fill="#ff9a3c"{stroke_attr(1.6, OL)}/>\n'
    return s


def empty_gallery():
    s = ""
    # easel legs and the empty board
    s += f'<path d="M 150,20 L 95,188 M 150,20 L 205,188 M 150,40 V 180" fill="none"{stroke_attr(7, OL)}/>\n'
    s += f'<path d="M 150,20 L 95,188 M 150,20 L 205,188 M 150,40 V 180" fill="none"{stroke_attr(3.5, "#c98a4b")}/>\n'
    s += f'<rect x="78" y="34" width="144" height="104" rx="6" fill="{OFF}"{stroke_attr(4, OL)}/>\n'
    s += f'<rect x="70" y="136" width="160" height="12" rx="5" fill="#e0a35c"{stroke_attr(3, OL)}/>\n'
    # a crayon leaning on the ledge
    s += '<g transform="translate(214,150) rotate(-62)">\n'
    s += f'<path d="M 0,0 L 12,-7 H 58 A 3,3 0 0 1 61,-4 V 4 A 3,3 0 0 1 58,7 H 12 Z" fill="#ff5a5f"{stroke_attr(3, OL)}/>\n'
    s += f'<rect x="22" y="-7" width="20" height="14" fill="#ffb3b6"{stroke_attr(2, OL)}/>\n'
    s += "</g>\n"
    # sparkles round the board: a drawing is coming
    for cx, cy, r, c in ((52, 44, 11, "#ffd23f"), (250, 60, 9, "#5ab4ff"), (40, 118, 7, "#ff8fb1"),
                         (262, 128, 12, "#4cc76a")):
        k = r * 0.3
        s += poly([(cx, cy - r), (cx + k, cy - k), (cx + r, cy), (cx + k, cy + k), (cx, cy + r), (cx - k, cy + k),
                   (cx - r, cy), (cx - k, cy - k)], c, 2)
    # a faint smile on the board: it waits happily
    s += f'<circle cx="132" cy="78" r="4" fill="#c3cbe0"/>\n<circle cx="168" cy="78" r="4" fill="#c3cbe0"/>\n'
    s += f'<path d="M 130,96 Q 150,112 170,96" fill="none"{stroke_attr(4, "#c3cbe0")}/>\n'
    return s


def main():
    write(os.path.join(OUT, "gallery_button.svg"), document(49, 49, gallery_button(False)))
    write(os.path.join(OUT, "gallery_button_hot.svg"), document(49, 49, gallery_button(True)))
    write(os.path.join(OUT, "gallery_play.svg"), document(49, 49, play_button()))
    write(os.path.join(OUT, "gallery_film.svg"), document(30, 30, film_badge()))
    write(os.path.join(OUT, "gallery_bin.svg"), document(34, 34, bin_face(False)))
    write(os.path.join(OUT, "gallery_bin_ask.svg"), document(52, 34, bin_question()))
    write(os.path.join(OUT, "gallery_empty.svg"), document(300, 200, empty_gallery()))


if __name__ == "__main__":
    main()
