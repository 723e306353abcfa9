// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/parts/palette_part.h"

#include "ui/window/main_window.h"
#include "ui/parts/animation_panel.h"
#include "ui/parts/captions.h"
#include "theme_colours.h"
#include "ui/parts/brush_size.h"
#include "ui/parts/pickers.h"
#include "engine/toolbox/tool_tables.h"

namespace pintaloo {

namespace {
// Three rows of seven colours and a column of three greys to their right.
QRect SwatchPlace(int item) {
    int col, row;
    if (item >= 21) {
        col = 7;
        row = item - 21;
    } else {
        col = item % 7;
        row = item / 7;
    }
    return {560 + 24 * col, 632 + 24 * row, 20, 20};
}
}  // namespace

PalettePart::PalettePart(MainWindow& w) : w_(w) {
    for (int i = 0; i < 24; ++i) {
        Box* b = new Box(&w, QStringLiteral("bColor(%1)").arg(i), SwatchPlace(i));
        b->setFrame(QColor(theme::OUTLINE), 1, 4);
        b->setHandCursor(true);
        w.actions.bind(*b, BoxEvent::Click, "ChooseColour", i);
        w.actions.bind(*b, BoxEvent::MouseMove, "PointerOverColour", i);
        swatches_[std::size_t(i)] = b;
    }
    chosenColour_ = new Box(&w, "sColor", {760, 632, 49, 67});
    chosenColour_->setFrame(QColor(theme::OUTLINE), 2, 6);
    chosenColour_->setHandCursor(true);
    w.actions.bind(*chosenColour_, BoxEvent::Click, "OpenAnimations");  // opens the animation panel
    w.actions.bind(*chosenColour_, BoxEvent::MouseMove, "PointerOverChosenColour");
}

void PalettePart::showColour(Colour c) { chosenColour_->setBackColor(QColor(RedOf(c), GreenOf(c), BlueOf(c))); }

void PalettePart::applyPalette() {
    for (int i = 0; i < 24; ++i) {
        const Colour c = kPalette[std::size_t(i)];
        swatches_[std::size_t(i)]->setBackColor(QColor(RedOf(c), GreenOf(c), BlueOf(c)));
    }
}

void PalettePart::ChooseColour(int index) {
    w_.pickers().hidePanels();
    if (index < 0 || index > 23) return;  // no such swatch
    w_.state.CurrentColor = kPalette[std::size_t(index)];
    w_.state.SwatchIndex = std::int16_t(index);
    showColour(w_.state.CurrentColor);
    // Bar 3 is white unless chosen, so afterwards exactly the chosen bar shows the colour.
    w_.brushSize().paintBars(3);
    if (const auto tone = ToneForSwatch(index)) w_.PlayMp3Sound(*tone);
}

void PalettePart::PointerOverColour(int, int, double, double) { w_.SetHandCursor(true); }
void PalettePart::PointerOverChosenColour(int, double, double) { w_.SetHandCursor(true); }

void PalettePart::applyCaptions(const CaptionTexts& texts) {
    if (const auto& t = texts[Caption::Swatch])
        for (Box* b : swatches_) b->setToolTip(*t);
}

}  // namespace pintaloo
