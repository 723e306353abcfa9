// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/files/gallery_folder.h"

#include <dirent.h>
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStandardPaths>
#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <random>

#include "ui/files/picture_reader.h"
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

// The index is a few lines a drawing: more than this is no index of ours.
constexpr qint64 kMaxIndexBytes = 1024 * 1024;

// A file of `dir` read whole when it is a regular file of at most `cap`
// bytes, opened without following a link or waiting on a FIFO.
bool ReadSmallFileAt(int dir, const char* name, qint64 cap, QByteArray* out) {
    const int fd = ::openat(dir, name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat st {};
    bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size <= cap;
    if (ok) {
        out->resize(qsizetype(st.st_size));
        qsizetype got = 0;
        while (ok && got < out->size()) {
            const ssize_t n = ::read(fd, out->data() + got, std::size_t(out->size() - got));
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) ok = false;
            else got += n;
        }
    }
    ::close(fd);
    return ok;
}

// A name the index may carry: one regular-looking drawing straight in the
// folder, never hidden, never a path.
bool IndexableName(QByteArrayView name) {
    return name.size() > 4 && name.size() <= 255 && name[0] != '.' && !name.contains('/') && !name.contains('\n') &&
           !name.contains('\0') && name.last(4).compare(".png", Qt::CaseInsensitive) == 0;
}

