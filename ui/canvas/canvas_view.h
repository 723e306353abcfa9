// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The canvas on screen: shows the engine's surface pixel for pixel and
// repaints only what a paint call changed.
#include <QImage>

#include "app/box.h"
#include "canvas/surface.h"

namespace pintaloo {

class CanvasView : public Box {
    Q_OBJECT
public:
    CanvasView(QWidget* parent, Surface& surface, QRect geometry);
    // Copies the surface's changed rectangle to the screen image and asks
    // for a repaint of just that.
    void sync();
    const QImage& image() const { return image_; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    Surface& surface_;
    QImage image_;
};

}  // namespace pintaloo
