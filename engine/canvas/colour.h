// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Colours are 32-bit values laid out 0x00BBGGRR: red in the low byte, green in
// the second, blue in the third and zero in the high byte. Saved pictures,
// palettes and every painter use this one layout.
#include <cstdint>

namespace pintaloo {

using Colour = std::uint32_t;

constexpr Colour Rgb(int r, int g, int b) { return Colour(r & 255) | (Colour(g & 255) << 8) | (Colour(b & 255) << 16); }
constexpr int RedOf(Colour c) { return int(c & 255); }
constexpr int GreenOf(Colour c) { return int((c >> 8) & 255); }
constexpr int BlueOf(Colour c) { return int((c >> 16) & 255); }

constexpr Colour kWhite = Rgb(255, 255, 255);
constexpr Colour kBlack = 0;

// The two-colour tools paint alternately in a colour and in this one.
constexpr Colour Inverse(Colour c) { return Rgb(255 - RedOf(c), 255 - GreenOf(c), 255 - int(c / 65536)); }

// Splits a colour into its parts. Blue is everything above the second byte,
// so a stray high byte shows up in blue rather than vanishing.
void SplitColor(std::int32_t c, std::int32_t& red, std::int32_t& green, std::int32_t& blue);

// Blends two colours by weight, each part rounded toward zero. Weight sums
// outside 16 bits or products outside 32 bits throw Overflow16.
void MixColors(std::int32_t a, std::int32_t b, std::int16_t weightA, std::int16_t weightB, std::int32_t& result);

}  // namespace pintaloo
