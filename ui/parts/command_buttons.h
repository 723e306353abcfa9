// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The page commands at the top right: new page, new colouring page, save
// drawing; and a help button that sits beyond the window's edge.
#include <array>
#include <functional>

#include "ui/actions/box.h"
#include "ui/actions/sound_player.h"
#include "ui/actions/spoken_language.h"
#include "ui/actions/window_controls.h"

namespace pintaloo {

class CommandButtons {
public:
    // What this part asks of its neighbours; the window connects each to
    // the part that does it (MainWindow::connectParts), and a test may put a
    // stand-in here.
    struct Needs {
        std::function<void(bool withClick)> closeAnimations;
        std::function<void()> openPagePicker;
        std::function<void()> closePagePicker;
        std::function<void()> resetEditor;  // back to a blank page with every default
        std::function<void()> normalChromeFaces;
    };
    Needs needs;

    CommandButtons(WindowControls& c, const SoundPlayer& sounds, SpokenLanguage& spoken, Needs wiring);

    void NewColouringPage(int button, double x, double y);  // new colouring page
    void NewPage(int button, double x, double y);  // new page
    void ShowHelp();                                               // help
    void PointerOverCommand(int which, int button, double x, double y);

    // The language's texts on this part's controls (called again whenever the language changes).
    void applyTexts(Language language);
    void normalFaces();

private:
    Box* button(int which) { return buttons_[std::size_t(which - 1)]; }  // KewlButtons1..4

    WindowControls& c_;
    const SoundPlayer& sounds_;
    std::array<Box*, 4> buttons_{};
    // By button: the canvas restores these on every mouse step, so they are
    // drawn once here rather than looked up each time.
    std::array<QPixmap, 4> normal_, hot_;
};

}  // namespace pintaloo
