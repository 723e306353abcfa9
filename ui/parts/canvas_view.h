// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The canvas on screen: shows the engine's surface pixel for pixel and
// repaints only what a paint call changed. Fingers and pens on it are
// read here and handed on as plain calls.
#include <QEvent>
#include <QImage>
#include <QMouseEvent>
#include <QTabletEvent>
#include <QTouchEvent>
#include <QPointF>
#include <array>
#include <functional>
#include <optional>

#include "ui/actions/box.h"
#include "engine/canvas/surface.h"

namespace pintaloo {

class CanvasView : public Box {
    Q_OBJECT
public:
    CanvasView(QWidget* parent, Surface& surface, QRect geometry);
    // Asks for a repaint of the surface's changed rectangle, and only that.
    void sync();
    // What the view shows, as a picture of its own.
    QImage image();
    // A surface shown in place of the engine's while it is set (a shape
    // dragged out: the canvas with the shape over it); null shows the
    // canvas again. sync() repaints what either changed.
    void showOver(Surface* over) { over_ = over; }

    // Fingers by their place, 0 .. kFingers - 1: the first place free when
    // the finger landed, so the numbers stay small whatever numbers the
    // screen gives its touch points. An eleventh finger is not heard.
    static constexpr int kFingers = 10;
    enum class Stage { Down, Move, Up };
    std::function<void(Stage, int finger, double x, double y)> onFinger;
    // The pen: `held` while the tip touches; `eraser` for the eraser end or
    // a barrel button held (pens call either their eraser). `pressure` is
    // 0 to 1, or -1 from a pen that cannot tell; the tilt is handed on, but
    // nothing paints differently by it yet.
    struct Pen {
        Stage stage;
        bool held, eraser;
        double x, y, pressure, xTilt, yTilt;
    };
    std::function<void(const Pen&)> onPen;
    // A press of a real mouse (not a pen's, not a finger's).
    std::function<void()> onMousePress;

protected:
    void paintEvent(QPaintEvent* e) override;
    bool event(QEvent* e) override;
    void tabletEvent(QTabletEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void hideEvent(QHideEvent* e) override;

private:
    // Converts `rows` surface rows from `top`, columns [left, right), into
    // strip_ from its first row on.
    void convertRows(const Surface& from, QImage& into, int top, int rows, int left, int right) const;

    void touch(QTouchEvent* e);
    // Every finger still down lifts where it was last seen: the sequence
    // was cancelled, or points went without an end.
    void liftEveryFinger();

    Surface& surface_;
    Surface* over_ = nullptr;
    struct Finger {
        int id;  // the screen's number for the touch point
        QPointF at;
    };
    std::array<std::optional<Finger>, kFingers> fingers_;
    // A band of rows converted on the way to the screen, reused by every
    // paint: the surface itself is the only full-size copy of the picture.
    QImage strip_;
};

}  // namespace pintaloo
