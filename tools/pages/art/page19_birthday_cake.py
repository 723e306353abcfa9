# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
import os, sys; sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from pagekit import *
pg = Page("page19_birthday_cake.svg")
pg.line("M 12 458 L 795 458")
# bunting
B = ((12, 36), (200, 80), (600, 80), (795, 36))
pg.line("M %s C %s %s %s" % tuple(P(*p) for p in B), stroke_width=3)
for t in (0.08, 0.2, 0.8, 0.92):
    x, y = cubic(*B, t)
    pg.poly([(x - 20, y - 3), (x + 20, y - 3), (x, y + 36)], stroke_width=3)
# balloons and gift
balloon(pg, 100, 190, 50, 60, (130, 440))
balloon(pg, 190, 250, 44, 54, (150, 440))
gift(pg, 620, 350, 130, 108)
balloon(pg, 700, 170, 46, 56, (672, 300))
star(pg, 560, 170, 24, 11)
star(pg, 250, 150, 20, 9)
star(pg, 60, 380, 20, 9)
# plate
pg.ellipse(403, 470, 230, 26)
# bottom tier
pg.rect(213, 330, 380, 138, rx=14)
frosting(pg, 213, 593, 330, 30, 7)
for x in range(250, 580, 60):
    heart(pg, x, 420, 16, stroke_width=3)
# top tier with a face
pg.rect(283, 214, 240, 118, rx=12)
frosting(pg, 283, 523, 214, 24, 5)
for ex in (368, 438):
    pg.pupil(ex, 272, 9, 11)
pg.line("M 372 296 Q 403 318 434 296", stroke_width=4)
pg.circle(340, 300, 12, stroke_width=3)
pg.circle(466, 300, 12, stroke_width=3)
# candles
for x in (340, 391, 442):
    pg.rect(x - 13, 148, 26, 70, rx=4)
    pg.line("M %s L %s" % (P(x - 12, 184), P(x + 12, 170)), stroke_width=3)
    pg.line("M %s L %s" % (P(x, 148), P(x, 138)), stroke_width=3)
    drop(pg, x, 118, 16)
pg.write()
