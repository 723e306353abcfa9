// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// A shape: a round circle from its middle, where the press was, out to the pointer.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "engine/toolbox/shapes.h"

namespace pintaloo {

constexpr Tool kCircle = Tool(46);

namespace {

void Circle(Brush& b, int x0, int y0, int x1, int y1) {
    const double cx = x0, cy = y0, dx = std::abs(double(x1) - x0), dy = std::abs(double(y1) - y0);
    const double r = std::hypot(dx, dy);
    LayShape(b, EllipsePoints(cx, cy, r, r));
}

}  // namespace

PINTALOO_TOOL_ROWS(shape_circle, {.tool = kCircle,
                              .paint = ShapePress,
                              .button = ToolButton::Shapes,
                              .entry = 0,
                              .cell = 0,
                              .art = "shape_circle",
                              .name = "shape.circle.name",
                              .help = "shape.circle.help",
                              .shape = Circle});

}  // namespace pintaloo
