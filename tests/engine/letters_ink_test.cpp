// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// Letters laid on the paper: on random pages with colouring lines, random
// coverages at random places (partly off the paper too), in colours that
// include the outline's own and the paper's.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "engine/toolbox/letters_ink.h"

namespace pintaloo {
namespace {

TEST(LettersInk, NeverTouchesOutlinesAndChangesOnlyInsideItsBox) {
    std::mt19937 rng(20261210);
    const Colour outline = kBlack;
    const Colour inks[] = {Rgb(255, 0, 0), kBlack, kWhite, Rgb(1, 1, 1), Rgb(30, 200, 90)};
    for (int round = 0; round < 300; ++round) {
        Surface canvas(64, 48);
        // Paper, outline strokes and some paint.
        for (int y = 0; y < canvas.height(); ++y)
            for (int x = 0; x < canvas.width(); ++x) {
                const unsigned r = rng() % 10;
                canvas.setPixel(x, y, r == 0 ? outline : r == 1 ? Rgb(int(rng() % 256), 3, 7) : kWhite);
            }
        canvas.takeDirty();
        const std::vector<Colour> before(canvas.data(), canvas.data() + 64 * 48);
        const int w = 1 + int(rng() % 40), h = 1 + int(rng() % 30), stride = w + int(rng() % 5);
        std::vector<std::uint8_t> cover(std::size_t(stride * h));
        for (auto& c : cover) c = std::uint8_t(rng() % 3 == 0 ? 0 : rng() % 2 ? 255 : rng() % 256);
        const LetterCoverage coverage{cover.data(), w, h, stride, int(rng() % 100) - 30, int(rng() % 80) - 25};
        const Colour ink = inks[rng() % std::size(inks)];
        const Rect box = InkLetters(canvas, coverage, ink, outline);
        SCOPED_TRACE(round);
        bool anyChanged = false;
        for (int y = 0; y < canvas.height(); ++y)
            for (int x = 0; x < canvas.width(); ++x) {
                const Colour was = before[std::size_t(y * 64 + x)], now = Colour(canvas.point(x, y));
                // An outline stays; no pixel becomes one.
                ASSERT_EQ(was == outline, now == outline) << x << "," << y;
                if (now == was) continue;
                anyChanged = true;
                ASSERT_TRUE(x >= box.left && x < box.right && y >= box.top && y < box.bottom) << x << "," << y;
                const int cx = x - coverage.left, cy = y - coverage.top;
                ASSERT_TRUE(cx >= 0 && cx < w && cy >= 0 && cy < h);
                const int c = cover[std::size_t(cy * stride + cx)];
                ASSERT_EQ(now, Rgb(BlendChannel(RedOf(was), RedOf(ink), c), BlendChannel(GreenOf(was), GreenOf(ink), c),
                                   BlendChannel(BlueOf(was), BlueOf(ink), c)));
            }
        // The box is tight: empty exactly when nothing changed, and marked for redrawing.
        ASSERT_EQ(box.empty(), !anyChanged);
        if (anyChanged) {
            const Rect dirty = canvas.takeDirty();
            ASSERT_TRUE(dirty.left <= box.left && dirty.right >= box.right && dirty.top <= box.top && dirty.bottom >= box.bottom);
        }
    }
}

}  // namespace
}  // namespace pintaloo
