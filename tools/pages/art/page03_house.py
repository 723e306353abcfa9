# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
import os, sys; sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from pagekit import *
pg = Page("page03_house.svg")
pg.line("M 12 420 Q 300 405 500 418 Q 650 428 795 412")
sun(pg, 95, 90, 44)
cloud(pg, 600, 120, 1.0)
# fence
pg.rect(12, 388, 198, 14, rx=3)
pg.rect(12, 444, 198, 14, rx=3)
for x in range(24, 200, 40):
    pg.path("M %s L %s L %s L %s L %s Z" % (P(x, 475), P(x, 380), P(x + 13, 364), P(x + 26, 380), P(x + 26, 475)))
# smoke and chimney
pg.rect(470, 110, 44, 100, rx=3)
pg.rect(462, 98, 60, 20, rx=4)
for cx, cy, r in ((502, 74, 10), (524, 50, 14), (560, 32, 11)):
    pg.circle(cx, cy, r)
# house walls
pg.rect(240, 235, 310, 240, rx=3)
# roof with tile rows
L, T, R, B = (205, 245), (395, 95), (585, 245), 245
pg.poly([L, T, R])
for y in (150, 200):
    t = (y - T[1]) / (L[1] - T[1])
    xl = T[0] + (L[0] - T[0]) * t; xr = T[0] + (R[0] - T[0]) * t
    pg.line("M %s L %s" % (P(xl + 1, y), P(xr - 1, y)))
# round attic window
pg.circle(395, 212, 20, stroke_width=4)
pg.line("M 375 212 L 415 212 M 395 192 L 395 232", stroke_width=3)
# door
pg.path("M 358 475 L 358 352 A 37 37 0 0 1 432 352 L 432 475 Z")
pg.circle(395, 352, 13, stroke_width=3)
pg.circle(420, 415, 5, fill="#000", stroke_width=3)
pg.rect(346, 470, 98, 14, rx=4)
# windows with flower boxes
for x in (268, 452):
    pg.rect(x, 290, 72, 72, rx=3)
    pg.line("M %s L %s M %s L %s" % (P(x + 36, 290), P(x + 36, 362), P(x, 326), P(x + 72, 326)), stroke_width=3)
    for fx in (x + 16, x + 56):
        tulip(pg, fx, 379, 26, 24)
    pg.rect(x - 6, 390, 84, 22, rx=4)
# path to the door
pg.line("M 352 486 Q 340 505 322 524 M 438 486 Q 450 505 468 524")
# tree
pg.rect(665, 300, 40, 178, rx=6)
pg.path("M 600 300 Q 580 250 620 230 Q 615 180 665 175 Q 690 140 730 170 Q 785 170 775 225 Q 800 270 760 300 Q 740 330 700 312 Q 680 330 650 318 Q 605 330 600 300 Z")
for cx, cy in ((640, 270), (690, 210), (735, 255), (700, 280), (650, 215), (750, 200)):
    pg.circle(cx, cy, 11, stroke_width=3)
# flowers in the grass
for x, y in ((600, 452), (748, 462)):
    pg.line("M %s Q %s %s" % (P(x, y), P(x + 4, y + 30), P(x, y + 52)))
    leaf(pg, x + 2, y + 40, 26, -12)
    flower(pg, x, y, 13, 6, 20, 14)
pg.write()
