// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The models made of ready-made pictures: balls in the chosen swatch's
// colour, and daisies, tangles, scribbles, stars and splats, whose
// pictures take turns (ToolVariant) from one step to the next and from one
// stroke to the next.
#include "engine/canvas/checked16.h"
#include "engine/toolbox/tools_table.h"

namespace pintaloo {

namespace {

using ModelDraw = void (PicturePainters::*)(std::int16_t x, std::int16_t y, std::int16_t index);

// Variants 0..lastVariant in turn, one per step; a variant out of range
// (left by another tool) paints nothing and stays.
void Cycled(Brush& b, std::int16_t x, std::int16_t y, int lastVariant, ModelDraw draw) {
    const int k = b.memory.variant;
    if (k < 0 || k > lastVariant) return;
    (b.pictures.*draw)(x, y, std::int16_t(k));
    b.memory.variant = std::int16_t(k == lastVariant ? 0 : k + 1);
}

// Stars and splats need room: nothing happens within `spacing` of the last
// point in both x and y.
void Spaced(Brush& b, std::int16_t x, std::int16_t y, int spacing, ModelDraw draw) {
    ToolMemory& m = b.memory;
    if (x >= Sub16(m.lastX, spacing) && x <= Add16(m.lastX, spacing) && y >= Sub16(m.lastY, spacing) &&
        y <= Add16(m.lastY, spacing))
        return;
    const int k = m.variant;
    if (k >= 0 && k <= 3) {
        (b.pictures.*draw)(x, y, std::int16_t(k));
        m.variant = std::int16_t((k + 1) % 4);
    }
    m.lastX = x;
    m.lastY = y;
}

void Balls(Brush& b, std::int16_t x, std::int16_t y) { b.pictures.DrawBallModel(x, y, b.swatch); }
void Daisies(Brush& b, std::int16_t x, std::int16_t y) { Cycled(b, x, y, 2, &PicturePainters::DrawDaisyModel); }
void Tangles(Brush& b, std::int16_t x, std::int16_t y) { Cycled(b, x, y, 7, &PicturePainters::DrawTangleModel); }
void Scribbles(Brush& b, std::int16_t x, std::int16_t y) { Cycled(b, x, y, 3, &PicturePainters::DrawScribbleModel); }
void Stars(Brush& b, std::int16_t x, std::int16_t y) { Spaced(b, x, y, 50, &PicturePainters::DrawStarModel); }
void Splats(Brush& b, std::int16_t x, std::int16_t y) { Spaced(b, x, y, 10, &PicturePainters::DrawSplatModel); }

}  // namespace

PINTALOO_TOOL_ROWS(picture_models,
                   // A ball is 26 pixels across.
                   {.tool = Tool::Balls, .paint = Balls, .spacing = spacing::Fixed<24>, .button = ToolButton::Models,
                    .entry = 5, .cell = 6, .art = "model_balls"},
                   // Petals 94 across: the flowers' middles stay clear.
                   {.tool = Tool::Daisies, .paint = Daisies, .spacing = spacing::Fixed<60>,
                    .button = ToolButton::Models, .entry = 8, .cell = 8, .art = "model_daisy"},
                   // Each tangle about 50 across, each scribble about 42.
                   {.tool = Tool::Tangles, .paint = Tangles, .spacing = spacing::Fixed<40>,
                    .button = ToolButton::Models, .entry = 9, .cell = 9, .art = "model_tangle"},
                   {.tool = Tool::Scribbles, .paint = Scribbles, .spacing = spacing::Fixed<36>,
                    .button = ToolButton::Models, .entry = 10, .cell = 10, .art = "model_scribble"},
                   // Stars and splats keep their own distance (Spaced): laid at
                   // every pixel of the path, they come out as far apart along a
                   // fast step as along the slowest drag, and no nearer.
                   {.tool = Tool::Stars, .paint = Stars, .spacing = spacing::Fixed<1>, .button = ToolButton::Models,
                    .entry = 11, .cell = 11, .art = "model_star"},
                   {.tool = Tool::Splats, .paint = Splats, .spacing = spacing::Fixed<1>, .button = ToolButton::Models,
                    .entry = 16, .cell = 13, .art = "model_splat"});

}  // namespace pintaloo
