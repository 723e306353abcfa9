// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The shared window rig with ways to draw on it, and small helpers to read
// bitmap files without Qt's own reader.
#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/window_rig.h"

namespace pintaloo::test {

using testkit::Control;
using testkit::Heard;
using Played = std::vector<Heard>;

// The shared window rig with the page tests' ways of drawing.
class WindowRig : public testkit::WindowRig {
public:
    // A drag with the left button along one row, from x0 to x1 in steps.
    void dragRow(int y, int x0, int x1, int step) {
        call("pctDraw_MouseDown", {1, double(x0), double(y)});
        for (int x = x0 + step; x <= x1 + step - 1; x += step)
            call("pctDraw_MouseMove", {1, double(std::min(x, x1)), double(y)});
        call("pctDraw_MouseUp", {1, double(x1), double(y)});
    }

    // Something with many colours in it: strokes of the pencil in two
    // colours, a filled area, and a patch where every pixel differs.
    void drawSomethingVaried() {
        call("bBrush_MouseUp", {0, 1, 5, 5});  // pencil
        call("Label4_Click", {0});
        call("bColor_Click", {14});  // red
        dragRow(60, 20, 500, 7);
        call("bColor_Click", {12});  // blue
        dragRow(75, 40, 600, 7);
        call("bBrush_MouseUp", {5, 1, 5, 5});  // fill
        call("bColor_Click", {9});             // yellow
        call("pctDraw_MouseDown", {1, 700, 400});
        call("pctDraw_MouseUp", {1, 700, 400});
        Surface& s = window->canvas;
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 256; ++x) s.setPixel(540 + x, 400 + y, Rgb(x, y * 4, 255 - x));
        for (int x = 0; x < 256; ++x) s.setPixel(x, 530, Rgb(x, 255 - x, (x * 7) & 255));
        s.setPixel(0, 0, Rgb(1, 2, 3));
        s.setPixel(806, 536, Rgb(250, 128, 3));
        s.setPixel(806, 0, Rgb(4, 5, 6));
        s.setPixel(0, 536, Rgb(7, 8, 9));
    }
};

inline QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline bool WriteAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

inline std::uint32_t Le32(const QByteArray& b, int at) {
    return std::uint32_t(std::uint8_t(b[at])) | std::uint32_t(std::uint8_t(b[at + 1])) << 8 |
           std::uint32_t(std::uint8_t(b[at + 2])) << 16 | std::uint32_t(std::uint8_t(b[at + 3])) << 24;
}
inline std::uint16_t Le16(const QByteArray& b, int at) {
    return std::uint16_t(std::uint8_t(b[at]) | std::uint8_t(b[at + 1]) << 8);
}

// An uncompressed 24-bit Windows bitmap read byte by byte: the test's own
// reader, so a saved file is checked against the format, not against Qt.
struct Bitmap24 {
    int width = 0, height = 0;
    std::vector<Colour> pixels;  // top row first
};
inline std::optional<Bitmap24> ParseBitmap24(const QByteArray& b, std::string* why) {
    auto fail = [&](const std::string& w) {
        if (why) *why = w;
        return std::nullopt;
    };
    if (b.size() < 54) return fail("shorter than the two headers");
    if (b[0] != 'B' || b[1] != 'M') return fail("no BM signature");
    if (Le32(b, 2) != std::uint32_t(b.size())) return fail("file size field is " + std::to_string(Le32(b, 2)));
    const std::uint32_t offset = Le32(b, 10), header = Le32(b, 14);
    if (header < 40) return fail("info header of " + std::to_string(header) + " bytes");
    const auto width = std::int32_t(Le32(b, 18)), height = std::int32_t(Le32(b, 22));
    if (Le16(b, 26) != 1) return fail("planes != 1");
    if (Le16(b, 28) != 24) return fail("bits per pixel " + std::to_string(Le16(b, 28)));
    if (Le32(b, 30) != 0) return fail("compressed (" + std::to_string(Le32(b, 30)) + ")");
    if (width <= 0 || height == 0) return fail("bad size");
    const int h = height < 0 ? -height : height;
    const std::size_t stride = (std::size_t(width) * 3 + 3) / 4 * 4;
    if (offset + stride * std::size_t(h) > std::size_t(b.size())) return fail("pixel data cut short");
    Bitmap24 out{width, h, std::vector<Colour>(std::size_t(width) * std::size_t(h))};
    for (int row = 0; row < h; ++row) {
        const int y = height > 0 ? h - 1 - row : row;
        const auto* p = reinterpret_cast<const std::uint8_t*>(b.constData()) + offset + stride * std::size_t(row);
        for (int x = 0; x < width; ++x)
            out.pixels[std::size_t(y) * std::size_t(width) + std::size_t(x)] =
                Rgb(p[3 * x + 2], p[3 * x + 1], p[3 * x]);
    }
    return out;
}

// A file header and an info header for an uncompressed 24-bit bitmap of the
// given size, followed by `dataBytes` bytes of pixels (possibly too few).
inline QByteArray BitmapHeader(std::int32_t width, std::int32_t height, int dataBytes) {
    QByteArray b(54 + dataBytes, '\x40');
    auto put32 = [&](int at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) b[at + i] = char((v >> (8 * i)) & 255);
    };
    b[0] = 'B';
    b[1] = 'M';
    put32(2, std::uint32_t(b.size()));
    put32(6, 0);
    put32(10, 54);
    put32(14, 40);
    put32(18, std::uint32_t(width));
    put32(22, std::uint32_t(height));
    b[26] = 1;
    b[27] = 0;
    b[28] = 24;
    b[29] = 0;
    put32(30, 0);
    put32(34, 0);
    put32(38, 2835);
    put32(42, 2835);
    put32(46, 0);
    put32(50, 0);
    return b;
}

// The canvas a picture should give: its top-left part over white paper
// (transparent parts show the paper).
inline std::vector<Colour> ExpectedCanvas(const QImage& picture, int width, int height) {
    std::vector<Colour> out(std::size_t(width) * std::size_t(height), kWhite);
    QImage rgb(picture.size(), QImage::Format_RGB32);
    rgb.fill(Qt::white);
    {
        QPainter p(&rgb);
        p.drawImage(0, 0, picture);
    }
    for (int y = 0; y < std::min(height, rgb.height()); ++y)
        for (int x = 0; x < std::min(width, rgb.width()); ++x) {
            const QRgb c = rgb.pixel(x, y);
            out[std::size_t(y) * std::size_t(width) + std::size_t(x)] = Rgb(qRed(c), qGreen(c), qBlue(c));
        }
    return out;
}

inline std::size_t CountDifferent(const std::vector<Colour>& a, const std::vector<Colour>& b) {
    if (a.size() != b.size()) return std::max(a.size(), b.size());
    std::size_t n = 0;
    for (std::size_t i = 0; i < a.size(); ++i) n += a[i] != b[i];
    return n;
}

}  // namespace pintaloo::test
