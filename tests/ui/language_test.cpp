// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/words/language.h"

#include <gtest/gtest.h>
#include <QCoreApplication>

#include <map>
#include <string>

namespace pintaloo {
namespace {

using Env = std::map<std::string, QString>;

EnvironmentReader Reader(const Env& env) {
    return [env](const char* name) {
        const auto it = env.find(name);
        return it == env.end() ? QString() : it->second;
    };
}

struct EnvCase {
    const char* what;
    Env env;
    const char* code;
};

const EnvCase kEnvCases[] = {
    {"nothing set", {}, "en"},
    {"French locale", {{"LANG", "fr_FR.UTF-8"}}, "fr"},
    {"German locale gets the program's own code", {{"LANG", "de_DE.UTF-8"}}, "ge"},
    {"Spanish locale gets the program's own code", {{"LANG", "es_MX.UTF-8"}}, "sp"},
    {"Italian locale", {{"LANG", "it_IT"}}, "it"},
    {"Romanian locale", {{"LANG", "ro_RO.UTF-8"}}, "ro"},
    {"language without a region", {{"LANG", "fr"}}, "fr"},
    {"encoding and variant", {{"LANG", "de_AT.ISO-8859-15@euro"}}, "ge"},
    {"C locale", {{"LANG", "C"}}, "en"},
    {"POSIX locale", {{"LANG", "POSIX"}}, "en"},
    {"C.UTF-8 locale", {{"LANG", "C.UTF-8"}}, "en"},
    {"a language the program does not speak", {{"LANG", "pt_BR.UTF-8"}}, "en"},
    {"English locale", {{"LANG", "en_GB.UTF-8"}}, "en"},
    {"LC_MESSAGES before LANG", {{"LC_MESSAGES", "it_IT.UTF-8"}, {"LANG", "fr_FR.UTF-8"}}, "it"},
    {"LC_ALL before LC_MESSAGES",
     {{"LC_ALL", "es_ES.UTF-8"}, {"LC_MESSAGES", "it_IT.UTF-8"}, {"LANG", "fr_FR.UTF-8"}},
     "sp"},
    {"LANGUAGE before LC_ALL", {{"LANGUAGE", "ro"}, {"LC_ALL", "es_ES.UTF-8"}}, "ro"},
    {"LANGUAGE list: first entry the program speaks", {{"LANGUAGE", "pt_BR:pt:de_CH:fr"}}, "ge"},
    {"LANGUAGE list with an empty entry", {{"LANGUAGE", ":fr_BE"}, {"LANG", "de_DE"}}, "fr"},
    {"LANGUAGE naming only other languages decides English", {{"LANGUAGE", "pt:nl"}, {"LANG", "fr_FR"}}, "en"},
    {"empty LANGUAGE is skipped", {{"LANGUAGE", ""}, {"LC_ALL", "it_IT"}}, "it"},
    {"blank LC_ALL is skipped", {{"LC_ALL", "  "}, {"LANG", "ro_RO"}}, "ro"},
    {"C in LC_ALL hides LANG", {{"LC_ALL", "C"}, {"LANG", "fr_FR.UTF-8"}}, "en"},
    {"upper case", {{"LANG", "FR_fr.UTF-8"}}, "fr"},
};

TEST(LanguageTest, SystemLanguageFromTheEnvironment) {
    for (const EnvCase& c : kEnvCases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(LanguageCode(LanguageFromEnvironment(Reader(c.env))), QLatin1String(c.code));
    }
}

TEST(LanguageTest, CodesBothWays) {
    const struct {
        Language language;
        const char* code;
        const char* system;
    } rows[] = {
        {Language::English, "en", "en_US"}, {Language::Romanian, "ro", "ro_MD"}, {Language::French, "fr", "fr_CH"},
        {Language::German, "ge", "de"},     {Language::Italian, "it", "it_CH"},  {Language::Spanish, "sp", "es"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.code);
        EXPECT_EQ(LanguageCode(r.language), QLatin1String(r.code));
        EXPECT_EQ(LanguageFromCode(QLatin1String(r.code)), r.language);
        EXPECT_EQ(LanguageFromCode(QLatin1String(r.system)), r.language);
    }
    for (const char* nonsense : {"", "x", "deutsch", "e", "_fr", "nl"}) {
        SCOPED_TRACE(nonsense);
        EXPECT_FALSE(LanguageFromCode(QLatin1String(nonsense)).has_value());
    }
}

struct ChoiceCase {
    const char* what;
    const char* given;  // the code --lang gave, "" when there was none
    std::optional<QString> remembered;
    Env env;
    const char* code;
};

TEST(LanguageTest, CommandLineThenRememberedThenSystem) {
    const Env french{{"LANG", "fr_FR.UTF-8"}};
    const ChoiceCase cases[] = {
        {"system only", "", std::nullopt, french, "fr"},
        {"--lang wins over the system", "it", std::nullopt, french, "it"},
        {"--lang with the program's own code", "ge", std::nullopt, french, "ge"},
        {"--lang with a system code", "es", std::nullopt, french, "sp"},
        {"--lang wins over the remembered one", "ro", QString("ge"), french, "ro"},
        {"remembered wins over the system", "", QString("sp"), french, "sp"},
        {"unknown --lang falls back to the remembered one", "xx", QString("it"), french, "it"},
        {"unknown --lang and nothing remembered: the system", "xx", std::nullopt, french, "fr"},
        {"--lang en over a French system", "en", std::nullopt, french, "en"},
        {"damaged remembered value", "", QString("??"), french, "fr"},
        {"nothing anywhere", "", std::nullopt, {}, "en"},
    };
    for (const ChoiceCase& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(LanguageCode(ChooseLanguage(QString::fromLatin1(c.given), c.remembered, Reader(c.env))),
                  QLatin1String(c.code));
    }
}

TEST(LanguageTest, QtDialogsSpeakTheChosenLanguage) {
    // The word on Qt's own Cancel buttons (message boxes, file and print dialogs).
    auto cancel = [] { return QCoreApplication::translate("QPlatformTheme", "Cancel"); };
    const struct {
        Language language;
        const char* word;
    } rows[] = {
        {Language::French, "Annuler"},   {Language::German, "Abbrechen"}, {Language::Italian, "Annulla"},
        {Language::Spanish, "Cancelar"}, {Language::English, "Cancel"},
    };
    QtTranslations qt;
    for (const auto& r : rows) {
        SCOPED_TRACE(r.word);
        const int loaded = qt.install(r.language);
        EXPECT_EQ(loaded, r.language == Language::English ? 0 : 1);
        EXPECT_EQ(cancel(), QString::fromUtf8(r.word));
    }
    {
        // Leaving scope takes Qt's texts back to English.
        QtTranslations other;
        other.install(Language::German);
        EXPECT_EQ(cancel(), QLatin1String("Abbrechen"));
    }
    EXPECT_EQ(cancel(), QLatin1String("Cancel"));
}

}  // namespace
}  // namespace pintaloo
