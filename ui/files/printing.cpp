// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/files/printing.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <algorithm>

namespace pintaloo {

QRect FittedRect(QSize picture, QRect page) {
    if (picture.isEmpty() || page.isEmpty()) return {};
    // Whole device pixels; the limiting side fills the page exactly.
    const QSize fitted = picture.scaled(page.size(), Qt::KeepAspectRatio);
    return {page.x() + (page.width() - fitted.width()) / 2, page.y() + (page.height() - fitted.height()) / 2,
            fitted.width(), fitted.height()};
}

bool PrintOnto(QPrinter& printer, const QImage& picture) {
    if (picture.isNull()) return false;
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    // The printable area in device units, (0, 0) at its top left corner.
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    const QRect target = FittedRect(picture.size(), QRect(QPoint(0, 0), page.size()));
    // Blocky pixels, as on screen: a crayon line should not come out blurred.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(target, picture);
    return painter.end();
}

namespace {

void Landscape(QPrinter& printer) { printer.setPageOrientation(QPageLayout::Landscape); }

}  // namespace

bool DialogPrintPort::print(const QImage& picture) {
    QPrinter printer(QPrinter::HighResolution);
    Landscape(printer);
    printer.setDocName(QStringLiteral("Pintaloo"));
    QPrintDialog dialog(&printer, parent_);
    // One drawing, one page: page ranges and collation mean nothing here.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    if (dialog.exec() != QDialog::Accepted) return false;
    return PrintOnto(printer, picture);
}

bool PdfPrintPort::print(const QImage& picture) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file_);
    Landscape(printer);
    printer.setDocName(QStringLiteral("Pintaloo"));
    return PrintOnto(printer, picture);
}

}  // namespace pintaloo
