// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: arbitrary bytes through the same checks and decoding a
// picture file the child opens goes through. Anything accepted must decode
// to exactly the size its header promised.
#include <QCoreApplication>
#include <QImage>

#include <cstdint>
#include <cstdlib>

#include "fuzz_setup.h"
#include "ui/files/picture_reader.h"

using namespace pintaloo;

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    FuzzSetUp<QCoreApplication>(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    PictureRefusal why = PictureRefusal::None;
    const PictureHeader header = CheckPicture(bytes, &why);
    const PictureResult result = DecodePicture(bytes);
    if (why != PictureRefusal::None && result.refusal == PictureRefusal::None) std::abort();  // the checks were skipped
    if (result.refusal != PictureRefusal::None) return 0;
    if (result.image.isNull() || result.image.size() != header.size) std::abort();
    // Every row of the decoded picture is read, so a short buffer shows.
    volatile unsigned sum = 0;
    for (int y = 0; y < result.image.height(); ++y)
        sum = sum + result.image.constScanLine(y)[result.image.bytesPerLine() - 1];
    return 0;
}
