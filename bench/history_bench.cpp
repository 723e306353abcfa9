// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// Cost of the drawing's history on a canvas of the real size: ending a step
// (commit), undo and redo of a step that covers the whole canvas (the aim is
// at most 5 ms each), and the bytes kept for 100 such steps (the aim is at
// most 16 MB).
//   build/bench/pintaloo_history_bench
#include <benchmark/benchmark.h>

#include "engine/history/history.h"
#include "tests/engine/history_support.h"

namespace pintaloo {
namespace {

using testing::DrawChildsPicture;
using testing::PaintRig;
using testing::Pixels;
using testing::WholeCanvasSteps;

// A child's drawing, and the same drawing with its paper filled yellow: the
// change between them covers the whole canvas.
struct TwoStates {
    std::vector<Colour> drawing, filled;
    TwoStates() {
        PaintRig r(99);
        DrawChildsPicture(r, 3);
        r.canvas.setPixel(0, 0, kBlack);
        r.canvas.setPixel(806, 536, kBlack);
        drawing = Pixels(r.canvas);
        r.state.ToolMode = Tool::Fill;
        r.state.CurrentColor = Rgb(255, 240, 90);
        r.stroke({{806, 0}});
        filled = Pixels(r.canvas);
    }
};

void BM_HistoryCommitWholeCanvas(benchmark::State& state) {
    const TwoStates two;
    Surface s;
    History h(s);
    int turn = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const auto& next = turn++ % 2 ? two.filled : two.drawing;
        std::copy(next.begin(), next.end(), s.data());
        state.ResumeTiming();
        benchmark::DoNotOptimize(h.commit(s, {}));
    }
}
BENCHMARK(BM_HistoryCommitWholeCanvas)->Unit(benchmark::kMillisecond);

// The usual step: one crayon stroke. The whole canvas is still compared.
void BM_HistoryCommitStroke(benchmark::State& state) {
    PaintRig r;
    DrawChildsPicture(r, 4);
    History h(r.canvas);
    int k = 0;
    for (auto _ : state) {
        state.PauseTiming();
        r.state.ToolMode = Tool::Pencil;
        r.state.CurrentColor = Rgb(k * 13, 80, 200);
        const int y = 30 + (k++ * 37) % 470;
        r.drag(60, y, 700, y + 40, 40);
        state.ResumeTiming();
        benchmark::DoNotOptimize(h.commit(r.canvas, StepInfoOf(r.state)));
    }
}
BENCHMARK(BM_HistoryCommitStroke)->Unit(benchmark::kMillisecond);

// Every pixel coloured over with the crayon in several colours: the hardest
// page for the codec (the crayon leaves about one pixel in four alone).
std::vector<Colour> CrayonCoveredPage() {
    PaintRig r(5);
    r.state.ToolMode = Tool::Pencil;
    r.state.BrushSize = 20;
    r.state.BrushHalfWidth = 8;
    for (int pass = 0; pass < 3; ++pass) {
        r.state.CurrentColor = Rgb(200 - pass * 60, 40 + pass * 70, 90 * pass);
        for (int y = 0; y < 537; y += 30) r.drag(0, y, 806, y, 60);
    }
    return Pixels(r.canvas);
}

// Undo and redo of one whole-canvas step, timed separately: the paper of a
// drawing filled, or a crayon-covered page replaced by a new page.
void UndoRedo(benchmark::State& state, bool timeUndo, const std::vector<Colour>& from, const std::vector<Colour>& to) {
    Surface s;
    std::copy(from.begin(), from.end(), s.data());
    History h(s);
    std::copy(to.begin(), to.end(), s.data());
    h.commit(s, {});
    for (auto _ : state) {
        if (!timeUndo) state.PauseTiming();
        benchmark::DoNotOptimize(h.undo(s));
        if (!timeUndo) state.ResumeTiming();
        if (timeUndo) state.PauseTiming();
        benchmark::DoNotOptimize(h.redo(s));
        if (timeUndo) state.ResumeTiming();
    }
    if (Pixels(s) != to) state.SkipWithError("redo did not bring the step back");
    state.counters["step_bytes"] = double(h.stepBytes());
}
void BM_HistoryUndoWholeCanvas(benchmark::State& state) {
    const TwoStates two;
    UndoRedo(state, true, two.drawing, two.filled);
}
void BM_HistoryRedoWholeCanvas(benchmark::State& state) {
    const TwoStates two;
    UndoRedo(state, false, two.drawing, two.filled);
}
void BM_HistoryUndoCrayonCoveredPage(benchmark::State& state) {
    UndoRedo(state, true, CrayonCoveredPage(), Pixels(Surface()));
}
void BM_HistoryRedoCrayonCoveredPage(benchmark::State& state) {
    UndoRedo(state, false, CrayonCoveredPage(), Pixels(Surface()));
}
BENCHMARK(BM_HistoryUndoWholeCanvas)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HistoryRedoWholeCanvas)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HistoryUndoCrayonCoveredPage)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HistoryRedoCrayonCoveredPage)->Unit(benchmark::kMillisecond);

// 100 whole-canvas steps: open a drawing, fill its paper, the oil effect, a
// new page, over and over. Reports the bytes the steps keep.
void BM_HistoryHundredWholeCanvasSteps(benchmark::State& state) {
    const WholeCanvasSteps cycle;
    std::size_t bytes = 0, steps = 0, copy = 0;
    for (auto _ : state) {
        state.PauseTiming();
        PaintRig r;
        History h(r.canvas);
        state.ResumeTiming();
        for (int k = 0; k < 100; ++k) {
            state.PauseTiming();
            cycle.apply(r, k);
            state.ResumeTiming();
            h.commit(r.canvas, StepInfoOf(r.state));
        }
        bytes = h.stepBytes();
        steps = h.undoCount();
        copy = h.copyBytes();
    }
    state.counters["steps"] = double(steps);
    state.counters["step_bytes"] = double(bytes);
    state.counters["copy_bytes"] = double(copy);
    state.counters["budget_used_pct"] = 100.0 * double(bytes) / double(History::kDefaultBudget);
}
BENCHMARK(BM_HistoryHundredWholeCanvasSteps)->Unit(benchmark::kMillisecond)->Iterations(3);

// Committing the crayon-covered page's replacement by a new page: the bytes
// of that one step, and how many such steps the budget holds.
void BM_HistoryCommitCrayonCoveredPage(benchmark::State& state) {
    const auto covered = CrayonCoveredPage();
    Surface s;
    std::size_t bytes = 0;
    for (auto _ : state) {
        state.PauseTiming();
        std::copy(covered.begin(), covered.end(), s.data());
        History h(s);
        s.clear();
        state.ResumeTiming();
        h.commit(s, {});
        bytes = h.stepBytes();
    }
    state.counters["step_bytes"] = double(bytes);
    state.counters["steps_in_budget"] = double(History::kDefaultBudget / std::max<std::size_t>(bytes, 1));
}
BENCHMARK(BM_HistoryCommitCrayonCoveredPage)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pintaloo

BENCHMARK_MAIN();
