#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program under a window manager (openbox) in a private X server,
# where the window is moved, minimised and made full screen as on a desktop:
#   1. full screen from a window moved away from the corner, on screens of
#      1366 x 768, 1920 x 1080, 3840 x 2160 (desktop scale 2) and 1024 x 640
#      (where the window is shown scaled down): the whole window is centred
#      on the screen and a press lands under the pointer; Escape puts the
#      window back where it stood;
#   2. a second start brings the first copy's minimised window back, shown
#      and focused, and ends by itself with status 0;
#   3. "help and about" with no web browser to be had opens the help in a
#      window of the program's own, which its close button closes;
#   4. no quit complains about the lock file;
#   5. with no display the program says it needs a graphical desktop and
#      ends with status 1, no crash;
#   6. a window nobody has touched has no fonts set up, repainted by the
#      window manager or not (its help line is the picture a start before
#      kept), and has them once the pointer moves over it.
#
# Usage: window_manager_test.sh PROGRAM [OUTPUT_DIR]   (screenshots kept there)
set -u
set -o pipefail

PROGRAM=${1:?usage: window_manager_test.sh PROGRAM [OUTPUT_DIR]}
OUTDIR=${2:-$PWD}
[[ -x $PROGRAM ]] || { echo "wm: FAIL: '$PROGRAM' is not an executable file" >&2; exit 1; }
for tool in Xvfb openbox xdotool xdpyinfo xprop xwininfo import convert; do
    command -v "$tool" >/dev/null || { echo "wm: FAIL: '$tool' is not installed" >&2; exit 1; }
done

readonly WIN_W=827 WIN_H=728
readonly RED_X=570 RED_Y=690   # the red swatch, window pixels
readonly DOT_X=409 DOT_Y=376   # canvas point (400, 300), window pixels
readonly HELP_X=760 HELP_Y=720 # the "help and about" line
readonly MOVED_X=700 MOVED_Y=300

