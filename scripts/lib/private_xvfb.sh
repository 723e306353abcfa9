# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the window tests and the start-up benchmark: a private X server.
#
# start_xvfb starts Xvfb on the first free display of :90..:99, waits (at
# most 10 s) until that display answers and is really ours, and exports
# DISPLAY. It needs $WORK (a scratch folder) and leaves the server's process
# id in XVFB_PID for the caller's clean-up. Returns 1 when no display works.
# XVFB_SCREEN sets the screen (default 1280x1024x24).

now_ms() { date +%s%3N; }

start_xvfb() {
    local n deadline
    for n in 90 91 92 93 94 95 96 97 98 99; do
        [[ -e /tmp/.X$n-lock || -e /tmp/.X11-unix/X$n ]] && continue
        Xvfb ":$n" -screen 0 "${XVFB_SCREEN:-1280x1024x24}" -nolisten tcp -noreset >"$WORK/xvfb.log" 2>&1 &
        XVFB_PID=$!
        deadline=$(( $(now_ms) + 10000 ))
        while (( $(now_ms) < deadline )); do
            kill -0 "$XVFB_PID" 2>/dev/null || break  # display taken meanwhile: try the next
            # Answering is not enough: the server on :n must be ours.
            if DISPLAY=":$n" xdpyinfo >/dev/null 2>&1 &&
               [[ $(tr -d ' \n' <"/tmp/.X$n-lock" 2>/dev/null) == "$XVFB_PID" ]]; then
                export DISPLAY=":$n"
                return 0
            fi
            sleep 0.1
        done
        kill -TERM "$XVFB_PID" 2>/dev/null
        wait "$XVFB_PID" 2>/dev/null
        XVFB_PID=""
    done
    return 1
}

# Stops the server start_xvfb started, if any (and its window manager).
stop_xvfb() {
    if [[ -n ${WM_PID:-} ]]; then
        kill -TERM "$WM_PID" 2>/dev/null
        wait "$WM_PID" 2>/dev/null
        WM_PID=""
    fi
    if [[ -n ${XVFB_PID:-} ]]; then
        kill -TERM "$XVFB_PID" 2>/dev/null
        wait "$XVFB_PID" 2>/dev/null
        XVFB_PID=""
    fi
}

# start_window_manager starts openbox on $DISPLAY (after start_xvfb) and
# waits (at most 10 s) until it manages the screen, so windows are placed,
# moved, minimised and made full screen by a window manager as on a desktop.
# Its process id is left in WM_PID; stop_xvfb stops it too. Returns 1 when
# openbox is missing or does not come up.
start_window_manager() {
    command -v openbox >/dev/null || return 1
    local deadline
    openbox --sm-disable >"$WORK/openbox.log" 2>&1 &
    WM_PID=$!
    deadline=$(( $(now_ms) + 10000 ))
    while (( $(now_ms) < deadline )); do
        kill -0 "$WM_PID" 2>/dev/null || break
        # A managing window manager names its check window on the root.
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
        sleep 0.1
    done
    kill -TERM "$WM_PID" 2>/dev/null
    wait "$WM_PID" 2>/dev/null
    WM_PID=""
    return 1
}
