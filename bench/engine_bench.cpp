// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the paint engine's hot paths on a canvas of the real size.
//   build/bench/pintaloo_bench --benchmark_filter=Oil
//   build/bench/pintaloo_bench --benchmark_filter=FloodFill
//   build/bench/pintaloo_bench --benchmark_filter=PaintAt
#include <benchmark/benchmark.h>

#include <map>

#include "engine/editor/editor_state.h"
#include "engine/canvas/oil_filter.h"
#include "engine/toolbox/hls.h"
#include "engine/toolbox/stroke_painter.h"

namespace pintaloo {
namespace {

// A busy drawing: hundreds of strokes of many colours and widths.
Surface BusyCanvas() {
    Surface s;
    DefaultRandom rng(7);
    for (int i = 0; i < 3000; ++i) {
        const int x = int(rng.next() * 807), y = int(rng.next() * 537);
        const Colour c = Rgb(int(rng.next() * 256), int(rng.next() * 256), int(rng.next() * 256));
        s.line(x, y, x + int(rng.next() * 120) - 60, y + int(rng.next() * 120) - 60, c, 1 + int(rng.next() * 8));
    }
    for (int i = 0; i < 20000; ++i)
        s.setPixel(int(rng.next() * 807), int(rng.next() * 537), Rgb(int(rng.next() * 256), 0, 128));
    return s;
}

void BM_OilFilter(benchmark::State& state) {
    const Surface busy = BusyCanvas();
    Surface work = busy;
    for (auto _ : state) {
        state.PauseTiming();
        std::copy_n(busy.data(), 807 * 537, work.data());
        state.ResumeTiming();
        OilFilter(work, 0, 0, work.width() - 1, work.height() - 1, 1, 160);
        benchmark::DoNotOptimize(work.data());
    }
}
// The filter uses a second thread: its CPU column counts both.
BENCHMARK(BM_OilFilter)->Unit(benchmark::kMillisecond)->MinTime(2.0)->MeasureProcessCPUTime();

void BM_FloodFillWholeCanvas(benchmark::State& state) {
    Surface s;
    Colour colours[2] = {Rgb(255, 0, 0), kWhite};
    int turn = 0;
    for (auto _ : state) {
        s.floodFill(400, 300, colours[1 - turn], colours[turn]);
        turn = 1 - turn;
        benchmark::DoNotOptimize(s.data());
    }
}
BENCHMARK(BM_FloodFillWholeCanvas)->Unit(benchmark::kMicrosecond)->MinTime(1.0);

// Pictures of the real sizes, half transparent, for the picture tools.
class SyntheticStore final : public PictureStore {
public:
    const Picture* model(ModelFamily f, int) override {
        const int size = f == ModelFamily::Balls || f == ModelFamily::Stars ? 28
                         : f == ModelFamily::Scribbles                      ? 70
                                                                            : 100;
        return &make(size, size);
    }
    const Picture* stamp(int) override { return &make(200, 200); }  // the largest stamps

private:
    const Picture& make(int w, int h) {
        auto& p = cache_[{w, h}];
        if (p.empty()) {
            // Like real artwork: a coloured subject on a white background.
            p = Picture(w, h, kWhite);
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x)
                    if ((2 * x - w) * (2 * x - w) + (2 * y - h) * (2 * y - h) < w * h) p.at(x, y) = Rgb(x, y, 90);
        }
        return p;
    }
    std::map<std::pair<int, int>, Picture> cache_;
};

void BM_PaintAt(benchmark::State& state) {
    EditorState es;
    FillHueTable(es);
    es.ToolMode = static_cast<Tool>(state.range(0));
    es.BrushSize = 20;  // the largest size
    es.BrushHalfWidth = 8;
    es.CurrentColor = Rgb(200, 30, 40);
    Surface canvas;
    if (es.ToolMode == Tool::Fill) {
        // A colouring page: fill paints one area at a time (a whole blank
        // canvas is BM_FloodFillWholeCanvas).
        for (int x = 0; x < 807; x += 100) canvas.line(x, 0, x, 536, kBlack, 3);
        for (int y = 0; y < 537; y += 100) canvas.line(0, y, 806, y, kBlack, 3);
    }
    DefaultRandom rng;
    SyntheticStore store;
    SurfacePicturePainters pictures(canvas, store);
    StrokePainter painter(es, canvas, rng, pictures);
    int step = 0;
    for (auto _ : state) {
        // Wander over the canvas so spaced tools paint and fill meets both colours.
        int x = 40 + (step * 37) % 720, y = 40 + (step * 53) % 450;
        if (es.ToolMode == Tool::Fill) {
            x = 50 + 100 * (step % 8);
            y = 50 + 100 * ((step / 8) % 5);
        }  // inside a box
        es.Phase = ToolNumber(es.ToolMode) >= ToolNumber(Tool::StampAnimals) ? MousePhase::Down : MousePhase::Move;
        if (es.ToolMode == Tool::Fill)
            es.CurrentColor = ((step / 40) % 2) ? kWhite : Rgb(200, 30, 40);  // refill each box in turn
        painter.PaintAt(std::int16_t(x), std::int16_t(y), es.CurrentColor);
        canvas.takeDirty();
        ++step;
    }
}
BENCHMARK(BM_PaintAt)->DenseRange(1, 29)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace pintaloo

BENCHMARK_MAIN();
