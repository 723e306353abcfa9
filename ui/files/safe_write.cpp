// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/files/safe_write.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace pintaloo {

bool WriteAll(int fd, const char* p, std::size_t left) {
    while (left > 0) {
        const ssize_t n = ::write(fd, p, left);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) {
            errno = ENOSPC;
            return false;
        }
        p += n;
        left -= std::size_t(n);
    }
    return true;
}

namespace {

// Checks what is at `native` now: nothing, or a regular file we may
// replace. Sets errno and returns false otherwise.
bool MayReplace(const QByteArray& native) {
    struct stat st {};
    if (::lstat(native.constData(), &st) != 0) {
        if (errno == ENOENT) return true;
        return false;
    }
    if (!S_ISREG(st.st_mode)) {
        // A link or a special file: never ours to write through or to replace.
        errno = S_ISDIR(st.st_mode) ? EISDIR : EEXIST;
        return false;
    }
    // Made read-only by its owner: as the picture's own save does, leave it.
    if (::access(native.constData(), W_OK) != 0) return false;
    return true;
}

// A new regular file beside `native`, private to us: its descriptor and its
// name, or -1.
int MakeBeside(const QByteArray& native, unsigned mode, QByteArray* name) {
    const qsizetype slash = native.lastIndexOf('/');
    const QByteArray dir = slash < 0 ? QByteArray(".") : native.left(slash == 0 ? 1 : slash);
    // Short and fixed, so that a target whose name is near the length
    // limit still gets one; the target's own name is checked by the rename.
    *name = dir + "/.pintaloo-write-XXXXXX";
    const int fd = ::mkostemp(name->data(), O_CLOEXEC);
    if (fd < 0) return -1;
    if (::fchmod(fd, mode & 0777) != 0) {
        const int err = errno;
        ::close(fd);
        ::unlink(name->constData());
        errno = err;
        return -1;
    }
    return fd;
}

bool Fail(WriteTrouble* trouble, int err) {
    if (trouble) trouble->error = err != 0 ? err : EIO;
    return false;
}

}  // namespace

QString WriteTrouble::text() const { return QString::fromLocal8Bit(std::strerror(error)); }

bool WriteFileSafely(const QString& path, const QByteArray& bytes, WriteTrouble* trouble, unsigned mode) {
    const QByteArray native = QFile::encodeName(path);
    if (!MayReplace(native)) return Fail(trouble, errno);
    QByteArray temp;
    const int fd = MakeBeside(native, mode, &temp);
    if (fd < 0) return Fail(trouble, errno);
    // fsync makes a full disk show here, before the rename, not later.
    bool ok = WriteAll(fd, bytes.constData(), std::size_t(bytes.size())) && ::fsync(fd) == 0;
    int err = ok ? 0 : errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        err = errno;
    }
    if (ok && ::rename(temp.constData(), native.constData()) != 0) {
        ok = false;
        err = errno;
    }
    if (!ok) {
        ::unlink(temp.constData());
        Fail(trouble, err);
    }
    return ok;
}

int OpenFreshFile(const QString& path, WriteTrouble* trouble, unsigned mode) {
    const QByteArray native = QFile::encodeName(path);
    QByteArray temp;
    const int fd = MayReplace(native) ? MakeBeside(native, mode, &temp) : -1;
    if (fd < 0) {
        Fail(trouble, errno);
        return -1;
    }
    if (::rename(temp.constData(), native.constData()) != 0) {
        const int err = errno;
        ::close(fd);
        ::unlink(temp.constData());
        Fail(trouble, err);
        return -1;
    }
    return fd;
}

}  // namespace pintaloo
