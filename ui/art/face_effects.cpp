// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/art/face_effects.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

#include "theme_colours.h"

namespace pintaloo {

QImage LitFace(const QImage& face) {
    QImage img = face.convertToFormat(QImage::Format_ARGB32);
    // The faces are flat colours with soft edges: most pixels repeat the one
    // before them, so the last colour's answer is kept. The colour-model
    // round trip is the dear part.
    QRgb lastIn = 0, lastOut = 0;
    bool haveLast = false;
    for (int y = 0; y < img.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            if (haveLast && row[x] == lastIn) {
                row[x] = lastOut;
                continue;
            }
            lastIn = row[x];
            // Value scaled up (an outline at 30 stays near 30, a light tone
            // reaches white), saturation a tenth stronger: lit, not washed out.
            const QColor c = QColor::fromRgba(row[x]).toHsv();
            const int v = std::min(255, c.value() * 9 / 8 + 6);
            const int sat = std::min(255, c.hsvSaturation() * 11 / 10);
            const QColor lit = QColor::fromHsv(c.hsvHue(), sat, v, c.alpha());
            row[x] = lastOut = lit.rgba();
            haveLast = true;
        }
    }
    return img;
}

QImage PressedFace(const QImage& lit) {
    // Premultiplied first, as a pixmap made from it would be, so the window
    // and the build blend the same numbers.
    const QImage source = lit.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage face(lit.size(), QImage::Format_ARGB32_Premultiplied);
    face.setDevicePixelRatio(lit.devicePixelRatio());
    face.fill(Qt::transparent);
    QPainter p(&face);
    p.setRenderHint(QPainter::Antialiasing);
    p.drawImage(QPointF(0, 1), source);
    const QSizeF logical = face.deviceIndependentSize();
    QPainterPath frame;
    frame.addRoundedRect(QRectF(2, 2, logical.width() - 4, logical.height() - 4), 13, 13);
    p.setPen(QPen(QColor(theme::OUTLINE), 5));
    p.drawPath(frame);
    p.setPen(QPen(QColor(theme::BUTTON_YELLOW), 3));
    p.drawPath(frame);
    return face;
}

}  // namespace pintaloo
