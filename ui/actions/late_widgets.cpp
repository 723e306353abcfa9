// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/actions/late_widgets.h"

#include <QObjectList>

#include "ui/actions/panels.h"

namespace pintaloo {

// The marker is an empty, hidden widget with no name: nothing dumps, names,
// reaches or paints it.
LateWidgets::LateWidgets(QWidget& window, Panels& panels, std::function<void()> make)
    : window_(window), marker_(new QWidget(&window)), make_(std::move(make)) {
    marker_->hide();
    panels.addLate([this] { need(); });
}

void LateWidgets::need() {
    if (made_) return;
    made_ = true;  // first: a member `make` calls may ask again
    // Qt puts a new child last among its siblings, over every other.
    const QObjectList before = window_.children();
    make_();
    for (QObject* child : window_.children())
        if (auto* w = qobject_cast<QWidget*>(child); w && marker_ && !before.contains(child)) w->stackUnder(marker_);
}

}  // namespace pintaloo
