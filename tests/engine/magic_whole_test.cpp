// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// What the whole-picture effects promise beyond what every effect does
// (something changes, nothing outside the dirty box, lines untouched, the
// same numbers give the same picture: the test over every magic row).
#include <gtest/gtest.h>

#include <cstddef>
#include <functional>
#include <optional>

#include "test_support.h"
#include "engine/toolbox/hls.h"
#include "engine/toolbox/stroke_painter.h"
#include "engine/toolbox/tools_table.h"

namespace pintaloo {
namespace {

using testing::RecordingPainters;

constexpr Tool kFlip = Tool(41), kMirror = Tool(42), kSnow = Tool(43), kBubbles = Tool(44), kBlocks = Tool(45);

struct Rig {
    EditorState state;
    Surface canvas;
    DefaultRandom rng;
    RecordingPainters pictures;
    StrokePainter painter{state, canvas, rng, pictures};
    explicit Rig(std::uint32_t seed = 7) : rng(seed) {
        FillHueTable(state);
        // A page coloured in: black lines (boxes, rings, strokes) over
        // patches of paint, half of the regions filled, crayon on top.
        DefaultRandom draw(seed * 31 + 5);
        const auto at = [&](int n) { return int(draw.next() * float(n)); };
        for (int i = 0; i < 12; ++i) {
            const Colour c = Rgb(at(256), at(256), at(256)) | 1;  // never the outline's black
            const int x = at(760), y = at(500);
            canvas.box(x, y, x + 20 + at(150), y + 20 + at(120), c, 1, {FillStyle::Solid, c});
        }
        for (int i = 0; i < 10; ++i) {
            canvas.circle(at(807), at(537), 15 + at(90), kBlack);
            canvas.line(at(807), at(537), at(807), at(537), kBlack, 3);
        }
        for (int i = 0; i < 8; ++i) canvas.floodFill(at(807), at(537), kWhite, Rgb(at(256), at(256), 200));
        state.CurrentColor = Rgb(250, 120, 20);
        for (int x = 100; x < 700; x += 3) painter.PaintAt(std::int16_t(x), std::int16_t(300 + x / 10), state.CurrentColor);
    }
    Colour at(int x, int y) const { return canvas.data()[std::size_t(y) * std::size_t(canvas.width()) + std::size_t(x)]; }
};

// Flip and mirror trade every pixel's paint with its partner's, unless
// either is a line; twice is the picture itself.
TEST(MagicWhole, FlipAndMirrorMovePaintAroundTheLines) {
    struct Case {
        Tool tool;
        std::function<std::pair<int, int>(int, int)> partner;
    };
    const Case cases[] = {{kFlip, [](int x, int y) { return std::pair{x, Surface::kHeight - 1 - y}; }},
                          {kMirror, [](int x, int y) { return std::pair{Surface::kWidth - 1 - x, y}; }}};
    for (const Case& c : cases) {
        SCOPED_TRACE(ToolNumber(c.tool));
        Rig r;
        const Surface before = r.canvas;
        r.painter.PaintWholePicture(c.tool, r.state.CurrentColor);
        int moved = 0;
        for (int y = 0; y < r.canvas.height(); ++y) {
            for (int x = 0; x < r.canvas.width(); ++x) {
                const auto [px, py] = c.partner(x, y);
                const Colour mine = Colour(before.point(x, y)), theirs = Colour(before.point(px, py));
                const Colour expected = mine != kBlack && theirs != kBlack ? theirs : mine;
                ASSERT_EQ(r.at(x, y), expected) << x << "," << y;
                moved += expected != mine;
            }
        }
        EXPECT_GT(moved, 10000);
        r.painter.PaintWholePicture(c.tool, r.state.CurrentColor);
        EXPECT_TRUE(std::equal(before.data(), before.data() + 807 * 537, r.canvas.data()));
    }
}

// Inside each tile, away from its one-pixel edge, every pixel but a line's
// is of one colour; and a canvas of one colour keeps that colour there.
TEST(MagicWhole, BlocksAreTilesOfOneColour) {
    Rig r;
    r.painter.PaintWholePicture(kBlocks, 0);
    constexpr int kTile = 14, left = (807 % kTile) / 2, top = (537 % kTile) / 2;
    for (int ty = top; ty + kTile <= 537; ty += kTile) {
        for (int tx = left; tx + kTile <= 807; tx += kTile) {
            std::optional<Colour> tile;
            for (int y = ty + 1; y < ty + kTile - 1; ++y)
                for (int x = tx + 1; x < tx + kTile - 1; ++x) {
                    const Colour c = r.at(x, y);
                    if (c == kBlack) continue;
                    if (!tile) tile = c;
                    ASSERT_EQ(c, *tile) << x << "," << y;
                }
        }
    }
    Rig flat;
    flat.canvas.clear(Rgb(40, 160, 90));
    flat.painter.PaintWholePicture(kBlocks, 0);
    EXPECT_EQ(flat.at(400, 250), Rgb(40, 160, 90));
}

// The random effects draw only from the seeded numbers: the same seed gives
// the same picture and another seed another. Snow also lies on top of a
// flat box and falls thicker lower down.
TEST(MagicWhole, SnowAndBubblesFollowTheSeed) {
    for (Tool tool : {kSnow, kBubbles}) {
        SCOPED_TRACE(ToolNumber(tool));
        Rig a(1), b(1), c(2);
        c.canvas = a.canvas;
        for (Rig* r : {&a, &b, &c}) r->painter.PaintWholePicture(tool, 0);
        EXPECT_TRUE(std::equal(a.canvas.data(), a.canvas.data() + 807 * 537, b.canvas.data()));
        EXPECT_FALSE(std::equal(a.canvas.data(), a.canvas.data() + 807 * 537, c.canvas.data()));
    }
    Rig box;
    box.canvas.clear();
    box.canvas.box(200, 300, 600, 400, Rgb(200, 30, 30), 1, {FillStyle::Solid, Rgb(200, 30, 30)});
    const Surface before = box.canvas;
    box.painter.PaintWholePicture(kSnow, 0);
    int changed[2] = {0, 0};  // in the top and bottom thirds, the drift left out
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 807; ++x)
            if ((y < 160 || y >= 320) && box.at(x, y) != Colour(before.point(x, y))) ++changed[y >= 320];
    EXPECT_GT(changed[1], changed[0] * 3 / 2);
    for (int x = 260; x < 540; ++x) EXPECT_NE(box.at(x, 299), kWhite) << x;
}

}  // namespace
}  // namespace pintaloo
