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

}  // namespace
}  // namespace pintaloo
