// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of a shape's rubber band: one redraw of the preview while a shape
// as big as the whole page is dragged (the last box put back from the
// canvas, the shape laid in the new box), for every shape and the line,
// outlined and filled, at the largest size. The target is 2 ms a redraw,
// well inside a screen frame:
//   build/bench/pintaloo_shapes_bench
#include <benchmark/benchmark.h>

#include <string>

#include "engine/editor/editor_state.h"
#include "engine/toolbox/hls.h"
#include "engine/toolbox/stroke_painter.h"
#include "engine/toolbox/tools_table.h"

namespace pintaloo {
namespace {

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

// The press in the page's middle; the pointer swings between two corners a
// pixel apart, so every redraw puts back a whole-page box and lays a new one.
void RubberBand(benchmark::State& bench, Tool tool, bool filled) {
    EditorState state;
    FillHueTable(state);
    state.ToolMode = tool;
    state.ToolVariant = filled ? 1 : 0;
    state.BrushSize = 20;
    state.BrushHalfWidth = 8;
    Surface canvas;
    canvas.box(100, 100, 500, 400, Rgb(20, 90, 200), 3, {FillStyle::Solid, Rgb(250, 220, 0)});
    DefaultRandom rng(3);
    NoPictures pictures;
    StrokePainter painter(state, canvas, rng, pictures);
    const auto cx = std::int16_t(Surface::kWidth / 2), cy = std::int16_t(Surface::kHeight / 2);
    painter.StartStroke();
    state.Phase = MousePhase::Down;
    painter.PaintStep(cx, cy, Rgb(230, 30, 40));
    state.Phase = MousePhase::Move;
    bool odd = false;
    for (auto _ : bench) {
        odd = !odd;
        painter.PaintStep(std::int16_t(odd ? 0 : 1), std::int16_t(odd ? 0 : 1), Rgb(230, 30, 40));
        benchmark::DoNotOptimize(painter.shapePreview()->data());
        painter.shapePreview()->takeDirty();
    }
}

void Register() {
    for (const ToolRow& row : ToolRows()) {
        if (!row.shape) continue;
        for (const bool filled : {false, true})
            benchmark::RegisterBenchmark((std::string(row.art) + (filled ? "/filled" : "/outlined")).c_str(),
                                         [tool = row.tool, filled](benchmark::State& s) { RubberBand(s, tool, filled); })
                ->Unit(benchmark::kMillisecond);
    }
}

}  // namespace
}  // namespace pintaloo

int main(int argc, char** argv) {
    pintaloo::Register();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
