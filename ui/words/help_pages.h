// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The help-and-about page in the child's language: one template
// (resources/help/help_template.html) filled with the page's paragraphs from
// the translations, and with the buttons' names from the text table, so the
// help calls a button what its tooltip does.
#include <QString>

#include "ui/words/language.h"

namespace pintaloo {

// The whole page as HTML, its lang and dir set for the language.
QString HelpPageHtml(Language language);

// The page's slots, "help:Pencil" and "text:ToolPencil", that the template
// names and the tables have no text for (empty when all is well).
QStringList HelpTemplateGaps();

}  // namespace pintaloo
