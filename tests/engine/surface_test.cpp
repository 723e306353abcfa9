// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "engine/canvas/surface.h"
#include "test_support.h"

namespace pintaloo {
namespace {

using testing::CountColour;
using testing::PaintedBounds;

constexpr Colour kRed = Rgb(255, 0, 0);

TEST(Surface, PointsClipAndReadMinusOneOutside) {
    Surface s;
    EXPECT_EQ(s.point(-1, 0), -1);
    EXPECT_EQ(s.point(807, 0), -1);
    EXPECT_EQ(s.point(0, 537), -1);
    EXPECT_EQ(s.point(806, 536), std::int32_t(kWhite));
    s.setPoint(1e12, -1e12, kRed);
    s.setPoint(-32768, 32767, kRed);
    EXPECT_EQ(CountColour(s, kRed), 0);
    EXPECT_TRUE(s.takeDirty().empty());
    s.setPoint(3, 4, kRed);
    EXPECT_EQ(s.point(3, 4), std::int32_t(kRed));
    EXPECT_EQ(s.takeDirty(), (Rect{3, 4, 4, 5}));
}

TEST(Surface, WidePenPointIsARoundDot) {
    Surface s;
    s.setPoint(100, 100, kRed, 9);
    const Rect r = PaintedBounds(s);
    EXPECT_EQ(r, (Rect{96, 96, 105, 105}));            // diameter 9
    EXPECT_EQ(s.point(96, 96), std::int32_t(kWhite));  // corners stay round
    EXPECT_EQ(s.point(96, 100), std::int32_t(kRed));
    EXPECT_EQ(s.dirty(), r);
}

TEST(Surface, LinesIncludeBothEndsAndSurviveFarCoordinates) {
    Surface s;
    s.line(10, 10, 20, 15, kRed);
    EXPECT_EQ(s.point(10, 10), std::int32_t(kRed));
    EXPECT_EQ(s.point(20, 15), std::int32_t(kRed));
    EXPECT_EQ(CountColour(s, kRed), 11);
    Surface t;
    t.line(-32768, -32768, 32767, 32767, kRed, 25);  // crosses the whole canvas
    EXPECT_EQ(t.point(300, 300), std::int32_t(kRed));
    EXPECT_EQ(t.point(300, 320), std::int32_t(kWhite));
    const int before = CountColour(t, kRed);
    t.takeDirty();
    t.line(-30000, 5, -20000, 5, kRed, 25);  // wholly outside: nothing
    EXPECT_TRUE(t.dirty().empty());
    // Ends beyond any integer: no fault, and nothing painted (there is no
    // sensible point to start from).
    t.line(1e300, 0, -1e300, 0, kRed);
    EXPECT_EQ(CountColour(t, kRed), before);
}

TEST(Surface, ThickLineHasRoundEnds) {
    Surface s;
    s.line(100, 100, 200, 100, kRed, 10);
    EXPECT_EQ(PaintedBounds(s), (Rect{95, 95, 206, 106}));
    EXPECT_EQ(s.point(96, 96), std::int32_t(kWhite));
    EXPECT_EQ(s.point(150, 95), std::int32_t(kRed));
}

TEST(Surface, CircleOutlineThenFilledByFillStyle) {
    Surface s;
    s.circle(50, 50, 5, kRed);
    EXPECT_EQ(s.point(55, 50), std::int32_t(kRed));
    EXPECT_EQ(s.point(50, 45), std::int32_t(kRed));
    EXPECT_EQ(s.point(50, 50), std::int32_t(kWhite));
    const Colour blue = Rgb(0, 0, 255);
    s.circle(150, 50, 5, kRed, {FillStyle::Solid, blue});
    EXPECT_EQ(s.point(150, 50), std::int32_t(blue));
    EXPECT_EQ(s.point(155, 50), std::int32_t(kRed));
    s.circle(250, 50, 5, kRed);  // the fill was for that call only
    EXPECT_EQ(s.point(250, 50), std::int32_t(kWhite));
}

TEST(Surface, BoxOutlineAndInside) {
    Surface s;
    s.box(10, 10, 20, 18, kRed);
    EXPECT_EQ(CountColour(s, kRed), 2 * 11 + 2 * 7);
    EXPECT_EQ(s.point(15, 14), std::int32_t(kWhite));
    s.box(30, 10, 40, 18, kRed, 1, {FillStyle::Solid, Rgb(0, 255, 0)});
    EXPECT_EQ(s.point(35, 14), std::int32_t(Rgb(0, 255, 0)));
    EXPECT_EQ(CountColour(s, Rgb(0, 255, 0)), 9 * 7);
    s.box(50, 10, 60, 18, kRed);  // the fill was for that call only
    EXPECT_EQ(s.point(55, 14), std::int32_t(kWhite));
}

TEST(Surface, FloodFillStaysInsideAnEnclosedArea) {
    Surface s;
    s.box(100, 100, 200, 150, kBlack);  // closed black outline
    s.floodFill(150, 120, kWhite, kRed);
    EXPECT_EQ(CountColour(s, kRed), 99 * 49);
    EXPECT_EQ(s.point(99, 120), std::int32_t(kWhite));
    EXPECT_EQ(s.takeDirty(), (Rect{100, 100, 201, 151}));
    // Filling on the outline recolours the whole connected outline.
    s.floodFill(100, 100, kBlack, Rgb(0, 0, 255));
    EXPECT_EQ(CountColour(s, kBlack), 0);
    EXPECT_EQ(CountColour(s, Rgb(0, 0, 255)), 2 * 101 + 2 * 49);
}

TEST(Surface, FloodFillIsFourConnectedAndFillsWholeBlankCanvas) {
    Surface s;
    // A diagonal line of single pixels does not stop a 4-connected fill.. but
    // does stop nothing diagonally: pixels touching only at corners are apart.
    s.setPixel(1, 0, kBlack);
    s.setPixel(0, 1, kBlack);
    s.floodFill(0, 0, kWhite, kRed);
    EXPECT_EQ(CountColour(s, kRed), 1);  // (0,0) is cut off
    s.floodFill(5, 5, kWhite, kRed);
    EXPECT_EQ(CountColour(s, kRed), 807 * 537 - 2);
    s.floodFill(-5, 5, kWhite, kRed);  // outside: nothing, no fault
    s.floodFill(5, 5, kRed, kRed);     // same colour as the fill: nothing to do
    EXPECT_EQ(CountColour(s, kRed), 807 * 537 - 2);
}

TEST(Surface, KeyedBlitStretchesAndLeavesOutTheKey) {
    Picture pic(2, 2, kWhite);
    pic.at(0, 0) = kRed;
    pic.at(1, 1) = Rgb(0, 0, 255);
    Surface s;
    s.keyedBlit(pic, 10, 10, 4, 4, kWhite);
    EXPECT_EQ(s.point(10, 10), std::int32_t(kRed));
    EXPECT_EQ(s.point(11, 11), std::int32_t(kRed));
    EXPECT_EQ(s.point(12, 12), std::int32_t(Rgb(0, 0, 255)));
    EXPECT_EQ(s.point(12, 10), std::int32_t(kWhite));  // key left out
    EXPECT_EQ(CountColour(s, kRed), 4);
    s.keyedBlit(pic, -1, -1, 2, 2, kWhite);  // clipped at the corner
    EXPECT_EQ(s.point(0, 0), std::int32_t(Rgb(0, 0, 255)));
    // Wholly off the canvas, and of no width: nothing, and no rectangle to
    // redraw.
    const int reds = CountColour(s, kRed);
    s.takeDirty();
    s.keyedBlit(pic, 30000, 30000, 200, 200, kWhite);
    s.keyedBlit(pic, 0, 0, 0, 5, kWhite);
    EXPECT_EQ(CountColour(s, kRed), reds);
    EXPECT_TRUE(s.dirty().empty());
}

TEST(Surface, SetPictureDrawsUnscaledFromTheCorner) {
    Picture big(900, 600, kRed);
    Surface s;
    s.setPicture(big);
    EXPECT_EQ(CountColour(s, kRed), 807 * 537);
    Picture small(10, 10, kRed);
    s.setPicture(small);
    EXPECT_EQ(CountColour(s, kRed), 100);
    EXPECT_EQ(s.point(10, 0), std::int32_t(kWhite));
    EXPECT_EQ(s.takeDirty(), s.bounds());
}

}  // namespace
}  // namespace pintaloo
