// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Numbers as script text and back, exactly: the shortest text that reads
// back as the same double, so a replayed recording draws bit for bit what
// was drawn.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pintaloo {

void AppendNumber(std::string& out, double value);
void AppendInteger(std::string& out, std::int64_t value);

// The whole of `text` as a number; nothing for anything else ("", "1x", "0x10").
std::optional<double> ParseNumber(std::string_view text);
std::optional<std::int64_t> ParseInteger(std::string_view text);

// A double that holds a whole number small enough to be written as one
// (window coordinates, buttons) without losing anything.
std::optional<std::int64_t> AsSmallInteger(double value);

// The 64 characters of a `packed` or `dense` line's code, base64url's order.
inline constexpr std::string_view kPackedDigits = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_";
// A whole number in a `packed` line's code, which stories written before
// `dense` came hold: zigzagged (0, -1, 1, -2 ... as 0, 1, 2, 3 ...), five
// bits a character, the lowest first, the sixth bit saying more follow.
// The number `code` begins with, taken off its front; nothing for a code
// that ends inside it, a character not of the 64, or more than 64 bits.
std::optional<std::int64_t> TakePackedNumber(std::string_view& code);

}  // namespace pintaloo
