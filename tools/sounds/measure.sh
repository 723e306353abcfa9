#!/bin/sh
# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# Measures every sound in resources/sounds and writes tools/sounds/levels.txt:
# duration, peak level and RMS level (whole file) of each file, as reported by
# `sox FILE -n stats`.  MP3 files are read through sox's MP3 support (Debian
# package libsox-fmt-mp3); their duration includes the encoder's start delay
# and end padding.
#
# Run from anywhere:  sh tools/sounds/measure.sh
set -eu

here=$(cd "$(dirname "$0")" && pwd)
sounds="$here/../../resources/sounds"
out="$here/levels.txt"

{
    printf '# Levels of resources/sounds (made by tools/sounds/measure.sh)\n'
    printf '# dBFS figures are for all channels together.\n'
    printf '%-24s %10s %14s %14s\n' file duration_s peak_dBFS rms_dBFS
    for f in "$sounds"/*.wav "$sounds"/*.mp3; do
        [ -e "$f" ] || continue
        stats=$(sox "$f" -n stats 2>&1)
        # The first number after each label is the all-channel figure.
        pk=$(printf '%s\n' "$stats" | awk '/^Pk lev dB/ { print $4; exit }')
        rms=$(printf '%s\n' "$stats" | awk '/^RMS lev dB/ { print $4; exit }')
        len=$(printf '%s\n' "$stats" | awk '/^Length s/ { print $3; exit }')
        printf '%-24s %10s %14s %14s\n' "$(basename "$f")" "$len" "$pk" "$rms"
    done
} > "$out"

cat "$out"
