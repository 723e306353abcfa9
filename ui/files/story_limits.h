// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How much of a story the program reads from a file it did not write: a
// story beside a picture and one inside a PNG are capped alike.
#include <cstddef>
#include <cstdint>

namespace pintaloo {

struct StoryLimits {
    // An hour of drawing without a pause is about 2 MB and 200,000 calls;
    // a story beside a picture may hold about two such hours.
    static constexpr std::int64_t kMaxBytes = 4LL * 1024 * 1024;
    static constexpr std::size_t kMaxCalls = 500'000;
    // Pictures opened in one story, each decoded once when it is checked.
    static constexpr std::size_t kMaxPictures = 64;
    // Times count the drawing's own milliseconds (pauses between sessions
    // are left out): a hundred days of drawing, and far inside what the
    // clocks can add to without overflowing.
    static constexpr std::int64_t kMaxTimeMs = 100LL * 24 * 3600 * 1000;
};

}  // namespace pintaloo
