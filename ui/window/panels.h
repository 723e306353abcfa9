// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The panels that open over the canvas (the page picker, the models and
// stamp pickers, the animation panel) and the one way back from all of them:
// closed untouched, the drawing as it was.
//
//     if (!CloseOpenPanel(window)) ...  // nothing was open
//     CloseOnRightClick(panel, [&] { window.actions.run("ClosePanel", {}); });  // each part, for its own panel
#include <QWidget>
#include <functional>

namespace pintaloo {

class MainWindow;

// Closes every open panel without choosing anything in it; false when none
// was open.
bool CloseOpenPanel(MainWindow& w);

// A right click anywhere on `panel` or on a control inside it runs `close`
// instead of reaching the control: a child who is lost clicks the other
// button and is back at the drawing. Controls added to the panel later are
// covered too.
void CloseOnRightClick(QWidget& panel, std::function<void()> close);

}  // namespace pintaloo