WORK=$(mktemp -d "${TMPDIR:-/tmp}/pintaloo-wm.XXXXXX") || exit 1
chmod 700 "$WORK"
XVFB_PID="" WM_PID="" APP=""
# shellcheck disable=SC2317  # called by the trap
cleanup() {
    [[ -n $APP ]] && { kill -KILL "$APP" 2>/dev/null; wait "$APP" 2>/dev/null; }
    stop_xvfb
    rm -rf "$WORK"
}
trap cleanup EXIT
trap 'exit 130' INT TERM
FAILED=0
fail() {
    echo "wm: FAIL: $*" >&2
    FAILED=1
}
fatal() {
    fail "$@"
    for f in "$WORK"/*.log; do
        [[ -s $f ]] && { echo "---- $(basename "$f") ----" >&2; tail -n 15 "$f" >&2; }
    done
    exit 1
}

# shellcheck source=../../scripts/lib/private_xvfb.sh
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib/private_xvfb.sh"
export XDG_RUNTIME_DIR="$WORK/runtime" TMPDIR="$WORK/tmp" XDG_CACHE_HOME="$WORK/cache"
export XDG_CONFIG_HOME="$WORK/config" XDG_STATE_HOME="$WORK/state" SDL_AUDIODRIVER=dummy
mkdir -p "$XDG_RUNTIME_DIR" "$TMPDIR" "$XDG_CACHE_HOME" "$XDG_CONFIG_HOME"
chmod 700 "$XDG_RUNTIME_DIR"
unset WAYLAND_DISPLAY QT_SCALE_FACTOR
export QT_QPA_PLATFORM=xcb

# A screen of WxH with openbox managing it.
new_screen() {
    stop_xvfb
    XVFB_SCREEN="$1x24" start_xvfb || fatal "could not start Xvfb at $1"
    start_window_manager || fatal "openbox did not come up at $1"
}

# The visible window titled "Pintaloo", waited for (at most 15 s).
WIN=""
wait_window() {
    local i
    WIN=""
    for ((i = 0; i < 150; i++)); do
        WIN=$(xdotool search --onlyvisible --name '^Pintaloo$' 2>/dev/null | head -n 1)
        [[ -n $WIN ]] && return 0
        [[ -n $APP ]] && ! kill -0 "$APP" 2>/dev/null && fatal "$1: the program ended before showing its window"
        sleep 0.1
    done
    fatal "$1: no window appeared"
}

# Waits (at most 5 s) until the visible window is W x H; sets X Y WIDTH HEIGHT.
X=0 Y=0 WIDTH=0 HEIGHT=0
wait_size() {
    local i w
    for ((i = 0; i < 50; i++)); do
        w=$(xdotool search --onlyvisible --name '^Pintaloo$' 2>/dev/null | head -n 1)
        if [[ -n $w ]]; then
            eval "$(xdotool getwindowgeometry --shell "$w")"
            [[ ${WIDTH}x$HEIGHT == "$1" ]] && { WIN=$w; return 0; }
        fi
        sleep 0.1
    done
    fail "$2: the window is ${WIDTH}x$HEIGHT at $X,$Y, not $1"
    return 1
}

# Is there a red pixel within RADIUS of (X, Y) on the screenshot?
red_near() {
    convert "$1" -crop "$((2 * $4 + 1))x$((2 * $4 + 1))+$(($2 - $4))+$(($3 - $4))" txt:- 2>/dev/null |
        awk 'NR > 1 { split($0, a, "("); split(a[2], c, ","); if (c[1] > 200 && c[2] < 90 && c[3] + 0 < 90) found = 1 }
             END { exit !found }'
}

# Ends the copy with its close button path (SIGTERM) and checks it ends
# cleanly, without a word about its lock.
end_program() {
    local i
    kill -TERM "$APP" 2>/dev/null
    for ((i = 0; i < 100; i++)); do kill -0 "$APP" 2>/dev/null || break; sleep 0.1; done
    wait "$APP"
    local status=$?
    APP=""
    ((status == 0)) || fail "$1: the program ended with status $status"
    ! grep -q 'lock file' "$WORK/$1.log" || fail "$1: a quit complained: $(grep 'lock file' "$WORK/$1.log")"
}

# 1. F11 from a moved window: NAME SCREEN DESKTOP_SCALE
full_screen_case() {
    local name=$1 screen=$2 dpr=$3
    echo "wm: $name: full screen from a window moved to $MOVED_X,$MOVED_Y"
    new_screen "$screen"
    local sw=${screen%x*} sh=${screen#*x}
    QT_SCALE_FACTOR=$dpr "$PROGRAM" --windowed >"$WORK/$name.log" 2>&1 &
    APP=$!
    wait_window "$name"
    sleep 1
    xdotool windowmove "$WIN" "$MOVED_X" "$MOVED_Y"
    sleep 0.5
    eval "$(xdotool getwindowgeometry --shell "$WIN")"
    local before="$X,$Y ${WIDTH}x$HEIGHT"
    ((X == MOVED_X && Y == MOVED_Y)) || fail "$name: the window went to $X,$Y, not $MOVED_X,$MOVED_Y"
    xdotool mousemove $((X + 300)) $((Y + 300)) sleep 0.2 key F11
    wait_size "$screen" "$name: after F11" || { end_program "$name"; return; }
    ((X == 0 && Y == 0)) || fail "$name: full screen is at $X,$Y"
    sleep 1
    # Where window pixels are, in device pixels: the largest scale in eighths
    # that fits, centred on the screen.
    local s ox oy
    s=$(awk -v w="$sw" -v h="$sh" -v fw="$WIN_W" -v fh="$WIN_H" \
        'BEGIN { a = w / fw; b = h / fh; m = a < b ? a : b; printf "%.6f", int(m * 8 + 1e-6) / 8 }')
    ox=$(awk -v w="$sw" -v s="$s" -v fw="$WIN_W" 'BEGIN { printf "%d", int((w - fw * s) / 2) }')
    oy=$(awk -v h="$sh" -v s="$s" -v fh="$WIN_H" 'BEGIN { printf "%d", int((h - fh * s) / 2) }')
    at() { awk -v p="$1" -v s="$s" -v off="$2" 'BEGIN { printf "%d", off + p * s }'; }
    local shot="$WORK/$name.png" px py
    px=$(at "$DOT_X" "$ox") py=$(at "$DOT_Y" "$oy")
    xdotool mousemove "$(at "$RED_X" "$ox")" "$(at "$RED_Y" "$oy")" sleep 0.2 click 1 \
            mousemove "$px" "$py" sleep 0.2 click 1 sleep 0.3 mousemove 5 5 sleep 0.5
    import -window root "$shot" 2>/dev/null || fatal "$name: no screenshot"
    cp "$shot" "$OUTDIR/wm_fullscreen_$name.png" 2>/dev/null
    local near
    near=$(awk -v s="$s" 'BEGIN { printf "%d", 6 * s + 1 }')
    red_near "$shot" "$px" "$py" "$near" ||
        fail "$name: the red pencil press at $px,$py (scale $s, window at $ox,$oy) left no red there"
    # The window's white page fills its place and the backdrop is left and
    # right of it: a window pushed aside would leave backdrop at its left.
    local left
    left=$(convert "$shot" -format "%[pixel:p{$(at 40 "$ox"),$(at 120 "$oy")}]" info:)
    [[ $left == "white" || $left == "srgb(255,255,255)" ]] ||
        fail "$name: the page's left edge at window pixel 40,120 reads $left, not white"
    xdotool key Escape
    wait_size "$(cut -d' ' -f2 <<<"$before")" "$name: after Escape"
    [[ "$X,$Y ${WIDTH}x$HEIGHT" == "$before" ]] ||
        fail "$name: back from full screen at $X,$Y ${WIDTH}x$HEIGHT, not where it stood ($before)"
    end_program "$name"
}

# 2. A second start brings the minimised first copy back.
second_start_case() {
    echo "wm: a second start brings the minimised window back"
    new_screen 1920x1080
    "$PROGRAM" --windowed >"$WORK/first.log" 2>&1 &
    APP=$!
    wait_window "first"
    sleep 1
    local first=$WIN i
    xdotool windowminimize "$first"
    for ((i = 0; i < 50; i++)); do
        xwininfo -id "$first" | grep -q 'IsViewable' || break
        sleep 0.1
    done
    xwininfo -id "$first" | grep -q 'IsViewable' && fail "the window could not be minimised"
    "$PROGRAM" >"$WORK/second.log" 2>&1 &
    local second=$!
    for ((i = 0; i < 50; i++)); do kill -0 "$second" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$second" 2>/dev/null && { kill -KILL "$second"; fail "the second copy still runs after 5 s"; }
    wait "$second"
    local status=$?
    ((status == 0)) || fail "the second copy ended with status $status"
    for ((i = 0; i < 50; i++)); do
        xwininfo -id "$first" | grep -q 'IsViewable' && [[ $(xdotool getactivewindow 2>/dev/null) == "$first" ]] && break
        sleep 0.1
    done
    xwininfo -id "$first" | grep -q 'IsViewable' || fail "the first copy's window is still minimised after a second start"
    [[ $(xdotool getactivewindow 2>/dev/null) == "$first" ]] ||
        fail "the first copy's window is not the focused one after a second start"
    xprop -id "$first" _NET_WM_STATE | grep -q HIDDEN && fail "the window manager still has the window hidden"
    import -window root "$OUTDIR/wm_second_start.png" 2>/dev/null
    end_program "first"
}

# 3. Help with no browser: a window of the program's own, closed by its button.
help_case() {
    echo "wm: help and about with no web browser"
    # No browser to be found: no BROWSER, no xdg-open, nothing on the PATH.
    env -u BROWSER PATH="$WORK/nothing" "$PROGRAM" --windowed --lang fr >"$WORK/help.log" 2>&1 &
    APP=$!
    wait_window "help"
    sleep 1
    eval "$(xdotool getwindowgeometry --shell "$WIN")"
    local main=$WIN
    xdotool mousemove $((X + HELP_X)) $((Y + HELP_Y)) sleep 0.2 click 1
    local help="" i
    for ((i = 0; i < 50; i++)); do
        help=$(xdotool search --onlyvisible --pid "$APP" --name 'Pintaloo' 2>/dev/null | grep -vx "$main" | head -n 1)
        [[ -n $help ]] && break
        sleep 0.1
    done
    if [[ -z $help ]]; then
        fail "no help window after a press on \"help and about\" with no browser"
    else
        sleep 1
        import -window root "$OUTDIR/wm_help.png" 2>/dev/null
        xprop -id "$help" WM_NAME | grep -q 'Aide' || fail "the help window's title is not French: $(xprop -id "$help" WM_NAME)"
        eval "$(xdotool getwindowgeometry --shell "$help")"
        # The close button sits in the middle of the help window's bottom.
        xdotool mousemove --window "$help" $((WIDTH / 2)) $((HEIGHT - 45)) sleep 0.2 click 1
        for ((i = 0; i < 50; i++)); do
            xwininfo -id "$help" 2>/dev/null | grep -q 'IsViewable' || break
            sleep 0.1
        done
        xwininfo -id "$help" 2>/dev/null | grep -q 'IsViewable' && fail "the help window's close button did not close it"
        kill -0 "$APP" 2>/dev/null || fail "closing the help ended the program"
    fi
    end_program "help"
}

# 5. No display.
no_display_case() {
    echo "wm: no display"
    local name status
    for name in unset unreachable; do
        if [[ $name == unset ]]; then
            env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$PROGRAM" >"$WORK/nodisplay.log" 2>&1
        else
            env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:89 "$PROGRAM" >"$WORK/nodisplay.log" 2>&1
        fi
        status=$?
        ((status == 1)) || fail "no display ($name): status $status, expected 1"
        grep -q 'graphical desktop' "$WORK/nodisplay.log" ||
            fail "no display ($name): no plain word about a graphical desktop: $(tail -n 3 "$WORK/nodisplay.log")"
        grep -q 'Reinstalling' "$WORK/nodisplay.log" && fail "no display ($name): Qt's advice to reinstall is shown"
    done
}

# 6. No fonts before someone is there. The font set-up's caches, mapped from
# the system's font cache folder, tell whether the fonts were set up.
untouched_case() {
    echo "wm: a window nobody touches sets no fonts up until the pointer moves"
    new_screen 1366x768
    local run caches
    for run in keeping untouched; do  # the first start keeps the help line's picture
        xdotool mousemove 5 5
        "$PROGRAM" --windowed >"$WORK/$run.log" 2>&1 &
        APP=$!
        wait_window "$run"
        sleep 1.5
        if [[ $run == untouched ]]; then
            caches=$(grep -c '/fontconfig/' "/proc/$APP/maps")
            ((caches == 0)) || fail "a window nobody touched has the fonts set up ($caches font cache mappings)"
            eval "$(xdotool getwindowgeometry --shell "$WIN")"
            xdotool mousemove $((X + 100)) $((Y + 100)) sleep 0.1 mousemove $((X + 120)) $((Y + 110)) sleep 1.5
            caches=$(grep -c '/fontconfig/' "/proc/$APP/maps")
            ((caches > 0)) || fail "the fonts are not set up after the pointer moved over the window"
        fi
        end_program "$run"
    done
}

no_display_case
untouched_case
full_screen_case 1366x768 1366x768 1
full_screen_case 1920x1080 1920x1080 1
full_screen_case 3840x2160 3840x2160 2
full_screen_case 1024x640 1024x640 1  # the window scaled down to fit, then full screen
second_start_case
help_case
((FAILED == 0)) || exit 1
echo "wm: PASS"
