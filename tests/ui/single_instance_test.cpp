// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// One running copy per user: the lock lives in the user's private folder,
// and nothing another user plants can keep the program from starting.
#include <QCoreApplication>
#include <QFile>
#include <QLockFile>
#include <QSysInfo>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <cerrno>
#include <csignal>

#include <pwd.h>
#include <sys/stat.h>
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
    TempFolder folder({at("private")});
    SingleInstance running(folder);
    std::optional<QString> heard;
    running.onKnock = [&heard](const QString& token) { heard = token; };
    const struct {
        QString sent, heard;
    } cases[] = {
        {QStringLiteral("weston-7_a.B"), QStringLiteral("weston-7_a.B")},
        {QString(), QString()},
        {QStringLiteral("two words"), QString()},
        {QStringLiteral("line\nbreak"), QString()},
        {QString(600, QLatin1Char('x')), QString()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sent.left(20).toStdString());
        heard.reset();
        SingleInstance later(folder);
        ASSERT_TRUE(later.anotherIsRunning());
        ASSERT_TRUE(later.knock(c.sent));
        for (int i = 0; i < 200 && !heard; ++i) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        ASSERT_TRUE(heard.has_value()) << "the running copy heard no knock";
        EXPECT_EQ(*heard, c.heard);
    }
}

}  // namespace
}  // namespace pintaloo
