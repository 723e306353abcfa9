// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// A shape: an oval from its middle, as wide and as tall as the pointer is far from it.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "engine/toolbox/shapes.h"

namespace pintaloo {

constexpr Tool kOval = Tool(47);

namespace {

void Oval(Brush& b, int x0, int y0, int x1, int y1) {
    const double cx = x0, cy = y0, dx = std::abs(double(x1) - x0), dy = std::abs(double(y1) - y0);
    LayShape(b, EllipsePoints(cx, cy, dx, dy));
}

}  // namespace

PINTALOO_TOOL_ROWS(shape_oval, {.tool = kOval,
                              .paint = ShapePress,
                              .button = ToolButton::Shapes,
                              .entry = 1,
                              .cell = 1,
                              .art = "shape_oval",
                              .name = "shape.oval.name",
                              .help = "shape.oval.help",
                              .shape = Oval});

}  // namespace pintaloo
