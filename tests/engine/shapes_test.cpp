// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The shapes and the straight line, over every one of them, every size and
// both kinds, at random places (some cut by the page's edge): what lands
// lies inside the box the surface reports, a fill pressed inside a shape
// stays inside it, a colouring page's outline is never touched nor made,
// and a drag wandering anywhere before it lets go lands exactly as a drag
// straight there does, which is also exactly what its preview showed.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <random>
#include <vector>

#include "engine/toolbox/colours_and_sizes.h"
#include "engine/toolbox/hls.h"
#include "engine/toolbox/stroke_painter.h"
#include "test_support.h"

namespace pintaloo {
namespace {

constexpr Colour kPaint = Rgb(230, 30, 40), kFillColour = Rgb(0, 160, 90);
constexpr Tool kLine = Tool(54);

std::vector<Tool> Shapes() {
    std::vector<Tool> tools;
    for (const ToolRow& r : ToolRows())
        if (r.shape) tools.push_back(r.tool);
    return tools;
}

struct Rig {
    EditorState state;
    Surface canvas;
    DefaultRandom rng{91};
    testing::RecordingPainters pictures;
    StrokePainter painter{state, canvas, rng, pictures};
    Rig(Tool tool, int size, bool filled) {
        FillHueTable(state);
        state.ToolMode = tool;
        state.ToolVariant = filled ? 1 : 0;
        state.BrushSize = kBrushSizes[std::size_t(size)].brushSize;
        state.BrushHalfWidth = kBrushSizes[std::size_t(size)].halfWidth;
    }
    // Pressed at the first point, moved through the rest, let go at the last.
    void drag(const std::vector<std::pair<int, int>>& points) {
        painter.StartStroke();
        for (std::size_t k = 0; k < points.size(); ++k) {
            state.Phase = k == 0 ? MousePhase::Down : MousePhase::Move;
            painter.PaintStep(std::int16_t(points[k].first), std::int16_t(points[k].second), kPaint);
        }
        state.Phase = MousePhase::Up;
        painter.LandShape(0, std::int16_t(points.back().first), std::int16_t(points.back().second), kPaint);
    }
};

bool Inside(const Rect& r, int x, int y) { return x >= r.left && x < r.right && y >= r.top && y < r.bottom; }

TEST(Shapes, LandInsideTheirBoxAndClose) {
    std::mt19937 random(5);
    std::uniform_int_distribution<int> x(-60, Surface::kWidth + 60), y(-60, Surface::kHeight + 60);
    for (const Tool tool : Shapes())
        for (int size = 0; size < 4; ++size)
            for (const bool filled : {false, true})
                for (int round = 0; round < 4; ++round) {
                    SCOPED_TRACE(::testing::Message() << "tool " << ToolNumber(tool) << " size " << size << " filled "
                                                    << filled << " round " << round);
                    Rig rig(tool, size, filled);
                    // A colouring page's line across the middle, which no
                    // shape may cover or add to.
                    rig.canvas.box(0, 260, Surface::kWidth - 1, 262, kBlack, 1, {FillStyle::Solid, kBlack});
                    rig.canvas.takeDirty();
                    const Surface before = rig.canvas;
                    const int cx = std::clamp(x(random), 0, Surface::kWidth - 1), cy = std::clamp(y(random), 0, Surface::kHeight - 1);
                    rig.state.OutlineColor = round == 3 ? kPaint : kBlack;  // once, the paint is the outline colour
                    rig.drag({{cx, cy}, {x(random), y(random)}});
                    const Rect box = rig.canvas.takeDirty();
                    for (int py = 0; py < Surface::kHeight; ++py)
                        for (int px = 0; px < Surface::kWidth; ++px) {
                            const auto was = before.point(px, py), now = rig.canvas.point(px, py);
                            if (was == now) continue;
                            ASSERT_TRUE(Inside(box, px, py)) << px << "," << py;
                            ASSERT_NE(was, std::int32_t(rig.state.OutlineColor)) << px << "," << py;
                            ASSERT_NE(now, std::int32_t(rig.state.OutlineColor)) << px << "," << py;
                        }
                    // A fill pressed where the press was (the middle), when
                    // that is still paper inside an outline, stays in the box.
                    if (tool == kLine || filled || rig.canvas.point(cx, cy) != std::int32_t(kWhite) ||
                        round == 3)
                        continue;
                    if (before.point(cx, cy) != std::int32_t(kWhite)) continue;
                    rig.canvas.floodFill(cx, cy, kWhite, kFillColour);
                    for (int py = 0; py < Surface::kHeight; ++py)
                        for (int px = 0; px < Surface::kWidth; ++px) {
                            if (rig.canvas.point(px, py) == std::int32_t(kFillColour)) {
                                ASSERT_TRUE(Inside(box, px, py)) << "the fill leaked at " << px << "," << py;
                            }
                        }
                }
}

// Random drags of every shape: wandering, then let go at a point, lands
// the same canvas as a drag straight from the press to that point, and the
// preview just before the release is that canvas too. The random source
// stands where the straight drag leaves it either way.
TEST(Shapes, LandWhereLetGoWhateverTheWayThere) {
    std::mt19937 random(9);
    std::uniform_int_distribution<int> x(0, Surface::kWidth - 1), y(0, Surface::kHeight - 1);
    for (const Tool tool : Shapes())
        for (int round = 0; round < 6; ++round) {
            SCOPED_TRACE(::testing::Message() << "tool " << ToolNumber(tool) << " round " << round);
            const int size = round % 4;
            const bool filled = round % 2 == 1;
            std::vector<std::pair<int, int>> wandering{{x(random), y(random)}};
            for (int k = 0; k < 5; ++k) wandering.push_back({x(random), y(random)});
            wandering.push_back({x(random), y(random)});
            wandering.push_back(wandering.back());  // the last move is where it lets go
            Rig straight(tool, size, filled), wandered(tool, size, filled);
            for (Rig* r : {&straight, &wandered}) r->canvas.box(100, 100, 300, 200, Rgb(20, 90, 200), 1, {FillStyle::Solid, Rgb(250, 220, 0)});
            straight.drag({wandering.front(), wandering.back()});
            // The wandering drag, stopped before its release to read the preview.
            wandered.painter.StartStroke();
            for (std::size_t k = 0; k < wandering.size(); ++k) {
                wandered.state.Phase = k == 0 ? MousePhase::Down : MousePhase::Move;
                wandered.painter.PaintStep(std::int16_t(wandering[k].first), std::int16_t(wandering[k].second), kPaint);
            }
            const Surface* preview = wandered.painter.shapePreview();
            ASSERT_NE(preview, nullptr);
            const std::vector<Colour> shown(preview->data(), preview->data() + Surface::kWidth * Surface::kHeight);
            wandered.painter.LandShape(0, std::int16_t(wandering.back().first), std::int16_t(wandering.back().second), kPaint);
            EXPECT_EQ(wandered.painter.shapePreview(), nullptr);
            const std::vector<Colour> landed(wandered.canvas.data(), wandered.canvas.data() + Surface::kWidth * Surface::kHeight);
            const std::vector<Colour> direct(straight.canvas.data(), straight.canvas.data() + Surface::kWidth * Surface::kHeight);
            EXPECT_TRUE(landed == direct);
            EXPECT_TRUE(shown == landed);
            EXPECT_EQ(straight.rng.seed(), wandered.rng.seed());
            EXPECT_EQ(straight.state.LastX, wandering.front().first);
        }
}

}  // namespace
}  // namespace pintaloo
