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

namespace pintaloo {

StateFolderLock::StateFolderLock(const QString& folder) {
    if (folder.isEmpty()) return;
    const QByteArray path = QFile::encodeName(QDir(folder).filePath(QLatin1String(kFileName)));
    // O_NONBLOCK: a FIFO planted under the name must not hang the start.
    const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK, 0600);
    if (fd < 0) {
        trouble_ = errno;
        return;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        trouble_ = EEXIST;
        ::close(fd);
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
