// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas/canvas_view.h"

#include <QPaintEvent>
#include <QPainter>

namespace pintaloo {

CanvasView::CanvasView(QWidget* parent, Surface& surface, QRect geometry)
    : Box(parent, "pctDraw", geometry),
      surface_(surface),
      image_(surface.width(), surface.height(), QImage::Format_RGB32) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    surface_.markDirty(surface_.bounds());
    sync();
}

void CanvasView::sync() {
    const Rect r = surface_.takeDirty();
    if (r.empty()) return;
    for (int y = r.top; y < r.bottom; ++y) {
        const Colour* from = surface_.data() + std::size_t(y) * std::size_t(surface_.width());
        auto* to = reinterpret_cast<QRgb*>(image_.scanLine(y));
        for (int x = r.left; x < r.right; ++x) to[x] = qRgb(RedOf(from[x]), GreenOf(from[x]), BlueOf(from[x]));
    }
    update(QRect(r.left, r.top, r.width(), r.height()));
}

void CanvasView::paintEvent(QPaintEvent* e) {
    QPainter p(this);
    p.drawImage(e->rect(), image_, e->rect());
}

}  // namespace pintaloo
