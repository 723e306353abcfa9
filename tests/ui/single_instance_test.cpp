// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// One running copy per user: the lock lives in the user's private folder,
// and nothing another user plants can keep the program from starting.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLockFile>
#include <QStringList>
#include <QSysInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <cerrno>
#include <csignal>

#include <pwd.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include "ui/platform/platform_services.h"
#include "ui/platform/temp_folder.h"

namespace pintaloo {
namespace {

constexpr uid_t kSomeoneElse = 65534;  // nobody

// Sets an environment variable (or removes it) for one scope.
class EnvFor {
public:
    EnvFor(const char* name, std::optional<std::string> value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value)
            ::setenv(name, value->c_str(), 1);
        else
            ::unsetenv(name);
    }
    ~EnvFor() {
        if (old_)
            ::setenv(name_, old_->c_str(), 1);
        else
            ::unsetenv(name_);
    }
    EnvFor(const EnvFor&) = delete;
    EnvFor& operator=(const EnvFor&) = delete;

private:
    const char* name_;
    std::optional<std::string> old_;
};

class SingleInstanceTest : public ::testing::Test {
protected:
    QTemporaryDir scratch;
    std::vector<std::unique_ptr<QLockFile>> heldLocks;  // planted locks, live for the test
    std::string at(const std::string& name) { return scratch.path().toStdString() + '/' + name; }
    static bool isRoot() { return ::geteuid() == 0; }
};

TEST_F(SingleInstanceTest, ALiveCopyOfOursStopsTheNextAndOnlyThat) {
    TempFolder folder({at("private")});
    {
        SingleInstance first(folder);
        EXPECT_FALSE(first.anotherIsRunning());
        struct stat st {};
        ASSERT_EQ(::lstat((folder.path() + "/pintaloo.lock").c_str(), &st), 0) << "no lock in the private folder";
        SingleInstance second(folder);
        EXPECT_TRUE(second.anotherIsRunning());
    }
    // The first is gone: the next one runs.
    SingleInstance third(folder);
    EXPECT_FALSE(third.anotherIsRunning());
}

TEST_F(SingleInstanceTest, ALockLeftByACrashIsTakenOver) {
    TempFolder folder({at("private")});
    ASSERT_FALSE(folder.path().empty());
    // A process id that is not running.
    pid_t gone = 0;
    for (pid_t p = 4000000; p > 3000000 && !gone; p -= 7)
        if (::kill(p, 0) != 0 && errno == ESRCH) gone = p;
    ASSERT_NE(gone, 0);
    const QByteArray left = QByteArray::number(gone) + "\npintaloo\n" + QSysInfo::machineHostName().toUtf8() + "\n";
    QFile f(QString::fromStdString(folder.path() + "/pintaloo.lock"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(left);
    f.close();
    SingleInstance next(folder);
    EXPECT_FALSE(next.anotherIsRunning());
}

// Whatever another user leaves where the lock would be, the program runs.
TEST_F(SingleInstanceTest, NothingPlantedByAnotherUserSilencesTheProgram) {
    if (!isRoot()) GTEST_SKIP() << "planting as another user needs root";
    struct Case {
        const char* what;
        std::function<void(const std::string& folder)> plant;
    };
    const Case cases[] = {
        {"the folder itself belongs to someone else",
         [](const std::string& folder) {
             ASSERT_EQ(::mkdir(folder.c_str(), 0777), 0);
             ASSERT_EQ(::chown(folder.c_str(), kSomeoneElse, kSomeoneElse), 0);
         }},
        {"a live lock owned by someone else",
         [this](const std::string& folder) {
             ASSERT_TRUE(ensurePrivateFolder(folder));
             heldLocks.push_back(std::make_unique<QLockFile>(QString::fromStdString(folder + "/pintaloo.lock")));
             ASSERT_TRUE(heldLocks.back()->tryLock(0));
             ASSERT_EQ(::chown((folder + "/pintaloo.lock").c_str(), kSomeoneElse, kSomeoneElse), 0);
         }},
        {"the lock is a link",
         [](const std::string& folder) {
             ASSERT_TRUE(ensurePrivateFolder(folder));
             ASSERT_EQ(::symlink("/etc/hostname", (folder + "/pintaloo.lock").c_str()), 0);
         }},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string folder = at("case" + std::to_string(++n));
        c.plant(folder);
        TempFolder temp({folder});
        SingleInstance instance(temp);
        EXPECT_FALSE(instance.anotherIsRunning());
    }
}

// With no runtime folder the lock once went to the shared temporary folder,
// where another user could plant a live one.
TEST_F(SingleInstanceTest, ALockPlantedInTheSharedTemporaryFolderIsIgnored) {
    const std::string shared = at("shared");
    ASSERT_EQ(::mkdir(shared.c_str(), 01777), 0);
    ASSERT_EQ(::chmod(shared.c_str(), 01777), 0);
    QLockFile planted(QString::fromStdString(shared + "/pintaloo.lock"));
    ASSERT_TRUE(planted.tryLock(0));
    if (isRoot()) {
        // The runtime folder Qt would make up in its place, taken first.
        const passwd* me = ::getpwuid(::geteuid());
        ASSERT_NE(me, nullptr);
        const std::string runtime = shared + "/runtime-" + me->pw_name;
        ASSERT_EQ(::mkdir(runtime.c_str(), 0700), 0);
        ASSERT_EQ(::chown(runtime.c_str(), kSomeoneElse, kSomeoneElse), 0);
        ASSERT_EQ(::chown((shared + "/pintaloo.lock").c_str(), kSomeoneElse, kSomeoneElse), 0);
    }
    const QByteArray plantedBytes = [&] {
        QFile f(QString::fromStdString(shared + "/pintaloo.lock"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();

    EnvFor noRuntime("XDG_RUNTIME_DIR", std::nullopt);
    EnvFor tmp("TMPDIR", shared);
    EnvFor home("HOME", at("home"));
    EnvFor cache("XDG_CACHE_HOME", at("home/.cache"));
    TempFolder temp;
    SingleInstance instance(temp);
    EXPECT_FALSE(instance.anotherIsRunning()) << "a planted lock silenced the program";
    EXPECT_EQ(temp.path(), at("home/.cache/pintaloo-tmp"));
    struct stat st {};
    EXPECT_EQ(::lstat((temp.path() + "/pintaloo.lock").c_str(), &st), 0) << "the lock is not in the private folder";
    QFile f(QString::fromStdString(shared + "/pintaloo.lock"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), plantedBytes) << "the planted file was touched";
}

// Qt's complaints, caught for one scope.
class CaughtWarnings {
public:
    CaughtWarnings() { previous_ = qInstallMessageHandler(&CaughtWarnings::catchOne); }
    ~CaughtWarnings() { qInstallMessageHandler(previous_); }
    CaughtWarnings(const CaughtWarnings&) = delete;
    CaughtWarnings& operator=(const CaughtWarnings&) = delete;
    static inline QStringList caught;

private:
    static void catchOne(QtMsgType, const QMessageLogContext&, const QString& text) { caught << text; }
    QtMessageHandler previous_;
};

// The clean-up at quit empties the private folder while the copy still runs:
// its lock stays (a start during the quit is still turned away) and goes,
// with the folder, when the copy lets it go, without a word from Qt.
TEST_F(SingleInstanceTest, TheQuitEmptiesTheFolderAroundTheLockWhichGoesLast) {
    TempFolder folder({at("private")});
    auto running = std::make_unique<SingleInstance>(folder);
    ASSERT_FALSE(running->anotherIsRunning());
    const std::string sound = folder.fileFor(7, ".mp3");
    QFile f(QString::fromStdString(sound));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();

    folder.removeAll();
    struct stat st {};
    EXPECT_NE(::lstat(sound.c_str(), &st), 0) << "the unpacked sound outlived the clean-up";
    EXPECT_TRUE(SingleInstance(folder).anotherIsRunning()) << "the lock went before the copy";

    CaughtWarnings warnings;
    CaughtWarnings::caught.clear();
    running.reset();
    EXPECT_TRUE(CaughtWarnings::caught.isEmpty()) << qPrintable(CaughtWarnings::caught.join('\n'));
    EXPECT_NE(::lstat(at("private").c_str(), &st), 0) << "the emptied folder is left behind";
}

// A later start knocks; the running copy hears it with the launcher's token,
// and only a token that is a plain short word gets through.
TEST_F(SingleInstanceTest, ALaterStartKnocksWithItsToken) {
    const struct {
        QString sent, heard;
    } cases[] = {
        {QStringLiteral("weston-7_a.B"), QStringLiteral("weston-7_a.B")},
        {QString(), QString()},
        {QStringLiteral("two words"), QString()},
        {QStringLiteral("line\nbreak"), QString()},
        {QString(600, QLatin1Char('x')), QString()},
    };
    int n = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sent.left(20).toStdString());
        // A copy of its own for each: a copy comes to the front at most once a second.
        TempFolder folder({at("private" + std::to_string(++n))});
        SingleInstance running(folder);
        std::optional<QString> heard;
        running.onKnock = [&heard](const QString& token) { heard = token; };
        SingleInstance later(folder);
        ASSERT_TRUE(later.anotherIsRunning());
        ASSERT_TRUE(later.knock(c.sent));
        for (int i = 0; i < 200 && !heard; ++i) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        ASSERT_TRUE(heard.has_value()) << "the running copy heard no knock";
        EXPECT_EQ(*heard, c.heard);
    }
}

// Sends a raw datagram to a running copy's door, as any process may; false
// when its queue is full.
bool SendToDoor(int fd, const std::string& folder, const QByteArray& bytes) {
    sockaddr_un address{AF_UNIX, {}};
    std::snprintf(address.sun_path, sizeof(address.sun_path), "%s/pintaloo.door", folder.c_str());
    return ::sendto(fd, bytes.constData(), std::size_t(bytes.size()), MSG_NOSIGNAL,
                    reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == bytes.size();
}

void Settle(int ms) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

// Only a later start's knock is heard: other datagrams do not bring the
// window up. A flood of knocks (longer than a second) brings it up at most
// once a second, and is not read (nor the window's thread woken) once a
// datagram: the door takes in no more than a batch a rest and its queue.
TEST_F(SingleInstanceTest, TheDoorHearsOnlyAKnockAndAFloodAtMostOnceASecond) {
    TempFolder folder({at("private")});
    SingleInstance running(folder);
    std::vector<std::int64_t> raisedAt;
    QElapsedTimer clock;
    clock.start();
    running.onKnock = [&](const QString&) { raisedAt.push_back(clock.elapsed()); };
    const int fd = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    for (const QByteArray& stranger :
         {QByteArray(), QByteArray("hello\n"), QByteArray("pintaloo-knock"), QByteArray("pintaloo-knock\ntwo words"),
          "pintaloo-knock\n" + QByteArray(600, 'x')})
        ASSERT_TRUE(SendToDoor(fd, folder.path(), stranger));
    Settle(150);
    EXPECT_TRUE(raisedAt.empty()) << "a stranger's datagram was heard as a knock";
    int sent = 0;
    clock.restart();
    while (clock.elapsed() < 1300 && sent < 200000) {
        for (int burst = 0; burst < 200 && SendToDoor(fd, folder.path(), "pintaloo-knock\n"); ++burst) ++sent;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 2);
    }
    const std::int64_t floodMs = clock.elapsed();
    Settle(1100);  // a knock inside the last second is answered when it is over
    ::close(fd);
    QFile qlen(QStringLiteral("/proc/sys/net/unix/max_dgram_qlen"));
    const int queue = qlen.open(QIODevice::ReadOnly) ? qlen.readAll().trimmed().toInt() + 1 : 513;
    EXPECT_LE(sent, queue + 64 * (2 + floodMs / 100)) << "the door was read as fast as the flood came";
    ASSERT_FALSE(raisedAt.empty()) << "the knocks were never answered";
    EXPECT_LE(raisedAt.size(), std::size_t(1 + clock.elapsed() / 1000)) << sent << " knocks";
    for (std::size_t i = 1; i < raisedAt.size(); ++i) EXPECT_GE(raisedAt[i] - raisedAt[i - 1], 990);
}

// A folder, pipe, link or stray socket where the lock or the door belongs
// (in our private folder: only we could have put it there) is removed: one
// copy runs, and a later start's knock reaches it.
TEST_F(SingleInstanceTest, WhatIsPlantedAtTheLockOrTheDoorIsRemoved) {
    const std::function<int(const char*)> plants[] = {
        [](const char* at) { return ::mkdir(at, 0700) + ::mkdir((std::string(at) + "/in").c_str(), 0500); },
        [](const char* at) { return ::mkfifo(at, 0600); },
        [](const char* at) { return ::symlink("/etc/hostname", at); },
        [](const char* at) { return ::mknod(at, S_IFSOCK | 0600, 0); },
    };
    int n = 0;
    for (const char* name : {"pintaloo.lock", "pintaloo.door"}) {
        for (const auto& plant : plants) {
            SCOPED_TRACE(std::string(name) + " case " + std::to_string(++n));
            const std::string place = at("case" + std::to_string(n));
            ASSERT_TRUE(ensurePrivateFolder(place));
            ASSERT_EQ(plant((place + '/' + name).c_str()), 0);
            TempFolder folder({place});
            SingleInstance first(folder);
            bool heard = false;
            first.onKnock = [&heard](const QString&) { heard = true; };
            SingleInstance later(folder);
            EXPECT_TRUE(later.anotherIsRunning() && !first.anotherIsRunning()) << "not one copy";
            EXPECT_TRUE(later.knock({})) << "the later start found no door";
            for (int i = 0; i < 100 && !heard; ++i) Settle(10);
            EXPECT_TRUE(heard);
        }
    }
}

}  // namespace
}  // namespace pintaloo
