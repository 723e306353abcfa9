// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/platform/settings.h"
#include "ui/programs/start_choices.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <functional>
#include <memory>

#include <sys/stat.h>

namespace pintaloo {
namespace {

// Both keepers must behave alike: the window is tested with the one in memory.
struct Keeper {
    const char* name;
    // Makes a fresh keeper, or one more over the same store ("the next run").
    std::function<std::unique_ptr<SettingsPort>(const QString& file)> open;
    bool survivesRestart;
};

const Keeper kKeepers[] = {
    {"in a file", [](const QString& f) { return std::make_unique<QSettingsPort>(f); }, true},
    {"in memory", [](const QString&) { return std::make_unique<MemorySettings>(); }, false},
};

void ExpectDefaults(const SettingsPort& s) {
    EXPECT_TRUE(s.soundOn());
    EXPECT_FALSE(s.languageOverride().has_value());
    EXPECT_FALSE(s.fullScreen());
    EXPECT_TRUE(s.lastFolder().isEmpty());
}

TEST(SettingsTest, DefaultsThenEveryValueKept) {
    for (const Keeper& k : kKeepers) {
        SCOPED_TRACE(k.name);
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        const QString file = dir.filePath(QStringLiteral("pintaloo.conf"));
        auto s = k.open(file);
        ExpectDefaults(*s);
        s->setSoundOn(false);
        s->setLanguageOverride(QStringLiteral("ge"));
        s->setFullScreen(true);
        s->setLastFolder(QString::fromUtf8("/home/ana/Imagini/Desene ăîșț"));
        EXPECT_FALSE(s->soundOn());
        EXPECT_EQ(s->languageOverride(), QStringLiteral("ge"));
        EXPECT_TRUE(s->fullScreen());
        EXPECT_EQ(s->lastFolder(), QString::fromUtf8("/home/ana/Imagini/Desene ăîșț"));
        if (!k.survivesRestart) continue;
        const auto next = k.open(file);
        EXPECT_FALSE(next->soundOn());
        EXPECT_EQ(next->languageOverride(), QStringLiteral("ge"));
        EXPECT_TRUE(next->fullScreen());
        EXPECT_EQ(next->lastFolder(), QString::fromUtf8("/home/ana/Imagini/Desene ăîșț"));
        // Turning things back is kept as well, and forgetting the language forgets it.
        next->setSoundOn(true);
        next->setFullScreen(false);
        next->setLanguageOverride(std::nullopt);
        k.open(file)->setLastFolder(QString());
        ExpectDefaults(*k.open(file));
    }
}

TEST(SettingsTest, DamagedFileReadsAsDefaultsAndStillTakesNewValues) {
    const struct {
        const char* what;
        QByteArray content;
    } cases[] = {
        {"binary junk", QByteArray("\x00\xff\xfe[[[=\x01\x02\n\xc3(", 12)},
        {"values of the wrong kind",
         "[sound]\non=perhaps\n[language]\noverride=klingon\n[window]\nfullScreen=12\n[files]\nlastFolder=@Variant("
         "\\0\\0\\0\\x7f)\n"},
        {"cut off half way", "[sound]\non=fal"},
        {"empty", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        const QString file = dir.filePath(QStringLiteral("pintaloo.conf"));
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(c.content);
        f.close();
        QSettingsPort s(file);
        ExpectDefaults(s);
        s.setSoundOn(false);
        s.setLanguageOverride(QStringLiteral("it"));
        QSettingsPort again(file);
        EXPECT_FALSE(again.soundOn());
        EXPECT_EQ(again.languageOverride(), QStringLiteral("it"));
    }
}

// Every start tells the keeper how the window is shown and whether sound is
// on; a value it already holds is not written again (no file for the
// defaults, no rewrite of the file a parent may have edited by hand).
TEST(SettingsTest, AValueAlreadyHeldIsNotWrittenAgain) {
    const struct {
        const char* what;
        std::function<void(SettingsPort&)> set;
    } cases[] = {
        {"full screen as it is", [](SettingsPort& s) { s.setFullScreen(s.fullScreen()); }},
        {"sound as it is", [](SettingsPort& s) { s.setSoundOn(s.soundOn()); }},
        {"the same folder", [](SettingsPort& s) { s.setLastFolder(s.lastFolder()); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        const QString file = dir.filePath(QStringLiteral("pintaloo.conf"));
        if (std::string(c.what) != "the same folder") {
            QSettingsPort fresh(file);
            c.set(fresh);
            EXPECT_FALSE(QFile::exists(file)) << "a default needs no file";
        }
        {
            QSettingsPort first(file);
            first.setSoundOn(false);
            first.setFullScreen(true);
            first.setLastFolder(QStringLiteral("/home/ana"));
        }
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::Append));
        f.write("; a note by hand\n");  // gone if the file is written anew
        f.close();
        QSettingsPort next(file);
        c.set(next);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_TRUE(f.readAll().contains("; a note by hand"));
        f.close();
        // A change is still written at once.
        next.setFullScreen(false);
        EXPECT_FALSE(QSettingsPort(file).fullScreen());
    }
}

TEST(SettingsTest, UnusableFileDoesNotStopTheProgram) {
    // A folder where the file should be: nothing can be read or written.
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString blocked = dir.filePath(QStringLiteral("pintaloo.conf"));
    ASSERT_TRUE(QDir().mkdir(blocked));
    QSettingsPort s(blocked);
    ExpectDefaults(s);
    s.setSoundOn(false);  // not kept, but no crash and no exception
    s.setLastFolder(QStringLiteral("/tmp"));
    EXPECT_TRUE(QFileInfo(blocked).isDir());
}

TEST(SettingsTest, LanguageKeptInTheProgramsOwnCode) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath(QStringLiteral("pintaloo.conf"));
    const struct {
        const char* stored;
        std::optional<QString> read;
    } rows[] = {{"de", QStringLiteral("ge")},
                {"es_ES", QStringLiteral("sp")},
                {"ro", QStringLiteral("ro")},
                {"pt_BR", QStringLiteral("pt")},
                {"zh_CN.UTF-8", QStringLiteral("zh")},
                {"uk", QStringLiteral("uk")},
                {"xx", std::nullopt},
                {"", std::nullopt}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.stored);
        QSettingsPort(file).setLanguageOverride(QString::fromLatin1(r.stored));
        EXPECT_EQ(QSettingsPort(file).languageOverride(), r.read);
    }
}

// How a settings file is put on the disk for a row below.
enum class Shape { Missing, Text, Link, Fifo, Huge };

void Place(const QString& path, Shape shape, const QByteArray& text) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (shape == Shape::Fifo) {
        ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    }
    if (shape != Shape::Text && shape != Shape::Link && shape != Shape::Huge) return;
    // A link to a good file: links are not followed.
    QFile f(shape == Shape::Link ? path + QStringLiteral(".target") : path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text);
    if (shape == Shape::Huge) f.write(QByteArray(2 * 1024 * 1024, '#'));
    f.close();
    if (shape == Shape::Link) {
        ASSERT_TRUE(QFile::link(f.fileName(), path));
    }
}

