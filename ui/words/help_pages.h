// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The help-and-about page in the child's language: one template
// (resources/help/help_template.html) filled with the page's paragraphs from
// the translations, and with the buttons' names from the text table, so the
// help calls a button what its tooltip does; "{{key:help.penPressure}}" is
// a text by its key (ui/words/texts.cpp, TextsByKey).
#include <QString>
#include <vector>

#include "ui/words/language.h"

namespace pintaloo {

// One line of the page's key list: the keys as they are written on them,
// and what they do, as the template's own markup ("{{text:NewPage}}",
// "{{help:QuitKey}}") or as HTML words already in the page's language.
struct HelpKey {
    QString keys;
    QString words;
};

// The whole page as HTML, its lang and dir set for the language; `keys` are
// its key list ({{keys}} in the template), in order. The window's list is
// made from its action rows (ui/window/window_actions.h, HelpKeys).
QString HelpPageHtml(Language language, const std::vector<HelpKey>& keys = {});

// The page's slots, "help:Pencil", "text:ToolPencil" and "key:...", that the template
// names and the tables have no text for (empty when all is well).
QStringList HelpTemplateGaps();

}  // namespace pintaloo
