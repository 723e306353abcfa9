// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <functional>

#include "engine/canvas/random_source.h"
#include "engine/history/change_codec.h"

namespace pintaloo {
namespace {

constexpr int kW = 300, kH = 200;

struct CodecCase {
    const char* name;
    Rect rect;
    // Paints the "after" image from the "before" one (x, y, old) -> new.
    std::function<Colour(int, int, Colour)> paint;
    std::size_t maxBytes;  // what the encoding may cost at most
};

// Paper with a shaded line every tenth row, as a drawing has.
Colour Background(int x, int y) { return y % 10 ? kWhite : Rgb(x & 255, y & 255, 40); }

std::vector<CodecCase> Cases() {
    static DefaultRandom noise(5);
    return {
        {"one pixel", {7, 9, 8, 10}, [](int, int, Colour) { return kBlack; }, 8},
        {"nothing changed in the rectangle", {0, 0, kW, kH}, [](int, int, Colour c) { return c; }, 8},
        {"whole image one colour",
         {0, 0, kW, kH},
         [](int, int, Colour) { return kBlack; },
         20 * (kW * 3 + 8) + 21 * 8},  // the shaded rows cost their pixels, the paper next to nothing
        {"one long run of one change", {10, 20, 290, 180}, [](int, int, Colour c) { return c ^ 0x00123456u; }, 8},
        {"crayon texture",
         {40, 40, 140, 90},
         [](int, int, Colour c) { return noise.next() < 0.75f ? c ^ 0x00FF00FFu : c; },
         100 * 50 * 2 / 3},
        {"crayon in eight colours",
         {0, 0, kW, kH},
         [](int, int, Colour c) {
             const float n = noise.next();
             return n < 0.25f ? c : Rgb(int((n - 0.25f) / 0.75f * 8.0f) * 30, 100, 7);
         },
         kW * kH + 20 * kW * 3},  // a byte a pixel; the shaded rows make new values
        {"more colours than the table holds",
         {0, 0, kW, kH},
         [](int x, int y, Colour) { return Rgb((x * 7 + y * 13) % 251, 100, 7); },
         kW * kH * 3 + kW * kH / 63 + 8},
        {"every pixel different",
         {0, 0, 64, 64},
         [](int x, int y, Colour) { return Rgb(x * 3, y * 5, x * y); },
         64 * 64 * 3 + 64 * 2},
        {"high bytes set",
         {3, 3, 40, 12},
         [](int x, int, Colour c) { return x % 3 ? c | 0xFF000000u : (c ^ 0x01000001u); },
         37 * 9 * 5},
        {"runs longer than one varint byte",
         {0, 0, kW, kH},
         [](int x, int y, Colour c) { return (y * kW + x) % 20000 < 19000 ? c ^ 0x00000011u : c; },
         64},
        {"a change at each end only",
         {0, 0, kW, kH},
         [](int x, int y, Colour c) { return (x == 0 && y == 0) || (x == kW - 1 && y == kH - 1) ? ~c & 0xFFFFFFu : c; },
         24},
    };
}

TEST(ChangeCodec, RoundTripsBothWaysAndTouchesNothingOutside) {
    for (const CodecCase& c : Cases()) {
        SCOPED_TRACE(c.name);
        std::vector<Colour> before(kW * kH), after(kW * kH);
        for (int y = 0; y < kH; ++y)
            for (int x = 0; x < kW; ++x) {
                const std::size_t i = std::size_t(y * kW + x);
                before[i] = Background(x, y);
                after[i] = c.rect.contains(x, y) ? c.paint(x, y, before[i]) : before[i];
            }
        std::vector<std::uint8_t> data;
        EncodeChange(before.data(), after.data(), kW, c.rect, data);
        EXPECT_LE(data.size(), c.maxBytes);

        std::vector<Colour> work = before;
        ASSERT_TRUE(ApplyChange(data, work.data(), kW, c.rect));
        EXPECT_EQ(work, after);  // redo
        ASSERT_TRUE(ApplyChange(data, work.data(), kW, c.rect));
        EXPECT_EQ(work, before);  // undo
    }
}

TEST(ChangeCodec, EmptyRectangleEncodesToNothing) {
    std::vector<Colour> img(4, kWhite);
    std::vector<std::uint8_t> data{1, 2, 3};
    EncodeChange(img.data(), img.data(), 2, Rect{}, data);
    EXPECT_TRUE(data.empty());
    EXPECT_TRUE(ApplyChange(data, img.data(), 2, Rect{}));
}

TEST(ChangeCodec, DamagedDataIsRefusedWithoutWritingOutside) {
    std::vector<Colour> before(kW * kH, kWhite), after = before;
    for (int i = 0; i < kW * kH; i += 3) after[std::size_t(i)] = Rgb(i & 255, 0, 0);
    std::vector<std::uint8_t> good;
    EncodeChange(before.data(), after.data(), kW, {0, 0, kW, kH}, good);
    ASSERT_GT(good.size(), 10u);

    struct Damage {
        const char* name;
        std::function<void(std::vector<std::uint8_t>&)> apply;
        Rect rect;
    };
    const Damage damages[] = {
        {"cut short", [](auto& d) { d.resize(d.size() / 2); }, {0, 0, kW, kH}},
        {"cut inside a value", [](auto& d) { d.pop_back(); }, {0, 0, kW, kH}},
        {"for a smaller rectangle", [](auto&) {}, {0, 0, kW, kH / 2}},
        {"for a larger rectangle", [](auto&) {}, {0, 0, kW, kH + 1}},
        {"endless count",
         [](auto& d) {
             d.assign({0x7F, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
         },
         {0, 0, kW, kH}},
        {"a count past the end",
         [](auto& d) {
             d.assign({0x7F, 0xFF, 0xFF, 0x7F});
         },
         {0, 0, kW, kH}},
    };
    for (const Damage& dmg : damages) {
        SCOPED_TRACE(dmg.name);
        std::vector<std::uint8_t> data = good;
        dmg.apply(data);
        // One row of room below the image: a decoder that overran would
        // write there (and the sanitizers would see it).
        std::vector<Colour> work(std::size_t(kW * (kH + 1)), kWhite);
        EXPECT_FALSE(ApplyChange(data, work.data(), kW, dmg.rect));
        if (dmg.rect.bottom <= kH) {
            for (int x = 0; x < kW; ++x) EXPECT_EQ(work[std::size_t(kH * kW + x)], kWhite);
        }
    }
}

}  // namespace
}  // namespace pintaloo
