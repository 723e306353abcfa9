// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/words/help_pages.h"

namespace pintaloo {

QString HelpPageFor(Language language) {
    if (language == Language::English) return QStringLiteral(":/help/index.html");
    return QStringLiteral(":/help/index.%1.html").arg(LanguageCode(language));
}

}  // namespace pintaloo
