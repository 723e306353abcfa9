#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the picture-opening fuzz target with clang in build-fuzz and runs it
# for SECONDS (default 60) under AddressSanitizer and UndefinedBehaviorSanitizer,
# seeded from the small pictures in tests/fuzz/seeds and the BMP corpus.
# A crash leaves its input in build-fuzz/findings/ and ends with status 1.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}

CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DPINTALOO_FUZZ=ON -DPINTALOO_BENCH=OFF >/dev/null
nice cmake --build build-fuzz -j2 --target fuzz_open_picture

corpus=build-fuzz/fuzz-corpus
findings=build-fuzz/findings
mkdir -p "$corpus" "$findings"
seeds=(tests/fuzz/seeds)
for bmp in tests/data/bmpsuite ../shared/testdata/bmpsuite; do
  if [ -d "$bmp" ]; then seeds+=("$bmp"); break; fi
done

QT_QPA_PLATFORM=offscreen \
ASAN_OPTIONS=detect_leaks=0:allocator_may_return_null=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  build-fuzz/tests/fuzz/fuzz_open_picture -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
  -max_len=65536 -artifact_prefix="$findings/" -print_final_stats=1 "$corpus" "${seeds[@]}"
