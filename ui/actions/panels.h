// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The role of a part that opens a panel over the canvas (pickers, pages,
// the gallery, the animations). Escape closes every open panel untouched,
// and so does a right click anywhere on one; both go through the hub's
// "ClosePanel", so the story keeps whichever way the child took back.
//
//     panels.addPanel(*panel_, [this] { close(); });
#include <QWidget>
#include <functional>
#include <vector>

#include "ui/actions/action_hub.h"

namespace pintaloo {

class Panels {
public:
    explicit Panels(ActionHub& actions) : actions_(actions) {}
    Panels(const Panels&) = delete;
    Panels& operator=(const Panels&) = delete;

    // `close` puts the panel away without choosing anything in it.
    void addPanel(QWidget& panel, std::function<void()> close);
    // A panel made on first use (late_widgets.h): `panel` gives it, null
    // until it is made. Listed from the start, so panels close in the order
    // their parts were made; rightClickCloses(panel) once it is made.
    void addLatePanel(std::function<QWidget*()> panel, std::function<void()> close);
    void rightClickCloses(QWidget& panel);
    // Parts whose widgets are made on first use (late_widgets.h): `make`
    // makes one's, once. makeEvery makes every one's now (the state dump
    // lists every control; tests reach any).
    void addLate(std::function<void()> make) { late_.push_back(std::move(make)); }
    void makeEvery() const;
    // Closes every open panel; false when none was open. A panel another
    // one was opened from comes back, open. The window's Escape.
    bool closeOpenPanels() const;

private:
    struct Panel {
        std::function<QWidget*()> widget;
        std::function<void()> close;
    };
    ActionHub& actions_;
    std::vector<Panel> panels_;
    std::vector<std::function<void()>> late_;
};

// A right click anywhere on `panel` or on a control inside it runs `close`
// instead of reaching the control: a child who is lost clicks the other
// button and is back at the drawing. Controls added to the panel later are
// covered too.
void CloseOnRightClick(QWidget& panel, std::function<void()> close);

}  // namespace pintaloo
