# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
import os, sys; sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from pagekit import *
pg = Page("page17_snowman.svg")
pg.line("M 12 400 Q 200 370 403 396 Q 600 420 795 380")
cloud(pg, 40, 100, 0.8)
cloud(pg, 640, 90, 0.8)
pine(pg, 110, 470, 250, 70)
pine(pg, 690, 470, 220, 64)
for x, y in ((250, 60), (560, 40), (230, 220), (612, 236), (760, 180), (40, 220), (300, 140), (520, 130)):
    snowflake(pg, x, y, 12)
for x, y in ((200, 110), (620, 150), (250, 300), (560, 300), (40, 330), (770, 300), (180, 480), (630, 490), (330, 30), (470, 30)):
    pg.circle(x, y, 7.5, stroke_width=3)
# arms with mittens
pg.line("M 340 250 L 250 190 M 290 216 L 270 226", stroke_width=6)
pg.line("M 466 250 L 556 190 M 516 216 L 536 226", stroke_width=6)
for s in (1, -1):
    X = lambda x: 403 + s * (x - 403)
    pg.ellipse(X(252), 160, 10, 15, rot=-25 * s)
    pg.ellipse(X(236), 178, 24, 22, rot=-35 * s)
# snowballs
pg.circle(403, 410, 102)
pg.circle(403, 264, 78)
for y in (262, 302, 384, 436):
    pg.circle(403, y, 11)
pg.circle(403, 140, 58)
# scarf
pg.path("M 420 210 L 432 300 L 466 296 L 446 206 Z")
for x in (440, 450, 460):
    pg.line("M %s L %s" % (P(x - 3, 298), P(x - 1, 312)), stroke_width=3)
pg.path("M 340 188 Q 403 220 466 188 L 468 212 Q 403 246 338 212 Z")
pg.line("M 380 204 L 378 226 M 420 206 L 422 228", stroke_width=3)
# face
for ex in (382, 424):
    pg.pupil(ex, 126, 8, 10)
pg.path("M 400 142 L 452 154 L 400 162 Z")
for i, x in enumerate((380, 392, 404, 416, 428)):
    pg.circle(x, 172 + (0, 5, 7, 5, 0)[i], 3.5, fill="#000", stroke="none")
# hat
pg.rect(360, 36, 86, 56, rx=4)
pg.rect(360, 66, 86, 14)
pg.rect(336, 86, 134, 14, rx=6)
pg.write()
