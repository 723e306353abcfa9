// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The dot-and-line brushes: the rainbow ribbon, grass tufts, and the tiles,
// slanted parallelograms and bricks that snap to a grid so that scrubbing
// over an area fills it with a regular pattern.
#include <cstdint>

#include "engine/canvas/colour.h"
#include "engine/canvas/random_source.h"
#include "engine/canvas/surface.h"

namespace pintaloo {

class PatternPainter {
public:
    PatternPainter(Surface& canvas, RandomSource& rng) : canvas_(canvas), rng_(rng) {}

    // Seven touching dots of diameter `penWidth` in a column below the
    // pointer, `spacing` apart, one per rainbow colour.
    void RainbowDots(std::int16_t x, std::int16_t y, std::int16_t spacing, int penWidth);
    // Pattern 1 tiles, 2 parallelograms, 3 bricks, 5 grass; others nothing.
    // Boxes of tiles and bricks and the flowers on the grass fill their
    // inside as `fill` says.
    void DrawPattern(std::int16_t x, std::int16_t y, std::int16_t pattern, Colour color, FillMode fill = {});

    // The grid the last call worked in (kept between calls, like the cell
    // a child last scrubbed over).
    int CellWidth = 0, CellHeight = 0, CellX = 0, CellY = 0, TuftSpread = 0;

private:
    void Tiles(Colour color, FillMode fill);
    void Parallelogram(Colour color);
    void Bricks(Colour color, FillMode fill);
    void Grass(std::int16_t x, std::int16_t y, Colour color, FillMode fill);

    Surface& canvas_;
    RandomSource& rng_;
};

// Largest multiple of n not above v for canvas coordinates (the remainder
// keeps the sign of v, as division truncates).
constexpr int Snap(int v, int n) { return v - (v % n); }

}  // namespace pintaloo
