// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// Renders SVG artwork with the same Qt SVG renderer the program uses, so an
// artist sees exactly what the child will see.
//
//   pintaloo-svgrender IN.svg WIDTH HEIGHT OUT.png
//   pintaloo-svgrender --transparent IN.svg WIDTH HEIGHT OUT.png   (keeps alpha: icons)
//   pintaloo-svgrender --sheet OUT.png SCALE IN.svg...   (contact sheet)
//   pintaloo-svgrender --raw IN.svg WIDTH HEIGHT OUT.argb32   (keeps alpha, no file format)
//   pintaloo-svgrender --raw-pressed IN.svg WIDTH HEIGHT OUT.argb32   (a tool face as pressed)
//   pintaloo-svgrender --rows IN.svg WIDTH HEIGHT OUT.rows   (the raw form, each distinct row once)
//   pintaloo-svgrender --pack OUT.pack NAME=FILE...   (files drawn before, in one block: ui/art/face_pack.h)
//
// The raw form is the picture's premultiplied 32-bit pixels in this
// machine's byte order, row after row with nothing in between: the build
// embeds large backdrops that way so the program shows them without
// decoding or copying anything. The pressed form is a tool button's face lit
// and framed the way the program shows the tool in use
// (resources/face_effects.h), so the start does not make it.
//
// The rows form is for a large picture made mostly of repeated rows, like
// the window's background (157 distinct rows of 728): first, for each row
// of the picture, which distinct row it is (16-bit numbers, padded with
// zeros to a multiple of four bytes), then the distinct rows in the raw
// form. The program shows it from the program file as it is, and keeps a
// fifth of the pixels in its file and in memory.
//
// The sheet puts each picture at its own size times SCALE on a grey grid
// with its file name under it, so white (transparent) areas stand out.
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <algorithm>
#include <cstdio>
#include <utility>
#include <vector>

#include "ui/art/face_effects.h"
#include "ui/art/face_pack.h"

namespace {

// Artwork is checked on white, as the window shows it; icons keep their
// transparent background, since the desktop draws them on its own colours.
QImage renderSvg(const QString& path, QSize size, bool transparent = false) {
    QSvgRenderer svg(path);
    if (!svg.isValid()) return {};
    if (!size.isValid()) size = svg.defaultSize();
    QImage img(size, transparent ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    img.fill(transparent ? QColor(Qt::transparent) : QColor(Qt::white));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    svg.render(&p);
    return img;
}

int makeSheet(int argc, char** argv) {
    const QString out = QString::fromLocal8Bit(argv[2]);
    const int scale = std::max(1, atoi(argv[3]));
    std::vector<std::pair<QString, QImage>> pics;
    for (int i = 4; i < argc; ++i) {
        QString path = QString::fromLocal8Bit(argv[i]);
        QImage img = renderSvg(path, {});
        if (img.isNull()) {
            std::fprintf(stderr, "cannot read %s\n", argv[i]);
            return 1;
        }
        pics.emplace_back(QFileInfo(path).completeBaseName(), img.scaled(img.size() * scale));
    }
    const int cols = 6, cell = 220 * scale / 2 + 40;
    const int rows = (int(pics.size()) + cols - 1) / cols;
    QImage sheet(cols * cell, rows * (cell + 20), QImage::Format_RGB32);
    sheet.fill(QColor(200, 200, 200));
    QPainter p(&sheet);
    for (size_t i = 0; i < pics.size(); ++i) {
        int x = int(i % cols) * cell + 10, y = int(i / cols) * (cell + 20) + 10;
        p.drawImage(x, y, pics[i].second);
        p.drawText(x, y + std::min(cell - 10, pics[i].second.height()) + 14, pics[i].first);
    }
    return sheet.save(out) ? 0 : 1;
}

}  // namespace

bool writeRows(QFile& out, const QImage& img, qint64 rowBytes) {
    std::vector<QByteArray> distinct;
    std::vector<quint16> which;
    for (int y = 0; y < img.height(); ++y) {
        const QByteArray row(reinterpret_cast<const char*>(img.constScanLine(y)), rowBytes);
        auto found = std::find(distinct.begin(), distinct.end(), row);
        if (found == distinct.end()) found = distinct.insert(distinct.end(), row);
        which.push_back(quint16(found - distinct.begin()));
    }
    if (which.size() % 2) which.push_back(0);  // padding: the rows start on a four-byte boundary
    const auto indexBytes = qint64(which.size() * sizeof(quint16));
    if (out.write(reinterpret_cast<const char*>(which.data()), indexBytes) != indexBytes) return false;
    for (const QByteArray& row : distinct)
        if (out.write(row) != rowBytes) return false;
    return out.flush();
}

// NAME=FILE arguments from argv[3] on, packed into argv[2].
int makePack(int argc, char** argv) {
    std::vector<pintaloo::FacePackEntry> entries;
    for (int i = 3; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        const qsizetype split = arg.indexOf(QLatin1Char('='));
        QFile in(arg.mid(split + 1));
        if (split <= 0 || !in.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "cannot read %s\n", argv[i]);
            return 1;
        }
        const QByteArray bytes = in.readAll();
        entries.push_back({arg.left(split).toStdString(), {bytes.begin(), bytes.end()}});
    }
    const std::vector<unsigned char> pack = pintaloo::MakeFacePack(std::move(entries));
    QFile out(QString::fromLocal8Bit(argv[2]));
    if (!out.open(QIODevice::WriteOnly) ||
        out.write(reinterpret_cast<const char*>(pack.data()), qint64(pack.size())) != qint64(pack.size()) ||
        !out.flush()) {
        std::fprintf(stderr, "cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}

int main(int argc, char** argv) {
    if (argc >= 3 && QString(argv[1]) == "--pack") return makePack(argc, argv);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc >= 5 && QString(argv[1]) == "--sheet") return makeSheet(argc, argv);
    const bool pressed = argc == 6 && QString(argv[1]) == "--raw-pressed";
    const bool rows = argc == 6 && QString(argv[1]) == "--rows";
    const bool raw = pressed || rows || (argc == 6 && QString(argv[1]) == "--raw");
    const bool transparent = raw || (argc == 6 && QString(argv[1]) == "--transparent");
    if (argc != 5 && !transparent) {
        std::fprintf(stderr,
                     "usage: %s [--transparent|--raw|--raw-pressed|--rows] IN.svg WIDTH HEIGHT OUT | --sheet OUT.png SCALE "
                     "IN.svg...\n",
                     argv[0]);
        return 2;
    }
    char** a = argv + (transparent ? 1 : 0);
    QImage img = renderSvg(QString::fromLocal8Bit(a[1]), QSize(atoi(a[2]), atoi(a[3])), transparent);
    if (img.isNull()) {
        std::fprintf(stderr, "cannot read %s\n", a[1]);
        return 1;
    }
    if (pressed) img = pintaloo::PressedFace(pintaloo::LitFace(img));
    if (!raw) return img.save(QString::fromLocal8Bit(a[4])) ? 0 : 1;
    QFile out(QString::fromLocal8Bit(a[4]));
    if (!out.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "cannot write %s\n", a[4]);
        return 1;
    }
    const qint64 rowBytes = qint64(img.width()) * 4;  // ARGB32: no padding to drop
    if (rows) return writeRows(out, img, rowBytes) ? 0 : 1;
    for (int y = 0; y < img.height(); ++y)
        if (out.write(reinterpret_cast<const char*>(img.constScanLine(y)), rowBytes) != rowBytes) return 1;
    return out.flush() ? 0 : 1;
}
