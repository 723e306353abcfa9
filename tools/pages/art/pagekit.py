# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""Small drawing kit for the colouring pages.

Every page script in this folder builds one page from these helpers and
writes it to resources/pages.  All outlines are pure black on white, drawn
with round caps and joins; shapes are filled white so that whatever is drawn
later hides the lines underneath it, which is how overlapping parts (a head
in front of a body, a tail behind it) stay closed for flood fill.
Run draw_all.py [OUTPUT_DIR] to rebuild every page, then tools/pages/check_pages.py.
File handling, output folder and theme come from the artwork kit (tools/art/svgkit.py);
numbers here keep one decimal, the pages' own precision.
"""
import math, os, sys
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "art"))
from svgkit import output_dir, write  # noqa: E402
OUT = output_dir("resources", "pages")
def f(v):
    s = "%.1f" % v
    return s[:-2] if s.endswith(".0") else s
def attrs(kw):
    out = []
    for k, v in kw.items():
        k = k.rstrip("_").replace("_", "-")
        out.append('%s="%s"' % (k, f(v) if isinstance(v, float) else v))
    return (" " + " ".join(out)) if out else ""
class Page:
    def __init__(self, name, frame=True):
        self.name = name; self.items = []
        self.frame = frame
    def add(self, s): self.items.append(s)
    def circle(self, cx, cy, r, **kw): self.add('<circle cx="%s" cy="%s" r="%s"%s/>' % (f(cx), f(cy), f(r), attrs(kw)))
    def ellipse(self, cx, cy, rx, ry, rot=0, **kw):
        t = ' transform="rotate(%s %s %s)"' % (f(rot), f(cx), f(cy)) if rot else ""
        self.add('<ellipse cx="%s" cy="%s" rx="%s" ry="%s"%s%s/>' % (f(cx), f(cy), f(rx), f(ry), t, attrs(kw)))
    def rect(self, x, y, w, h, rx=0, **kw):
        r = ' rx="%s"' % f(rx) if rx else ""
        self.add('<rect x="%s" y="%s" width="%s" height="%s"%s%s/>' % (f(x), f(y), f(w), f(h), r, attrs(kw)))
    def path(self, d, **kw): self.add('<path d="%s"%s/>' % (d, attrs(kw)))
    def line(self, d, **kw):
        kw.setdefault("fill", "none"); self.path(d, **kw)
    def poly(self, pts, **kw):
        self.add('<polygon points="%s"%s/>' % (" ".join("%s,%s" % (f(x), f(y)) for x, y in pts), attrs(kw)))
    def pupil(self, cx, cy, rx, ry=None):
        self.add('<ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="#000" stroke="none"/>' % (f(cx), f(cy), f(rx), f(ry or rx)))
    def write(self):
        body = "\n".join(self.items)
        fr = '<rect x="12" y="12" width="783" height="514" rx="18" fill="none" stroke-width="4"/>\n' if self.frame else ""
        s = ('<svg xmlns="http://www.w3.org/2000/svg" width="807" height="561" viewBox="0 0 807 561">\n'
             '<rect x="0" y="0" width="807" height="561" fill="#fff"/>\n'
             '<g fill="#fff" stroke="#000" stroke-width="4" stroke-linecap="round" stroke-linejoin="round">\n'
             + body + "\n" + fr + '</g>\n</svg>\n')
        write(os.path.join(OUT, self.name), s)
def P(x, y): return "%s %s" % (f(x), f(y))
def onell(cx, cy, rx, ry, deg):
    a = math.radians(deg); return (cx + rx * math.cos(a), cy + ry * math.sin(a))
def cubic(p0, p1, p2, p3, t):
    u = 1 - t
    return tuple(u*u*u*a + 3*u*u*t*b + 3*u*t*t*c + t*t*t*d for a, b, c, d in zip(p0, p1, p2, p3))
def cubic_tan(p0, p1, p2, p3, t):
    u = 1 - t
    d = tuple(3*u*u*(b-a) + 6*u*t*(c-b) + 3*t*t*(d_-c) for a, b, c, d_ in zip(p0, p1, p2, p3))
    n = math.hypot(*d); return (d[0]/n, d[1]/n)
def tube(pg, d, width, inner=None):
    """A tube with a 4 px outline: black wide stroke, white stroke on top."""
    pg.path(d, fill="none", stroke_width=width)
    pg.path(d, fill="none", stroke="#fff", stroke_width=inner or width - 8)
def band_across(pg, p0, p1, p2, p3, t, half, sw=3):
    """A line across a tube drawn along a cubic, ending inside its outline."""
    (x, y) = cubic(p0, p1, p2, p3, t); (tx, ty) = cubic_tan(p0, p1, p2, p3, t)
    nx, ny = -ty, tx
    pg.line("M %s L %s" % (P(x - nx*half, y - ny*half), P(x + nx*half, y + ny*half)), stroke_width=sw)
def bone(pg, cx, cy, half, r=14, w=8, rot=0, **kw):
    dy = r - 2
    ix = math.sqrt(r*r - dy*dy)            # where the two knobs meet
    sx = math.sqrt(r*r - (dy - w)**2)      # where the shaft leaves a knob
    x1, x2 = cx - half, cx + half
    d = ("M %s A %s %s 0 1 0 %s A %s %s 0 1 0 %s L %s A %s %s 0 1 0 %s A %s %s 0 1 0 %s Z" % (
        P(x1 + sx, cy - w), f(r), f(r), P(x1 - ix, cy), f(r), f(r), P(x1 + sx, cy + w),
        P(x2 - sx, cy + w), f(r), f(r), P(x2 + ix, cy), f(r), f(r), P(x2 - sx, cy - w)))
    if rot: kw["transform"] = "rotate(%s %s %s)" % (f(rot), f(cx), f(cy))
    pg.path(d, **kw)
def sun(pg, cx, cy, r, n=10, ray=(10, 28), face=True):
    for i in range(n):
        a = math.radians(i * 360 / n - 90 + 180 / n)
        pg.line("M %s L %s" % (P(cx + (r + ray[0]) * math.cos(a), cy + (r + ray[0]) * math.sin(a)),
                               P(cx + (r + ray[1]) * math.cos(a), cy + (r + ray[1]) * math.sin(a))))
    pg.circle(cx, cy, r)
    if face:
        k = r / 40
        pg.pupil(cx - 13*k, cy - 6*k, 4*k, 5*k); pg.pupil(cx + 13*k, cy - 6*k, 4*k, 5*k)
        pg.line("M %s Q %s %s" % (P(cx - 16*k, cy + 10*k), P(cx, cy + 26*k), P(cx + 16*k, cy + 10*k)), stroke_width=3)
def cloud(pg, x, y, s=1.0):
    # a puffy cloud, (x, y) = left end of its flat bottom
    d = ("M %s L %s Q %s %s Q %s %s Q %s %s Q %s %s Q %s %s Z" % (
        P(x, y), P(x + 120*s, y), P(x + 146*s, y), P(x + 136*s, y - 28*s), P(x + 130*s, y - 58*s), P(x + 96*s, y - 50*s),
        P(x + 80*s, y - 82*s), P(x + 50*s, y - 58*s), P(x + 16*s, y - 62*s), P(x + 18*s, y - 30*s), P(x - 14*s, y - 20*s), P(x, y)))
    pg.path(d)
def flower(pg, cx, cy, rc=14, petals=6, pl=18, pw=13, stem=None, sw=3):
    """A daisy: separate oval petals round a big middle (no slivers between petals)."""
    if stem:
        pg.line("M %s L %s" % (P(cx, cy), P(cx, stem)), stroke_width=sw + 1)
    d = rc + pl / 2 - 3
    for i in range(petals):
        a = i * 360 / petals - 90
        x, y = cx + d * math.cos(math.radians(a)), cy + d * math.sin(math.radians(a))
        pg.ellipse(x, y, pl / 2, pw / 2, rot=a, stroke_width=sw)
    pg.circle(cx, cy, rc, stroke_width=sw)
def tulip(pg, cx, cy, w=22, h=24, stem=None, sw=3):
    """A tulip head centred at (cx, cy), optional stem down to y=stem."""
    if stem:
        pg.line("M %s L %s" % (P(cx, cy), P(cx, stem)), stroke_width=sw + 1)
    x0, x1, top, bot = cx - w/2, cx + w/2, cy - h/2, cy + h/2
    pg.path("M %s L %s L %s L %s L %s L %s Q %s %s Q %s %s Z" % (
        P(x0, top), P(cx - w/4, top + h*0.3), P(cx, top), P(cx + w/4, top + h*0.3), P(x1, top),
        P(x1, cy + h*0.1), P(x1, bot), P(cx, bot), P(x0, bot), P(x0, cy + h*0.1)), stroke_width=sw)
def leaf(pg, x, y, dx, dy, w=0.45, sw=3):
    """A leaf from (x, y) to (x+dx, y+dy)."""
    nx, ny = -dy * w, dx * w
    pg.path("M %s Q %s %s Q %s %s Z" % (P(x, y), P(x + dx/2 + nx, y + dy/2 + ny), P(x + dx, y + dy),
                                       P(x + dx/2 - nx, y + dy/2 - ny), P(x, y)), stroke_width=sw)
def star(pg, cx, cy, r, ri=None, n=5, rot=-90, **kw):
    ri = ri or r * 0.45
    pts = []
    for i in range(2 * n):
        a = math.radians(rot + i * 180 / n)
        rr = r if i % 2 == 0 else ri
        pts.append((cx + rr * math.cos(a), cy + rr * math.sin(a)))
    pg.poly(pts, **kw)
def bushy(pg, cx, cy, rx, ry, n=9, bump=0.22, **kw):
    """A cloud-like round outline of n bumps (tree crowns, bushes, manes)."""
    pts = [onell(cx, cy, rx, ry, i * 360 / n - 90) for i in range(n)]
    d = "M %s" % P(*pts[0])
    for i in range(n):
        a0, a1 = i * 360 / n - 90, (i + 1) * 360 / n - 90
        am = (a0 + a1) / 2
        c = onell(cx, cy, rx * (1 + bump * 2), ry * (1 + bump * 2), am)
        p1 = pts[(i + 1) % n]
        d += " Q %s %s" % (P(*c), P(*p1))
    pg.path(d + " Z", **kw)
def small_fish(pg, cx, cy, s=1.0, left=False):
    k = -1 if left else 1
    X = lambda dx: cx + k * dx * s
    pg.path("M %s L %s L %s Z" % (P(X(-30), cy), P(X(-58), cy - 20*s), P(X(-58), cy + 20*s)))
    pg.ellipse(cx, cy, 38*s, 24*s)
    pg.pupil(X(16), cy - 6*s, 4.5*s)
    gy = 24 * s * math.sqrt(1 - (6 / 38) ** 2) - 1
    pg.line("M %s Q %s %s" % (P(X(-6), cy - gy), P(X(-14), cy), P(X(-6), cy + gy)), stroke_width=3)
    pg.line("M %s Q %s %s" % (P(X(12), cy + 7*s), P(X(20), cy + 14*s), P(X(27), cy + 5*s)), stroke_width=3)
def starfish(pg, cx, cy, r, rot=-90, face=True):
    pts = []
    for i in range(10):
        a = math.radians(rot + i * 36)
        rr = r if i % 2 == 0 else r * 0.5
        pts.append((cx + rr * math.cos(a), cy + rr * math.sin(a)))
    d = "M %s" % P(*pts[1])
    for i in range(5):
        tip = pts[(2 * i + 2) % 10]; nxt = pts[(2 * i + 3) % 10]
        d += " Q %s %s" % (P(tip[0], tip[1]), P(*nxt))
    pg.path(d + " Z")
    if face:
        k = r / 40
        pg.pupil(cx - 7*k, cy - 4*k, 3*k, 4*k); pg.pupil(cx + 7*k, cy - 4*k, 3*k, 4*k)
        pg.line("M %s Q %s %s" % (P(cx - 8*k, cy + 6*k), P(cx, cy + 13*k), P(cx + 8*k, cy + 6*k)), stroke_width=3)
def shell(pg, cx, by, r=34):
    """A fan shell lying on the sand, hinge at (cx, by)."""
    p = lambda a, rr: (cx + rr * math.cos(math.radians(a)), by + rr * math.sin(math.radians(a)))
    pg.path("M %s L %s A %s %s 0 0 1 %s Z" % (P(cx, by), P(*p(-155, r)), f(r), f(r), P(*p(-25, r))))
    for a in (-122, -90, -58):
        pg.line("M %s L %s" % (P(cx, by), P(*p(a, r - 1))), stroke_width=3)
    pg.rect(cx - 12, by - 7, 24, 14, rx=5, stroke_width=3)
def seaweed(pg, x, base, h, w=24, sway=18):
    """A wavy seaweed strand growing up from (x, base)."""
    n = 4; step = h / n
    d = "M %s" % P(x, base)
    for i in range(n):
        s = sway if i % 2 == 0 else -sway
        d += " Q %s %s" % (P(x + s, base - i * step - step / 2), P(x, base - (i + 1) * step))
    tube(pg, d, w)
def face(pg, cx, cy, s=1.0, smile=True):
    pg.pupil(cx - 12*s, cy - 6*s, 4.5*s, 6*s); pg.pupil(cx + 12*s, cy - 6*s, 4.5*s, 6*s)
    pg.line("M %s Q %s %s" % (P(cx - 14*s, cy + 8*s), P(cx, cy + 22*s), P(cx + 14*s, cy + 8*s)), stroke_width=3)
def ellipse_chord(pg, cx, cy, rx, ry, a0, a1, bulge=0, sw=3, inset=1):
    """A line across an ellipse between two angles, ending inside its outline."""
    x0, y0 = onell(cx, cy, rx - inset, ry - inset, a0); x1, y1 = onell(cx, cy, rx - inset, ry - inset, a1)
    mx, my = (x0 + x1) / 2, (y0 + y1) / 2
    L = math.hypot(x1 - x0, y1 - y0)
    nx, ny = -(y1 - y0) / L * bulge, (x1 - x0) / L * bulge
    pg.line("M %s Q %s %s" % (P(x0, y0), P(mx + nx, my + ny), P(x1, y1)), stroke_width=sw)
def bee(pg, cx, cy, s=1.0, rot=0):
    pg.add('<g transform="translate(%s %s) rotate(%s) scale(%s)">' % (f(cx), f(cy), f(rot), f(s)))
    pg.ellipse(-24, -34, 13, 24, rot=-20, stroke_width=3)
    pg.ellipse(14, -36, 13, 24, rot=20, stroke_width=3)
    pg.path("M -40 -6 L -60 0 L -40 8 Z", fill="#000", stroke_width=3)
    pg.ellipse(0, 0, 46, 30)
    ellipse_chord(pg, 0, 0, 46, 30, -80, 80, 4, sw=4)
    ellipse_chord(pg, 0, 0, 46, 30, -114, 114, -4, sw=4)
    pg.circle(40, -4, 22)
    pg.pupil(36, -10, 3.5, 4.5); pg.pupil(48, -10, 3.5, 4.5)
    pg.line("M 34 4 Q 43 11 52 3", stroke_width=3)
    pg.line("M 36 -24 Q 40 -40 34 -52 M 48 -24 Q 56 -38 64 -44", stroke_width=3)
    pg.add("</g>")
def ladybug(pg, cx, cy, s=1.0, rot=0):
    pg.add('<g transform="translate(%s %s) rotate(%s) scale(%s)">' % (f(cx), f(cy), f(rot), f(s)))
    pg.circle(0, -26, 16)
    pg.pupil(-6, -30, 3, 3.5); pg.pupil(6, -30, 3, 3.5)
    pg.line("M -7 -20 Q 0 -14 7 -20", stroke_width=3)
    pg.ellipse(0, 6, 28, 26)
    pg.line("M 0 -18 L 0 31")
    for x, y, r in ((-13, -2, 5), (13, -2, 5), (-12, 16, 4.5), (12, 16, 4.5)):
        pg.circle(x, y, r, fill="#000", stroke="none")
    pg.add("</g>")
def snail(pg, x, y, s=1.0, left=False):
    """A snail crawling on the ground line y, shell centred above (x, y)."""
    k = -1 if left else 1
    X = lambda dx: x + k * dx * s
    pg.line("M %s Q %s %s M %s Q %s %s" % (P(X(52), y - 34*s), P(X(54), y - 60*s), P(X(48), y - 72*s),
                                          P(X(62), y - 34*s), P(X(72), y - 58*s), P(X(80), y - 66*s)), stroke_width=3)
    pg.circle(X(47), y - 74*s, 7*s, fill="#000", stroke_width=3)
    pg.circle(X(81), y - 68*s, 7*s, fill="#000", stroke_width=3)
    pg.path("M %s L %s Q %s %s Q %s %s Q %s %s L %s Q %s %s Z" % (P(X(-70), y), P(X(50), y), P(X(78), y), P(X(76), y - 26*s),
            P(X(70), y - 50*s), P(X(48), y - 44*s), P(X(40), y - 24*s), P(X(20), y - 22*s), P(X(-44), y - 20*s),
            P(X(-62), y - 12*s), P(X(-70), y)))
    pg.pupil(X(56), y - 32*s, 3.5*s, 4.5*s); pg.pupil(X(68), y - 32*s, 3.5*s, 4.5*s)
    pg.line("M %s Q %s %s" % (P(X(54), y - 20*s), P(X(62), y - 12*s), P(X(70), y - 20*s)), stroke_width=3)
    pg.circle(X(-14), y - 52*s, 38*s)
    pg.line("M %s Q %s %s Q %s %s Q %s %s Q %s %s" % (P(X(-14), y - 52*s), P(X(-2), y - 56*s), P(X(-4), y - 42*s),
            P(X(-18), y - 30*s), P(X(-32), y - 48*s), P(X(-30), y - 70*s), P(X(-6), y - 74*s), P(X(14), y - 72*s), P(X(16), y - 58*s)))
def heart(pg, cx, cy, s, **kw):
    """A heart centred near (cx, cy), about 2*s wide."""
    pg.path("M %s C %s %s %s C %s %s %s Z" % (
        P(cx, cy + s * 0.9), P(cx - s * 1.3, cy + s * 0.1), P(cx - s * 0.8, cy - s * 1.1), P(cx, cy - s * 0.45),
        P(cx + s * 0.8, cy - s * 1.1), P(cx + s * 1.3, cy + s * 0.1), P(cx, cy + s * 0.9)), **kw)
def frond(pg, x, y, dx, dy, w=0.3, droop=0.35, sw=4):
    """A drooping palm frond from (x, y) to (x+dx, y+dy)."""
    L = math.hypot(dx, dy)
    nx, ny = -dy * w, dx * w
    mx, my = x + dx / 2, y + dy / 2 - L * droop
    pg.path("M %s Q %s %s Q %s %s Z" % (P(x, y), P(mx + nx, my + ny), P(x + dx, y + dy), P(mx - nx, my - ny), P(x, y)), stroke_width=sw)
def curved_leaf(pg, x, y, ang, L, lift=0.3, W=16, sw=4):
    """A long leaf whose spine arcs up from (x, y) and droops towards its tip."""
    a = math.radians(ang)
    p0 = (x, y); p2 = (x + L * math.cos(a), y + L * math.sin(a))
    p1 = ((p0[0] + p2[0]) / 2, (p0[1] + p2[1]) / 2 - L * lift)
    left, right = [], []
    n = 24
    for i in range(n + 1):
        t = i / n
        px = (1-t)**2 * p0[0] + 2*(1-t)*t * p1[0] + t*t * p2[0]
        py = (1-t)**2 * p0[1] + 2*(1-t)*t * p1[1] + t*t * p2[1]
        dx = 2*(1-t)*(p1[0]-p0[0]) + 2*t*(p2[0]-p1[0]); dy = 2*(1-t)*(p1[1]-p0[1]) + 2*t*(p2[1]-p1[1])
        d = math.hypot(dx, dy); nx, ny = -dy / d, dx / d
        w = W * math.sin(math.pi * min(1, t * 1.0)) ** 0.7 if 0 < t < 1 else 0
        w = max(w, 3 if t == 0 else 0)
        left.append((px + nx * w, py + ny * w)); right.append((px - nx * w, py - ny * w))
    pts = left + right[::-1]
    pg.path("M " + " L ".join(P(*q) for q in pts) + " Z", stroke_width=sw)
def quad_as_cubic(p0, p1, p2):
    c1 = (p0[0] + 2/3 * (p1[0] - p0[0]), p0[1] + 2/3 * (p1[1] - p0[1]))
    c2 = (p2[0] + 2/3 * (p1[0] - p2[0]), p2[1] + 2/3 * (p1[1] - p2[1]))
    return (p0, c1, c2, p2)
def palm(pg, x, base, top, lean=-20, leaves=((-168, 80), (150, 76), (-12, 80), (30, 76), (-125, 58), (-58, 58)), rings=(0.25, 0.5, 0.75)):
    T = quad_as_cubic((x, base), (x + 10, (base + top) / 2), (x + lean, top))
    tube(pg, "M %s C %s %s %s" % tuple(P(*p) for p in T), 30)
    for t in rings:
        band_across(pg, *T, t, 13)
    for a, L in leaves:
        curved_leaf(pg, x + lean, top, a, L, 0.28, 15)
    pg.circle(x + lean, top, 14)
def drop(pg, cx, cy, r, **kw):
    """A water drop with its point up, round part centred at (cx, cy)."""
    pg.path("M %s Q %s %s A %s %s 0 1 0 %s Q %s %s Z" % (P(cx, cy - r * 2.1), P(cx - r * 0.3, cy - r * 1.3), P(cx - r * 0.95, cy - r * 0.3),
            f(r), f(r), P(cx + r * 0.95, cy - r * 0.3), P(cx + r * 0.3, cy - r * 1.3), P(cx, cy - r * 2.1)), **kw)
def tree(pg, x, base, top, r):
    pg.rect(x - 16, top, 32, base - top, rx=6)
    bushy(pg, x, top - r * 0.6, r, r * 0.9, n=8, bump=0.1)
def pine(pg, x, base, h, w, trunk=44):
    """A pine tree: three stacked tiers on a trunk (top tier drawn last)."""
    pg.rect(x - 15, base - trunk - 10, 30, trunk + 10, rx=4)
    for i in (2, 1, 0):
        top = base - trunk - h + i * h * 0.27
        bot = top + h * 0.46
        ww = w * (0.55 + 0.25 * i)
        pg.path("M %s L %s Q %s %s Q %s %s Z" % (P(x, top), P(x + ww, bot), P(x + ww * 0.5, bot + 8), P(x, bot + 8),
                                               P(x - ww * 0.5, bot + 8), P(x - ww, bot)))
def snowflake(pg, cx, cy, r):
    d = ""
    for i in range(3):
        a = math.radians(i * 60)
        d += "M %s L %s " % (P(cx - r * math.cos(a), cy - r * math.sin(a)), P(cx + r * math.cos(a), cy + r * math.sin(a)))
    pg.line(d, stroke_width=3)
def ray_to_ellipse(cx, cy, rx, ry, px, py, dx, dy, inset=1.0):
    """Point where the ray from (px, py) along (dx, dy) leaves the ellipse (shrunk by inset)."""
    rx -= inset; ry -= inset
    a = (dx / rx) ** 2 + (dy / ry) ** 2
    b = 2 * ((px - cx) * dx / rx ** 2 + (py - cy) * dy / ry ** 2)
    c = ((px - cx) / rx) ** 2 + ((py - cy) / ry) ** 2 - 1
    t = (-b + math.sqrt(b * b - 4 * a * c)) / (2 * a)
    return (px + dx * t, py + dy * t)
def little_butterfly(pg, cx, cy, s=1.0, rot=0):
    pg.add('<g transform="translate(%s %s) rotate(%s) scale(%s)">' % (f(cx), f(cy), f(rot), f(s)))
    pg.line("M -3 -24 Q -8 -40 -16 -44 M 3 -24 Q 8 -40 16 -44", stroke_width=3)
    for k in (1, -1):
        pg.ellipse(k * 22, -12, 22, 17, rot=-20 * k, stroke_width=3)
        pg.ellipse(k * 17, 14, 14, 12, rot=20 * k, stroke_width=3)
    pg.ellipse(0, 0, 7, 26, stroke_width=3)
    pg.add("</g>")
def frosting(pg, x0, x1, y, depth=26, n=6):
    """Icing along the top of a cake tier from x0 to x1 at height y, with round drips."""
    w = (x1 - x0) / n
    d = "M %s L %s L %s" % (P(x0, y), P(x1, y), P(x1, y + depth * 0.5))
    for i in range(n):
        xa = x1 - i * w; xb = xa - w
        deep = depth if i % 2 == 0 else depth * 0.7
        d += " C %s %s %s" % (P(xa, y + deep * 1.5), P(xb, y + deep * 1.5), P(xb, y + depth * 0.5))
    pg.path(d + " Z")
def gift(pg, x, y, w, h):
    pg.rect(x, y, w, h, rx=4)
    pg.rect(x - 8, y - 26, w + 16, 28, rx=4)
    pg.rect(x + w / 2 - 11, y - 26, 22, h + 26)
    for k in (-1, 1):
        pg.path("M %s C %s %s %s C %s %s %s Z" % (P(x + w/2, y - 28), P(x + w/2 + k * 30, y - 80), P(x + w/2 + k * 64, y - 60),
                P(x + w/2 + k * 40, y - 32), P(x + w/2 + k * 30, y - 26), P(x + w/2 + k * 14, y - 26), P(x + w/2, y - 28)))
    pg.circle(x + w/2, y - 30, 11)
def balloon(pg, cx, cy, rx, ry, string_to):
    pg.line("M %s Q %s %s Q %s %s" % (P(cx, cy + ry + 12), P(cx - 16, cy + ry + 50), P((cx + string_to[0]) / 2, (cy + ry + string_to[1]) / 2 + 10),
                                     P(string_to[0] + 10, string_to[1] - 30), P(*string_to)), stroke_width=3)
    pg.ellipse(cx, cy, rx, ry)
    pg.poly([(cx - 10, cy + ry + 14), (cx + 10, cy + ry + 14), (cx, cy + ry - 4)], stroke_width=3)
    pg.line("M %s Q %s %s" % (P(cx - rx * 0.55, cy - ry * 0.35), P(cx - rx * 0.45, cy - ry * 0.65), P(cx - rx * 0.15, cy - ry * 0.72)), stroke_width=4)
def parse_cubics(d):
    """'M x y C ... C ...' (and L) -> list of cubic segments."""
    toks = d.replace(",", " ").split()
    segs = []; i = 0; cur = None
    while i < len(toks):
        t = toks[i]
        if t == "M":
            cur = (float(toks[i+1]), float(toks[i+2])); i += 3
        elif t == "L":
            p = (float(toks[i+1]), float(toks[i+2]))
            segs.append((cur, (cur[0] + (p[0]-cur[0])/3, cur[1] + (p[1]-cur[1])/3), (cur[0] + 2*(p[0]-cur[0])/3, cur[1] + 2*(p[1]-cur[1])/3), p))
            cur = p; i += 3
        elif t == "C":
            c1 = (float(toks[i+1]), float(toks[i+2])); c2 = (float(toks[i+3]), float(toks[i+4])); p = (float(toks[i+5]), float(toks[i+6]))
            segs.append((cur, c1, c2, p)); cur = p; i += 7
        else:
            raise ValueError(t)
    return segs
def tapered(pg, d, w0, w1, sw=4):
    """A tube along a path that narrows from width w0 to w1 and ends in a round tip."""
    pts = []
    for seg in parse_cubics(d):
        for k in range(40):
            t = k / 40
            pts.append((cubic(*seg, t), cubic_tan(*seg, max(t, 1e-3) if t == 0 else t)))
    last = parse_cubics(d)[-1]
    pts.append((cubic(*last, 1.0), cubic_tan(*last, 1.0)))
    L = [0.0]
    for a, b in zip(pts, pts[1:]):
        L.append(L[-1] + math.hypot(b[0][0] - a[0][0], b[0][1] - a[0][1]))
    left, right = [], []
    for (p, tg), l in zip(pts, L):
        w = (w0 + (w1 - w0) * l / L[-1]) / 2
        nx, ny = -tg[1], tg[0]
        left.append((p[0] + nx * w, p[1] + ny * w)); right.append((p[0] - nx * w, p[1] - ny * w))
    r = w1 / 2
    d2 = "M " + " L ".join(P(*q) for q in left) + " A %s %s 0 0 0 %s L " % (f(r), f(r), P(*right[-1])) + " L ".join(P(*q) for q in right[::-1]) + " Z"
    pg.path(d2, stroke_width=sw)
