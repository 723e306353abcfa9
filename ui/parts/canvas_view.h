// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The canvas on screen: shows the engine's surface pixel for pixel and
// repaints only what a paint call changed.
#include <QImage>

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

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    // Converts `rows` surface rows from `top`, columns [left, right), into
    // strip_ from its first row on.
    void convertRows(QImage& into, int top, int rows, int left, int right) const;

    Surface& surface_;
    // A band of rows converted on the way to the screen, reused by every
    // paint: the surface itself is the only full-size copy of the picture.
    QImage strip_;
};

}  // namespace pintaloo
