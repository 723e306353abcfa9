# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
import os, sys; sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from pagekit import *
pg = Page("page02_dog.svg")
# garden
pg.line("M 12 372 Q 200 350 400 368 Q 600 386 795 360")
sun(pg, 700, 90, 42)
cloud(pg, 300, 110, 0.9)
# grass tufts
for x, y in ((40, 440), (350, 508), (740, 440)):
    pg.line("M %s L %s L %s L %s L %s" % (P(x, y), P(x + 6, y - 14), P(x + 12, y), P(x + 18, y - 16), P(x + 24, y)), stroke_width=3)
# doghouse
pg.rect(58, 300, 190, 175, rx=4)
pg.poly([(34, 318), (153, 205), (272, 318)])
pg.poly([(62, 304), (153, 222), (244, 304)], stroke_width=3)
pg.path("M 115 475 L 115 410 A 38 38 0 0 1 191 410 L 191 475 Z")
pg.rect(128, 338, 50, 22, rx=4, stroke_width=3)
# ball near the house
pg.circle(300, 470, 34)
pg.line("M 268 460 Q 300 440 333 460 M 268 482 Q 300 500 333 482", stroke_width=3)
# bone
bone(pg, 680, 478, 45, rot=-12)
# tail with wag lines
T = ((540, 420), (610, 410), (630, 360), (615, 320))
tube(pg, "M %s C %s %s %s" % tuple(P(*p) for p in T), 34)
pg.line("M 646 312 Q 660 330 656 350 M 662 300 Q 680 324 674 352", stroke_width=3)
# body
pg.path("M 400 480 C 370 400 380 300 480 270 C 580 300 590 400 560 480 Z")
pg.path("M 442 310 Q 480 300 518 310 Q 530 370 480 390 Q 430 370 442 310 Z", stroke_width=3)
# legs and paws
pg.path("M 425 480 L 425 390 Q 445 375 462 390 L 462 480 Z")
pg.path("M 535 480 L 535 390 Q 515 375 498 390 L 498 480 Z")
for cx in (438, 522):
    pg.ellipse(cx, 482, 34, 18)
    pg.line("M %s L %s M %s L %s" % (P(cx - 9, 499), P(cx - 9, 488), P(cx + 9, 499), P(cx + 9, 488)), stroke_width=3)
# collar with tag
pg.path("M 410 274 Q 480 306 550 274 L 550 294 Q 480 328 410 294 Z")
pg.circle(480, 328, 16)
pg.circle(480, 328, 7, stroke_width=3)
# head
pg.ellipse(480, 188, 100, 88)
pg.path("M 482 122 Q 540 108 560 150 Q 566 195 520 200 Q 482 200 478 165 Q 474 135 482 122 Z", stroke_width=3)
# ears
pg.path("M 410 120 Q 360 110 350 170 Q 345 240 372 262 Q 400 270 410 230 Q 414 180 424 136 Z")
pg.path("M 550 120 Q 600 110 610 170 Q 615 240 588 262 Q 560 270 550 230 Q 546 180 536 136 Z")
# eyes
for cx in (450, 512):
    pg.ellipse(cx, 165, 17, 21)
    pg.pupil(cx + 2, 171, 11, 14)
    pg.circle(cx + 4, 166, 5, stroke="none")
# muzzle, nose, smile and tongue
pg.ellipse(481, 232, 52, 36)
pg.path("M 496 262 L 496 270 Q 481 286 466 270 L 466 262 Z", stroke_width=3)
pg.line("M 481 222 L 481 244 M 452 240 Q 466 262 481 244 Q 496 262 510 240", stroke_width=3)
pg.ellipse(481, 214, 19, 12, fill="#000")
pg.write()
