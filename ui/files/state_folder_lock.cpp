// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/files/state_folder_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <cerrno>

#include "ui/platform/temp_folder.h"

namespace pintaloo {

namespace {

// The lock file itself, opened without following a link and without
// blocking (a FIFO planted under the name must not hang the start); -1 with
// errno set when it cannot be, EEXIST when something else stands there.
int OpenLockFile(const char* path) {
    const int fd = ::open(path, O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK, 0600);
    if (fd < 0) return -1;
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid()) return fd;
    ::close(fd);
    errno = EEXIST;
    return -1;
}

// What open says when the name holds no lock file of ours: a folder, a
// link, a pipe or socket, or a stranger's file.
bool WrongKind(int error) {
    return error == EISDIR || error == ELOOP || error == ENXIO || error == EEXIST || error == EACCES;
}

}  // namespace

StateFolderLock::StateFolderLock(const QString& folder) {
    if (folder.isEmpty()) return;
    const QByteArray path = QFile::encodeName(QDir(folder).filePath(QLatin1String(kFileName)));
    // The state folder is the user's own, so a thing of the wrong kind at the
    // lock's name was planted, and would otherwise leave every copy keeping
    // its drawing there unlocked: it is removed and the name taken. No copy
    // of ours holds a lock on such a thing, so none is taken from it.
    int fd = OpenLockFile(path.constData());
    for (int attempt = 0; fd < 0 && attempt < 2 && WrongKind(errno); ++attempt) {
        if (!removeWhateverIsAt(path.toStdString())) break;
        fd = OpenLockFile(path.constData());
    }
    if (fd < 0) {
        trouble_ = errno;
        return;
    }
    // Locks belong to the open file, so even a second lock in this same
    // process is refused: two windows of one process are two copies too.
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EINTR) continue;
        if (errno == EWOULDBLOCK)
            another_ = true;
        else
            trouble_ = errno;
        ::close(fd);
        return;
    }
    fd_ = fd;
}

StateFolderLock::~StateFolderLock() {
    if (fd_ >= 0) ::close(fd_);  // closing lets go of the lock
}

}  // namespace pintaloo
