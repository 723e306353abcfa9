// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The stamp collections on this computer: the user's own and the system's
// pintaloo/stamps folders, then the stamp library Tux Paint reads (Debian's
// tuxpaint-stamps-default), all in Tux Paint's format: a picture (PNG or
// SVG) with NAME.txt (its name, English first, then `LANG.utf8=Text`
// lines), NAME.dat (options), NAME.ogg (its sound), NAME_desc[_LANG].ogg
// (its name spoken) and NAME_mirror.png (its own mirrored picture).
//
// Every file there may be hostile: sizes, counts, depth and time are capped,
// links and pipes are left out, pictures go through the safe readers and an
// SVG is read only after its bytes were checked for anything reaching
// outside it. The index is built on the first groups() call and kept in a
// cache keyed by each folder's change time, so a later start reads only the
// folders that changed.
#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <array>
#include <chrono>
#include <list>
#include <mutex>
#include <unordered_map>
#include <unordered_set>

#include "ui/files/stamp_library.h"

namespace pintaloo {

struct StampLimits {
    static constexpr int kMaxEntriesPerFolder = 4000;  // Tux Paint's busiest folder holds about 500 (sounds)
    static constexpr int kMaxFoldersPerCollection = 1000;
    static constexpr int kMaxDepth = 8;
    static constexpr int kMaxStamps = 5000;
    static constexpr qint64 kMaxTextBytes = 16 * 1024;  // a name file is about 3 KiB in 60 languages
    static constexpr int kMaxNameChars = 120;
    static constexpr qint64 kMaxOptionsBytes = 4 * 1024;
    static constexpr qint64 kMaxPngBytes = 8LL * 1024 * 1024;
    static constexpr qint64 kMaxSvgBytes = 2LL * 1024 * 1024;
    static constexpr int kMaxPictureSide = 4096;
    static constexpr int kMaxSvgElements = 50'000;
    static constexpr qint64 kMaxCacheBytes = 16LL * 1024 * 1024;
    static constexpr double kMinScale = 0.05;
    static constexpr double kMaxScale = 4.0;
    // Decoded pictures kept: about 200 thumbnails at 96 px (a few groups
    // open at once), or a few painting-size ones.
    static constexpr qint64 kPictureCacheBytes = 8LL * 1024 * 1024;
    static constexpr std::chrono::milliseconds kScanBudget{4000};
    static constexpr std::chrono::milliseconds kDecodeBudget{1500};
};

// A stamp's options file read line by line; anything unknown or out of
// range keeps the safe default (a scale is clamped).
StampOptions ParseStampOptions(const QByteArray& bytes);

// The names in a stamp's text file, one a language (English first, also
// where a language has none). Empty strings when the file gives no usable
// English line.
std::array<QString, kLanguageCount> ParseStampNames(const QByteArray& bytes);

// Why an SVG's bytes must not be drawn (a reference outside the file, an
// entity, a script, compressed data...), or an empty string when they may.
QString SvgRefusal(const QByteArray& bytes);

// A file or folder name as words: "blue_whale-2" -> "Blue whale 2".
QString ReadableName(const QString& fileName);

class StampCollections final : public StampLibraryPort {
public:
    // `roots`: the collections, the one that wins first. `cacheFile`: where
    // the index is kept (empty: nowhere).
    StampCollections(QStringList roots, QString cacheFile);
    ~StampCollections() override;

    // DataFolders("stamps"), then <each of $XDG_DATA_DIRS>/tuxpaint/stamps.
    static QStringList StandardRoots();
    // $XDG_CACHE_HOME/pintaloo/stamps-index.
    static QString StandardCacheFile();

    const std::vector<StampGroup>& groups() override;
    const LibraryStamp* stamp(std::uint32_t id) override;
    QString name(const LibraryStamp& stamp, Language language) override;
    QString groupName(const StampGroup& group, Language language) override;
    QImage picture(const LibraryStamp& stamp, int maxSide, bool mirrored = false) override;
    QString sound(const LibraryStamp& stamp) override;
    QString spokenName(const LibraryStamp& stamp, Language language) override;

    struct LeftOut {
        QString file;
        QString reason;
    };
    // What the scan left out and why (each also logged once).
    std::vector<LeftOut> leftOut();
    // Whether the last index came wholly from the cache file.
    bool readFromCache();
    // Folders read from disk (not the cache) by the last index.
    int foldersRead();

    // One stamp as the index keeps it, file names relative to its folder.
    struct Entry {
        QString picture;  // file name
        QString mirror;   // file name, or empty
        StampOptions options;
        std::array<QString, kLanguageCount> names;
        QString sound;
        std::array<QString, kLanguageCount> spoken;
    };
    // One folder as the index (and its cache) keeps it.
    struct Folder {
        QString relative;  // from its collection's root, "" for the root
        qint64 changedNs = 0;
        QStringList subfolders;
        std::vector<Entry> entries;
        bool complete = true;  // false: cut short by the time budget, so never cached
    };

private:
    void build();
    void scanCollection(int root, std::unordered_map<QString, Folder>& cached,
                        std::vector<std::vector<Folder>>& read, std::chrono::steady_clock::time_point deadline);
    Folder readFolder(const QString& path, const QString& relative, std::int64_t changedNs,
                      std::chrono::steady_clock::time_point deadline);
    void leaveOut(const QString& file, const QString& reason);
    QImage decode(const QString& path, int maxSide);

    QStringList roots_;
    QString cacheFile_;
    std::mutex indexTurn_;
    bool built_ = false;
    std::vector<StampGroup> groups_;
    std::vector<LibraryStamp> stamps_;
    std::vector<Entry> entries_;                    // beside stamps_
    std::vector<QString> folders_;                  // each stamp's folder, beside stamps_
    std::unordered_map<std::uint32_t, std::size_t> byId_;
    std::unordered_map<std::uint32_t, QString> groupRelative_;
    std::vector<LeftOut> leftOut_;
    bool fromCache_ = false;
    int foldersRead_ = 0;

    struct Cached {
        QImage image;
        qint64 bytes = 0;
    };
    std::mutex pictureTurn_;
    std::list<std::pair<QString, Cached>> recent_;  // most recent first
    QHash<QString, std::list<std::pair<QString, Cached>>::iterator> recentByKey_;
    qint64 cachedBytes_ = 0;
    std::unordered_set<std::uint32_t> refused_;
};

}  // namespace pintaloo
