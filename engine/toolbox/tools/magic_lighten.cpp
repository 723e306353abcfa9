// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The lighten brush: the paint under it turns a little paler with each pass.
#include "engine/toolbox/brush_area.h"

namespace pintaloo {

namespace {

constexpr Tool kLighten = Tool(38);

// A tenth of the way to white in the middle of the brush, a twentieth at
// its rim: a slow stroke, which lays many steps on one spot, turns it
// pale, a quick one only lightens it. Every part only ever rises, so
// going over paint again never darkens it; the paper, already white, stays.
void Lighten(Brush& b, std::int16_t x, std::int16_t y) {
    const int radius = BrushRadius(b);
    ChangeUnderBrush(b, x, y, radius, [&](int px, int py, Colour old) {
        return NotOutline(b, old, Towards(old, kWhite, SoftWeight(px - x, py - y, radius, 26)));
    });
}

}  // namespace

PINTALOO_TOOL_ROWS(magic_lighten, {.tool = kLighten, .paint = Lighten, .severalAtOnce = true,
                                   .spacing = spacing::HalfBrush, .button = ToolButton::Magic, .entry = 8, .cell = 8,
                                   .art = "magic_lighten", .name = "magic.lighten.name", .help = "magic.lighten.help",
                                   .followsPressure = true});

}  // namespace pintaloo
