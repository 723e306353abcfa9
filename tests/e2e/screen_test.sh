#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program on a 1920 x 1080 screen in a private X server, at desktop
# scales 1, 1.5 and 2 and in full screen: the whole window is on the screen,
# and a red pencil press made with xdotool at a canvas point lands under the
# pointer (checked on a screenshot).
#
# Usage: screen_test.sh PROGRAM [OUTPUT_DIR]   (screenshots kept there)
set -u
set -o pipefail

PROGRAM=${1:?usage: screen_test.sh PROGRAM [OUTPUT_DIR]}
OUTDIR=${2:-$PWD}
[[ -x $PROGRAM ]] || { echo "screen: FAIL: '$PROGRAM' is not an executable file" >&2; exit 1; }
for tool in Xvfb openbox xprop xdotool xdpyinfo import convert; do
    command -v "$tool" >/dev/null || { echo "screen: FAIL: '$tool' is not installed" >&2; exit 1; }
done

readonly WIN_W=827 WIN_H=728 SCREEN_W=1920 SCREEN_H=1080
readonly RED_X=570 RED_Y=690            # the red swatch, window pixels
readonly DOT_X=409 DOT_Y=376            # canvas point (400, 300), window pixels

WORK=$(mktemp -d "${TMPDIR:-/tmp}/pintaloo-screen.XXXXXX") || exit 1
XVFB_PID="" APP=""
# shellcheck disable=SC2317  # called by the trap
cleanup() {
    [[ -n $APP ]] && { kill -KILL "$APP" 2>/dev/null; wait "$APP" 2>/dev/null; }
    stop_xvfb
    rm -rf "$WORK"
}
trap cleanup EXIT
fail() { echo "screen: FAIL: $*" >&2; exit 1; }

# shellcheck source=../../scripts/lib/private_xvfb.sh
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib/private_xvfb.sh"
XVFB_SCREEN=${SCREEN_W}x${SCREEN_H}x24 start_xvfb || fail "could not start Xvfb"
start_window_manager || fail "openbox did not come up"
export XDG_RUNTIME_DIR="$WORK/runtime" TMPDIR="$WORK/tmp" XDG_CACHE_HOME="$WORK/cache"
export XDG_CONFIG_HOME="$WORK/config" SDL_AUDIODRIVER=dummy
mkdir -p "$XDG_RUNTIME_DIR" "$TMPDIR" "$XDG_CACHE_HOME" "$XDG_CONFIG_HOME"
chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY

# Is there a red pixel within RADIUS of (X, Y) on the screenshot?
red_near() {
    local shot=$1 x=$2 y=$3 r=$4
    convert "$shot" -crop "$((2 * r + 1))x$((2 * r + 1))+$((x - r))+$((y - r))" txt:- 2>/dev/null |
        awk 'NR > 1 { split($0, a, "("); split(a[2], c, ","); if (c[1] > 200 && c[2] < 90 && c[3] + 0 < 90) found = 1 }
             END { exit !found }'
}

