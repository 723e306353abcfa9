// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDataStream>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <string>

#include <sys/stat.h>

namespace pintaloo::test {

// A fresh folder for one test, removed afterwards.
struct Scratch {
    QTemporaryDir dir;
    std::string path() const { return dir.path().toStdString(); }
    std::string operator/(const std::string& name) const { return path() + '/' + name; }
};

inline QByteArray readFile(const std::string& path) {
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void writeFile(const std::string& path, const QByteArray& bytes) {
    QFile file(QString::fromStdString(path));
    if (file.open(QIODevice::WriteOnly)) file.write(bytes);
}

inline bool exists(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

// Permission bits of `path` itself (links not followed).
inline unsigned modeOf(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 ? st.st_mode & 07777u : 0u;
}

// The original of an embedded file, e.g. "sounds/snd_102_click.wav".
inline std::string originalMedia(const std::string& relative) {
    return std::string(PINTALOO_RESOURCE_DIR) + '/' + relative;
}

// A 16-bit stereo wave of one constant level: in the output it is easy to
// tell whether it played once, restarted, or mixed with itself.
inline QByteArray constantWave(int rate, double seconds, int16_t level) {
    const auto frames = static_cast<quint32>(rate * seconds);
    QByteArray wave;
    QDataStream out(&wave, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + frames * 4);
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(2) << quint32(rate) << quint32(rate * 4) << quint16(4) << quint16(16);
    out.writeRawData("data", 4);
    out << quint32(frames * 4);
    for (quint32 i = 0; i < frames * 2; ++i) out << qint16(level);
    return wave;
}

}  // namespace pintaloo::test
