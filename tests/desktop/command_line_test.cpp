// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/programs/command_line.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QRegularExpression>

#include "ui/words/language.h"

namespace pintaloo {
namespace {

using Action = CommandLine::Action;

struct Case {
    const char* name;
    QStringList args;  // after the program's name
    Action action;
    int exitCode;
    CommandLineOptions options;  // checked only when the program runs
    const char* textHas;         // a piece of the printed text ("" for none printed)
};

CommandLineOptions Opts(bool fullscreen, bool windowed, bool nosound, const char* lang) {
    CommandLineOptions o;
    o.fullscreen = fullscreen;
    o.windowed = windowed;
    o.nosound = nosound;
    o.lang = QString::fromUtf8(lang);
    return o;
}

const CommandLineOptions kNone;

CommandLineOptions Scan(int seconds, bool twoSwitches = false, bool nosound = false) {
    CommandLineOptions o;
    o.scanSeconds = seconds;
    o.twoSwitches = twoSwitches;
    o.nosound = nosound;
    return o;
}

const Case kCases[] = {
    {"nothing", {}, Action::Run, 0, kNone, ""},
    {"fullscreen", {"--fullscreen"}, Action::Run, 0, Opts(true, false, false, ""), ""},
    {"windowed", {"--windowed"}, Action::Run, 0, Opts(false, true, false, ""), ""},
    {"nosound", {"--nosound"}, Action::Run, 0, Opts(false, false, true, ""), ""},
    {"single dash", {"-nosound", "-fullscreen"}, Action::Run, 0, Opts(true, false, true, ""), ""},
    {"lang separate", {"--lang", "ro"}, Action::Run, 0, Opts(false, false, false, "ro"), ""},
    {"lang equals", {"--lang=es"}, Action::Run, 0, Opts(false, false, false, "es"), ""},
    {"lang upper case", {"--lang", "DE"}, Action::Run, 0, Opts(false, false, false, "de"), ""},
    {"lang added later", {"--lang", "uk"}, Action::Run, 0, Opts(false, false, false, "uk"), ""},
    {"lang added later, upper case", {"--lang=ZH"}, Action::Run, 0, Opts(false, false, false, "zh"), ""},
    {"lang in a locale's spelling", {"--lang", "pt_BR"}, Action::Run, 0, Opts(false, false, false, "pt_br"), ""},
    {"last lang wins", {"--lang", "fr", "--lang", "it"}, Action::Run, 0, Opts(false, false, false, "it"), ""},
    {"everything", {"--nosound", "--windowed", "--lang", "en"}, Action::Run, 0, Opts(false, true, true, "en"), ""},
    {"help", {"--help"}, Action::Help, 0, kNone, "--lang <CODE>"},
    {"short help", {"-h"}, Action::Help, 0, kNone, "Usage: pintaloo [options]"},
    {"help wins over bad lang", {"--lang", "xx", "--help"}, Action::Help, 0, kNone, "--nosound"},
    {"version", {"--version"}, Action::Version, 0, kNone, "Pintaloo 9.8.7\n"},
    {"short version", {"-v"}, Action::Version, 0, kNone, "Pintaloo 9.8.7"},
    {"unknown option", {"--bogus"}, Action::Error, 2, kNone, "Unknown option 'bogus'"},
    {"unknown shows usage", {"--bogus"}, Action::Error, 2, kNone, "Usage: pintaloo [options]"},
    {"only looks alike", {"--fullscreenx"}, Action::Error, 2, kNone, "Unknown option 'fullscreenx'"},
    {"unknown language", {"--lang", "xx"}, Action::Error, 2, kNone, "does not speak the language \"xx\""},
    {"unknown language lists",
     {"--lang", "sv"},
     Action::Error,
     2,
     kNone,
     "en, ro, fr, de, it, es, ar, zh, ja, ko, nl, pl, pt, ru, tr, uk."},
    {"lang without code", {"--lang"}, Action::Error, 2, kNone, "Missing value after '--lang'"},
    {"empty lang", {"--lang="}, Action::Error, 2, kNone, "does not speak the language \"\""},
    {"both window sizes", {"--fullscreen", "--windowed"}, Action::Error, 2, kNone, "not both"},
    {"file name", {"picture.bmp"}, Action::Error, 2, kNone, "\"picture.bmp\""},
    {"scan", {"--scan"}, Action::Run, 0, Scan(2), ""},
    {"scan seconds", {"--scan", "4", "--nosound"}, Action::Run, 0, Scan(4, false, true), ""},
    {"scan equals", {"-scan=1", "--two-switches"}, Action::Run, 0, Scan(1, true), ""},
    {"scan then option", {"--scan", "--nosound"}, Action::Run, 0, Scan(2, false, true), ""},
    {"scan too slow", {"--scan", "6"}, Action::Error, 2, kNone, "1 to 5 seconds"},
    {"scan not a number", {"--scan", "fast"}, Action::Error, 2, kNone, "1 to 5 seconds"},
    {"opposite lock-downs", {"--noquit", "--quit"}, Action::Error, 2, kNone, "ask opposite things"},
    {"savedir without folder", {"--savedir"}, Action::Error, 2, kNone, "Missing value after '--savedir'"},
    {"savedir empty", {"--savedir="}, Action::Error, 2, kNone, "needs a folder"},
};

TEST(CommandLineTest, OptionsTable) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        const CommandLine r = ParseCommandLine(QStringList{"pintaloo"} + c.args, QStringLiteral("9.8.7"));
        EXPECT_EQ(r.action, c.action);
        EXPECT_EQ(r.exitCode, c.exitCode);
        if (c.action == Action::Run) {
            EXPECT_EQ(r.options.fullscreen, c.options.fullscreen);
            EXPECT_EQ(r.options.windowed, c.options.windowed);
            EXPECT_EQ(r.options.nosound, c.options.nosound);
            EXPECT_EQ(r.options.lang, c.options.lang);
            EXPECT_EQ(r.options.scanSeconds, c.options.scanSeconds);
            EXPECT_EQ(r.options.twoSwitches, c.options.twoSwitches);
            EXPECT_TRUE(r.text.isEmpty()) << r.text.toStdString();
        } else {
            EXPECT_TRUE(r.text.contains(QString::fromUtf8(c.textHas))) << r.text.toStdString();
        }
    }
}

