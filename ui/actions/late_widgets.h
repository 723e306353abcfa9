// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A part's widgets made the first time the part is used, not at start: a
// hidden panel is dozens of widgets for the start to make, polish and walk
// when the window shows, for a child who may never open it.
//
//     Pickers(...) : late_(c.window, panels, [this] { make(); }) ...
//     void Pickers::showMagic() { late_.need(); magicPanel_->show(); }
//
// Every member that touches the widgets calls need() first (one that only
// hides them may return when made() is false). The widgets keep their place
// in the window's stacking, where the part was made among the others
// (later parts lie over earlier ones): a marker holds it from the start,
// and whatever `make` puts on the window goes under the marker.
#include <QPointer>
#include <QWidget>
#include <functional>

namespace pintaloo {

class Panels;

class LateWidgets {
public:
    // Listed with the panels, so the state dump and the tests can have
    // every part made (Panels::makeEvery).
    LateWidgets(QWidget& window, Panels& panels, std::function<void()> make);
    LateWidgets(const LateWidgets&) = delete;
    LateWidgets& operator=(const LateWidgets&) = delete;

    void need();
    bool made() const { return made_; }
    // The widgets go over every control made so far: for a part that puts
    // some controls on the window at once and the rest later, called after
    // the first.
    void placeHere() { marker_->raise(); }

private:
    QWidget& window_;
    QPointer<QWidget> marker_;
    std::function<void()> make_;
    bool made_ = false;
};

}  // namespace pintaloo
