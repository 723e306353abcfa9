// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The 24 colour swatches, each with its tone, and the box that shows the
// colour last chosen (which also opens the animation panel).
#include <array>

#include "ui/actions/box.h"
#include "ui/actions/part_context.h"
#include "engine/canvas/colour.h"

namespace pintaloo {

class PalettePart {
public:
    explicit PalettePart(PartContext& c);

    void ChooseColour(int index);
    void PointerOverColour(int index, int button, double x, double y);
    void PointerOverChosenColour(int button, double x, double y);
    // The language's texts on this part's controls (the context calls it on every change).
    void applyTexts(Language language);
    // The box of the colour last chosen shows this one.
    void showColour(Colour c);
    // The swatches take the palette's colours, item 0 first.
    void applyPalette();

private:
    PartContext& c_;
    std::array<Box*, 24> swatches_{};  // "bColor(0)".."bColor(23)"
    Box* chosenColour_;                // "sColor"
};

}  // namespace pintaloo
