// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/files/colouring_pages.h"

#include <QDir>

#include "ui/art/art_store.h"

namespace pintaloo {

QString ColouringPages::pagePath(int number) {
    static const QStringList files =
        QDir(QStringLiteral(":/pages")).entryList({QStringLiteral("page*.svg")}, QDir::Files, QDir::Name);
    const int i = number - kFirst;
    if (i < 0 || i >= files.size()) return {};
    return QStringLiteral(":/pages/") + files[i];
}

QImage TwoColour(const QImage& rendered) {
    QImage out(rendered.size(), QImage::Format_Mono);
    out.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    const QImage rgb = rendered.convertToFormat(QImage::Format_RGB32);
    out.fill(1);
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        uchar* bits = out.scanLine(y);  // most significant bit first
        for (int x = 0; x < rgb.width(); ++x)
            if (qGray(row[x]) < 128) bits[x >> 3] &= uchar(~(0x80 >> (x & 7)));
    }
    return out;
}

QImage ColouringPages::image(int number) {
    if (auto it = images_.find(number); it != images_.end()) return it->second;
    const QString path = pagePath(number);
    if (path.isEmpty()) return {};
    return images_[number] = TwoColour(ArtStore::render(path, {kWidth, kHeight}));
}

const Picture& ColouringPages::page(int number) {
    if (auto it = pages_.find(number); it != pages_.end()) return it->second;
    const QImage img = image(number);
    return pages_[number] = img.isNull() ? Picture{} : ArtStore::toPicture(img);
}

}  // namespace pintaloo
