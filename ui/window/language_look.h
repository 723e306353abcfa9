// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the chosen language looks on screen: which way its lines run and which
// font has its letters. Applied to the whole application, so the dialogs,
// message boxes, tooltips and the help window follow; the painting window
// keeps its places (MainWindow is left to right in every language) and only
// its words run the language's way.
#include <QString>

#include "ui/words/language.h"

namespace pintaloo {

// The application's layout direction and font for `language`. Cheap when
// nothing changes; every top-level window (a dialog opened later too) takes
// the direction, every widget without a font of its own the families.
void ApplyLanguageLook(Language language);

}  // namespace pintaloo
