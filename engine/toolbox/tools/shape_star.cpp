// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// A shape: a five-pointed star from its middle, one point up; its points reach as far as the pointer.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "engine/toolbox/shapes.h"

namespace pintaloo {

constexpr Tool kStar = Tool(51);

namespace {

void Star(Brush& b, int x0, int y0, int x1, int y1) {
    const double cx = x0, cy = y0, dx = std::abs(double(x1) - x0), dy = std::abs(double(y1) - y0);
    const double r = std::hypot(dx, dy);
    std::vector<ShapePoint> points;
    for (int k = 0; k < 10; ++k) {
        const double a = M_PI * k / 5, reach = k % 2 ? 0.45 * r : r;  // the hollows a little under half way in
        points.push_back({cx + reach * std::sin(a), cy - reach * std::cos(a)});
    }
    LayShape(b, points);
}

}  // namespace

PINTALOO_TOOL_ROWS(shape_star, {.tool = kStar,
                              .paint = ShapePress,
                              .button = ToolButton::Shapes,
                              .entry = 5,
                              .cell = 5,
                              .art = "shape_star",
                              .name = "shape.star.name",
                              .help = "shape.star.help",
                              .shape = Star});

}  // namespace pintaloo
