// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The version line at the bottom of the window; releasing a button over it
// opens the help-and-about page in a window of the program's own.
#include <QFont>
#include <QString>

#include "ui/actions/box.h"
#include "ui/actions/spoken_language.h"
#include "ui/actions/window_controls.h"
#include "ui/platform/services.h"

namespace pintaloo {

class HelpLink {
public:
    HelpLink(WindowControls& c, const Services& services, SpokenLanguage& spoken);
    // The line's font and its first text, before any language is applied.
    static QFont captionFont();
    static QString firstCaption();
    void PointerOverHelpLine(int button, double x, double y);
    void FollowHelpLine(int button, double x, double y);
    // The language's texts on this part's controls (called again whenever the language changes).
    void applyTexts(Language language);

private:
    WindowControls& c_;
    const Services& services_;
    const SpokenLanguage& language_;
    Box* versionLine_;  // "lblInfo"
};

}  // namespace pintaloo
