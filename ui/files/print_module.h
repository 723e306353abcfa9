// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The printing module's entry points (see printing.h): plain C functions,
// found by name, so the program and the module agree on nothing but these
// two signatures. The module is built with the program, from the same Qt,
// so Qt's types pass between them unchanged.
class QImage;
class QPageSize;
class QWidget;

extern "C" {
// Shows the printer dialog for `picture` and prints it when the child's
// grown-up says so; false when cancelled or the printer cannot start.
using PintalooPrintWithDialog = bool (*)(QWidget* parent, const QImage* picture);
// The default printer's paper into *paper; false when there is none.
using PintalooDefaultPaper = bool (*)(QPageSize* paper);
}

#define PINTALOO_PRINT_MODULE_FILE "pintaloo-print.so"
