#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# The school's lock-down in the real program, in a private X server (Xvfb)
# with a window manager (openbox), driven with xdotool. The system-wide file
# locks all four lock-down keys; the user's file and the command line try
# to undo them and must not:
#   1. the window fills the screen, and F11 and Escape do not leave it;
#   2. Ctrl+Q and the window manager's close (Alt+F4) leave it open: no
#      grown-up can answer in this build, which is a no;
#   3. Ctrl+P, Ctrl+S and Ctrl+O show no other window (no print or file
#      dialog), and Ctrl+S files the drawing into the gallery;
#   4. the session ending (SIGTERM) still closes it, at once and cleanly.
#
# Usage: lockdown_test.sh PROGRAM
set -u
set -o pipefail

PROGRAM=${1:?usage: lockdown_test.sh PROGRAM}
for tool in Xvfb openbox xprop xdotool xdpyinfo; do
    command -v "$tool" >/dev/null || { echo "lockdown: FAIL: '$tool' is not installed" >&2; exit 1; }
done

WORK=$(mktemp -d "${TMPDIR:-/tmp}/pintaloo-lockdown.XXXXXX") || exit 1
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

step() { echo "lockdown: $*"; }
fail() {
    echo "lockdown: FAIL: $*" >&2
    [[ -s $WORK/run.log ]] && { echo "---- program output ----" >&2; tail -n 30 "$WORK/run.log" >&2; }
    exit 1
}

# shellcheck source=../../scripts/lib/private_xvfb.sh
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib/private_xvfb.sh"
XVFB_SCREEN=1280x1024x24 start_xvfb || fail "could not start Xvfb on any display :90..:99"
openbox >"$WORK/openbox.log" 2>&1 &
WM_PID=$!
deadline=$(( $(now_ms) + 10000 ))
until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do
    (( $(now_ms) < deadline )) || fail "openbox did not start within 10 s"
    sleep 0.1
done

export XDG_RUNTIME_DIR="$WORK/runtime" TMPDIR="$WORK/tmp" XDG_CACHE_HOME="$WORK/cache" XDG_STATE_HOME="$WORK/state"
export XDG_CONFIG_HOME="$WORK/config" XDG_CONFIG_DIRS="$WORK/school:$WORK/other" HOME="$WORK/home"
mkdir -p "$XDG_RUNTIME_DIR" "$TMPDIR" "$XDG_CACHE_HOME" "$HOME" "$XDG_CONFIG_HOME/pintaloo" "$WORK/school/pintaloo"
chmod 700 "$XDG_RUNTIME_DIR"
export SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY XDG_PICTURES_DIR QT_SCALE_FACTOR
GALLERY="$HOME/Pictures/Pintaloo"
cat >"$WORK/school/pintaloo/pintaloo.conf" <<'CONF'
[lock]
noQuit=true
noPrint=true
noFileDialogs=true
keepFullScreen=true
[locked]
lock/noQuit=true
lock/noPrint=true
lock/noFileDialogs=true
lock/keepFullScreen=true
CONF
printf '[lock]\nnoQuit=false\nnoPrint=false\n[window]\nfullScreen=false\n' >"$XDG_CONFIG_HOME/pintaloo/pintaloo.conf"

"$PROGRAM" --nosound --windowed --quit --print --filedialogs --leavefullscreen >"$WORK/run.log" 2>&1 &
PID=$!
alive() { kill -0 "$PID" 2>/dev/null || { wait "$PID"; fail "the program ended (status $?) $1"; }; }
# The program's visible windows, one id a line.
shown() { xdotool search --all --onlyvisible --pid "$PID" --name '.' 2>/dev/null | sort -u; }
deadline=$(( $(now_ms) + 30000 ))
WIN=""
until WIN=$(xdotool search --all --onlyvisible --pid "$PID" --name '^Pintaloo$' 2>/dev/null | head -n 1) && [[ -n $WIN ]]; do
    alive "before showing its window"
    (( $(now_ms) < deadline )) || fail "no window within 30 s"
    sleep 0.1
done
grep -q 'lock/noQuit' "$WORK/run.log" || fail "the options the school's locks beat were not named on standard error"
# Full screen, waited for (at most 5 s).
full() {
    local i
    for ((i = 0; i < 50; i++)); do
        eval "$(xdotool getwindowgeometry --shell "$WIN" 2>/dev/null)"
        [[ ${WIDTH:-0}x${HEIGHT:-0} == 1280x1024 ]] && return 0
        sleep 0.1
    done
    return 1
}
# Still full screen a second after: nothing on the way out.
stays_full() {
    sleep 1
    alive "$1"
    full || fail "$1: the window is ${WIDTH}x$HEIGHT, no longer full screen"
}
xdotool windowactivate --sync "$WIN" 2>/dev/null
full || fail "the window is ${WIDTH}x$HEIGHT, not full screen, though the school keeps it so"
BEFORE=$(shown)

# --- 1. full screen kept --------------------------------------------------------
step "F11 and Escape"
xdotool mousemove 640 500 sleep 0.2 key F11
stays_full "after F11"
xdotool key Escape
stays_full "after Escape"

# --- 2. closing refused ---------------------------------------------------------
step "Ctrl+Q and the window manager's close"
xdotool key ctrl+q
stays_full "after Ctrl+Q"
xdotool key alt+F4
stays_full "after Alt+F4"

# --- 3. no print or file dialog -------------------------------------------------
step "Ctrl+P, Ctrl+S, Ctrl+O"
for key in ctrl+p ctrl+s ctrl+o; do
    xdotool key "$key"
    sleep 1
    alive "after $key"
    [[ $(shown) == "$BEFORE" ]] || fail "$key showed another window: $(shown | tr '\n' ' ')"
done
deadline=$(( $(now_ms) + 10000 ))
until (( $(find "$GALLERY" -maxdepth 1 -name '*.png' 2>/dev/null | wc -l) == 1 )); do
    (( $(now_ms) < deadline )) || fail "Ctrl+S filed $(find "$GALLERY" -maxdepth 1 -name '*.png' 2>/dev/null | wc -l) PNGs into the gallery, not 1"
    sleep 0.1
done

# --- 4. the session's end still closes it ----------------------------------------
step "SIGTERM"
kill -TERM "$PID"
for ((i = 0; i < 100; i++)); do kill -0 "$PID" 2>/dev/null || break; sleep 0.1; done
kill -0 "$PID" 2>/dev/null && fail "the program did not end within 10 s of SIGTERM"
wait "$PID"
status=$?
PID=""
((status == 0)) || fail "the program ended with status $status"
step "all passed"
