#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The real program's command line, without any display: each row is the
# arguments, the exit status, the stream that must hold the text, and the
# text. None of these may open a window, so DISPLAY and WAYLAND_DISPLAY are
# cleared: a program that tried would fail instead of passing by luck.
#   options_test.sh PROGRAM VERSION
set -u
PROGRAM=${1:?usage: options_test.sh PROGRAM VERSION}
VERSION=${2:?usage: options_test.sh PROGRAM VERSION}
unset DISPLAY WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb

rows=(
    "--help|0|out|Usage: pintaloo [options]"
    "-h|0|out|--lang <CODE>"
    "--version|0|out|Pintaloo $VERSION"
    "-version|0|out|Pintaloo $VERSION"
    "--bogus|2|err|Unknown option 'bogus'"
    "--bogus|2|err|Usage: pintaloo [options]"
    "--lang xx|2|err|does not speak the language \"xx\""
    "--lang|2|err|Missing value after '--lang'"
    "--fullscreen --windowed|2|err|not both"
    "drawing.bmp|2|err|\"drawing.bmp\""
)
failures=0
work=$(mktemp -d) || exit 1
trap 'rm -rf "$work"' EXIT
for row in "${rows[@]}"; do
    IFS='|' read -r args want stream text <<<"$row"
    read -ra argv <<<"$args"
    timeout 10 "$PROGRAM" "${argv[@]}" >"$work/out" 2>"$work/err"
    got=$?
    other=out; [[ $stream == out ]] && other=err
    if (( got != want )); then
        echo "FAIL: pintaloo $args ended with $got, expected $want"; failures=$((failures + 1))
    elif ! grep -qF -- "$text" "$work/$stream"; then
        echo "FAIL: pintaloo $args: standard $stream lacks '$text':"; cat "$work/$stream"; failures=$((failures + 1))
    elif [[ $stream == out && -s $work/$other ]]; then
        echo "FAIL: pintaloo $args also wrote to standard error:"; cat "$work/err"; failures=$((failures + 1))
    else
        echo "ok: pintaloo $args -> $got"
    fi
done
(( failures == 0 )) || { echo "$failures of ${#rows[@]} rows failed"; exit 1; }
echo "all ${#rows[@]} rows hold"
