// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The printer dialog and the printer list, through the printing module
// opened on first use (see printing.h).
#include <dlfcn.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QMutexLocker>

#include <cstdio>

#include "ui/files/print_module.h"
#include "ui/files/printing.h"
#include "ui/platform/run_time_library.h"

namespace pintaloo {

namespace {

struct PrintModule {
    PintalooPrintWithDialog printWithDialog = nullptr;
    PintalooDefaultPaper defaultPaper = nullptr;
};

QMutex moduleLock;
QString chosenFile;       // set by UsePrintModuleFile; under moduleLock
bool opened = false;      // tried already; under moduleLock
PrintModule module;       // filled once opened

// Beside the program, as installed: PINTALOO_PRINT_MODULE_DIR is the module's
// folder relative to the program's (../lib/<triplet>/pintaloo), so the pair
// can be installed under any prefix. The program's own folder is trusted as
// much as the program itself.
QString UsualFile() {
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/" PINTALOO_PRINT_MODULE_DIR "/") +
                           QStringLiteral(PINTALOO_PRINT_MODULE_FILE));
}

const PrintModule* Module() {
    QMutexLocker hold(&moduleLock);
    if (opened) return module.printWithDialog ? &module : nullptr;
    opened = true;
    const QString file = chosenFile.isEmpty() ? UsualFile() : chosenFile;
    // A regular file only: dlopen would also read a fifo or device named so.
    if (!QFileInfo(file).isFile()) {
        std::fprintf(stderr, "pintaloo: printing is not available: %s is missing\n", qPrintable(file));
        return nullptr;
    }
    void* library = dlopen(QFile::encodeName(file).constData(), RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        std::fprintf(stderr, "pintaloo: printing is not available: %s\n", dlerror());
        return nullptr;
    }
    if (!FindFunction(library, "pintaloo_print_with_dialog", module.printWithDialog) ||
        !FindFunction(library, "pintaloo_default_paper", module.defaultPaper)) {
        std::fprintf(stderr, "pintaloo: printing is not available: %s is not Pintaloo's printing module\n",
                     qPrintable(file));
        module = {};
        return nullptr;
    }
    return &module;
}

}  // namespace

bool DialogPrintPort::print(const QImage& picture) {
    const PrintModule* m = Module();
    return m && m->printWithDialog(parent_, &picture);
}

std::optional<QPageSize> DefaultPrinterPaper() {
    const PrintModule* m = Module();
    QPageSize paper;
    if (!m || !m->defaultPaper(&paper) || !paper.isValid()) return std::nullopt;
    return paper;
}

void UsePrintModuleFile(const QString& file) {
    QMutexLocker hold(&moduleLock);
    if (module.printWithDialog) return;  // a module once opened stays for the run
    chosenFile = file;
    opened = false;  // looked for again, there, when next wanted
}

}  // namespace pintaloo
