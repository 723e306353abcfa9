// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Four upright bars that choose how thick the brush is. The chosen bar is
// filled with the painting colour, so it previews colour and size at once.
#include <array>

#include "ui/actions/box.h"
#include "ui/actions/part_context.h"

namespace pintaloo {

class BrushSizeBars {
public:
    explicit BrushSizeBars(PartContext& c);

    void ChooseSize(int index);
    void PointerOverSize(int index, int button, double x, double y);
    // The language's texts on this part's controls (the context calls it on every change).
    void applyTexts(Language language);
    // All bars white, then the chosen one in the current colour.
    void paintBars(int bars);

private:
    PartContext& c_;
    std::array<Box*, 4> bars_{};  // "Label4(0)".."Label4(3)"
};

}  // namespace pintaloo
