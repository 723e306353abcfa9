// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Any colour besides the 24 swatches: the rainbow field a child picks from,
// and what a colour picked there (or taken from the drawing by the dropper)
// becomes in the editor's state.
#include <cstdint>

#include "engine/canvas/colour.h"

namespace pintaloo {

// The colour at (x, y) of a rainbow field `width` x `height`: hue across
// (red at the left, round the wheel to red again), white along the top row,
// the full colour half way down and black along the bottom row, so a child
// reads it as "lighter up, darker down". The last twelfth of the width is a
// column of greys, white to black, for the colours the wheel lacks. A point
// outside the field takes the nearest edge's colour.
Colour RainbowFieldColour(int x, int y, int width, int height);

// The swatch (0..23) closest to a colour, for what still goes by swatch: the
// balls model draws the ball of the swatch, so a picked colour paints the
// ball nearest to it.
std::int16_t NearestSwatch(Colour c);

// A picked colour the painters may lay down: the colouring page's outline
// colour is moved one step in each part towards the middle grey (black
// becomes 1,1,1), so painting with it never makes a pixel the tools take for
// an outline. Every other colour stays exactly as it was.
Colour PaintableColour(Colour picked, Colour outline);

}  // namespace pintaloo
