// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// Dots in every colour of the rainbow, the brush's size apart.
#include "engine/canvas/checked16.h"
#include "engine/toolbox/tools_table.h"

namespace pintaloo {

namespace {

void RainbowDots(Brush& b, std::int16_t x, std::int16_t y) {
    const std::int16_t spacing = Add16(b.size, 5);
    b.patterns.RainbowDots(x, y, spacing, spacing);
}

}  // namespace

PINTALOO_TOOL_ROWS(rainbow_dots, {.tool = Tool::RainbowDots, .paint = RainbowDots, .spacing = spacing::Dots,
                                  .button = ToolButton::Models, .entry = 4, .cell = 5, .art = "model_rainbow"});

}  // namespace pintaloo
