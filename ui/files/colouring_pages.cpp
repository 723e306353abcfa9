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

int ColouringPages::lastNumber(bool read) {
    if (read) ownRead_ = true;
    return kLast + (ownRead_ ? int(own_.list().size()) : 0);
}

const OwnPage* ColouringPages::ownPage(int number) {
    const int i = number - kLast - 1;
    if (i < 0 || i >= int(own_.list().size())) return nullptr;
    return &own_.list()[std::size_t(i)];
}

QImage ColouringPages::image(int number) {
    // Own pages in the outline colour the built-in ones have (the pencil
    // keeps off black).
    if (number > kLast) return own_.image(number - kLast - 1, {kWidth, kHeight}, qRgb(0, 0, 0));
    if (auto it = images_.find(number); it != images_.end()) return it->second;
    const QString path = pagePath(number);
    if (path.isEmpty()) return {};
    return images_[number] = TwoColour(ArtStore::render(path, {kWidth, kHeight}));
}

const Picture& ColouringPages::page(int number) {
    if (number > kLast) {
        const QImage img = image(number);
        return ownPage_ = img.isNull() ? Picture{} : ArtStore::toPicture(img);
    }
    if (auto it = pages_.find(number); it != pages_.end()) return it->second;
    const QImage img = image(number);
    return pages_[number] = img.isNull() ? Picture{} : ArtStore::toPicture(img);
}

}  // namespace pintaloo
