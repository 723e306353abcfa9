// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Painter coordinates are 16-bit signed. A sum that leaves -32768..32767 ends
// the painter call at that step (the pixels already set stay), so every piece
// of coordinate arithmetic goes through these checked helpers instead of
// wrapping or invoking undefined behaviour.
#include <cstdint>
#include <stdexcept>

namespace pintaloo {

struct Overflow16 : std::overflow_error {
    Overflow16() : std::overflow_error("16-bit overflow") {}
};

constexpr std::int16_t Checked16(long long v) {
    if (v < -32768 || v > 32767) throw Overflow16();
    return static_cast<std::int16_t>(v);
}
constexpr std::int16_t Add16(long long a, long long b) { return Checked16(a + b); }
constexpr std::int16_t Sub16(long long a, long long b) { return Checked16(a - b); }
constexpr std::int16_t Mul16(long long a, long long b) { return Checked16(a * b); }

// Rounds to the nearest whole number, a half to the even neighbour, and
// checks the result fits 16 bits (NaN counts as overflow).
std::int16_t RoundTo16(double v);

// Round half to even without a range check.
double RoundHalfEven(double v);

}  // namespace pintaloo
