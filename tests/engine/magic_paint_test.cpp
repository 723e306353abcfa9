// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// What the magic brushes that paint promise beyond what every effect does
// (tested over all of them elsewhere): the mirrors' copies are true mirror
// images, chalk stays grainy and deepens where gone over, sparkles keep to
// the current colour and leave a trail.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "engine/toolbox/colours_and_sizes.h"
#include "engine/toolbox/hls.h"
#include "engine/toolbox/stroke_painter.h"
#include "test_support.h"

namespace pintaloo {
namespace {

constexpr Tool kMirrorPaint = Tool(30), kKaleido4 = Tool(31), kKaleido8 = Tool(32), kChalk = Tool(33),
               kSparkles = Tool(34);
constexpr Colour kRed = Rgb(230, 30, 40), kBlue = Rgb(0, 0, 255);

struct Rig {
    EditorState state;
    Surface canvas;
    DefaultRandom rng{77};
    testing::RecordingPainters pictures;
    StrokePainter painter{state, canvas, rng, pictures};
    explicit Rig(Tool tool) {
        FillHueTable(state);
        state.ToolMode = tool;
    }
    void size(int index) {
        state.BrushSize = kBrushSizes[std::size_t(index)].brushSize;
        state.BrushHalfWidth = kBrushSizes[std::size_t(index)].halfWidth;
    }
    // A stroke through the points, pressed at the first.
    void stroke(std::initializer_list<std::pair<int, int>> points, Colour c) {
        painter.StartStroke();
        bool first = true;
        for (auto [x, y] : points) {
            state.Phase = first ? MousePhase::Down : MousePhase::Move;
            painter.PaintStep(std::int16_t(x), std::int16_t(y), c);
            first = false;
        }
    }
    Colour at(int x, int y) const { return Colour(canvas.point(x, y)); }
};

// Random strokes of every size and several colours, some across the middle
// lines and off the edges, on a blank page: the page must come out the same
// under each of the brush's reflections, grain and blends included.
TEST(MagicPaint, MirrorCopiesAreExactReflections) {
    const int w = Surface::kWidth, h = Surface::kHeight, shift = (w - h) / 2;
    using Reflect = std::function<std::pair<int, int>(int, int)>;
    const Reflect leftRight = [&](int x, int y) { return std::pair{w - 1 - x, y}; };
    const Reflect upDown = [&](int x, int y) { return std::pair{x, h - 1 - y}; };
    const Reflect diagonal = [&](int x, int y) { return std::pair{y + shift, x - shift}; };
    const struct {
        Tool tool;
        std::vector<Reflect> reflections;
    } cases[] = {
        {kMirrorPaint, {leftRight}}, {kKaleido4, {leftRight, upDown}}, {kKaleido8, {leftRight, upDown, diagonal}}};
    for (const auto& c : cases) {
        Rig r(c.tool);
        DefaultRandom plan(5);
        const auto roll = [&](int n) { return int(plan.next() * float(n)); };
        for (int s = 0; s < 12; ++s) {
            r.size(s % 4);
            const Colour colour = s % 3 ? Rgb(roll(256), roll(256), roll(256)) : kRed;
            const int x0 = roll(w + 60) - 30, y0 = roll(h + 60) - 30;
            r.stroke({{x0, y0}, {x0 + roll(200) - 100, y0 + roll(120) - 60}, {roll(w), roll(h)}}, colour);
        }
        int painted = 0, odd = 0;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                painted += r.at(x, y) != kWhite;
                for (const Reflect& f : c.reflections) {
                    const auto [mx, my] = f(x, y);
                    if (mx >= 0 && my >= 0 && mx < w && my < h && r.at(mx, my) != r.at(x, y)) ++odd;
                }
            }
        EXPECT_GT(painted, 4000) << ToolNumber(c.tool);
        EXPECT_EQ(odd, 0) << ToolNumber(c.tool);
    }
}

// Chalk gone over again and again in one place still leaves specks of
// paper (the paper's hollows), yet each pass brings the rest nearer the
// colour: grainy and layered, not the pencil's even coat.
TEST(MagicPaint, ChalkKeepsItsGrainAndDeepens) {
    Rig r(kChalk);
    r.size(3);
    const auto distance = [&] {  // how far the middle of the stroke is from blue, in all
        long long d = 0;
        for (int y = 195; y <= 205; ++y)
            for (int x = 150; x <= 250; ++x) d += 255 - BlueOf(r.at(x, y)) + RedOf(r.at(x, y));
        return d;
    };
    long long last = distance();
    for (int pass = 0; pass < 3; ++pass) {
        r.stroke({{140, 200}, {260, 200}}, kBlue);
        EXPECT_LT(distance(), last) << pass;
        last = distance();
    }
    for (int pass = 0; pass < 30; ++pass) r.stroke({{140, 200}, {260, 200}}, kBlue);
    int paper = 0;
    for (int y = 195; y <= 205; ++y)
        for (int x = 150; x <= 250; ++x) paper += r.at(x, y) == kWhite;
    EXPECT_GT(paper, 1111 / 10);  // about one pixel in six is a hollow
}

// Sparkles lay only the current colour (and its light middle), and a long
// slow drag leaves separate figures rather than a solid band.
TEST(MagicPaint, SparklesTrailInTheCurrentColour) {
    for (int size = 0; size < 4; ++size) {
        Rig r(kSparkles);
        r.size(size);
        const Colour green = Rgb(30, 160, 60);
        std::int32_t light = 0;
        MixColors(std::int32_t(kWhite), std::int32_t(green), 3, 2, light);
        r.painter.StartStroke();
        for (int x = 100; x <= 700; ++x) {
            r.state.Phase = x == 100 ? MousePhase::Down : MousePhase::Move;
            r.painter.PaintStep(std::int16_t(x), 268, green);
        }
        int painted = 0, other = 0;
        for (int y = 0; y < Surface::kHeight; ++y)
            for (int x = 0; x < Surface::kWidth; ++x) {
                const Colour p = r.at(x, y);
                if (p == kWhite) continue;
                ++painted;
                other += p != green && p != Colour(light);
            }
        const int band = 600 * (2 * r.state.BrushSize + 1);
        EXPECT_EQ(other, 0) << size;
        EXPECT_GT(painted, band / 12) << size;
        EXPECT_LT(painted, band / 2) << size;
    }
}

}  // namespace
}  // namespace pintaloo
