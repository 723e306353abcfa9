# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
import os, sys; sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from pagekit import *
pg = Page("page06_sea_fish.svg")
# water surface and sea floor
pg.line("M 12 60 Q 50 40 90 60 Q 130 80 170 60 Q 210 40 250 60 Q 290 80 330 60 Q 370 40 410 60 Q 450 80 490 60 Q 530 40 570 60 Q 610 80 650 60 Q 690 40 730 60 Q 770 80 795 62")
SAND = ("M 12 450 Q 120 430 240 452 Q 380 476 520 448 Q 660 424 795 450")
seaweed(pg, 56, 470, 250)
seaweed(pg, 104, 470, 110)
seaweed(pg, 740, 470, 230)
seaweed(pg, 688, 470, 150)
pg.path(SAND + " L 795 508 Q 795 526 777 526 L 30 526 Q 12 526 12 508 Z")
starfish(pg, 250, 486, 52, rot=-80)
shell(pg, 590, 512, 44)
pg.ellipse(400, 500, 26, 14, stroke_width=3)
pg.ellipse(460, 488, 16, 10, stroke_width=3)
small_fish(pg, 650, 118, 1.0, left=True)
small_fish(pg, 200, 112, 0.9)
# bubbles
for cx, cy, r in ((596, 240, 9), (614, 206, 12), (600, 166, 15), (640, 180, 9)):
    pg.circle(cx, cy, r, stroke_width=3)
# big fish
pg.add('<g transform="translate(15 0)">')
CX, CY, RX, RY = 385, 262, 180, 112
pg.path("M 240 262 Q 175 190 125 160 Q 150 262 125 364 Q 175 334 240 262 Z")
pg.path("M 290 170 Q 320 80 450 92 Q 430 130 470 165 Z")
pg.path("M 330 360 Q 350 430 420 428 Q 405 395 440 360 Z")
pg.ellipse(CX, CY, RX, RY)
def across(a, bulge):
    x0, y0 = onell(CX, CY, RX - 1, RY - 1, -a); x1, y1 = onell(CX, CY, RX - 1, RY - 1, a)
    pg.line("M %s Q %s %s" % (P(x0, y0), P(x0 + bulge, CY), P(x1, y1)))
across(70, 44)
across(112, 28)
across(132, 28)
pg.path("M 380 290 Q 420 262 452 300 Q 420 330 380 290 Z", stroke_width=3)
# face
pg.circle(505, 228, 30)
pg.pupil(512, 232, 15, 17)
pg.circle(514, 226, 6, stroke="none")
pg.line("M 506 296 Q 530 314 548 290", stroke_width=4)
pg.add("</g>")
pg.write()
