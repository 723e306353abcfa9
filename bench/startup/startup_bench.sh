#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up time of Pintaloo against a bare Qt Widgets window of the same
# size, both in a private X server (Xvfb).
#
# Usage: bench/startup/startup_bench.sh PROGRAM [RUNS] [KEPT.png]   (RUNS defaults to 10)
#        MTPAINT=/usr/bin/mtpaint bench/startup/startup_bench.sh PROGRAM [RUNS]
#        BEFORE=OTHER/pintaloo bench/startup/startup_bench.sh PROGRAM [RUNS]
#        WIDGETS=90 bench/startup/startup_bench.sh PROGRAM [RUNS]
#
# With MTPAINT set, mtPaint (a new image, its settings in the scratch
# folder) takes its turn too, as a second yardstick: a small, plain
# painting program.
#
# With BEFORE set (another build of Pintaloo, say main's), that build takes
# its turn too, so a change is measured against its base in the same runs:
# on a busy machine, two separate runs of the script differ by more than
# most changes do. Its scratch folders are its own.
#
# With WIDGETS set (a number), the bare window with that many small
# controls on it (bare_window.cpp built with them) takes its turn too: how much of the
# start a window of that many controls costs in Qt alone.
#
# With KEPT.png (a drawing.png from a kept-drawing folder), every Pintaloo
# run (the build before too) starts the way a returning child's does: with
# that drawing put back in its state folder first. Without it, every run is
# a first start.
#
# For each run it measures, from the launch:
#   window - until the top-level window is mapped;
#   idle   - until the program's main thread has then been still for 200 ms
#            (the moment of its last activity), i.e. drawn and waiting;
# and reads VmRSS from /proc/PID/status at that moment. One unmeasured run of
# each program goes first to warm the file cache; the two programs
# take turns run by run. Prints the medians and the
# ratios Pintaloo / bare window, and for the time to idle also the median
# of the ratios run by run (each pair started back to back).
#
# Needs: Xvfb, g++, pkg-config, Qt 6 Widgets and libX11 development files.
set -u
set -o pipefail

PROGRAM=${1:?usage: startup_bench.sh PROGRAM [RUNS]}
[[ -z ${MTPAINT:-} || -x $MTPAINT ]] || { echo "startup_bench: '$MTPAINT' is not an executable file" >&2; exit 1; }
[[ -z ${BEFORE:-} || -x $BEFORE ]] || { echo "startup_bench: '$BEFORE' is not an executable file" >&2; exit 1; }
[[ -z ${WIDGETS:-} || $WIDGETS =~ ^[0-9]{1,4}$ ]] || { echo "startup_bench: WIDGETS must be a number" >&2; exit 1; }
RUNS=${2:-10}
KEPT=${3:-}
HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
QUIET_MS=200
TIMEOUT_MS=20000

die() { echo "startup_bench: $*" >&2; exit 1; }
[[ -x $PROGRAM ]] || die "'$PROGRAM' is not an executable file"
[[ $RUNS =~ ^[1-9][0-9]*$ ]] || die "RUNS must be a positive number"
[[ -z $KEPT || -f $KEPT ]] || die "'$KEPT' is not a file"
for tool in Xvfb xdpyinfo g++ pkg-config; do
    command -v "$tool" >/dev/null || die "'$tool' is not installed"
done

