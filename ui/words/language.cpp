// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/words/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <array>

namespace pintaloo {

namespace {

struct LanguageRow {
    Language language;
    const char* code;    // the program's own
    const char* system;  // ISO 639-1, as locales and Qt's files name it
};

// The program's codes predate the standard ones for German and Spanish.
constexpr std::array<LanguageRow, kLanguageCount> kLanguages{{
    {Language::English, "en", "en"},
    {Language::Romanian, "ro", "ro"},
    {Language::French, "fr", "fr"},
    {Language::German, "ge", "de"},
    {Language::Italian, "it", "it"},
    {Language::Spanish, "sp", "es"},
}};

const LanguageRow& RowOf(Language language) { return kLanguages[std::size_t(language)]; }

// Qt's files for its own texts: the base one carries the dialogs and buttons;
// "qt_xx" only gathers others the program does not use.
constexpr std::array<const char*, 1> kQtCatalogues{"qtbase"};

}  // namespace

QString LanguageCode(Language language) { return QString::fromLatin1(RowOf(language).code); }

std::optional<Language> LanguageFromCode(const QString& code) {
    // "fr_CA.UTF-8@euro" -> "fr": the region, the encoding and the variant do not matter.
    QString bare = code.trimmed().toLower();
    for (QChar cut : {QLatin1Char('@'), QLatin1Char('.'), QLatin1Char('_'), QLatin1Char('-')})
        bare = bare.section(cut, 0, 0);
    if (bare.isEmpty()) return std::nullopt;
    for (const LanguageRow& row : kLanguages)
        if (bare == QLatin1String(row.code) || bare == QLatin1String(row.system)) return row.language;
    return std::nullopt;
}

EnvironmentReader ProcessEnvironment() {
    return [](const char* name) { return qEnvironmentVariable(name); };
}

Language LanguageFromEnvironment(const EnvironmentReader& env) {
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = env(name).trimmed();
        if (value.isEmpty()) continue;
        // LANGUAGE lists preferences, best first; the first one we speak wins.
        // A single "C" or "POSIX" there, like in the others, means English.
        for (const QString& entry : value.split(QLatin1Char(':'), Qt::SkipEmptyParts))
            if (const auto language = LanguageFromCode(entry)) return *language;
        return Language::English;
    }
    return Language::English;
}

Language ChooseLanguage(const QString& given, const std::optional<QString>& remembered, const EnvironmentReader& env) {
    if (const auto language = LanguageFromCode(given)) return *language;
    if (remembered)
        if (const auto language = LanguageFromCode(*remembered)) return *language;
    return LanguageFromEnvironment(env);
}

QtTranslations::QtTranslations() = default;

QtTranslations::~QtTranslations() {
    for (auto& t : installed_) QCoreApplication::removeTranslator(t.get());
}

int QtTranslations::install(Language language) {
    for (auto& t : installed_) QCoreApplication::removeTranslator(t.get());
    installed_.clear();
    if (language == Language::English) return 0;
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    const QString system = QString::fromLatin1(RowOf(language).system);
    for (const char* catalogue : kQtCatalogues) {
        auto translator = std::make_unique<QTranslator>();
        // A missing file is normal (Qt ships no Romanian one): its texts stay English.
        if (!translator->load(QString::fromLatin1(catalogue) + QLatin1Char('_') + system, folder)) continue;
        QCoreApplication::installTranslator(translator.get());
        installed_.push_back(std::move(translator));
    }
    return int(installed_.size());
}

}  // namespace pintaloo
