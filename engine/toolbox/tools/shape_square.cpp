// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// A shape: a square from its middle, its corner as far out as the pointer goes.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "engine/toolbox/shapes.h"

namespace pintaloo {

constexpr Tool kSquare = Tool(48);

namespace {

void Square(Brush& b, int x0, int y0, int x1, int y1) {
    const double cx = x0, cy = y0, dx = std::abs(double(x1) - x0), dy = std::abs(double(y1) - y0);
    const double h = std::max(dx, dy);
    LayShape(b, {{cx - h, cy - h}, {cx + h, cy - h}, {cx + h, cy + h}, {cx - h, cy + h}});
}

}  // namespace

PINTALOO_TOOL_ROWS(shape_square, {.tool = kSquare,
                              .paint = ShapePress,
                              .button = ToolButton::Shapes,
                              .entry = 2,
                              .cell = 2,
                              .art = "shape_square",
                              .name = "shape.square.name",
                              .help = "shape.square.help",
                              .shape = Square});

}  // namespace pintaloo
