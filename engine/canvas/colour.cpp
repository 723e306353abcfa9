// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/canvas/colour.h"

#include "engine/canvas/checked16.h"

namespace pintaloo {

void SplitColor(std::int32_t c, std::int32_t& red, std::int32_t& green, std::int32_t& blue) {
    red = c & 255;
    green = (c >> 8) & 255;
    blue = c / 65536;  // truncates toward zero, high byte kept
}

namespace {
std::int32_t Mix1(std::int64_t a, std::int64_t b, std::int64_t wa, std::int64_t wb) {
    const std::int64_t sum = a * wa + b * wb;
    if (a * wa > INT32_MAX || a * wa < INT32_MIN || b * wb > INT32_MAX || b * wb < INT32_MIN || sum > INT32_MAX ||
        sum < INT32_MIN)
        throw Overflow16();
    return static_cast<std::int32_t>(sum / (wa + wb));  // C++ division truncates toward zero
}
}  // namespace

void MixColors(std::int32_t a, std::int32_t b, std::int16_t weightA, std::int16_t weightB, std::int32_t& result) {
    const std::int16_t total = Add16(weightA, weightB);
    if (total == 0) throw std::domain_error("zero weights");
    std::int32_t ra, ga, ba, rb, gb, bb;
    SplitColor(a, ra, ga, ba);
    SplitColor(b, rb, gb, bb);
    const std::int32_t r = Mix1(ra, rb, weightA, weightB);
    const std::int32_t g = Mix1(ga, gb, weightA, weightB);
    const std::int32_t bl = Mix1(ba, bb, weightA, weightB);
    const std::int64_t joined = std::int64_t(r) + std::int64_t(g) * 256 + std::int64_t(bl) * 65536;
    if (joined > INT32_MAX || joined < INT32_MIN) throw Overflow16();
    result = static_cast<std::int32_t>(joined);
}

}  // namespace pintaloo
