// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// A shape: a diamond (a kite standing on its point) from its middle, its side corners and top as far out as the pointer.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "engine/toolbox/shapes.h"

namespace pintaloo {

constexpr Tool kDiamond = Tool(53);

namespace {

void Diamond(Brush& b, int x0, int y0, int x1, int y1) {
    const double cx = x0, cy = y0, dx = std::abs(double(x1) - x0), dy = std::abs(double(y1) - y0);
    LayShape(b, {{cx, cy - dy}, {cx + dx, cy}, {cx, cy + dy}, {cx - dx, cy}});
}

}  // namespace

PINTALOO_TOOL_ROWS(shape_diamond, {.tool = kDiamond,
                              .paint = ShapePress,
                              .button = ToolButton::Shapes,
                              .entry = 7,
                              .cell = 7,
                              .art = "shape_diamond",
                              .name = "shape.diamond.name",
                              .help = "shape.diamond.help",
                              .shape = Diamond});

}  // namespace pintaloo
