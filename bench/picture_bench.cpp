// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// Cost of the picture brushes with the real artwork: the first use of a
// picture decodes it, every later use is a keyed copy from the cache.
//   build/bench/pintaloo_picture_bench
#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include "ui/art/picture_library.h"
#include "engine/toolbox/picture_painters.h"

namespace pintaloo {
namespace {

void BM_StampCached(benchmark::State& state) {
    Surface canvas;
    PictureLibrary library;
    SurfacePicturePainters painters(canvas, library);
    const auto number = std::int16_t(state.range(0));
    painters.DrawStampPicture(400, 500, number);  // decoded here, once
    for (auto _ : state) {
        painters.DrawStampPicture(400, 500, number);  // the largest band: 1.25 times
        canvas.takeDirty();
    }
}
BENCHMARK(BM_StampCached)->Arg(129)->Arg(139)->Arg(157)->Unit(benchmark::kMicrosecond);

void BM_ModelCached(benchmark::State& state) {
    Surface canvas;
    PictureLibrary library;
    SurfacePicturePainters painters(canvas, library);
    painters.DrawDaisyModel(300, 300, 0);
    for (auto _ : state) {
        painters.DrawDaisyModel(300, 300, 0);
        canvas.takeDirty();
    }
}
BENCHMARK(BM_ModelCached)->Unit(benchmark::kMicrosecond);

void BM_StampFirstUse(benchmark::State& state) {
    Surface canvas;
    for (auto _ : state) {
        PictureLibrary library;  // an empty cache every time
        SurfacePicturePainters painters(canvas, library);
        painters.DrawStampPicture(400, 500, 139);
        canvas.takeDirty();
    }
}
BENCHMARK(BM_StampFirstUse)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pintaloo

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
