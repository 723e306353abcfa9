// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The role of a part that changes the drawing outside a stroke (a page, an
// opened picture, undo, the oil): the editor state, the canvas surface, and
// the call that shows the surface again after such a change. A part that
// only reads or sets the editor state takes `EditorState&` alone.
#include <functional>

#include "engine/canvas/surface.h"
#include "engine/editor/editor_state.h"

namespace pintaloo {

struct Painting {
    EditorState& state;
    Surface& canvas;
    // The surface changed outside a paint call: the canvas shows it again.
    std::function<void()> refresh;
};

}  // namespace pintaloo
