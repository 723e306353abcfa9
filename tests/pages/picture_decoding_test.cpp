// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// Every colour type and bit depth a PNG may have, with and without a
// transparency chunk, plain and interlaced, opens with the pixels
// ImageMagick (a decoder none of us wrote) reads from the same file. The
// files are made here, byte by byte, so each header says exactly what it
// means to. A JPEG whose data ends early is refused as damaged.
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageWriter>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>

#include <zlib.h>

#include <cstdint>
#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "ui/files/picture_reader.h"

namespace pintaloo::test {
namespace {

QByteArray Chunk(const char* type, const QByteArray& body) {
    QByteArray out(4, '\0');
    qToBigEndian(quint32(body.size()), out.data());
    const QByteArray typed = QByteArray(type, 4) + body;
    QByteArray crc(4, '\0');
    qToBigEndian(quint32(crc32(0, reinterpret_cast<const Bytef*>(typed.constData()), uInt(typed.size()))),
                 crc.data());
    return out + typed + crc;
}

struct Kind {
    const char* what;
    int colourType;  // 0 grey, 2 truecolour, 3 palette, 4 grey and alpha, 6 truecolour and alpha
    int depth;
    bool transparent;  // a tRNS chunk (types 0, 2 and 3)
};

int Channels(int colourType) { return colourType == 2 ? 3 : colourType == 4 ? 2 : colourType == 6 ? 4 : 1; }

// A small picture of random samples of this kind. One sample value (grey or
// colour) is the transparent one, and every fifth pixel has it.
QByteArray MakePng(const Kind& k, int width, int height, std::uint32_t seed) {
    std::mt19937 rng(seed);
    const int channels = Channels(k.colourType), most = (1 << k.depth) - 1;
    const int paletteSize = k.colourType == 3 ? std::min(most + 1, 13) : 0;
    const auto sample = [&] { return int(rng() % std::uint32_t(k.colourType == 3 ? paletteSize : most + 1)); };
    std::vector<int> special(static_cast<std::size_t>(channels));
    for (int& s : special) s = sample();
    QByteArray raw;
    for (int y = 0; y < height; ++y) {
        raw.append('\0');  // no filter
        std::vector<int> row;
        for (int x = 0; x < width; ++x)
            for (int c = 0; c < channels; ++c) row.push_back((x + y) % 5 == 0 ? special[std::size_t(c)] : sample());
        std::uint32_t bits = 0;
        int held = 0;
        for (const int v : row) {
            if (k.depth == 16) {
                raw.append(char(v >> 8)).append(char(v & 255));
                continue;
            }
            bits = bits << k.depth | std::uint32_t(v);
            held += k.depth;
            if (held == 8) raw.append(char(bits)), bits = 0, held = 0;
        }
        if (held) raw.append(char(bits << (8 - held)));
    }
    QByteArray header(13, '\0');
    qToBigEndian(quint32(width), header.data());
    qToBigEndian(quint32(height), header.data() + 4);
    header[8] = char(k.depth);
    header[9] = char(k.colourType);
    QByteArray png = QByteArray("\x89PNG\r\n\x1a\n", 8) + Chunk("IHDR", header);
    if (k.colourType == 3) {
        QByteArray palette, alphas;
        for (int i = 0; i < paletteSize; ++i) {
            palette.append(char(rng())).append(char(rng())).append(char(rng()));
            alphas.append(char(i == special[0] ? 0 : rng()));
        }
        png += Chunk("PLTE", palette);
        if (k.transparent) png += Chunk("tRNS", alphas.left(paletteSize - 2));  // the last two stay opaque
    } else if (k.transparent) {
        QByteArray colour;
        for (const int s : special) colour.append(char(s >> 8)).append(char(s & 255));
        png += Chunk("tRNS", colour);
    }
    return png + Chunk("IDAT", qCompress(raw).mid(4)) + Chunk("IEND", {});
}

// The file's pixels as ImageMagick reads them, 8-bit RGBA, not premultiplied.
QByteArray Truth(const QString& path) {
    QProcess convert;
    convert.start(QStringLiteral("convert"), {path, QStringLiteral("-depth"), QStringLiteral("8"), QStringLiteral("RGBA:-")});
    if (!convert.waitForFinished(30000) || convert.exitCode() != 0) return {};
    return convert.readAllStandardOutput();
}

TEST(PngDecoding, EveryKindOpensWithThePixelsAnotherDecoderReads) {
    const Kind kinds[] = {
        {"grey 1", 0, 1, false},           {"grey 2", 0, 2, false},          {"grey 4", 0, 4, false},
        {"grey 8", 0, 8, false},           {"grey 16", 0, 16, false},        {"grey 1, a clear grey", 0, 1, true},
        {"grey 4, a clear grey", 0, 4, true}, {"grey 8, a clear grey", 0, 8, true}, {"grey 16, a clear grey", 0, 16, true},
        {"colour 8", 2, 8, false},         {"colour 16", 2, 16, false},      {"colour 8, a clear colour", 2, 8, true},
        {"colour 16, a clear colour", 2, 16, true},
        {"palette 1", 3, 1, false},        {"palette 2", 3, 2, false},       {"palette 4", 3, 4, false},
        {"palette 8", 3, 8, false},        {"palette 2, alphas", 3, 2, true}, {"palette 8, alphas", 3, 8, true},
        {"grey and alpha 8", 4, 8, false}, {"grey and alpha 16", 4, 16, false},
        {"colour and alpha 8", 6, 8, false}, {"colour and alpha 16", 6, 16, false},
    };
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const Kind& k : kinds) {
        for (const bool interlaced : {false, true}) {
            SCOPED_TRACE(std::string(k.what) + (interlaced ? ", interlaced" : ""));
            const QString path = dir.filePath(QStringLiteral("kind.png"));
            QFile f(path);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(MakePng(k, 13, 7, std::uint32_t(k.colourType * 100 + k.depth + k.transparent * 7)));
            f.close();
            if (interlaced) {  // the same pixels, Adam7 order, written by ImageMagick
                ASSERT_EQ(QProcess::execute(QStringLiteral("convert"),
                                            {path, QStringLiteral("-interlace"), QStringLiteral("PNG"), path}),
                          0);
            }
            const QByteArray truth = Truth(path);
            ASSERT_EQ(truth.size(), 13 * 7 * 4) << "ImageMagick could not read it";
            ASSERT_TRUE(f.open(QIODevice::ReadOnly));
            const PictureResult opened = DecodePicture(f.readAll());
            f.close();
            ASSERT_EQ(opened.refusal, PictureRefusal::None);
            const QImage image = opened.image.convertToFormat(QImage::Format_ARGB32);
            int worst = 0;
            for (int y = 0; y < 7; ++y)
                for (int x = 0; x < 13; ++x) {
                    const QRgb got = image.pixel(x, y);
                    const auto* want = reinterpret_cast<const std::uint8_t*>(truth.constData()) + 4 * (y * 13 + x);
                    const int alpha = qAlpha(got);
                    worst = std::max(worst, std::abs(alpha - want[3]));
                    if (alpha == 0 && want[3] == 0) continue;  // a clear pixel's colour is never seen
                    for (const int d : {qRed(got) - want[0], qGreen(got) - want[1], qBlue(got) - want[2]})
                        worst = std::max(worst, std::abs(d));
                }
            // 16-bit samples are rounded to 8 bits by each decoder its own way.
            EXPECT_LE(worst, k.depth == 16 ? 1 : 0);
        }
    }
}

QByteArray Jpeg(const QImage& image, bool progressive) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setProgressiveScanWrite(progressive);
    writer.setQuality(90);
    return writer.write(image) ? bytes : QByteArray();
}

