#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# The oil's pause and the film in the real program, in a private X server
# (Xvfb) with a window manager, driven with xdotool:
#   1. the oil three times, the film button, and Escape while the film plays
#      its first oil step: the film stops, the drawing shows as it was, and
#      the program goes on;
#   2. a red line, then the oil with Ctrl+Z pressed during its wait box: the
#      undo runs once the oil picture is made;
#   3. the close button; the story the program kept replays (with
#      pintaloo-replay) to the very canvas that was on the screen.
#
# Usage: film_test.sh PROGRAM REPLAY_TOOL
set -u
set -o pipefail

PROGRAM=${1:?usage: film_test.sh PROGRAM REPLAY_TOOL}
REPLAY=${2:?usage: film_test.sh PROGRAM REPLAY_TOOL}
for tool in Xvfb openbox xprop xdotool xdpyinfo import convert compare; do
    command -v "$tool" >/dev/null || { echo "film: FAIL: '$tool' is not installed" >&2; exit 1; }
done

# Window coordinates.
readonly CANVAS_X0=9 CANVAS_Y0=76 CANVAS_W=807 CANVAS_H=537
readonly RED_X=570 RED_Y=690      # swatch 14
readonly OIL_X=275 OIL_Y=665      # the oil button, centre
readonly FILM_X=416 FILM_Y=44     # the film button, centre
readonly CLOSE_X=800 CLOSE_Y=8
readonly REST_X=700 REST_Y=705    # a place below the buttons for the pointer to rest

WORK=$(mktemp -d "${TMPDIR:-/tmp}/pintaloo-film.XXXXXX") || exit 1
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

step() { echo "film: $*"; }
fail() {
    echo "film: FAIL: $*" >&2
    [[ -s $WORK/run.log ]] && { echo "---- program output ----" >&2; tail -n 30 "$WORK/run.log" >&2; }
    exit 1
}

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
unset WAYLAND_DISPLAY

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
sleep 1  # drawn, and the first-paint work done

# --- 1. the oil three times, the film, and Escape in its first oil step -----
xdotool mousemove $(at "$OIL_X" "$OIL_Y") sleep 0.1 click 1 sleep 1.5 click 1 sleep 1.5 click 1 sleep 1.5 \
        mousemove $(at "$REST_X" "$REST_Y") sleep 0.3
canvas_shot "$WORK/before_film.png" || fail "no screenshot"
xdotool mousemove $(at "$FILM_X" "$FILM_Y") sleep 0.1 click 1 sleep 0.4 key Escape sleep 2 \
        mousemove $(at "$REST_X" "$REST_Y") sleep 0.3
alive "after Escape while the film played an oil step"
canvas_shot "$WORK/after_film.png" || fail "no screenshot"
differ=$(compare -metric AE "$WORK/before_film.png" "$WORK/after_film.png" null: 2>&1)
[[ $differ == 0 ]] || fail "after the film stopped, $differ pixels of the canvas differ from the drawing"
step "the oil three times, the film, Escape: the film stopped and the drawing shows as it was"

# --- 2. a line, then the oil with Ctrl+Z during its wait box ------------------
drag=(mousemove $(at "$RED_X" "$RED_Y") sleep 0.1 click 1 sleep 0.2 mousemove $(at 100 200) sleep 0.05 mousedown 1)
for ((i = 1; i <= 60; i++)); do drag+=(mousemove $(at $((100 + 5 * i)) $((200 + 2 * i))) sleep 0.005); done
drag+=(mouseup 1 sleep 0.3)
timeout 30 xdotool "${drag[@]}" || fail "xdotool could not draw"
xdotool mousemove $(at "$OIL_X" "$OIL_Y") sleep 0.1 click 1 sleep 0.3 key ctrl+z sleep 2 \
        mousemove $(at "$REST_X" "$REST_Y") sleep 0.3
alive "after Ctrl+Z during the oil's wait"
canvas_shot "$WORK/shown.png" || fail "no screenshot"
step "a line, the oil, and Ctrl+Z pressed during the oil's wait box"

# --- 3. the story replays to the canvas on the screen ------------------------
xdotool mousemove $(at "$CLOSE_X" "$CLOSE_Y") sleep 0.1 click 1
deadline=$(( $(now_ms) + 10000 ))
while kill -0 "$PID" 2>/dev/null; do
    (( $(now_ms) < deadline )) || fail "the program still runs 10 s after the close button"
    sleep 0.05
done
wait "$PID"
status=$? PID=""
(( status == 0 )) || fail "the program ended with status $status"
story="$XDG_STATE_HOME/pintaloo/drawing.rec"
[[ -s $story ]] || fail "no story kept at $story"
QT_QPA_PLATFORM=offscreen "$REPLAY" --canvas "$WORK/replayed.bmp" "$story" >"$WORK/replay.log" 2>&1 ||
    fail "the replay tool refused the story: $(cat "$WORK/replay.log")"
differ=$(compare -metric AE "$WORK/shown.png" "$WORK/replayed.bmp" null: 2>&1)
[[ $differ == 0 ]] || {
    fail "the kept story replays to a canvas that differs in $differ pixels from the one shown"
}
step "the kept story replays to the canvas that was shown"
step "PASS"
exit 0
