// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/words/film_texts.h"

#include "ui/words/texts.h"

namespace pintaloo {

QString PlayFilmText() { return Text(TextId::PlayFilm, Language::English); }
QString SaveFilmText() { return Text(TextId::SaveFilm, Language::English); }

QString FilmNotSavedTitle(Language language) { return Text(TextId::FilmNotSavedTitle, language); }
QString FilmNotSavedText(const QString& path, const QString& why, Language language) {
    return Text(TextId::FilmNotSaved, language).arg(path, why);
}
QString FilmSavedTitle(Language language) { return Text(TextId::FilmSavedTitle, language); }
QString FilmCutShortText(Language language) { return Text(TextId::FilmCutShort, language); }

}  // namespace pintaloo
