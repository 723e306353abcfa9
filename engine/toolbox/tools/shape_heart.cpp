// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// A shape: a heart from its middle; it grows as far as the pointer goes.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "engine/toolbox/shapes.h"

namespace pintaloo {

constexpr Tool kHeart = Tool(52);

namespace {

void Heart(Brush& b, int x0, int y0, int x1, int y1) {
    const double cx = x0, cy = y0, dx = std::abs(double(x1) - x0), dy = std::abs(double(y1) - y0);
    const double r = std::hypot(dx, dy);
    // The heart curve (16 sin^3 t, 13 cos t - 5 cos 2t - 2 cos 3t - cos 4t),
    // which spans about 34 by 30, scaled so its lobes reach r.
    const int n = std::clamp(int(r), 48, 256);  // as for a circle: under a tenth of a pixel off
    std::vector<ShapePoint> points;
    for (int k = 0; k < n; ++k) {
        const double t = 2 * M_PI * k / n, s = std::sin(t);
        points.push_back({cx + r * 16 * s * s * s / 17,
                          cy - r * (13 * std::cos(t) - 5 * std::cos(2 * t) - 2 * std::cos(3 * t) - std::cos(4 * t)) / 17});
    }
    LayShape(b, points);
}

}  // namespace

PINTALOO_TOOL_ROWS(shape_heart, {.tool = kHeart,
                              .paint = ShapePress,
                              .button = ToolButton::Shapes,
                              .entry = 6,
                              .cell = 6,
                              .art = "shape_heart",
                              .name = "shape.heart.name",
                              .help = "shape.heart.help",
                              .shape = Heart});

}  // namespace pintaloo
