// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window's action table: every action a user, a key or a script can
// run, one row each (how to add one: window_actions.cpp, above the table).
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

#include "ui/actions/action_hub.h"
#include "ui/words/help_pages.h"

namespace pintaloo {

class WindowParts;

struct WindowActionRow {
    ActionHub::Action action;  // its fn empty: the window is not known yet
    // Carries the action out on a window; empty for an action a part above
    // the window carries out and plugs in itself (the film).
    std::function<void(WindowParts&, const ActionHub::Args&)> run;
    // Who presses its control besides a pointer, when anything does (the
    // hub's `pressable`).
    enum class Reach : std::uint8_t {
        Everyone,  // keys, switches and screen readers
        // Keys and screen readers, never a switch: it opens a dialog of the
        // desktop's or a window of its own (print, save, open, help), which
        // a switch can neither answer nor leave.
        NoSwitch,
        // A screen reader's press only: the window's own minimise and close,
        // where one Space on the ring would lose the window.
        ScreenReader,
    };
    Reach reach = Reach::Everyone;
    // What its keys do, in the help's key list (see HelpKeys): the help
    // template's markup, and the place in the list.
    const char* helpWords = nullptr;
    int helpPlace = 0;
};

// The table, readable without a window (tests and help read the keys here).
const std::vector<WindowActionRow>& WindowActionRows();

// The help's key list in a language: every row's keys with its words, in
// their places, then each button file's keys with its tooltip.
std::vector<HelpKey> HelpKeys(Language language);

// The reach of the row named so (explanatory name); Everyone for a name
// the table does not hold.
WindowActionRow::Reach ReachOf(std::string_view name);

// Declares every row on the hub, its keys bound; the parts exist already
// and outlive the hub's use.
void DeclareWindowActions(WindowParts& w, ActionHub& hub);

}  // namespace pintaloo
