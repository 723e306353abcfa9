// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which of the program's languages to speak: from the command line, then
// from the remembered choice, then from the system's locale variables, English
// when nothing says otherwise (the tests set none, so they see English).
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QCoreApplication;
class QTranslator;

namespace pintaloo {

// The languages Pintaloo speaks. The first six keep their places: the window's
// state dump and the remembered setting name them by their codes.
enum class Language {
    English,
    Romanian,
    French,
    German,
    Italian,
    Spanish,
    Arabic,
    Chinese,  // simplified characters, as written in mainland China and Singapore
    Japanese,
    Korean,
    Dutch,
    Polish,
    Portuguese,  // as written in Brazil
    Russian,
    Turkish,
    Ukrainian,
};

inline constexpr int kLanguageCount = 16;

// "en", "ro", "fr", "ge", "it", "sp", then the standard codes ("ar", "zh"...).
QString LanguageCode(Language language);
// The standard code, as locales and translators name it ("de", "pt_BR").
QString SystemLanguageCode(Language language);
// Written right to left (Arabic): the dialogs, messages and help mirror.
bool RightToLeft(Language language);
// The family that writes the language's own script, to go after the
// desktop's family: the Chinese, Japanese and Korean faces draw the same Han
// character each its own way, and the desktop's fallback would pick one of
// them by the system's locale, not by the language chosen. Empty for the
// languages the desktop's family writes (Latin and Cyrillic letters).
QString ScriptFamily(Language language);
// One of the program's own codes, or a system code ("de", "es", "fr_CA.UTF-8",
// "pt"): the language it names, nothing for one the program does not speak.
std::optional<Language> LanguageFromCode(const QString& code);

// Reads one environment variable; empty when it is unset.
using EnvironmentReader = std::function<QString(const char* name)>;
EnvironmentReader ProcessEnvironment();

// The system's language: LANGUAGE (a colon list; its first entry the program
// speaks), then LC_ALL, LC_MESSAGES, LANG. The first of these that is set and
// not empty decides; "C", "POSIX" or a language the program does not speak
// means English.
Language LanguageFromEnvironment(const EnvironmentReader& env);

// The language for this run: a usable code given with --lang (empty when
// none was) wins, then the remembered override, then the system.
Language ChooseLanguage(const QString& given, const std::optional<QString>& remembered, const EnvironmentReader& env);

// Qt's own texts (file dialog, message boxes, print dialog) in the chosen
// language, from Debian's translations. Removes the previous ones; English
// needs none. Returns how many translation files were loaded (Qt has none for
// some languages, which then keep Qt's English buttons).
class QtTranslations {
public:
    QtTranslations();
    ~QtTranslations();
    QtTranslations(const QtTranslations&) = delete;
    QtTranslations& operator=(const QtTranslations&) = delete;

    int install(Language language);

private:
    std::vector<std::unique_ptr<QTranslator>> installed_;
};

}  // namespace pintaloo
