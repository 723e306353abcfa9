// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/canvas/checked16.h"

#include <algorithm>
#include <cmath>

namespace pintaloo {

double RoundHalfEven(double v) { return std::nearbyint(v); }  // default mode: to nearest, ties to even

double PointerCoordinate(double v) { return std::isnan(v) ? 0.0 : std::clamp(v, -kMaxCoordinate, kMaxCoordinate); }

int PixelOf(double v) { return static_cast<int>(RoundHalfEven(PointerCoordinate(v))); }

}  // namespace pintaloo