// The frame header's size, changed in place.
QByteArray Claiming(QByteArray jpeg, int width, int height) {
    const qsizetype frame = jpeg.indexOf(QByteArray::fromHex("ffc0")) >= 0 ? jpeg.indexOf(QByteArray::fromHex("ffc0"))
                                                                          : jpeg.indexOf(QByteArray::fromHex("ffc2"));
    qToBigEndian(quint16(height), jpeg.data() + frame + 5);
    qToBigEndian(quint16(width), jpeg.data() + frame + 7);
    return jpeg;
}

// A JPEG whose data ends before its picture does is damaged, however its
// markers are laid out; whole ones open with the pixels ImageMagick reads.
TEST(JpegDecoding, DataThatEndsEarlyIsDamaged) {
    QImage smooth(800, 500, QImage::Format_RGB32);
    for (int y = 0; y < 500; ++y)
        for (int x = 0; x < 800; ++x) smooth.setPixel(x, y, qRgb(x / 4 % 256, y / 2, (x + y) / 6 % 256));
    const QByteArray baseline = Jpeg(smooth, false), progressive = Jpeg(smooth, true);
    const QByteArray grey = Jpeg(smooth.convertToFormat(QImage::Format_Grayscale8), false);
    ASSERT_FALSE(baseline.isEmpty());
    const QByteArray end = QByteArray::fromHex("ffd9");
    struct Case {
        const char* what;
        QByteArray bytes;
        bool whole;
    };
    const Case cases[] = {
        {"baseline", baseline, true},
        {"progressive", progressive, true},
        {"grey", grey, true},
        {"a header claiming ten times the size", Claiming(baseline, 8000, 5000), false},
        {"a progressive header claiming twice the height", Claiming(progressive, 800, 1000), false},
        {"data cut in half, then the end marker", baseline.left(baseline.size() / 2) + end, false},
        {"grey data cut short, then the end marker", grey.left(grey.size() - 400) + end, false},
    };
    QTemporaryDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const PictureResult opened = DecodePicture(c.bytes);
        ASSERT_EQ(opened.refusal, c.whole ? PictureRefusal::None : PictureRefusal::Damaged);
        if (!c.whole) continue;
        QFile f(dir.filePath(QStringLiteral("whole.jpg")));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(c.bytes);
        f.close();
        const QByteArray truth = Truth(f.fileName());
        ASSERT_EQ(truth.size(), 800 * 500 * 4);
        const QImage image = opened.image.convertToFormat(QImage::Format_RGB32);
        int worst = 0;
        for (int i = 0; i < 800 * 500; ++i) {
            const QRgb got = image.pixel(i % 800, i / 800);
            const auto* want = reinterpret_cast<const std::uint8_t*>(truth.constData()) + 4 * i;
            for (const int d : {qRed(got) - want[0], qGreen(got) - want[1], qBlue(got) - want[2]})
                worst = std::max(worst, std::abs(d));
        }
        EXPECT_LE(worst, 1);
    }
}

}  // namespace
}  // namespace pintaloo::test
