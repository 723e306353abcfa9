// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include <sys/stat.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <utility>
#include <vector>

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

// Whatever stands at the lock's name (planted, since the folder is the
// user's own) is removed, never followed, and the lock is taken: left
// there, it let every copy keep its drawing in the folder at once.
TEST(StateFolderLock, APlantedThingAtTheLocksNameIsRemovedAndTheLockTaken) {
    using Plant = std::function<void(const QByteArray& at, const QString& outside)>;
    const std::vector<std::pair<const char*, Plant>> plants = {
        {"a link",
         [](const QByteArray& at, const QString& outside) { ASSERT_EQ(::symlink(QFile::encodeName(outside), at), 0); }},
        {"a read-only folder that holds a file",
         [](const QByteArray& at, const QString&) {
             ASSERT_EQ(::mkdir(at, 0700), 0);
             QFile(QString::fromLocal8Bit(at + "/inside")).open(QIODevice::WriteOnly);
             ::chmod(at, 0500);
         }},
        {"a pipe", [](const QByteArray& at, const QString&) { ASSERT_EQ(::mkfifo(at, 0600), 0); }},
    };
    for (const auto& [what, plant] : plants) {
        SCOPED_TRACE(what);
        QTemporaryDir folder, elsewhere;
        const QString outside = elsewhere.filePath("outside");
        QFile(outside).open(QIODevice::WriteOnly);
        const QByteArray at = QFile::encodeName(QDir(folder.path()).filePath(StateFolderLock::kFileName));
        plant(at, outside);
        const StateFolderLock first(folder.path());
        EXPECT_TRUE(first.held()) << "trouble " << first.trouble();
        EXPECT_TRUE(StateFolderLock(folder.path()).heldByAnother()) << "a second copy was not kept out";
        struct stat st {};
        EXPECT_TRUE(::lstat(at, &st) == 0 && S_ISREG(st.st_mode)) << "the lock is no file of its own";
        EXPECT_TRUE(QFile::exists(outside)) << "what the link pointed at went";
    }
}

}  // namespace
}  // namespace pintaloo
