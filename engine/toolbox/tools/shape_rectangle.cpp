// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// A shape: a box from its middle, its corner where the pointer is.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "engine/toolbox/shapes.h"

namespace pintaloo {

constexpr Tool kRectangle = Tool(49);

namespace {

void Rectangle(Brush& b, int x0, int y0, int x1, int y1) {
    const double cx = x0, cy = y0, dx = std::abs(double(x1) - x0), dy = std::abs(double(y1) - y0);
    LayShape(b, {{cx - dx, cy - dy}, {cx + dx, cy - dy}, {cx + dx, cy + dy}, {cx - dx, cy + dy}});
}

}  // namespace

PINTALOO_TOOL_ROWS(shape_rectangle, {.tool = kRectangle,
                              .paint = ShapePress,
                              .button = ToolButton::Shapes,
                              .entry = 3,
                              .cell = 3,
                              .art = "shape_rectangle",
                              .name = "shape.rectangle.name",
                              .help = "shape.rectangle.help",
                              .shape = Rectangle});

}  // namespace pintaloo
