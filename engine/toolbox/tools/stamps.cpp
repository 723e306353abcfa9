// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The stamps: one picture of the chosen category (its variant, the slot
// chosen under the categories) a press, smaller further up the page.
#include "engine/toolbox/tools_table.h"

namespace pintaloo {

namespace {

// One stamp per press, however long the drag.
void Stamp(Brush& b, std::int16_t x, std::int16_t y) {
    if (b.phase != MousePhase::Down) return;
    if (const auto n = StampPictureFor(b.row.tool, b.memory.variant)) 
        b.pictures.DrawStamp(x, y, *n, b.chosen, b.outline);
}

// The stamp chosen from the collections: the window hands its picture over
// (PictureStore::libraryStamp).
void LibraryStamp(Brush& b, std::int16_t x, std::int16_t y) {
    if (b.phase == MousePhase::Down) b.pictures.DrawLibraryStamp(x, y, b.chosen, b.outline);
}

constexpr ToolRow Category(Tool tool, std::int8_t entry, const char* art, std::int16_t firstPicture,
                           std::int16_t pictures, bool keepsSize = false) {
    return {.tool = tool, .paint = Stamp, .button = ToolButton::Stamps, .entry = entry, .cell = entry, .art = art,
            .firstPicture = firstPicture, .pictures = pictures, .keepsSize = keepsSize};
}

}  // namespace

PINTALOO_TOOL_ROWS(stamps, Category(Tool::StampAnimals, 0, "cat_animals", 122, 8),
                   Category(Tool::StampVehicles, 1, "cat_vehicles", 130, 5),
                   Category(Tool::StampFlowers, 2, "cat_flowers", 158, 7),
                   Category(Tool::StampHouses, 3, "cat_houses", 138, 3),
                   Category(Tool::StampSuns, 4, "cat_suns", 141, 3, true),
                   Category(Tool::StampTrees, 5, "cat_trees", 144, 3),
                   Category(Tool::StampClouds, 6, "cat_clouds", 147, 3, true),
                   Category(Tool::StampPeople, 7, "cat_people", 150, 8),
                   {.tool = kLibraryStampTool, .paint = LibraryStamp, .button = ToolButton::Stamps, .library = true});

}  // namespace pintaloo
