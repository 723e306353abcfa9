// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include <sys/stat.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>

#include <gtest/gtest.h>

#include "ui/files/safe_write.h"
#include "ui/files/state_folder_lock.h"

namespace pintaloo {
namespace {

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Whatever sits at the name, a write either puts exactly the new bytes
// there as a regular file of its own, or is refused and changes nothing;
// no file outside is touched, and no temporary file stays.
TEST(SafeWrite, NeverThroughWhatIsPlanted) {
    QTemporaryDir tmp;
    const QString target = tmp.filePath("drawing.png"), outside = tmp.filePath("outside.txt");
    const QByteArray before = "theirs", bytes = "ours";
    auto plantFile = [&] { QFile f(outside); f.open(QIODevice::WriteOnly); f.write(before); };
    const QByteArray t = QFile::encodeName(target), o = QFile::encodeName(outside);
    struct Case {
        const char* name;
        std::function<void()> plant;
        bool written;
    };
    const Case cases[] = {
        {"nothing there", [] {}, true},
        {"an old file", [&] { QFile f(target); f.open(QIODevice::WriteOnly); f.write("old"); }, true},
        {"a second name of a file outside", [&] { ::link(o, t); }, true},
        {"a link to a file outside", [&] { ::symlink(o, t); }, false},
        {"a link to nowhere", [&] { ::symlink(QFile::encodeName(tmp.filePath("new")).constData(), t); }, false},
        {"a FIFO", [&] { ::mkfifo(t, 0600); }, false},
        {"a folder", [&] { QDir().mkpath(target); }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (const bool fresh : {false, true}) {
            plantFile();
            c.plant();
            WriteTrouble trouble;
            bool ok = false;
            if (fresh) {
                const int fd = OpenFreshFile(target, &trouble);
                ok = fd >= 0 && ::write(fd, bytes.constData(), std::size_t(bytes.size())) == bytes.size();
                if (fd >= 0) ::close(fd);
            } else {
                ok = WriteFileSafely(target, bytes, &trouble);
            }
            EXPECT_EQ(ok, c.written);
            EXPECT_EQ(trouble.error != 0, !c.written);
            if (c.written) {
                EXPECT_EQ(ReadAll(target), bytes);
            }
            EXPECT_EQ(ReadAll(outside), before);
            EXPECT_EQ(QDir(tmp.path()).entryList({".pintaloo-write-*"}, QDir::Hidden | QDir::Files).size(), 0);
            QFile::remove(target);
            QDir().rmdir(target);
            QFile::remove(tmp.filePath("new"));
        }
    }
}

TEST(StateFolderLock, OneHolderAtATime) {
    QTemporaryDir tmp;
    {
        const StateFolderLock first(tmp.path());
        ASSERT_TRUE(first.held());
        const StateFolderLock second(tmp.path());  // another copy: another open of the file
        EXPECT_FALSE(second.held());
        EXPECT_TRUE(second.heldByAnother());
    }
    const StateFolderLock after(tmp.path());  // let go when its holder ends
    EXPECT_TRUE(after.held());
}

// Whatever stands at the lock's name (planted: the folder is the user's
// own) is removed, never followed, and the lock taken: left there, it let
// every copy keep its drawing in the folder at once.
TEST(StateFolderLock, APlantedThingAtTheLocksNameIsRemovedAndTheLockTaken) {
    QTemporaryDir elsewhere;
    const QByteArray outside = QFile::encodeName(elsewhere.filePath("outside"));
    QFile(outside).open(QIODevice::WriteOnly);
    const std::function<int(const QByteArray&)> plants[] = {
        [&](const QByteArray& at) { return ::symlink(outside, at); },
        [](const QByteArray& at) { return ::mkdir(at, 0700) + ::mkdir(at + "/in", 0700) + ::chmod(at, 0500); },
        [](const QByteArray& at) { return ::mkfifo(at, 0600); },
    };
    for (const auto& plant : plants) {
        QTemporaryDir folder;
        const QByteArray at = QFile::encodeName(QDir(folder.path()).filePath(StateFolderLock::kFileName));
        ASSERT_EQ(plant(at), 0);
        const StateFolderLock first(folder.path());
        EXPECT_TRUE(first.held()) << at.constData() << ": trouble " << first.trouble();
        EXPECT_TRUE(StateFolderLock(folder.path()).heldByAnother()) << "a second copy was not kept out";
        struct stat st {};
        EXPECT_TRUE(::lstat(at, &st) == 0 && S_ISREG(st.st_mode) && ::lstat(outside, &st) == 0);
    }
}

}  // namespace
}  // namespace pintaloo
