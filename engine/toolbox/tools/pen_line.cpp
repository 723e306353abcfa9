// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The pen: a thin line from the press, step by step.
#include "engine/toolbox/tools_table.h"

namespace pintaloo {

namespace {

// The press sets the canvas's line start; every step draws on from it.
void PenLine(Brush& b, std::int16_t x, std::int16_t y) {
    if (b.phase == MousePhase::Down)
        b.canvas.moveTo(x, y);
    else if (b.phase == MousePhase::Move)
        b.canvas.lineTo(x, y, b.chosen, b.size);
}

}  // namespace

PINTALOO_TOOL_ROWS(pen_line, {.tool = Tool::PenLine, .paint = PenLine, .button = ToolButton::Models, .entry = 7,
                              .cell = 0, .art = "model_pen"});

}  // namespace pintaloo