run_case() {
    local name=$1 scale=$2; shift 2
    echo "screen: $name"
    QT_SCALE_FACTOR=$scale "$PROGRAM" "$@" >"$WORK/$name.log" 2>&1 &
    APP=$!
    local win="" i
    for ((i = 0; i < 100; i++)); do
        win=$(xdotool search --onlyvisible --name '^Pintaloo$' 2>/dev/null | head -n 1)
        [[ -n $win ]] && break
        sleep 0.1
    done
    [[ -n $win ]] || fail "$name: no window appeared"
    sleep 1  # drawn
    local X Y WIDTH HEIGHT
    eval "$(xdotool getwindowgeometry --shell "$win")"
    echo "screen: $name: window at $X,$Y, $WIDTH x $HEIGHT"
    # The whole window on the screen.
    ((X >= 0 && Y >= 0 && X + WIDTH <= SCREEN_W && Y + HEIGHT <= SCREEN_H)) ||
        fail "$name: the window ($X,$Y $WIDTH x $HEIGHT) is not all on the screen"
    # Where window pixels are on the screen: scaled evenly (the same factor
    # across and down), centred when the window fills the screen.
    local s ox oy
    s=$(awk -v w="$WIDTH" -v h="$HEIGHT" -v fw="$WIN_W" -v fh="$WIN_H" \
        'BEGIN { a = w / fw; b = h / fh; s = a < b ? a : b; if (s > 0) printf "%.6f", int(s * 8 + 1e-6) / 8 }')
    ox=$(awk -v w="$WIDTH" -v s="$s" -v fw="$WIN_W" 'BEGIN { printf "%d", int((w - fw * s) / 2) }')
    oy=$(awk -v h="$HEIGHT" -v s="$s" -v fh="$WIN_H" 'BEGIN { printf "%d", int((h - fh * s) / 2) }')
    at() { awk -v o="$1" -v p="$2" -v s="$s" -v off="$3" 'BEGIN { printf "%d", o + off + p * s }'; }
    xdotool mousemove "$(at "$X" "$RED_X" "$ox")" "$(at "$Y" "$RED_Y" "$oy")" sleep 0.2 click 1
    local px py
    px=$(at "$X" "$DOT_X" "$ox")
    py=$(at "$Y" "$DOT_Y" "$oy")
    xdotool mousemove "$px" "$py" sleep 0.2 click 1 sleep 0.3 mousemove 5 5 sleep 0.5
    local shot="$WORK/$name.png"
    import -window root "$shot" 2>/dev/null || fail "$name: no screenshot"
    cp "$shot" "$OUTDIR/screen_$name.png" 2>/dev/null
    # The crayon leaves grains around its tip, a few window pixels across.
    local near
    near=$(awk -v s="$s" 'BEGIN { printf "%d", 6 * s + 1 }')
    red_near "$shot" "$px" "$py" "$near" || fail "$name: no red under the pointer at $px,$py (scale $s)"
    red_near "$shot" "$((px + 60))" "$py" 8 && fail "$name: red far from the pointer"
    kill -TERM "$APP" 2>/dev/null
    wait "$APP" 2>/dev/null
    APP=""
}

# F11 fills the screen and Escape gives it back; the close button still ends
# the program after the window has been in and out of full screen.
toggle_case() {
    echo "screen: F11 and Escape"
    "$PROGRAM" >"$WORK/toggle.log" 2>&1 &
    APP=$!
    local i size
    visible_size() {
        local w
        w=$(xdotool search --onlyvisible --name '^Pintaloo$' 2>/dev/null | head -n 1)
        [[ -n $w ]] && xdotool getwindowgeometry "$w" | awk '/Geometry/ { print $2 }'
    }
    wait_size() {
        for ((i = 0; i < 50; i++)); do
            size=$(visible_size)
            [[ $size == "$1" ]] && return 0
            sleep 0.1
        done
        fail "$2: the window is '$size', not $1"
    }
    wait_size "${WIN_W}x${WIN_H}" "at start"
    sleep 0.5
    xdotool mousemove 300 300 sleep 0.2 key F11
    wait_size "${SCREEN_W}x${SCREEN_H}" "after F11"
    xdotool key Escape
    wait_size "${WIN_W}x${WIN_H}" "after Escape"
    sleep 0.5
    local X Y WIDTH HEIGHT win
    win=$(xdotool search --onlyvisible --name '^Pintaloo$' | head -n 1)
    eval "$(xdotool getwindowgeometry --shell "$win")"
    xdotool mousemove $((X + 800)) $((Y + 8)) sleep 0.3 click 1
    for ((i = 0; i < 50; i++)); do
        kill -0 "$APP" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$APP" 2>/dev/null && fail "the close button did not end the program after full screen"
    wait "$APP"
    local status=$?
    APP=""
    ((status == 0)) || fail "the program ended with status $status"
}

run_case scale1 1
toggle_case
run_case scale1.5 1.5
run_case scale2 2
run_case fullscreen 1 --fullscreen
echo "screen: PASS"
