// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Four upright bars that choose how thick the brush is. The chosen bar is
// filled with the painting colour, so it previews colour and size at once.
#include <array>
#include <functional>

#include "engine/editor/editor_state.h"
#include "ui/actions/box.h"
#include "ui/actions/sound_player.h"
#include "ui/actions/spoken_language.h"
#include "ui/actions/window_controls.h"

namespace pintaloo {

class BrushSizeBars {
public:
    // What this part asks of its neighbours; the window connects each to
    // the part that does it (MainWindow::connectParts), and a test may put a
    // stand-in here.
    struct Needs {
        std::function<void(bool withClick)> closeAnimations;
    };
    Needs needs;

    BrushSizeBars(WindowControls& c, EditorState& state, const SoundPlayer& sounds, SpokenLanguage& spoken,
                  Needs wiring);

    void ChooseSize(int index);
    void PointerOverSize(int index, int button, double x, double y);
    // The language's texts on this part's controls (called again whenever the language changes).
    void applyTexts(Language language);
    // All bars white, then the chosen one in the current colour.
    void paintBars(int bars);

private:
    WindowControls& c_;
    EditorState& state_;
    const SoundPlayer& sounds_;
    std::array<Box*, 4> bars_{};  // "Label4(0)".."Label4(3)"
};

}  // namespace pintaloo
