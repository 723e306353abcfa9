// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>

#include "test_support.h"
#include "engine/toolbox/letters_ink.h"
#include "engine/toolbox/hls.h"
#include "engine/toolbox/stroke_painter.h"
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
    ConstantRandom rng{0.0f};  // every pixel of the pencil's block is touched
    RecordingPainters pictures;
    StrokePainter painter{state, canvas, rng, pictures};
    Rig() { FillHueTable(state); }
    bool paint(int x, int y, MousePhase phase = MousePhase::Move) {
        state.Phase = phase;
        return painter.PaintAt(std::int16_t(x), std::int16_t(y), state.CurrentColor);
    }
};

TEST(Pencil, BlockSizeFollowsBrushSize) {
    Rig r;
    r.state.CurrentColor = kRed;
    r.paint(100, 100);
    EXPECT_EQ(PaintedBounds(r.canvas), (Rect{99, 96, 102, 105}));  // 3 x 9 at the default size
    Rig big;
    big.state.CurrentColor = kRed;
    big.state.BrushSize = 20;
    big.state.BrushHalfWidth = 8;
    big.paint(100, 100);
    EXPECT_EQ(PaintedBounds(big.canvas), (Rect{92, 80, 109, 121}));  // 17 x 41
}

TEST(Pencil, TouchesAboutThreePixelsInFour) {
    Rig r;
    DefaultRandom rng;
    StrokePainter painter(r.state, r.canvas, rng, r.pictures);
    r.state.CurrentColor = kRed;
    r.state.BrushSize = 20;
    r.state.BrushHalfWidth = 8;
    for (int x = 50; x < 750; x += 40) painter.PaintAt(std::int16_t(x), 200, kRed);
    const int painted = CountColour(r.canvas, kRed);
    const int total = 18 * 17 * 41;
    EXPECT_GT(painted, total * 70 / 100);
    EXPECT_LT(painted, total * 80 / 100);
}

TEST(Pencil, SparesOutlinesAndMixesOneToTen) {
    Rig r;
    r.state.CurrentColor = kRed;
    r.canvas.setPixel(100, 100, kBlack);  // outline
    r.canvas.setPixel(100, 101, kBlue);   // other paint
    r.canvas.setPixel(100, 102, kRed);    // same colour
    r.paint(100, 100);
    EXPECT_EQ(r.canvas.point(100, 100), std::int32_t(kBlack));
    EXPECT_EQ(r.canvas.point(100, 101), std::int32_t(Rgb(23, 0, 231)));
    EXPECT_EQ(r.canvas.point(100, 102), std::int32_t(kRed));
    EXPECT_EQ(r.canvas.point(99, 96), std::int32_t(kRed));  // paper becomes plain colour
    r.paint(100, 100);                                      // a second pass shifts the mix a little further
    EXPECT_EQ(r.canvas.point(100, 101), std::int32_t(Rgb(44, 0, 210)));
}

TEST(Pencil, SkipsPixelsWhenTheDrawIsThreeQuartersOrMore) {
    Rig r;
    r.rng.value = 0.75f;
    r.paint(100, 100);
    EXPECT_TRUE(PaintedBounds(r.canvas).empty());
    EXPECT_EQ(r.rng.draws, 27);
}

TEST(Eraser, WhitensTheBlockButKeepsOutlines) {
    Rig r;
    r.canvas.clear(kBlue);
    r.canvas.setPixel(100, 100, kBlack);
    r.state.ToolMode = Tool::Eraser;
    r.paint(100, 100);
    EXPECT_EQ(CountColour(r.canvas, kWhite), 3 * 9 - 1);
    EXPECT_EQ(r.canvas.point(100, 100), std::int32_t(kBlack));
    EXPECT_EQ(r.rng.draws, 0);
}

TEST(Fill, FillsEnclosedAreaShowsAtOnceAndLeavesCirclesFilled) {
    Rig r;
    r.canvas.box(10, 10, 60, 60, kBlack);
    r.canvas.takeDirty();
    r.state.ToolMode = Tool::Fill;
    r.state.CurrentColor = kRed;
    r.paint(30, 30, MousePhase::Down);
    EXPECT_EQ(CountColour(r.canvas, kRed), 49 * 49);
    EXPECT_EQ(r.canvas.takeDirty(), (Rect{11, 11, 60, 60}));  // the window repaints at once
    r.state.ToolMode = Tool::Circles;
    r.state.CurrentColor = kBlue;
    r.paint(200, 200);
    EXPECT_EQ(r.canvas.point(200, 200), std::int32_t(kRed));  // filled in the fill colour
    EXPECT_EQ(r.canvas.point(204, 200), std::int32_t(kBlue));
}

