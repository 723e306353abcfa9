// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: arbitrary bytes as the drawing kept in the state folder,
// read back as a start does. A drawing given back is whole: the canvas's
// size, a page that exists.
#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

#include "fuzz_setup.h"
#include "ui/files/kept_drawing.h"
#include "ui/files/colouring_pages.h"

using namespace pintaloo;

namespace {
QTemporaryDir* folder = nullptr;
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    folder = &FuzzSetUp<QCoreApplication>(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    {
        QFile file(KeptDrawingPath(folder->path()));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) std::abort();
        if (file.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size)) std::abort();
    }
    const auto kept = LoadKeptDrawing(folder->path(), Surface::kWidth, Surface::kHeight);
    if (!kept) return 0;
    if (kept->width != Surface::kWidth || kept->height != Surface::kHeight ||
        kept->pixels.size() != std::size_t(Surface::kWidth) * std::size_t(Surface::kHeight))
        std::abort();
    if (kept->info.PageNumber < ColouringPages::kFirst || kept->info.PageNumber > ColouringPages::kLast) std::abort();
    return 0;
}
