// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of every magic effect, found from the tool rows (button Magic), on
// a painted canvas of the real size, beside the pencil's step and the oil
// filter for scale:
//   build/bench/pintaloo_magic_bench
//   build/bench/pintaloo_magic_bench --benchmark_filter=magic_blur
// A brush effect is timed for one step of a stroke's drag at the largest
// size (20) and at twice that (a pen pressing hard), a whole-picture one
// for one run over the whole canvas.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "engine/canvas/oil_filter.h"
#include "engine/editor/editor_state.h"
#include "engine/toolbox/hls.h"
#include "engine/toolbox/stroke_painter.h"
#include "engine/toolbox/tools_table.h"

namespace pintaloo {
namespace {

// A child's painting: wide strokes of many colours over each other, a few
// filled shapes, and black outlines as on a colouring page.
const Surface& PaintedCanvas() {
    static const Surface canvas = [] {
        Surface s;
        DefaultRandom rng(7);
        const auto colour = [&] { return Rgb(int(rng.next() * 256), int(rng.next() * 256), int(rng.next() * 256)); };
        for (int i = 0; i < 40; ++i) {
            const Colour c = colour();
            s.circle(rng.next() * 807, rng.next() * 537, 10 + rng.next() * 60, c, {FillStyle::Solid, c});
        }
        for (int i = 0; i < 600; ++i) {
            const double x = rng.next() * 807, y = rng.next() * 537;
            s.line(x, y, x + rng.next() * 160 - 80, y + rng.next() * 160 - 80, colour(), 4 + int(rng.next() * 20));
        }
        for (int i = 0; i < 30; ++i) {
            const double x = rng.next() * 807, y = rng.next() * 537;
            s.line(x, y, x + rng.next() * 300 - 150, y + rng.next() * 300 - 150, kBlack, 3);
        }
        return s;
    }();
    return canvas;
}

// No magic effect paints model or stamp pictures.
class NoPictures final : public PicturePainters {
public:
    void DrawBallModel(std::int16_t, std::int16_t, std::int16_t) override {}
    void DrawDaisyModel(std::int16_t, std::int16_t, std::int16_t) override {}
    void DrawTangleModel(std::int16_t, std::int16_t, std::int16_t) override {}
    void DrawScribbleModel(std::int16_t, std::int16_t, std::int16_t) override {}
    void DrawStarModel(std::int16_t, std::int16_t, std::int16_t) override {}
    void DrawSplatModel(std::int16_t, std::int16_t, std::int16_t) override {}
    void DrawStampPicture(std::int16_t, std::int16_t, std::int16_t) override {}
};

struct Rig {
    EditorState state;
    Surface canvas = PaintedCanvas();
    DefaultRandom rng;
    NoPictures pictures;
    StrokePainter painter{state, canvas, rng, pictures};
    Rig() {
        FillHueTable(state);
        state.CurrentColor = Rgb(200, 30, 40);
    }
};

// One step of a drag: the brush wanders over the canvas a few pixels a
// step, as a hand does, so effects that read their last point (smudge,
// negative) do their whole work. Every thousand steps the canvas is
// painted afresh, so effects that wear the paint away (lighten, blur) keep
// working on a painted page.
void BrushStep(benchmark::State& st, Tool tool, int size) {
    Rig r;
    r.state.ToolMode = tool;
    r.state.BrushSize = std::int16_t(size);
    r.state.BrushHalfWidth = std::int16_t(size * 2 / 5);
    double t = 0;
    int steps = 0;
    const auto at = [&t] {
        return std::pair{std::int16_t(403 + 360 * std::sin(1.3 * t)), std::int16_t(268 + 240 * std::sin(1.7 * t))};
    };
    r.state.Phase = MousePhase::Down;
    r.painter.PaintAt(at().first, at().second, r.state.CurrentColor);
    r.state.Phase = MousePhase::Move;
    for (auto _ : st) {
        if (++steps % 1000 == 0) {
            st.PauseTiming();
            std::copy_n(PaintedCanvas().data(), 807 * 537, r.canvas.data());
            st.ResumeTiming();
        }
        t += 0.012;
        const auto [x, y] = at();
        r.painter.PaintAt(x, y, r.state.CurrentColor);
        benchmark::DoNotOptimize(r.canvas.takeDirty());
    }
}

void WholePicture(benchmark::State& st, Tool tool) {
    Rig r;
    for (auto _ : st) {
        st.PauseTiming();
        std::copy_n(PaintedCanvas().data(), 807 * 537, r.canvas.data());
        st.ResumeTiming();
        r.painter.PaintWholePicture(tool, r.state.CurrentColor);
        benchmark::DoNotOptimize(r.canvas.takeDirty());
    }
}

void OilFilterWholeCanvas(benchmark::State& st) {
    Surface work = PaintedCanvas();
    for (auto _ : st) {
        st.PauseTiming();
        std::copy_n(PaintedCanvas().data(), 807 * 537, work.data());
        st.ResumeTiming();
        OilFilter(work, 0, 0, work.width() - 1, work.height() - 1, 1, 160);
        benchmark::DoNotOptimize(work.data());
    }
}

void RegisterAll() {
    benchmark::RegisterBenchmark("pencil/step/size:20", BrushStep, Tool::Pencil, 20)->Unit(benchmark::kMicrosecond);
    // The filter uses a second thread: its CPU column counts both.
    benchmark::RegisterBenchmark("oil_filter/whole", OilFilterWholeCanvas)
        ->Unit(benchmark::kMillisecond)
        ->MeasureProcessCPUTime();
    for (const ToolRow& row : ToolRows()) {
        if (row.button != ToolButton::Magic) continue;
        const std::string name = row.art ? row.art : "tool_" + std::to_string(ToolNumber(row.tool));
        if (row.wholePicture) {
            benchmark::RegisterBenchmark((name + "/whole").c_str(), WholePicture, row.tool)
                ->Unit(benchmark::kMillisecond);
            continue;
        }
        for (const int size : {20, 40})
            benchmark::RegisterBenchmark((name + "/step/size:" + std::to_string(size)).c_str(), BrushStep, row.tool,
                                         size)
                ->Unit(benchmark::kMicrosecond);
    }
}

}  // namespace
}  // namespace pintaloo

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    pintaloo::RegisterAll();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
