// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The toolbox's data: palette, tones, brush sizes, what each model button
// chooses and which pictures each stamp category holds. Kept as tables so
// the handlers stay free of long chains of branches.
#include <array>
#include <cstdint>
#include <optional>

#include "engine/editor/tool.h"
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

// The tool chosen by each model button, by item 0..16.
extern const std::array<Tool, 17> kModelTools;

struct StampCategory {
    Tool toolMode;
    std::int16_t firstPicture;  // picture number of variant 0
    std::int16_t count;
};
// By stamp category item 0..7 (animals, vehicles, flowers, houses, suns,
// trees, clouds, people).
extern const std::array<StampCategory, 8> kStampCategories;

// The tool a stamp category button chooses. Items outside 0..7 give the
// numbers next to the stamp tools, which paint nothing (as they always did).
Tool StampCategoryTool(int index);

// The stamp picture number for a stamp tool and variant, or nothing.
std::optional<std::int16_t> StampPictureFor(Tool toolMode, int variant);

// Suns and clouds keep their size wherever they are stamped.
bool StampKeepsSize(int pictureNumber);

// The perspective divisor for a canvas height: smaller further up. Both
// ends of each band belong to it; outside 0..560 there is none.
std::optional<double> PerspectiveFactor(double y);

}  // namespace pintaloo
