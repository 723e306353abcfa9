// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>

#include "engine/canvas/colour.h"
#include "engine/canvas/random_source.h"
#include "engine/canvas/surface.h"

namespace pintaloo {

// One puff of the spray can: a centre dot, 71 random dots (20 scaled by
// size, the rest a fixed-radius mist, denser below the pointer) and a fixed
// star-shaped core of 68 dots. Draws exactly 142 random numbers.
void SprayDots(Surface& canvas, RandomSource& rng, Colour color, std::int16_t size, std::int16_t x, std::int16_t y);

}  // namespace pintaloo
