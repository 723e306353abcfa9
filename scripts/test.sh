#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds Pintaloo twice (strict warnings, then with
# AddressSanitizer and UndefinedBehaviorSanitizer) and runs every test in both,
# then clang-tidy over the sources and each fuzz target for a minute.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
jobs=$(nproc)

echo "== Build with warnings as errors"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPINTALOO_WERROR=ON
cmake --build build -j "$jobs"
echo "== Tests"
ctest --test-dir build --output-on-failure -j "$jobs"
echo "== Benchmarks still run (figures are not judged here)"
build/bench/pintaloo_bench --benchmark_min_time=0.01 --benchmark_filter='Oil|FloodFill|PaintAt/1$' >/dev/null
build/bench/pintaloo_words_bench --benchmark_min_time=0.01 >/dev/null

echo "== Build with sanitizers"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DPINTALOO_WERROR=ON -DPINTALOO_SANITIZE=ON -DPINTALOO_BENCH=OFF
cmake --build build-asan -j "$jobs"
echo "== Tests under sanitizers"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0" \
  ctest --test-dir build-asan --output-on-failure -j "$jobs"

echo "== clang-tidy (the engine, the window and the tests' shared kit)"
scripts/tidy.sh build engine ui tests/support
echo "== Fuzz targets, a minute each (clang, sanitizers)"
scripts/fuzz.sh 60
