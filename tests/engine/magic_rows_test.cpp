// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// Every row on the magic button, at every brush size, on a coloured-in
// colouring page: a stroke (or, for a trick over the whole picture, one
// run) changes something, changes nothing outside the rectangles the
// surface reported, never touches an outline, and gives the same canvas
// again from the same seed, as a replay and the film must.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "engine/toolbox/colours_and_sizes.h"
#include "engine/toolbox/hls.h"
#include "engine/toolbox/stroke_painter.h"
#include "engine/toolbox/tools_table.h"
#include "test_support.h"

namespace pintaloo {
namespace {

// Big and small closed areas in pure black on white, painted in four
// colours, with a few scribbles over them.
Surface ColouredPage() {
    Surface page;
    const Colour line = kBlack;
    page.box(30, 30, 400, 500, line, 3);
    page.box(420, 30, 780, 250, line, 3);
    page.circle(600, 390, 120, line);
    page.circle(600, 390, 119, line);
    page.circle(600, 390, 118, line);
    page.line(30, 260, 400, 260, line, 3);
    page.box(60, 300, 90, 330, line, 2);  // a small area
    const int seeds[][2] = {{200, 100}, {200, 400}, {600, 100}, {600, 390}, {75, 315}};
    for (int i = 0; i < 5; ++i) page.floodFill(seeds[i][0], seeds[i][1], kWhite, kPalette[std::size_t(3 + 4 * i)]);
    for (int i = 0; i < 6; ++i)
        page.line(50 + 110 * i, 80 + 60 * (i % 3), 140 + 110 * i, 460 - 50 * (i % 2), kPalette[std::size_t(2 + 3 * i)], 5);
    return page;
}

struct Painted {
    Surface canvas;
    Rect dirty;
};

Painted Paint(const Surface& page, const ToolRow& row, int sizeItem, std::uint32_t seed) {
    Painted run{page, {}};
    run.canvas.takeDirty();
    EditorState state;
    FillHueTable(state);
    state.BrushSize = kBrushSizes[std::size_t(sizeItem)].brushSize;
    state.BrushHalfWidth = kBrushSizes[std::size_t(sizeItem)].halfWidth;
    state.CurrentColor = kPalette[9];
    state.ToolMode = row.tool;
    DefaultRandom rng(seed);
    testing::RecordingPainters pictures;
    StrokePainter painter(state, run.canvas, rng, pictures);
    if (row.wholePicture) {
        state.Phase = MousePhase::Down;
        painter.PaintWholePicture(row.tool, state.CurrentColor);
        run.dirty.unite(run.canvas.takeDirty());
        return run;
    }
    // A wavy stroke across areas, outlines and scribbles, some steps long.
    painter.StartStroke();
    for (int i = 0; i <= 40; ++i) {
        state.Phase = i == 0 ? MousePhase::Down : MousePhase::Move;
        const double x = 50 + 17.0 * i, y = 270 + 180 * std::sin(i * 0.35);
        painter.PaintStep(0, row.tool, std::int16_t(x), std::int16_t(y), state.CurrentColor);
        run.dirty.unite(run.canvas.takeDirty());
    }
    return run;
}

TEST(MagicRows, EveryEffectChangesOnlyWhatItReportsAndNeverAnOutlineAndReplays) {
    EXPECT_GE(EntriesOn(ToolButton::Magic), 12) << "the magic panel holds a dozen effects or more";
    const Surface page = ColouredPage();
    for (const ToolRow& row : ToolRows()) {
        if (row.button != ToolButton::Magic) continue;
        for (int size = 0; size < int(kBrushSizes.size()); ++size) {
            SCOPED_TRACE(::testing::Message() << (row.art ? row.art : "?") << " at size item " << size);
            const Painted run = Paint(page, row, size, 0x1234);
            int changed = 0, outside = 0, outlines = 0;
            for (int y = 0; y < page.height(); ++y)
                for (int x = 0; x < page.width(); ++x) {
                    const std::int32_t was = page.point(x, y);
                    if (run.canvas.point(x, y) == was) continue;
                    ++changed;
                    outside += !run.dirty.contains(x, y);
                    outlines += was == std::int32_t(kBlack);
                }
            EXPECT_GT(changed, 0) << "nothing changed";
            EXPECT_EQ(outside, 0) << "pixels changed outside the reported rectangle";
            EXPECT_EQ(outlines, 0) << "outline pixels changed";
            const Painted again = Paint(page, row, size, 0x1234);
            EXPECT_TRUE(std::equal(again.canvas.data(), again.canvas.data() + page.width() * page.height(),
                                   run.canvas.data()))
                << "the same seed painted otherwise";
        }
    }
}

}  // namespace
}  // namespace pintaloo
