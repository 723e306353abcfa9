// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/editor_state.h"

namespace pintaloo {

const char* MousePhaseName(MousePhase p) {
    switch (p) {
        case MousePhase::Down:
            return "down";
        case MousePhase::Move:
            return "move";
        case MousePhase::Up:
            return "up";
        case MousePhase::None:
            break;
    }
    return "";
}

void ResetEditorState(EditorState& s) {
    s.PageNumber = 101;
    s.SwatchIndex = 0;
    s.PaperColor = kWhite;
    s.OutlineColor = kBlack;
    s.ToolMode = Tool::Pencil;
    s.BrushSize = 4;
    s.BrushHalfWidth = 1;
    s.SizeIndex = 2;
    s.CurrentColor = Rgb(31, 31, 31);
}

}  // namespace pintaloo
