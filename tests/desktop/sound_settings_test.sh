#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The real program on SDL's disk driver, which writes what would be heard to
# a file: a plain start plays the start sound (the file holds sound), a
# --nosound start writes no file or only silence. Each run keeps its
# settings in a private XDG_CONFIG_HOME: --lang is remembered there for the
# next run, --nosound is not.
#   sound_settings_test.sh PROGRAM
set -u
PROGRAM=${1:?usage: sound_settings_test.sh PROGRAM}
work=$(mktemp -d) || exit 1
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# Runs the program for a few seconds (the device opens after the first
# paint, or a second after start), then ends it as a desktop would.
run() {
    local name=$1; shift
    mkdir -p "$work/$name/runtime" "$work/$name/home"
    chmod 700 "$work/$name/runtime"
    env -u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG=C.UTF-8 QT_QPA_PLATFORM=offscreen \
        SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$work/$name/sound.raw" \
        XDG_RUNTIME_DIR="$work/$name/runtime" HOME="$work/$name/home" XDG_CONFIG_HOME="$work/config" \
        "$PROGRAM" "$@" >"$work/$name/out" 2>&1 &
    local pid=$!
    sleep 4
    kill -TERM "$pid" 2>/dev/null
    wait "$pid"
}

# True when the file exists and holds a byte that is not zero.
heard() { [[ -s $1 ]] && [[ -n $(tr -d '\000' <"$1" | head -c 1) ]]; }

run plain --lang ge
heard "$work/plain/sound.raw" || fail "a plain start wrote no sound (is the disk driver working?)"
grep -q '^override=ge' "$work/config/pintaloo/pintaloo.conf" 2>/dev/null ||
    fail "--lang ge was not remembered: $(cat "$work/config/pintaloo/pintaloo.conf" 2>&1)"

run muted --nosound
heard "$work/muted/sound.raw" && fail "--nosound still sent sound to the device"
grep -q '^on=false' "$work/config/pintaloo/pintaloo.conf" && fail "--nosound was remembered for later runs"
grep -q '^override=ge' "$work/config/pintaloo/pintaloo.conf" || fail "a later run forgot the language"

if (( failures )); then cat "$work"/*/out; exit 1; fi
echo "sound and settings: all checks pass"
