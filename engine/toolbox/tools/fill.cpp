// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The paint pot: fills the area under the press.
#include "engine/toolbox/tools_table.h"

namespace pintaloo {

namespace {

// The fill leaves the editor's fill mode solid in its colour, so circles,
// tiles and bricks come out filled from then on.
void Fill(Brush& b, std::int16_t x, std::int16_t y) {
    b.fill = {FillStyle::Solid, b.chosen};
    const std::int32_t p = b.canvas.point(x, y);
    if (p < 0) return;
    b.canvas.floodFill(x, y, Colour(p), b.fill.colour);
}

}  // namespace

PINTALOO_TOOL_ROWS(fill, {.tool = Tool::Fill, .paint = Fill, .button = ToolButton::Fill});

}  // namespace pintaloo
