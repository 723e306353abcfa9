// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/toolbox/pen_pressure.h"

#include <array>
#include <cmath>

#include "engine/canvas/checked16.h"

namespace pintaloo {

namespace {

// Each level's highest pressure, and its width in eighths of the chosen size.
constexpr std::array<double, kPressureLevels> kTop = {0.10, 0.20, 0.35, 0.60, 0.70, 0.80, 0.90, 1.0};
constexpr std::array<int, kPressureLevels> kEighths = {4, 5, 6, 8, 10, 12, 14, 16};
constexpr double kStay = 0.03;

}  // namespace

int PressureLevel(double pressure, int current) {
    if (!(pressure >= 0)) return 0;
    pressure = std::fmin(pressure, 1.0);
    if (current >= 1 && current <= kPressureLevels) {
        const double bottom = current == 1 ? 0.0 : kTop[std::size_t(current - 2)];
        if (pressure >= bottom - kStay && pressure <= kTop[std::size_t(current - 1)] + kStay) return current;
    }
    int level = 1;
    while (level < kPressureLevels && pressure > kTop[std::size_t(level - 1)]) ++level;
    return level;
}

std::int16_t PressedSize(std::int16_t size, int level) {
    if (level < 1 || level > kPressureLevels) return size;
    const long long eighths = static_cast<long long>(size) * kEighths[std::size_t(level - 1)];
    return Checked16((eighths + (eighths >= 0 ? 4 : -4)) / 8);
}

}  // namespace pintaloo
