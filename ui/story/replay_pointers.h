// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The replay tool's fingers and pen: `touch` and `pen` lines become the
// touch and tablet events a touch screen or a pen would give, sent to the
// widget under the point, and where that widget takes none (a button), the
// mouse events Qt makes of them on a real screen. Points are in the
// window's pixels, as every other line's.
//
//   ReplayPointers hands(window);
//   hands.touch(ReplayPointers::Stage::Begin, 0, {200, 300});
//   hands.pen(true, ReplayPointers::Stage::Begin, {200, 300});  // the eraser end
//   hands.pen(false, ReplayPointers::Stage::Move, {220, 300}, 0.9);  // the tip, pressed hard
#include <QEvent>
#include <QEventPoint>
#include <QPointF>
#include <QPointer>
#include <QPointingDevice>
#include <QWidget>
#include <optional>
#include <vector>

namespace pintaloo {

class ReplayPointers {
public:
    enum class Stage { Begin, Move, End };
    explicit ReplayPointers(QWidget& window);

    // A finger by the script's number for it. A begin for a number already
    // down, a move or an end for one that is not, does nothing.
    void touch(Stage stage, int id, QPointF at);
    // The pen by its tip or its eraser end: Begin presses, End releases,
    // Move drags while pressed and hovers otherwise. While pressed it
    // presses with `pressure` (0 to 1; a hand's ordinary stroke by default).
    static constexpr double kUsualPressure = 0.5;
    void pen(bool eraser, Stage stage, QPointF at, double pressure = kUsualPressure);
    // Fingers and pen still down, as the script left them.
    std::size_t fingersDown() const { return fingers_.size(); }

    // A line's words after `touch` or `pen`, checked: the reason it is
    // refused, or nothing.
    static std::optional<QString> Refused(const QString& kind, const QStringList& words);

private:
    struct Finger {
        int id;
        QPointF at;
        QPointer<QWidget> target;
        bool mouse;  // heard as the mouse (the target takes no touch)
    };
    void sendTouch(QWidget* target, const Finger* changed, QEventPoint::State state);
    bool sendMouse(QWidget* target, QEvent::Type type, QPointF at, Qt::MouseButtons buttons,
                   const QPointingDevice& device);
    QWidget* under(QPointF at) const;

    QWidget& window_;
    QPointingDevice screen_, stylus_, eraser_;
    std::vector<Finger> fingers_;
    QPointer<QWidget> penTarget_;  // while the pen is pressed
    bool penMouse_ = false;
};

}  // namespace pintaloo
