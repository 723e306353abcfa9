// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine/canvas/checked16.h"
#include "engine/canvas/colour.h"
#include "engine/toolbox/hls.h"

namespace pintaloo {
namespace {

TEST(Colour, SplitJoinAndInverse) {
    std::int32_t r, g, b;
    SplitColor(std::int32_t(Rgb(10, 20, 30)), r, g, b);
    EXPECT_EQ(r, 10);
    EXPECT_EQ(g, 20);
    EXPECT_EQ(b, 30);
    SplitColor(0x7F112233, r, g, b);  // a stray high byte shows in blue
    EXPECT_EQ(b, 0x7F11);
    EXPECT_EQ(Inverse(Rgb(255, 0, 31)), Rgb(0, 255, 224));
    EXPECT_EQ(Inverse(Inverse(Rgb(1, 2, 3))), Rgb(1, 2, 3));
}

TEST(Colour, MixIsOnePartNewToTenPartsOldTruncated) {
    std::int32_t out = 0;
    MixColors(std::int32_t(Rgb(255, 0, 0)), std::int32_t(Rgb(0, 0, 255)), 1, 10, out);
    EXPECT_EQ(Colour(out), Rgb(23, 0, 231));  // 255/11 = 23.18, 2550/11 = 231.8
    MixColors(std::int32_t(Rgb(100, 100, 100)), std::int32_t(Rgb(100, 100, 100)), 1, 10, out);
    EXPECT_EQ(Colour(out), Rgb(100, 100, 100));
    // A weight sum outside 16 bits is an overflow, not a silent wrap.
    EXPECT_THROW(MixColors(1, 2, 30000, 30000, out), Overflow16);
}

TEST(Checked16, RangeAndRounding) {
    EXPECT_EQ(Add16(32766, 1), 32767);
    EXPECT_THROW(Add16(32767, 1), Overflow16);
    EXPECT_THROW(Sub16(-32768, 1), Overflow16);
    EXPECT_THROW(Checked16(PixelOf(32767.6)), Overflow16);
    EXPECT_EQ(Checked16(PixelOf(-32768.4)), -32768);
}

// Every way a point becomes a pixel (a press's drawing position, a paint
// step, a step along a fast stroke) goes through PixelOf, so its rule is
// the replay's: a changed rounding or limit moves recorded strokes.
TEST(PixelOf, RoundsHalvesToEvenAndKeepsWithinTheLimit) {
    const double inf = std::numeric_limits<double>::infinity();
    const int far = int(kMaxCoordinate);
    const struct {
        double v;
        int pixel;
    } rows[] = {
        {2.5, 2},          {3.5, 4},          {-2.5, -2},       {-0.5, 0},         {0.49999, 0},
        {-1.51, -2},       {32767.5, 32768},  {kMaxCoordinate - 0.5, far},        {1e12, far},
        {-1e12, -far},     {inf, far},        {-inf, -far},     {std::numeric_limits<double>::quiet_NaN(), 0},
    };
    for (const auto& r : rows) EXPECT_EQ(PixelOf(r.v), r.pixel) << r.v;
    // A position the program takes as it is rounds to its pixel unchanged
    // by the limit, and never lands more than half a pixel from it.
    for (double v = -kMaxCoordinate; v <= kMaxCoordinate; v += 9973.37) {
        EXPECT_EQ(PointerCoordinate(v), v);
        EXPECT_LE(std::abs(PixelOf(v) - v), 0.5) << v;
    }
}

struct HueRow {
    int h, r, g, b;
};

TEST(Hls, HueTableRows) {
    EditorState s;
    FillHueTable(s);
    const HueRow rows[] = {{0, 255, 0, 255},   {1, 255, 0, 251}, {30, 255, 0, 128},  {59, 255, 0, 4},
                           {60, 255, 0, 0},    {61, 255, 4, 0},  {90, 255, 128, 0},  {120, 255, 255, 0},
                           {150, 128, 255, 0}, {180, 0, 255, 0}, {210, 0, 255, 128}, {240, 0, 255, 255},
                           {270, 0, 128, 255}, {300, 0, 0, 255}, {330, 128, 0, 255}, {359, 251, 0, 255},
                           {360, 255, 0, 255}};
    for (const auto& row : rows) EXPECT_EQ(s.HueTable[std::size_t(row.h)], Rgb(row.r, row.g, row.b)) << "hue " << row.h;
    // Every entry is fully saturated: one part 255, one 0.
    for (Colour c : s.HueTable) {
        const int hi = std::max({RedOf(c), GreenOf(c), BlueOf(c)});
        const int lo = std::min({RedOf(c), GreenOf(c), BlueOf(c)});
        EXPECT_EQ(hi, 255);
        EXPECT_EQ(lo, 0);
    }
}

TEST(Hls, GreysAndLightnessBranches) {
    EditorState s;
    SetHLS(s, 0, 50, 0);  // 127.5 rounds to the even 128
    EXPECT_EQ(Rgb(s.HlsRed, s.HlsGreen, s.HlsBlue), Rgb(128, 128, 128));
    SetHLS(s, 200, 25, 50);
    EXPECT_EQ(Rgb(s.HlsRed, s.HlsGreen, s.HlsBlue), Rgb(32, 96, 53));
    SetHLS(s, 200, 75, 50);
    EXPECT_EQ(Rgb(s.HlsRed, s.HlsGreen, s.HlsBlue), Rgb(159, 223, 181));
    SetHLS(s, 123, 0, 0);
    EXPECT_EQ(Rgb(s.HlsRed, s.HlsGreen, s.HlsBlue), Rgb(0, 0, 0));
}

}  // namespace
}  // namespace pintaloo
