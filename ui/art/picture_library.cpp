// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/art/picture_library.h"

#include <QDir>
#include <QPainter>
#include <QSvgRenderer>

#include "ui/art/art_store.h"

namespace pintaloo {

QString PictureLibrary::stampPath(int n) {
    static const QStringList files = QDir(QStringLiteral(":/stamps")).entryList({QStringLiteral("*.svg")});
    const QString prefix = QString::number(n) + QLatin1Char('_');
    for (const QString& f : files)
        if (f.startsWith(prefix)) return QStringLiteral(":/stamps/") + f;
    return {};
}

QString PictureLibrary::modelPath(ModelFamily family, int index) {
    switch (family) {
        case ModelFamily::Balls:
            return QStringLiteral(":/models/ball_%1.svg").arg(index, 2, 10, QLatin1Char('0'));
        case ModelFamily::Daisies:
            return QStringLiteral(":/models/daisy_%1.svg").arg(index);
        case ModelFamily::Tangles:
            return QStringLiteral(":/models/tangle_%1.svg").arg(index);
        case ModelFamily::Scribbles:
            return QStringLiteral(":/models/scribble_%1.svg").arg(index);
        case ModelFamily::Stars:
            return QStringLiteral(":/models/star_%1.svg").arg(index);
        case ModelFamily::Splats:
            return QStringLiteral(":/models/splat_%1.svg").arg(index);
    }
    return {};
}

Picture PictureLibrary::renderKeyed(const QString& path, Colour key) {
    QSvgRenderer svg(path);
    if (!svg.isValid()) return {};
    const QSize size = svg.defaultSize();
    if (key != kWhite) {
        // A picture with its own key-coloured background: drawn crisp, so
        // no blend of key and petal appears round the edges.
        QImage img(size, QImage::Format_RGB32);
        img.fill(Qt::white);
        QPainter p(&img);
        svg.render(&p);
        p.end();
        return ArtStore::toPicture(img);
    }
    QImage img(size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        svg.render(&p);
    }
    const QImage straight = img.convertToFormat(QImage::Format_ARGB32);
    Picture pic(size.width(), size.height(), key);
    for (int y = 0; y < size.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(straight.constScanLine(y));
        for (int x = 0; x < size.width(); ++x)
            if (qAlpha(row[x]) >= 128) pic.at(x, y) = Rgb(qRed(row[x]), qGreen(row[x]), qBlue(row[x]));
    }
    return pic;
}

const Picture* PictureLibrary::model(ModelFamily family, int index) {
    const auto keyOf = std::make_pair(int(family), index);
    if (auto it = models_.find(keyOf); it != models_.end()) return it->second.empty() ? nullptr : &it->second;
    Picture pic = renderKeyed(modelPath(family, index), LookOf(family).key);
    auto& slot = models_[keyOf] = std::move(pic);
    return slot.empty() ? nullptr : &slot;
}

const Picture* PictureLibrary::stamp(int n) {
    if (auto it = stamps_.find(n); it != stamps_.end()) return it->second.empty() ? nullptr : &it->second;
    const QString path = stampPath(n);
    auto& slot = stamps_[n] = path.isEmpty() ? Picture{} : renderKeyed(path, kWhite);
    return slot.empty() ? nullptr : &slot;
}

}  // namespace pintaloo
