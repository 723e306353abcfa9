// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/story/replay_pointers.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QTabletEvent>
#include <QTouchEvent>
#include <algorithm>
#include <cmath>

#include "ui/actions/action_hub.h"

namespace pintaloo {

namespace {

using Caps = QInputDevice::Capability;

QEvent::Type TabletType(ReplayPointers::Stage s) {
    return s == ReplayPointers::Stage::Begin ? QEvent::TabletPress
           : s == ReplayPointers::Stage::End ? QEvent::TabletRelease
                                             : QEvent::TabletMove;
}

}  // namespace

ReplayPointers::ReplayPointers(QWidget& window)
    : window_(window),
      screen_(QStringLiteral("replay touch screen"), 1, QInputDevice::DeviceType::TouchScreen,
              QPointingDevice::PointerType::Finger, Caps::Position | Caps::Area, 10, 0),
      stylus_(QStringLiteral("replay pen"), 2, QInputDevice::DeviceType::Stylus, QPointingDevice::PointerType::Pen,
              Caps::Position | Caps::Pressure | Caps::XTilt | Caps::YTilt, 1, 3),
      eraser_(QStringLiteral("replay pen's eraser"), 2, QInputDevice::DeviceType::Stylus,
              QPointingDevice::PointerType::Eraser, Caps::Position | Caps::Pressure | Caps::XTilt | Caps::YTilt, 1,
              3) {}

std::optional<QString> ReplayPointers::Refused(const QString& kind, const QStringList& words) {
    const QStringList stages = kind == QLatin1String("touch")
                                   ? QStringList{QStringLiteral("begin"), QStringLiteral("move"), QStringLiteral("end")}
                                   : QStringList{QStringLiteral("press"), QStringLiteral("move"), QStringLiteral("release")};
    const int numbers = kind == QLatin1String("touch") ? 3 : 2;
    const bool pen = kind == QLatin1String("pen");
    const QString usage = pen ? QStringLiteral("pen takes tip|eraser press|move|release X Y [PRESSURE]")
                              : QStringLiteral("touch takes begin|move|end ID X Y");
    // A pen's line may end with how hard it presses, 0 to 1.
    const qsizetype words0 = numbers + 1 + (pen ? 1 : 0);
    if (pen && words.size() == words0 + 1) {
        bool ok = false;
        const double p = words.last().toDouble(&ok);
        if (!ok || !(p >= 0 && p <= 1)) return QStringLiteral("a pen's pressure is 0 to 1, not %1").arg(words.last());
        QStringList rest = words;
        rest.removeLast();
        return Refused(kind, rest);
    }
    if (words.size() != words0) return usage;
    if (pen && words[0] != QLatin1String("tip") && words[0] != QLatin1String("eraser")) return usage;
    if (!stages.contains(words[pen ? 1 : 0])) return usage;
    for (qsizetype i = words.size() - numbers; i < words.size(); ++i) {
        bool ok = false;
        const double v = words[i].toDouble(&ok);
        if (!ok || !std::isfinite(v) || std::abs(v) > kMaxCoordinate) return usage;
    }
    if (!pen) {
        bool ok = false;
        const int id = words[1].toInt(&ok);
        if (!ok || id < 0) return QStringLiteral("a finger's ID is a whole number from 0, not %1").arg(words[1]);
    }
    return std::nullopt;
}

QWidget* ReplayPointers::under(QPointF at) const {
    QWidget* w = window_.childAt(at.toPoint());
    return w ? w : &window_;
}

bool ReplayPointers::sendMouse(QWidget* target, QEvent::Type type, QPointF at, Qt::MouseButtons buttons,
                               const QPointingDevice& device) {
    if (!target) return false;
    const QPointF local = target->mapFrom(&window_, at);
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent e(type, local, at, window_.mapToGlobal(at), button, buttons, Qt::NoModifier,
                  Qt::MouseEventSynthesizedByQt, &device);
    return QCoreApplication::sendEvent(target, &e);
}

// Every finger on `target` goes in the event, as a screen sends them: the
// one that changed in `state`, the others standing still.
void ReplayPointers::sendTouch(QWidget* target, const Finger* changed, QEventPoint::State state) {
    if (!target) return;
    QList<QEventPoint> points;
    bool others = false;
    for (const Finger& f : fingers_) {
        if (f.target != target || f.mouse) continue;
        const bool it = &f == changed;
        others |= !it;
        points.append(QEventPoint(f.id, it ? state : QEventPoint::State::Stationary, f.at,
                                  window_.mapToGlobal(f.at)));
    }
    QEvent::Type type = QEvent::TouchUpdate;
    if (state == QEventPoint::State::Pressed && !others) type = QEvent::TouchBegin;
    if (state == QEventPoint::State::Released && !others) type = QEvent::TouchEnd;
    QTouchEvent e(type, &screen_, Qt::NoModifier, points);
    QCoreApplication::sendEvent(target, &e);
}

void ReplayPointers::touch(Stage stage, int id, QPointF at) {
    auto it = std::find_if(fingers_.begin(), fingers_.end(), [id](const Finger& f) { return f.id == id; });
    if ((stage == Stage::Begin) != (it == fingers_.end())) return;
    if (stage == Stage::Begin) {
        // The first widget from the point outwards that takes touches gets
        // it; without one, the first finger is the mouse, as Qt makes it.
        QWidget* target = under(at);
        QWidget* taker = target;
        while (taker && !taker->testAttribute(Qt::WA_AcceptTouchEvents)) taker = taker->parentWidget();
        const bool mouse = taker == nullptr;
        if (mouse && std::any_of(fingers_.begin(), fingers_.end(), [](const Finger& f) { return f.mouse; })) return;
        fingers_.push_back({id, at, mouse ? target : taker, mouse});
        Finger& f = fingers_.back();
        if (mouse)
            sendMouse(f.target, QEvent::MouseButtonPress, at, Qt::LeftButton, screen_);
        else
            sendTouch(f.target, &f, QEventPoint::State::Pressed);
        return;
    }
    it->at = at;
    if (it->mouse) {
        const bool end = stage == Stage::End;
        sendMouse(it->target, end ? QEvent::MouseButtonRelease : QEvent::MouseMove, at,
                  end ? Qt::NoButton : Qt::LeftButton, screen_);
    } else {
        sendTouch(it->target,
                  &*it, stage == Stage::End ? QEventPoint::State::Released : QEventPoint::State::Updated);
    }
    if (stage == Stage::End) fingers_.erase(it);
}

// As Qt does with a real pen: the tablet event first, and the mouse event
// made of it only when no widget took it.
void ReplayPointers::pen(bool eraser, Stage stage, QPointF at, double pressure) {
    const bool pressed = penTarget_ != nullptr;
    if (stage == Stage::End && !pressed) return;
    if (stage == Stage::Begin && pressed) return;
    QWidget* target = pressed ? penTarget_.data() : under(at);
    const QPointingDevice& device = eraser ? eraser_ : stylus_;
    const bool held = stage == Stage::Begin || (stage == Stage::Move && pressed);
    const Qt::MouseButton button = stage == Stage::Move ? Qt::NoButton : Qt::LeftButton;
    QTabletEvent e(TabletType(stage), &device, target->mapFrom(&window_, at), window_.mapToGlobal(at),
                   held ? pressure : 0.0, 0, 0, 0, 0, 0, Qt::NoModifier, button, held ? Qt::LeftButton : Qt::NoButton);
    e.setAccepted(false);
    QCoreApplication::sendEvent(target, &e);
    if (stage == Stage::Begin) {
        penTarget_ = target;
        penMouse_ = !e.isAccepted();
    }
    const bool mouse = pressed ? penMouse_ : !e.isAccepted();
    if (mouse) {
        const QEvent::Type type = stage == Stage::Begin ? QEvent::MouseButtonPress
                                  : stage == Stage::End ? QEvent::MouseButtonRelease
                                                        : QEvent::MouseMove;
        sendMouse(target, type, at, held ? Qt::LeftButton : Qt::NoButton, device);
    }
    if (stage == Stage::End) penTarget_.clear();
}

}  // namespace pintaloo
