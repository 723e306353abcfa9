#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# The real window with keys alone, or with one switch, in a private X server
# with a window manager (openbox), driven with xdotool and read from
# screenshots: where the focus ring stands is where its dark band is.
#
#   keys:   a round of Tab visits every control and never the window's
#           minimise or close; then a line (Space held along the arrows), a
#           stamp, a colouring page and a fill, each choice handing the ring
#           back to the button that opened its panel; Ctrl+Q ends it.
#   switch: --scan 1 and nothing but Space: the same drawing, the groups
#           first (the paper alone, then the rows), a line by a way, go and
#           stop, a stamp and a fill where the sweeping lines cross.
# Both: the window never goes (no dialog, no other window, not minimised).
# Prints the presses and the seconds the session took.
#
# Usage: keys_test.sh PROGRAM keys|switch
set -u
set -o pipefail

PROGRAM=${1:?usage: keys_test.sh PROGRAM keys|switch}
MODE=${2:?usage: keys_test.sh PROGRAM keys|switch}
[[ -x $PROGRAM ]] || { echo "keys: FAIL: '$PROGRAM' is not an executable file" >&2; exit 1; }
for tool in Xvfb openbox xprop xdotool xdpyinfo import convert; do
    command -v "$tool" >/dev/null || { echo "keys: FAIL: '$tool' is not installed" >&2; exit 1; }
done

# --- the window's layout (window pixels) ---------------------------------------
readonly WIN_W=827 WIN_H=728
readonly CANVAS_X0=9 CANVAS_Y0=76 CANVAS_W=806 CANVAS_H=536
readonly COLOURING=(728 44) UNDO=(292 44) NEWPAGE=(664 44)   # the top row's buttons, centres
readonly PENCIL=(35 665) STAMPS=(131 665) FILL=(179 665) LETTERS=(419 665)
readonly RED=(570 690)                                      # swatch 14
readonly PREVIEW=(412 363)                                  # the page picker's page
readonly KIND=(192 536)                                     # the first kind of stamps, in their panel
readonly SLOT_Y0=568 SLOT_Y1=617                            # the stamps' slots, in their panel

WORK=$(mktemp -d "${TMPDIR:-/tmp}/pintaloo-keys.XXXXXX") || exit 1
chmod 700 "$WORK"
XVFB_PID="" PID=""
PROBE_PID=""
cleanup() {
    [[ -n $PID ]] && { kill -KILL "$PID" 2>/dev/null; wait "$PID" 2>/dev/null; }
    [[ -n $PROBE_PID ]] && kill -TERM "$PROBE_PID" 2>/dev/null
    stop_xvfb
    rm -rf "$WORK"
}
trap cleanup EXIT
trap 'exit 130' INT TERM
step() { echo "keys: $MODE: $*"; }
fail() {
    echo "keys: FAIL: $MODE: $*" >&2
    [[ -s $WORK/run.log ]] && tail -n 20 "$WORK/run.log" >&2
    exit 1
}

# shellcheck source=../../scripts/lib/private_xvfb.sh
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib/private_xvfb.sh"
start_xvfb || fail "could not start Xvfb"
start_window_manager || fail "openbox did not come up"
export XDG_RUNTIME_DIR="$WORK/runtime" TMPDIR="$WORK/tmp" XDG_CACHE_HOME="$WORK/cache" XDG_STATE_HOME="$WORK/state"
export XDG_CONFIG_HOME="$WORK/config" HOME="$WORK/home"
mkdir -p "$XDG_RUNTIME_DIR" "$TMPDIR" "$XDG_CACHE_HOME" "$XDG_CONFIG_HOME" "$HOME"
chmod 700 "$XDG_RUNTIME_DIR"
export SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY

ARGS=(--windowed --nosound --lang en)
[[ $MODE == switch ]] && ARGS+=(--scan 1)
"$PROGRAM" "${ARGS[@]}" >"$WORK/run.log" 2>&1 &
PID=$!
WIN=""
deadline=$(( $(now_ms) + 15000 ))
while [[ -z $WIN ]]; do
    WIN=$(xdotool search --onlyvisible --pid "$PID" --name '^Pintaloo$' 2>/dev/null | head -n 1)
    (( $(now_ms) < deadline )) || fail "no window within 15 s"
    kill -0 "$PID" 2>/dev/null || fail "the program ended before showing its window"
    sleep 0.1
