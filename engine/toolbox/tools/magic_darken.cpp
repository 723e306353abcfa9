// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The darken brush: the paint under it turns a little deeper with each pass.
#include "engine/toolbox/brush_area.h"

namespace pintaloo {

namespace {

constexpr Tool kDarken = Tool(39);

// A tenth of the way to black in the middle of the brush, a twentieth at
// its rim, as the lighten brush goes to white. Every part only ever falls,
// and a pixel stops one step short of the outline colour (NotOutline), so
// darkened paint never turns into a line the other tools stop at.
void Darken(Brush& b, std::int16_t x, std::int16_t y) {
    const int radius = BrushRadius(b);
    ChangeUnderBrush(b, x, y, radius, [&](int px, int py, Colour old) {
        return NotOutline(b, old, Towards(old, kBlack, SoftWeight(px - x, py - y, radius, 26)));
    });
}

}  // namespace

PINTALOO_TOOL_ROWS(magic_darken, {.tool = kDarken, .paint = Darken, .severalAtOnce = true,
                                  .spacing = spacing::HalfBrush, .button = ToolButton::Magic, .entry = 9, .cell = 9,
                                  .art = "magic_darken", .name = "magic.darken.name", .help = "magic.darken.help",
                                  .followsPressure = true});

}  // namespace pintaloo
