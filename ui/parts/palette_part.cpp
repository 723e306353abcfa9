// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/parts/palette_part.h"

#include "ui/actions/layout.h"
#include "ui/words/texts.h"

#include "theme_colours.h"
#include "engine/toolbox/colours_and_sizes.h"

namespace pintaloo {

PalettePart::PalettePart(WindowControls& c, EditorState& state, const SoundPlayer& sounds, SpokenLanguage& spoken,
                         Needs wiring)
    : needs(std::move(wiring)), c_(c), state_(state), sounds_(sounds) {
    for (int i = 0; i < 24; ++i) {
        Box* b = new Box(&c.window, QStringLiteral("bColor(%1)").arg(i), PlaceOf("ChooseColour", i));
        b->setFrame(QColor(theme::OUTLINE), 1, 4);
        b->setHandCursor(true);
        c.actions.bind(*b, BoxEvent::Click, "ChooseColour", i);
        c.actions.bind(*b, BoxEvent::MouseMove, "PointerOverColour", i);
        swatches_[std::size_t(i)] = b;
    }
    chosenColour_ = new Box(&c.window, "sColor", PlaceOf("OpenAnimations"));
    chosenColour_->setFrame(QColor(theme::OUTLINE), 2, 6);
    chosenColour_->setHandCursor(true);
    c.actions.bind(*chosenColour_, BoxEvent::Click, "OpenAnimations");  // opens the animation panel
    c.actions.bind(*chosenColour_, BoxEvent::MouseMove, "PointerOverChosenColour");
    spoken.whenLanguageChanges([this](Language language) { applyTexts(language); });
}

void PalettePart::showColour(Colour c) { chosenColour_->setBackColor(QColor(RedOf(c), GreenOf(c), BlueOf(c))); }

void PalettePart::applyPalette() {
    for (int i = 0; i < 24; ++i) {
        const Colour c = kPalette[std::size_t(i)];
        swatches_[std::size_t(i)]->setBackColor(QColor(RedOf(c), GreenOf(c), BlueOf(c)));
    }
}

void PalettePart::ChooseColour(int index) {
    needs.hidePickers();
    state_.CurrentColor = kPalette[std::size_t(index)];
    state_.SwatchIndex = std::int16_t(index);
    showColour(state_.CurrentColor);
    // Bar 3 is white unless chosen, so afterwards exactly the chosen bar shows the colour.
    needs.paintSizeBars(3);
    if (const auto tone = ToneForSwatch(index)) sounds_.playMp3(*tone);
}

void PalettePart::PointerOverColour(int, int, double, double) { c_.setHandCursor(true); }
void PalettePart::PointerOverChosenColour(int, double, double) { c_.setHandCursor(true); }

void PalettePart::applyTexts(Language language) {
    const QString tip = Text(TextId::SelectColour, language);
    for (Box* b : swatches_) b->setToolTip(tip);
}

}  // namespace pintaloo
