// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Printing the drawing: as large as the page allows, centred, never
// stretched. The printer dialog is one implementation of PrintPort (the port
// stands with the other services); a PDF file written without any dialog is
// the other, which needs no printer installed (tests, and "print to file" on
// a machine without one).
//
// Qt's printing library is not linked: the dialog and the printer lists live
// in a small module of our own (print_dialog_module.cpp), opened the first
// time something is printed. Linked, the library was mapped and relocated at
// every start, 0.3 MB of memory for a button most sessions never press.
#include <QImage>
#include <QPageSize>
#include <QRect>
#include <QString>

#include <optional>

#include "ui/platform/services.h"

class QPagedPaintDevice;
class QWidget;

namespace pintaloo {

// The largest rectangle with the picture's proportions inside `page`,
// centred in it. Empty for an empty picture or page.
QRect FittedRect(QSize picture, QRect page);

// Draws the picture fitted onto one page of a printer or PDF writer that is
// already set up. False when it cannot start (no such file, no such
// printer).
bool PrintOnto(QPagedPaintDevice& device, const QImage& picture);

// Asks with the printer dialog (in landscape, like the drawing); printing to
// a PDF file is one of the dialog's own choices. False when cancelled, and
// when the printing module cannot be opened (said once on the error output).
class DialogPrintPort final : public PrintPort {
public:
    explicit DialogPrintPort(QWidget* parent) : parent_(parent) {}
    bool print(const QImage& picture) override;

private:
    QWidget* parent_;
};

// Writes a one-page PDF file, no questions asked: an A4 page in landscape
// with a printer's usual margins.
class PdfPrintPort final : public PrintPort {
public:
    explicit PdfPrintPort(QString file) : file_(std::move(file)) {}
    bool print(const QImage& picture) override;

private:
    QString file_;
};

// The paper of the system's default printer (Letter in America), when there
// is a printer and it says; asks the print system, which may be slow.
std::optional<QPageSize> DefaultPrinterPaper();

// Where the printing module is looked for: beside the program, in the
// private folder the install puts it in. For tests, whose programs stand
// elsewhere: another file (empty: back to the usual place), until a module
// has been opened; one that was not found is looked for again.
void UsePrintModuleFile(const QString& file);

}  // namespace pintaloo
