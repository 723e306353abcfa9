// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "canvas/large_pages.h"
#include "canvas/surface.h"

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

}  // namespace
}  // namespace pintaloo
