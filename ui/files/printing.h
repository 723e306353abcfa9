// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Printing the drawing: as large as the page allows, centred, never
// stretched. The printer dialog is one implementation of PrintPort (the port
// stands with the other services); a PDF file written without any dialog is
// the other, which needs no printer installed (tests, and "print to file" on
// a machine without one).
#include <QImage>
#include <QRect>
#include <QString>

#include "ui/platform/services.h"

class QPrinter;
class QWidget;

namespace pintaloo {

// The largest rectangle with the picture's proportions inside `page`,
// centred in it. Empty for an empty picture or page.
QRect FittedRect(QSize picture, QRect page);

// Draws the picture fitted onto one page of a printer that is already set
// up. False when the printer cannot start (no such file, no such printer).
bool PrintOnto(QPrinter& printer, const QImage& picture);

// Asks with the printer dialog (in landscape, like the drawing); printing to
// a PDF file is one of the dialog's own choices.
class DialogPrintPort final : public PrintPort {
public:
    explicit DialogPrintPort(QWidget* parent) : parent_(parent) {}
    bool print(const QImage& picture) override;

private:
    QWidget* parent_;
};

// Writes a one-page PDF file, no questions asked.
class PdfPrintPort final : public PrintPort {
public:
    explicit PdfPrintPort(QString file) : file_(std::move(file)) {}
    bool print(const QImage& picture) override;

private:
    QString file_;
};

}  // namespace pintaloo
