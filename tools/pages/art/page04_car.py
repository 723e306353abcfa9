# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
import os, sys; sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from pagekit import *
pg = Page("page04_car.svg")
# hills, road, sky
pg.line("M 12 330 Q 150 250 300 320 Q 450 250 600 318 Q 700 270 795 300")
pg.line("M 12 460 L 795 460")
for x in (40, 200, 360, 520, 680):
    pg.rect(x, 498, 80, 14, rx=6, stroke_width=3)
sun(pg, 710, 90, 42)
cloud(pg, 40, 120, 0.9)
cloud(pg, 380, 96, 0.75)
# tree on the hill
pg.rect(52, 270, 28, 170, rx=6)
bushy(pg, 66, 262, 38, 44, n=7, bump=0.12)
# car body with wheel arches
C1, C2, CY, R, BY = 250, 580, 440, 64, 432
dx = math.sqrt(R * R - (CY - BY) ** 2)
pg.path("M 128 420 Q 128 432 140 432 L %s A %s %s 0 1 1 %s L %s A %s %s 0 1 1 %s L 710 432 Q 722 432 722 420 "
        "L 722 372 Q 720 318 660 310 L 578 300 L 536 214 Q 524 192 500 192 L 360 192 Q 336 192 324 212 "
        "L 280 298 L 190 306 Q 130 314 128 372 Z" % (
            P(C1 - dx, BY), R, R, P(C1 + dx, BY), P(C2 - dx, BY), R, R, P(C2 + dx, BY)))
# windows
pg.path("M 300 296 L 338 222 Q 345 210 360 210 L 418 210 L 418 296 Z")
pg.path("M 440 296 L 440 210 L 498 210 Q 512 210 518 222 L 556 296 Z")
# puppy passenger
pg.path("M 340 296 Q 342 272 372 270 Q 402 272 404 296 Z", stroke_width=3)
pg.circle(372, 252, 24, stroke_width=3)
pg.ellipse(347, 254, 10, 20, rot=20, stroke_width=3)
pg.ellipse(397, 254, 10, 20, rot=-20, stroke_width=3)
pg.pupil(364, 248, 3.5, 4.5); pg.pupil(380, 248, 3.5, 4.5)
pg.ellipse(372, 259, 6, 4, fill="#000")
pg.line("M 364 266 Q 372 272 380 266", stroke_width=3)
# child driving
pg.path("M 458 296 Q 460 272 490 270 Q 520 272 522 296 Z", stroke_width=3)
pg.circle(490, 254, 25, stroke_width=3)
pg.path("M 464 252 Q 462 226 490 226 Q 518 226 516 252 Q 504 236 490 242 Q 476 236 464 252 Z", stroke_width=3)
pg.pupil(481, 256, 3.5, 4.5); pg.pupil(499, 256, 3.5, 4.5)
pg.line("M 479 266 Q 490 276 501 266", stroke_width=3)
# door with a star
pg.rect(332, 310, 170, 108, rx=14, stroke_width=3)
pg.rect(470, 322, 22, 10, rx=5, stroke_width=3)
star(pg, 416, 366, 32, 14, stroke_width=3)
# lights and bumpers
pg.circle(694, 348, 13, stroke_width=3)
pg.rect(146, 336, 18, 28, rx=6, stroke_width=3)
pg.rect(700, 414, 40, 24, rx=10)
pg.rect(110, 414, 40, 24, rx=10)
# wheels
for cx in (C1, C2):
    pg.circle(cx, CY, 50)
    pg.circle(cx, CY, 22)
    for a in range(0, 360, 72):
        x, y = onell(cx, CY, 36, 36, a - 90)
        pg.circle(x, y, 5, fill="#000", stroke="none")
pg.write()
