// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The straight line: from the press to where the pointer is let go, in the
// pencil's crayon, at the chosen size.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "engine/toolbox/shapes.h"

namespace pintaloo {

constexpr Tool kLine = Tool(54);

namespace {

// The pencil's blocks, laid at most half a block apart in x and in y as a
// pencil's fast step lays them, from one end to the other, both ends
// included: the line looks like one drawn with a ruler and the pencil.
void Line(Brush& b, int x0, int y0, int x1, int y1) {
    const ToolRow* pencil = RowOf(Tool::Pencil);
    // In a colouring page's outline colour it would make new outline
    // pixels nothing but undo could touch: it leaves the page as it was,
    // as the magic does.
    if (!pencil || b.colour == b.outline) return;
    const double dx = double(x1) - x0, dy = double(y1) - y0;
    const double stepX = std::max<int>(b.halfWidth, 1), stepY = std::max<int>(b.size, 1);
    const int steps = std::max(1, int(std::ceil(std::max(std::abs(dx) / stepX, std::abs(dy) / stepY))));
    for (int k = 0; k <= steps; ++k) {
        const double t = double(k) / steps;
        pencil->paint(b, std::int16_t(std::lround(x0 + dx * t)), std::int16_t(std::lround(y0 + dy * t)));
    }
}

}  // namespace

PINTALOO_TOOL_ROWS(shape_line, {.tool = kLine,
                                .paint = ShapePress,
                                .button = ToolButton::Shapes,
                                .entry = 8,
                                .cell = 8,
                                .art = "shape_line",
                                .name = "shape.line.name",
                                .help = "shape.line.help",
                                .shape = Line});

}  // namespace pintaloo