TEST(RainbowLine, WalksTheHuesAndCarriesOnAcrossStrokes) {
    Rig r;
    r.state.ToolMode = Tool::RainbowLine;
    r.canvas.moveTo(10, 10);
    r.paint(10, 10);
    EXPECT_EQ(r.canvas.point(10, 10), std::int32_t(r.state.HueTable[0]));
    r.paint(40, 10);
    EXPECT_EQ(r.canvas.point(40, 10), std::int32_t(r.state.HueTable[1]));
    EXPECT_EQ(r.state.RainbowIndex, 2);
    r.state.RainbowIndex = 360;
    r.paint(80, 10);
    EXPECT_EQ(r.state.RainbowIndex, 0);
}

TEST(TwoColourDots, AlternateOnEveryStepAcrossPresses) {
    Rig r;
    r.state.ToolMode = Tool::TwoColourDots;
    r.state.CurrentColor = kRed;
    r.paint(50, 50, MousePhase::Down);
    r.paint(150, 50);
    r.paint(250, 50, MousePhase::Down);
    EXPECT_EQ(r.canvas.point(50, 50), std::int32_t(kRed));
    EXPECT_EQ(r.canvas.point(150, 50), std::int32_t(Inverse(kRed)));
    EXPECT_EQ(r.canvas.point(250, 50), std::int32_t(kRed));
    EXPECT_EQ(PaintedBounds(r.canvas).height(), 9);  // pen width BrushSize + 5
    EXPECT_EQ(r.state.LastX, 250);
    r.state.AlternateFlag = 7;  // an unknown alternation paints nothing
    r.paint(350, 50);
    EXPECT_EQ(r.canvas.point(350, 50), std::int32_t(kWhite));
}

TEST(PenLine, MovesOnPressAndDrawsOnMoves) {
    Rig r;
    r.state.ToolMode = Tool::PenLine;
    r.state.CurrentColor = kBlue;
    r.paint(20, 20, MousePhase::Down);
    EXPECT_TRUE(PaintedBounds(r.canvas).empty());
    r.paint(60, 20, MousePhase::Move);
    EXPECT_EQ(r.canvas.point(40, 20), std::int32_t(kBlue));
    r.paint(90, 20, MousePhase::Up);
    EXPECT_EQ(r.canvas.point(80, 20), std::int32_t(kWhite));
}

TEST(PictureTools, DispatchCyclingSpacingAndPressOnlyStamps) {
    Rig r;
    auto& calls = r.pictures.calls;
    r.state.ToolMode = Tool::Balls;
    r.state.SwatchIndex = 14;
    r.paint(5, 6);
    EXPECT_EQ(calls.back(), (PainterCall{"ball", 5, 6, 14}));

    r.state.ToolMode = Tool::Daisies;  // daisies 0, 1, 2, 0
    for (int i = 0; i < 4; ++i) r.paint(i, 0);
    EXPECT_EQ(calls.back(), (PainterCall{"daisy", 3, 0, 0}));
    EXPECT_EQ(calls[calls.size() - 2].index, 2);
    r.state.ToolMode = Tool::Tangles;
    r.state.ToolVariant = 7;
    r.paint(1, 1);
    EXPECT_EQ(calls.back(), (PainterCall{"tangle", 1, 1, 7}));
    EXPECT_EQ(r.state.ToolVariant, 0);
    r.state.ToolMode = Tool::Scribbles;
    r.state.ToolVariant = 4;  // out of range: nothing, unchanged
    const auto before = calls.size();
    r.paint(1, 1);
    EXPECT_EQ(calls.size(), before);
    EXPECT_EQ(r.state.ToolVariant, 4);

    r.state.ToolMode = Tool::Stars;  // stars need more than 50 pixels in x or y
    r.state.ToolVariant = 0;
    r.state.LastX = 100;
    r.state.LastY = 100;
    r.paint(150, 150);
    EXPECT_EQ(calls.size(), before);
    r.paint(151, 100);
    EXPECT_EQ(calls.back(), (PainterCall{"star", 151, 100, 0}));
    EXPECT_EQ(r.state.LastX, 151);
    r.state.ToolMode = Tool::Splats;  // splats: 10 pixels
    r.paint(161, 100);
    EXPECT_EQ(calls.back().name, "star");
    r.paint(162, 100);
    EXPECT_EQ(calls.back(), (PainterCall{"splat", 162, 100, 1}));
    r.state.ToolVariant = 9;  // no figure, but the point is still kept
    r.paint(300, 300);
    EXPECT_EQ(calls.back().name, "splat");
    EXPECT_EQ(r.state.LastX, 300);

    r.state.ToolMode = Tool::StampSuns;  // suns, variant 2: picture 143, only on the press
    r.state.ToolVariant = 2;
    r.paint(40, 50, MousePhase::Down);
    for (int i = 0; i < 10; ++i) r.paint(40 + i, 50, MousePhase::Move);
    EXPECT_EQ(calls.back(), (PainterCall{"stamp", 40, 50, 143}));
    EXPECT_EQ(std::count_if(calls.begin(), calls.end(), [](auto& c) { return c.name == "stamp"; }), 1);
    r.state.ToolMode = Tool::StampAnimals;
    r.state.ToolVariant = 8;  // past the animals: nothing
    r.paint(40, 50, MousePhase::Down);
    EXPECT_EQ(calls.back().index, 143);
}