// Every language can be asked for by its standard code, in any case, and
// the code kept is one the language choice reads as that language.
TEST(CommandLineTest, EveryLanguageIsAccepted) {
    ASSERT_EQ(LanguageCodes().size(), kLanguageCount);
    for (int i = 0; i < kLanguageCount; ++i) {
        const QString code = LanguageCodes()[i];
        SCOPED_TRACE(code.toStdString());
        const CommandLine r = ParseCommandLine({"pintaloo", "--lang", code.toUpper()}, "1");
        ASSERT_EQ(r.action, Action::Run);
        EXPECT_EQ(LanguageFromCode(r.options.lang), Language(i));
    }
}

// The help pages write German and Spanish as ge and sp: a parent copying them is understood.
TEST(CommandLineTest, TheHelpPagesSpellingsAreAccepted) {
    for (const char* code : {"ge", "sp", "GE"}) {
        const CommandLine r = ParseCommandLine({"pintaloo", "--lang", code}, "1");
        EXPECT_EQ(r.action, Action::Run) << code;
        EXPECT_EQ(r.options.lang, QString::fromLatin1(code).toLower());
    }
    EXPECT_EQ(ParseCommandLine({"pintaloo", "--lang", "gr"}, "1").action, Action::Error);
}

// The help and the manual page name every option a parent may type, and
// every key but the remembered folder and the list of children has one.
TEST(CommandLineTest, HelpAndManualListEveryOptionAndEveryKeyHasOne) {
    const CommandLine r = ParseCommandLine({"pintaloo", "--help"}, "1");
    QFile page(QStringLiteral(PINTALOO_MANPAGE));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    const QString manual = QString::fromUtf8(page.readAll());
    std::vector<bool> keyHasOption(kSettingKeyCount, false);
    for (const OptionRow& row : OptionTable()) {
        const QString name = row.names.constLast();
        EXPECT_TRUE(r.text.contains(QStringLiteral("--") + name)) << name.toStdString();
        // An item of the OPTIONS list: ".TP", then a bold line naming it.
        const QString troff = QRegularExpression::escape(QString(name).replace('-', QStringLiteral("\\-")));
        EXPECT_TRUE(manual.contains(QRegularExpression(QStringLiteral("\\.TP\n\\.B[IR]? [^\n]*\\\\-\\\\-") + troff +
                                                       QStringLiteral("(\\W|$)"))))
            << name.toStdString();
        for (const auto& set : row.sets) keyHasOption[std::size_t(set.first)] = true;
    }
    // The example settings file shows every key, in its group, commented out.
    QFile example(QStringLiteral(PINTALOO_CONF_EXAMPLE));
    ASSERT_TRUE(example.open(QIODevice::ReadOnly));
    const QString conf = QString::fromUtf8(example.readAll());
    for (int k = 0; k < kSettingKeyCount; ++k) {
        const QString name = QString::fromLatin1(SettingName(SettingKey(k)));
        const QString group = name.section(QLatin1Char('/'), 0, 0), leaf = name.section(QLatin1Char('/'), 1);
        const qsizetype at = conf.indexOf(QStringLiteral("[%1]").arg(group));
        EXPECT_GE(at, 0) << name.toStdString();
        if (!leaf.isEmpty()) {
            EXPECT_GT(conf.indexOf(QStringLiteral("\n#%1=").arg(leaf), at), at) << name.toStdString();
        }
    }
    for (int k = 0; k < kSettingKeyCount; ++k)
        EXPECT_EQ(keyHasOption[std::size_t(k)], SettingKey(k) != SettingKey::LastFolder && SettingKey(k) != SettingKey::Children)
            << SettingName(SettingKey(k));
}

// Only a run goes on to the window.
TEST(CommandLineTest, FinishTellsWhetherToGoOn) {
    CommandLine run;
    EXPECT_EQ(FinishCommandLine(run), -1);
    CommandLine error;
    error.action = Action::Error;
    error.exitCode = 2;
    EXPECT_EQ(FinishCommandLine(error), 2);
}

}  // namespace
}  // namespace pintaloo
