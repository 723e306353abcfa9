#!/bin/sh
# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# Looks at own colouring pages and background pictures as a teacher would
# give them: a house in anti-aliased black lines on white (800 x 600) and a
# sky-and-meadow picture, put in a scratch data folder; then pictures of the
# whole window: the grid of pages, the house taken, filled and crayoned, and
# a page started on sky blue paper, crayoned and partly erased.
# Usage: tools/pages/try_own_pages.sh [build/ui/pintaloo-replay] [OUTPUT_FOLDER]
# Needs ImageMagick's convert.
set -eu
replay=${1:-build/ui/pintaloo-replay}
out=${2:-$(mktemp -d)}
data=$(mktemp -d)
mkdir -p "$data/pintaloo/pages" "$data/pintaloo/backgrounds" "$out"
convert -size 800x600 xc:white -fill none -stroke black -strokewidth 5 \
    -draw "polygon 200,300 400,120 600,300" -draw "rectangle 230,300 570,540" \
    -draw "rectangle 270,360 350,440" -draw "rectangle 430,400 510,540" \
    -draw "circle 680,110 730,110" "$data/pintaloo/pages/house.png"
convert -size 640x400 gradient:'#8fd0ff'-'#e8f6ff' \
    -fill '#7cc96a' -draw "ellipse 320,420 420,120 180,360" "$data/pintaloo/backgrounds/meadow.jpg"
cat > "$out/grid.txt" <<'SCRIPT'
KewlButtons1_MouseDown 1
PagesGrid
PagesGridNext
PagesGridNext
SCRIPT
cat > "$out/house.txt" <<'SCRIPT'
KewlButtons1_MouseDown 1
PagesGrid
PagesGridPick 21
bColor_Click 9
bBrush_MouseUp 5 1
pctDraw_MouseDown 1 400 250
pctDraw_MouseUp 1 400 250
bColor_Click 2
pctDraw_MouseDown 1 300 480
pctDraw_MouseUp 1 300 480
bColor_Click 14
bBrush_MouseUp 0 1
pctDraw_MouseDown 1 240 320
pctDraw_MouseMove 1 300 330
pctDraw_MouseMove 1 360 345
pctDraw_MouseMove 1 420 330
pctDraw_MouseUp 1 420 330
SCRIPT
cat > "$out/papers.txt" <<'SCRIPT'
KewlButtons1_MouseDown 1
Papers
SCRIPT
cat > "$out/paper.txt" <<'SCRIPT'
KewlButtons1_MouseDown 1
Papers
PaperPick 2
bColor_Click 0
pctDraw_MouseDown 1 200 200
pctDraw_MouseMove 1 400 260
pctDraw_MouseUp 1 400 260
bBrush_MouseUp 3 1
pctDraw_MouseDown 1 300 230
pctDraw_MouseUp 1 300 230
SCRIPT
for s in grid house papers paper; do
    XDG_DATA_HOME=$data XDG_DATA_DIRS=$data/none QT_QPA_PLATFORM=offscreen \
        "$replay" --window "$out/$s.png" "$out/$s.txt"
done
echo "pictures in $out"
rm -rf "$data"
