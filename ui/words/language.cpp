// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/words/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <array>
#include <cstring>

namespace pintaloo {

namespace {

struct LanguageRow {
    Language language;
    const char* code;    // the program's own
    const char* system;  // as locales, translators and Qt's own files name it
    bool rightToLeft;
    const char* scriptFamily;  // see ScriptFamily
};

// Fonts are Debian's fonts-dejavu-core and fonts-noto-cjk; when one is
// missing Qt skips the name and the desktop's fallback still finds some face
// with the glyphs. DejaVu Sans joins the Arabic letters as well as Noto Sans
// Arabic does, and its lines are two thirds as tall, which the captions'
// small boxes need.
//
// The program's codes predate the standard ones for German and Spanish; the
// languages added since use the standard ones. A system code matches by its
// language part alone, so "zh_TW" gets the simplified Chinese and "pt_PT"
// the Brazilian Portuguese rather than English.
constexpr std::array<LanguageRow, kLanguageCount> kLanguages{{
    {Language::English, "en", "en", false, nullptr},
    {Language::Romanian, "ro", "ro", false, nullptr},
    {Language::French, "fr", "fr", false, nullptr},
    {Language::German, "ge", "de", false, nullptr},
    {Language::Italian, "it", "it", false, nullptr},
    {Language::Spanish, "sp", "es", false, nullptr},
    {Language::Arabic, "ar", "ar", true, "DejaVu Sans"},
    {Language::Chinese, "zh", "zh_CN", false, "Noto Sans CJK SC"},
    {Language::Japanese, "ja", "ja", false, "Noto Sans CJK JP"},
    {Language::Korean, "ko", "ko", false, "Noto Sans CJK KR"},
    {Language::Dutch, "nl", "nl", false, nullptr},
    {Language::Polish, "pl", "pl", false, nullptr},
    {Language::Portuguese, "pt", "pt_BR", false, nullptr},
    {Language::Russian, "ru", "ru", false, nullptr},
    {Language::Turkish, "tr", "tr", false, nullptr},
    {Language::Ukrainian, "uk", "uk", false, nullptr},
}};

static_assert([] {
    for (std::size_t i = 0; i < kLanguages.size(); ++i)
        if (kLanguages[i].language != Language(i)) return false;
    return true;
}(), "rows in the order of Language");

// "zh_CN" -> "zh": what a locale's language part is compared with.
QLatin1String LanguagePart(const char* system) {
    const char* cut = std::strchr(system, '_');
    return cut ? QLatin1String(system, cut - system) : QLatin1String(system);
}

const LanguageRow& RowOf(Language language) { return kLanguages[std::size_t(language)]; }

// Qt's files for its own texts: the base one carries the dialogs and buttons;
// "qt_xx" only gathers others the program does not use.
constexpr std::array<const char*, 1> kQtCatalogues{"qtbase"};

}  // namespace

QString LanguageCode(Language language) { return QString::fromLatin1(RowOf(language).code); }

QString SystemLanguageCode(Language language) { return QString::fromLatin1(RowOf(language).system); }

bool RightToLeft(Language language) { return RowOf(language).rightToLeft; }

QString ScriptFamily(Language language) { return QString::fromLatin1(RowOf(language).scriptFamily); }

std::optional<Language> LanguageFromCode(const QString& code) {
    // "fr_CA.UTF-8@euro" -> "fr": the region, the encoding and the variant do not matter.
    QString bare = code.trimmed().toLower();
    for (QChar cut : {QLatin1Char('@'), QLatin1Char('.'), QLatin1Char('_'), QLatin1Char('-')})
        bare = bare.section(cut, 0, 0);
    if (bare.isEmpty()) return std::nullopt;
    for (const LanguageRow& row : kLanguages)
        if (bare == QLatin1String(row.code) || bare == LanguagePart(row.system)) return row.language;
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

namespace {

// Arabic joins its letters, and Qt draws a mnemonic's underlined letter as
// a run of its own: the join breaks there, the word comes out wider than Qt
// measured it, and the button clips it ("Cancel" lost a letter in the save
// dialog). Asked before every other translator, this one hands on their
// word with the mnemonic taken out where it marks a letter of a joined
// script; Enter and Escape still answer the dialog, only Alt+letter is lost.
class JoinedScriptMnemonics final : public QTranslator {
public:
    explicit JoinedScriptMnemonics(std::vector<const QTranslator*> below) : below_(std::move(below)) {}
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char* disambiguation, int n) const override {
        if (!source || !std::strchr(source, '&')) return {};  // only a word with a mnemonic costs a look
        for (auto t = below_.rbegin(); t != below_.rend(); ++t) {  // the last installed first, as Qt asks
            QString text = (*t)->translate(context, source, disambiguation, n);
            if (text.isEmpty()) continue;
            for (qsizetype i = 0; i + 1 < text.size(); ++i) {
                if (text[i] != QLatin1Char('&')) continue;
                if (text[i + 1] == QLatin1Char('&')) {  // a written ampersand
                    ++i;
                    continue;
                }
                if (text[i + 1].script() == QChar::Script_Arabic) text.remove(i--, 1);
            }
            return text;
        }
        return {};
    }

private:
    std::vector<const QTranslator*> below_;
};

}  // namespace

QtTranslations::QtTranslations() = default;

QtTranslations::~QtTranslations() {
    for (auto& t : installed_) QCoreApplication::removeTranslator(t.get());
}

int QtTranslations::install(Language language) {
    for (auto& t : installed_) QCoreApplication::removeTranslator(t.get());
    installed_.clear();
    if (language == Language::English || std::size_t(language) >= kLanguages.size()) return 0;
    const QString system = QString::fromLatin1(RowOf(language).system);
    // Qt asks the translator installed last first. Ours goes in first, so it
    // only fills in the dialog words Qt has no translation of (all of them
    // in Romanian) and Qt's own translators' words win where they exist.
    auto ours = std::make_unique<QTranslator>();
    if (ours->load(QStringLiteral(":/i18n/pintaloo_") + system)) {
        QCoreApplication::installTranslator(ours.get());
        installed_.push_back(std::move(ours));
    }
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const char* catalogue : kQtCatalogues) {
        auto translator = std::make_unique<QTranslator>();
        // A missing file is normal (Qt ships no Romanian one): ours stands in.
        if (!translator->load(QString::fromLatin1(catalogue) + QLatin1Char('_') + system, folder)) continue;
        QCoreApplication::installTranslator(translator.get());
        installed_.push_back(std::move(translator));
    }
    const int files = int(installed_.size());
    std::vector<const QTranslator*> below;
    for (const auto& t : installed_) below.push_back(t.get());
    installed_.push_back(std::make_unique<JoinedScriptMnemonics>(std::move(below)));
    QCoreApplication::installTranslator(installed_.back().get());
    return files;
}

}  // namespace pintaloo
