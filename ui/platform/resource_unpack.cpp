// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/platform/resource_unpack.h"

#include "ui/platform/media_resources.h"
#include "ui/platform/temp_folder.h"

#include <QByteArray>
#include <QFile>

#include <cerrno>
#include <filesystem>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pintaloo {

namespace {

struct EmbeddedMedia {
    int16_t number;
    const char* path;
};

// The numbers are the ones the program's pages and tools ask for.
constexpr EmbeddedMedia kEmbedded[] = {
    // Interface sounds, played as wave files.
    {102, ":/media/sounds/snd_102_click.wav"},
    {103, ":/media/sounds/snd_103_magic.wav"},
    {104, ":/media/sounds/snd_104_pop.wav"},
    {105, ":/media/sounds/snd_105_sparkle.wav"},
    {115, ":/media/sounds/snd_115_dab.wav"},
    {122, ":/media/sounds/snd_122_hello.wav"},
    {123, ":/media/sounds/snd_123_who.wav"},
    {1011, ":/media/sounds/snd_1011_pageturn.wav"},
    {1021, ":/media/sounds/snd_1021_start.wav"},
    // Musical tones and the brush-size sound, played as MP3 music.
    {77, ":/media/sounds/snd_077_tone.mp3"},
    {81, ":/media/sounds/snd_081_tone.mp3"},
    {85, ":/media/sounds/snd_085_tone.mp3"},
    {87, ":/media/sounds/snd_087_tone.mp3"},
    {91, ":/media/sounds/snd_091_tone.mp3"},
    {95, ":/media/sounds/snd_095_tone.mp3"},
    {99, ":/media/sounds/snd_099_tone.mp3"},
    {101, ":/media/sounds/snd_101_tone.mp3"},
    {1020, ":/media/sounds/snd_1020_size.mp3"},
    // Animations.
    {1016, ":/media/animations/anim_1016.json"},
    {1017, ":/media/animations/anim_1017.json"},
    {1018, ":/media/animations/anim_1018.json"},
};

bool writeAll(int fd, const QByteArray& bytes) {
    const char* data = bytes.constData();
    auto left = static_cast<size_t>(bytes.size());
    while (left > 0) {
        const ssize_t written = ::write(fd, data, left);
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += written;
        left -= static_cast<size_t>(written);
    }
    return true;
}

// The regular file at `path` (not followed if a link) holds `bytes` and
// nothing more.
bool holdsExactly(const std::string& path, const QByteArray& bytes) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return false;
    struct stat st {};
    bool same = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size == bytes.size();
    QByteArray have(same ? bytes.size() : 0, Qt::Uninitialized);
    qsizetype got = 0;
    while (same && got < have.size()) {
        const ssize_t n = ::read(fd, have.data() + got, static_cast<size_t>(have.size() - got));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0)
            same = false;
        else
            got += n;
    }
    ::close(fd);
    return same && have == bytes;
}

}  // namespace

const char* embeddedMediaPath(int16_t number) {
    for (const EmbeddedMedia& media : kEmbedded) {
        if (media.number == number) return media.path;
    }
    return nullptr;
}

bool ExtractResource(int16_t number, const std::string& path) {
    const char* source = embeddedMediaPath(number);
    if (!source || path.empty()) return false;

    initMediaResources();
    QFile in(QString::fromLatin1(source));
    if (!in.open(QIODevice::ReadOnly)) return false;
    const QByteArray bytes = in.readAll();

    // A file already there is used only when it holds exactly these bytes:
    // one left by an older program, cut short by a full disk or changed by
    // anyone else is written anew. The sounds are small, so comparing costs
    // less than playing them.
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode)) return false;
        if (S_ISREG(st.st_mode) && holdsExactly(path, bytes)) return true;
    }

    const std::filesystem::path parent = std::filesystem::path(path).parent_path();
    const std::string folder = parent.empty() ? std::string(".") : parent.string();
    if (::access(folder.c_str(), F_OK) != 0 && !ensurePrivateFolder(folder)) return false;

    std::vector<char> temporary(path.begin(), path.end());
    const char suffix[] = ".part-XXXXXX";
    temporary.insert(temporary.end(), suffix, suffix + sizeof suffix);  // with the '\0'
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) return false;
    const bool written = writeAll(fd, bytes);
    const bool closed = ::close(fd) == 0;
    if (!written || !closed) {
        ::unlink(temporary.data());
        return false;
    }

    // rename() replaces whatever stood there (a stale file, or a link, never
    // followed) in one step; another copy of the program racing us writes
    // the same bytes.
    const bool placed = ::rename(temporary.data(), path.c_str()) == 0;
    ::unlink(temporary.data());
    return placed;
}

}  // namespace pintaloo
