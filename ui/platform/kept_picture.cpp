// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/platform/kept_picture.h"

#include <QByteArray>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pintaloo {

namespace {

// Pictures of words are a few kilobytes; nothing near this is ever asked for.
constexpr qint64 kMostPixels = 1 << 20;

// The file: a line naming the format, the key's length and the key, the
// width and height, then the premultiplied ARGB rows packed by zlib (Qt's
// qCompress). Not PNG: Qt's image reader looks through every image plugin
// installed, and loaded four of them and libjpeg at start, slower than
// the fonts this saves waiting for.
constexpr char kFormat[] = "pintaloo picture 1\n";

void PutNumber(QByteArray& out, quint32 n) {
    for (const int shift : {24, 16, 8, 0}) out.append(char((n >> shift) & 0xff));
}

QByteArray Header(const QByteArray& key, QSize pixels) {
    QByteArray header(kFormat);
    PutNumber(header, quint32(key.size()));
    header += key;
    PutNumber(header, quint32(pixels.width()));
    PutNumber(header, quint32(pixels.height()));
    return header;
}

// zlib's worst case is its input plus a little; anything longer is not ours.
qint64 MostBytes(QSize pixels, qint64 keyBytes) {
    const qint64 raw = qint64(pixels.width()) * pixels.height() * 4;
    return qint64(sizeof kFormat) + 12 + keyBytes + 4 + raw + raw / 1000 + 64;
}

QByteArray ReadRegularFile(const QString& path, qint64 most) {
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return {};
    struct stat st {};
    QByteArray bytes;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0 && st.st_size <= most) {
        bytes.resize(qsizetype(st.st_size));
        qsizetype got = 0;
        while (got < bytes.size()) {
            const ssize_t n = ::read(fd, bytes.data() + got, size_t(bytes.size() - got));
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) break;
            got += n;
        }
        if (got != bytes.size()) bytes.clear();  // shrank while read
    }
    ::close(fd);
    return bytes;
}

bool WriteAll(int fd, const QByteArray& bytes) {
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, data, size_t(left));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        data += n;
        left -= n;
    }
    return true;
}

// `folder` is a real folder (a link to one does not count), made private when missing.
bool EnsureFolder(const QString& folder) {
    const QByteArray native = QFile::encodeName(folder);
    struct stat st {};
    if (::lstat(native.constData(), &st) == 0) return S_ISDIR(st.st_mode);
    if (!QDir().mkpath(folder)) return false;
    ::chmod(native.constData(), 0700);
    return ::lstat(native.constData(), &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace

QImage ReadKeptPicture(const QString& path, const QString& key, QSize pixels) {
    if (pixels.isEmpty() || qint64(pixels.width()) * pixels.height() > kMostPixels) return {};
    const QByteArray wantedKey = key.toUtf8();
    const QByteArray bytes = ReadRegularFile(path, MostBytes(pixels, wantedKey.size()));
    // The header and the key are compared before anything is unpacked.
    const QByteArray header = Header(wantedKey, pixels);
    if (bytes.size() <= header.size() + 4 || !bytes.startsWith(header)) return {};
    const QByteArray packed = bytes.mid(header.size());
    const qint64 rawBytes = qint64(pixels.width()) * pixels.height() * 4;
    // zlib's packing starts with the unpacked size (4 bytes, big-endian).
    const auto* size = reinterpret_cast<const uchar*>(packed.constData());
    if ((qint64(size[0]) << 24 | size[1] << 16 | size[2] << 8 | size[3]) != rawBytes) return {};
    const QByteArray raw = qUncompress(packed);
    if (raw.size() != rawBytes) return {};
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) return {};
    const qsizetype row = qsizetype(pixels.width()) * 4;
    for (int y = 0; y < pixels.height(); ++y) std::memcpy(image.scanLine(y), raw.constData() + y * row, size_t(row));
    return image;
}

bool KeepPicture(const QString& path, const QString& key, const QImage& image) {
    if (image.isNull() || qint64(image.width()) * image.height() > kMostPixels) return false;
    const QString folder = QFileInfo(path).path();
    if (!EnsureFolder(folder)) return false;

    const QImage pixels = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const qsizetype row = qsizetype(pixels.width()) * 4;
    QByteArray raw(row * pixels.height(), Qt::Uninitialized);
    for (int y = 0; y < pixels.height(); ++y) std::memcpy(raw.data() + y * row, pixels.constScanLine(y), size_t(row));
    const QByteArray bytes = Header(key.toUtf8(), pixels.size()) + qCompress(raw, 9);
    // mkstemp makes a new file (never a link's target); the rename then
    // replaces whatever stands at `path`, a link included, without following it.
    QByteArray temporary = QFile::encodeName(path) + ".part-XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) return false;
    const bool written = WriteAll(fd, bytes);
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || ::rename(temporary.constData(), QFile::encodeName(path).constData()) != 0) {
        ::unlink(temporary.constData());
        return false;
    }
    return true;
}

QString FontSetupStamp() {
    const QString home = QDir::homePath();
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    const std::vector<QString> places = {
        QStringLiteral("/etc/fonts"),
        QStringLiteral("/etc/fonts/conf.d"),
        QStringLiteral("/etc/fonts/fonts.conf"),
        QStringLiteral("/var/cache/fontconfig"),
        cache + QStringLiteral("/fontconfig"),
        data + QStringLiteral("/fonts"),
        home + QStringLiteral("/.fonts"),
        home + QStringLiteral("/.config/fontconfig"),
    };
    QString stamp;
    for (const QString& place : places) {
        struct stat st {};
        if (::stat(QFile::encodeName(place).constData(), &st) == 0)
            stamp += QStringLiteral("%1.%2;").arg(qint64(st.st_mtim.tv_sec)).arg(qint64(st.st_mtim.tv_nsec));
        else
            stamp += QStringLiteral("-;");
    }
    for (const char* variable : {"FONTCONFIG_FILE", "FONTCONFIG_PATH", "FONTCONFIG_SYSROOT"})
        stamp += QString::fromLocal8Bit(qgetenv(variable)) + QLatin1Char(';');
    return stamp;
}

}  // namespace pintaloo
