// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// A ribbon through the rainbow's hues, joined from the press point.
#include "engine/canvas/checked16.h"
#include "engine/toolbox/tools_table.h"

namespace pintaloo {

namespace {

// One hue per mouse step, carrying on (RainbowIndex) from where the
// previous rainbow line stopped. The line starts where the canvas's line
// start is: the press moves it there.
void RainbowLine(Brush& b, std::int16_t x, std::int16_t y) {
    const Colour hue = b.hues.at(std::size_t(b.memory.rainbow));
    b.canvas.lineTo(x, y, hue, Add16(b.size, 5));
    b.memory.rainbow += 1;
    if (b.memory.rainbow > 360) b.memory.rainbow = 0;
}

}  // namespace

PINTALOO_TOOL_ROWS(rainbow_line, {.tool = Tool::RainbowLine, .paint = RainbowLine, .button = ToolButton::Models,
                                  .entry = 6, .cell = 7, .art = "model_rainbowline"});

}  // namespace pintaloo