// `png` written as a new file in `folder` under the dated name (" (2)" and
// on when it is taken), never over a file there.
GalleryFiling WriteNew(const QString& folder, const QDateTime& when, const QByteArray& png, Language language) {
    GalleryFiling out;
    const int dir = MakeAndOpenFolder(folder);
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
        const QString dated = GalleryFolder::DatedName(when, language);
        const QString stem = dated.chopped(4);
        ok = false;
        for (int n = 1; n <= kMaxNameTries && !ok; ++n) {
            const QString name = n == 1 ? dated : QStringLiteral("%1 (%2).png").arg(stem).arg(n);
            if (NameWithoutReplacing(dir, temp, QFile::encodeName(name))) {
                ok = true;
                out.path = QDir(folder).absoluteFilePath(name);
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
    const QString base = QDir(folder_).absolutePath() + QLatin1Char('/');
    // A name as an entry when it is a regular PNG straight in the folder.
    const auto take = [&](const char* raw, std::vector<GalleryEntry>* into) {
        const std::size_t length = std::strlen(raw);
        // Hidden files (our own temporaries and index among them) are not drawings.
        if (length < 5 || raw[0] == '.' || ::strcasecmp(raw + length - 4, ".png") != 0) return;
        // Qt's strings carry only names that are UTF-8: a name with other
        // bytes could not be opened again by its decoded path, so it is left
        // out of the gallery (the file stays where it is).
        const QByteArray bytes(raw, qsizetype(length));
        const QString name = QFile::decodeName(bytes);
        if (QFile::encodeName(name) != bytes) return;
        struct stat st {};
        if (::fstatat(dirFd, raw, &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(st.st_mode)) return;
        into->push_back({base + name, std::int64_t(st.st_mtim.tv_sec) * 1000 + st.st_mtim.tv_nsec / 1'000'000,
                         std::int64_t(st.st_size)});
    };
    // Ours first: the index names them, whatever the folder holds besides.
    QSet<QByteArray> indexed;
    for (const Indexed& i : readIndex())
        if (!indexed.contains(i.name)) {
            indexed.insert(i.name);
            take(i.name.constData(), &out);
        }
    std::vector<GalleryEntry> others;
    if (DIR* dir = ::fdopendir(::dup(dirFd))) {
        for (int names = 0; names < kMaxGalleryNames; ++names) {
            errno = 0;
            const dirent* e = ::readdir(dir);
            if (!e) break;
            if (!indexed.contains(QByteArray(e->d_name))) take(e->d_name, &others);
        }
        ::closedir(dir);
    }
    ::close(dirFd);
    // Newest first; drawings filed in the same millisecond by their names,
    // the longer first: " (2)" is filed after the plain name, " (10)" after " (9)".
    const auto newer = [](const GalleryEntry& a, const GalleryEntry& b) {
        if (a.modifiedMs != b.modifiedMs) return a.modifiedMs > b.modifiedMs;
        if (a.path.size() != b.path.size()) return a.path.size() > b.path.size();
        return QFile::encodeName(a.path) > QFile::encodeName(b.path);
    };
    // The others fill what the listing has left, newest first.
    const std::size_t room = std::size_t(kMaxGalleryNames) - std::min(out.size(), std::size_t(kMaxGalleryNames));
    if (others.size() > room) {
        std::partial_sort(others.begin(), others.begin() + std::ptrdiff_t(room), others.end(), newer);
        others.resize(room);
    }
    out.insert(out.end(), others.begin(), others.end());
    std::sort(out.begin(), out.end(), newer);
    return out;
}

GalleryFiling GalleryFolder::file(const QImage& drawing, const std::string& story,
                                  const std::vector<StoryPicture>& pictures, Language language) {
    GalleryFiling out;
    // The same pixels filed or saved before: that drawing is this one, and
    // the gallery shows it once.
    const QByteArray key = PixelKey(drawing);
    out.path = holding(drawing, key);
    if (!out.path.isEmpty()) return out;
    const QByteArray png = EncodeDrawingPng(drawing, story, pictures, &out.why);
    if (png.isEmpty()) return out;
    return fileBytes(png, language, key);
}

GalleryFiling GalleryFolder::fileBytes(const QByteArray& png, Language language, const QByteArray& pixels) {
    if (!mustExist_.isEmpty() && !QFileInfo(mustExist_).isDir()) return {{}, SystemWords(ENOENT)};
    const GalleryFiling out = WriteNew(folder_, now_ ? now_() : QDateTime::currentDateTime(), png, language);
    if (!out.path.isEmpty() && !pixels.isEmpty()) addToIndex(pixels, out.path);
    return out;
}

QByteArray GalleryFolder::PixelKey(const QImage& drawing) {
    const QImage rgb = drawing.convertToFormat(QImage::Format_RGB888);
    QCryptographicHash hash(QCryptographicHash::Sha1);
    hash.addData(QByteArray::number(rgb.width()) + 'x' + QByteArray::number(rgb.height()) + '\n');
    const qsizetype row = qsizetype(rgb.width()) * 3;  // the padding at a line's end is no pixel
    for (int y = 0; y < rgb.height(); ++y)
        hash.addData(QByteArrayView(reinterpret_cast<const char*>(rgb.constScanLine(y)), row));
    return hash.result().toHex();
}

std::vector<GalleryFolder::Indexed> GalleryFolder::readIndex() const {
    std::vector<Indexed> out;
    const int dir = OpenFolder(QFile::encodeName(folder_));
    if (dir < 0) return out;
    QByteArray text;
    const bool read = ReadSmallFileAt(dir, kIndexName, kMaxIndexBytes, &text);
    ::close(dir);
    if (!read) return out;
    for (const QByteArray& line : text.split('\n')) {
        const qsizetype space = line.indexOf(' ');
        if (space != 40) continue;
        const QByteArray key = line.left(space), name = line.mid(space + 1);
        if (!std::all_of(key.begin(), key.end(), [](char c) { return std::isxdigit(static_cast<unsigned char>(c)); }) ||
            !IndexableName(name))
            continue;
        out.push_back({key.toLower(), name});
    }
    if (out.size() > std::size_t(kMaxIndexed)) out.erase(out.begin(), out.end() - kMaxIndexed);
    return out;
}

void GalleryFolder::addToIndex(const QByteArray& key, const QString& path) {
    const QByteArray name = QFile::encodeName(QFileInfo(path).fileName());
    if (!IndexableName(name) || QFile::decodeName(name) != QFileInfo(path).fileName()) return;
    std::vector<Indexed> index = readIndex();
    index.erase(std::remove_if(index.begin(), index.end(), [&](const Indexed& i) { return i.name == name; }),
                index.end());
    index.push_back({key, name});
    if (index.size() > std::size_t(kMaxIndexed)) index.erase(index.begin(), index.end() - kMaxIndexed);
    QByteArray text;
    for (const Indexed& i : index) text += i.key + ' ' + i.name + '\n';
    // Not kept: the drawing still lies in the folder, only its listing among
    // thousands of strangers and the check against a second copy are lost.
    WriteFileSafely(QDir(folder_).filePath(QLatin1String(kIndexName)), text, nullptr, 0644);
}

QString GalleryFolder::holding(const QImage& drawing) { return holding(drawing, PixelKey(drawing)); }

QString GalleryFolder::holding(const QImage& drawing, const QByteArray& key) {
    const std::vector<Indexed> index = readIndex();
    QImage rgb;
    for (auto i = index.rbegin(); i != index.rend(); ++i) {
        if (i->key != key) continue;
        const QString path = QDir(folder_).absoluteFilePath(QFile::decodeName(i->name));
        PictureRefusal why = PictureRefusal::None;
        const QByteArray bytes = ReadPictureFile(path, &why, PictureLimits::kMaxFileBytes, Links::Refuse);
        if (why != PictureRefusal::None) continue;
        // Decoded only when it claims the drawing's very size.
        if (CheckPicture(bytes, &why).size != drawing.size() || why != PictureRefusal::None) continue;
        const PictureResult decoded = DecodePicture(bytes);
        if (decoded.refusal != PictureRefusal::None) continue;
        if (rgb.isNull()) rgb = drawing.convertToFormat(QImage::Format_RGB888);
        if (decoded.image.convertToFormat(QImage::Format_RGB888) == rgb) return path;
    }
    return {};
}

void GalleryFolder::noteSaved(const QString& path, const QImage& drawing) {
    if (QDir(QFileInfo(path).absolutePath()) == QDir(folder_)) addToIndex(PixelKey(drawing), path);
}

bool GalleryFolder::hold(const QByteArray& png) {
    if (png.isEmpty()) return false;
    held_.push_back(png);
    const bool full = held_.size() > std::size_t(kMaxHeld);
    while (held_.size() > std::size_t(kMaxHeld)) held_.pop_front();
    return full;
}

int GalleryFolder::fileHeld(const QString& folder, Language language) {
    const bool ours = folder.isEmpty() || QDir(folder) == QDir(folder_);
    while (!held_.empty()) {
        const QByteArray& png = held_.front();
        const GalleryFiling filed =
            ours ? fileBytes(png, language, PixelKey(DecodePicture(png).image))
                 : WriteNew(folder, now_ ? now_() : QDateTime::currentDateTime(), png, language);
        if (filed.path.isEmpty()) break;
        held_.pop_front();
    }
    return int(held_.size());
}

bool GalleryFolder::trash(const QString& path) {
    // Only a drawing of this folder, and only a regular file, goes.
    const QFileInfo info(path);
    if (info.isSymLink() || !info.isFile() || QDir(info.absolutePath()) != QDir(folder_)) return false;
    return QFile::moveToTrash(path);
}

}  // namespace pintaloo
