// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The files the story keeps besides drawing.rec: copies of opened pictures
// in the state folder, named by their content, and a story written beside
// a saved picture. Every write goes through WriteFileSafely (safe_write.h).
//
// The copies are bounded: after each new one, copies no story names any
// more are removed, but for the few used last (a story saved beside a
// picture may still start at one of them), within a count and a size.
#include <QByteArray>
#include <QString>
#include <QStringView>
#include <cstdint>
#include <string>

namespace pintaloo {

// Larger files were never opened as pictures (the reader's own cap).
inline constexpr std::int64_t kMaxPictureCopyBytes = 160LL * 1024 * 1024;
// Copies kept beyond those the story names: the most recently used first.
inline constexpr int kSpareCopies = 4;
inline constexpr std::int64_t kSpareCopyBytes = 32LL * 1024 * 1024;

// Copies `picture` into `folder` as <prefix><hash>.<ending> (picture-<hash>
// in the state folder), atomically; a copy already there is reused only
// when its bytes are the picture's (a copy cut off by a full disk is
// written again). The copy's name, or empty with the reason in `why`.
QString CopyPictureInto(const QString& picture, const QString& folder, QString* why = nullptr,
                        const QString& prefix = QStringLiteral("picture-"));

// Removes the picture copies in `folder` whose names do not appear in
// `named` (the story's text), but for the most recently used within
// kSpareCopies and kSpareCopyBytes. How many files were removed.
int PrunePictureCopies(const QString& folder, QStringView named);

// A regular file's whole content, read without following a link, without
// blocking on a FIFO and only when it is at most `cap` bytes.
bool ReadRegularFile(const QString& path, std::int64_t cap, QByteArray* bytes);

// What a file is now, to tell whether something replaced it: a save
// renames a new file over the name, which changes every field.
struct FileStamp {
    bool exists = false;
    std::uint64_t device = 0, inode = 0, size = 0;
    std::int64_t modifiedNs = 0;
    static FileStamp Of(const QString& path);
    bool operator==(const FileStamp&) const = default;
};

// Writes `text` as `path`, atomically, never through a link. Empty when it
// was written, else the reason in the system's words.
QString WriteBeside(const QString& path, const std::string& text);

}  // namespace pintaloo
