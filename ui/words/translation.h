// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A text in any of the program's languages, looked up in that language's
// compiled translation (translations/pintaloo_LANG.ts, embedded as
// :/i18n/pintaloo_LANG.qm). English is the source and needs no lookup. The
// lookup takes the language as an argument, not Qt's installed translators,
// because the window names drawings and answers a screen reader in the
// child's language while tests ask for several languages side by side.
#include <QString>

#include "ui/words/language.h"

namespace pintaloo {

// What QT_TRANSLATE_NOOP3 gives: the English text and its translator's note.
struct SourceText {
    const char* source;
    const char* comment;
};

// The translation of SOURCE in CONTEXT (with the translator's COMMENT, which
// tells apart two meanings of one English text), or SOURCE itself when the
// language has none: an English word beats an empty control.
QString Translate(Language language, const char* context, const char* source, const char* comment = nullptr);

// Whether the language's translation could be loaded at all (the tests' and
// the translation check's question; the program just falls back to English).
bool TranslationLoaded(Language language);

}  // namespace pintaloo
