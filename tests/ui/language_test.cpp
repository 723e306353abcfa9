// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/words/dialog_words.h"
#include "ui/words/language.h"

#include <gtest/gtest.h>
#include <QCoreApplication>

#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "ui/words/translation.h"

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
    {"Arabic of any country", {{"LANG", "ar_EG.UTF-8"}}, "ar"},
    {"traditional Chinese gets the simplified", {{"LANG", "zh_TW"}}, "zh"},
    {"Chinese locale", {{"LANG", "zh_CN.UTF-8"}}, "zh"},
    {"Japanese locale", {{"LANG", "ja_JP.UTF-8"}}, "ja"},
    {"Korean locale", {{"LANG", "ko_KR.UTF-8"}}, "ko"},
    {"Flemish gets Dutch", {{"LANG", "nl_BE.UTF-8"}}, "nl"},
    {"Polish locale", {{"LANG", "pl_PL"}}, "pl"},
    {"Portugal's Portuguese gets Brazil's", {{"LANG", "pt_PT.UTF-8"}}, "pt"},
    {"Brazilian locale", {{"LANG", "pt_BR.UTF-8"}}, "pt"},
    {"Russian locale", {{"LANG", "ru_RU.UTF-8"}}, "ru"},
    {"Turkish locale", {{"LANG", "tr_TR.UTF-8"}}, "tr"},
    {"Ukrainian locale", {{"LANG", "uk_UA.UTF-8"}}, "uk"},
    {"language without a region", {{"LANG", "fr"}}, "fr"},
    {"encoding and variant", {{"LANG", "de_AT.ISO-8859-15@euro"}}, "ge"},
    {"C locale", {{"LANG", "C"}}, "en"},
    {"POSIX locale", {{"LANG", "POSIX"}}, "en"},
    {"C.UTF-8 locale", {{"LANG", "C.UTF-8"}}, "en"},
    {"a language the program does not speak", {{"LANG", "sv_SE.UTF-8"}}, "en"},
    {"English locale", {{"LANG", "en_GB.UTF-8"}}, "en"},
    {"LC_MESSAGES before LANG", {{"LC_MESSAGES", "it_IT.UTF-8"}, {"LANG", "fr_FR.UTF-8"}}, "it"},
    {"LC_MESSAGES before LANG, new languages", {{"LC_MESSAGES", "uk_UA.UTF-8"}, {"LANG", "ru_RU.UTF-8"}}, "uk"},
    {"LC_ALL before LC_MESSAGES",
     {{"LC_ALL", "es_ES.UTF-8"}, {"LC_MESSAGES", "it_IT.UTF-8"}, {"LANG", "fr_FR.UTF-8"}},
     "sp"},
    {"LC_ALL before LC_MESSAGES, new languages", {{"LC_ALL", "ko_KR.UTF-8"}, {"LC_MESSAGES", "ja_JP.UTF-8"}}, "ko"},
    {"LANGUAGE before LC_ALL", {{"LANGUAGE", "ro"}, {"LC_ALL", "es_ES.UTF-8"}}, "ro"},
    {"LANGUAGE before LC_ALL, new languages", {{"LANGUAGE", "tr"}, {"LC_ALL", "ar_EG.UTF-8"}}, "tr"},
    {"LANGUAGE list: first entry the program speaks", {{"LANGUAGE", "sv_SE:fi:de_CH:fr"}}, "ge"},
    {"LANGUAGE list reaching a new language", {{"LANGUAGE", "sv:zh_TW:fr"}}, "zh"},
    {"LANGUAGE list with an empty entry", {{"LANGUAGE", ":fr_BE"}, {"LANG", "de_DE"}}, "fr"},
    {"LANGUAGE naming only other languages decides English", {{"LANGUAGE", "sv:da"}, {"LANG", "fr_FR"}}, "en"},
    {"empty LANGUAGE is skipped", {{"LANGUAGE", ""}, {"LC_ALL", "it_IT"}}, "it"},
    {"blank LC_ALL is skipped", {{"LC_ALL", "  "}, {"LANG", "ro_RO"}}, "ro"},
    {"C in LC_ALL hides LANG", {{"LC_ALL", "C"}, {"LANG", "fr_FR.UTF-8"}}, "en"},
    {"upper case", {{"LANG", "FR_fr.UTF-8"}}, "fr"},
    {"upper case, new language", {{"LANG", "PT_br"}}, "pt"},
};

TEST(LanguageTest, SystemLanguageFromTheEnvironment) {
    for (const EnvCase& c : kEnvCases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(LanguageCode(LanguageFromEnvironment(Reader(c.env))), QLatin1String(c.code));
    }
}

