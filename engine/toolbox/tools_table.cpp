// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/toolbox/tools_table.h"

namespace pintaloo {

Tool StampCategoryTool(int index) {
    if (const ToolRow* row = EntryOf(ToolButton::Stamps, index)) return row->tool;
    // Out of range the number still follows on from the first stamp tool and
    // is stored as 16 bits, so the dump shows what it always showed.
    return static_cast<Tool>(std::int16_t(ToolNumber(Tool::StampAnimals) + index));
}

std::optional<std::int16_t> StampPictureFor(Tool toolMode, int variant) {
    const ToolRow* row = RowOf(toolMode);
    if (!row || variant < 0 || variant >= row->pictures) return std::nullopt;
    return std::int16_t(row->firstPicture + variant);
}

bool StampKeepsSize(int n) {
    for (const ToolRow& r : kTools)
        if (n >= r.firstPicture && n < r.firstPicture + r.pictures) return r.keepsSize;
    return false;
}

}  // namespace pintaloo
