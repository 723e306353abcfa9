// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The child's gallery on disk: a folder of PNGs, each a drawing with its
// story inside (png_story.h), named by the date and time it was filed.
//
// The folder is anyone's: a parent or a file manager may put anything in
// it. The listing takes only regular .png files directly in it (a link, a
// FIFO, a folder is skipped without being opened) and stops after
// kMaxGalleryNames names, so a folder of a hundred thousand files costs a
// bounded time. Filing never writes through a link and never replaces a
// file: the bytes go to a new private file in the folder, flushed, and are
// then given their name only if that name is free. The folder itself must
// be a real folder (not a link, not a file) we may write in.
#include <QDateTime>
#include <QString>
#include <functional>

#include "ui/platform/gallery_port.h"

namespace pintaloo {

// Names read from the folder, and drawings listed, at most.
inline constexpr int kMaxGalleryNames = 10'000;

class GalleryFolder final : public GalleryPort {
public:
    // `now` gives the time a drawing is named by (the clock when none).
    explicit GalleryFolder(QString folder, std::function<QDateTime()> now = {});

    // Pintaloo inside the user's pictures folder (XDG_PICTURES_DIR, as Qt
    // reads it), or ~/Pictures/Pintaloo when there is none or it is the
    // home folder itself.
    static QString DefaultFolder();

    // The dated name for a drawing filed at `when`, without the " (2)" a
    // taken name gets: "Drawing 2026-12-09 10.15.png".
    static QString DatedName(const QDateTime& when, Language language);

    QString folder() const override { return folder_; }
    std::vector<GalleryEntry> list() override;
    GalleryFiling file(const QImage& drawing, const std::string& story, const std::vector<StoryPicture>& pictures,
                       Language language) override;
    bool trash(const QString& path) override;

    // Writes ready-made PNG bytes as a new drawing (file() after encoding).
    GalleryFiling fileBytes(const QByteArray& png, Language language);

private:
    QString folder_;
    std::function<QDateTime()> now_;
};

}  // namespace pintaloo
