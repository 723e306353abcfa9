// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The spray can: a mist of dots where the pointer lands.
#include "engine/canvas/spray.h"
#include "engine/toolbox/tools_table.h"

namespace pintaloo {

namespace {

void Spray(Brush& b, std::int16_t x, std::int16_t y) { SprayDots(b.canvas, b.rng, b.chosen, b.size, x, y); }

}  // namespace

PINTALOO_TOOL_ROWS(spray, {.tool = Tool::Spray, .paint = Spray, .button = ToolButton::Models, .entry = 1, .cell = 2,
                           .art = "model_spray"});

}  // namespace pintaloo