done
eval "$(xdotool getwindowgeometry --shell "$WIN")"
WX=$X WY=$Y
xdotool windowactivate --sync "$WIN" 2>/dev/null || xdotool windowfocus --sync "$WIN"

# The screen is read by a probe that keeps the display open: a question
# takes a few milliseconds, a screenshot most of a second on a busy machine,
# longer than a step of scanning.
coproc PROBE { exec python3 "$(dirname "${BASH_SOURCE[0]}")/screen_probe.py"; }
PROBE_PID=$PROBE_PID
ask() {  # ask QUESTION X Y W H (window pixels)
    echo "$1 $((WX + $2)) $((WY + $3)) $4 $5" >&"${PROBE[1]}"
    read -r ANSWER <&"${PROBE[0]}" || fail "the screen probe stopped"
}
shot() { :; }  # every question reads the screen afresh
# RING: "x0 y0 x1 y1" round the ring's dark band, in window pixels, or "".
RING=""
ring() {
    ask ring 0 0 "$WIN_W" "$WIN_H"
    RING=$ANSWER
    [[ $RING == - ]] && RING=""
    return 0
}
# ring_holds X Y MOST: the ring (as last read) holds that point and is at most MOST wide.
ring_holds() {
    local x0 y0 x1 y1
    read -r x0 y0 x1 y1 <<<"$RING"
    [[ -n $RING ]] && (( x0 <= $1 && $1 <= x1 && y0 <= $2 && $2 <= y1 && x1 - x0 <= $3 ))
}
# ring_settles X Y MOST: reads the ring until it holds that point (at most
# MOST wide), for up to 3 s: a choice closes its panel and then gives the
# ring back, and a busy machine may show the first before the second.
ring_settles() {
    local deadline=$(( $(now_ms) + 3000 ))
    while :; do
        ring
        ring_holds "$@" && return 0
        (( $(now_ms) < deadline )) || return 1
        sleep 0.1
    done
}
# Non-white pixels on the paper, and red ones.
painted() { ask painted "$CANVAS_X0" "$CANVAS_Y0" "$CANVAS_W" "$CANVAS_H"; }
reds() { ask reds "$CANVAS_X0" "$CANVAS_Y0" "$CANVAS_W" "$CANVAS_H"; }
# grows painted|reds BEFORE BY: asks until the count passes BEFORE + BY, for
# up to 3 s (ANSWER holds the last count). Under the sanitizers on a busy
# machine the paint can reach the screen after the next question does.
grows() {
    local deadline=$(( $(now_ms) + 3000 ))
    while :; do
        "$1"
        (( ANSWER > $2 + $3 )) && return 0
        (( $(now_ms) < deadline )) || return 1
        sleep 0.1
    done
}
# The window is still the only one the program shows, mapped and not minimised.
still_here() {
    kill -0 "$PID" 2>/dev/null || fail "the program ended: $1"
    local shown
    shown=$(xdotool search --onlyvisible --pid "$PID" 2>/dev/null | wc -l)
    [[ $shown == 1 ]] || fail "$shown windows shown after $1 (a dialog or none)"
    xprop -id "$WIN" _NET_WM_STATE 2>/dev/null | grep -q HIDDEN && fail "the window was minimised by $1"
    return 0
}

PRESSES=0
press() {  # press KEY [COUNT]
    local n=${2:-1}
    PRESSES=$((PRESSES + n))
    local keys=()
    for ((i = 0; i < n; i++)); do keys+=("$1"); done
    xdotool key --delay 30 "${keys[@]}"
    sleep 0.1
}

# Waits until the window has drawn itself (the red swatch shows).
deadline=$(( $(now_ms) + 10000 ))
until ask reds 560 632 200 72 && (( ANSWER > 50 )); do
    (( $(now_ms) < deadline )) || fail "the window did not draw itself within 10 s"
    sleep 0.2
done
sleep 0.5
START=$(now_ms)

