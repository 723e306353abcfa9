// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The film buttons' English texts from the text table, until the window's
// language reaches them through applyCaptions, and the film's messages.
// Kept apart because the text table's names clash with the paint engine's.
#include <QString>

#include "ui/words/language.h"

namespace pintaloo {

QString PlayFilmText();  // "Watch it again"
QString SaveFilmText();  // "Save the film"

// What saving a film tells the parent, in the window's language.
QString FilmNotSavedTitle(Language language);
QString FilmNotSavedText(const QString& path, const QString& why, Language language);
QString FilmSavedTitle(Language language);
QString FilmCutShortText(Language language);

}  // namespace pintaloo
