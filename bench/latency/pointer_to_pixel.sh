#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# How long a stroke's paint trails the pointer: Pintaloo against mtPaint, each
# alone in its own private X server (Xvfb) under openbox.
#
# Usage: bench/latency/pointer_to_pixel.sh [PINTALOO] [RUNS] [STEPS] [INTERVAL_MS]
#   PINTALOO     defaults to build/ui/pintaloo
#   RUNS         drags per program, taken in turns (default 3)
#   STEPS        motions in each drag (default 40)
#   INTERVAL_MS  time between motions (default 16, a 60 Hz mouse)
# MTPAINT=/path/to/mtpaint picks another mtPaint (default /usr/bin/mtpaint);
# STEP_TIMEOUT_MS (default 500) is how long a step is watched before it counts
# as never painted.
#
# Each program starts with an empty paper and its default pen (Pintaloo's
# pencil in black; mtPaint's new 640x480 image, its paint tool in red). Once
# its window is still, pointer_timer.cpp presses the button on the paper and
# sends STEPS XTest motions 8 pixels apart, one every INTERVAL_MS, and times
# each from the motion sent to the moment the X server shows paint within a
# pixel of the new pointer position (polled with XGetImage as fast as the
# server answers; a step unpainted after STEP_TIMEOUT_MS is "never painted").
# The path is crossed once with the button up first: "hover" counts the steps
# whose pixels changed then, which should be 0 (else the program draws under
# the pointer and the figures mean little).
#
# Prints for each program: the median and 90th percentile of all painted
# steps of all runs, and the steps painted of all sent.
#
# Needs: Xvfb, openbox, xdpyinfo, xprop, g++, pkg-config, libX11 and libXtst
# development files.
set -u
set -o pipefail

HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
PROGRAM=${1:-$HERE/../../build/ui/pintaloo}
RUNS=${2:-3}
STEPS=${3:-40}
INTERVAL_MS=${4:-16}
MTPAINT=${MTPAINT:-/usr/bin/mtpaint}
STEP_TIMEOUT_MS=${STEP_TIMEOUT_MS:-500}
STEP_PX=8

die() { echo "pointer_to_pixel: $*" >&2; exit 1; }
[[ -x $PROGRAM ]] || die "'$PROGRAM' is not an executable file"
[[ -x $MTPAINT ]] || die "'$MTPAINT' is not an executable file (set MTPAINT)"
for n in "$RUNS" "$STEPS" "$INTERVAL_MS" "$STEP_TIMEOUT_MS"; do
    [[ $n =~ ^[1-9][0-9]*$ ]] || die "RUNS, STEPS, INTERVAL_MS and STEP_TIMEOUT_MS must be positive whole numbers"
done
(( STEPS <= 50 )) || die "at most 50 steps fit on both papers"
for tool in Xvfb xdpyinfo xprop openbox g++ pkg-config; do
    command -v "$tool" >/dev/null || die "'$tool' is not installed"
done

WORK=$(mktemp -d "${TMPDIR:-/tmp}/pintaloo-latency.XXXXXX") || exit 1
chmod 700 "$WORK"
# shellcheck source=../../scripts/lib/private_xvfb.sh
source "$HERE/../../scripts/lib/private_xvfb.sh"
export XVFB_PID="" WM_PID=""  # read by stop_xvfb
# shellcheck disable=SC2317  # called by the trap
cleanup() {
    stop_xvfb
    rm -rf "$WORK"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

pkg-config --exists x11 xtst || die "libX11 or libXtst development files missing (pkg-config)"
read -ra X_FLAGS <<<"$(pkg-config --cflags --libs x11 xtst)"
g++ -O2 -std=c++20 -o "$WORK/pointer_timer" "$HERE/pointer_timer.cpp" "${X_FLAGS[@]}" ||
    die "could not build pointer_timer.cpp"

# Nothing of the user's is read or changed: settings, kept drawings and
# mtPaint's ~/.mtpaint live in the scratch folder.
export HOME="$WORK/home" XDG_RUNTIME_DIR="$WORK/runtime" TMPDIR="$WORK/tmp" XDG_CACHE_HOME="$WORK/cache" \
    XDG_CONFIG_HOME="$WORK/config" XDG_DATA_HOME="$WORK/data" XDG_STATE_HOME="$WORK/state"
export SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY

# drag NAME TITLE X Y [--key KEYSYM] PROGRAM...: one drag on a fresh server and a fresh
# scratch home; its line goes to the terminal, its steps to $WORK/NAME.steps.
drag() {
    local name=$1 title=$2 x=$3 y=$4 line key=()
    shift 4
    if [[ $1 == --key ]]; then key=(--key "$2"); shift 2; fi
    rm -rf "$HOME" "$XDG_RUNTIME_DIR" "$TMPDIR" "$XDG_CACHE_HOME" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_STATE_HOME"
    mkdir -p "$HOME" "$XDG_RUNTIME_DIR" "$TMPDIR" "$XDG_CACHE_HOME" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_STATE_HOME"
    chmod 700 "$XDG_RUNTIME_DIR"
    start_xvfb || die "could not start Xvfb on any display :90..:99"
    start_window_manager || die "openbox did not come up"
    line=$("$WORK/pointer_timer" "${key[@]}" "$title" "$x" "$y" "$STEP_PX" 0 "$STEPS" "$INTERVAL_MS" "$STEP_TIMEOUT_MS" "$@" \
        2>>"$WORK/$name.err") || die "$name: $(tail -n 3 "$WORK/$name.err")"
    stop_xvfb
    echo "  $name: ${line%% steps_ms=*}"
    tr ',' '\n' <<<"${line##*steps_ms=}" >>"$WORK/$name.steps"
}

# The paper's places: Pintaloo's paper begins 10 pixels in and 76 down in
# the window as designed, mtPaint's image at about 95 by 100 in its new
# window, whose settings window covers its left part, so its drag runs
# lower and further right; both stay inside. mtPaint starts with its
# selection tool: F4 picks its paint tool.
echo "pointer to pixel: $RUNS drags each of $STEPS motions, ${INTERVAL_MS} ms apart, in turns"
: >"$WORK/pintaloo.steps"
: >"$WORK/mtpaint.steps"
for ((i = 1; i <= RUNS; i++)); do
    drag pintaloo "Pintaloo" 200 340 "$PROGRAM"
    drag mtpaint "mtPaint" 270 300 --key F4 "$MTPAINT"
done

# summary NAME: median, p90 and steps painted of all steps in $WORK/NAME.steps.
summary() {
    grep -v '^-' "$WORK/$1.steps" | sort -g >"$WORK/$1.painted"
    local painted all
    painted=$(wc -l <"$WORK/$1.painted")
    all=$(wc -l <"$WORK/$1.steps")
    awk -v all="$all" -v painted="$painted" '{ v[NR] = $1 } END {
        if (NR == 0) { printf "%12s %12s %10s/%s\n", "NA", "NA", 0, all; exit }
        med = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
        k = int((NR * 9 + 9) / 10); if (k < 1) k = 1
        printf "%12.1f %12.1f %10s/%s\n", med, v[k], painted, all }' "$WORK/$1.painted"
}

echo
echo "Pointer to pixel, all steps of $RUNS drags (Xvfb, $(nproc) CPUs)"
printf '%-10s %12s %12s %14s\n' "" "median (ms)" "p90 (ms)" "painted"
printf '%-10s %s\n' "Pintaloo" "$(summary pintaloo)"
printf '%-10s %s\n' "mtPaint" "$(summary mtpaint)"
