# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
import os, sys; sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from pagekit import *
pg = Page("page08_space_rocket.svg")
# stars
for x, y, r in ((290, 62, 24), (545, 64, 20), (60, 290, 22), (175, 235, 17), (120, 440, 24), (220, 490, 16), (610, 205, 22), (745, 250, 24), (600, 305, 15), (505, 470, 18), (770, 160, 14), (400, 40, 13)):
    star(pg, x, y, r * 1.25, r * 0.62)
for x, y in ((180, 40), (520, 160), (330, 500), (760, 500), (40, 200), (40, 500), (580, 500)):
    pg.circle(x, y, 4, fill="#000", stroke="none")
# moon with a face
pg.circle(110, 112, 66)
for x, y, r in ((80, 82, 12), (146, 146, 10), (138, 78, 8)):
    pg.circle(x, y, r, stroke_width=3)
face(pg, 110, 112, 1.3)
# planet with a ring
PX, PY = 660, 410
pg.ellipse(PX, PY, 110, 30, rot=-12)
pg.ellipse(PX, PY, 84, 17, rot=-12)
pg.circle(PX, PY, 58)
pg.line("M %s Q %s %s" % (P(PX - 55, PY - 18), P(PX, PY - 34), P(PX + 56, PY - 14)), stroke_width=3)
pg.path("M %s A 110 30 0 0 0 %s L %s A 84 17 0 0 1 %s Z" % (P(PX - 110, PY), P(PX + 110, PY), P(PX + 84, PY), P(PX - 84, PY)),
        transform="rotate(-12 %s %s)" % (PX, PY))
# flying saucer
pg.path("M 636 96 Q 638 50 680 50 Q 722 50 724 96 Z")
pg.pupil(668, 72, 4, 5); pg.pupil(692, 72, 4, 5)
pg.line("M 667 82 Q 680 92 693 82", stroke_width=3)
pg.line("M 666 52 L 656 34 M 694 52 L 704 34", stroke_width=3)
pg.circle(656, 32, 6, fill="#000", stroke="none")
pg.circle(704, 32, 6, fill="#000", stroke="none")
pg.ellipse(680, 102, 76, 20)
for x in (634, 680, 726):
    pg.circle(x, 102, 7, stroke_width=3)
# rocket
pg.add('<g transform="translate(380 286) rotate(28) scale(1.08)">')
pg.path("M -40 100 Q -50 150 -24 190 Q -20 165 0 210 Q 20 165 24 190 Q 50 150 40 100 Z")
pg.path("M -22 104 Q -26 140 0 168 Q 26 140 22 104 Z", stroke_width=3)
pg.path("M -54 80 L 54 80 L 44 108 L -44 108 Z")
pg.path("M -64 0 Q -122 40 -124 130 L -70 96 Z")
pg.path("M 64 0 Q 122 40 124 130 L 70 96 Z")
pg.path("M -62 -110 Q 0 -96 62 -110 C 72 -60 76 0 70 86 L -70 86 C -76 0 -72 -60 -62 -110 Z")
pg.path("M -62 -110 C -50 -160 -30 -185 0 -200 C 30 -185 50 -160 62 -110 Q 0 -96 -62 -110 Z")
pg.rect(-10, 20, 20, 70, rx=8)
pg.circle(0, -34, 46)
pg.circle(0, -34, 35)
pg.circle(0, -34, 24, stroke_width=3)
pg.path("M -20 -46 Q -14 -62 0 -58 Q 14 -62 20 -46 Q 10 -52 0 -48 Q -10 -52 -20 -46 Z", fill="#000", stroke_width=3)
pg.pupil(-9, -36, 3.5, 4.5); pg.pupil(9, -36, 3.5, 4.5)
pg.line("M -9 -24 Q 0 -17 9 -24", stroke_width=3)
pg.add("</g>")
pg.write()
