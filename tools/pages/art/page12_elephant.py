# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
import os, sys; sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from pagekit import *
pg = Page("page12_elephant.svg")
pg.line("M 12 440 Q 200 428 403 440 Q 600 452 795 436")
sun(pg, 720, 84, 34)
cloud(pg, 40, 110, 0.8)
tree(pg, 80, 470, 300, 58)
tree(pg, 730, 470, 320, 50)
for x, y in ((180, 480), (610, 500), (660, 470)):
    pg.line("M %s L %s L %s L %s L %s" % (P(x, y), P(x + 6, y - 14), P(x + 12, y), P(x + 18, y - 16), P(x + 24, y)), stroke_width=3)
# ears
for s in (1, -1):
    X = lambda x: 403 + s * (x - 403)
    pg.ellipse(X(270), 196, 100, 112, rot=-12 * s)
    pg.ellipse(X(282), 204, 66, 80, rot=-12 * s)
# back legs and body
pg.ellipse(268, 462, 54, 38, rot=-10)
pg.ellipse(538, 462, 54, 38, rot=10)
pg.ellipse(403, 380, 132, 112)
pg.ellipse(403, 400, 74, 64, stroke_width=3)
# feet
for cx in (336, 470):
    pg.ellipse(cx, 472, 48, 34)
    for dx in (-20, 0, 20):
        pg.path("M %s A 10 10 0 0 1 %s Z" % (P(cx + dx - 10, 504), P(cx + dx + 10, 504)), stroke_width=3)
# head
pg.circle(403, 196, 102)
pg.line("M 390 96 Q 384 76 372 70 M 403 94 L 403 68 M 416 96 Q 422 76 434 70", stroke_width=4)
pg.line("M 336 256 Q 403 306 470 256", stroke_width=4)
for ex in (362, 444):
    pg.ellipse(ex, 176, 17, 21)
    pg.pupil(ex + 2, 180, 10, 13)
    pg.circle(ex + 5, 175, 5, stroke="none")
pg.circle(330, 226, 14, stroke_width=3)
pg.circle(476, 226, 14, stroke_width=3)
# trunk curling up with water
T = ((403, 210), (400, 340), (500, 360), (520, 280))
tube(pg, "M %s C %s %s %s" % tuple(P(*p) for p in T), 56)
for t in (0.1, 0.18, 0.26):
    band_across(pg, *T, t, 26)
for cx, cy, r in ((545, 228, 11), (575, 200, 13), (530, 180, 10), (606, 240, 10), (566, 150, 11)):
    drop(pg, cx, cy, r, stroke_width=3)
pg.write()
