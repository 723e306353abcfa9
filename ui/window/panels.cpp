// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/panels.h"

#include <QChildEvent>
#include <QMouseEvent>

#include "ui/window/main_window.h"
#include "ui/parts/animation_panel.h"
#include "ui/parts/page_picker.h"
#include "ui/parts/pickers.h"

namespace pintaloo {

namespace {

// Watches a panel and every control in it. A filter object per panel, owned
// by the panel, so it goes when the panel goes.
class RightClickFilter : public QObject {
public:
    RightClickFilter(QWidget& panel, std::function<void()> close) : QObject(&panel), close_(std::move(close)) {
        watch(&panel);
    }

    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() == QEvent::ChildAdded) {
            if (auto* child = qobject_cast<QWidget*>(static_cast<QChildEvent*>(e)->child())) watch(child);
        } else if (e->type() == QEvent::MouseButtonPress && static_cast<QMouseEvent*>(e)->button() == Qt::RightButton) {
            close_();
            return true;  // the control under the pointer never hears it
        }
        return QObject::eventFilter(watched, e);
    }

private:
    void watch(QWidget* w) {
        w->installEventFilter(this);
        for (QWidget* child : w->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) watch(child);
    }
    std::function<void()> close_;
};

}  // namespace

bool CloseOpenPanel(MainWindow& w) {
    bool closed = false;
    if (w.pagePicker().isOpen()) {
        w.pagePicker().close();
        closed = true;
    }
    if (w.animation().isOpen()) {
        w.animation().CloseAnimations();  // the player stops with it
        closed = true;
    }
    if (w.pickers().panelOpen()) {
        w.pickers().hidePanels();
        closed = true;
    }
    return closed;
}

void CloseOnRightClick(QWidget& panel, std::function<void()> close) { new RightClickFilter(panel, std::move(close)); }

}  // namespace pintaloo
