# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
import os, sys; sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from pagekit import *
pg = Page("page16_ship_sailing.svg")
def waves(y, amp=12, step=60, x0=12, x1=795):
    d = "M %s" % P(x0, y); x = x0; up = True
    while x < x1:
        nx = min(x + step, x1)
        d += " Q %s %s" % (P((x + nx) / 2, y - amp if up else y + amp), P(nx, y))
        x = nx; up = not up
    return d
sun(pg, 96, 90, 40)
cloud(pg, 560, 100, 0.8)
cloud(pg, 250, 70, 0.55)
for x, y in ((640, 170), (690, 200), (200, 170)):
    pg.line("M %s Q %s %s Q %s %s" % (P(x, y), P(x + 12, y - 12), P(x + 24, y), P(x + 36, y - 12), P(x + 48, y)), stroke_width=3)
# island with a palm tree
pg.add('<g transform="translate(712 352) scale(0.62)">')
palm(pg, 0, 40, -120, lean=-16, rings=(0.3, 0.6))
pg.add('</g>')
pg.path("M 636 396 Q 712 318 792 396 Z")
# far sea behind the boat
pg.path(waves(384, 6, 50) + " L 795 470 L 12 470 Z")
# mast, flag and sails
pg.path("M 408 52 L 446 64 L 408 76 Z")
pg.rect(398, 50, 14, 334, rx=4)
pg.path("M 418 80 Q 520 180 600 318 L 418 318 Z")
pg.path("M 392 96 Q 320 200 236 318 L 392 318 Z")
def sail_x(y, p0, p1, p2):
    lo, hi = 0.0, 1.0
    for _ in range(40):
        t = (lo + hi) / 2
        yy = (1-t)**2*p0[1] + 2*(1-t)*t*p1[1] + t*t*p2[1]
        if yy < y: lo = t
        else: hi = t
    return (1-t)**2*p0[0] + 2*(1-t)*t*p1[0] + t*t*p2[0]
for y in (190, 250):
    pg.line("M %s L %s" % (P(414, y), P(sail_x(y, (418, 80), (520, 180), (600, 318)) - 1, y)))
for y in (220,):
    pg.line("M %s L %s" % (P(396, y), P(sail_x(y, (392, 96), (320, 200), (236, 318)) + 1, y)))
pg.rect(404, 316, 210, 12, rx=5)
# captain behind the rail
pg.circle(520, 352, 24)
pg.path("M 494 340 Q 496 316 520 316 Q 544 316 546 340 Z")
pg.rect(490, 334, 60, 10, rx=5)
pg.pupil(512, 356, 3.2, 4); pg.pupil(528, 356, 3.2, 4)
pg.line("M 512 366 Q 520 372 528 366", stroke_width=3)
# hull
pg.path("M 180 372 L 630 372 Q 600 440 560 466 L 250 466 Q 210 440 180 372 Z")
pg.line("M 196 404 L 614 404", stroke_width=4)
for x in (290, 360, 430, 500):
    pg.circle(x, 436, 14)
# life ring
pg.circle(560, 436, 18)
pg.circle(560, 436, 8, stroke_width=3)
# sea in front
pg.path(waves(456, 10, 60) + " L 795 508 Q 795 526 777 526 L 30 526 Q 12 526 12 508 Z")
pg.line(waves(492, 8, 50, 40, 300), stroke_width=3)
pg.line(waves(496, 8, 50, 500, 760), stroke_width=3)
# jumping fish
pg.path("M 690 420 Q 720 390 752 412 Q 724 436 690 420 Z")
pg.path("M 692 420 L 672 404 L 674 432 Z")
pg.pupil(736, 410, 3, 3.5)
pg.write()
