# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
import os, sys; sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from pagekit import *
pg = Page("page11_dinosaur.svg")
pg.line("M 12 462 Q 200 450 403 462 Q 600 474 795 456")
sun(pg, 372, 82, 30)
# volcano with smoke
pg.path("M 20 400 L 110 210 Q 150 196 190 210 L 290 400 Z")
pg.path("M 110 210 Q 120 250 134 232 Q 146 270 160 236 Q 176 260 190 210 Q 150 196 110 210 Z", stroke_width=3)
for cx, cy, r in ((150, 168, 22), (180, 116, 30), (140, 60, 24)):
    bushy(pg, cx, cy, r, r * 0.8, n=6, bump=0.14)
# palm tree
palm(pg, 722, 470, 250)
# far legs, back spikes, neck
pg.path("M 300 380 L 300 474 Q 326 484 352 474 L 352 380 Z")
pg.path("M 500 370 L 500 474 Q 526 484 552 474 L 552 370 Z")
for cx, cy, r, a in ((262, 292, 22, -45), (300, 248, 24, -25), (360, 236, 25, 0), (420, 244, 24, 20), (190, 340, 18, -60), (140, 378, 14, -62)):
    pg.add('<g transform="rotate(%s %s %s)">' % (a, cx, cy))
    pg.path("M %s Q %s %s L %s Q %s %s Z" % (P(cx - r, cy + 10), P(cx - r * 0.3, cy - r * 1.4), P(cx, cy - r * 1.5), P(cx, cy - r * 1.5), P(cx + r * 0.3, cy - r * 1.4), P(cx + r, cy + 10)))
    pg.add('</g>')
N = ((470, 330), (540, 300), (575, 230), (590, 140))
tube(pg, "M %s C %s %s %s" % tuple(P(*p) for p in N), 72)
# near legs
pg.path("M 246 390 L 246 490 Q 278 502 310 490 L 310 390 Z")
pg.path("M 446 390 L 446 490 Q 478 502 510 490 L 510 390 Z")
for x in (262, 278, 294, 462, 478, 494):
    pg.line("M %s L %s" % (P(x, 495), P(x, 485)), stroke_width=3)
# body with tail
pg.path("M 510 300 C 440 220 290 210 230 300 C 180 360 100 410 30 440 C 120 452 200 434 250 424 Q 380 450 510 410 C 545 385 540 335 510 300 Z")
for cx, cy, r in ((300, 320, 22), (375, 290, 26), (450, 322, 20), (370, 360, 16), (230, 360, 14)):
    pg.circle(cx, cy, r, stroke_width=3)
# head looking at us
pg.ellipse(594, 118, 66, 56)
for ex in (570, 618):
    pg.pupil(ex, 108, 11, 13)
    pg.circle(ex + 3, 104, 5, stroke="none")
pg.line("M 560 136 Q 594 166 628 136", stroke_width=4)
pg.circle(585, 86, 3.5, fill="#000", stroke="none")
pg.circle(603, 86, 3.5, fill="#000", stroke="none")
# egg
pg.ellipse(630, 462, 36, 44)
(x0, y0) = onell(630, 462, 35, 43, 190); (x1, y1) = onell(630, 462, 35, 43, -10)
pg.line("M %s L 612 444 L 624 460 L 636 440 L 648 458 L %s" % (P(x0, y0), P(x1, y1)), stroke_width=3)
pg.write()
