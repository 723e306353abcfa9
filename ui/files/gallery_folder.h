// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The child's gallery on disk: a folder of PNGs, each a drawing with its
// story inside (png_story.h), named by the date and time it was filed.
//
// The folder is anyone's: a parent or a file manager may put anything in
// it. The listing takes only regular .png files directly in it (a link, a
// FIFO, a folder is skipped without being opened) and reads at most
// kMaxGalleryNames names, so a folder of a hundred thousand files costs a
// bounded time. Filing never writes through a link and never replaces a
// file: the bytes go to a new private file in the folder, flushed, and are
// then given their name only if that name is free. The folder itself must
// be a real folder (not a link, not a file) we may write in.
//
// What this program filed or saved there is also named in a small index in
// the folder (kIndexName: a hash of the pixels and the file's name a line,
// the newest kMaxIndexed), read as a stranger's file. The listing always
// takes the drawings it names, however many other files the folder holds
// and in whatever order the file system hands them out; and a drawing whose
// pixels are there already is not filed again (the file is decoded and
// compared pixel for pixel, so a planted line can only cost one decode of
// a picture the drawing's size).
//
// Drawings that could be filed nowhere wait in memory (hold), the newest
// kMaxHeld, until the next filing or a save takes them.
#include <QDateTime>
#include <QString>
#include <deque>
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

    QString holding(const QImage& drawing) override;
    void noteSaved(const QString& path, const QImage& drawing) override;
    bool hold(const QByteArray& png) override;
    int heldCount() const override { return int(held_.size()); }
    int fileHeld(const QString& folder, Language language) override;

    // Writes ready-made PNG bytes as a new drawing (file() after encoding).
    // `pixels` (PixelKey) names it in the index; empty: not indexed.
    GalleryFiling fileBytes(const QByteArray& png, Language language, const QByteArray& pixels = {});

    // A folder that must already be there for anything to be filed: the
    // grown-up's own save folder, which may be a share not mounted now.
    // Making it again would put the drawings on the local disk under the
    // mount point, where nobody looks; refused, they wait in the state
    // folder and go in once it is back. Empty: the gallery's parents are
    // made as needed (the usual Pictures folder).
    void setRootMustExist(QString root) { mustExist_ = std::move(root); }

    // The index's name in the folder, and the drawings it names at most.
    static constexpr const char* kIndexName = ".pintaloo-drawings";
    static constexpr int kMaxIndexed = 2000;
    // Drawings held in memory at most (a page's PNG is a few hundred KB).
    static constexpr int kMaxHeld = 30;
    // The pixels as the index names them: a hash of the picture as 24-bit
    // colour, in hex. About 5 ms for a 1000 x 700 page.
    static QByteArray PixelKey(const QImage& drawing);

private:
    struct Indexed {
        QByteArray key, name;
    };
    std::vector<Indexed> readIndex() const;
    QString holding(const QImage& drawing, const QByteArray& key);
    void addToIndex(const QByteArray& key, const QString& path);

    QString folder_;
    QString mustExist_;
    std::function<QDateTime()> now_;
    std::deque<QByteArray> held_;  // oldest first
};

}  // namespace pintaloo
