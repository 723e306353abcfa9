# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
import os, sys; sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from pagekit import *
pg = Page("page05_castle.svg")
pg.line("M 12 440 Q 200 420 403 436 Q 600 452 795 430")
sun(pg, 86, 82, 34)
cloud(pg, 478, 118, 0.6)
cloud(pg, 250, 96, 0.6)
def flag(x, y, right=True):
    pg.line("M %s L %s" % (P(x, y), P(x, y - 44)))
    s = 1 if right else -1
    pg.path("M %s Q %s %s L %s Q %s %s Z" % (P(x, y - 44), P(x + 20*s, y - 50), P(x + 40*s, y - 38),
                                           P(x + 40*s, y - 38), P(x + 20*s, y - 26), P(x, y - 24)))
def merlons(x0, x1, y, w=30, h=24):
    n = int((x1 - x0 + 14) // (w + 14))
    gap = (x1 - x0 - n * w) / (n - 1)
    for i in range(n):
        x = x0 + i * (w + gap)
        pg.rect(x, y - h, w, h + 6, rx=2)
def window(cx, top, w=34, h=52):
    pg.path("M %s L %s A %s %s 0 0 1 %s L %s Z" % (P(cx - w/2, top + h), P(cx - w/2, top + w/2), f(w/2), f(w/2),
                                                  P(cx + w/2, top + w/2), P(cx + w/2, top + h)))
# middle tower behind the wall
flag(403, 106)
merlons(345, 461, 124, w=24)
pg.rect(345, 120, 116, 150)
pg.circle(403, 175, 22)
pg.line("M 381 175 L 425 175 M 403 153 L 403 197", stroke_width=3)
# main wall
merlons(232, 574, 250)
pg.rect(230, 246, 346, 226)
# side towers
for cx, right in ((180, False), (626, True)):
    flag(cx, 86, right)
    pg.rect(cx - 52, 190, 104, 282)
    pg.poly([(cx - 68, 198), (cx, 84), (cx + 68, 198)])
    window(cx, 236)
    pg.line("M %s L %s" % (P(cx - 17, 270), P(cx + 17, 270)), stroke_width=3)
    window(cx, 334, 38, 58)
    pg.rect(cx - 40, 420, 32, 16, rx=3, stroke_width=3)
    pg.rect(cx + 4, 440, 32, 16, rx=3, stroke_width=3)
# windows on the wall
for cx in (290, 516):
    window(cx, 296, 40, 60)
    pg.line("M %s L %s" % (P(cx, 296), P(cx, 356)), stroke_width=3)
# bricks
for x, y in ((248, 390), (268, 412), (520, 400), (540, 422), (390, 290), (420, 312)):
    pg.rect(x, y, 36, 16, rx=3, stroke_width=3)
# gate with bars
pg.path("M 348 472 L 348 380 A 55 55 0 0 1 458 380 L 458 472 Z")
pg.path("M 362 472 L 362 382 A 41 41 0 0 1 444 382 L 444 472 Z", stroke_width=3)
pg.line("M 383 346 L 383 472 M 403 341 L 403 472 M 423 346 L 423 472 M 362 400 L 444 400 M 362 436 L 444 436", stroke_width=3)
# path and bushes
pg.line("M 348 478 Q 330 500 318 524 M 458 478 Q 476 500 488 524")
pg.rect(340, 470, 126, 12, rx=4)
bushy(pg, 72, 470, 46, 30, n=7, bump=0.15)
bushy(pg, 735, 470, 46, 30, n=7, bump=0.15)
pg.write()
