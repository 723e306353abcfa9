// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window's action table: every action a user, a key or a script can
// run, one row each (how to add one: window_actions.cpp, above the table).
#include <functional>
#include <vector>

#include "ui/actions/action_hub.h"

namespace pintaloo {

class MainWindow;

struct WindowActionRow {
    ActionHub::Action action;  // its fn empty: the window is not known yet
    // Carries the action out on a window; empty for an action a part above
    // the window carries out and plugs in itself (the film).
    std::function<void(MainWindow&, const ActionHub::Args&)> run;
};

// The table, readable without a window (tests and help read the keys here).
const std::vector<WindowActionRow>& WindowActionRows();

// Declares every row on the hub, its keys bound; the parts exist already
// and outlive the hub's use.
void DeclareWindowActions(MainWindow& w, ActionHub& hub);

}  // namespace pintaloo
