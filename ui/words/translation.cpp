// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/words/translation.h"

#include <QTranslator>
#include <array>
#include <memory>
#include <mutex>

namespace pintaloo {

namespace {

// Loaded on first use, one a language, then kept for the run: a .qm file is
// a few tens of kilobytes and is read straight from the program's resources.
// The thumbnail workers name files too, hence the lock.
struct Catalogues {
    std::mutex lock;
    std::array<std::unique_ptr<QTranslator>, kLanguageCount> loaded;
    std::array<bool, kLanguageCount> tried{};
};

Catalogues& TheCatalogues() {
    static Catalogues catalogues;
    return catalogues;
}

const QTranslator* CatalogueOf(Language language) {
    const auto index = std::size_t(language);
    if (index >= std::size_t(kLanguageCount) || language == Language::English) return nullptr;
    Catalogues& c = TheCatalogues();
    const std::lock_guard<std::mutex> hold(c.lock);
    if (!c.tried[index]) {
        c.tried[index] = true;
        auto translator = std::make_unique<QTranslator>();
        if (translator->load(QStringLiteral(":/i18n/pintaloo_") + SystemLanguageCode(language)))
            c.loaded[index] = std::move(translator);
    }
    return c.loaded[index].get();
}

}  // namespace

QString Translate(Language language, const char* context, const char* source, const char* comment) {
    if (const QTranslator* catalogue = CatalogueOf(language)) {
        QString text = catalogue->translate(context, source, comment);
        if (!text.isEmpty()) return text;
    }
    return QString::fromUtf8(source);
}

bool TranslationLoaded(Language language) {
    return language == Language::English || CatalogueOf(language) != nullptr;
}

}  // namespace pintaloo
