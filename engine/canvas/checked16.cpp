// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/canvas/checked16.h"

#include <cmath>

namespace pintaloo {

double RoundHalfEven(double v) { return std::nearbyint(v); }  // default mode: to nearest, ties to even

std::int16_t RoundTo16(double v) {
    if (!(v == v)) throw Overflow16();
    const double r = RoundHalfEven(v);
    if (r < -32768.0 || r > 32767.0) throw Overflow16();
    return static_cast<std::int16_t>(r);
}

}  // namespace pintaloo
