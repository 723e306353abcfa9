# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
import os, sys; sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from pagekit import *
pg = Page("page14_owl_in_tree.svg")
# night sky
pg.circle(700, 96, 54)
for x, y, r in ((668, 70, 10), (728, 122, 8), (724, 66, 7)):
    pg.circle(x, y, r, stroke_width=3)
face(pg, 700, 96, 1.1)
for x, y, r in ((560, 60, 18), (610, 190, 14), (250, 60, 16), (760, 250, 16), (560, 240, 12), (240, 190, 11)):
    star(pg, x, y, r * 1.25, r * 0.62)
# branch with leaves
pg.path("M 170 390 Q 400 372 700 366 Q 740 366 744 384 Q 740 402 700 402 Q 420 410 176 440 Z")
pg.line("M 600 370 Q 640 330 660 300", stroke_width=4)
for x, y, dx, dy in ((660, 300, 40, -30), (660, 300, -10, -50), (720, 384, 50, 10), (700, 400, 30, 40), (250, 430, -20, 50), (560, 400, 10, 50)):
    leaf(pg, x, y, dx, dy, 0.42, sw=4)
# tree trunk on the left with a hole
pg.path("M 50 526 L 62 300 Q 70 180 40 14 L 190 14 Q 168 190 176 300 L 200 526 Z")
pg.ellipse(118, 150, 34, 46)
pg.ellipse(118, 150, 22, 34, fill="#000")
pg.line("M 90 300 Q 110 330 100 370 M 150 230 Q 140 260 150 280", stroke_width=3)
# owl
pg.path("M 320 140 L 318 76 L 370 118 Z")
pg.path("M 486 140 L 488 76 L 436 118 Z")
pg.ellipse(403, 260, 118, 140)
pg.ellipse(403, 310, 76, 82, stroke_width=3)
for row, y in enumerate((270, 300, 330, 360)):
    xs = (366, 403, 440) if row % 2 == 0 else (384, 422)
    if row == 3: xs = (384, 422)
    for x in xs:
        pg.path("M %s A 13 13 0 0 0 %s Z" % (P(x - 13, y), P(x + 13, y)), stroke_width=3)
# wings
pg.path("M 292 210 Q 250 300 300 380 Q 330 330 322 250 Z")
pg.path("M 514 210 Q 556 300 506 380 Q 476 330 484 250 Z")
# eyes and beak
pg.path("M 403 150 Q 440 118 480 134 Q 514 156 506 196 Q 500 244 403 244 Q 306 244 300 196 Q 292 156 326 134 Q 366 118 403 150 Z")
for ex in (358, 448):
    pg.circle(ex, 190, 38)
    pg.pupil(ex + (5 if ex < 403 else -5), 194, 17)
    pg.circle(ex + (10 if ex < 403 else 0), 186, 6, stroke="none")
pg.path("M 393 220 Q 403 213 413 220 L 403 240 Z")
pg.line("M 384 258 Q 403 270 422 258", stroke_width=3)
# feet
for x in (365, 441):
    for dx in (-14, 0, 14):
        pg.ellipse(x + dx, 388, 8, 13)
pg.write()
