# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
import os, sys; sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from pagekit import *
pg = Page("page20_lion.svg")
pg.line("M 12 440 Q 200 428 403 440 Q 600 452 795 436")
sun(pg, 712, 86, 38)
cloud(pg, 520, 70, 0.6)
# acacia tree
pg.path("M 96 470 L 104 330 Q 86 280 56 250 L 70 244 Q 98 270 112 300 Q 126 260 156 240 L 166 250 Q 136 280 126 330 L 136 470 Z")
bushy(pg, 112, 210, 78, 32, n=8, bump=0.14)
for x, y in ((40, 490), (740, 480)):
    pg.line("M %s L %s L %s L %s L %s" % (P(x, y), P(x + 6, y - 14), P(x + 12, y), P(x + 18, y - 16), P(x + 24, y)), stroke_width=3)
little_butterfly(pg, 690, 250, 1.1, -15)
for x, y in ((230, 476), (650, 482)):
    pg.line("M %s L %s" % (P(x, y), P(x, y + 40)))
    flower(pg, x, y, 12, 6, 18, 13)
# tail
T = ((490, 450), (590, 470), (620, 400), (600, 340))
tube(pg, "M %s C %s %s %s" % tuple(P(*p) for p in T), 22)
bushy(pg, 600, 326, 22, 26, n=6, bump=0.15)
# body, legs and paws
pg.ellipse(403, 410, 112, 96)
for x in (330, 476):
    pg.ellipse(x, 478, 46, 30)
for x in (360, 446):
    pg.rect(x - 28, 360, 56, 130, rx=24)
    for dx in (-10, 10):
        pg.line("M %s L %s" % (P(x + dx, 490), P(x + dx, 476)), stroke_width=3)
# mane
bushy(pg, 403, 206, 158, 146, n=13, bump=0.1)
bushy(pg, 403, 212, 124, 116, n=11, bump=0.08)
# ears and face
for k in (1, -1):
    pg.circle(403 - k * 71, 136, 30)
    pg.circle(403 - k * 78, 130, 14, stroke_width=3)
pg.ellipse(403, 220, 96, 90)
for ex in (364, 442):
    pg.ellipse(ex, 196, 17, 20)
    pg.pupil(ex + 1, 198, 10, 13)
    pg.circle(ex + 4, 193, 5, stroke="none")
pg.ellipse(378, 262, 30, 23)
pg.ellipse(428, 262, 30, 23)
pg.path("M 382 232 Q 403 224 424 232 Q 416 252 403 254 Q 390 252 382 232 Z")
pg.line("M 380 286 Q 403 304 426 286", stroke_width=4)
for x, y in ((364, 258), (374, 270), (442, 258), (432, 270)):
    pg.circle(x, y, 3, fill="#000", stroke="none")
pg.write()