WORK=$(mktemp -d "${TMPDIR:-/tmp}/pintaloo-startup.XXXXXX") || exit 1
chmod 700 "$WORK"
XVFB_PID=""
# shellcheck disable=SC2317  # called by the trap
cleanup() {
    stop_xvfb
    rm -rf "$WORK"
    if [[ -n ${RUNTIME:-} ]]; then rm -rf "$RUNTIME"; fi
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# --- the two helpers ----------------------------------------------------------
pkg-config --exists Qt6Widgets x11 || die "Qt6Widgets or x11 development files missing (pkg-config)"
read -ra QT_FLAGS <<<"$(pkg-config --cflags --libs Qt6Widgets)"
read -ra X11_FLAGS <<<"$(pkg-config --cflags --libs x11)"
g++ -O2 -std=c++20 -fPIC -o "$WORK/bare_window" "$HERE/bare_window.cpp" "${QT_FLAGS[@]}" ||
    die "could not build bare_window.cpp"
if [[ -n ${WIDGETS:-} ]]; then
    g++ -O2 -std=c++20 -fPIC -DWIDGETS="$WIDGETS" -o "$WORK/widgets_window" "$HERE/bare_window.cpp" "${QT_FLAGS[@]}" ||
        die "could not build bare_window.cpp with $WIDGETS controls"
fi
g++ -O2 -std=c++20 -o "$WORK/launch_timer" "$HERE/launch_timer.cpp" "${X11_FLAGS[@]}" ||
    die "could not build launch_timer.cpp"

# --- a private X server -------------------------------------------------------
# shellcheck source=../../scripts/lib/private_xvfb.sh
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib/private_xvfb.sh"
start_xvfb || die "could not start Xvfb on any display :90..:99"

# A desktop session's runtime folder (/run/user/UID) is in memory, so the
# single-instance lock Pintaloo writes and syncs there costs nothing; on a disk
# shared with busy builds that sync alone took 20-30 ms. Use memory here too
# when /dev/shm is there, else fall back to the scratch folder.
RUNTIME=""
if [[ -d /dev/shm && -w /dev/shm ]]; then
    RUNTIME=$(mktemp -d /dev/shm/pintaloo-runtime.XXXXXX) || RUNTIME=""
fi
export XDG_RUNTIME_DIR="${RUNTIME:-$WORK/runtime}" TMPDIR="$WORK/tmp" XDG_CACHE_HOME="$WORK/cache" XDG_STATE_HOME="$WORK/state"
mkdir -p "$XDG_RUNTIME_DIR" "$TMPDIR" "$XDG_CACHE_HOME"
chmod 700 "$XDG_RUNTIME_DIR"
export SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY

# median FILE [DIGITS]: the median of the numbers in FILE, one a line, to
# DIGITS decimals (1 unless given): a ratio needs more than a time does.
median() {
    sort -g "$1" | awk -v digits="${2:-1}" '{ v[NR] = $1 } END {
        if (NR == 0) { print "NA"; exit }
        m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
        printf "%.*f\n", digits, m }'
}

# measure_once NAME TITLE PROGRAM RUN: one timed launch; results appended to $WORK/NAME.*
measure_once() {
    local name=$1 title=$2 prog=$3 i=$4 line
    if [[ ($name == pintaloo || $name == before) && -n $KEPT ]]; then
        mkdir -p "$XDG_STATE_HOME/pintaloo" && chmod 700 "$XDG_STATE_HOME" "$XDG_STATE_HOME/pintaloo"
        cp "$KEPT" "$XDG_STATE_HOME/pintaloo/drawing.png" || die "could not put '$KEPT' back"
    fi
    line=$("$WORK/launch_timer" "$title" "$TIMEOUT_MS" "$QUIET_MS" "$prog" 2>>"$WORK/$name.err") ||
        die "$name: run $i failed: $(tail -n 3 "$WORK/$name.err")"
    [[ $line == *closed=no* ]] && echo "startup_bench: $name: run $i did not close by itself, killed" >&2
    (( i == 0 )) && return
    echo "  run $i $name: $line"
    sed -n 's/.*map_ms=\([0-9.]*\).*/\1/p' <<<"$line" >>"$WORK/$name.map"
    sed -n 's/.*idle_ms=\([0-9.]*\).*/\1/p' <<<"$line" >>"$WORK/$name.idle"
    sed -n 's/.*rss_kb=\([0-9]*\).*/\1/p' <<<"$line" >>"$WORK/$name.rss"
}

