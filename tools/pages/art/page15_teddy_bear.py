# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
import os, sys; sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from pagekit import *
pg = Page("page15_teddy_bear.svg")
pg.line("M 12 400 L 795 400")
# bunting
B = ((12, 34), (90, 90), (180, 90), (250, 40))
pg.line("M %s C %s %s %s" % tuple(P(*p) for p in B), stroke_width=3)
for t in (0.14, 0.34, 0.54, 0.74):
    x, y = cubic(*B, t)
    pg.poly([(x - 18, y - 2), (x + 18, y - 2), (x, y + 34)], stroke_width=3)
# balloon
pg.line("M 540 380 Q 600 300 604 232 Q 600 212 636 200", stroke_width=3)
pg.ellipse(636, 118, 58, 68)
pg.poly([(622, 200), (650, 200), (636, 180)], stroke_width=3)
pg.line("M 604 86 Q 612 70 626 66", stroke_width=4)
# ball and blocks
pg.circle(120, 454, 52)
ellipse_chord(pg, 120, 454, 52, 52, -60, 60, 22, sw=4)
ellipse_chord(pg, 120, 454, 52, 52, -120, 120, -22, sw=4)
for x, y, kind in ((640, 430, "star"), (712, 430, "heart"), (676, 358, "circle")):
    pg.rect(x, y, 72, 72, rx=4)
    if kind == "star": star(pg, x + 36, y + 38, 26, 12, stroke_width=3)
    elif kind == "heart": heart(pg, x + 36, y + 36, 20, stroke_width=3)
    else: pg.circle(x + 36, y + 36, 20, stroke_width=3)
# ears
for s in (1, -1):
    X = lambda x: 403 + s * (x - 403)
    pg.circle(X(314), 92, 42)
    pg.circle(X(316), 94, 24, stroke_width=3)
# body, arms and legs
pg.ellipse(403, 370, 122, 124)
pg.ellipse(403, 390, 72, 78, stroke_width=3)
heart(pg, 403, 386, 26, stroke_width=3)
pg.ellipse(298, 340, 36, 70, rot=35)
pg.ellipse(508, 340, 36, 70, rot=-35)
for s in (1, -1):
    X = lambda x: 403 + s * (x - 403)
    pg.ellipse(X(318), 458, 62, 50)
    pg.ellipse(X(306), 458, 38, 38)
    pg.ellipse(X(306), 472, 19, 14, stroke_width=3)
    for dx in (-18, 0, 18):
        pg.circle(X(306 + dx), 440 + (4 if dx else 0), 6.5, stroke_width=3)
# head
pg.ellipse(403, 168, 112, 96)
pg.ellipse(403, 208, 50, 38)
pg.ellipse(403, 192, 17, 12, fill="#000")
pg.line("M 403 204 L 403 214 M 384 212 Q 393 226 403 214 Q 413 226 422 212", stroke_width=3)
for ex in (362, 444):
    pg.pupil(ex, 150, 12, 14)
    pg.circle(ex + 4, 145, 5, stroke="none")
# bow tie
pg.path("M 403 270 L 350 246 Q 340 270 350 296 Z")
pg.path("M 403 270 L 456 246 Q 466 270 456 296 Z")
pg.circle(403, 270, 14)
pg.write()
