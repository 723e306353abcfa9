// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The kept drawing is read as a picture someone else may have put there:
// whatever lies in its place, the start goes on at once, and a damaged file
// is refused by the same checks an opened picture meets.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <sys/stat.h>
#include <zlib.h>

#include <functional>

#include <gtest/gtest.h>

#include "ui/files/kept_drawing.h"
#include "ui/files/picture_reader.h"

namespace pintaloo {
namespace {

QByteArray Chunk(const char* type, const QByteArray& body, qint64 claimedLength = -1) {
    QByteArray out(4, '\0');
    qToBigEndian(quint32(claimedLength < 0 ? body.size() : claimedLength), out.data());
    const QByteArray typed = QByteArray(type, 4) + body;
    out += typed;
    QByteArray crc(4, '\0');
    qToBigEndian(quint32(crc32(0, reinterpret_cast<const Bytef*>(typed.constData()), uInt(typed.size()))),
                 crc.data());
    return out + crc;
}

TEST(KeptReading, WhateverLiesInTheDrawingsPlaceTheStartGoesOn) {
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const QString path = KeptDrawingPath(tmp.path());
    QByteArray good;
    {
        KeptDrawingWriter keeper(tmp.path());
        Surface drawing;
        drawing.line(0, 0, 300, 200, kBlack, 5);
        keeper.changed(drawing, {110, kWhite, kBlack});
        keeper.flushNow();
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        good = f.readAll();
    }
    ASSERT_TRUE(LoadKeptDrawing(tmp.path(), Surface::kWidth, Surface::kHeight).has_value());
    QByteArray header(13, '\0');
    qToBigEndian(quint32(Surface::kWidth), header.data());
    qToBigEndian(quint32(Surface::kHeight), header.data() + 4);
    header[8] = 8;  // bits
    header[9] = 2;  // truecolour
    const QByteArray start = good.left(8) + Chunk("IHDR", header);
    const auto bytes = [&](QByteArray b) {
        return [&path, b] {
            QFile f(path);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(b);
        };
    };
    struct Case {
        const char* what;
        std::function<void()> plant;
        bool openedRefused = true;  // an opened picture is refused as well
    };
    const Case cases[] = {
        {"a pipe no one writes to", [&] { ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0); }},
        {"a link to an endless device", [&] { ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), path)); }},
        {"a text chunk whose length is absurd",
         bytes(start + Chunk("tEXt", QByteArray("Pintaloo-Page\0", 14) + QByteArray(170, '1'), 0x7FFFFFF0))},
        {"a chunk with a wrong checksum",
         [&] {
             QByteArray comment = Chunk("tEXt", QByteArray("Comment\0hello", 13));
             comment[comment.size() - 1] = char(comment[comment.size() - 1] ^ 1);
             bytes(good.left(good.size() - 12) + comment + good.right(12))();
         }},
        {"more bytes than a drawing of the canvas can take",
         bytes(good.left(good.size() - 12) + Chunk("zzZz", QByteArray(Surface::kWidth * Surface::kHeight * 4 + 1024 * 1024, 'x')) +
               good.right(12)),
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(path);
        QFile::remove(path + ".real");
        c.plant();
        PictureRefusal why = PictureRefusal::None;
        CheckPicture(ReadPictureFile(path, &why), &why);
        EXPECT_EQ(why != PictureRefusal::None, c.openedRefused);
        EXPECT_FALSE(LoadKeptDrawing(tmp.path(), Surface::kWidth, Surface::kHeight).has_value());
    }
}

// A file is read whole up to its cap, however near it lies.
TEST(KeptReading, FilesUpToTheCapAreReadWhole) {
    QTemporaryDir tmp;
    const QString path = tmp.filePath(QStringLiteral("bytes"));
    constexpr qint64 kCap = 4096;
    for (const qint64 size : {qint64(0), kCap - 1, kCap, kCap + 1}) {
        SCOPED_TRACE(size);
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(QByteArray(qsizetype(size), 'x'));
        f.close();
        PictureRefusal why = PictureRefusal::None;
        const QByteArray read = ReadPictureFile(path, &why, kCap);
        EXPECT_EQ(why, size <= kCap ? PictureRefusal::None : PictureRefusal::TooLarge);
        EXPECT_EQ(read.size(), size <= kCap ? size : 0);
    }
}

}  // namespace
}  // namespace pintaloo
