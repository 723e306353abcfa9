// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The help-and-about page in the child's language: one embedded page a
// language, named after the program's own code, the English one keeping its
// old name.
#include <QString>

#include "ui/words/language.h"

namespace pintaloo {

// ":/help/index.html" for English, ":/help/index.ro.html" and so on.
QString HelpPageFor(Language language);

}  // namespace pintaloo
