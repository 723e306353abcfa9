// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/art/art_store.h"

#include <cstring>
#include <utility>
#include <vector>

#include <QGuiApplication>
#include <QPainter>
#include <QResource>
#include <QScreen>
#include <QSvgRenderer>

#include "ui/art/face_effects.h"
#include "ui/art/face_pack.h"

namespace pintaloo {

qreal ScreenPixelRatio() {
    const QScreen* s = QGuiApplication::primaryScreen();
    return s ? std::max<qreal>(1.0, s->devicePixelRatio()) : 1.0;
}

namespace {

// The faces the build drew, as the program file carries them (face_pack.h).
std::span<const unsigned char> FacePack() {
    static const std::span<const unsigned char> pack = [] {
        const QResource r(QStringLiteral(":/art/faces.pack"));
        if (!r.isValid() || r.compressionAlgorithm() != QResource::NoCompression) return std::span<const unsigned char>();
        return std::span<const unsigned char>(r.data(), std::size_t(r.size()));
    }();
    return pack;
}

// The build's drawing of an SVG at exactly `size` pixels (ui/CMakeLists.txt),
// shown in place from the program file; a null image when there is none.
// `variant` names a drawing made from it ("-pressed").
// Only an entry of exactly the right length, on a pixel boundary, can be
// used that way.
QImage Prerendered(const QString& path, QSize size, QLatin1String variant = {}) {
    const std::span<const unsigned char> raw = PrerenderedBytes(path, size, variant);
    const qint64 bytes = qint64(size.width()) * size.height() * 4;
    if (qint64(raw.size()) != bytes || reinterpret_cast<quintptr>(raw.data()) % alignof(quint32) != 0) return {};
    return QImage(raw.data(), size.width(), size.height(), size.width() * 4, QImage::Format_ARGB32_Premultiplied);
}

// A picture the build drew as its distinct rows (NAME-WIDTHxHEIGHT.rows:
// for each row the distinct row it is, as 16-bit numbers padded to four
// bytes, then the distinct rows), shown from the program file in place.
Backdrop PrerenderedRows(const QString& path, QSize size) {
    if (!path.endsWith(QLatin1String(".svg")) || size.isEmpty()) return {};
    const QResource raw(path.chopped(4) + QStringLiteral("-%1x%2.rows").arg(size.width()).arg(size.height()));
    const qint64 indexBytes = (qint64(size.height()) + 1) / 2 * 4;
    const qint64 rowBytes = qint64(size.width()) * 4;
    if (!raw.isValid() || raw.compressionAlgorithm() != QResource::NoCompression || raw.size() <= indexBytes ||
        (raw.size() - indexBytes) % rowBytes != 0 || (raw.size() - indexBytes) / rowBytes > size.height() ||
        reinterpret_cast<quintptr>(raw.data()) % alignof(quint32) != 0)
        return {};
    std::vector<quint16> which(std::size_t(size.height()));
    std::memcpy(which.data(), raw.data(), which.size() * sizeof(quint16));
    const QImage rows(raw.data() + indexBytes, size.width(), int((raw.size() - indexBytes) / rowBytes),
                      int(rowBytes), QImage::Format_ARGB32_Premultiplied);
    return Backdrop::fromRows(rows, std::move(which));
}

// A face as a pixmap that shares the image's pixels. Left to itself, Qt
// reads a picture's pixels until it meets a see-through one and copies a
// wholly opaque picture into a format without alpha: the clock's 65 KB,
// held twice while the window is open. Drawn with its alpha, an opaque face
// looks just the same.
QPixmap FaceFromImage(QImage&& img) { return QPixmap::fromImage(std::move(img), Qt::NoOpaqueDetection); }

}  // namespace

std::span<const unsigned char> PrerenderedBytes(const QString& path, QSize size, QLatin1String variant) {
    if (!path.startsWith(QLatin1String(":/")) || !path.endsWith(QLatin1String(".svg"))) return {};
    const QString name =
        path.mid(2).chopped(4) + variant + QStringLiteral("-%1x%2.argb32").arg(size.width()).arg(size.height());
    return FindInFacePack(FacePack(), name.toStdString());
}

ArtStore& ArtStore::instance() {
    static ArtStore store;
    return store;
}

QPixmap ArtStore::pixmap(const QString& path, QSize size, qreal dpr) {
    if (dpr <= 0) dpr = ScreenPixelRatio();
    const QString key = path + QLatin1Char('@') + QString::number(size.width()) + 'x' + QString::number(size.height()) +
                        '@' + QString::number(dpr);
    if (auto it = cache_.find(key); it != cache_.end()) return *it;
    QImage img = dpr == 1.0 ? Prerendered(path, size) : QImage();
    if (img.isNull()) img = drawSvg(path, size * dpr);
    QPixmap pm = FaceFromImage(std::move(img));
    pm.setDevicePixelRatio(dpr);
    cache_.insert(key, pm);
    return pm;
}

const Backdrop& ArtStore::backdrop(const QString& path, QSize size, qreal dpr) {
    if (dpr <= 0) dpr = ScreenPixelRatio();
    const QString key = path + QLatin1Char('@') + QString::number(size.width()) + 'x' + QString::number(size.height()) +
                        '@' + QString::number(dpr);
    if (auto it = backdrops_.find(key); it != backdrops_.end()) return *it;
    Backdrop b = dpr == 1.0 ? PrerenderedRows(path, size) : Backdrop();
    if (b.isNull()) {
        QImage img = drawSvg(path, size * dpr);
        img.setDevicePixelRatio(dpr);
        b = Backdrop(std::move(img));
    }
    return *backdrops_.insert(key, b);
}

QImage ArtStore::drawSvg(const QString& path, QSize pixels) {
    drawnFromSvg_.append(path + QLatin1Char('@') + QString::number(pixels.width()) + 'x' +
                         QString::number(pixels.height()));
    QImage img(pixels, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QSvgRenderer svg(path);
    if (svg.isValid()) {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        svg.render(&p);
    }
    return img;
}

QPixmap ArtStore::faded(const QString& path, QSize size, qreal dpr) {
    const QString key =
        QStringLiteral("faded:") + path + QString::number(size.width()) + 'x' + QString::number(size.height());
    if (auto it = cache_.find(key); it != cache_.end()) return *it;
    QImage img = pixmap(path, size, dpr).toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < img.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            const QRgb c = row[x];
            const int grey = qGray(c);
            // Halfway to white, and a third of the way to grey.
            const auto wash = [&](int v) { return (((v * 2 + grey) / 3) + 255) / 2; };
            row[x] = qRgba(wash(qRed(c)), wash(qGreen(c)), wash(qBlue(c)), qAlpha(c));
        }
    }
    QPixmap pm = QPixmap::fromImage(img);
    pm.setDevicePixelRatio(img.devicePixelRatio());
    cache_.insert(key, pm);
    return pm;
}

