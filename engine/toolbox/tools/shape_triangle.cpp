// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// A shape: a triangle standing on its base, from its middle; its corners reach as far as the pointer.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "engine/toolbox/shapes.h"

namespace pintaloo {

constexpr Tool kTriangle = Tool(50);

namespace {

void Triangle(Brush& b, int x0, int y0, int x1, int y1) {
    const double cx = x0, cy = y0, dx = std::abs(double(x1) - x0), dy = std::abs(double(y1) - y0);
    const double r = std::hypot(dx, dy);
    const double half = r * std::sqrt(3.0) / 2;
    LayShape(b, {{cx, cy - r}, {cx + half, cy + r / 2}, {cx - half, cy + r / 2}});
}

}  // namespace

PINTALOO_TOOL_ROWS(shape_triangle, {.tool = kTriangle,
                              .paint = ShapePress,
                              .button = ToolButton::Shapes,
                              .entry = 4,
                              .cell = 4,
                              .art = "shape_triangle",
                              .name = "shape.triangle.name",
                              .help = "shape.triangle.help",
                              .shape = Triangle});

}  // namespace pintaloo
