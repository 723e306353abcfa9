#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# The child's gallery in the real program, in a private X server (Xvfb) with
# a window manager, driven with xdotool:
#   1. a red line, Ctrl+N, a blue line, a colouring page from the page
#      picker: the gallery folder ($HOME/Pictures/Pintaloo, no pictures
#      folder named) holds two PNGs equal to the two canvases shown before
#      each replace, and the story inside each replays to its pixels;
#   2. "My drawings": a thumbnail of each in the desktop's cache, and a
#      press on the older one brings it back to the canvas exactly;
#   3. the replay tool alone: the same strokes with --pictures-dir list two
#      drawings, and picking the older gives the canvas of its strokes.
#
# Usage: gallery_test.sh PROGRAM REPLAY_TOOL
set -u
set -o pipefail

PROGRAM=${1:?usage: gallery_test.sh PROGRAM REPLAY_TOOL}
REPLAY=${2:?usage: gallery_test.sh PROGRAM REPLAY_TOOL}
PNG_TOOL="$(dirname "${BASH_SOURCE[0]}")/gallery_png.py"
for tool in Xvfb openbox xprop xdotool xdpyinfo import convert compare /usr/bin/python3; do
    command -v "$tool" >/dev/null || { echo "gallery: FAIL: '$tool' is not installed" >&2; exit 1; }
done

# Window coordinates.
readonly CANVAS_X0=9 CANVAS_Y0=76 CANVAS_W=807 CANVAS_H=537
readonly RED_X=570 RED_Y=690          # swatch 14
readonly BLUE_X=690 BLUE_Y=666        # swatch 12
readonly PAGES_X=664 PAGES_Y=44       # the colouring page command
readonly PAGE_X=412 PAGE_Y=363        # the page the picker shows
readonly GALLERY_X=600 GALLERY_Y=44   # "My drawings"
readonly TILE1_X=314 TILE1_Y=199      # the gallery's second tile
readonly CLOSE_X=800 CLOSE_Y=8
readonly REST_X=700 REST_Y=705        # a place below the buttons for the pointer to rest

WORK=$(mktemp -d "${TMPDIR:-/tmp}/pintaloo-gallery.XXXXXX") || exit 1
chmod 700 "$WORK"
XVFB_PID="" WM_PID="" PID=""

