// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/platform/temp_folder.h"

#include <QDir>
#include <QStandardPaths>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace pintaloo {

namespace {

constexpr const char* kFolderName = "pintaloo-tmp";

// A real directory (not a link to one) owned by us?
bool isOurDirectory(const std::string& dir) {
    struct stat st {};
    return ::lstat(dir.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::geteuid();
}

// Empties and deletes a folder of ours. Read-only files go with their folder
// on POSIX, but a read-only sub-folder would keep its contents, so every
// folder is opened up before its entries are removed. Links are removed as
// links, never followed.
void removeTree(const fs::path& dir) {
    ::chmod(dir.c_str(), S_IRWXU);
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code statError;
        if (fs::is_directory(it->symlink_status(statError)) && !statError) removeTree(it->path());
    }
    fs::remove_all(dir, ec);
}

}  // namespace

bool ensurePrivateFolder(const std::string& dir) {
    if (dir.empty()) return false;

    // The parents are ordinary folders (say ~/.cache on a fresh account) that
    // may simply not exist yet; a real problem shows up in mkdir below.
    std::error_code ec;
    const fs::path folder(dir);
    if (folder.has_parent_path()) fs::create_directories(folder.parent_path(), ec);

    // Something that is not a directory in our place (a stray file, or a link
    // that could point anywhere) is removed; unlink() removes a link itself.
    bool ready = false;
    for (int attempt = 0; attempt < 3 && !ready; ++attempt) {
        if (::mkdir(dir.c_str(), S_IRWXU) == 0 || errno == EEXIST) {
            struct stat st {};
            if (::lstat(dir.c_str(), &st) != 0) continue;  // vanished in between: try again
            if (S_ISDIR(st.st_mode)) {
                ready = true;
            } else if (::unlink(dir.c_str()) != 0) {
                return false;
            }
        } else {
            return false;
        }
    }
    if (!ready) return false;

    // Check and fix the folder through a descriptor opened without following
    // links, so nothing can be swapped in between the check and the chmod.
    const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat st {};
    bool ok = ::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::geteuid();
    if (ok && (st.st_mode & 07777) != S_IRWXU) ok = ::fchmod(fd, S_IRWXU) == 0;
    ::close(fd);
    return ok && ::access(dir.c_str(), W_OK | X_OK) == 0;
}

bool removeWhateverIsAt(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) return errno == ENOENT;
    if (S_ISDIR(st.st_mode))
        removeTree(path);
    else
        ::unlink(path.c_str());
    return ::lstat(path.c_str(), &st) != 0 && errno == ENOENT;
}

TempFolder::TempFolder() : TempFolder(defaultCandidates()) {}

TempFolder::TempFolder(std::vector<std::string> candidateFolders) : m_candidates(std::move(candidateFolders)) {}

std::vector<std::string> TempFolder::defaultCandidates() {
    std::vector<std::string> folders;

    // Per-user tmpfs, private by design and emptied at logout.
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && runtime[0] == '/')
        folders.push_back(std::string(runtime) + '/' + kFolderName);

    std::string cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation).toStdString();
    if (cache.empty()) {
        if (const char* home = std::getenv("HOME"); home && home[0] == '/') cache = std::string(home) + "/.cache";
    }
    if (!cache.empty()) folders.push_back(cache + '/' + kFolderName);

    // The system temp folder is shared by all users: the user id in the name
    // keeps one user's folder from locking out the next.
    folders.push_back(QDir::tempPath().toStdString() + '/' + kFolderName + '-' + std::to_string(::geteuid()));
    return folders;
}

const std::string& TempFolder::path() {
    if (!m_chosen) {
        m_chosen = true;
        for (const std::string& candidate : m_candidates) {
            if (ensurePrivateFolder(candidate)) {
                m_path = candidate;
                break;
            }
        }
    }
    return m_path;
}

std::string TempFolder::fileFor(int number, const char* ext) {
    const std::string& folder = path();
    if (folder.empty()) return {};
    return folder + "/tmpfile" + std::to_string(number) + (ext ? ext : "");
}

void TempFolder::removeAll() {
    for (const std::string& candidate : m_candidates) {
        if (!isOurDirectory(candidate)) continue;
        if (candidate != m_path || m_spared.empty()) {
            removeTree(candidate);
            continue;
        }
        // The folder in use stays, emptied around what is spared.
        ::chmod(candidate.c_str(), S_IRWXU);
        std::vector<fs::directory_entry> entries;
        std::error_code ec;
        for (fs::directory_iterator it(candidate, ec), end; !ec && it != end; it.increment(ec)) {
            if (std::find(m_spared.begin(), m_spared.end(), it->path().filename().string()) == m_spared.end())
                entries.push_back(*it);
        }
        for (const fs::directory_entry& entry : entries) {
            std::error_code entryError;
            if (fs::is_directory(entry.symlink_status(entryError)) && !entryError)
                removeTree(entry.path());
            else
                fs::remove(entry.path(), entryError);  // a link goes as a link
        }
    }
}

void TempFolder::spare(std::string fileName) { m_spared.push_back(std::move(fileName)); }

}  // namespace pintaloo
