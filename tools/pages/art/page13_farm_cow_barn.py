# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
import os, sys; sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from pagekit import *
pg = Page("page13_farm_cow_barn.svg")
pg.line("M 12 420 Q 300 400 500 416 Q 650 428 795 410")
sun(pg, 570, 86, 32)
cloud(pg, 660, 120, 0.75)
for x, y in ((762, 482), (560, 500)):
    pg.line("M %s Q %s %s" % (P(x, y), P(x + 5, y + 15), P(x, y + 22)))
    flower(pg, x, y, 11, 6, 16, 12)
# barn
pg.path("M 20 214 L 72 140 L 170 92 L 268 140 L 320 214 Z")
pg.path("M 50 200 L 86 150 L 170 110 L 254 150 L 290 200 Z", stroke_width=3)
pg.rect(42, 200, 256, 270, rx=3)
pg.rect(138, 222, 64, 58, rx=4)
pg.line("M 138 222 L 202 280 M 202 222 L 138 280", stroke_width=3)
pg.rect(96, 320, 148, 150, rx=3)
pg.line("M 170 320 L 170 470")
pg.line("M 96 320 L 170 470 M 170 320 L 96 470 M 170 320 L 244 470 M 244 320 L 170 470", stroke_width=3)
# chick
pg.ellipse(340, 486, 30, 24)
pg.circle(362, 458, 17)
pg.path("M 374 450 L 398 459 L 374 468 Z", stroke_width=3)
pg.pupil(367, 454, 3, 3.5)
pg.line("M 322 482 Q 336 496 350 482", stroke_width=3)
pg.line("M 332 510 L 330 520 M 348 510 L 350 520", stroke_width=3)
# cow: tail, far legs, body
pg.line("M 690 320 Q 730 350 724 400")
pg.path("M 724 396 Q 708 424 724 446 Q 740 424 724 396 Z", stroke_width=3)
for x in (478, 636):
    pg.rect(x, 380, 38, 104, rx=6)
    pg.rect(x, 470, 38, 18, rx=4)
pg.rect(420, 270, 280, 150, rx=70)
for cx, cy, rx, ry, rot in ((560, 320, 40, 28, 10), (650, 300, 26, 20, -10), (620, 380, 30, 20, 0), (500, 380, 22, 16, 0)):
    pg.ellipse(cx, cy, rx, ry, rot=rot, stroke_width=3)
pg.path("M 526 414 Q 528 448 556 448 Q 584 448 586 414 Z", stroke_width=3)
pg.line("M 542 445 L 542 458 M 570 445 L 570 458", stroke_width=3)
for x in (450, 600):
    pg.rect(x, 390, 40, 104, rx=6)
    pg.rect(x, 478, 40, 18, rx=4)
# head
pg.path("M 362 180 Q 340 160 334 172 Q 336 192 370 198 Z", stroke_width=3)
pg.path("M 518 180 Q 540 160 546 172 Q 544 192 510 198 Z", stroke_width=3)
pg.path("M 396 164 Q 384 140 396 126 Q 400 146 414 158 Z", stroke_width=3)
pg.path("M 484 164 Q 496 140 484 126 Q 480 146 466 158 Z", stroke_width=3)
pg.ellipse(440, 224, 76, 72)
pg.ellipse(486, 178, 24, 18, rot=20, stroke_width=3)
for ex in (414, 466):
    pg.pupil(ex, 214, 11, 13)
    pg.circle(ex + 3, 209, 5, stroke="none")
pg.ellipse(440, 268, 58, 38)
pg.ellipse(420, 262, 7, 9, fill="#000")
pg.ellipse(460, 262, 7, 9, fill="#000")
pg.line("M 418 284 Q 440 298 462 284", stroke_width=3)
pg.write()
