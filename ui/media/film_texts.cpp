// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/film_texts.h"

#include "app/language.h"
#include "media/texts.h"

namespace pintaloo {

QString PlayFilmText() { return Text(TextId::PlayFilm, Language::English); }
QString SaveFilmText() { return Text(TextId::SaveFilm, Language::English); }

}  // namespace pintaloo
