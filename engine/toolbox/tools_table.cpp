// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/toolbox/tools_table.h"

#include <algorithm>
#include <map>
#include <set>
#include <utility>

namespace pintaloo {

const std::vector<ToolRow>& ToolRows() {
    static const std::vector<ToolRow> rows = [] {
        std::vector<ToolRow> all;
        for (const std::span<const ToolRow> file : ToolFiles()) all.insert(all.end(), file.begin(), file.end());
        std::stable_sort(all.begin(), all.end(),
                         [](const ToolRow& a, const ToolRow& b) { return ToolNumber(a.tool) < ToolNumber(b.tool); });
        return all;
    }();
    return rows;
}

const ToolRow* RowOf(Tool t) {
    for (const ToolRow& r : ToolRows())
        if (r.tool == t) return &r;
    return nullptr;
}

int EntriesOn(ToolButton b) {
    return int(std::count_if(ToolRows().begin(), ToolRows().end(),
                             [b](const ToolRow& r) { return r.button == b && r.entry >= 0; }));
}

const ToolRow* EntryOf(ToolButton b, int entry) {
    for (const ToolRow& r : ToolRows())
        if (r.button == b && r.entry >= 0 && r.entry == entry) return &r;
    return nullptr;
}

std::optional<Tool> ToolOfButton(int item) {
    for (const ToolRow& r : ToolRows())
        if (int(r.button) == item && r.entry < 0 && !r.library) return r.tool;
    return std::nullopt;
}

int StampSlots() {
    int most = 0;
    for (const ToolRow& r : ToolRows()) most = std::max<int>(most, r.pictures);
    return most;
}

int LastToolNumber() { return ToolRows().empty() ? 0 : ToolNumber(ToolRows().back().tool); }

std::vector<std::string> ToolRowFaults(std::span<const ToolRow> rows) {
    std::vector<std::string> faults;
    const auto fault = [&](const ToolRow& r, const char* what) {
        faults.push_back("tool " + std::to_string(ToolNumber(r.tool)) + ": " + what);
    };
    std::set<int> numbers;
    std::set<std::pair<int, int>> entries, cells;
    std::map<int, int> entriesOn, chosenItself;  // by button
    for (const ToolRow& r : rows) {
        if (r.entry >= 0) ++entriesOn[int(r.button)];
        if (r.entry < 0 && !r.library) ++chosenItself[int(r.button)];
    }
    for (const ToolRow& r : rows) {
        if (ToolNumber(r.tool) < 1 || r.tool == Tool::None) fault(r, "a number no tool may have");
        if (!numbers.insert(ToolNumber(r.tool)).second) fault(r, "its number is taken twice");
        if (!r.paint) fault(r, "no painter");
        if (r.button == ToolButton::None) fault(r, "no button chooses it");
        if ((r.entry >= 0) != (r.cell >= 0) || (r.entry >= 0) != (r.art != nullptr))
            fault(r, "a picker entry needs an entry, a cell and a picture together");
        if (r.entry >= 0 && r.entry >= entriesOn[int(r.button)]) fault(r, "its entry leaves a gap before it");
        if (r.entry >= 0 && !entries.insert({int(r.button), r.entry}).second) fault(r, "its entry is taken twice");
        if (r.cell >= 0 && !cells.insert({int(r.button), r.cell}).second) fault(r, "its cell is taken twice");
        if (r.entry < 0 && !r.library && (chosenItself[int(r.button)] > 1 || entriesOn[int(r.button)] > 0))
            fault(r, "its button chooses another tool, or opens a picker");
        if (r.button == ToolButton::Stamps && !r.library && r.pictures <= 0) fault(r, "a stamp without pictures");
        if ((r.name == nullptr) != (r.help == nullptr)) fault(r, "a name needs a help line, and a help line a name");
        if (r.wholePicture && r.entry < 0) fault(r, "a whole-picture effect needs a picker entry to run it");
    }
    return faults;
}

bool IsStampTool(Tool t) {
    const ToolRow* row = RowOf(t);
    return row && row->button == ToolButton::Stamps;
}

std::optional<std::int16_t> StampPictureFor(Tool toolMode, int variant) {
    const ToolRow* row = RowOf(toolMode);
    if (!row || variant < 0 || variant >= row->pictures) return std::nullopt;
    return std::int16_t(row->firstPicture + variant);
}

bool StampKeepsSize(int n) {
    for (const ToolRow& r : ToolRows())
        if (n >= r.firstPicture && n < r.firstPicture + r.pictures) return r.keepsSize;
    return false;
}

}  // namespace pintaloo
