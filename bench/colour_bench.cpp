// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// What the rainbow field costs: its picture made at the panel's size (once,
// when the window is built; then it is shown as a picture), and the colour
// under one press. Reference: the field should be made in 10 ms or less, so
// building it never delays the window's start by a frame; a press's colour
// is a few multiplications.
#include <benchmark/benchmark.h>

#include "engine/toolbox/any_colour.h"
#include "ui/parts/colour_picker.h"

namespace pintaloo {
namespace {

void BM_RainbowFieldImage(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(RainbowFieldImage(600, 489));
    state.SetItemsProcessed(state.iterations() * 600 * 489);
}
BENCHMARK(BM_RainbowFieldImage)->Unit(benchmark::kMillisecond);

void BM_ColourUnderPress(benchmark::State& state) {
    int x = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(RainbowFieldColour(x, 244, 600, 489));
        x = (x + 37) % 600;
    }
}
BENCHMARK(BM_ColourUnderPress);

}  // namespace
}  // namespace pintaloo
BENCHMARK_MAIN();
