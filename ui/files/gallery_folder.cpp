// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/files/gallery_folder.h"

#include <dirent.h>
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <random>

#include "ui/files/png_story.h"
#include "ui/files/safe_write.h"
#include "ui/words/texts.h"

namespace pintaloo {

namespace {

// Names tried for one drawing before giving up: " (2)" up to " (999)".
constexpr int kMaxNameTries = 999;

QString SystemWords(int err) { return QString::fromLocal8Bit(std::strerror(err)); }

// The folder opened without following a link at its last step; -1 with
// errno set (ELOOP for a link, ENOTDIR for a file).
int OpenFolder(const QByteArray& native) {
    return ::open(native.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
}

// The folder, made when missing (its parents too, as the pictures folder
// may not exist yet), then opened. -1 with errno.
int MakeAndOpenFolder(const QString& folder) {
    const QByteArray native = QFile::encodeName(folder);
    int fd = OpenFolder(native);
    if (fd >= 0 || errno != ENOENT) return fd;
    const QString parent = QFileInfo(folder).absolutePath();
    if (!QDir().mkpath(parent)) {
        errno = EACCES;
        return -1;
    }
    if (::mkdir(native.constData(), 0755) != 0 && errno != EEXIST) return -1;
    return OpenFolder(native);
}

// A new private file in the folder: its descriptor, its name in `name`.
int MakeTemporary(int dir, QByteArray* name) {
    static thread_local std::mt19937_64 random{std::random_device{}()};
    for (int tries = 0; tries < 100; ++tries) {
        *name = ".pintaloo-filing-" + QByteArray::number(quint64(random()), 36);
        const int fd = ::openat(dir, name->constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// Gives the temporary file `from` the name `to` only when no file has it.
// renameat2 with RENAME_NOREPLACE where the file system has it, else a
// hard link (which never replaces either) and the temporary name removed.
bool NameWithoutReplacing(int dir, const QByteArray& from, const QByteArray& to) {
    if (::renameat2(dir, from.constData(), dir, to.constData(), RENAME_NOREPLACE) == 0) return true;
    if (errno != EINVAL && errno != ENOSYS) return false;
    if (::linkat(dir, from.constData(), dir, to.constData(), 0) != 0) return false;
    ::unlinkat(dir, from.constData(), 0);
    return true;
}

}  // namespace

GalleryFolder::GalleryFolder(QString folder, std::function<QDateTime()> now)
    : folder_(std::move(folder)), now_(std::move(now)) {}

QString GalleryFolder::DefaultFolder() {
    const QString home = QDir::homePath();
    QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    // Qt answers the home folder itself when the user's dirs file names none
    // of its own: the drawings do not belong loose there.
    if (pictures.isEmpty() || QDir(pictures) == QDir(home)) pictures = QDir(home).filePath(QStringLiteral("Pictures"));
    return QDir(pictures).filePath(QStringLiteral("Pintaloo"));
}

QString GalleryFolder::DatedName(const QDateTime& when, Language language) {
    return Text(TextId::GalleryDrawingName, language) + QLatin1Char(' ') +
           when.toString(QStringLiteral("yyyy-MM-dd HH.mm")) + QStringLiteral(".png");
}

std::vector<GalleryEntry> GalleryFolder::list() {
    std::vector<GalleryEntry> out;
    const int dirFd = OpenFolder(QFile::encodeName(folder_));
    if (dirFd < 0) return out;
    DIR* dir = ::fdopendir(dirFd);
    if (!dir) {
        ::close(dirFd);
        return out;
    }
    const QString base = QDir(folder_).absolutePath() + QLatin1Char('/');
    int names = 0;
    while (names < kMaxGalleryNames) {
        errno = 0;
        const dirent* e = ::readdir(dir);
        if (!e) break;
        ++names;
        const std::size_t length = std::strlen(e->d_name);
        // Hidden files (our own temporaries among them) are not drawings.
        if (length < 5 || e->d_name[0] == '.' || ::strcasecmp(e->d_name + length - 4, ".png") != 0) continue;
        // Qt's strings carry only names that are UTF-8: a name with other
        // bytes could not be opened again by its decoded path, so it is left
        // out of the gallery (the file stays where it is).
        const QByteArray raw(e->d_name, qsizetype(length));
        const QString name = QFile::decodeName(raw);
        if (QFile::encodeName(name) != raw) continue;
        struct stat st {};
        if (::fstatat(dirFd, e->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(st.st_mode)) continue;
        out.push_back({base + name,
                       std::int64_t(st.st_mtim.tv_sec) * 1000 + st.st_mtim.tv_nsec / 1'000'000,
                       std::int64_t(st.st_size)});
    }
    ::closedir(dir);
    // Newest first; drawings filed in the same millisecond by their names,
    // the longer first: " (2)" is filed after the plain name, " (10)" after " (9)".
    std::sort(out.begin(), out.end(), [](const GalleryEntry& a, const GalleryEntry& b) {
        if (a.modifiedMs != b.modifiedMs) return a.modifiedMs > b.modifiedMs;
        if (a.path.size() != b.path.size()) return a.path.size() > b.path.size();
        return QFile::encodeName(a.path) > QFile::encodeName(b.path);
    });
    return out;
}

GalleryFiling GalleryFolder::file(const QImage& drawing, const std::string& story,
                                  const std::vector<StoryPicture>& pictures, Language language) {
    GalleryFiling out;
    const QByteArray png = EncodeDrawingPng(drawing, story, pictures, &out.why);
    if (png.isEmpty()) return out;
    return fileBytes(png, language);
}

GalleryFiling GalleryFolder::fileBytes(const QByteArray& png, Language language) {
    GalleryFiling out;
    const int dir = MakeAndOpenFolder(folder_);
    if (dir < 0) {
        // A link or a file where the folder should be is named plainly.
        out.why = SystemWords(errno == ELOOP ? ENOTDIR : errno);
        return out;
    }
    QByteArray temp;
    const int fd = MakeTemporary(dir, &temp);
    if (fd < 0) {
        out.why = SystemWords(errno);
        ::close(dir);
        return out;
    }
    // Parents copy these drawings about: readable by all, as a saved picture is.
    bool ok = ::fchmod(fd, 0644) == 0 && WriteAll(fd, png.constData(), std::size_t(png.size())) && ::fsync(fd) == 0;
    int err = ok ? 0 : errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        err = errno;
    }
    if (ok) {
        const QString dated = DatedName(now_ ? now_() : QDateTime::currentDateTime(), language);
        const QString stem = dated.chopped(4);
        ok = false;
        for (int n = 1; n <= kMaxNameTries && !ok; ++n) {
            const QString name = n == 1 ? dated : QStringLiteral("%1 (%2).png").arg(stem).arg(n);
            if (NameWithoutReplacing(dir, temp, QFile::encodeName(name))) {
                ok = true;
                out.path = QDir(folder_).absoluteFilePath(name);
            } else if (errno != EEXIST) {
                err = errno;
                break;
            } else {
                err = EEXIST;
            }
        }
    }
    if (!ok) {
        ::unlinkat(dir, temp.constData(), 0);
        out.why = SystemWords(err);
    } else {
        ::fsync(dir);  // the name lasts a power cut too
    }
    ::close(dir);
    return out;
}

bool GalleryFolder::trash(const QString& path) {
    // Only a drawing of this folder, and only a regular file, goes.
    const QFileInfo info(path);
    if (info.isSymLink() || !info.isFile() || QDir(info.absolutePath()) != QDir(folder_)) return false;
    return QFile::moveToTrash(path);
}

}  // namespace pintaloo
