// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/files/printing.h"

#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

namespace pintaloo {

QRect FittedRect(QSize picture, QRect page) {
    if (picture.isEmpty() || page.isEmpty()) return {};
    // Whole device pixels; the limiting side fills the page exactly.
    const QSize fitted = picture.scaled(page.size(), Qt::KeepAspectRatio);
    return {page.x() + (page.width() - fitted.width()) / 2, page.y() + (page.height() - fitted.height()) / 2,
            fitted.width(), fitted.height()};
}

bool PrintOnto(QPagedPaintDevice& device, const QImage& picture) {
    if (picture.isNull()) return false;
    QPainter painter;
    if (!painter.begin(&device)) return false;
    // The printable area in device units, (0, 0) at its top left corner.
    const QRect page = device.pageLayout().paintRectPixels(device.logicalDpiX());
    const QRect target = FittedRect(picture.size(), QRect(QPoint(0, 0), page.size()));
    // Blocky pixels, as on screen: a crayon line should not come out blurred.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(target, picture);
    return painter.end();
}

bool PdfPrintPort::print(const QImage& picture) {
    QPdfWriter pdf(file_);  // the file is made only when painting starts, after PrintOnto's checks
    // What printing to a file from the dialog gave before the dialog moved
    // into its module: A4, landscape, the print engine's margins.
    pdf.setResolution(1200);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(10, 10, 10, 10),
                                  QPageLayout::Point));
    pdf.setTitle(QStringLiteral("Pintaloo"));
    pdf.setCreator(QStringLiteral("Pintaloo"));
    return PrintOnto(pdf, picture);
}

}  // namespace pintaloo