// The school's file and the user's, each in some shape, give the values and
// locks read; then keys are set to their other value, which a locked key
// refuses and an unlocked one keeps for the next run.
TEST(SettingsTest, SystemAndUserFilesGiveValuesAndLocks) {
    const QByteArray lockAll = "[lock]\nnoPrint=true\nnoQuit=true\n[sound]\non=false\n[scan]\nseconds=3\n"
                               "[files]\nsaveFolder=/srv/class\n[locked]\nlock/noPrint=true\nsound/on=true\n"
                               "scan/seconds=true\nfiles/saveFolder=true\n";
    const QByteArray junk("[lock]\nnoPrint=true\n\0\xff[locked]\nlock/noPrint=true\n", 49);
    const struct {
        const char* what;
        Shape systemShape;
        QByteArray system;
        Shape userShape;
        QByteArray user;
        const char* read;  // noPrint noQuit sound scan saveFolder, then NoPrint and Sound locked
    } rows[] = {
        {"no files", Shape::Missing, "", Shape::Missing, "", "0 0 1 0  0 0"},
        {"school defaults", Shape::Text, "[lock]\nnoPrint=true\n[scan]\nseconds=4\n", Shape::Missing, "", "1 0 1 4  0 0"},
        {"the user over an unlocked default", Shape::Text, "[lock]\nnoPrint=true\n", Shape::Text,
         "[lock]\nnoPrint=false\nnoQuit=true\n", "0 1 1 0  0 0"},
        {"locked beats the user", Shape::Text, lockAll, Shape::Text,
         "[lock]\nnoPrint=false\nnoQuit=false\n[sound]\non=true\n[scan]\nseconds=1\n[files]\nsaveFolder=/tmp\n",
         "1 0 0 3 /srv/class 1 1"},
        {"a lock without a value pins the default", Shape::Text, "[locked]\nlock/noPrint=true\nsound/on=yes\n",
         Shape::Text, "[lock]\nnoPrint=true\n[sound]\non=false\n", "0 0 0 0  1 0"},
        {"keys as QSettings writes them, any case, comments", Shape::Text,
         "# school\n; room 4\n[General]\nLOCK\\NOPRINT = \"true\"\n[Locked]\nlock\\noPrint=TRUE\n", Shape::Missing, "",
         "1 0 1 0  1 0"},
        {"wrong kinds and ranges read as defaults", Shape::Text,
         "[lock]\nnoPrint=1\nnoQuit=maybe\n[scan]\nseconds=9\n[sound]\non=\n", Shape::Text,
         "[scan]\nseconds=-1\n[lock]\nnoQuit=yes\n[files]\nsaveFolder=a, b\n", "0 0 1 0  0 0"},
        {"binary junk as the school's file", Shape::Text, junk, Shape::Missing, "", "0 0 1 0  0 0"},
        {"the school's file a link", Shape::Link, lockAll, Shape::Missing, "", "0 0 1 0  0 0"},
        {"the school's file a pipe", Shape::Fifo, "", Shape::Text, "[lock]\nnoQuit=true\n", "0 1 1 0  0 0"},
        {"the school's file huge", Shape::Huge, lockAll, Shape::Missing, "", "0 0 1 0  0 0"},
        {"the user's file a pipe", Shape::Text, "[lock]\nnoPrint=true\n", Shape::Fifo, "", "1 0 1 0  0 0"},
        {"the user's file huge", Shape::Missing, "", Shape::Huge, "[lock]\nnoQuit=true\n", "0 0 1 0  0 0"},
    };
    const auto read = [](const SettingsPort& s) {
        return QStringList{QString::number(s.noPrint()), QString::number(s.noQuit()), QString::number(s.soundOn()),
                           QString::number(s.scanSeconds()), s.saveFolder(),
                           QString::number(s.locked(SettingKey::NoPrint)), QString::number(s.locked(SettingKey::Sound))}
            .join(' ');
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        const QString system = dir.filePath(QStringLiteral("etc/pintaloo/pintaloo.conf"));
        const QString user = dir.filePath(QStringLiteral("home/pintaloo/pintaloo.conf"));
        Place(system, r.systemShape, r.system);
        Place(user, r.userShape, r.user);
        const QString expected = QString::fromLatin1(r.read);
        const bool noPrint = expected.startsWith('1'), lockedPrint = expected.section(' ', 5, 5) == "1";
        {
            QSettingsPort s(user, system);
            EXPECT_EQ(read(s), expected);
            EXPECT_FALSE(s.locked(SettingKey::KeepFullScreen));
            s.setNoPrint(!noPrint);
            s.setKeepFullScreen(true);
            EXPECT_EQ(s.noPrint(), lockedPrint ? noPrint : !noPrint);
        }
        // The next run reads what was kept, unless the user's file is not a plain one.
        const bool kept = r.userShape != Shape::Fifo && r.userShape != Shape::Huge;
        QSettingsPort next(user, system);
        EXPECT_EQ(next.noPrint(), lockedPrint || !kept ? noPrint : !noPrint);
        EXPECT_EQ(next.keepFullScreen(), kept);
    }
}

