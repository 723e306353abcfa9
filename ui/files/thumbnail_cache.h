// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The gallery's thumbnails, kept the desktop's way: the freedesktop
// thumbnail cache ($XDG_CACHE_HOME/thumbnails/large, 256 pixels, named by
// the MD5 of the drawing's URI, with Thumb::URI and Thumb::MTime inside), so
// file managers show the same pictures and make them for us too. A drawing
// that cannot be made into a thumbnail is noted in fail/ and not tried
// again until it changes.
//
// Work is done on at most two worker threads; answers come back on the
// thread that made the cache. A few megabytes of recent thumbnails stay in
// memory, so turning back a page costs no reading at all.
#include <QByteArray>
#include <QCache>
#include <QObject>
#include <QString>
#include <QThreadPool>

#include <atomic>
#include <mutex>

#include "ui/platform/gallery_port.h"

namespace pintaloo {

// $XDG_CACHE_HOME/thumbnails, or ~/.cache/thumbnails when it is unset or
// not an absolute path.
QString DefaultThumbnailRoot();

// The URI a file is known by in the cache: "file://" and the path's bytes,
// every byte outside RFC 2396's path characters escaped as %XX (upper-case
// hex, as the desktop's own libraries write it). Built from the bytes, so a
// name that is not UTF-8 still gets the URI other programs compute.
QByteArray ThumbnailUri(const QString& path);

// The cached thumbnail's file name: the MD5 of the URI in hex, then ".png".
QString ThumbnailFileName(const QString& path);

class ThumbnailCache final : public ThumbnailPort {
public:
    static constexpr int kSide = 256;  // the "large" size
    // Recent thumbnails kept in memory: about 45 of a drawing's shape.
    static constexpr qsizetype kMemoryBytes = 8 * 1024 * 1024;
    // A thumbnail file larger than this is no thumbnail (256 x 256 x 4
    // bytes uncompressed is 256 KiB).
    static constexpr qint64 kMaxThumbnailBytes = 1024 * 1024;
    // A drawing is made into a thumbnail only up to this size: decoded
    // whole it is 32 MB for a moment, a screen-sized canvas many times over.
    // Larger files and pictures get a plain frame (and a note in fail/),
    // so a planted giant cannot cost the gallery hundreds of megabytes.
    static constexpr qint64 kMaxDrawingPixels = 8'000'000;
    static constexpr qint64 kMaxDrawingBytes = 32LL * 1024 * 1024;

    explicit ThumbnailCache(QString root = DefaultThumbnailRoot());
    ~ThumbnailCache() override;
    ThumbnailCache(const ThumbnailCache&) = delete;
    ThumbnailCache& operator=(const ThumbnailCache&) = delete;

    void request(const GalleryEntry& entry, QObject* context, Ready ready) override;
    void cancelPending() override;
    void finish() override;

    // One request's whole work on the calling thread: the memory, then the
    // cache on the disk, then the drawing itself. Safe from any thread.
    GalleryThumbnail make(const QString& path);

    QString largeFolder() const;
    QString failFolder() const;

private:
    class Job;
    bool lookUp(const QString& key, GalleryThumbnail* found);
    void remember(const QString& key, const GalleryThumbnail& thumbnail);

    QString root_;
    QObject receiver_;  // lives on the thread that made the cache: answers are delivered through it
    std::mutex memoryMutex_;
    QCache<QString, GalleryThumbnail> memory_;
    std::atomic<int> undelivered_{0};
    std::atomic<int> running_{0};  // requests being worked on
    std::atomic<int> waiting_{0};  // requests not begun
    QThreadPool pool_;
};

}  // namespace pintaloo
