// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where every control of the window stands, in one table: rows of slots
// (the title strip, the command row, the bottom bar, the bottom line), each
// slot named after the action its control runs. A part asks for its
// control's place by that name (PlaceOf("NewPage"), PlaceOf("ChooseTool", i))
// rather than holding a rectangle of its own, so the whole window can be
// read here, and a new control takes a free slot without moving another.
//
// The places are in window pixels (the window is MainWindow::kWidth x
// kHeight, 827 x 728, never scaled: the screen host scales the whole).
// Free slots are named "<Row>.Free<N>"; a button that takes one names it in
// its row (ButtonFile::slot, ui/actions/button_file.h). The command row and
// the bottom bar are full: the only free room at a button's size today is
// in the title strip, beside the window's own two buttons.
#include <QRect>
#include <string_view>
#include <vector>

namespace pintaloo {

struct LayoutSlot {
    const char* row;   // the row it stands in
    const char* name;  // the action its control runs (a decoration: its own name; free: "<Row>.FreeN")
    int index;         // which control of an indexed action (ChooseTool 0..6); -1 when not indexed
    QRect place;       // in window pixels
    // What this slot may stand over: a backdrop control (a drag area under
    // the buttons) lies under everything; `covers` names the one slot this
    // one overlaps on purpose (the close button covers the minimise
    // button's last two columns). Any other overlap is a mistake.
    bool backdrop = false;
    const char* covers = nullptr;
    // The control reaches past the window's edge on purpose (see the slot).
    bool beyondEdge = false;

    bool isFree() const;
};

// Every slot, row by row.
const std::vector<LayoutSlot>& LayoutSlots();

// The slot of an action's control (index for an indexed action), or of a
// free slot by its name; null when the table has none.
const LayoutSlot* FindSlot(std::string_view name, int index = -1);

// The place of an action's control; a name the table lacks is a window
// built wrongly and throws std::logic_error.
QRect PlaceOf(std::string_view name, int index = -1);

}  // namespace pintaloo
