// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The two-colour brushes, dots and spray: each step in the chosen colour or
// its inverse in turn, the turn remembered (AlternateFlag) across strokes.
#include "engine/canvas/checked16.h"
#include "engine/canvas/spray.h"
#include "engine/toolbox/tools_table.h"

namespace pintaloo {

namespace {

// Which colour this step paints, turning the memory; nothing for a turn out
// of 0..1 (left by a story), which stays.
std::optional<Colour> TakeTurn(Brush& b, std::int16_t x, std::int16_t y) {
    b.memory.lastX = x;
    b.memory.lastY = y;
    if (b.memory.alternate == 0) {
        b.memory.alternate = 1;
        return b.chosen;
    }
    if (b.memory.alternate == 1) {
        b.memory.alternate = 0;
        return Inverse(b.chosen);
    }
    return std::nullopt;
}

void Dots(Brush& b, std::int16_t x, std::int16_t y) {
    const int pen = Add16(b.size, 5);
    if (const auto colour = TakeTurn(b, x, y)) b.canvas.line(x, y, x, y, *colour, pen);
}

void Spray(Brush& b, std::int16_t x, std::int16_t y) {
    if (const auto colour = TakeTurn(b, x, y)) SprayDots(b.canvas, b.rng, *colour, b.size, x, y);
}

}  // namespace

PINTALOO_TOOL_ROWS(two_colours,
                   {.tool = Tool::TwoColourDots, .paint = Dots, .spacing = spacing::Dots, .button = ToolButton::Models,
                    .entry = 2, .cell = 3, .art = "model_dots2"},
                   {.tool = Tool::TwoColourSpray, .paint = Spray, .button = ToolButton::Models, .entry = 3, .cell = 4,
                    .art = "model_spray2"});

}  // namespace pintaloo
