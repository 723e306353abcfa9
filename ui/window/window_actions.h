// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window's actions and key bindings, declared once each.
namespace pintaloo {

class ActionHub;
class MainWindow;

// Declares every action of the window's parts on the hub; the parts exist
// already and outlive the hub's use.
void DeclareWindowActions(MainWindow& w, ActionHub& hub);
// The keys that run actions.
void BindWindowKeys(ActionHub& hub);

}  // namespace pintaloo
