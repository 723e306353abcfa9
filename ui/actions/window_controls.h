// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The role of a part that puts controls on the window: where they go, the
// hub they are bound to, and the hand over a control. Take it when the part
// has controls of its own (nearly every part does).
//
//     ToolButtons(WindowControls& c, ...) : c_(c) ...
//         new Box(&c.window, ...);
//         c.actions.bind(*box, BoxEvent::MouseUp, "ChooseTool", i);
//     void ToolButtons::PointerOverTool(...) { c_.setHandCursor(true); }
//
// Every part calls it `c` (and keeps it as `c_`), so its controls' lines
// read the same in every part.
// The window makes one and fills setHandCursor before it makes its parts.
#include <QWidget>
#include <functional>

#include "ui/actions/action_hub.h"

namespace pintaloo {

struct WindowControls {
    QWidget& window;  // the parent of every part's controls
    // Every action a user can take, by name: controls are bound to it, and
    // a part runs an action through it when the story must see the call.
    ActionHub& actions;
    // The hand over the control under the pointer (or the arrow back).
    std::function<void(bool useHand)> setHandCursor;
};

}  // namespace pintaloo
