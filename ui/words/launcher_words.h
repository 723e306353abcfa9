// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The launcher entry's and the software centre's texts. The program does not
// show them; they are here so lupdate puts them in every language's file,
// from which the build writes the translated .desktop and metainfo files
// (tools/i18n/localise_desktop.py reads this table by its slots).
#include <span>

#include "ui/words/translation.h"

namespace pintaloo {

struct LauncherWord {
    const char* slot;  // the desktop templates' @SLOT@
    SourceText text;
};

std::span<const LauncherWord> LauncherWords();

}  // namespace pintaloo