# shellcheck disable=SC2317  # called by the trap
cleanup() {
    [[ -n $PID ]] && { kill -KILL "$PID" 2>/dev/null; wait "$PID" 2>/dev/null; }
    [[ -n $WM_PID ]] && { kill -TERM "$WM_PID" 2>/dev/null; wait "$WM_PID" 2>/dev/null; }
    stop_xvfb
    rm -rf "$WORK"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

step() { echo "gallery: $*"; }
fail() {
    echo "gallery: FAIL: $*" >&2
    [[ -s $WORK/run.log ]] && { echo "---- program output ----" >&2; tail -n 30 "$WORK/run.log" >&2; }
    exit 1
}
# The number of pixels in which two pictures differ (alpha aside).
differ() { compare -metric AE "$1" -alpha off "$2" -alpha off null: 2>&1; }

# shellcheck source=../../scripts/lib/private_xvfb.sh
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib/private_xvfb.sh"
start_xvfb || fail "could not start Xvfb on any display :90..:99"
openbox >"$WORK/openbox.log" 2>&1 &
WM_PID=$!
# A window mapped while the manager starts can be left unmapped by it: the
# program starts once the manager says it runs.
deadline=$(( $(now_ms) + 10000 ))
until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do
    (( $(now_ms) < deadline )) || fail "openbox did not start within 10 s"
    sleep 0.1
done

export XDG_RUNTIME_DIR="$WORK/runtime" TMPDIR="$WORK/tmp" XDG_CACHE_HOME="$WORK/cache" XDG_STATE_HOME="$WORK/state"
export XDG_CONFIG_HOME="$WORK/config" HOME="$WORK/home"
mkdir -p "$XDG_RUNTIME_DIR" "$TMPDIR" "$XDG_CACHE_HOME" "$HOME"
chmod 700 "$XDG_RUNTIME_DIR"
export SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY XDG_PICTURES_DIR
GALLERY="$HOME/Pictures/Pintaloo"

"$PROGRAM" --nosound >"$WORK/run.log" 2>&1 &
PID=$!
deadline=$(( $(now_ms) + 30000 ))
WIN=""
until WIN=$(xdotool search --all --onlyvisible --pid "$PID" --name '^Pintaloo$' 2>/dev/null | head -n 1) && [[ -n $WIN ]]; do
    kill -0 "$PID" 2>/dev/null || fail "the program ended before showing its window"
    (( $(now_ms) < deadline )) ||
        fail "no window within 30 s; windows named Pintaloo: $(xdotool search --name Pintaloo 2>&1 | tr '\n' ' ')"
    sleep 0.1
done
xdotool windowactivate --sync "$WIN" 2>/dev/null
eval "$(xdotool getwindowgeometry --shell "$WIN")"  # X Y WIDTH HEIGHT
WX=$X WY=$Y
SHOT="$WORK/shot.png"
alive() { kill -0 "$PID" 2>/dev/null || { wait "$PID"; fail "the program ended (status $?) $1"; }; }
at() { echo $((WX + $1)) $((WY + $2)); }
# The canvas as the screen shows it, to FILE.
canvas_shot() {
    import -window root "$SHOT" 2>>"$WORK/import.log" &&
        convert "$SHOT" -crop "${CANVAS_W}x$CANVAS_H+$((WX + CANVAS_X0))+$((WY + CANVAS_Y0))" +repage "$1"
}
# A line with the swatch at window X,Y, from canvas point (X0,Y0) along (DX,DY) per step.
line() {
    local drag=(mousemove $(at "$1" "$2") sleep 0.1 click 1 sleep 0.2 mousemove $(at "$3" "$4") sleep 0.05 mousedown 1)
    for ((i = 1; i <= 50; i++)); do drag+=(mousemove $(at $(($3 + $5 * i)) $(($4 + $6 * i))) sleep 0.005); done
    drag+=(mouseup 1 sleep 0.3 mousemove $(at "$REST_X" "$REST_Y") sleep 0.3)
    timeout 30 xdotool "${drag[@]}" || fail "xdotool could not draw"
}
# Waits (bounded) until the gallery folder holds N PNGs.
wait_for_pngs() {
    local deadline=$(( $(now_ms) + 10000 ))
    until (( $(find "$GALLERY" -maxdepth 1 -name '*.png' 2>/dev/null | wc -l) == $1 )); do
        (( $(now_ms) < deadline )) ||
            fail "$2: the gallery holds $(find "$GALLERY" -maxdepth 1 -name '*.png' 2>/dev/null | wc -l) PNGs, not $1"
        sleep 0.1
    done
}
sleep 1  # drawn, and the first-paint work done

# --- 1. two drawings replaced, two PNGs ---------------------------------------
line "$RED_X" "$RED_Y" 100 200 6 3
canvas_shot "$WORK/first.png" || fail "no screenshot"
xdotool key ctrl+n sleep 0.5
alive "after Ctrl+N"
wait_for_pngs 1 "after Ctrl+N"
line "$BLUE_X" "$BLUE_Y" 150 450 10 -5
canvas_shot "$WORK/second.png" || fail "no screenshot"
xdotool mousemove $(at "$PAGES_X" "$PAGES_Y") sleep 0.1 click 1 sleep 0.8 \
        mousemove $(at "$PAGE_X" "$PAGE_Y") sleep 0.1 click 1 sleep 0.8 mousemove $(at "$REST_X" "$REST_Y") sleep 0.3
alive "after taking a colouring page"
wait_for_pngs 2 "after a colouring page"
canvas_shot "$WORK/page.png" || fail "no screenshot"
[[ $(differ "$WORK/page.png" "$WORK/second.png") != 0 ]] || fail "the colouring page did not replace the drawing"

OLDER="" NEWER=""
while IFS= read -r -d '' png; do
    if [[ $(differ "$png" "$WORK/first.png") == 0 ]]; then OLDER=$png
    elif [[ $(differ "$png" "$WORK/second.png") == 0 ]]; then NEWER=$png
    else fail "$(basename "$png") equals neither drawing shown ($(differ "$png" "$WORK/first.png") and $(differ "$png" "$WORK/second.png") pixels differ)"
    fi
done < <(find "$GALLERY" -maxdepth 1 -name '*.png' -print0)
[[ -n $OLDER && -n $NEWER ]] || fail "the two PNGs are not the two drawings (older '$OLDER', newer '$NEWER')"
step "two drawings replaced: the gallery holds '$(basename "$OLDER")' and '$(basename "$NEWER")', equal to the canvases shown"

n=0
for png in "$OLDER" "$NEWER"; do
    n=$((n + 1))
    mkdir -p "$WORK/story$n"
    /usr/bin/python3 "$PNG_TOOL" story "$png" "$WORK/story$n" 2>"$WORK/story$n.log" ||
        fail "$(basename "$png"): $(cat "$WORK/story$n.log")"
    QT_QPA_PLATFORM=offscreen "$REPLAY" --canvas "$WORK/replayed$n.bmp" "$WORK/story$n/story.rec" >"$WORK/replay.log" 2>&1 ||
        fail "the replay tool refused the story inside $(basename "$png"): $(cat "$WORK/replay.log")"
    d=$(differ "$png" "$WORK/replayed$n.bmp")
    [[ $d == 0 ]] || fail "the story inside $(basename "$png") replays to a canvas $d pixels away from its picture"
done
step "the story inside each PNG replays to its pixels"

# --- 2. the gallery panel, its thumbnails, and the older drawing back ---------
xdotool mousemove $(at "$GALLERY_X" "$GALLERY_Y") sleep 0.1 click 1 sleep 0.3 mousemove $(at "$REST_X" "$REST_Y")
alive "after opening the gallery"
for png in "$OLDER" "$NEWER"; do
    read -r uri md5 < <(/usr/bin/python3 "$PNG_TOOL" uri "$png")
    thumb="$XDG_CACHE_HOME/thumbnails/large/$md5.png"
    deadline=$(( $(now_ms) + 10000 ))
    until [[ -s $thumb ]]; do
        (( $(now_ms) < deadline )) ||
            fail "no thumbnail of $(basename "$png") at $thumb; the cache holds: $(find "$XDG_CACHE_HOME" -type f | tr '\n' ' ')"
        sleep 0.1
    done
    sleep 0.2  # written whole (it is renamed into place, but be kind to a slow disk)
    [[ $(/usr/bin/python3 "$PNG_TOOL" thumb-uri "$thumb") == "$uri" ]] ||
        fail "the thumbnail of $(basename "$png") names $(/usr/bin/python3 "$PNG_TOOL" thumb-uri "$thumb"), not $uri"
done
step "a thumbnail of each drawing in the desktop's cache, named by its URI"

xdotool mousemove $(at "$TILE1_X" "$TILE1_Y") sleep 0.1 click 1 sleep 0.8 mousemove $(at "$REST_X" "$REST_Y") sleep 0.3
alive "after picking the older drawing"
canvas_shot "$WORK/picked.png" || fail "no screenshot"
d=$(differ "$WORK/picked.png" "$WORK/first.png")
[[ $d == 0 ]] || fail "the older drawing picked in the gallery differs in $d pixels from the one drawn"
step "a press on the older drawing's thumbnail brings it back exactly"

xdotool mousemove $(at "$CLOSE_X" "$CLOSE_Y") sleep 0.1 click 1
deadline=$(( $(now_ms) + 10000 ))
while kill -0 "$PID" 2>/dev/null; do
    (( $(now_ms) < deadline )) || fail "the program still runs 10 s after the close button"
    sleep 0.05
done
wait "$PID"
status=$? PID=""
(( status == 0 )) || fail "the program ended with status $status"

# --- 3. the replay tool alone -------------------------------------------------
cat >"$WORK/first.txt" <<'SCRIPT'
bColor_Click 14
pctDraw_MouseDown 1 100 200
pctDraw_MouseMove 1 300 260
pctDraw_MouseUp 1 400 300
SCRIPT
{ cat "$WORK/first.txt"; cat <<'SCRIPT'
KewlButtons2_MouseDown 1
bColor_Click 12
pctDraw_MouseDown 1 150 450
pctDraw_MouseUp 1 600 200
KewlButtons1_MouseDown 1
Image3_Click
Gallery
SCRIPT
} >"$WORK/listed.txt"
{ cat "$WORK/listed.txt"; echo "GalleryPick 1"; } >"$WORK/picked.txt"
export QT_QPA_PLATFORM=offscreen
"$REPLAY" --canvas "$WORK/first.bmp" "$WORK/first.txt" >"$WORK/replay.log" 2>&1 ||
    fail "the replay tool refused the first strokes: $(cat "$WORK/replay.log")"
mkdir -p "$WORK/pictures-a" "$WORK/pictures-b"
"$REPLAY" --pictures-dir "$WORK/pictures-a" --state "$WORK/listed.state" "$WORK/listed.txt" >"$WORK/replay.log" 2>&1 ||
    fail "the replay tool refused the gallery script: $(cat "$WORK/replay.log")"
grep -qx 'Gallery.Visible=True' "$WORK/listed.state" || fail "the gallery is not open: $(grep '^Gallery\.' "$WORK/listed.state")"
grep -qx 'Gallery.Count=2' "$WORK/listed.state" || fail "the replayed gallery does not list two drawings: $(grep '^Gallery\.' "$WORK/listed.state")"
for i in 0 1; do
    name=$(sed -n "s/^Gallery($i)\.File=//p" "$WORK/listed.state")
    [[ -n $name && -f "$WORK/pictures-a/$name" ]] || fail "Gallery($i).File names '$name', not a file of the folder"
done
"$REPLAY" --pictures-dir "$WORK/pictures-b" --canvas "$WORK/picked.bmp" "$WORK/picked.txt" >"$WORK/replay.log" 2>&1 ||
    fail "the replay tool refused the pick: $(cat "$WORK/replay.log")"
cmp -s "$WORK/first.bmp" "$WORK/picked.bmp" || fail "GalleryPick 1 gives a canvas other than the first strokes'"
step "the replay tool: two drawings listed, and GalleryPick 1 gives the first strokes' canvas"
step "PASS"
exit 0
