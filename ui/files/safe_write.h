// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writing a file in a folder someone else may have planted things in (the
// state folder, the folder a picture is saved to) without ever writing
// through a link. The bytes go to a new file made beside the target
// (O_CREAT|O_EXCL, which never follows a link), are flushed to the disk,
// and the new file is renamed over the name itself: a symbolic link there
// is replaced, not followed, and a hard link's other names keep their old
// content. A target that exists and is not a regular file (a link, a
// FIFO, a folder, a device) is refused, as is one its owner made read-only.
// A failure leaves the old file as it was and no temporary file behind.
//
// Costs one fsync of the file per write; the folder is not synced (a power
// cut may lose the rename, never leave a mix of old and new).
#include <QByteArray>
#include <cstddef>
#include <QString>

namespace pintaloo {

// Why a write was refused or failed, in the system's words.
struct WriteTrouble {
    int error = 0;  // errno; 0 when all went well
    QString text() const;
};

// Writes all `left` bytes at `p` to `fd`, going on after interruptions.
// False with errno when it could not (ENOSPC when a write took nothing).
bool WriteAll(int fd, const char* p, std::size_t left);

// Writes `bytes` as the whole of `path`, atomically. False, with the reason
// in `trouble`, when the target was refused or anything failed.
bool WriteFileSafely(const QString& path, const QByteArray& bytes, WriteTrouble* trouble = nullptr,
                     unsigned mode = 0600);

// A new empty regular file put at `path` the same way (whatever was there
// is replaced, never written through), open for writing: the descriptor, or
// -1 with the reason. For files that then grow by appending.
int OpenFreshFile(const QString& path, WriteTrouble* trouble = nullptr, unsigned mode = 0600);

}  // namespace pintaloo
