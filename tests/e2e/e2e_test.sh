#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# End-to-end test of the real program in a private X server (Xvfb) with a
# window manager (openbox):
#   1. the window appears, 827 x 728, and draws itself;
#   2. a click on the red swatch chooses red, and a drag with the left button
#      across the canvas leaves a red crayon line exactly where the pointer
#      went, while the rest of the page stays white;
#   3. a second copy ends by itself at once with status 0 and shows no window;
#      one that cannot reach the running copy's door says so, with status 1;
#   4. a copy killed with SIGKILL leaves its lock behind, and that lock does
#      not stop the next start; the new copy holds the lock again (a further
#      copy still ends at once);
#   5. the drawing survives: the line is back after a start that follows a
#      SIGKILL two seconds after it was drawn; a fill, then SIGTERM: the
#      program ends with status 0 and the next start shows the fill;
#   6. the close button ends the program with status 0 and releases the lock.
#
# Usage: e2e_test.sh PROGRAM [OUTPUT_DIR]
# The last screenshot of the painted window is saved as
# OUTPUT_DIR/e2e_screenshot.png (default: the current folder).
set -u
set -o pipefail

PROGRAM=${1:?usage: e2e_test.sh PROGRAM [OUTPUT_DIR]}
OUTDIR=${2:-$PWD}
[[ -x $PROGRAM ]] || { echo "e2e: FAIL: program '$PROGRAM' is not an executable file" >&2; exit 1; }
for tool in Xvfb openbox xprop xdotool xdpyinfo import convert; do
    command -v "$tool" >/dev/null || { echo "e2e: FAIL: '$tool' is not installed" >&2; exit 1; }
done

# --- layout of the window (window pixel coordinates) --------------------------
readonly WIN_W=827 WIN_H=728
readonly CANVAS_X0=9 CANVAS_Y0=76 CANVAS_X1=815 CANVAS_Y1=612
readonly RED_X=$((560 + 24 * 0 + 10)) RED_Y=$((632 + 24 * 2 + 10))  # swatch 14 (col 0, row 2), centre
readonly CHOSEN_X=784 CHOSEN_Y=665                                   # the box showing the chosen colour
readonly CLOSE_X=800 CLOSE_Y=8                                       # the close button, top right
readonly FILL_X=$((156 + 23)) FILL_Y=$((642 + 23))                   # the fill tool's button, centre
readonly FAR_X=$((CANVAS_X1 - 100)) FAR_Y=$((CANVAS_Y1 - 60))        # a part of the page away from the line

# --- bookkeeping and cleanup --------------------------------------------------
WORK=$(mktemp -d "${TMPDIR:-/tmp}/pintaloo-e2e.XXXXXX") || exit 1
chmod 700 "$WORK"
XVFB_PID=""
PIDS=()  # every program copy started here

