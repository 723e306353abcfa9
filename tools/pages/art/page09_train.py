# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
import os, sys; sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from pagekit import *
pg = Page("page09_train.svg")
RAIL = 478
pg.line("M 12 330 Q 120 260 240 320 Q 360 250 480 318 Q 600 260 795 310")
sun(pg, 90, 84, 36)
cloud(pg, 300, 110, 0.7)
for x, y in ((230, 60), (270, 80), (430, 50)):
    pg.line("M %s Q %s %s Q %s %s" % (P(x, y), P(x + 10, y - 10), P(x + 20, y), P(x + 30, y - 10), P(x + 40, y)), stroke_width=3)
# smoke puffs
for cx, cy, r in ((662, 156, 20), (610, 112, 28), (530, 70, 36)):
    bushy(pg, cx, cy, r, r * 0.8, n=6, bump=0.14)
# rail and sleepers
for x in range(26, 790, 46):
    pg.rect(x, RAIL + 4, 24, 26, rx=3, stroke_width=3)
pg.rect(12, RAIL - 2, 783, 12, stroke_width=4)
# engine
pg.path("M 672 290 L 672 232 L 656 196 L 724 196 L 708 232 L 708 290 Z")
pg.path("M 628 292 Q 628 262 648 262 Q 668 262 668 292 Z")
pg.path("M 610 290 L 740 290 Q 768 290 768 345 Q 768 400 740 400 L 610 400 Z")
pg.line("M 652 290 L 652 400 M 700 290 L 700 400")
pg.circle(752, 318, 11, stroke_width=3)
pg.rect(512, 210, 104, 200, rx=4)
pg.rect(498, 190, 132, 24, rx=8)
pg.rect(532, 236, 64, 62, rx=8)
pg.circle(564, 276, 22, stroke_width=3)
pg.path("M 544 268 Q 544 248 564 248 Q 584 248 584 268 Z", stroke_width=3)
pg.rect(538, 264, 52, 8, rx=4, stroke_width=3)
pg.pupil(556, 280, 3, 4); pg.pupil(572, 280, 3, 4)
pg.line("M 555 289 Q 564 296 573 289", stroke_width=3)
pg.rect(500, 400, 282, 26, rx=6)
pg.path("M 770 426 L 790 470 L 740 470 Z")
for cx, r in ((550, 40), (650, 40), (732, 26)):
    pg.circle(cx, RAIL - r, r)
    pg.circle(cx, RAIL - r, r * 0.4, stroke_width=3)
pg.line("M 550 438 L 650 438", stroke_width=8)
# wagon with balls
pg.rect(470, 420, 40, 14, rx=4)
for x in (296, 352, 408):
    pg.rect(x, 282, 56, 62, rx=3)
pg.circle(324, 312, 16, stroke_width=3)
star(pg, 380, 313, 22, 10, stroke_width=3)
heart(pg, 436, 313, 17, stroke_width=3)
pg.rect(282, 340, 196, 96, rx=6)
pg.rect(298, 356, 164, 64, rx=4, stroke_width=3)
for cx in (320, 440):
    pg.circle(cx, RAIL - 28, 28)
    pg.circle(cx, RAIL - 28, 10, stroke_width=3)
# passenger carriage with a bunny and a bear
pg.rect(240, 420, 50, 14, rx=4)
pg.rect(36, 258, 216, 26, rx=10)
pg.rect(46, 280, 196, 156, rx=6)
for x in (62, 158):
    pg.rect(x, 300, 70, 76, rx=8)
# bunny
pg.ellipse(86, 322, 9, 18, rot=-8, stroke_width=3)
pg.ellipse(108, 322, 9, 18, rot=8, stroke_width=3)
pg.path("M 70 376 Q 72 358 97 356 Q 122 358 124 376 Z", stroke_width=3)
pg.circle(97, 346, 19, stroke_width=3)
pg.pupil(90, 344, 3, 4); pg.pupil(104, 344, 3, 4)
pg.line("M 90 354 Q 97 360 104 354", stroke_width=3)
# bear
pg.circle(175, 322, 9, stroke_width=3)
pg.circle(211, 322, 9, stroke_width=3)
pg.path("M 166 376 Q 168 356 193 354 Q 218 356 220 376 Z", stroke_width=3)
pg.circle(193, 340, 21, stroke_width=3)
pg.pupil(186, 336, 3, 4); pg.pupil(200, 336, 3, 4)
pg.ellipse(193, 349, 8, 6, stroke_width=3)
pg.rect(46, 392, 196, 18, stroke_width=3)
for cx in (90, 200):
    pg.circle(cx, RAIL - 28, 28)
    pg.circle(cx, RAIL - 28, 10, stroke_width=3)
pg.write()
