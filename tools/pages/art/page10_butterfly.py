# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
import os, sys; sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from pagekit import *
pg = Page("page10_butterfly.svg")
def M(x): return 806 - x
cloud(pg, 40, 120, 0.7)
cloud(pg, 660, 110, 0.7)
pg.line("M 12 470 Q 200 455 403 470 Q 600 485 795 465")
for x, s in ((70, 1), (736, 1)):
    pg.line("M %s Q %s %s" % (P(x, 390), P(x + 8, 450), P(x, 505)))
    leaf(pg, x + 3, 454, 34 * (1 if x < 400 else -1), -14, 0.4)
    flower(pg, x, 386, 15, 6, 22, 16)
# antennae
pg.line("M 390 130 Q 370 70 340 60 M 416 130 Q 436 70 466 60")
pg.circle(338, 58, 11)
pg.circle(468, 58, 11)
# wings (mirror pairs)
for side in (1, -1):
    X = (lambda x: x) if side == 1 else M
    sp = lambda pts: " ".join(P(X(x), y) for x, y in pts)
    pg.path("M %s C %s %s %s C %s %s %s Z" % (sp([(402, 250)]), sp([(330, 90)]), sp([(170, 30)]), sp([(115, 100)]),
                                              sp([(70, 170)]), sp([(150, 290)]), sp([(402, 292)])))
    pg.path("M %s C %s %s %s C %s %s %s Z" % (sp([(402, 288)]), sp([(250, 285)]), sp([(160, 360)]), sp([(190, 430)]),
                                              sp([(225, 500)]), sp([(350, 470)]), sp([(402, 330)])))
    # patterns on the upper wing
    pg.circle(X(225), 150, 46)
    pg.circle(X(225), 150, 20)
    pg.ellipse(X(320), 235, 40, 22, rot=side * 22)
    pg.circle(X(172), 222, 14, stroke_width=3)
    pg.circle(X(302), 165, 14, stroke_width=3)
    # patterns on the lower wing
    pg.circle(X(265), 400, 34)
    heart(pg, X(265), 400, 15, stroke_width=3)
    pg.circle(X(318), 356, 14, stroke_width=3)
# body and head
pg.ellipse(403, 300, 22, 110)
for y in (250, 290, 330, 370):
    dx = 22 * math.sqrt(max(0, 1 - ((y - 300) / 110) ** 2)) - 1
    pg.line("M %s Q %s %s" % (P(403 - dx, y), P(403, y + 8), P(403 + dx, y)), stroke_width=3)
pg.circle(403, 156, 40)
face(pg, 403, 156, 1.1)
pg.write()
