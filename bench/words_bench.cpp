// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// What speaking a language costs: a text looked up in a translation (every
// caption and tooltip, and the screen reader's names, go through it when
// the language changes) and the help page built from its template.
// Reference: applying a language touches about 150 texts, so a lookup well
// under 2 us keeps a language change under a frame (16 ms) with room to
// spare; the help page should be ready in under 20 ms, the time a child's
// press takes to feel instant.
#include <benchmark/benchmark.h>
#include <QCoreApplication>

#include "ui/words/help_pages.h"
#include "ui/words/texts.h"

namespace pintaloo {
namespace {

void BM_TextLookupEveryText(benchmark::State& state) {
    const auto language = Language(state.range(0));
    for (int i = 0; i < kTextCount; ++i) benchmark::DoNotOptimize(Text(TextId(i), language));  // loaded once
    for (auto _ : state)
        for (int i = 0; i < kTextCount; ++i) benchmark::DoNotOptimize(Text(TextId(i), language));
    state.SetItemsProcessed(state.iterations() * kTextCount);
}
BENCHMARK(BM_TextLookupEveryText)
    ->Arg(int(Language::English))
    ->Arg(int(Language::Arabic))
    ->Arg(int(Language::Chinese))
    ->Unit(benchmark::kMicrosecond);

void BM_HelpPage(benchmark::State& state) {
    const auto language = Language(state.range(0));
    for (auto _ : state) benchmark::DoNotOptimize(HelpPageHtml(language));
}
BENCHMARK(BM_HelpPage)->Arg(int(Language::English))->Arg(int(Language::Arabic))->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pintaloo

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
