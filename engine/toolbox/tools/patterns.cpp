// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The pattern brushes: grass, tiles, zigzag parallelograms and bricks, laid
// on a grid fixed to the page, so every stroke (and finger) lines up with
// the others.
#include "engine/toolbox/tools_table.h"

namespace pintaloo {

namespace {

constexpr Colour kGrassGreen = Rgb(0, 202, 5);

void Grass(Brush& b, std::int16_t x, std::int16_t y) { b.patterns.DrawPattern(x, y, 5, kGrassGreen, b.fill); }
void Tiles(Brush& b, std::int16_t x, std::int16_t y) { b.patterns.DrawPattern(x, y, 1, b.chosen, b.fill); }
void Parallelograms(Brush& b, std::int16_t x, std::int16_t y) { b.patterns.DrawPattern(x, y, 2, b.chosen, b.fill); }
void Bricks(Brush& b, std::int16_t x, std::int16_t y) { b.patterns.DrawPattern(x, y, 3, b.chosen, b.fill); }

}  // namespace

PINTALOO_TOOL_ROWS(patterns,
                   // Half a tuft, so the blades of neighbours mingle.
                   {.tool = Tool::Grass, .paint = Grass, .severalAtOnce = true, .spacing = spacing::Fixed<10>,
                    .button = ToolButton::Models, .entry = 12, .cell = 12, .art = "model_grass"},
                   // The grid's width: no cell of the path is skipped.
                   {.tool = Tool::Tiles, .paint = Tiles, .severalAtOnce = true, .spacing = spacing::Fixed<12>,
                    .button = ToolButton::Models, .entry = 13, .cell = 14, .art = "model_tiles"},
                   // The grid's height (its width is 24).
                   {.tool = Tool::Parallelograms, .paint = Parallelograms, .severalAtOnce = true,
                    .spacing = spacing::Fixed<16>, .button = ToolButton::Models, .entry = 14, .cell = 15,
                    .art = "model_zigzag"},
                   {.tool = Tool::Bricks, .paint = Bricks, .severalAtOnce = true, .spacing = spacing::Fixed<16>,
                    .button = ToolButton::Models, .entry = 15, .cell = 16, .art = "model_bricks"});

}  // namespace pintaloo
