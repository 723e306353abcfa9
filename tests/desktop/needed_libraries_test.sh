#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The programs must not name the sound, animation, film and printing
# libraries among the libraries they need: those are loaded when first used
# (dlopen; printing through our own module), so the dynamic loader does not
# map and relocate them before every start.
#   needed_libraries_test.sh PROGRAM...
set -u
set -o pipefail
(($#)) || { echo "usage: needed_libraries_test.sh PROGRAM..."; exit 2; }
command -v readelf >/dev/null || { echo "readelf is missing (binutils; scripts/deps.sh installs it)"; exit 1; }
# The libraries loaded on first use, by the start of their file names.
late='^(librlottie|libwebp|libwebpmux|libwebpdemux|libSDL2|libSDL2_mixer|libQt6PrintSupport)[.-]'
status=0
for program in "$@"; do
    needed=$(readelf -d "$program" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p') || {
        echo "$program: readelf could not read it"
        status=1
        continue
    }
    # Every program needs the C library: without it the list was not read.
    if ! grep -q '^libc\.so\.' <<<"$needed"; then
        echo "$program: no libc.so among its NEEDED entries; the list was not read:"
        readelf -d "$program"
        status=1
        continue
    fi
    if found=$(grep -E "$late" <<<"$needed"); then
        echo "$program needs, at start, what it should load when first used:"
        echo "$found"
        status=1
    else
        echo "$program: none of rlottie, libwebp, SDL2 or Qt's printing among: $(tr '\n' ' ' <<<"$needed")"
    fi
done
exit "$status"
