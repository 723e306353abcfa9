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
#include "ui/actions/part_context.h"

namespace pintaloo {

class FileButtons {
public:
    // The window's are every button file's (ButtonFiles()); a test gives its own.
    explicit FileButtons(PartContext& c, const std::vector<ButtonFile>& files = ButtonFiles());

    void applyTexts(Language language);

private:
    struct Button {
        Box* box;
        TextId tip;
    };
    std::vector<Button> buttons_;
};

}  // namespace pintaloo
