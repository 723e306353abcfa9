// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The editor state that belongs to the drawing rather than to the tools:
// which colouring page is on the canvas and the two colours the crayon
// treats apart from the rest (it never covers the outline and paints plain
// colour on paper). Undoing back past "take a colouring page" must bring
// these back with the pixels, or the crayon would spare the wrong lines.
#include <cstdint>

#include "engine/editor/editor_state.h"
#include "engine/canvas/colour.h"

namespace pintaloo {

struct StepInfo {
    std::int16_t PageNumber = 101;
    Colour PaperColor = kWhite;
    Colour OutlineColor = kBlack;
    bool operator==(const StepInfo&) const = default;
};

inline StepInfo StepInfoOf(const EditorState& s) { return {s.PageNumber, s.PaperColor, s.OutlineColor}; }

inline void RestoreStepInfo(const StepInfo& info, EditorState& s) {
    s.PageNumber = info.PageNumber;
    s.PaperColor = info.PaperColor;
    s.OutlineColor = info.OutlineColor;
}

}  // namespace pintaloo