if [[ $MODE == keys ]]; then
    # --- a round of Tab: every control once, never the window's own buttons --------
    press Tab
    ring
    first=$RING
    [[ -n $first ]] || fail "Tab shows no ring"
    ROUND=("$first")
    while :; do
        press Tab
        ring
        [[ $RING == "$first" ]] && break
        read -r x0 y0 x1 y1 <<<"$RING"
        (( y1 < 17 + 6 && x1 > 728 )) && fail "the ring stands on the window's minimise or close ($RING)"
        ROUND+=("$RING")
        (( ${#ROUND[@]} < 80 )) || fail "the ring never comes round"
    done
    step "a round of Tab visits ${#ROUND[@]} controls"
    (( ${#ROUND[@]} >= 42 )) || fail "only ${#ROUND[@]} controls in the ring"
    index_of() {  # index_of X Y MOST: the round's stop holding that point
        local k x0 y0 x1 y1
        for k in "${!ROUND[@]}"; do
            read -r x0 y0 x1 y1 <<<"${ROUND[$k]}"
            if (( x0 <= $1 && $1 <= x1 && y0 <= $2 && $2 <= y1 && x1 - x0 <= $3 )); then echo "$k"; return; fi
        done
        fail "no stop of the ring holds $1,$2"
    }
    AT=0  # the ring is on ROUND[AT]
    tab_to() {  # tab_to X Y MOST
        local k n
        k=$(index_of "$@")
        n=$(( (k - AT + ${#ROUND[@]}) % ${#ROUND[@]} ))
        (( n > 0 )) && press Tab "$n"
        AT=$k
        ring
        # Undo and redo join the ring once there is something to undo: a
        # Tab or two more.
        for ((n = 0; n < 4; n++)); do
            ring_holds "$@" && return 0
            press Tab
            ring
        done
        fail "Tabs did not bring the ring to $1,$2 (it is at $RING; the round: ${ROUND[*]})"
    }
    PAPER=(412 344)
    # --- red, and a line ----------------------------------------------------------
    tab_to "${RED[@]}" 40
    press space
    tab_to "${PAPER[@]}" 900
    shot
    reds; before=$ANSWER
    PRESSES=$((PRESSES + 22))
    xdotool keydown space sleep 0.1 key --delay 40 Right Right Right Right Right Right Right Right Right Right \
        Right Right Right Right Right Right Right Right Right Right keyup space
    shot
    grows reds "$before" 100; after=$ANSWER
    (( after > before + 100 )) || fail "no red line along the arrows ($before -> $after red pixels)"
    step "a line: $((after - before)) red pixels"
    still_here "the line"
    # --- a stamp: its panel takes the ring, the choice gives it back ----------------------
    tab_to "${STAMPS[@]}" 90
    press space  # the panel opens on its kinds of stamps, the ring on the first
    ring_settles "${KIND[@]}" 80 || fail "the stamps' panel did not take the ring (it is at $RING)"
    press space  # its stamps show, and take the ring
    ring
    read -r x0 y0 x1 y1 <<<"$RING"
    (( y0 >= SLOT_Y0 - 8 && y1 <= SLOT_Y1 + 8 && x1 - x0 < 80 )) || fail "the stamps did not take the ring ($RING)"
    press space
    ring_settles "${STAMPS[@]}" 90 || fail "after the stamp was chosen the ring is at $RING, not on the stamps' button"
    AT=$(index_of "${STAMPS[@]}" 90)
    tab_to "${PAPER[@]}" 900
    press Down 8
    shot
    painted; before=$ANSWER
    press Return
    shot
    grows painted "$before" 200 || fail "Return on the paper stamped nothing"
    still_here "the stamp"
    # --- a colouring page -------------------------------------------------------------
    tab_to "${COLOURING[@]}" 70
    press space
    for ((k = 0; k < 10; k++)); do
        ring
        ring_holds "${PREVIEW[@]}" 760 && break
        press Tab
    done
    (( k < 10 )) || fail "Tab never reaches the page in the page picker"
    press space
    ring_settles "${COLOURING[@]}" 70 || fail "after the page was taken the ring is at $RING, not on its button"
    AT=$(index_of "${COLOURING[@]}" 70)
    still_here "the colouring page"
    # --- a fill -----------------------------------------------------------------------
    tab_to "${FILL[@]}" 90
    press space
    tab_to "${PAPER[@]}" 900
    shot
    reds; before=$ANSWER
    for ((k = 0; k < 8; k++)); do
        press Return
        shot
        reds; (( ANSWER > before + 1000 )) && break
        press Left 3  # on an outline: off it
    done
    (( k < 8 )) || fail "Return on the paper filled nothing"
    still_here "the fill"
    ELAPSED=$(( $(now_ms) - START ))
    step "done: $PRESSES presses in $((ELAPSED / 1000)).$(( ELAPSED % 1000 / 100 )) s"
    # Ctrl+Q is the grown-up's way out.
    xdotool key ctrl+q
else
    # --- one switch at a step a second: Space and nothing else ----------------------------
    SEEN=()
    # wait_ring X Y MOST SECONDS: until the ring holds that point.
    wait_ring() {
        local deadline=$(( $(now_ms) + $4 * 1000 ))
        while :; do
            ring
            [[ " ${SEEN[*]} " == *" ${RING// /,} "* ]] || SEEN+=("${RING// /,}")
            ring_holds "$1" "$2" "$3" && return 0
            (( $(now_ms) < deadline )) || fail "the ring never came to $1,$2 in $4 s (it is at $RING)"
        done
    }
    PAPER=(412 344)
    on_paper() {  # the scan is back on the paper's group
        wait_ring "${PAPER[@]}" 900 3
    }
    wait_ring "${PAPER[@]}" 900 12  # the groups come round to the paper
    # A line: start, the columns, the pen down (the arrow points along the row),
    # go, stop, lift.
    shot
    painted; before=$ANSWER
    press space; sleep 1.4
    press space; sleep 1.4
    press space
    press space; sleep 1.5
    press space
    press space
    on_paper
    painted; (( ANSWER > before + 100 )) || fail "no line on the paper"
    step "a line"
    still_here "the line"
    # A colouring page: the top row, its button, the page.
    painted; before=$ANSWER
    # A press a busy machine delays past a step turns the arrow on: a whole
    # turn without a press lifts the pen.
    wait_ring "${UNDO[@]}" 600 20
    ring_holds "${NEWPAGE[@]}" 600 || fail "the top row is not one group ($RING)"
    press space
    wait_ring "${COLOURING[@]}" 70 12
    press space
    wait_ring "${PREVIEW[@]}" 760 12
    press space
    on_paper
    painted; (( ANSWER > before + 1000 )) || fail "no colouring page on the paper"
    still_here "the colouring page"
    # A fill where the lines cross.
    wait_ring "${PENCIL[@]}" 600 8
    ring_holds "${LETTERS[@]}" 600 || fail "the nine tools are not one group ($RING)"
    press space
    wait_ring "${FILL[@]}" 90 12
    press space
    on_paper
    painted; before=$ANSWER
    press space; sleep 1.4
    press space; sleep 1.4
    press space
    on_paper
    painted; (( ANSWER != before )) || fail "the fill changed nothing"
    still_here "the fill"
    # A stamp: its panel is scanned at once, a slot chosen, the paper.
    wait_ring "${PENCIL[@]}" 600 8
    press space
    wait_ring "${STAMPS[@]}" 90 12
    press space
    # The panel's controls are scanned at once, its first kind of stamps
    # first; a press shows that kind's stamps, scanned at once too.
    wait_ring "${KIND[@]}" 80 3
    press space
    wait_ring 192 "$(( (SLOT_Y0 + SLOT_Y1) / 2 ))" 80 3
    press space
    on_paper
    shot
    painted; before=$ANSWER
    press space; sleep 3.4
    press space; sleep 2.4
    press space
    on_paper
    painted; (( ANSWER != before )) || fail "no stamp where the lines crossed"
    still_here "the stamp"
    ELAPSED=$(( $(now_ms) - START ))
    step "the ring lit ${#SEEN[@]} places"
    step "done: $PRESSES presses in $((ELAPSED / 1000)).$(( ELAPSED % 1000 / 100 )) s"
    kill -TERM "$PID"
fi
wait "$PID"
status=$?
PID=""
[[ $status == 0 ]] || fail "the program ended with status $status"
step "PASS"
