// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/art/backdrop.h"

#include <QPainter>

#include <algorithm>
#include <utility>

namespace pintaloo {

Backdrop::Backdrop(QImage whole) : rows_(std::move(whole)) {}

Backdrop Backdrop::fromRows(QImage rows, std::vector<quint16> which) {
    if (rows.isNull() || which.empty() ||
        std::any_of(which.begin(), which.end(), [&rows](quint16 r) { return r >= rows.height(); }))
        return {};
    Backdrop b;
    b.rows_ = std::move(rows);
    b.which_ = std::move(which);
    return b;
}

QSize Backdrop::size() const {
    const int height = which_.empty() ? rows_.height() : int(which_.size());
    return (QSizeF(rows_.width(), height) / rows_.devicePixelRatio()).toSize();
}

void Backdrop::paint(QPainter& p, const QRect& area) const {
    if (which_.empty()) {
        p.drawImage(area.topLeft(), rows_, QRectF(QPointF(area.topLeft()) * rows_.devicePixelRatio(),
                                                  QSizeF(area.size()) * rows_.devicePixelRatio()));
        return;
    }
    // Scaled (a window shown smaller, or full screen), the stretches would
    // be smoothed each on its own and their edges would show as faint lines:
    // the whole picture is made once and scaled as one.
    if (p.deviceTransform().type() > QTransform::TxTranslate) {
        if (whole_.isNull()) whole_ = image();
        p.drawImage(area.topLeft(), whole_, area);
        return;
    }
    // Rows are drawn a stretch at a time: a row repeated (one row of the
    // source stretched, pixel for pixel, over the stretch) or rows that
    // follow one another in the source as in the picture (one copy).
    const QRect shown = area.intersected(QRect(QPoint(0, 0), size()));
    const int end = shown.bottom() + 1;
    for (int y = shown.top(); y < end;) {
        const int first = which_[std::size_t(y)];
        int next = y + 1;
        if (next < end && which_[std::size_t(next)] == first) {
            while (next < end && which_[std::size_t(next)] == first) ++next;
            p.drawImage(QRect(shown.left(), y, shown.width(), next - y), rows_,
                        QRect(shown.left(), first, shown.width(), 1));
        } else {
            while (next < end && which_[std::size_t(next)] == first + (next - y)) ++next;
            p.drawImage(QRect(shown.left(), y, shown.width(), next - y), rows_,
                        QRect(shown.left(), first, shown.width(), next - y));
        }
        y = next;
    }
}

QImage Backdrop::image() const {
    if (which_.empty()) return rows_;
    QImage whole(rows_.width(), int(which_.size()), rows_.format());
    for (std::size_t y = 0; y < which_.size(); ++y)
        std::copy_n(rows_.constScanLine(which_[y]), rows_.bytesPerLine(), whole.scanLine(int(y)));
    return whole;
}

}  // namespace pintaloo
