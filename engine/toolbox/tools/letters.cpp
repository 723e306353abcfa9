// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The letters: a word written on the drawing. A press on the paper puts
// where the word starts (the window's letters part takes the press, see
// ui/parts/letters_part.h), and the word lands in one go when it is done
// (engine/toolbox/letters_ink.h), so a drag across the paper with the
// letters chosen paints nothing.
#include "engine/toolbox/letters_ink.h"
#include "engine/toolbox/tools_table.h"

namespace pintaloo {

namespace {

// A drag after the press leaves the paper as it is.
void DragPaintsNothing(Brush&, std::int16_t, std::int16_t) {}

}  // namespace

PINTALOO_TOOL_ROWS(letters, {.tool = kLettersTool, .paint = DragPaintsNothing, .button = ToolButton::Letters});

}  // namespace pintaloo
