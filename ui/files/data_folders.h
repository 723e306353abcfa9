// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Folders of things other people made for the program (stamps, colouring
// pages, background pictures): where they are looked for, and a careful
// look inside one. Anything found there may have been planted, so a listing
// never follows a link, never waits on a pipe and stops at a count.
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace pintaloo {

// `kind`'s folders, the user's own first: $XDG_DATA_HOME/pintaloo/KIND,
// then each of $XDG_DATA_DIRS/pintaloo/KIND in order (the freedesktop
// defaults when unset). Only folders that exist, each once.
QStringList DataFolders(const QString& kind);

struct FolderEntry {
    QString name;                  // the last part of the path, as the file system spells it
    bool folder = false;           // a folder; otherwise a regular file
    std::int64_t bytes = 0;        // a file's size
    std::int64_t changedNs = 0;    // last change (ctime or mtime, the later), nanoseconds since 1970
};

// The regular files and folders directly inside `folder`, sorted by name
// (bytewise, so every run and every machine sees one order). Links, pipes,
// sockets and devices are left out, as are names starting with a dot. At
// most `maxEntries` are read; `*truncated` says whether there were more.
// A folder that cannot be opened (or is itself a link) gives none.
std::vector<FolderEntry> ListFolder(const QString& folder, int maxEntries, bool* truncated = nullptr);

}  // namespace pintaloo
