# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
import os, sys; sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from pagekit import *
pg = Page("page07_garden_flowers.svg")
pg.line("M 12 430 Q 200 415 400 430 Q 600 445 795 426")
sun(pg, 718, 84, 32)
cloud(pg, 480, 80, 0.6)
# stems and leaves
tube(pg, "M 160 230 Q 150 350 170 505", 20)
leaf(pg, 162, 420, -70, -50, 0.4, sw=4)
leaf(pg, 166, 380, 70, -60, 0.4, sw=4)
tube(pg, "M 400 180 Q 420 330 395 505", 20)
leaf(pg, 408, 400, -90, -30, 0.42, sw=4)
leaf(pg, 410, 350, 90, -40, 0.42, sw=4)
tube(pg, "M 640 240 Q 620 380 645 505", 20)
leaf(pg, 632, 430, 80, -40, 0.4, sw=4)
leaf(pg, 630, 390, -70, -50, 0.4, sw=4)
# tulip
pg.path("M 100 150 L 130 185 L 160 140 L 190 185 L 220 150 L 224 210 Q 222 275 160 280 Q 98 275 96 210 Z")
pg.line("M 130 185 Q 132 240 160 262 Q 188 240 190 185", stroke_width=3)
face(pg, 160, 220, 1.0)
# daisy
flower(pg, 400, 176, 54, 8, 62, 38, sw=4)
face(pg, 400, 176, 1.7)
# round flower
flower(pg, 640, 248, 46, 5, 58, 52, sw=4)
face(pg, 640, 248, 1.4)
# little friends
bee(pg, 232, 104, 1.25, 8)
ladybug(pg, 334, 362, 0.95, -60)
snail(pg, 515, 514, 0.8)
for x, y in ((40, 470), (250, 490), (740, 480)):
    pg.line("M %s L %s L %s L %s L %s" % (P(x, y), P(x + 6, y - 14), P(x + 12, y), P(x + 18, y - 16), P(x + 24, y)), stroke_width=3)
pg.write()
