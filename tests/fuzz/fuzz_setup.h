// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What every fuzz target's LLVMFuzzerInitialize makes first: Qt's
// application of the kind the code under test needs (the image plugins are
// found through it; a window needs a QApplication), on no screen, and a
// private scratch folder. Both live until the fuzzer exits.
//
//   scratch = &FuzzSetUp<QCoreApplication>(argc, argv);
#include <QTemporaryDir>
#include <QtGlobal>
#include <cstdlib>

namespace pintaloo {

template <class App>
QTemporaryDir& FuzzSetUp(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static App app(*argc, *argv);
    static QTemporaryDir dir;
    if (!dir.isValid()) std::abort();
    return dir;
}

}  // namespace pintaloo