// Every row of the tool table paints a press and a step (a whole-picture
// effect its one run, over a red box it can move), and only through the
// surface (every pixel it changed inside the rectangle the surface reports,
// which is what the window redraws) or the picture painters. A number
// without a row paints nothing.
TEST(PaintAt, EveryToolInTheTablePaintsThroughTheSurfaceOnly) {
    for (const ToolRow& row : ToolRows()) {
        SCOPED_TRACE(ToolNumber(row.tool));
        Rig r;
        r.canvas.clear(kBlue);  // so that the eraser shows too
        // and a red line under the step, so that effects that blur or drag paint have edges to work on
        r.canvas.line(280, 320, 360, 320, kRed, 3);
        if (row.wholePicture) r.canvas.box(250, 250, 330, 300, kRed, 1, {FillStyle::Solid, kRed});
        const Surface before = r.canvas;
        r.canvas.takeDirty();
        r.state.ToolMode = row.tool;
        r.state.CurrentColor = kRed;
        if (row.wholePicture) {
            // A press on the paper runs nothing: the effect runs once, from its picker.
            EXPECT_TRUE(r.paint(300, 300, MousePhase::Down));
            EXPECT_TRUE(std::equal(before.data(), before.data() + before.width() * before.height(), r.canvas.data()))
                << "a press on the paper ran a whole-picture effect";
            EXPECT_TRUE(r.painter.PaintWholePicture(row.tool, kRed));
        } else if (row.shape) {  // a shape lands where the drag lets go
            r.state.Phase = MousePhase::Down;
            EXPECT_TRUE(r.painter.PaintStep(300, 300, kRed));
            r.state.Phase = MousePhase::Move;
            EXPECT_TRUE(r.painter.PaintStep(340, 320, kRed));
            EXPECT_TRUE(r.painter.LandShape(0, 340, 320, kRed));
        } else {
            EXPECT_TRUE(r.paint(300, 300, MousePhase::Down));
            EXPECT_TRUE(r.paint(340, 320, MousePhase::Move));
        }
        Rect changed;
        for (int y = 0; y < r.canvas.height(); ++y)
            for (int x = 0; x < r.canvas.width(); ++x)
                if (r.canvas.point(x, y) != before.point(x, y)) changed.unite({x, y, x + 1, y + 1});
        // The letters' press is the window's (its word lands in an action of its own).
        if (row.tool == kLettersTool)
            EXPECT_TRUE(changed.empty() && r.pictures.calls.empty()) << "the letters paint nothing on a drag";
        else
            EXPECT_NE(changed.empty(), r.pictures.calls.empty()) << "paints on the surface or through a picture";
        EXPECT_EQ(changed.intersected(r.canvas.dirty()), changed) << "a change the window is not told of";
    }
    for (int tool : {0, ToolNumber(Tool::None), LastToolNumber() + 1, -1, 999}) {
        Rig r;
        r.state.ToolMode = static_cast<Tool>(tool);
        EXPECT_TRUE(r.paint(100, 100, MousePhase::Down));
        EXPECT_TRUE(PaintedBounds(r.canvas).empty());
        EXPECT_TRUE(r.pictures.calls.empty());
    }
}

// At the edges of 16 bits a figure's sums leave the range: the call ends
// there and says so, and nothing lands on the canvas, since every figure
// around such a point lies far off it (a sum that wrapped, or was clamped
// rather than ending the call, would show there). Every tool takes both
// calls without a fault; the sanitizers' build also proves no sum
// overflowed on the way.
TEST(PaintAt, OverflowNearTheLimitsEndsTheCallCleanly) {
    for (int x : {32767, -32768, 32760}) {
        int ended = 0;
        for (const ToolRow& row : ToolRows()) {
            SCOPED_TRACE(std::to_string(ToolNumber(row.tool)) + " at " + std::to_string(x));
            Rig r;
            r.state.ToolMode = row.tool;
            r.state.BrushSize = 20;
            r.state.BrushHalfWidth = 8;
            r.state.LastX = std::int16_t(x);
            r.state.LastY = std::int16_t(x);
            r.canvas.moveTo(x, x);  // the line tools join up from the same far point
            ended += !r.paint(x, x, MousePhase::Down);
            ended += !r.paint(x, 100, MousePhase::Move);
            EXPECT_TRUE(PaintedBounds(r.canvas).empty());
        }
        EXPECT_GT(ended, 0) << "no figure reached the limit at " << x << ": the loop would test nothing";
    }
    Rig r;
    r.state.BrushSize = 20;
    EXPECT_FALSE(r.paint(100, 32760));  // the pencil's block would end past 32767
    r.state.ToolMode = Tool::Bricks;
    EXPECT_FALSE(r.paint(32760, 100));
}

}  // namespace
}  // namespace pintaloo
