// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The controls of the buttons that are each one file (ui/parts/buttons/,
// see ui/actions/button_file.h): each at its slot, with its face, lit while
// the pointer is over it, its tooltip in the window's language, a click
// running its action.
#include <vector>

#include "ui/actions/box.h"
#include "ui/actions/button_file.h"
#include "ui/actions/spoken_language.h"
#include "ui/actions/window_controls.h"

namespace pintaloo {

class FileButtons {
public:
    // The window's are every button file's (ButtonFiles()); a test gives its own.
    FileButtons(WindowControls& c, SpokenLanguage& spoken, const std::vector<ButtonFile>& files = ButtonFiles());

    void applyTexts(Language language);

private:
    struct Button {
        Box* box;
        const char* tip;
    };
    std::vector<Button> buttons_;
};

}  // namespace pintaloo
