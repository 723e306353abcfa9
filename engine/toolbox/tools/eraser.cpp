// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The eraser: gives a block back its paper (white, or the colour a page
// was started on), but never touches a colouring page's lines.
#include "engine/canvas/checked16.h"
#include "engine/toolbox/tools_table.h"

namespace pintaloo {

namespace {

void Eraser(Brush& b, std::int16_t x, std::int16_t y) {
    const std::int16_t top = Sub16(y, b.size), bottom = Add16(y, b.size);
    const std::int16_t left = Sub16(x, b.halfWidth), right = Add16(x, b.halfWidth);
    for (int i = top; i <= bottom; ++i)
        for (int j = left; j <= right; ++j)
            if (b.canvas.point(j, i) != std::int32_t(b.outline)) b.canvas.setPixel(j, i, b.paper);
}

}  // namespace

PINTALOO_TOOL_ROWS(eraser, {.tool = Tool::Eraser, .paint = Eraser, .joinsUp = true, .severalAtOnce = true,
                            .button = ToolButton::Eraser});

}  // namespace pintaloo
