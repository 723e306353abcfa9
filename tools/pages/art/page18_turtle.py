# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
import os, sys; sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from pagekit import *
pg = Page("page18_turtle.svg")
pg.line("M 12 430 Q 200 412 403 428 Q 600 444 795 422")
sun(pg, 92, 86, 38)
cloud(pg, 380, 90, 0.7)
little_butterfly(pg, 640, 110, 1.1, 15)
for x, y in ((70, 470), (740, 480)):
    pg.line("M %s L %s" % (P(x, y), P(x, y + 40)))
    flower(pg, x, y, 12, 6, 18, 13)
for x, y in ((170, 500), (640, 500)):
    pg.line("M %s L %s L %s L %s L %s" % (P(x, y), P(x + 6, y - 14), P(x + 12, y), P(x + 18, y - 16), P(x + 24, y)), stroke_width=3)
CX, CY, RX, RY = 390, 380, 196, 200
# tail and far legs
pg.path("M 210 354 L 136 392 L 214 398 Z")
for x in (250, 500):
    pg.rect(x, 370, 56, 82, rx=20)
# neck and head
tube(pg, "M 540 360 Q 600 350 640 300", 56)
pg.circle(666, 270, 58)
for ex in (644, 690):
    pg.pupil(ex, 258, 9, 11)
    pg.circle(ex + 3, 253, 5, stroke="none")
pg.line("M 640 290 Q 667 312 694 290", stroke_width=4)
pg.circle(632, 290, 10, stroke_width=3)
pg.circle(700, 290, 10, stroke_width=3)
# shell
pg.path("M %s A %s %s 0 0 1 %s Z" % (P(CX - RX, CY), RX, RY, P(CX + RX, CY)))
HX, HY, HR = CX, 292, 58
hexp = [(HX + HR * math.cos(math.radians(a)), HY + HR * math.sin(math.radians(a))) for a in range(0, 360, 60)]
pg.poly(hexp)
for (px, py) in hexp:
    dx, dy = px - HX, py - HY
    if py > HY + 1:
        t = (CY - py) / dy
        pg.line("M %s L %s" % (P(px, py), P(px + dx * t, CY)))
    else:
        q = ray_to_ellipse(CX, CY, RX, RY, px, py, dx, dy, 1.5)
        pg.line("M %s L %s" % (P(px, py), P(*q)))
pg.rect(CX - RX - 14, CY - 14, 2 * RX + 28, 30, rx=14)
for x in range(CX - RX + 40, CX + RX - 20, 60):
    pg.line("M %s L %s" % (P(x, CY - 14), P(x, CY + 16)), stroke_width=3)
# near legs
for x in (220, 470):
    pg.rect(x, 392, 62, 72, rx=22)
    for dx in (16, 31, 46):
        pg.line("M %s L %s" % (P(x + dx, 464), P(x + dx, 452)), stroke_width=3)
pg.write()
