// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// Keeping the drawing: what the UI thread pays at the end of a change (one
// copy of the pixels), what the worker pays to write the PNG, and what the
// start pays to load it.
//   build/bench/pintaloo_kept_bench
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <QTemporaryDir>

#include "ui/files/kept_drawing.h"
#include "tests/engine/history_support.h"

namespace pintaloo {
namespace {

// The writer's timer needs an application object; one for the whole run.
void NeedApplication() {
    static int argc = 1;
    static char name[] = "pintaloo_kept_bench";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
}

Surface ChildsDrawing() {
    testing::PaintRig r(11);
    testing::DrawChildsPicture(r, 6);
    return r.canvas;
}

void BM_KeptDrawingHandOver(benchmark::State& state) {
    NeedApplication();
    QTemporaryDir tmp;
    const Surface drawing = ChildsDrawing();
    KeptDrawingWriter keeper(tmp.path(), 3600 * 1000);  // never fires during the run
    for (auto _ : state) keeper.changed(drawing, {});
}
BENCHMARK(BM_KeptDrawingHandOver)->Unit(benchmark::kMillisecond);

void BM_KeptDrawingWrite(benchmark::State& state) {
    NeedApplication();
    QTemporaryDir tmp;
    const Surface drawing = ChildsDrawing();
    KeptDrawingWriter keeper(tmp.path(), 3600 * 1000);
    for (auto _ : state) {
        keeper.changed(drawing, {});
        keeper.flushNow();
    }
    state.counters["file_bytes"] = double(QFileInfo(KeptDrawingPath(tmp.path())).size());
}
BENCHMARK(BM_KeptDrawingWrite)->Unit(benchmark::kMillisecond);

void BM_KeptDrawingLoad(benchmark::State& state) {
    NeedApplication();
    QTemporaryDir tmp;
    {
        KeptDrawingWriter keeper(tmp.path());
        keeper.changed(ChildsDrawing(), {});
    }
    for (auto _ : state) {
        auto kept = LoadKeptDrawing(tmp.path(), Surface::kWidth, Surface::kHeight);
        if (!kept) state.SkipWithError("the kept drawing did not load");
        benchmark::DoNotOptimize(kept);
    }
}
BENCHMARK(BM_KeptDrawingLoad)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pintaloo

BENCHMARK_MAIN();
