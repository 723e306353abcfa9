// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/recording/number_text.h"

#include <charconv>
#include <cmath>

namespace pintaloo {

void AppendNumber(std::string& out, double value) {
    // A whole number as its digits: the shortest form writes 5000000 as
    // 5e+06, which a reader of whole numbers (a seed) refuses. Minus zero
    // keeps its sign below.
    if (std::trunc(value) == value && std::fabs(value) < 9007199254740992.0 && !(value == 0 && std::signbit(value))) {
        AppendInteger(out, static_cast<std::int64_t>(value));
        return;
    }
    char buf[32];
    // Shortest round-trip form otherwise: 130.5 for 130.5.
    const auto r = std::to_chars(buf, buf + sizeof buf, value);
    out.append(buf, r.ptr);
}

void AppendInteger(std::string& out, std::int64_t value) {
    char buf[24];
    const auto r = std::to_chars(buf, buf + sizeof buf, value);
    out.append(buf, r.ptr);
}

std::optional<double> ParseNumber(std::string_view text) {
    // from_chars takes no leading '+', and "inf"/"nan" never come from a
    // window, so only plain decimal numbers are accepted.
    if (text.empty()) return std::nullopt;
    for (char c : text)
        if (!((c >= '0' && c <= '9') || c == '-' || c == '.' || c == 'e' || c == 'E' || c == '+')) return std::nullopt;
    double v = 0;
    const auto r = std::from_chars(text.data(), text.data() + text.size(), v);
    if (r.ec != std::errc() || r.ptr != text.data() + text.size()) return std::nullopt;
    return v;
}

std::optional<std::int64_t> ParseInteger(std::string_view text) {
    if (text.empty()) return std::nullopt;
    std::int64_t v = 0;
    const auto r = std::from_chars(text.data(), text.data() + text.size(), v);
    if (r.ec != std::errc() || r.ptr != text.data() + text.size()) return std::nullopt;
    return v;
}

std::optional<std::int64_t> AsSmallInteger(double value) {
    // A billion is far beyond any window and keeps every delta exact.
    constexpr double kLimit = 1e9;
    if (!(std::fabs(value) <= kLimit) || std::trunc(value) != value) return std::nullopt;
    if (value == 0 && std::signbit(value)) return std::nullopt;  // -0 would read back as +0
    return static_cast<std::int64_t>(value);
}

std::optional<std::int64_t> TakePackedNumber(std::string_view& code) {
    std::uint64_t u = 0;
    for (int shift = 0;; shift += 5) {
        if (code.empty() || shift > 60) return std::nullopt;
        const std::size_t digit = kPackedDigits.find(code.front());
        if (digit == std::string_view::npos) return std::nullopt;
        code.remove_prefix(1);
        const std::uint64_t bits = digit & 31;
        if (shift == 60 && bits > 15) return std::nullopt;  // past 64 bits
        u |= bits << shift;
        if (!(digit & 32)) break;
    }
    return std::int64_t(u >> 1) ^ -std::int64_t(u & 1);
}

}  // namespace pintaloo
