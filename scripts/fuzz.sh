#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzz targets with clang in build-fuzz and runs each for SECONDS
# (default 60), two at a time, under AddressSanitizer and
# UndefinedBehaviorSanitizer (float-to-int overflow included):
#   fuzz_open_picture   seeded from tests/fuzz/seeds and the BMP corpus
#   fuzz_replay_script  seeded from tests/fuzz/replay-seeds and the replay
#                       contract's scripts, with a dictionary of the window's
#                       action aliases read from ui/window/window_actions.cpp
#   fuzz_story_file     a story beside a picture, seeded from
#                       tests/fuzz/story-seeds, with the same dictionary
#   fuzz_kept_drawing   the drawing kept in the state folder, seeded from
#                       tests/data/kept
#   fuzz_png_story      the story and pictures inside a gallery PNG, seeded
#                       from tests/fuzz/seeds (story.png carries a story)
# A crash leaves its input in build-fuzz/findings/ and ends with status 1;
# each target's full log is in build-fuzz/TARGET.log. With --build it only
# builds them (scripts/test.sh builds them while the tests run).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
build_only=0
if [ "$seconds" = --build ]; then build_only=1; fi

# Line tables only (-g1, clang's -gline-tables-only): a crash's stack still
# names file and line, and the build takes a little less time than with -g.
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -g1 -DNDEBUG" \
  -DPINTALOO_FUZZ=ON -DPINTALOO_BENCH=OFF -DPINTALOO_PCH=ON \
  -DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=lld >/dev/null
nice cmake --build build-fuzz -j2 --target fuzz_open_picture fuzz_replay_script fuzz_story_file fuzz_kept_drawing \
  fuzz_png_story
if [ "$build_only" -eq 1 ]; then exit 0; fi

findings=build-fuzz/findings
mkdir -p "$findings"

# Every action name, the script's own words and numbers at the edges of what is allowed.
dict=build-fuzz/replay_script.dict
{
  grep -oE '(Row|RowFor|Plugged)\("[A-Za-z0-9_]+", "[A-Za-z0-9_]+"' ui/window/window_actions.cpp |
    sed -E 's/.*, "([^"]+)"$/"\1 "/'
  # The story format's own words, the pen's move line among them.
  grep -oE '= "[A-Za-z0-9_]+";' engine/recording/story_words.h | sed -E 's/= "([^"]+)";/"\1 "/'
  for w in dialog wait key cancel Esc Ctrl+Z Ctrl+Y nan inf -inf 1e300 3e9 2147483647 65536 1e6 -1e6 1000001 \
    60000 -0 0.5 7 8 23 24 start blank picture start.png ../start.png at moves seed 4294967295 \
    9223372036854775807 -9223372036854775808 8640000000; do
    printf '"%s"\n' "$w"
  done
} > "$dict"

replay_seeds=(tests/fuzz/replay-seeds)
if [ -d ../shared/replay-contract/scripts ]; then replay_seeds+=(../shared/replay-contract/scripts); fi
picture_seeds=(tests/fuzz/seeds)
for bmp in tests/data/bmpsuite ../shared/testdata/bmpsuite; do
  if [ -d "$bmp" ]; then picture_seeds+=("$bmp"); break; fi
done

# fuzz TARGET MAX_LEN [libFuzzer options...] SEED_DIR...
fuzz() {
  local target=$1 max_len=$2
  shift 2
  local corpus=build-fuzz/corpus-$target log=build-fuzz/$target.log
  mkdir -p "$corpus"
  echo "== $target for ${seconds}s"
  if ! QT_QPA_PLATFORM=offscreen \
    ASAN_OPTIONS=detect_leaks=0:allocator_may_return_null=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "build-fuzz/tests/fuzz/$target" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 \
    -max_len="$max_len" -artifact_prefix="$findings/$target-" -print_final_stats=1 "$corpus" "$@" >"$log" 2>&1; then
    tail -n 60 "$log"
    echo "$target found a fault: the input is in $findings/" >&2
    return 1
  fi
  grep -E '^stat::(number_of_executed_units|peak_rss_mb)|^Done ' "$log" || true
}

# Two targets at a time, one a core (each fuzzer is one process): every
# target still has its SECONDS to itself, in three rounds rather than five.
# Each round's logs are printed after it, in order.
status=0
pair() {
  local pids=() one
  for one in "$@"; do
    eval "fuzz $one" >"build-fuzz/round-${#pids[@]}.out" 2>&1 &
    pids+=($!)
  done
  for one in "${!pids[@]}"; do
    wait "${pids[$one]}" || status=1
    cat "build-fuzz/round-$one.out"
  done
}
pair 'fuzz_open_picture 65536 "${picture_seeds[@]}"' 'fuzz_replay_script 4096 -dict="$dict" "${replay_seeds[@]}"'
pair 'fuzz_story_file 4096 -dict="$dict" tests/fuzz/story-seeds' 'fuzz_kept_drawing 16384 tests/data/kept'
pair 'fuzz_png_story 65536 tests/fuzz/seeds'
exit "$status"
