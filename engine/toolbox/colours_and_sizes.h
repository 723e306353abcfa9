// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The colours and sizes the tools paint with, besides the tools themselves
// (tools_table.h): the palette and each swatch's tone, the brush sizes, and
// the stamps' size by height on the page (perspective). Kept as tables so
// the handlers stay free of long chains of branches.
#include <array>
#include <cstdint>
#include <optional>

#include "engine/canvas/colour.h"

namespace pintaloo {

// The 24 swatch colours, item 0 first.
extern const std::array<Colour, 24> kPalette;

// The tone (MP3 sound number) each swatch plays: one per column of the
// grid, an eighth for the column of greys.
std::optional<std::int16_t> ToneForSwatch(int index);

struct BrushSizeEntry {
    std::int16_t brushSize;
    std::int16_t halfWidth;
};
// By size-bar item 0..3.
extern const std::array<BrushSizeEntry, 4> kBrushSizes;

// The perspective divisor for a canvas height: smaller further up. Both
// ends of each band belong to it; outside 0..560 there is none.
std::optional<double> PerspectiveFactor(double y);

}  // namespace pintaloo
