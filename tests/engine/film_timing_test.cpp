// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// When each call of a recording shows in its film.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

#include "engine/recording/film_timing.h"

namespace pintaloo {
namespace {

TEST(FilmTiming, PausesAreCutAndTheRestFillsTheFilm) {
    struct Case {
        const char* what;
        std::vector<std::int64_t> times;
        std::vector<double> play;
        std::vector<int> frames;
    };
    const Case cases[] = {
        {"even steps", {0, 100, 200}, {0, 10000, 20000}, {0, 119, 239}},
        {"a long pause is cut to half a second",
         {0, 100, 10100, 10200},
         {0, 20000.0 / 7, 20000.0 * 6 / 7, 20000},
         {0, 34, 205, 239}},
        {"a late first call starts the film", {60000, 60250, 60500}, {0, 10000, 20000}, {0, 119, 239}},
        {"a short pause is kept", {0, 400, 500}, {0, 16000, 20000}, {0, 191, 239}},
        {"time going backwards stands still", {0, 100, 50, 150}, {0, 10000, 10000, 20000}, {0, 119, 119, 239}},
        {"all at once: spread evenly", {7, 7, 7, 7, 7}, {0, 5000, 10000, 15000, 20000}, {0, 59, 119, 179, 239}},
        {"a single call shows in the last frame", {42}, {20000}, {239}},
        {"times at the ends of 64 bits: a pause, then back in time",
         {INT64_MIN, INT64_MAX, INT64_MIN},
         {0, 20000, 20000},
         {0, 239, 239}},
    };
    for (const Case& c : cases) {
        const std::vector<FilmMoment> m = PlanFilm(c.times);
        ASSERT_EQ(m.size(), c.times.size()) << c.what;
        for (std::size_t i = 0; i < m.size(); ++i) {
            EXPECT_NEAR(m[i].playMs, c.play[i], 1e-6) << c.what << " call " << i;
            EXPECT_EQ(m[i].frame, c.frames[i]) << c.what << " call " << i;
        }
    }
    EXPECT_TRUE(PlanFilm({}).empty());
}

// A frame shows every call made by its end, and none after it.
TEST(FilmTiming, EveryCallFallsInTheFrameThatFirstShowsIt) {
    std::mt19937 rng(5);
    for (const std::int64_t sessionMs : {3000LL, 600000LL, 3600000LL}) {
        std::vector<std::int64_t> times;
        for (std::int64_t t = 0; t < sessionMs; t += std::uniform_int_distribution<int>(0, 1500)(rng))
            times.push_back(t);
        const FilmClock clock;
        const std::vector<FilmMoment> m = PlanFilm(times, clock);
        const double frameMs = 1000.0 / clock.framesPerSecond;
        EXPECT_EQ(m.front().playMs, 0);
        EXPECT_EQ(m.back().playMs, 20000) << "the film lasts the same however long the drawing took";
        for (std::size_t i = 0; i < m.size(); ++i) {
            ASSERT_LE(m[i].playMs, (m[i].frame + 1) * frameMs + 1e-6);
            if (m[i].frame > 0) {
                ASSERT_GT(m[i].playMs, m[i].frame * frameMs - 1e-6);
            }
            if (i > 0) {
                ASSERT_GE(m[i].playMs, m[i - 1].playMs);
            }
        }
        const std::vector<std::size_t> done = CallsByFrame(m, clock);
        ASSERT_EQ(done.size(), 240u);
        EXPECT_EQ(done.back(), times.size());
        for (std::size_t f = 0; f < done.size(); ++f) {
            // Exactly the calls with play time by the frame's end.
            std::size_t expected = 0;
            while (expected < m.size() && m[expected].playMs <= (double(f) + 1) * frameMs + 1e-6) ++expected;
            ASSERT_EQ(done[f], expected) << "frame " << f;
        }
    }
}

// Moves made at an even pace come out at an even pace, slow or quick.
TEST(FilmTiming, AStrokeKeepsAnEvenSpeed) {
    std::vector<std::int64_t> times;
    for (int k = 0; k < 100; ++k) times.push_back(k * 16);         // a quick stroke
    for (int k = 0; k < 100; ++k) times.push_back(5000 + k * 48);  // a slow one after a pause
    const std::vector<FilmMoment> m = PlanFilm(times);
    const double quick = m[1].playMs - m[0].playMs;
    for (int k = 1; k < 100; ++k) ASSERT_NEAR(m[std::size_t(k)].playMs - m[std::size_t(k) - 1].playMs, quick, 1e-6);
    for (int k = 101; k < 200; ++k)
        ASSERT_NEAR(m[std::size_t(k)].playMs - m[std::size_t(k) - 1].playMs, 3 * quick, 1e-6);
    EXPECT_NEAR(m[100].playMs - m[99].playMs, quick * 500.0 / 16, 1e-6);
}

TEST(FilmTiming, OtherClocks) {
    FilmClock clock;
    clock.framesPerSecond = 25;
    clock.lengthMs = 4000;
    clock.longestPauseMs = 100;
    EXPECT_EQ(clock.frameCount(), 100);
    const std::vector<FilmMoment> m = PlanFilm({0, 100, 5000}, clock);
    EXPECT_NEAR(m[1].playMs, 2000, 1e-9);
    EXPECT_EQ(m[1].frame, 49);
    EXPECT_EQ(m[2].frame, 99);
    EXPECT_EQ(CallsByFrame(m, clock).size(), 100u);
}

}  // namespace
}  // namespace pintaloo
