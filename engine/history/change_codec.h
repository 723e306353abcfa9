// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A small lossless codec for one change to the canvas: the exclusive-or of
// the pixels before and after, over one rectangle. Unchanged pixels are zero
// and cost a byte per run; a fill or a stamp on paper is long runs of one
// value; the crayon's texture, a few colours scattered among untouched
// pixels, costs at most a byte a pixel through a small table of recent
// values. Applying the same change twice gives back
// the pixels it started from, so one copy serves both undo and redo.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "engine/canvas/colour.h"
#include "engine/canvas/rect.h"

namespace pintaloo {

// Encodes before ^ after over `r` (both images `stride` pixels wide, the
// rectangle inside them), row by row as one stream, into `out` (replaced;
// its capacity is kept, so one scratch buffer serves every call).
void EncodeChange(const Colour* before, const Colour* after, int stride, const Rect& r, std::vector<std::uint8_t>& out);

// Exclusive-ors the decoded change into `pixels` over `r`. False, with the
// pixels possibly half changed, when the data does not describe exactly
// r.width() * r.height() pixels; data made by EncodeChange never does that.
bool ApplyChange(const std::vector<std::uint8_t>& data, Colour* pixels, int stride, const Rect& r);

}  // namespace pintaloo
