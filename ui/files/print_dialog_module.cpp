// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The printing module (see printing.h): the only code that uses Qt's
// printing library, built as a file of its own that the program opens the
// first time something is printed.
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include <type_traits>

#include "ui/files/print_module.h"
#include "ui/files/printing.h"

extern "C" Q_DECL_EXPORT bool pintaloo_print_with_dialog(QWidget* parent, const QImage* picture) {
    if (!picture || picture->isNull()) return false;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(QStringLiteral("Pintaloo"));
    QPrintDialog dialog(&printer, parent);
    // One drawing, one page: page ranges and collation mean nothing here.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    if (dialog.exec() != QDialog::Accepted) return false;
    return pintaloo::PrintOnto(printer, *picture);
}

extern "C" Q_DECL_EXPORT bool pintaloo_default_paper(QPageSize* paper) {
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    if (!paper || printer.isNull()) return false;
    *paper = printer.defaultPageSize();
    return paper->isValid();
}

// The two keep the types the program calls them through.
static_assert(std::is_same_v<decltype(&pintaloo_print_with_dialog), PintalooPrintWithDialog>);
static_assert(std::is_same_v<decltype(&pintaloo_default_paper), PintalooDefaultPaper>);
