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

# Stops the server start_xvfb started, if any.
stop_xvfb() {
    if [[ -n ${XVFB_PID:-} ]]; then
        kill -TERM "$XVFB_PID" 2>/dev/null
        wait "$XVFB_PID" 2>/dev/null
        XVFB_PID=""
    fi
}
