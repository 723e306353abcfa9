// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "engine/canvas/patterns.h"
#include "engine/canvas/spray.h"
#include "test_support.h"

namespace pintaloo {
namespace {

using testing::ConstantRandom;
using testing::CountColour;
using testing::PaintedBounds;

constexpr Colour kRed = Rgb(255, 0, 0);

std::set<std::pair<int, int>> PaintedOffsets(const Surface& s, int cx, int cy, Colour c) {
    std::set<std::pair<int, int>> out;
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x)
            if (s.point(x, y) == std::int32_t(c)) out.insert({x - cx, y - cy});
    return out;
}

TEST(Spray, ZeroGeneratorGivesCentrePlusFixedCore) {
    Surface s;
    ConstantRandom zero(0.0f);
    SprayDots(s, zero, kRed, 4, 100, 100);
    EXPECT_EQ(zero.draws, 142);
    const auto dots = PaintedOffsets(s, 100, 100, kRed);
    EXPECT_EQ(dots.size(), 47u);  // the centre and 46 fixed offsets
    EXPECT_TRUE(dots.count({0, 0}));
    EXPECT_TRUE(dots.count({6, 0}) && dots.count({-6, 0}));
    EXPECT_TRUE(dots.count({5, 6}) && dots.count({-6, -5}));
    EXPECT_TRUE(dots.count({0, 5}) && dots.count({0, -5}));
    EXPECT_FALSE(dots.count({0, 6}));
    EXPECT_FALSE(dots.count({0, -6}));
}

TEST(Spray, SizeScalesOnlyTheInnerGroups) {
    Surface s;
    ConstantRandom almostOne(0.9999f);
    SprayDots(s, almostOne, kRed, 4, 200, 200);
    const auto dots = PaintedOffsets(s, 200, 200, kRed);
    // Size 4: the 20 scaled dots land at +-3; the mist at +-19 (and -9 for group 7).
    EXPECT_TRUE(dots.count({3, 3}) && dots.count({-3, -3}) && dots.count({3, -3}) && dots.count({-3, 3}));
    EXPECT_TRUE(dots.count({19, 19}) && dots.count({-19, 19}) && dots.count({-9, 9}));
    EXPECT_TRUE(dots.count({-19, -19}) && dots.count({19, -19}));
    for (const auto& [dx, dy] : dots) EXPECT_LE(std::max(std::abs(dx), std::abs(dy)), 19);
    Surface t;
    SprayDots(t, almostOne, kRed, 20, 200, 200);
    EXPECT_TRUE(PaintedOffsets(t, 200, 200, kRed).count({-19, -19}));
}

TEST(Spray, ClipsAtTheCorner) {
    Surface s;
    DefaultRandom rng;
    SprayDots(s, rng, kRed, 20, 0, 0);
    const Rect r = PaintedBounds(s);
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 0);
    EXPECT_LE(r.right, 20);
    EXPECT_GT(CountColour(s, kRed), 10);
}

TEST(Patterns, BricksMakeSeamlessBrickwork) {
    Surface s;
    DefaultRandom rng;
    PatternPainter p(s, rng);
    for (int y = 100; y < 200; y += 4)
        for (int x = 100; x < 300; x += 5) p.DrawPattern(std::int16_t(x), std::int16_t(y), 3, kRed);
    // Inside the scrubbed area: mortar along every y multiple of 8, joints at
    // x multiples of 24 on rows starting at a multiple of 16, shifted by 12
    // on the rows between.
    for (int y = 120; y < 180; ++y) {
        for (int x = 130; x < 260; ++x) {
            const bool mortar = y % 8 == 0;
            const bool joint = (y / 8) % 2 == 0 ? x % 24 == 0 : x % 24 == 12;
            EXPECT_EQ(s.point(x, y) == std::int32_t(kRed), mortar || joint) << x << "," << y;
        }
    }
}

TEST(Patterns, SameCellGivesTheSameFigure) {
    for (int pattern : {1, 2, 3}) {
        Surface a, b;
        DefaultRandom rng;
        PatternPainter pa(a, rng), pb(b, rng);
        pa.DrawPattern(200, 200, std::int16_t(pattern), kRed);
        pb.DrawPattern(203, 205, std::int16_t(pattern), kRed);
        EXPECT_TRUE(std::equal(a.data(), a.data() + 807 * 537, b.data())) << "pattern " << pattern;
    }
}

TEST(Patterns, FigureReachAndFilledBoxesAfterFill) {
    Surface s;
    DefaultRandom rng;
    PatternPainter p(s, rng);
    p.DrawPattern(240, 160, 2, kRed);  // cell corner (240, 160)
    const Rect r = PaintedBounds(s);
    EXPECT_LE(r.top, 160 - 16);
    EXPECT_GE(r.right, 240 + 36);
    EXPECT_LE(r.right, 240 + 36 + 2);
    Surface t;
    PatternPainter q(t, rng);
    const FillMode green{FillStyle::Solid, Rgb(0, 255, 0)};
    q.DrawPattern(240, 160, 3, kRed, green);
    EXPECT_EQ(t.point(250, 164), std::int32_t(Rgb(0, 255, 0)));
    EXPECT_EQ(t.point(240, 160), std::int32_t(kRed));
    q.DrawPattern(240, 200, 1, kRed, green);  // tiles: the lower box is filled too
    EXPECT_EQ(t.point(246, 214), std::int32_t(Rgb(0, 255, 0)));
}

TEST(Patterns, RainbowDotsTouchInAColumnAndClip) {
    Surface s;
    DefaultRandom rng;
    PatternPainter p(s, rng);
    p.RainbowDots(100, 100, 9, 9);
    EXPECT_EQ(s.point(100, 100), std::int32_t(Rgb(255, 0, 0)));
    EXPECT_EQ(s.point(100, 109), std::int32_t(Rgb(255, 143, 11)));
    EXPECT_EQ(s.point(100, 154), std::int32_t(Rgb(255, 255, 0)));
    EXPECT_EQ(s.point(100, 104), std::int32_t(Rgb(255, 0, 0)));  // touching
    p.RainbowDots(300, 520, 9, 9);                               // near the bottom: only what fits
    EXPECT_EQ(s.point(300, 529), std::int32_t(Rgb(255, 143, 11)));
}

TEST(Patterns, GrassTuftsFanUpwardsWithRedFlowers) {
    Surface s;
    DefaultRandom rng;
    PatternPainter p(s, rng);
    p.DrawPattern(200, 200, 5, Rgb(0, 202, 5));
    const Rect r = PaintedBounds(s);
    EXPECT_GE(r.left, 200 - 11);
    EXPECT_LE(r.right, 200 + 12);
    EXPECT_GE(r.top, 200 - 19 - 1);
    EXPECT_LE(r.bottom, 200 + 3);
    EXPECT_GT(CountColour(s, Rgb(255, 0, 0)), 8);
    EXPECT_GT(CountColour(s, Rgb(0, 202, 5)), 16);
}

}  // namespace
}  // namespace pintaloo
