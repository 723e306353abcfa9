// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/files/picture_writer.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

#include "ui/words/texts.h"

namespace pintaloo {

namespace {

struct Ending {
    const char* suffix;  // lower case
    SaveFormat format;
    const char* qtFormat;
};
constexpr Ending kEndings[] = {
    {"bmp", SaveFormat::Bmp, "bmp"},
    {"png", SaveFormat::Png, "png"},
    {"jpg", SaveFormat::Jpeg, "jpeg"},
    {"jpeg", SaveFormat::Jpeg, "jpeg"},
};
constexpr int kJpegQuality = 95;

const Ending* EndingFor(SaveFormat format) {
    for (const Ending& e : kEndings)
        if (e.format == format) return &e;
    return nullptr;
}

// Writes every byte or reports the system's reason. Writing straight to
// the descriptor (not through a buffer that fails later) keeps the real
// errno, so a full disk is named as one.
bool WriteAllTo(int fd, const QByteArray& bytes, int* err) {
    const char* p = bytes.constData();
    qint64 left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, std::size_t(left));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            *err = n < 0 ? errno : ENOSPC;
            return false;
        }
        p += n;
        left -= n;
    }
    return true;
}

}  // namespace

SaveTarget ChooseSaveTarget(const QString& typed) {
    const QFileInfo info(typed);
    const QString name = info.fileName();
    // ".hidden" and "drawing" both count as names without an ending.
    if (name.lastIndexOf(QLatin1Char('.')) <= 0) return {typed + QStringLiteral(".bmp"), SaveFormat::Bmp};
    const QString suffix = info.suffix().toLower();
    for (const Ending& e : kEndings)
        if (suffix == QLatin1String(e.suffix)) return {typed, e.format};
    return {typed, SaveFormat::Unknown};
}

bool WritePicture(const QImage& image, const SaveTarget& target, QString* error) {
    const Ending* ending = EndingFor(target.format);
    if (!ending) {
        if (error) *error = UnknownEndingText(target.path);
        return false;
    }
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, ending->qtFormat);
        if (target.format == SaveFormat::Jpeg) writer.setQuality(kJpegQuality);
        if (!writer.write(image)) {
            if (error) *error = writer.errorString();
            return false;
        }
    }
    QSaveFile file(target.path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        if (error) *error = file.errorString();
        return false;
    }
    int err = 0;
    // fsync makes a full disk show here rather than after the rename.
    if (!WriteAllTo(int(file.handle()), bytes, &err) || (::fsync(int(file.handle())) != 0 && (err = errno) != 0)) {
        file.cancelWriting();
        if (error) *error = QString::fromLocal8Bit(std::strerror(err));
        return false;
    }
    if (!file.commit()) {
        if (error) *error = file.errorString();
        return false;
    }
    return true;
}

// The words live in the one table every language follows.
QString UnknownEndingTitle(Language language) { return Text(TextId::SaveFailedTitle, language); }

QString UnknownEndingText(const QString& typed, Language language) {
    return Text(TextId::UnknownEndingSaved, language).arg(QDir::toNativeSeparators(typed));
}

}  // namespace pintaloo
