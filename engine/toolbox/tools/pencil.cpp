// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The pencil: a crayon, the first tool chosen.
#include "engine/canvas/checked16.h"
#include "engine/toolbox/tools_table.h"

namespace pintaloo {

namespace {

// About three pixels in four, never over an outline, plain colour on paper,
// and one part new colour to ten parts old elsewhere, so colouring over
// paint shifts it only slowly.
void Pencil(Brush& b, std::int16_t x, std::int16_t y) {
    const std::int16_t top = Sub16(y, b.size), bottom = Add16(y, b.size);
    const std::int16_t left = Sub16(x, b.halfWidth), right = Add16(x, b.halfWidth);
    for (int i = top; i <= bottom; ++i) {
        for (int j = left; j <= right; ++j) {
            if (!(b.rng.next() < 0.75f)) continue;
            const std::int32_t p = b.canvas.point(j, i);
            if (p == std::int32_t(b.outline)) continue;
            if (p == std::int32_t(b.paper) || p == std::int32_t(b.colour)) {
                b.canvas.setPixel(j, i, b.colour);
            } else {
                std::int32_t mixed = 0;
                MixColors(std::int32_t(b.colour), p, 1, 10, mixed);
                b.canvas.setPixel(j, i, Colour(mixed));
            }
        }
    }
}

}  // namespace

// Its blocks join up along a fast step, each finger draws its own line,
// and a pen pressing harder draws a wider one.
PINTALOO_TOOL_ROWS(pencil, {.tool = Tool::Pencil, .paint = Pencil, .joinsUp = true, .severalAtOnce = true,
                            .button = ToolButton::Pencil, .followsPressure = true});

}  // namespace pintaloo