# shellcheck disable=SC2317  # called by the trap
cleanup() {
    local p
    for p in "${PIDS[@]}"; do
        kill -KILL "$p" 2>/dev/null
        wait "$p" 2>/dev/null
    done
    stop_xvfb
    rm -rf "$WORK"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

step() { echo "e2e: $*"; }
fail() {
    echo "e2e: FAIL: $*" >&2
    local f
    for f in "$WORK"/run*.log; do
        [[ -s $f ]] || continue
        echo "---- $(basename "$f") ----" >&2
        tail -n 20 "$f" >&2
    done
    exit 1
}

# Milliseconds since the epoch, for bounded waits.

# --- a private X server -------------------------------------------------------
# shellcheck source=../../scripts/lib/private_xvfb.sh
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib/private_xvfb.sh"

start_xvfb || fail "could not start Xvfb on any display :90..:99"
start_window_manager || fail "openbox did not come up"
step "Xvfb runs on $DISPLAY"

# A private runtime folder (for the lock), temp folder, cache and state
# folder (where the drawing is kept between runs).
export XDG_RUNTIME_DIR="$WORK/runtime" TMPDIR="$WORK/tmp" XDG_CACHE_HOME="$WORK/cache" XDG_STATE_HOME="$WORK/state"
mkdir -p "$XDG_RUNTIME_DIR" "$TMPDIR" "$XDG_CACHE_HOME"
chmod 700 "$XDG_RUNTIME_DIR"
export SDL_AUDIODRIVER=dummy
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb

# --- helpers ------------------------------------------------------------------
RUNS=0
LAST_PID=""
start_program() {
    RUNS=$((RUNS + 1))
    "$PROGRAM" >"$WORK/run$RUNS.log" 2>&1 &
    LAST_PID=$!
    PIDS+=("$LAST_PID")
}

# The visible top-level windows titled exactly "Pintaloo" (optionally of one process).
pintaloo_windows() {
    if [[ $# -gt 0 ]]; then
        xdotool search --all --onlyvisible --pid "$1" --name '^Pintaloo$' 2>/dev/null
    else
        xdotool search --onlyvisible --name '^Pintaloo$' 2>/dev/null
    fi
}

# wait_window PID SECONDS: sets WIN_ID once the program's window is mapped;
# fails early when the program ends first.
WIN_ID=""
wait_window() {
    local pid=$1 deadline=$(( $(now_ms) + $2 * 1000 )) ids
    WIN_ID=""
    while (( $(now_ms) < deadline )); do
        ids=$(pintaloo_windows "$pid")
        if [[ -n $ids ]]; then
            WIN_ID=$(head -n 1 <<<"$ids")
            return 0
        fi
        if ! kill -0 "$pid" 2>/dev/null; then
            wait "$pid"
            fail "the program (pid $pid) ended with status $? before showing its window"
        fi
        sleep 0.1
    done
    fail "no Pintaloo window within $2 s (pid $pid)"
}

# wait_exit PID SECONDS: waits for the process to end; sets EXIT_STATUS.
# Returns 1 when it is still running at the deadline.
EXIT_STATUS=""
wait_exit() {
    local pid=$1 deadline=$(( $(now_ms) + $2 * 1000 ))
    while (( $(now_ms) < deadline )); do
        if ! kill -0 "$pid" 2>/dev/null; then
            wait "$pid"
            EXIT_STATUS=$?
            return 0
        fi
        sleep 0.05
    done
    return 1
}

SHOT="$WORK/shot.png"
screenshot() { import -window root "$SHOT" 2>>"$WORK/import.log"; }

# rgb_at X Y (screen coordinates) -> "R G B" from the last screenshot.
rgb_at() {
    convert "$SHOT" -alpha off -format "%[fx:int(255*p{$1,$2}.r+0.5)] %[fx:int(255*p{$1,$2}.g+0.5)] %[fx:int(255*p{$1,$2}.b+0.5)]" info:
}
is_red() { local r g b; read -r r g b <<<"$1"; (( r >= 200 && g <= 60 && b <= 60 )); }
is_white() { [[ $1 == "255 255 255" ]]; }

# count_pixels X Y W H -> "total red white" within that box of the last screenshot.
count_pixels() {
    convert "$SHOT" -alpha off -crop "$3x$4+$1+$2" +repage -depth 8 txt:- |
        awk 'NR > 1 && match($0, /\([0-9]+,[0-9]+,[0-9]+/) {
            split(substr($0, RSTART + 1, RLENGTH - 1), c, ",")
            n++; r = c[1] + 0; g = c[2] + 0; b = c[3] + 0
            if (r >= 200 && g <= 60 && b <= 60) red++
            if (r == 255 && g == 255 && b == 255) white++
        } END { printf "%d %d %d\n", n, red, white }'
}

# --- 1. the first copy shows its window ---------------------------------------
step "starting $PROGRAM"
start_program
PID1=$LAST_PID
wait_window "$PID1" 15
WIN=$WIN_ID
eval "$(xdotool getwindowgeometry --shell "$WIN")"  # X Y WIDTH HEIGHT
[[ $WIDTH == "$WIN_W" && $HEIGHT == "$WIN_H" ]] ||
    fail "window is ${WIDTH}x$HEIGHT, expected ${WIN_W}x$WIN_H"
WX=$X WY=$Y
step "window $WIN at $WX,$WY size ${WIDTH}x$HEIGHT"
# Nothing composites on this private X server: the window must be an ordinary
# one (the depth of the screen), cut round by its shape, never a see-through
# one the server would have to blend by itself on every paint.
depth=$(xwininfo -id "$WIN" | sed -n 's/^ *Depth: *//p')
[[ $depth == 24 ]] || fail "window depth is '$depth', expected 24 without a compositor"

# Waits (bounded) until the window has drawn itself: a white page and a red swatch.
deadline=$(( $(now_ms) + 10000 ))
while :; do
    screenshot
    swatch=$(rgb_at $((WX + RED_X)) $((WY + RED_Y)))
    paper=$(rgb_at $((WX + (CANVAS_X0 + CANVAS_X1) / 2)) $((WY + (CANVAS_Y0 + CANVAS_Y1) / 2)))
    is_red "$swatch" && is_white "$paper" && break
    (( $(now_ms) < deadline )) ||
        fail "window not drawn after 10 s: red swatch reads ($swatch), canvas centre reads ($paper)"
    sleep 0.2
done

# --- 2. choose red and paint a line -------------------------------------------
step "choosing red (swatch 14 at $RED_X,$RED_Y)"
xdotool mousemove $((WX + RED_X)) $((WY + RED_Y)) sleep 0.1 click 1
deadline=$(( $(now_ms) + 5000 ))
while :; do
    screenshot
    chosen=$(rgb_at $((WX + CHOSEN_X)) $((WY + CHOSEN_Y)))
    is_red "$chosen" && break
    (( $(now_ms) < deadline )) || fail "after a click on the red swatch the chosen colour box reads ($chosen), not red"
    sleep 0.2
done

# The line: from (80, 200) to (480, 300) in window coordinates, in 2-pixel
# steps so the crayon's dabs overlap into one line.
SX=80 SY=200 STEPS=200
path_x() { echo $((SX + 2 * $1)); }
path_y() { echo $((SY + $1 / 2)); }
drag=(mousemove $((WX + SX)) $((WY + SY)) sleep 0.05 mousedown 1 sleep 0.05)
for ((i = 1; i <= STEPS; i++)); do
    drag+=(mousemove $((WX + $(path_x $i))) $((WY + $(path_y $i))) sleep 0.005)
done
drag+=(sleep 0.05 mouseup 1 sleep 0.05 mousemove $((WX + 700)) $((WY + 660)))
step "dragging across the canvas from ($SX,$SY) to ($(path_x $STEPS),$(path_y $STEPS))"
timeout 30 xdotool "${drag[@]}" || fail "xdotool could not drag the mouse"

# Checks the pixels: every 20th pointer position (ends left out) has a 3 x 7
# box around it that is mostly red; the page 25 pixels above and below the
# line, and a far corner of the page, are still white.
check_stroke() {
    local i x y dy total red white sum_total=0 sum_red=0
    for ((i = 10; i <= STEPS - 10; i += 20)); do
        x=$((WX + $(path_x $i))) y=$((WY + $(path_y $i)))
        read -r total red white < <(count_pixels $((x - 1)) $((y - 3)) 3 7)
        (( total == 21 )) || { REPORT="could not read pixels at $x,$y"; return 1; }
        if (( red * 3 < total )); then
            REPORT="at pointer position $i (screen $x,$y) only $red of $total pixels are red"
            return 1
        fi
        sum_total=$((sum_total + total)) sum_red=$((sum_red + red))
        for dy in -25 25; do
            read -r total red white < <(count_pixels $((x - 1)) $((y + dy - 1)) 3 3)
            if (( total != 9 || white != total )); then
                REPORT="the page $dy pixels from the line at screen $x,$((y + dy)) is not white ($white of $total white)"
                return 1
            fi
        done
    done
    if (( sum_red * 10 < sum_total * 6 )); then
        REPORT="only $sum_red of $sum_total pixels along the line are red (expected at least 60%)"
        return 1
    fi
    # A far part of the page, away from the line: all white.
    read -r total red white < <(count_pixels $((WX + CANVAS_X1 - 200)) $((WY + CANVAS_Y1 - 150)) 150 100)
    if (( total != 15000 || white != total )); then
        REPORT="far part of the canvas (window $((CANVAS_X1 - 200)),$((CANVAS_Y1 - 150)) 150x100) has $((total - white)) non-white pixels"
        return 1
    fi
    # The line starts and ends where the pointer did: 10 pixels beyond either
    # end the page is white.
    for i in 0 "$STEPS"; do
        x=$((WX + $(path_x "$i") + (i == 0 ? -10 : 10))) y=$((WY + $(path_y "$i")))
        read -r total red white < <(count_pixels $((x - 1)) $((y - 1)) 3 3)
        if (( total != 9 || white != total )); then
            REPORT="paint 10 pixels beyond an end of the line, at screen $x,$y ($white of $total white)"
            return 1
        fi
    done
    return 0
}

REPORT=""
deadline=$(( $(now_ms) + 5000 ))
until screenshot && check_stroke; do
    (( $(now_ms) < deadline )) || {
        convert "$SHOT" -crop "${WIN_W}x$WIN_H+$WX+$WY" +repage "$OUTDIR/e2e_screenshot.png" 2>/dev/null
        fail "painted line wrong: $REPORT (see $OUTDIR/e2e_screenshot.png)"
    }
    sleep 0.2
done
convert "$SHOT" -crop "${WIN_W}x$WIN_H+$WX+$WY" +repage "$OUTDIR/e2e_screenshot.png" ||
    fail "could not save the screenshot to $OUTDIR"
step "red line painted where the pointer went; screenshot saved as $OUTDIR/e2e_screenshot.png"

# --- 3. a second copy ends at once --------------------------------------------
find_lock() {
    local f
    for f in "$XDG_RUNTIME_DIR"/pintaloo-tmp/*.lock "$XDG_RUNTIME_DIR"/*.lock "$TMPDIR"/*.lock; do
        [[ -e $f ]] && { echo "$f"; return 0; }
    done
    return 1
}
LOCK=$(find_lock) || fail "the running program holds no lock file in its private folder"
step "lock file: $LOCK"

second_copy_ends() {
    local holder=$1 n
    start_program
    local pid=$LAST_PID
    wait_exit "$pid" 5 || fail "a second copy (pid $pid) still runs after 5 s while pid $holder runs"
    (( EXIT_STATUS == 0 )) || fail "a second copy ended with status $EXIT_STATUS, expected 0"
    n=$(pintaloo_windows | wc -l)
    (( n == 1 )) || fail "$n Pintaloo windows are shown after a second start, expected 1"
    kill -0 "$holder" 2>/dev/null || fail "the running copy (pid $holder) ended when a second one started"
}
second_copy_ends "$PID1"
step "a second copy ended at once with status 0; one window is shown"

# A folder put where the running copy's door was: a second start cannot
# bring the window back, and says so (on the terminal; the offscreen
# platform shows no box) with status 1 instead of ending as if it had.
DOOR="$(dirname "$LOCK")/pintaloo.door"
[[ -S $DOOR ]] || fail "the running program has no door beside its lock"
rm -f "$DOOR" && mkdir "$DOOR"
RUNS=$((RUNS + 1))
QT_QPA_PLATFORM=offscreen timeout 10 "$PROGRAM" >"$WORK/run$RUNS.log" 2>&1
status=$?
rmdir "$DOOR"
(( status == 1 )) || fail "a second start that reached no door ended with status $status, expected 1"
grep -q "could not be brought to the front" "$WORK/run$RUNS.log" || fail "a second start that reached no door said nothing"
step "a second start that reached no door said so, with status 1"

# --- 4. a lock left by a killed copy does not block the next start ------------
# The drawing is kept within two seconds of a change; then the copy is killed.
sleep 2
kill -KILL "$PID1"
wait "$PID1" 2>/dev/null
[[ -e $LOCK ]] || fail "no lock left behind after SIGKILL, so a stale lock cannot be tried (expected $LOCK)"
step "killed pid $PID1 with SIGKILL; its lock $LOCK is left behind"
deadline=$(( $(now_ms) + 5000 ))
while [[ -n $(pintaloo_windows) ]]; do
    (( $(now_ms) < deadline )) || fail "the killed copy's window is still shown after 5 s"
    sleep 0.1
done

start_program
PID3=$LAST_PID
wait_window "$PID3" 15
WIN3=$WIN_ID
sleep 0.5
kill -0 "$PID3" 2>/dev/null || fail "the copy started over the stale lock ended soon after showing its window"
step "a new copy (pid $PID3) started over the stale lock; window $WIN3"
eval "$(xdotool getwindowgeometry --shell "$WIN3")"
WX=$X WY=$Y
REPORT=""
deadline=$(( $(now_ms) + 5000 ))
until screenshot && check_stroke; do
    (( $(now_ms) < deadline )) || fail "the line drawn before SIGKILL is not back: $REPORT"
    sleep 0.2
done
step "the line drawn two seconds before SIGKILL is back"
second_copy_ends "$PID3"
step "the new copy holds the lock: a further copy ended at once"

# --- 5. a fill, then SIGTERM: status 0, and the next start shows the fill ----
wait_red_at() {  # X Y (window) SECONDS WHAT
    local deadline=$(( $(now_ms) + $3 * 1000 )) seen
    while :; do
        screenshot
        seen=$(rgb_at $((WX + $1)) $((WY + $2)))
        is_red "$seen" && return 0
        (( $(now_ms) < deadline )) || fail "$4: the page at $1,$2 reads ($seen), not red"
        sleep 0.2
    done
}
xdotool mousemove $((WX + FILL_X)) $((WY + FILL_Y)) sleep 0.1 click 1 sleep 0.2 \
        mousemove $((WX + RED_X)) $((WY + RED_Y)) sleep 0.1 click 1 sleep 0.2 \
        mousemove $((WX + FAR_X)) $((WY + FAR_Y)) sleep 0.1 click 1 sleep 0.1 \
        mousemove $((WX + 700)) $((WY + 660))
wait_red_at "$FAR_X" "$FAR_Y" 5 "after a red fill"
step "filled the page red"
kill -TERM "$PID3"
wait_exit "$PID3" 10 || fail "the program still runs 10 s after SIGTERM"
(( EXIT_STATUS == 0 )) || fail "after SIGTERM the program ended with status $EXIT_STATUS, expected 0"
step "SIGTERM ended the program with status 0"
start_program
PID4=$LAST_PID
wait_window "$PID4" 15
WIN4=$WIN_ID
eval "$(xdotool getwindowgeometry --shell "$WIN4")"
WX=$X WY=$Y
wait_red_at "$FAR_X" "$FAR_Y" 5 "the start after SIGTERM"
step "the fill is there after the next start"

# --- 6. the close button ends the program and releases the lock ---------------
LOCK=$(find_lock) || fail "the running program holds no lock file in its private folder"
xdotool mousemove $((WX + CLOSE_X)) $((WY + CLOSE_Y)) sleep 0.1 click 1
wait_exit "$PID4" 10 || fail "the program still runs 10 s after a click on the close button"
(( EXIT_STATUS == 0 )) || fail "after the close button the program ended with status $EXIT_STATUS, expected 0"
[[ ! -e $LOCK ]] || fail "the lock $LOCK is still there after the program ended normally"
step "the close button ended the program with status 0 and released the lock"

step "PASS"
exit 0
