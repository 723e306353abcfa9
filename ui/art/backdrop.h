// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A large picture shown as it is, such as the window's background, kept as
// its distinct rows and, for each row of the picture, which of them it is.
// The window's background has 157 distinct rows in 728: the rows of the
// paper's frame and of the sky repeat. Drawn at the size the build drew it,
// the rows are the program file's own bytes and cost no memory but the
// 0.5 MB of the file they stand in; painting a part of the picture is a
// copy of each stretch of rows it covers. Drawn scaled, the whole picture
// is made once (2.4 MB for the background) and scaled as one.
#include <QImage>
#include <QRect>

#include <vector>

class QPainter;

namespace pintaloo {

class Backdrop {
public:
    Backdrop() = default;
    // A whole picture, every row its own.
    explicit Backdrop(QImage whole);
    // `rows`, the distinct rows one under another; `which`, for each row of
    // the picture, the row of `rows` it is. Null when they disagree.
    static Backdrop fromRows(QImage rows, std::vector<quint16> which);

    bool isNull() const { return rows_.isNull(); }
    // In device-independent pixels, as the picture is drawn.
    QSize size() const;
    // The distinct rows (the whole picture when every row is its own).
    const QImage& rows() const { return rows_; }

    // Draws the picture's `area` (its own coordinates) at the same place.
    void paint(QPainter& p, const QRect& area) const;
    // The whole picture, made (for tests and the rare caller that needs it).
    QImage image() const;

private:
    QImage rows_;
    std::vector<quint16> which_;  // empty: rows_ is the picture
    mutable QImage whole_;        // made when first drawn scaled
};

}  // namespace pintaloo
