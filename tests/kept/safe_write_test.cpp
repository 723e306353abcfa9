// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>

#include <gtest/gtest.h>

#include "app/kept_files.h"
#include "app/safe_write.h"
#include "app/state_folder_lock.h"

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

TEST(StateFolderLock, OneHolderAtATimeNeverThroughALink) {
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

    QTemporaryDir planted;
    const QString outside = planted.filePath("outside");
    QFile(outside).open(QIODevice::WriteOnly);
    ASSERT_EQ(::symlink(QFile::encodeName(outside), QFile::encodeName(planted.filePath(StateFolderLock::kFileName))),
              0);
    const StateFolderLock refused(planted.path());
    EXPECT_FALSE(refused.held());
    EXPECT_FALSE(refused.heldByAnother());
    EXPECT_NE(refused.trouble(), 0);
}

// Only copies the story names stay, with a few used last within a size.
TEST(PictureCopies, PruningKeepsWhatIsNamedAndABoundedFew) {
    QTemporaryDir tmp;
    QStringList made;
    for (int i = 0; i < 10; ++i) {
        const QString name = QStringLiteral("picture-%1.png").arg(i, 16, 10, QLatin1Char('0'));
        QFile f(tmp.filePath(name));
        f.open(QIODevice::WriteOnly);
        f.write(QByteArray(i == 8 ? kSpareCopyBytes : 1000, 'p'));  // one too large to keep spare
        f.close();
        // Used in order: 9 last.
        const timespec times[2] = {{1000 + i, 0}, {1000 + i, 0}};
        ::utimensat(AT_FDCWD, QFile::encodeName(tmp.filePath(name)).constData(), times, 0);
        made << name;
    }
    QFile(tmp.filePath("drawing.png")).open(QIODevice::WriteOnly);  // not a copy: never pruned
    const QString story = "start picture " + made[0] + "\n";
    EXPECT_EQ(PrunePictureCopies(tmp.path(), story), 10 - 1 - kSpareCopies);
    const QStringList left = QDir(tmp.path()).entryList({"picture-*"}, QDir::Files, QDir::Name);
    EXPECT_EQ(left, (QStringList{made[0], made[5], made[6], made[7], made[9]}));
    EXPECT_TRUE(QFile::exists(tmp.filePath("drawing.png")));
}

}  // namespace
}  // namespace pintaloo
