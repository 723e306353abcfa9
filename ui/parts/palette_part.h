// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The 24 colour swatches, each with its tone, and the box that shows the
// colour last chosen (which also opens the animation panel).
#include <array>
#include <functional>

#include "engine/canvas/colour.h"
#include "engine/editor/editor_state.h"
#include "ui/actions/box.h"
#include "ui/actions/sound_player.h"
#include "ui/actions/spoken_language.h"
#include "ui/actions/window_controls.h"

namespace pintaloo {

class PalettePart {
public:
    // What this part asks of its neighbours; the window connects each to
    // the part that does it (MainWindow::connectParts), and a test may put a
    // stand-in here.
    struct Needs {
        std::function<void()> hidePickers;
        std::function<void(int bars)> paintSizeBars;
    };
    Needs needs;

    PalettePart(WindowControls& c, EditorState& state, const SoundPlayer& sounds, SpokenLanguage& spoken, Needs wiring);

    void ChooseColour(int index);
    void PointerOverColour(int index, int button, double x, double y);
    void PointerOverChosenColour(int button, double x, double y);
    // The language's texts on this part's controls (called again whenever the language changes).
    void applyTexts(Language language);
    // The box of the colour last chosen shows this one.
    void showColour(Colour c);
    // The swatches take the palette's colours, item 0 first.
    void applyPalette();

private:
    WindowControls& c_;
    EditorState& state_;
    const SoundPlayer& sounds_;
    std::array<Box*, 24> swatches_{};  // "bColor(0)".."bColor(23)"
    Box* chosenColour_;                // "sColor"
};

}  // namespace pintaloo
