// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "engine/canvas/large_pages.h"
#include "engine/canvas/surface.h"

namespace pintaloo {
namespace {

using Big = std::vector<std::uint32_t, LargePageAllocator<std::uint32_t>>;

// Sizes on each side of the rules: small (ordinary memory), a canvas, exactly
// one and two large pages, just over one (ordinary memory: too much would be
// wasted) and a quarter short of two. Every word is written and read back,
// and the memory outlives copies, growth and freeing of its neighbours, so a
// wrong alignment or a wrong length given back to the system shows as a
// crash or as changed words.
TEST(LargePages, EverySizeHoldsItsWordsThroughCopiesAndGrowth) {
    const std::size_t sizes[] = {1,      1000,       262144,           Surface::kWidth * Surface::kHeight,
                                 524288, 524288 + 1, 1048576 - 131072, 1048576};
    std::vector<Big> kept;
    for (const std::size_t n : sizes) {
        SCOPED_TRACE(n);
        Big v(n);
        for (std::size_t i = 0; i < n; ++i) v[i] = std::uint32_t(i * 2654435761u + n);
        Big copy = v;
        v.resize(n + n / 3 + 1, 7u);
        for (std::size_t i = 0; i < n; ++i) ASSERT_EQ(v[i], std::uint32_t(i * 2654435761u + n));
        EXPECT_EQ(v.back(), 7u);
        kept.push_back(std::move(copy));
    }
    for (std::size_t k = 0; k < kept.size(); ++k) {
        const std::size_t n = sizes[k];
        ASSERT_EQ(kept[k].size(), n);
        for (std::size_t i = 0; i < n; ++i) ASSERT_EQ(kept[k][i], std::uint32_t(i * 2654435761u + n)) << n;
    }
}

// A canvas's memory made beforehand on another thread is handed to the next
// request of its size only, whole (and zeroed, where it comes from the system); every other size is served as
// always meanwhile, and after it the canvas size is served as always too.
TEST(LargePages, APreparedBlockGoesToItsOwnSizeOnce) {
    const std::size_t canvas = std::size_t(Surface::kWidth) * Surface::kHeight * sizeof(std::uint32_t);
    PrepareLarge(canvas);
    PrepareLarge(canvas);  // asked again while there is one: still one
    PrepareLarge(1000);    // too small for large pages: nothing made
    // Builds without large pages (the sanitizer's) make none at all.
    const bool made = PreparedLargeBytes() != 0;
    if (made) {
        EXPECT_EQ(PreparedLargeBytes(), canvas);
    }
    {
        Big other(300000, 5u);
        EXPECT_EQ(other[299999], 5u);
        EXPECT_EQ(PreparedLargeBytes(), made ? canvas : 0) << "another size leaves it waiting";
    }
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);  // the prepared block first, then fresh memory
        auto* words = static_cast<std::uint32_t*>(AllocateLarge(canvas));
        EXPECT_EQ(PreparedLargeBytes(), 0u);
        const std::size_t n = canvas / sizeof(std::uint32_t);
        // Pages straight from the system are zeroed; operator new's (the
        // sanitizer's builds) promise nothing.
        if (made) {
            for (std::size_t i = 0; i < n; ++i) ASSERT_EQ(words[i], 0u) << i;
        }
        for (std::size_t i = 0; i < n; ++i) words[i] = std::uint32_t(i);
        EXPECT_EQ(words[n - 1], std::uint32_t(n - 1));
        FreeLarge(words, canvas);
    }
}

}  // namespace
}  // namespace pintaloo
