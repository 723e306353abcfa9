// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/files/kept_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

#include "ui/files/picture_reader.h"
#include "ui/files/safe_write.h"

namespace pintaloo {

namespace {

QString SystemWords(int err) { return QString::fromLocal8Bit(std::strerror(err)); }

// A regular file's whole content, up to `cap` bytes, never through a link.
// False with errno's reason otherwise.
bool ReadRegular(const QString& path, std::int64_t cap, QByteArray* bytes, int* err) {
    PictureRefusal refusal = PictureRefusal::None;
    *bytes = ReadPictureFile(path, &refusal, cap, Links::Refuse, err);
    return refusal == PictureRefusal::None;
}

// The ending the copy keeps, for readers that go by it: letters and digits only, so
// the name is safe in the story's one-line `start picture` form.
QString CleanEnding(const QString& picture) {
    QString ending = QFileInfo(picture).suffix().toLower();
    const bool clean = !ending.isEmpty() && ending.size() <= 8 &&
                       std::all_of(ending.begin(), ending.end(), [](QChar c) {
                           return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
                                  (c >= QLatin1Char('0') && c <= QLatin1Char('9'));
                       });
    return clean ? ending : QStringLiteral("pic");
}

}  // namespace

QString CopyPictureInto(const QString& picture, const QString& folder, QString* why, const QString& prefix) {
    QByteArray bytes;
    int err = 0;
    if (!ReadRegular(picture, kMaxPictureCopyBytes, &bytes, &err)) {
        if (why) *why = SystemWords(err);
        return {};
    }
    const QString name =
        prefix + QStringLiteral("%1.%2").arg(
                     QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex().left(16)),
                     CleanEnding(picture));
    const QString target = QDir(folder).filePath(name);
    QByteArray there;
    if (ReadRegular(target, kMaxPictureCopyBytes, &there, &err) && there == bytes) {
        // Used again now: the pruning keeps the copies used last.
        ::utimensat(AT_FDCWD, QFile::encodeName(target).constData(), nullptr, AT_SYMLINK_NOFOLLOW);
        return name;
    }
    WriteTrouble trouble;
    if (!WriteFileSafely(target, bytes, &trouble)) {
        if (why) *why = trouble.text();
        return {};
    }
    return name;
}

int PrunePictureCopies(const QString& folder, QStringView named) {
    static const QRegularExpression kCopy(QStringLiteral("^picture-[0-9a-f]{16}\\.[a-z0-9]{1,8}$"));
    struct Copy {
        QString path;
        std::int64_t bytes;
        std::int64_t usedNs;
    };
    std::vector<Copy> spare;
    const QDir dir(folder);
    const QStringList names = dir.entryList(QDir::Files | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QString& name : names) {
        if (!kCopy.match(name).hasMatch() || named.contains(name)) continue;
        struct stat st {};
        if (::lstat(QFile::encodeName(dir.filePath(name)).constData(), &st) != 0) continue;
        spare.push_back({dir.filePath(name), std::int64_t(st.st_size),
                         std::int64_t(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec});
    }
    std::sort(spare.begin(), spare.end(), [](const Copy& a, const Copy& b) { return a.usedNs > b.usedNs; });
    int kept = 0, removed = 0;
    std::int64_t keptBytes = 0;
    for (const Copy& c : spare) {
        if (kept < kSpareCopies && keptBytes + c.bytes <= kSpareCopyBytes) {
            ++kept;
            keptBytes += c.bytes;
        } else if (::unlink(QFile::encodeName(c.path).constData()) == 0) {
            ++removed;
        }
    }
    return removed;
}

bool ReadRegularFile(const QString& path, std::int64_t cap, QByteArray* bytes) {
    int err = 0;
    return ReadRegular(path, cap, bytes, &err);
}

FileStamp FileStamp::Of(const QString& path) {
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0) return {};
    return {true, std::uint64_t(st.st_dev), std::uint64_t(st.st_ino), std::uint64_t(st.st_size),
            std::int64_t(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec};
}

QString WriteBeside(const QString& path, const std::string& text) {
    WriteTrouble trouble;
    if (WriteFileSafely(path, QByteArray::fromStdString(text), &trouble, 0644)) return {};
    return trouble.text();
}

}  // namespace pintaloo
