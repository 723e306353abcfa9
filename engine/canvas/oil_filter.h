// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The oil-painting look: every pixel takes the colour of the most frequent
// brightness level in its neighbourhood, which flattens the picture into
// patches and wipes out specks and one-pixel lines.
#include <cstdint>

#include "engine/canvas/colour.h"
#include "engine/canvas/surface.h"

namespace pintaloo {

// Works on `pixels` (width x height, x fastest) within the inclusive
// rectangle left..right, top..bottom. Only samples strictly inside the
// rectangle count, so its outermost rows and columns are painted from their
// inner neighbours. Ties go to the darker level; a level's colour is the
// first pixel of that level met, scanning columns left to right and each
// column top to bottom. Every pixel is decided from the picture as it was
// before the call. Levels is at most 255; the rectangle must lie inside.
void OilFilter(Colour* pixels, int width, int height, int left, int top, int right, int bottom, int radius, int levels);

// The same on the canvas surface; the rectangle is marked for repainting.
void OilFilter(Surface& canvas, int left, int top, int right, int bottom, int radius, int levels);

}  // namespace pintaloo