# The two programs take turns, so a busy moment on a shared machine slows
# both alike instead of spoiling one program's whole series.
for name in pintaloo bare mtpaint before widgets; do : >"$WORK/$name.map"; : >"$WORK/$name.idle"; : >"$WORK/$name.rss"; done
mkdir -p "$WORK/mtpaint-home" "$WORK/before-cache"
echo "pintaloo, bare window${MTPAINT:+, mtPaint}${BEFORE:+, the build before}${WIDGETS:+, the window of $WIDGETS controls} in turn: 1 warm-up run each + $RUNS runs each"
for ((i = 0; i <= RUNS; i++)); do
    measure_once pintaloo "Pintaloo" "$PROGRAM" "$i"
    measure_once bare "Bare window" "$WORK/bare_window" "$i"
    if [[ -n ${MTPAINT:-} ]]; then HOME="$WORK/mtpaint-home" measure_once mtpaint "mtPaint" "$MTPAINT" "$i"; fi
    if [[ -n ${WIDGETS:-} ]]; then measure_once widgets "Widgets window" "$WORK/widgets_window" "$i"; fi
    if [[ -n ${BEFORE:-} ]]; then
        XDG_CACHE_HOME="$WORK/before-cache" XDG_STATE_HOME="$WORK/before-state" measure_once before "Pintaloo" "$BEFORE" "$i"
    fi
done

P_MAP=$(median "$WORK/pintaloo.map") P_IDLE=$(median "$WORK/pintaloo.idle") P_RSS=$(median "$WORK/pintaloo.rss")
B_IDLE=$(median "$WORK/bare.idle")
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (a == "NA" || b == "NA" || b == 0) print "NA"; else printf "%.2f\n", a / b }'; }
# paired NAME KIND: the median of the ratios Pintaloo / NAME run by run. The
# two start one after the other, so a busy spell on a shared machine slows
# both alike: the ratio of each pair moves less than the ratio of the
# medians, which a spell over half of one program's runs can shift.
paired() {
    paste "$WORK/pintaloo.$2" "$WORK/$1.$2" | awk '$1 != "" && $2 > 0 { print $1 / $2 }' >"$WORK/paired"
    median "$WORK/paired" 2
}
# difference NAME KIND: Pintaloo - NAME run by run, as the mean with its
# standard error: whether a change of a few milliseconds stands out of the
# noise at all.
difference() {
    paste "$WORK/pintaloo.$2" "$WORK/$1.$2" | awk '$1 != "" && $2 != "" { d = $1 - $2; n++; s += d; q += d * d }
        END { if (n < 2) { print "NA"; exit }
              m = s / n; v = (q - n * m * m) / (n - 1); if (v < 0) v = 0
              printf "%+.1f ms +- %.1f\n", m, sqrt(v / n) }'
}

mib() { awk -v k="$1" 'BEGIN { if (k == "NA") print "NA"; else printf "%.1f", k / 1024 }'; }
# compare NAME LABEL: Pintaloo beside one yardstick, medians and run by run.
compare() {
    local name=$1 label=$2 map idle rss
    map=$(median "$WORK/$name.map") idle=$(median "$WORK/$name.idle") rss=$(median "$WORK/$name.rss")
    echo
    printf '%-22s %12s %12s %8s\n' "" "Pintaloo" "$label" "ratio"
    printf '%-22s %12s %12s %8s\n' "window mapped (ms)" "$P_MAP" "$map" "$(ratio "$P_MAP" "$map")"
    printf '%-22s %12s %12s %8s\n' "drawn and idle (ms)" "$P_IDLE" "$idle" "$(ratio "$P_IDLE" "$idle")"
    printf '%-22s %12s %12s %8s\n' "  run by run" "" "" "$(paired "$name" idle)"
    printf '%-22s %25s\n' "  difference, mapped" "$(difference "$name" map)"
    printf '%-22s %25s\n' "  difference, idle" "$(difference "$name" idle)"
    printf '%-22s %12s %12s %8s\n' "VmRSS when idle (MiB)" "$(mib "$P_RSS")" "$(mib "$rss")" "$(ratio "$P_RSS" "$rss")"
    if [[ $name != bare ]]; then
        printf '%-22s %12s %12s\n' "bare Qt ratio (idle)" "$(ratio "$P_IDLE" "$B_IDLE")" "$(ratio "$idle" "$B_IDLE")"
    fi
}

echo
echo "Start-up, median of $RUNS runs (Xvfb $DISPLAY, $(nproc) CPUs)"
compare bare "bare Qt"
if [[ -n ${MTPAINT:-} ]]; then compare mtpaint mtPaint; fi
if [[ -n ${WIDGETS:-} ]]; then compare widgets "$WIDGETS controls"; fi
if [[ -n ${BEFORE:-} ]]; then compare before before; fi