// The system file is the first folder's of $XDG_CONFIG_DIRS that has one.
TEST(SettingsTest, FirstConfigFolderWithTheFileWins) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString empty = dir.filePath(QStringLiteral("a")), first = dir.filePath(QStringLiteral("b")),
                  second = dir.filePath(QStringLiteral("c"));
    for (const QString& d : {first, second}) Place(d + QStringLiteral("/pintaloo/pintaloo.conf"), Shape::Text, "");
    const QByteArray saved = qgetenv("XDG_CONFIG_DIRS");
    qputenv("XDG_CONFIG_DIRS", QFile::encodeName(QStringLiteral("relative:%1:%2:%3").arg(empty, first, second)));
    EXPECT_EQ(QSettingsPort::SystemFile(), first + QStringLiteral("/pintaloo/pintaloo.conf"));
    qputenv("XDG_CONFIG_DIRS", saved);
}

TEST(SettingsTest, UsualPlaceForSettings) {
    QSettingsPort s;
    const QString expected = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                             QStringLiteral("/pintaloo/pintaloo.conf");
    EXPECT_EQ(s.fileName(), expected);
}

}  // namespace
}  // namespace pintaloo

namespace pintaloo {
namespace {

// The options of a command line the program runs with, read as main() reads them.
CommandLineOptions Given(const QStringList& arguments) {
    const CommandLine parsed = ParseCommandLine(QStringList{"pintaloo"} + arguments, QStringLiteral("1"));
    EXPECT_EQ(parsed.action, CommandLine::Action::Run) << arguments.join(' ').toStdString();
    return parsed.options;
}

TEST(SettingsTest, StartChoicesRememberTheCommandLine) {
    const EnvironmentReader french = [](const char* name) {
        return QLatin1String(name) == QLatin1String("LANG") ? QStringLiteral("fr_FR.UTF-8") : QString();
    };
    MemorySettings settings;
    // Run 1: --lang de is remembered, in the program's own code.
    EXPECT_EQ(StartLanguage(Given({"--lang", "de"}), settings, french), Language::German);
    EXPECT_EQ(settings.languageOverride(), QStringLiteral("ge"));
    // Run 2: no --lang, the remembered choice wins over the French system.
    EXPECT_EQ(StartLanguage(Given({}), settings, french), Language::German);
    // Run 3: an unknown --lang ends the program before the window; were it to
    // get this far, it would neither win nor be remembered.
    EXPECT_EQ(ParseCommandLine({"pintaloo", "--lang", "tlh"}, QStringLiteral("1")).action, CommandLine::Action::Error);
    CommandLineOptions unknown;
    unknown.lang = QStringLiteral("tlh");
    EXPECT_EQ(StartLanguage(unknown, settings, french), Language::German);
    EXPECT_EQ(settings.languageOverride(), QStringLiteral("ge"));
    // Run 4: the other spellings the command line takes are remembered too.
    EXPECT_EQ(StartLanguage(Given({"-lang=SP"}), settings, french), Language::Spanish);
    EXPECT_EQ(settings.languageOverride(), QStringLiteral("sp"));
    // Forgetting it gives the system's language back.
    settings.setLanguageOverride(std::nullopt);
    EXPECT_EQ(StartLanguage(Given({}), settings, french), Language::French);

    const struct {
        const char* what;
        QStringList arguments;
        bool remembered;
        bool fullScreen;
    } rows[] = {
        {"neither", {}, false, false},
        {"--fullscreen", {"--fullscreen"}, false, true},
        {"-fullscreen, as launchers write it", {"-fullscreen"}, false, true},
        {"left on last time", {}, true, true},
        {"--fullscreen and left on last time", {"--fullscreen"}, true, true},
        {"--windowed over the one left on last time", {"--windowed"}, true, false},
        {"--windowed", {"--windowed"}, false, false},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        settings.setFullScreen(r.remembered);
        EXPECT_EQ(StartFullScreen(Given(r.arguments), settings), r.fullScreen);
    }
}

// Each option sets its key for the run, leaves the kept settings as they
// were, and loses to a locked key; a setter (the settings window) wins over
// the option afterwards.
TEST(SettingsTest, OptionsHoldForTheRunAndNeverOverALock) {
    const auto all = [](const SettingsPort& s) {
        return QStringList{QString::number(s.soundOn()),    QString::number(s.scanSeconds()),
                           QString::number(s.scanSwitches()), QString::number(s.startBlank()),
                           s.saveFolder(),                    QString::number(s.noQuit()),
                           QString::number(s.noPrint()),      QString::number(s.noFileDialogs()),
                           QString::number(s.keepFullScreen())};
    };
    const struct {
        QStringList arguments;
        const char* expected;  // sound scan switches blank folder noquit noprint nodialogs keepfull
        std::optional<SettingKey> locked;
    } rows[] = {
        {{}, "1 0 1 0  0 0 0 0", {}},
        {{"--nosound"}, "0 0 1 0  0 0 0 0", {}},
        {{"--scan", "3", "--two-switches"}, "1 3 2 0  0 0 0 0", {}},
        {{"--two-switches"}, "1 2 2 0  0 0 0 0", {}},
        {{"--startblank", "--savedir", "/srv/x/../class"}, "1 0 1 1 /srv/class 0 0 0 0", {}},
        {{"--lockdown"}, "1 0 1 0  1 1 1 1", {}},
        {{"--lockdown", "--print"}, "1 0 1 0  1 0 1 1", {}},
        {{"--noquit", "--noprint", "--nofiledialogs", "--keepfullscreen"}, "1 0 1 0  1 1 1 1", {}},
        {{"--lockdown"}, "1 0 1 0  1 0 1 1", SettingKey::NoPrint},
        {{"--nosound", "--scan"}, "1 2 1 0  0 0 0 0", SettingKey::Sound},
        {{"--scan"}, "1 0 1 0  0 0 0 0", SettingKey::ScanSeconds},
        {{"--savedir", "/tmp"}, "1 0 1 0  0 0 0 0", SettingKey::SaveFolder},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.arguments.join(' ').toStdString());
        MemorySettings kept;
        if (r.locked) kept.lock(*r.locked);
        const QStringList before = all(kept);
        RunSettings run(kept);
        const QStringList refused = ApplyForThisRun(Given(r.arguments), run);
        EXPECT_EQ(all(run).join(' '), QString::fromLatin1(r.expected));
        EXPECT_EQ(all(kept), before);
        EXPECT_EQ(refused.isEmpty(), !r.locked || r.arguments.isEmpty());
        run.setNoPrint(true);
        EXPECT_EQ(run.noPrint(), r.locked != SettingKey::NoPrint);
    }
    // A locked full screen or language is the school's whatever the options say.
    MemorySettings school;
    school.setFullScreen(true);
    school.setLanguageOverride(QStringLiteral("ro"));
    school.lock(SettingKey::FullScreen);
    school.lock(SettingKey::Language);
    const EnvironmentReader none = [](const char*) { return QString(); };
    EXPECT_TRUE(StartFullScreen(Given({"--windowed"}), school));
    EXPECT_EQ(StartLanguage(Given({"--lang", "de"}), school, none), Language::Romanian);
    EXPECT_EQ(school.languageOverride(), QStringLiteral("ro"));
    MemorySettings keep;
    keep.setKeepFullScreen(true);
    EXPECT_TRUE(StartFullScreen(Given({"--windowed"}), keep));
}

}  // namespace
}  // namespace pintaloo
