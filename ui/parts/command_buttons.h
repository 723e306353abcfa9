// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The page commands at the top right: new page, new colouring page, save
// drawing; and a help button that sits beyond the window's edge.
#include <array>

#include "ui/actions/box.h"
#include "ui/actions/part_context.h"

namespace pintaloo {

class CommandButtons {
public:
    explicit CommandButtons(PartContext& c);

    void NewColouringPage(int button, double x, double y);  // new colouring page
    void NewPage(int button, double x, double y);  // new page
    void ShowHelp();                                               // help
    void PointerOverCommand(int which, int button, double x, double y);

    // The language's texts on this part's controls (the context calls it on every change).
    void applyTexts(Language language);
    void normalFaces();

private:
    Box* button(int which) { return buttons_[std::size_t(which - 1)]; }  // KewlButtons1..4

    PartContext& c_;
    std::array<Box*, 4> buttons_{};
    // By button: the canvas restores these on every mouse step, so they are
    // drawn once here rather than looked up each time.
    std::array<QPixmap, 4> normal_, hot_;
};

}  // namespace pintaloo
