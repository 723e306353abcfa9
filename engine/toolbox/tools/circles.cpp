// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// Rings the brush's size, filled once the paint pot has been used.
#include "engine/toolbox/tools_table.h"

namespace pintaloo {

namespace {

void Circles(Brush& b, std::int16_t x, std::int16_t y) { b.canvas.circle(x, y, b.size, b.chosen, b.fill); }

}  // namespace

PINTALOO_TOOL_ROWS(circles, {.tool = Tool::Circles, .paint = Circles, .spacing = spacing::Rings,
                             .button = ToolButton::Models, .entry = 0, .cell = 1, .art = "model_circles"});

}  // namespace pintaloo
