#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks the colouring pages the way the program will see them.

Each page is rendered at 807 x 561 with pintaloo-svgrender (the same Qt SVG
renderer the program uses, antialiasing on) and then made two-colour: a
pixel is black when its luminance is below 128.  Flood fill works on the
4-connected white areas of that picture, so this tool checks that:

  * the SVG only uses pure black and pure white and outlines of at least
    3 px, and the renderer prints no warnings;
  * every white area is big enough for a child to hit (60 px or more);
  * black lines are at least 2 px thick (no pixel that is a 1 px run both
    across and down), so outlines survive thresholding and stay closed;
  * nothing is drawn in the margin or in the bottom rows that the canvas
    does not show;
  * the page has plenty of separate areas, and the big areas named in
    PROBES below are really separate from each other (a leak in an outline
    would merge them).

Usage: check_pages.py [--dir PAGES_DIR] [--debug OUT_DIR] [PAGE.svg ...]
With --debug, a PNG with every area in its own colour is written per page.
Exit status is non-zero when any page fails.
"""
import argparse
import os
import random
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

W, H = 807, 561
MARGIN = 8            # black pixels must keep this far from the left, right and top edges
HIDDEN_FROM = 531     # rows from here down are (nearly) out of sight on the canvas
MIN_AREA = 60
MIN_AREAS = 15

PAGES = [
    "page01_cat.svg", "page02_dog.svg", "page03_house.svg", "page04_car.svg",
    "page05_castle.svg", "page06_sea_fish.svg", "page07_garden_flowers.svg",
    "page08_space_rocket.svg", "page09_train.svg", "page10_butterfly.svg",
    "page11_dinosaur.svg", "page12_elephant.svg", "page13_farm_cow_barn.svg",
    "page14_owl_in_tree.svg", "page15_teddy_bear.svg", "page16_ship_sailing.svg",
    "page17_snowman.svg", "page18_turtle.svg", "page19_birthday_cake.svg",
    "page20_lion.svg", "page21_underwater_octopus.svg",
]

# Points inside areas that must be separate: a child colouring one of them
# must not flood the others.  The first point of every list is the sky or
# background.
PROBES = {
    # wall, head, body, belly, floor, rug border, window pane, tail, collar
    'page01_cat.svg': [(560, 250), (403, 140), (330, 340), (403, 400), (700, 450), (403, 509), (100, 160), (601, 413), (403, 275)],
    # sky, head, body, grass, doghouse wall, door, ear, ball, eye patch
    'page02_dog.svg': [(300, 200), (440, 220), (480, 420), (700, 420), (150, 260), (153, 440), (380, 200), (300, 470), (480, 190)],
    # sky, wall, door, grass, tree crown, roof top, roof middle, window pane, trunk
    'page03_house.svg': [(300, 60), (320, 270), (395, 420), (700, 500), (690, 250), (395, 130), (395, 180), (285, 305), (685, 400)],
    # sky, car body, door, road, back window, front window, wheel, grass strip, star
    'page04_car.svg': [(400, 60), (250, 350), (350, 330), (400, 490), (380, 240), (470, 240), (250, 470), (580, 420), (416, 366)],
    # sky, gate, left tower, right tower, left roof, right roof, wall, grass, brick wall
    'page05_castle.svg': [(300, 160), (393, 420), (180, 300), (626, 300), (180, 150), (626, 150), (403, 230), (403, 500), (260, 450)],
    # water, sand, fish head, fish stripe, tail, top fin, bottom fin, water (right), small fish
    'page06_sea_fish.svg': [(300, 40), (400, 470), (500, 262), (330, 262), (160, 262), (380, 120), (380, 400), (700, 200), (640, 118)],
    # sky, grass, daisy middle, round flower middle, tulip, top petal, grass (right), leaf
    'page07_garden_flowers.svg': [(600, 60), (400, 500), (400, 176), (640, 248), (160, 200), (400, 100), (700, 490), (450, 340)],
    # space, moon, planet, saucer dome, rocket nose, rocket body, fin, star
    'page08_space_rocket.svg': [(200, 300), (110, 112), (660, 380), (680, 70), (460, 190), (398, 344), (340, 420), (300, 62)],
    # sky, carriage, wagon, cab, boiler, smoke puff, rail, block, bunny
    'page09_train.svg': [(300, 180), (140, 340), (380, 390), (560, 320), (690, 340), (610, 112), (400, 495), (324, 312), (97, 346)],
    # sky, left upper wing, right upper wing, left lower wing, right lower wing, body, head, wing spot, grass
    'page10_butterfly.svg': [(403, 30), (225, 250), (581, 250), (265, 440), (541, 440), (403, 300), (403, 156), (225, 150), (403, 500)],
    # sky, body, head, neck, volcano, egg, palm trunk, near leg, grass
    'page11_dinosaur.svg': [(300, 100), (370, 360), (594, 118), (560, 250), (160, 330), (630, 470), (722, 400), (275, 440), (403, 500)],
    # sky, head, left ear, right ear, tummy, back leg, trunk, tree trunk, grass
    'page12_elephant.svg': [(650, 300), (403, 196), (220, 196), (620, 200), (403, 420), (270, 470), (440, 300), (80, 400), (403, 500)],
    # sky, hayloft window, barn door, cow head, cow body, cow leg, grass, chick, muzzle
    'page13_farm_cow_barn.svg': [(400, 120), (150, 251), (120, 400), (440, 220), (560, 360), (470, 440), (300, 490), (340, 490), (440, 268)],
    # sky, owl head, belly, owl body, eye, branch, trunk, moon, tree hole rim
    'page14_owl_in_tree.svg': [(600, 150), (403, 132), (403, 310), (300, 300), (358, 165), (500, 390), (110, 400), (700, 96), (118, 110)],
    # wall, head, tummy, leg, ball, block, balloon, bow tie knot, floor
    'page15_teddy_bear.svg': [(600, 300), (403, 120), (403, 400), (300, 460), (120, 430), (690, 372), (636, 118), (403, 230), (700, 470)],
    # sky, main sail, jib top, hull, far sea, captain, sun, near sea, island
    'page16_ship_sailing.svg': [(300, 250), (480, 260), (370, 190), (400, 430), (700, 440), (520, 355), (90, 90), (400, 510), (690, 372)],
    # sky, head, middle ball, bottom ball, left tree, right tree, hat, snow, mitten
    'page17_snowman.svg': [(200, 300), (403, 140), (403, 240), (403, 470), (110, 330), (690, 330), (403, 60), (600, 480), (236, 178)],
    # sky, shell middle, shell side, head, leg, shell rim, grass, sun, butterfly wing
    'page18_turtle.svg': [(300, 100), (390, 290), (300, 250), (666, 270), (277, 430), (390, 382), (700, 460), (92, 86), (640, 110)],
    # wall, top tier, bottom tier, plate, balloon, balloon 2, gift, candle, balloon 3
    'page19_birthday_cake.svg': [(700, 60), (403, 240), (403, 400), (403, 490), (100, 190), (190, 250), (685, 420), (340, 190), (700, 170)],
    # sky, face, mane, leg, tree crown, butterfly wing, body, muzzle, grass
    'page20_lion.svg': [(700, 350), (403, 220), (403, 110), (360, 420), (112, 210), (690, 250), (310, 420), (403, 280), (600, 500)],
    # water, head, sand, chest, fish, starfish, crab, tentacle, tentacle tip
    'page21_underwater_octopus.svg': [(300, 40), (403, 130), (400, 500), (714, 460), (180, 90), (330, 490), (146, 470), (385, 315), (400, 400)],
}

ALLOWED_PAINT = {"none", "#000", "#000000", "black", "#fff", "#ffffff", "white"}
SVG_NS = "{http://www.w3.org/2000/svg}"


def check_svg_source(path):
    """Problems found in the SVG text itself."""
    problems = []
    try:
        root = ET.parse(path).getroot()
    except ET.ParseError as e:
        return ["not valid XML: %s" % e]
    if root.tag != SVG_NS + "svg":
        problems.append("root element is not svg")
    want = {"width": str(W), "height": str(H), "viewBox": "0 0 %d %d" % (W, H)}
    for key, value in want.items():
        if (root.get(key) or "").strip() != value:
            problems.append("%s should be %r" % (key, value))
    for el in root.iter():
        tag = el.tag.replace(SVG_NS, "")
        if tag in ("style", "image", "filter", "mask", "clipPath", "text", "linearGradient", "radialGradient"):
            problems.append("uses <%s>" % tag)
        for attr in ("fill", "stroke", "color", "stop-color"):
            v = el.get(attr)
            if v is not None and v.strip().lower() not in ALLOWED_PAINT:
                problems.append("%s=%r on <%s>" % (attr, v, tag))
        if el.get("style"):
            problems.append("style attribute on <%s>" % tag)
        for attr in ("opacity", "fill-opacity", "stroke-opacity"):
            v = el.get(attr)
            if v is not None and float(v) != 1.0:
                problems.append("%s=%s on <%s>" % (attr, v, tag))
        sw = el.get("stroke-width")
        if sw is not None and float(sw) < 3:
            problems.append("stroke-width %s on <%s>" % (sw, tag))
        for attr in ("href", "{http://www.w3.org/1999/xlink}href"):
            v = el.get(attr)
            if v is not None and not v.startswith("#"):
                problems.append("external reference %r" % v)
    return problems


def renderer():
    """The renderer named by PINTALOO_SVGRENDER (ctest sets it to the build's own), else
    the one in this checkout's build folder, else from PATH."""
    if os.environ.get("PINTALOO_SVGRENDER"):
        return os.environ["PINTALOO_SVGRENDER"]
    here = os.path.dirname(os.path.abspath(__file__))
    built = os.path.join(here, "..", "..", "build", "tools", "pintaloo-svgrender")
    return built if os.access(built, os.X_OK) else "pintaloo-svgrender"


def render_bits(path, tmpdir):
    """Renders the page and returns (bytearray of 0/1 with 1 = white, renderer messages)."""
    png = os.path.join(tmpdir, "page.png")
    env = dict(os.environ, XDG_RUNTIME_DIR=tmpdir)
    r = subprocess.run([renderer(), path, str(W), str(H), png],
                       capture_output=True, text=True, env=env)
    messages = (r.stdout + r.stderr).strip()
    if r.returncode != 0:
        raise RuntimeError("renderer failed: " + messages)
    raw = subprocess.run(["convert", png, "-background", "white", "-alpha", "remove",
                          "-colorspace", "Gray", "-threshold", "50%", "-depth", "8", "gray:-"],
                         capture_output=True, check=True).stdout
    if len(raw) != W * H:
        raise RuntimeError("unexpected image size from convert (%d bytes)" % len(raw))
    return bytearray(1 if b >= 128 else 0 for b in raw), messages


def label_areas(white):
    """4-connected labelling of the white pixels. Returns (labels, sizes)."""
    labels = [0] * (W * H)
    sizes = [0]
    for start in range(W * H):
        if not white[start] or labels[start]:
            continue
        lab = len(sizes)
        labels[start] = lab
        stack = [start]
        n = 0
        while stack:
            i = stack.pop()
            n += 1
            x = i % W
            if x > 0 and white[i - 1] and not labels[i - 1]:
                labels[i - 1] = lab; stack.append(i - 1)
            if x < W - 1 and white[i + 1] and not labels[i + 1]:
                labels[i + 1] = lab; stack.append(i + 1)
            if i >= W and white[i - W] and not labels[i - W]:
                labels[i - W] = lab; stack.append(i - W)
            if i < W * (H - 1) and white[i + W] and not labels[i + W]:
                labels[i + W] = lab; stack.append(i + W)
        sizes.append(n)
    return labels, sizes


def thin_pixels(white):
    """Black pixels that are a 1 px run both horizontally and vertically."""
    out = []
    for y in range(H):
        row = y * W
        for x in range(W):
            i = row + x
            if white[i]:
                continue
            left = x > 0 and not white[i - 1]
            right = x < W - 1 and not white[i + 1]
            up = y > 0 and not white[i - W]
            down = y < H - 1 and not white[i + W]
            if not (left or right) and not (up or down):
                out.append((x, y))
    return out


def stray_pixels(white):
    """Black pixels in the margin or in the hidden bottom rows."""
    out = []
    for y in range(H):
        row = y * W
        for x in range(W):
            if white[row + x]:
                continue
            if x < MARGIN or x >= W - MARGIN or y < MARGIN or y >= HIDDEN_FROM:
                out.append((x, y))
    return out


def write_debug(path, labels, sizes, white):
    rnd = random.Random(1)
    colours = [(0, 0, 0)] + [(rnd.randint(60, 255), rnd.randint(60, 255), rnd.randint(60, 255))
                             for _ in range(len(sizes) - 1)]
    big = max(range(1, len(sizes)), key=lambda k: sizes[k]) if len(sizes) > 1 else 0
    if big:
        colours[big] = (255, 255, 255)
    for k in range(1, len(sizes)):
        if sizes[k] < MIN_AREA:
            colours[k] = (255, 0, 0)
    data = bytearray()
    for i in range(W * H):
        data.extend(colours[labels[i]])
    ppm = path[:-4] + ".ppm"
    with open(ppm, "wb") as f:
        f.write(b"P6 %d %d 255\n" % (W, H))
        f.write(data)
    subprocess.run(["convert", ppm, path], check=True)
    os.remove(ppm)


def check_page(path, debug_dir=None):
    name = os.path.basename(path)
    failures = []
    counts = {}
    for problem in check_svg_source(path):
        counts[problem] = counts.get(problem, 0) + 1
    for problem, n in counts.items():
        failures.append(problem + (" (%d times)" % n if n > 1 else ""))
    with tempfile.TemporaryDirectory() as tmp:
        white, messages = render_bits(path, tmp)
    if messages:
        failures.append("renderer says: " + messages.replace("\n", " | ")[:200])
    labels, sizes = label_areas(white)
    areas = len(sizes) - 1
    small = sorted(((sizes[k], k) for k in range(1, len(sizes)) if sizes[k] < MIN_AREA))
    if small:
        where = []
        for size, k in small[:6]:
            i = labels.index(k)
            where.append("%dpx@(%d,%d)" % (size, i % W, i // W))
        failures.append("%d area(s) under %d px: %s" % (len(small), MIN_AREA, ", ".join(where)))
    thin = thin_pixels(white)
    if thin:
        failures.append("%d 1-px line pixel(s), first at %s" % (len(thin), thin[0]))
    stray = stray_pixels(white)
    if stray:
        failures.append("%d black pixel(s) in margin/hidden rows, first at %s" % (len(stray), stray[0]))
    if areas < MIN_AREAS:
        failures.append("only %d areas (want at least %d)" % (areas, MIN_AREAS))
    probes = PROBES.get(name, [])
    seen = {}
    for (x, y) in probes:
        lab = labels[y * W + x]
        if lab == 0:
            failures.append("probe (%d,%d) is on a black line" % (x, y))
        elif lab in seen:
            failures.append("probes %s and (%d,%d) are in one area (outline leaks)" % (seen[lab], x, y))
        else:
            seen[lab] = (x, y)
    if debug_dir:
        write_debug(os.path.join(debug_dir, name[:-4] + "_areas.png"), labels, sizes, white)
    big = sorted(sizes[1:], reverse=True)
    summary = "%-32s %3d areas, largest %s, smallest %d px" % (
        name, areas, "/".join(str(s) for s in big[:3]), min(sizes[1:]) if areas else 0)
    return summary, failures


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    ap = argparse.ArgumentParser(description="Check colouring pages for flood fill.")
    ap.add_argument("--dir", default=os.path.join(here, "..", "..", "resources", "pages"))
    ap.add_argument("--debug", help="write an area map PNG per page into this folder")
    ap.add_argument("pages", nargs="*")
    args = ap.parse_args()
    paths = args.pages or [os.path.join(args.dir, p) for p in PAGES]
    if args.debug:
        os.makedirs(args.debug, exist_ok=True)
    bad = 0
    for path in paths:
        if not os.path.exists(path):
            print("%-32s MISSING" % os.path.basename(path))
            bad += 1
            continue
        summary, failures = check_page(path, args.debug)
        print(summary + ("  OK" if not failures else "  FAIL"))
        for f in failures:
            print("    - " + f)
        bad += bool(failures)
    print("%d page(s) checked, %d failed" % (len(paths), bad))
    return 1 if bad else 0


if __name__ == "__main__":
    sys.exit(main())
