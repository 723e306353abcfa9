# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
import os, sys; sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from pagekit import *
pg = Page("page21_underwater_octopus.svg")
SAND = "M 12 440 Q 160 420 300 440 Q 450 462 600 440 Q 700 426 795 440"
seaweed(pg, 44, 470, 300, 24, 16)
pg.path(SAND + " L 795 508 Q 795 526 777 526 L 30 526 Q 12 526 12 508 Z")
small_fish(pg, 180, 90, 0.9)
small_fish(pg, 640, 70, 0.8, left=True)
for cx, cy, r in ((540, 110, 10), (560, 80, 13), (545, 44, 9), (250, 160, 9), (270, 200, 12)):
    pg.circle(cx, cy, r, stroke_width=3)
# crab
pg.add('<g transform="translate(146 476) scale(0.9)">')
pg.line("M -36 8 L -56 26 M -30 16 L -46 34 M 36 8 L 56 26 M 30 16 L 46 34", stroke_width=4)
pg.line("M -30 -8 Q -50 -30 -52 -44 M 30 -8 Q 50 -30 52 -44", stroke_width=4)
pg.path("M -52 -40 L -70 -62 Q -50 -78 -38 -60 L -52 -52 Z")
pg.path("M 52 -40 L 70 -62 Q 50 -78 38 -60 L 52 -52 Z")
pg.line("M -12 -22 L -14 -42 M 12 -22 L 14 -42", stroke_width=3)
pg.circle(-14, -46, 7, fill="#000", stroke_width=3)
pg.circle(14, -46, 7, fill="#000", stroke_width=3)
pg.ellipse(0, 0, 44, 28)
pg.line("M -12 4 Q 0 14 12 4", stroke_width=3)
pg.add('</g>')
# treasure chest
pg.rect(652, 404, 124, 84, rx=6)
pg.path("M 646 408 L 646 374 Q 648 334 714 334 Q 780 334 782 374 L 782 408 Z")
pg.line("M 646 374 L 782 374", stroke_width=4)
pg.rect(672, 334, 18, 154)
pg.rect(738, 334, 18, 154)
pg.rect(700, 396, 28, 32, rx=5)
pg.pupil(714, 410, 4, 5)
shell(pg, 590, 504, 32)
starfish(pg, 330, 490, 40, rot=-80)
# octopus tentacles
for d, w in (("M 320 230 C 280 256 226 262 196 310 C 168 356 204 380 216 348", 42),
             ("M 364 220 L 364 310 C 364 340 256 360 256 404 C 260 444 306 442 300 412", 42),
             ("M 394 220 L 394 318 C 394 350 354 390 366 430 C 380 464 420 454 410 426", 42),
             ("M 420 220 L 420 318 C 420 350 480 372 486 410 C 492 448 536 444 530 412", 42),
             ("M 448 220 L 448 312 C 448 350 556 350 556 396 C 556 432 598 436 604 406", 42),
             ("M 486 230 C 526 256 580 262 610 310 C 634 356 596 380 584 346", 42)):
    tapered(pg, d, 48, 18)
# head
pg.ellipse(403, 180, 126, 120)
for cx, cy, r in ((330, 110, 16), (474, 104, 12), (490, 150, 9), (318, 154, 9)):
    pg.circle(cx, cy, r, stroke_width=3)
for ex in (360, 446):
    pg.ellipse(ex, 196, 26, 30)
    pg.pupil(ex + 3, 202, 14, 17)
    pg.circle(ex + 5, 198, 6, stroke="none")
pg.circle(320, 240, 14, stroke_width=3)
pg.circle(486, 240, 14, stroke_width=3)
pg.line("M 368 246 Q 403 276 438 246", stroke_width=4)
pg.write()