// The program's code, as the command line, the settings and the state dump
// write it, and the system's, which names the translation files.
TEST(LanguageTest, CodesBothWays) {
    const struct {
        Language language;
        const char* code;
        const char* system;
        const char* locale;  // a locale of the language as a system may spell it
    } rows[] = {
        {Language::English, "en", "en", "en_US"},       {Language::Romanian, "ro", "ro", "ro_MD"},
        {Language::French, "fr", "fr", "fr_CH"},        {Language::German, "ge", "de", "de"},
        {Language::Italian, "it", "it", "it_CH"},       {Language::Spanish, "sp", "es", "es"},
        {Language::Arabic, "ar", "ar", "ar_MA.UTF-8"},  {Language::Chinese, "zh", "zh_CN", "zh_HK"},
        {Language::Japanese, "ja", "ja", "ja"},         {Language::Korean, "ko", "ko", "ko_KR.EUC-KR"},
        {Language::Dutch, "nl", "nl", "nl_NL@euro"},    {Language::Polish, "pl", "pl", "pl-PL"},
        {Language::Portuguese, "pt", "pt_BR", "pt_PT"}, {Language::Russian, "ru", "ru", "ru_UA"},
        {Language::Turkish, "tr", "tr", "tr_CY"},       {Language::Ukrainian, "uk", "uk", "uk_UA.UTF-8"},
    };
    static_assert(std::size(rows) == kLanguageCount, "one row a language");
    for (const auto& r : rows) {
        SCOPED_TRACE(r.code);
        EXPECT_EQ(LanguageCode(r.language), QLatin1String(r.code));
        EXPECT_EQ(SystemLanguageCode(r.language), QLatin1String(r.system));
        EXPECT_EQ(LanguageFromCode(QLatin1String(r.code)), r.language);
        EXPECT_EQ(LanguageFromCode(QLatin1String(r.system)), r.language);
        EXPECT_EQ(LanguageFromCode(QLatin1String(r.locale)), r.language);
        EXPECT_EQ(RightToLeft(r.language), r.language == Language::Arabic);
        // The compiled translation is found under the system code.
        EXPECT_TRUE(TranslationLoaded(r.language));
    }
    for (const char* nonsense : {"", "x", "deutsch", "e", "_fr", "sv", "zz_CN", "ptBR"}) {
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
        {"--lang with a new language", "uk", QString("ge"), french, "uk"},
        {"--lang with a new language's system code", "pt_BR", std::nullopt, french, "pt"},
        {"remembered new language wins over the system", "", QString("zh"), french, "zh"},
    };
    for (const ChoiceCase& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(LanguageCode(ChooseLanguage(QString::fromLatin1(c.given), c.remembered, Reader(c.env))),
                  QLatin1String(c.code));
    }
}

TEST(LanguageTest, QtDialogsSpeakTheChosenLanguage) {
    // The word on Qt's own Cancel buttons (message boxes, file and print
    // dialogs): Qt's translators' word wherever Debian has Qt's file.
    auto cancel = [] { return QCoreApplication::translate("QPlatformTheme", "Cancel"); };
    const struct {
        Language language;
        const char* word;
    } rows[] = {
        {Language::French, "Annuler"},      {Language::German, "Abbrechen"},    {Language::Italian, "Annulla"},
        {Language::Spanish, "Cancelar"},    {Language::Arabic, "ألغِ"},          {Language::Chinese, "取消"},
        {Language::Japanese, "キャンセル"}, {Language::Korean, "취소"},         {Language::Dutch, "Annuleren"},
        {Language::Polish, "Anuluj"},       {Language::Portuguese, "Cancelar"}, {Language::Russian, "Отмена"},
        {Language::Turkish, "İptal"},       {Language::Ukrainian, "Скасувати"}, {Language::English, "Cancel"},
    };
    QtTranslations qt;
    // Qt has no Romanian: only ours is installed, and its words are what
    // Qt's dialogs show.
    EXPECT_EQ(qt.install(Language::Romanian), 1);
    EXPECT_EQ(cancel(), QString::fromUtf8("Anulează"));
    // Every dialog word the program lists reaches Qt's dialogs in Romanian,
    // where two are Romanian as they stand.
    const std::set<std::string> sameInRomanian{"OK", "Color"};
    for (const DialogWord& word : DialogWords()) {
        const QString shown = QCoreApplication::translate(word.context, word.source);
        EXPECT_EQ(shown, Translate(Language::Romanian, word.context, word.source)) << word.source;
        if (!sameInRomanian.contains(word.source)) {
            EXPECT_NE(shown, QString::fromUtf8(word.source)) << word.context << " " << word.source;
        }
    }
    for (const auto& r : rows) {
        SCOPED_TRACE(r.word);
        // Ours and Qt's; English needs neither.
        EXPECT_EQ(qt.install(r.language), r.language == Language::English ? 0 : 2);
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

// Qt underlines a mnemonic's letter as a run of its own, which breaks an
// Arabic word's joins and widens it past its button: no dialog word marks
// a letter inside a joined word, and the word is Qt's own otherwise.
TEST(LanguageTest, NoMnemonicBreaksAnArabicWord) {
    QtTranslations qt;
    ASSERT_EQ(qt.install(Language::Arabic), 2);
    std::vector<DialogWord> words{{"QGnomeTheme", "&Cancel"}, {"QGnomeTheme", "&OK"}, {"QGnomeTheme", "&Save"}};
    words.insert(words.end(), DialogWords().begin(), DialogWords().end());
    for (const DialogWord& word : words) {
        const QString shown = QCoreApplication::translate(word.context, word.source);
        for (qsizetype i = shown.indexOf(QLatin1Char('&')); i >= 0 && i + 1 < shown.size();
             i = shown.indexOf(QLatin1Char('&'), i + 2))
            EXPECT_NE(shown[i + 1].script(), QChar::Script_Arabic) << word.context << " " << word.source;
    }
    EXPECT_EQ(QCoreApplication::translate("QGnomeTheme", "&Cancel"), QString::fromUtf8("ألغِ"));
}

}  // namespace
}  // namespace pintaloo