QPixmap ArtStore::brighter(const QString& path, QSize size, qreal dpr) {
    const QString key =
        QStringLiteral("bright:") + path + QString::number(size.width()) + 'x' + QString::number(size.height());
    if (auto it = cache_.find(key); it != cache_.end()) return *it;
    const QImage img = LitFace(pixmap(path, size, dpr).toImage());
    QPixmap pm = QPixmap::fromImage(img);
    pm.setDevicePixelRatio(img.devicePixelRatio());
    cache_.insert(key, pm);
    return pm;
}

QPixmap ArtStore::pressed(const QString& path, QSize size, qreal dpr) {
    if (dpr <= 0) dpr = ScreenPixelRatio();
    const QString key = QStringLiteral("pressed:") + path + QString::number(size.width()) + 'x' +
                        QString::number(size.height()) + '@' + QString::number(dpr);
    if (auto it = cache_.find(key); it != cache_.end()) return *it;
    QImage img = dpr == 1.0 ? Prerendered(path, size, QLatin1String("-pressed")) : QImage();
    if (img.isNull()) img = PressedFace(LitFace(pixmap(path, size, dpr).toImage()));
    QPixmap pm = FaceFromImage(std::move(img));
    pm.setDevicePixelRatio(dpr);
    cache_.insert(key, pm);
    return pm;
}

QImage ArtStore::render(const QString& path, QSize size, QColor background, bool antialias) {
    QImage img(size, QImage::Format_RGB32);
    img.fill(background);
    QSvgRenderer svg(path);
    if (!svg.isValid()) return {};
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, antialias);
    svg.render(&p);
    return img;
}

Picture ArtStore::toPicture(const QImage& image) {
    const QImage img = image.convertToFormat(QImage::Format_RGB32);
    Picture pic(img.width(), img.height());
    for (int y = 0; y < img.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x) pic.at(x, y) = Rgb(qRed(row[x]), qGreen(row[x]), qBlue(row[x]));
    }
    return pic;
}

QImage ColoursToImage(const Colour* pixels, int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        const Colour* from = pixels + std::size_t(y) * std::size_t(width);
        auto* to = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) to[x] = qRgb(RedOf(from[x]), GreenOf(from[x]), BlueOf(from[x]));
    }
    return image;
}

}  // namespace pintaloo
