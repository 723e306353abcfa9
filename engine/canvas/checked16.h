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

// Round half to even without a range check.
double RoundHalfEven(double v);

// The one limit of a position in pixels, for every action, every script
// line that gives a point and every point a painter is handed. Beyond it no
// window position makes sense; it also keeps every position well inside an
// int (a drawing position may lie that far off the canvas, and the story
// keeps it).
inline constexpr double kMaxCoordinate = 1e6;

// A position in pixels as the program takes it, before rounding: NaN is 0
// (a pointer that says nothing sensible is at the corner rather than
// refused, so its release still ends its stroke), and anything beyond
// +-kMaxCoordinate, infinities included, is that limit.
double PointerCoordinate(double v);

// The one way a position in pixels (a pointer's, a script's, a step along a
// path) becomes a pixel: PointerCoordinate's rule, then to the nearest
// whole pixel, a half to the even neighbour (2.5 -> 2, 3.5 -> 4, -2.5 ->
// -2), so a replayed point lands where it did. The result is always within
// +-kMaxCoordinate; a painter that needs 16 bits checks it with Checked16,
// and a point outside them ends that paint call.
int PixelOf(double v);

}  // namespace pintaloo
