// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/actions/panels.h"

#include <QChildEvent>
#include <QMouseEvent>

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

void CloseOnRightClick(QWidget& panel, std::function<void()> close) { new RightClickFilter(panel, std::move(close)); }

// The right click goes through the hub like Escape, so the story keeps
// whichever way the child took back.
void Panels::addPanel(QWidget& panel, std::function<void()> close) {
    panels_.push_back({[&panel] { return &panel; }, std::move(close)});
    rightClickCloses(panel);
}

void Panels::addLatePanel(std::function<QWidget*()> panel, std::function<void()> close) {
    panels_.push_back({std::move(panel), std::move(close)});
}

void Panels::rightClickCloses(QWidget& panel) {
    CloseOnRightClick(panel, [this] { actions_.run("ClosePanel", {}); });
}

void Panels::makeEvery() const {
    for (const auto& make : late_) make();
}

bool Panels::closeOpenPanels() const {
    // Which were open is taken first: a panel a close brings back stays.
    std::vector<const Panel*> open;
    for (const Panel& p : panels_)
        if (const QWidget* w = p.widget(); w && !w->isHidden()) open.push_back(&p);
    for (const Panel* p : open) p->close();
    return !open.empty();
}

}  // namespace pintaloo
