// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one uniform random generator on [0, 1) that the pencil texture, the
// spray and the grass share. It is never seeded from the clock, so every run
// draws the same sequence; tests put their own generator in its place.
#include <cstdint>

namespace pintaloo {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual float next() = 0;  // uniform in [0, 1)
};

// A 24-bit linear congruential generator: cheap, repeatable, and its values
// are exact single-precision fractions.
class DefaultRandom final : public RandomSource {
public:
    explicit DefaultRandom(std::uint32_t seed = 0x50000) : state_(seed & 0xFFFFFF) {}
    float next() override {
        state_ = (state_ * 0xFD43FDu + 0xC39EC3u) & 0xFFFFFFu;
        return float(state_) / 16777216.0f;
    }

    // The whole state: a recording writes it where a stroke starts, and
    // reseed with it makes a replay draw the very same numbers from there.
    std::uint32_t seed() const { return state_; }
    void reseed(std::uint32_t seed) { state_ = seed & 0xFFFFFF; }

private:
    std::uint32_t state_;
};

}  // namespace pintaloo
