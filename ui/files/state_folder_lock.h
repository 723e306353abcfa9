// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One copy of the program at a time keeps its drawing in a state folder.
// The runtime folder's lock (SingleInstance) only sees copies that share a
// runtime folder; two logins of the same user, or a second runtime folder,
// share the state folder all the same. So the state folder itself holds the
// lock: flock on `pintaloo.lock` inside it, opened without following a link
// and without blocking; anything else standing at that name (a folder, a
// link, a pipe) is removed first. The kernel lets go of it when the process ends,
// however it ends, so a crash leaves nothing stale.
//
//   StateFolderLock lock(folder);
//   if (lock.heldByAnother()) ...  // run without keeping, and say so
#include <QString>

namespace pintaloo {

class StateFolderLock {
public:
    static constexpr const char* kFileName = "pintaloo.lock";

    // An empty folder takes no lock.
    explicit StateFolderLock(const QString& folder);
    ~StateFolderLock();
    StateFolderLock(const StateFolderLock&) = delete;
    StateFolderLock& operator=(const StateFolderLock&) = delete;

    bool held() const { return fd_ >= 0; }
    // Another copy holds it: this one must keep nothing there.
    bool heldByAnother() const { return another_; }
    // Neither held nor another's (a read-only folder, a planted thing that
    // would not go, a file system without locks): errno's reason, 0 otherwise.
    int trouble() const { return trouble_; }

private:
    int fd_ = -1;
    bool another_ = false;
    int trouble_ = 0;
};

}  // namespace pintaloo
