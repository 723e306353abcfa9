// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

#include "test_support.h"
#include "engine/toolbox/stroke_painter.h"
#include "engine/toolbox/colours_and_sizes.h"
#include "engine/toolbox/pen_pressure.h"
#include "engine/toolbox/tools_table.h"

namespace pintaloo {
namespace {

using testing::ConstantRandom;
using testing::CountColour;
using testing::PaintedBounds;
using testing::PainterCall;
using testing::RecordingPainters;

constexpr Colour kRed = Rgb(255, 0, 0);
constexpr Colour kBlue = Rgb(0, 0, 255);

struct Rig {
    EditorState state;
    Surface canvas;
    ConstantRandom rng{0.0f};  // the pencil touches every pixel of its block
    RecordingPainters pictures;
    StrokePainter painter{state, canvas, rng, pictures};
    // A press at `from` and one fast mouse step to `to`.
    void drag(int fx, int fy, int tx, int ty) {
        state.Phase = MousePhase::Down;
        painter.PaintAt(std::int16_t(fx), std::int16_t(fy), state.CurrentColor);
        state.Phase = MousePhase::Move;
        painter.PaintAlong(fx, fy, std::int16_t(tx), std::int16_t(ty), state.CurrentColor);
    }
};

struct Drag {
    int fx, fy, tx, ty;
};
// Long single steps in every direction, steep and shallow, both ways.
constexpr Drag kDrags[] = {
    {100, 250, 700, 250}, {700, 260, 100, 260}, {400, 40, 400, 500}, {120, 60, 690, 480},
    {690, 60, 120, 480},  {380, 30, 460, 510},  {80, 300, 720, 240}, {200, 200, 203, 390},
};

// Every pixel of the straight path, with a cross of half the block around
// it, must be painted: a fast drag leaves no gap at any size.
void ExpectNoGap(const Rig& r, const Drag& d, Colour painted, int hw, int bs) {
    const int armX = (hw - 1) / 2, armY = (bs - 1) / 2;
    const double len = std::hypot(d.tx - d.fx, d.ty - d.fy);
    const int samples = int(len * 4) + 1;
    int misses = 0;
    for (int i = 0; i <= samples && misses < 5; ++i) {
        const double t = double(i) / samples;
        const int qx = int(std::nearbyint(d.fx + (d.tx - d.fx) * t));
        const int qy = int(std::nearbyint(d.fy + (d.ty - d.fy) * t));
        for (int a = -armX; a <= armX; ++a)
            if (r.canvas.point(qx + a, qy) != std::int32_t(painted)) {
                ADD_FAILURE() << "gap at " << qx + a << "," << qy;
                ++misses;
            }
        for (int b = -armY; b <= armY; ++b)
            if (r.canvas.point(qx, qy + b) != std::int32_t(painted)) {
                ADD_FAILURE() << "gap at " << qx << "," << qy + b;
                ++misses;
            }
    }
}

TEST(JoinedStrokes, AFastDragLeavesNoGapAtAnySizeForPencilAndEraser) {
    for (const Tool tool : {Tool::Pencil, Tool::Eraser}) {
        for (const BrushSizeEntry& size : kBrushSizes) {
            for (const Drag& d : kDrags) {
                SCOPED_TRACE(::testing::Message() << "tool " << ToolNumber(tool) << " size " << size.brushSize
                                                  << " drag " << d.fx << "," << d.fy << " to " << d.tx << "," << d.ty);
                Rig r;
                r.state.ToolMode = tool;
                r.state.BrushSize = size.brushSize;
                r.state.BrushHalfWidth = size.halfWidth;
                r.state.CurrentColor = kRed;
                if (tool == Tool::Eraser) r.canvas.clear(kBlue);
                r.drag(d.fx, d.fy, d.tx, d.ty);
                ExpectNoGap(r, d, tool == Tool::Eraser ? kWhite : kRed, size.halfWidth, size.brushSize);
                // Nothing beyond the blocks at the two ends.
                const Rect expected{std::min(d.fx, d.tx) - size.halfWidth, std::min(d.fy, d.ty) - size.brushSize,
                                    std::max(d.fx, d.tx) + size.halfWidth + 1,
                                    std::max(d.fy, d.ty) + size.brushSize + 1};
                if (tool == Tool::Pencil) {
                    EXPECT_EQ(PaintedBounds(r.canvas), expected);
                }
            }
        }
    }
}

// A pen's pressure level widens or narrows the pencil's block, from half
// to twice the chosen size (level 0, a mouse or a finger: as chosen), and a
// fast drag still leaves no gap; the eraser keeps its size.
TEST(PressedStrokes, ThePencilsBlockFollowsThePressureWithoutGaps) {
    // By level: the half width and half height at the thinnest size (1, 4), then the thickest (8, 20).
    const int rows[][4] = {{1, 4, 8, 20},  {1, 2, 4, 10},  {1, 3, 5, 13},  {1, 3, 6, 15}, {1, 4, 8, 20},
                           {1, 5, 10, 25}, {2, 6, 12, 30}, {2, 7, 14, 35}, {2, 8, 16, 40}};
    for (int level = 0; level <= kPressureLevels; ++level) {
        for (const int big : {0, 2}) {
            for (const Drag& d : {kDrags[0], kDrags[3], kDrags[7]}) {
                SCOPED_TRACE(::testing::Message() << "level " << level << " size " << big << " drag " << d.fx);
                Rig r;
                r.state.PenPressure = std::int16_t(level);
                r.state.BrushSize = big ? 20 : 4;
                r.state.BrushHalfWidth = big ? 8 : 1;
                r.state.CurrentColor = kRed;
                r.drag(d.fx, d.fy, d.tx, d.ty);
                const int hw = rows[level][big], bs = rows[level][big + 1];
                ExpectNoGap(r, d, kRed, hw, bs);
                EXPECT_EQ(PaintedBounds(r.canvas), (Rect{std::min(d.fx, d.tx) - hw, std::min(d.fy, d.ty) - bs,
                                                         std::max(d.fx, d.tx) + hw + 1, std::max(d.fy, d.ty) + bs + 1}));
            }
        }
        Rig eraser;
        eraser.state.ToolMode = Tool::Eraser;
        eraser.state.PenPressure = std::int16_t(level);
        eraser.canvas.clear(kBlue);
        eraser.drag(100, 250, 100, 250);
        EXPECT_EQ(CountColour(eraser.canvas, kWhite), 3 * 9) << level;
    }
    Rig r;  // a size the pressure takes past 16 bits ends the call, as any overflow does
    r.state.PenPressure = 8;
    r.state.BrushSize = 20000;
    EXPECT_FALSE(r.painter.PaintAt(100, 100, kRed));
}

// A hand's ordinary stroke (0.35 to 0.6) is level 4, the chosen size; a
// level holds within 0.03 of its band, so a pressure wavering on an edge
// writes no string of changes. Rows: pressure, the level before, after.
TEST(PressedStrokes, PressureLevelsAndTheirMargin) {
    const double rows[][3] = {{0, 0, 1},    {0.36, 0, 4}, {0.5, 0, 4},  {0.6, 0, 4},  {0.61, 0, 5},  {0.95, 0, 8},
                              {1.5, 0, 8},  {-1, 5, 0},   {0.62, 4, 4}, {0.64, 4, 5}, {0.33, 4, 4},  {0.31, 4, 3},
                              {0.58, 5, 5}, {0.56, 5, 4}, {0.5, 99, 4}, {std::nan(""), 4, 0}};
    for (const auto& row : rows) EXPECT_EQ(PressureLevel(row[0], int(row[1])), int(row[2])) << row[0] << " " << row[1];
}

TEST(JoinedStrokes, EveryBlockSparesOutlinesAndMixesIntoPaint) {
    for (const Tool tool : {Tool::Pencil, Tool::Eraser}) {
        Rig r;
        r.state.ToolMode = tool;
        r.state.CurrentColor = kRed;
        r.canvas.clear(kBlue);
        for (int x = 150; x <= 650; x += 50) r.canvas.line(x, 100, x, 400, kBlack);  // outlines across the path
        r.drag(100, 250, 700, 250);
        for (int x = 150; x <= 650; x += 50)
            for (int y = 240; y <= 260; ++y) EXPECT_EQ(r.canvas.point(x, y), std::int32_t(kBlack)) << x << "," << y;
        for (int x = 101; x < 700; ++x) {
            if (x % 50 == 0) continue;
            const std::int32_t p = r.canvas.point(x, 250);
            if (tool == Tool::Eraser) {
                EXPECT_EQ(p, std::int32_t(kWhite)) << x;
            } else {
                // Red mixed into blue on every block (a pass or more), never plain red or untouched blue.
                EXPECT_GT(RedOf(Colour(p)), 0) << x;
                EXPECT_GT(BlueOf(Colour(p)), 0) << x;
            }
        }
    }
}

TEST(JoinedStrokes, StepsInPlaceAndOtherToolsPaintOnlyTheEnd) {
    struct Case {
        Tool tool;
        int fromX;   // where the step starts
        int blocks;  // blocks or figures painted by the step
    };
    const Case cases[] = {
        {Tool::Pencil, 300, 1},    // a move that goes nowhere paints its one block, as ever
        {Tool::Pencil, 90000, 1},  // a start beyond 16 bits: just the end
        {Tool::Circles, 100, 1},   // circles are not joined up
        {Tool::Balls, 100, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(ToolNumber(c.tool));
        Rig r;
        r.state.ToolMode = c.tool;
        r.state.CurrentColor = kRed;
        r.state.Phase = MousePhase::Move;
        EXPECT_TRUE(r.painter.PaintAlong(c.fromX, 300, 300, 300, kRed));
        if (c.tool == Tool::Balls) {
            EXPECT_EQ(r.pictures.calls.size(), std::size_t(c.blocks));
            EXPECT_EQ(r.pictures.calls.back().x, 300);
            continue;
        }
        const Rect b = PaintedBounds(r.canvas);
        EXPECT_GE(b.left, 300 - r.state.BrushSize);
        EXPECT_LE(b.right, 300 + r.state.BrushSize + 1);
    }
    EXPECT_TRUE(StrokePainter::JoinsUp(Tool::Pencil));
    EXPECT_TRUE(StrokePainter::JoinsUp(Tool::Eraser));
    EXPECT_FALSE(StrokePainter::JoinsUp(Tool::PenLine));
    EXPECT_FALSE(StrokePainter::JoinsUp(static_cast<Tool>(99)));
}

// The window's steps: each press starts a stroke, whatever the button, and
// only moves of that stroke join up.
TEST(JoinedStrokes, StepsJoinWithinAStrokeOnly) {
    struct Step {
        bool press;   // a press (StartStroke, then phase down) or a move
        bool paints;  // the left button is down, so the step paints
        int x;
    };
    struct Case {
        const char* what;
        std::vector<Step> steps;
        int paintedFrom, paintedTo;  // the painted columns, the block's half width included
        int paperAt;                 // a column between strokes that stays paper, or -1
    };
    const Case cases[] = {
        {"press and drag", {{true, true, 100}, {false, true, 300}}, 99, 301, -1},
        {"press only", {{true, true, 100}}, 99, 101, -1},
        {"other button, then left", {{true, true, 100}, {true, false, 500}, {false, true, 300}}, 99, 301, 200},
        {"a new stroke does not join the last",
         {{true, true, 100}, {true, true, 600}, {false, true, 700}},
         99,
         701,
         350},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Rig r;
        r.state.CurrentColor = kRed;
        for (const Step& s : c.steps) {
            if (s.press) r.painter.StartStroke();
            r.state.Phase = s.press ? MousePhase::Down : MousePhase::Move;
            if (s.paints) {
                EXPECT_TRUE(r.painter.PaintStep(std::int16_t(s.x), 200, kRed));
            }
        }
        const Rect b = PaintedBounds(r.canvas);
        EXPECT_EQ(b.left, c.paintedFrom);
        EXPECT_EQ(b.right, c.paintedTo + 1);
        if (c.paperAt >= 0) {
            EXPECT_EQ(r.canvas.point(c.paperAt, 200), std::int32_t(kWhite));
        } else {
            for (int x = c.paintedFrom; x <= c.paintedTo; ++x)
                EXPECT_EQ(r.canvas.point(x, 200), std::int32_t(kRed)) << x;
        }
    }
}

TEST(JoinedStrokes, OverflowOnTheWayEndsTheStepWithWhatWasPainted) {
    Rig r;
    r.state.BrushSize = 20;
    r.state.BrushHalfWidth = 8;
    r.state.Phase = MousePhase::Move;
    // The blocks near y 32767 would end past the 16-bit range.
    EXPECT_FALSE(r.painter.PaintAlong(400, 300, 400, 32760, kRed));
    EXPECT_EQ(r.canvas.point(400, 330), std::int32_t(kRed));
}

// A stroke of one press and one mouse step, through the window's entry.
void Swipe(Rig& r, const Drag& d) {
    r.painter.StartStroke();
    r.state.Phase = MousePhase::Down;
    r.painter.PaintStep(std::int16_t(d.fx), std::int16_t(d.fy), r.state.CurrentColor);
    r.state.Phase = MousePhase::Move;
    r.painter.PaintStep(std::int16_t(d.tx), std::int16_t(d.ty), r.state.CurrentColor);
}

// Stars and splats keep their own distance from the last one: a fast step
// lays them where a drag through every pixel of the same path does.
TEST(SpacedStrokes, StarsAndSplatsAlongAFastStepLandAsAlongTheSlowestDrag) {
    for (const Tool tool : {Tool::Stars, Tool::Splats}) {
        for (const Drag& d : kDrags) {
            SCOPED_TRACE(::testing::Message() << "tool " << ToolNumber(tool) << " drag " << d.fx << "," << d.fy
                                              << " to " << d.tx << "," << d.ty);
            Rig fast, slow;
            fast.state.ToolMode = slow.state.ToolMode = tool;
            Swipe(fast, d);
            const int n = std::max(std::abs(d.tx - d.fx), std::abs(d.ty - d.fy));
            slow.painter.StartStroke();
            for (int k = 0; k <= n; ++k) {
                slow.state.Phase = k ? MousePhase::Move : MousePhase::Down;
                slow.painter.PaintStep(std::int16_t(std::lround(d.fx + double(d.tx - d.fx) * k / n)),
                                       std::int16_t(std::lround(d.fy + double(d.ty - d.fy) * k / n)), kRed);
            }
            ASSERT_EQ(fast.pictures.calls.size(), slow.pictures.calls.size());
            ASSERT_GT(fast.pictures.calls.size(), 2u) << "more than the two ends";
            for (std::size_t i = 0; i < fast.pictures.calls.size(); ++i) {
                const PainterCall &a = fast.pictures.calls[i], &b = slow.pictures.calls[i];
                EXPECT_EQ(a.index, b.index);
                EXPECT_LE(std::abs(a.x - b.x) + std::abs(a.y - b.y), 2) << i;  // both paths round to pixels
            }
        }
    }
}

TEST(RandomSource, ReseedRepeatsTheSequenceFromThatPoint) {
    DefaultRandom a;
    EXPECT_EQ(a.seed(), DefaultRandom().seed());
    for (int i = 0; i < 5; ++i) a.next();
    const std::uint32_t mark = a.seed();
    float drawn[10];
    for (float& v : drawn) v = a.next();
    EXPECT_NE(a.seed(), mark);
    DefaultRandom b(1234);
    b.reseed(mark);
    for (float v : drawn) EXPECT_EQ(b.next(), v);
    b.reseed(mark | 0x7F000000u);  // only 24 bits are state
    EXPECT_EQ(b.seed(), mark);
    EXPECT_EQ(b.next(), drawn[0]);
}

// Strokes under way together, their steps interleaved in any order, paint
// what each would paint alone, one after the other: no step joins a
// stroke other than the one it names. Random paths, one in each quarter of
// the page so no two strokes overlap.
TEST(SeveralStrokes, InterleavedStepsPaintAsEachStrokeAlone) {
    std::mt19937 dice(23);
    // Every tool whose row says so: a row that says it wrongly (a painter
    // that keeps a memory, or draws on from the surface's line start) paints
    // otherwise interleaved.
    int tools = 0;
    for (const ToolRow& row : ToolRows()) {
        if (!row.severalAtOnce) continue;
        ++tools;
        const Tool tool = row.tool;
        ASSERT_TRUE(StrokePainter::PaintsSeveralAtOnce(tool));
        for (int round = 0; round < 20; ++round) {
            SCOPED_TRACE(::testing::Message() << "tool " << ToolNumber(tool) << " round " << round);
            struct Step {
                int stroke;
                std::int16_t x, y;
            };
            std::vector<Step> steps;
            for (int stroke = 1; stroke <= 4; ++stroke) {
                const int left = (stroke - 1) % 2 * 400 + 40, top = (stroke - 1) / 2 * 260 + 40;
                for (int k = 0, n = 2 + int(dice() % 6); k < n; ++k)
                    steps.push_back({stroke, std::int16_t(left + int(dice() % 300)), std::int16_t(top + int(dice() % 180))});
            }
            const auto paint = [&](Rig& r, const std::vector<Step>& order) {
                r.canvas.clear(kBlue);  // so the eraser shows
                r.state.ToolMode = tool;
                bool started[5] = {};
                for (const Step& s : order) {
                    r.state.Phase = started[s.stroke] ? MousePhase::Move : MousePhase::Down;
                    if (!started[s.stroke]) r.painter.StartStroke(s.stroke);
                    started[s.stroke] = true;
                    r.painter.PaintStep(s.stroke, s.x, s.y, kRed);
                }
            };
            Rig alone, together;
            paint(alone, steps);
            // Each stroke's own steps stay in their order: a shuffle, then
            // every stroke's steps dealt back into the places it drew.
            std::vector<Step> mixed = steps;
            std::shuffle(mixed.begin(), mixed.end(), dice);
            for (int stroke = 1; stroke <= 4; ++stroke) {
                auto own = std::find_if(steps.begin(), steps.end(), [&](const Step& t) { return t.stroke == stroke; });
                for (Step& m : mixed)
                    if (m.stroke == stroke) m = *own++;
            }
            paint(together, mixed);
            EXPECT_TRUE(std::equal(alone.canvas.data(), alone.canvas.data() + std::size_t(Surface::kWidth) * Surface::kHeight, together.canvas.data()));
        }
    }
    EXPECT_GE(tools, 2) << "the pencil and the eraser at least";
    EXPECT_FALSE(StrokePainter::PaintsSeveralAtOnce(Tool::None));
}

}  // namespace
}  // namespace pintaloo
