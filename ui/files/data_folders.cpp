// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/files/data_folders.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>

namespace pintaloo {

QStringList DataFolders(const QString& kind) {
    QStringList found;
    // GenericDataLocation is $XDG_DATA_HOME, then $XDG_DATA_DIRS, as the
    // freedesktop base directory rules order them.
    for (const QString& base : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation)) {
        const QString path = QDir::cleanPath(base + QStringLiteral("/pintaloo/") + kind);
        if (QFileInfo(path).isDir() && !found.contains(path)) found << path;
    }
    return found;
}

std::vector<FolderEntry> ListFolder(const QString& folder, int maxEntries, bool* truncated) {
    std::vector<FolderEntry> entries;
    if (truncated) *truncated = false;
    const int dirFd = ::open(QFile::encodeName(folder).constData(),
                             O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (dirFd < 0) return entries;
    DIR* dir = ::fdopendir(dirFd);
    if (!dir) {
        ::close(dirFd);
        return entries;
    }
    while (const dirent* e = ::readdir(dir)) {
        if (e->d_name[0] == '.') continue;
        if (int(entries.size()) >= maxEntries) {
            if (truncated) *truncated = true;
            break;
        }
        // lstat through the folder we hold: a link is seen as a link, and a
        // name swapped after readdir cannot lead elsewhere.
        struct stat st {};
        if (::fstatat(dirFd, e->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0) continue;
        const bool isFolder = S_ISDIR(st.st_mode);
        if (!isFolder && !S_ISREG(st.st_mode)) continue;
        const std::int64_t changed =
            std::max(std::int64_t(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec,
                     std::int64_t(st.st_ctim.tv_sec) * 1'000'000'000 + st.st_ctim.tv_nsec);
        entries.push_back({QFile::decodeName(e->d_name), isFolder, std::int64_t(st.st_size), changed});
    }
    ::closedir(dir);  // closes dirFd too
    std::sort(entries.begin(), entries.end(),
              [](const FolderEntry& a, const FolderEntry& b) { return a.name.toUtf8() < b.name.toUtf8(); });
    return entries;
}

}  // namespace pintaloo
