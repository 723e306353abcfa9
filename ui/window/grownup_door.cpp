// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/grownup_door.h"

#include <algorithm>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace pintaloo {

namespace {

// The thin ring that fills while the logo is held: soft white, half seen,
// round the place pressed.
class HoldRing final : public QWidget {
public:
    HoldRing(QWidget* parent, std::function<double()> share) : QWidget(parent), share_(std::move(share)) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        hide();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const int side = std::min(width(), height()) - 6;
        const QRectF circle((width() - side) / 2.0, (height() - side) / 2.0, side, side);
        p.setPen(QPen(QColor(255, 255, 255, 70), 3));
        p.drawEllipse(circle);
        p.setPen(QPen(QColor(255, 214, 102, 170), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(circle, 90 * 16, -int(360 * 16 * share_()));
    }

private:
    std::function<double()> share_;
};

}  // namespace

GrownUpDoor::GrownUpDoor(QWidget& window, QWidget& logo, QRect logoArea, std::function<void()> open,
                         std::function<void()> drag)
    : window_(window), logo_(logo), area_(logoArea), open_(std::move(open)), drag_(std::move(drag)) {
    elapsed_.start();
    clock = [this] { return elapsed_.elapsed(); };
    timer_.setInterval(40);
    connect(&timer_, &QTimer::timeout, this, &GrownUpDoor::tick);
    // On the window, above the logo's pictures, which lie over the widget pressed.
    ring_ = new HoldRing(&window_, [this] { return ringShare(); });
    logo_.installEventFilter(this);
    qApp->installEventFilter(this);
}

GrownUpDoor::~GrownUpDoor() {
    // The window outlives the door (made after it), so the logo is still there.
    qApp->removeEventFilter(this);
    logo_.removeEventFilter(this);
}

double GrownUpDoor::ringShare() const {
    if (!holding_) return 0;
    return std::clamp(double(clock() - since_) / kHoldMs, 0.0, 1.0);
}

bool GrownUpDoor::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const auto mods = key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier);
        auto* to = qobject_cast<QWidget*>(watched);
        if (key->key() == Qt::Key_S && mods == (Qt::ControlModifier | Qt::AltModifier) && to &&
            (to == &window_ || window_.isAncestorOf(to)) && !QApplication::activeModalWidget()) {
            openNow();
            return true;
        }
        return false;
    }
    if (watched != &logo_) return false;
    if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const QPoint at = mouse->position().toPoint();
        if (mouse->button() != Qt::LeftButton || !area_.contains(at)) return false;
        holding_ = true;
        since_ = clock();
        pressedAt_ = at;
        timer_.start();
        return true;
    }
    if (!holding_) return false;
    if (type == QEvent::MouseMove) {
        const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
        if ((at - pressedAt_).manhattanLength() > kDragPixels) {
            letGo();
            if (drag_) drag_();
        }
        return true;
    }
    if (type == QEvent::MouseButtonRelease) {
        letGo();
        return true;
    }
    return false;
}

void GrownUpDoor::tick() {
    if (!holding_) return;
    const qint64 held = clock() - since_;
    if (held >= kHoldMs) {
        letGo();
        openNow();
        return;
    }
    if (held >= kRingAfterMs) {
        const QPoint at = logo_.mapTo(&window_, pressedAt_);
        ring_->setGeometry(at.x() - kRingSide / 2, at.y() - kRingSide / 2, kRingSide, kRingSide);
        ring_->show();
        ring_->raise();
        ring_->update();
    }
}

void GrownUpDoor::letGo() {
    holding_ = false;
    timer_.stop();
    ring_->hide();
}

// Opening runs the question and the settings modally; a second way in
// meanwhile (the keys again) finds the door already open.
void GrownUpDoor::openNow() {
    if (opening_ || !open_) return;
    opening_ = true;
    open_();
    opening_ = false;
}

}  // namespace pintaloo
