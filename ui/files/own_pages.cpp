// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/files/own_pages.h"

#include <QPainter>
#include <QSet>
#include <QtDebug>
#include <algorithm>
#include <chrono>

#include "ui/files/data_folders.h"
#include "ui/files/picture_reader.h"

namespace pintaloo {

std::uint32_t OwnPageId(const QString& relative) {
    std::uint32_t h = 2166136261u;
    for (const char c : relative.toUtf8()) {
        h ^= std::uint8_t(c);
        h *= 16777619u;
    }
    return h == 0 ? 1 : h;
}

QImage OutlinePage(const QImage& picture, QSize page, QRgb outline) {
    if (picture.isNull() || page.isEmpty()) return {};
    // Flattened onto white at the page's size; a picture of exactly that
    // size is copied pixel for pixel (no scaling blurs it).
    QImage flat(page, QImage::Format_RGB32);
    flat.fill(Qt::white);
    {
        QPainter p(&flat);
        const QSize fitted = picture.size().scaled(page, Qt::KeepAspectRatio);
        const QRect to(QPoint((page.width() - fitted.width()) / 2, (page.height() - fitted.height()) / 2), fitted);
        p.setRenderHint(QPainter::SmoothPixmapTransform, true);
        if (fitted == picture.size())
            p.drawImage(to.topLeft(), picture);
        else
            p.drawImage(to, picture.scaled(fitted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    }
    const QRgb paper = qRgb(255, 255, 255);
    for (int y = 0; y < flat.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(flat.scanLine(y));
        for (int x = 0; x < flat.width(); ++x) row[x] = qGray(row[x]) < kDarkBelow ? outline : paper;
    }
    return flat;
}

QImage BackgroundPicture(const QImage& picture, QSize page, QRgb outline) {
    if (picture.isNull() || page.isEmpty()) return {};
    QImage out(page, QImage::Format_RGB32);
    out.fill(Qt::white);
    {
        QPainter p(&out);
        const QSize covering = picture.size().scaled(page, Qt::KeepAspectRatioByExpanding);
        const QPoint at((page.width() - covering.width()) / 2, (page.height() - covering.height()) / 2);
        p.drawImage(at, covering == picture.size() ? picture
                                                   : picture.scaled(covering, Qt::IgnoreAspectRatio,
                                                                    Qt::SmoothTransformation));
    }
    const QRgb off = qRgb(qRed(outline) < 255 ? qRed(outline) + 1 : 254, qGreen(outline), qBlue(outline));
    for (int y = 0; y < out.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            if ((row[x] & 0xFFFFFFu) == (outline & 0xFFFFFFu)) row[x] = off;
    }
    return out;
}

const std::vector<OwnPage>& OwnPages::list() {
    if (listed_) return pages_;
    listed_ = true;
    QSet<QString> seen;
    for (const QString& folder : DataFolders(kind_)) {
        bool truncated = false;
        // Room for the odd other file beside the pictures, still a bounded look.
        for (const FolderEntry& e : ListFolder(folder, 4 * kMostPages, &truncated)) {
            const QString lower = e.name.toLower();
            const bool picture = lower.endsWith(QLatin1String(".png")) || lower.endsWith(QLatin1String(".jpg")) ||
                                 lower.endsWith(QLatin1String(".jpeg"));
            if (e.folder || !picture || seen.contains(e.name)) continue;
            if (e.bytes <= 0 || e.bytes > kMostBytes) {
                qWarning("Picture left out (empty or too large): %s/%s", qPrintable(folder), qPrintable(e.name));
                continue;
            }
            if (int(pages_.size()) >= kMostPages) {
                qWarning("More than %d pictures in the %s folders: the rest are left out", kMostPages, qPrintable(kind_));
                return pages_;
            }
            seen.insert(e.name);
            pages_.push_back({folder + QLatin1Char('/') + e.name, e.name, OwnPageId(e.name)});
        }
        if (truncated) qWarning("The folder %s holds too many files: only the first are read", qPrintable(folder));
    }
    return pages_;
}

int OwnPages::indexOf(std::uint32_t id) {
    const auto& pages = list();
    for (std::size_t i = 0; i < pages.size(); ++i)
        if (pages[i].id == id) return int(i);
    return -1;
}

QImage OwnPages::image(int index, QSize page, QRgb outline) {
    const auto& pages = list();
    if (index < 0 || index >= int(pages.size())) return {};
    if (auto it = images_.find(index); it != images_.end()) return it->second;
    if (std::find(refused_.begin(), refused_.end(), index) != refused_.end()) return {};
    if (images_.size() >= 6) images_.clear();
    // Through the same door as any picture a child opens: a regular file
    // only, never a link in its last name, its size capped before it is
    // read, its header checked before anything is allocated, decoded on a
    // worker with a time limit.
    PictureRefusal why = PictureRefusal::None;
    const QByteArray bytes = ReadPictureFile(pages[std::size_t(index)].path, &why, kMostBytes, Links::Refuse);
    PictureResult decoded;
    if (why == PictureRefusal::None)
        decoded = DecodePictureWithin(bytes, std::chrono::milliseconds(kDecodeMilliseconds));
    else
        decoded.refusal = why;
    if (decoded.refusal != PictureRefusal::None) {
        // The log's reader is a grown-up: a word, not the child's sentence.
        static const char* const kWhy[] = {"", "unreadable", "not a picture", "too large", "damaged", "too slow"};
        qWarning("Picture left out (%s): %s", kWhy[int(decoded.refusal)], qPrintable(pages[std::size_t(index)].path));
        refused_.push_back(index);
        return {};
    }
    return images_[index] = make_(decoded.image, page, outline);
}

}  // namespace pintaloo
