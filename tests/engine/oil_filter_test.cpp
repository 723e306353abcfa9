// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <random>
#include <vector>

#include "engine/canvas/oil_filter.h"
#include "engine/canvas/random_source.h"
#include "engine/canvas/surface.h"

namespace pintaloo {
namespace {

// The filter written the plain way, three whole copies and per-pixel level
// counts, kept here so the fast version can be checked against it bit for bit.
void ReferenceOil(std::vector<Colour>& px, int w, int left, int top, int right, int bottom, int radius, int levels) {
    const double scale = levels / 255.0;
    std::vector<Colour> levelGrid = px, source = px, target = px;
    for (int x = left; x <= right; ++x)
        for (int y = top; y <= bottom; ++y) {
            Colour& c = levelGrid[std::size_t(y * w + x)];
            const int b = BlueOf(c), g = GreenOf(c), r = RedOf(c);
            double luma = g * 0.59;
            luma += r * 0.30;
            luma += b * 0.11;
            const int level = int(std::nearbyint(std::nearbyint(luma) * scale));
            c = (c & 0xFF00FFFFu) | (Colour(level) << 16);  // the level goes in the blue byte
        }
    std::array<int, 256> count{};
    std::array<Colour, 256> colour{};
    for (int x = left; x <= right; ++x)
        for (int y = top; y <= bottom; ++y) {
            for (int sx = x - radius; sx <= x + radius; ++sx)
                for (int sy = y - radius; sy <= y + radius; ++sy) {
                    if (!(left < sx && sx < right && top < sy && sy < bottom)) continue;
                    const int v = BlueOf(levelGrid[std::size_t(sy * w + sx)]);
                    if (++count[std::size_t(v)] == 1)
                        colour[std::size_t(v)] = source[std::size_t(sy * w + sx)] & 0xFFFFFFu;
                }
            int best = 0, bestCount = 0;
            for (int v = 0; v <= levels; ++v) {
                if (count[std::size_t(v)] > bestCount) {
                    best = v;
                    bestCount = count[std::size_t(v)];
                }
                count[std::size_t(v)] = 0;
            }
            Colour& t = target[std::size_t(y * w + x)];
            t = (t & 0xFF000000u) | colour[std::size_t(best)];
        }
    px = target;
}

std::vector<Colour> Pixels(const Surface& s) { return {s.data(), s.data() + s.width() * s.height()}; }

void RunFast(std::vector<Colour>& px, int w, int h) { OilFilter(px.data(), w, h, 0, 0, w - 1, h - 1, 1, 160); }

TEST(OilFilter, PlainCanvasIsUnchanged) {
    Surface s;
    s.clear(Rgb(12, 200, 99));
    auto px = Pixels(s);
    RunFast(px, s.width(), s.height());
    EXPECT_EQ(px, Pixels(s));
}

TEST(OilFilter, SpecksAndThinLinesVanishWideLinesSurvive) {
    Surface s;
    s.setPixel(100, 100, kBlack);
    s.line(200, 50, 200, 150, kBlack);  // one pixel wide
    s.line(300, 50, 300, 150, kBlack);
    s.line(301, 50, 301, 150, kBlack);  // two pixels wide
    auto px = Pixels(s);
    RunFast(px, s.width(), s.height());
    const auto at = [&](int x, int y) { return px[std::size_t(y * s.width() + x)]; };
    EXPECT_EQ(at(100, 100), kWhite);
    EXPECT_EQ(at(200, 100), kWhite);
    EXPECT_EQ(at(300, 100), kBlack);
    EXPECT_EQ(at(301, 100), kBlack);
}

TEST(OilFilter, TiesGoDarkerAndFirstMetColourWins) {
    // 4 x 4 inner window: a pixel whose window holds equal counts of two
    // levels takes the darker; two colours of one level take the first met.
    const int w = 6, h = 6;
    std::vector<Colour> px(w * h, kWhite);
    // Column sx = 1 and the top of column 2 dark, the rest of the window white:
    // window of (2,2) spans x 1..3, y 1..3.
    for (int y = 1; y <= 3; ++y) px[std::size_t(y * w + 1)] = Rgb(10, 10, 10);
    px[std::size_t(1 * w + 2)] = Rgb(10, 10, 10);
    px[std::size_t(2 * w + 2)] = Rgb(10, 10, 12);  // same level, different colour
    auto ref = px;
    ReferenceOil(ref, w, 0, 0, w - 1, h - 1, 1, 160);
    auto fast = px;
    RunFast(fast, w, h);
    EXPECT_EQ(fast, ref);
    EXPECT_EQ(fast[std::size_t(2 * w + 2)], Rgb(10, 10, 10));  // 5 dark against 4 white, first met
    // Equal counts: window of (3,2) has x 2..4; make it 4 dark + 4 white + 1 grey.
    std::vector<Colour> tie(w * h, kWhite);
    tie[std::size_t(1 * w + 2)] = tie[std::size_t(2 * w + 2)] = tie[std::size_t(3 * w + 2)] = Rgb(0, 0, 0);
    tie[std::size_t(1 * w + 3)] = Rgb(0, 0, 0);
    tie[std::size_t(2 * w + 3)] = Rgb(128, 128, 128);
    RunFast(tie, w, h);
    EXPECT_EQ(tie[std::size_t(2 * w + 3)], kBlack);
}

TEST(OilFilter, BorderPixelsComeFromInnerNeighbours) {
    Surface s;
    s.clear(Rgb(0, 0, 200));
    for (int x = 0; x < s.width(); ++x) s.setPixel(x, 0, kWhite);  // the outer row never counts
    auto px = Pixels(s);
    RunFast(px, s.width(), s.height());
    EXPECT_EQ(px[10], Rgb(0, 0, 200));
    EXPECT_EQ(px[0], Rgb(0, 0, 200));
}

TEST(OilFilter, KeepsTheFourthByte) {
    const int w = 8, h = 8;
    std::vector<Colour> px(w * h, 0x5A000000u | kWhite);
    px[std::size_t(3 * w + 3)] = 0x11000000u | kBlack;
    RunFast(px, w, h);
    EXPECT_EQ(px[std::size_t(3 * w + 3)], 0x11000000u | kWhite);
}

TEST(OilFilter, AgreesWithReferenceOnRandomAndDrawnPictures) {
    std::mt19937 gen(1234);
    // Noise with few colours (many ties), noise with all colours, and
    // colours picked near the rounding halves of the brightness.
    for (int round = 0; round < 3; ++round) {
        const int w = 97 + round * 13, h = 61 + round * 7;
        std::vector<Colour> px(std::size_t(w * h));
        std::uniform_int_distribution<int> pick(0, 3), byte(0, 255);
        const Colour few[4] = {Rgb(10, 20, 30), Rgb(11, 20, 30), Rgb(200, 200, 200), Rgb(0, 0, 255)};
        for (auto& c : px) {
            if (round == 0)
                c = few[pick(gen)];
            else if (round == 1)
                c = Rgb(byte(gen), byte(gen), byte(gen));
            else
                c = Rgb(50, byte(gen) % 3 + 100, 50);  // 59G + 1800 ends in 50 often
        }
        auto ref = px;
        ReferenceOil(ref, w, 0, 0, w - 1, h - 1, 1, 160);
        auto fast = px;
        RunFast(fast, w, h);
        EXPECT_EQ(fast, ref) << "round " << round;
    }
    // Every brightness-level boundary: each colour whose 59G + 30R + 11B ends in 50.
    std::vector<Colour> halves;
    for (int r = 0; r < 256; r += 5)
        for (int g = 0; g < 256; ++g)
            for (int b = 0; b < 256; b += 3)
                if ((59 * g + 30 * r + 11 * b) % 100 == 50) halves.push_back(Rgb(r, g, b));
    const int w = 211, h = int(halves.size() / 211);
    halves.resize(std::size_t(w * h));
    auto ref = halves;
    ReferenceOil(ref, w, 0, 0, w - 1, h - 1, 1, 160);
    RunFast(halves, w, h);
    EXPECT_EQ(halves, ref);
}

// Strokes of many colours and widths all over the canvas.
Surface DrawnCanvas() {
    Surface s;
    DefaultRandom rng;
    for (int i = 0; i < 400; ++i) {
        const int x = int(rng.next() * 807), y = int(rng.next() * 537);
        const Colour c = Rgb(int(rng.next() * 256), int(rng.next() * 256), int(rng.next() * 256));
        s.line(x, y, x + int(rng.next() * 80) - 40, y + int(rng.next() * 80) - 40, c, 1 + int(rng.next() * 6));
    }
    return s;
}

TEST(OilFilter, AgreesWithReferenceOnAFullDrawnCanvas) {
    const Surface s = DrawnCanvas();
    auto px = Pixels(s);
    auto ref = px;
    ReferenceOil(ref, s.width(), 0, 0, s.width() - 1, s.height() - 1, 1, 160);
    RunFast(px, s.width(), s.height());
    EXPECT_EQ(px, ref);
    // Other rectangles, radii and level counts take the general path.
    auto px2 = Pixels(s), ref2 = px2;
    ReferenceOil(ref2, s.width(), 10, 20, 300, 200, 2, 255);
    OilFilter(px2.data(), s.width(), s.height(), 10, 20, 300, 200, 2, 255);
    EXPECT_EQ(px2, ref2);
    auto px3 = Pixels(s), ref3 = px3;
    ReferenceOil(ref3, s.width(), 5, 5, 7, 200, 1, 160);  // too narrow for the fast path
    OilFilter(px3.data(), s.width(), s.height(), 5, 5, 7, 200, 1, 160);
    EXPECT_EQ(px3, ref3);
}

// Tall rectangles are worked in two bands of rows at once; where the bands
// meet, and with odd and even row counts either side of where the split
// starts, the result must still be the plain one.
TEST(OilFilter, BandsMeetWithoutASeam) {
    const Surface s = DrawnCanvas();
    struct Area {
        int left, top, right, bottom;
    };
    const Area areas[] = {
        {100, 50, 180, 176}, {100, 50, 180, 177}, {100, 50, 180, 178}, {101, 51, 160, 179},
        {0, 0, 806, 536},    {3, 7, 20, 300},     {40, 400, 806, 536}, {0, 200, 806, 536},
    };
    for (const Area& a : areas) {
        SCOPED_TRACE(::testing::Message() << a.left << "," << a.top << " to " << a.right << "," << a.bottom);
        auto ref = Pixels(s);
        ReferenceOil(ref, s.width(), a.left, a.top, a.right, a.bottom, 1, 160);
        Surface fast = s;
        fast.takeDirty();
        OilFilter(fast, a.left, a.top, a.right, a.bottom, 1, 160);
        EXPECT_EQ(Pixels(fast), ref);
        EXPECT_EQ(fast.takeDirty(), (Rect{a.left, a.top, a.right + 1, a.bottom + 1}));
    }
}

}  // namespace
}  // namespace pintaloo
