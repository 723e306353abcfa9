# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
import os, sys; sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from pagekit import *
pg = Page("page01_cat.svg")
# room: floor line, window, picture on the wall
pg.line("M 12 385 L 795 385")
pg.rect(48, 50, 170, 150, rx=6)
pg.rect(62, 64, 142, 122, rx=3)
pg.line("M 133 64 L 133 186 M 62 125 L 204 125")
pg.rect(36, 200, 194, 18, rx=6)
# little cloud in the window
pg.path("M 78 105 Q 78 88 96 92 Q 104 78 118 90 Q 128 88 126 105 Z")
# framed fish picture
pg.rect(600, 56, 150, 110, rx=6)
pg.rect(614, 70, 122, 82, rx=3)
pg.path("M 640 111 Q 670 80 702 111 Q 670 142 640 111 Z")
pg.path("M 700 111 L 722 94 L 722 128 Z")
pg.pupil(656, 112, 4)
pg.line("M 660 60 L 675 34 L 690 60", stroke_width=3)
# rug
pg.ellipse(403, 478, 235, 38)
pg.ellipse(403, 478, 195, 24)
# yarn ball with thread
pg.line("M 150 480 Q 180 500 168 512 Q 150 520 140 510", stroke_width=3)
pg.circle(110, 462, 48)
for a0, a1, bend in ((-135, 45, 0.3), (-80, 120, -0.25), (160, 300, 0.3)):
    x0, y0 = onell(110, 462, 46, 46, a0); x1, y1 = onell(110, 462, 46, 46, a1)
    mx, my = (x0 + x1) / 2, (y0 + y1) / 2
    nx, ny = -(y1 - y0) * bend, (x1 - x0) * bend
    pg.line("M %s Q %s %s" % (P(x0, y0), P(mx + nx, my + ny), P(x1, y1)), stroke_width=3)
# tail
T = ((470, 455), (600, 470), (650, 380), (590, 300))
tube(pg, "M %s C %s %s %s" % tuple(P(*p) for p in T), 38)
band_across(pg, *T, 0.9, 16)
band_across(pg, *T, 0.72, 16)
# body
pg.path("M 318 484 C 280 400 300 290 403 262 C 506 290 526 400 488 484 Z")
pg.ellipse(403, 395, 52, 70)
# haunches and paws
pg.path("M 322 484 C 300 460 300 400 335 395 C 360 392 372 440 372 484 Z")
pg.path("M 484 484 C 506 460 506 400 471 395 C 446 392 434 440 434 484 Z")
for cx in (360, 446):
    pg.ellipse(cx, 474, 34, 20)
    pg.line("M %s L %s M %s L %s" % (P(cx - 10, 493), P(cx - 10, 480), P(cx + 10, 493), P(cx + 10, 480)), stroke_width=3)
# collar and bell
pg.path("M 330 250 Q 403 290 476 250 L 478 270 Q 403 312 328 270 Z")
pg.circle(403, 300, 15)
pg.line("M 390 300 L 416 300", stroke_width=3)
pg.pupil(403, 307, 3)
# ears and head
pg.path("M 300 150 L 308 46 Q 312 38 320 44 L 392 92 Z")
pg.path("M 506 150 L 498 46 Q 494 38 486 44 L 414 92 Z")
pg.path("M 320 120 L 323 68 L 368 98 Z", stroke_width=3)
pg.path("M 486 120 L 483 68 L 438 98 Z", stroke_width=3)
pg.ellipse(403, 172, 120, 96)
# forehead stripes
pg.line("M 403 80 L 403 104 M 380 83 L 385 104 M 426 83 L 421 104", stroke_width=3)
# eyes
for cx in (358, 448):
    pg.ellipse(cx, 160, 24, 30)
    pg.pupil(cx + 4, 166, 12, 17)
    pg.circle(cx + 6, 159, 5.5, stroke="none")
# cheeks
# nose and smile
pg.path("M 385 196 Q 403 188 421 196 Q 412 212 403 214 Q 394 212 385 196 Z", stroke_width=3)
pg.line("M 403 214 L 403 224 M 380 220 Q 391 236 403 224 Q 415 236 426 220", stroke_width=3)
# whiskers
pg.line("M 345 210 L 272 196 M 345 220 L 270 226 M 461 210 L 534 196 M 461 220 L 536 226", stroke_width=3)
pg.write()
