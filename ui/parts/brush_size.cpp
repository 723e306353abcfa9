// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/parts/brush_size.h"

#include "ui/actions/layout.h"
#include "ui/words/texts.h"

#include "theme_colours.h"
#include "engine/toolbox/colours_and_sizes.h"

namespace pintaloo {

BrushSizeBars::BrushSizeBars(WindowControls& c, EditorState& state, const SoundPlayer& sounds, SpokenLanguage& spoken,
                             Needs wiring)
    : needs(std::move(wiring)), c_(c), state_(state), sounds_(sounds) {
    for (int i = 0; i < 4; ++i) {
        Box* b = new Box(&c.window, QStringLiteral("Label4(%1)").arg(i), PlaceOf("ChooseSize", i));
        b->setBackColor(QColor(Qt::white));
        b->setFrame(QColor(theme::OUTLINE), 1, 2);  // so a white bar shows on the shelf
        b->setHandCursor(true);
        c.actions.bind(*b, BoxEvent::Click, "ChooseSize", i);
        c.actions.bind(*b, BoxEvent::MouseMove, "PointerOverSize", i);
        bars_[std::size_t(i)] = b;
    }
    spoken.whenLanguageChanges([this](Language language) { applyTexts(language); });
}

void BrushSizeBars::paintBars(int bars) {
    for (int i = 0; i < bars; ++i) bars_[std::size_t(i)]->setBackColor(QColor(Qt::white));
    const int chosen = state_.SizeIndex;
    if (chosen >= 0 && chosen < 4) {
        const Colour c = state_.CurrentColor;
        bars_[std::size_t(chosen)]->setBackColor(QColor(RedOf(c), GreenOf(c), BlueOf(c)));
    }
}

void BrushSizeBars::ChooseSize(int index) {
    sounds_.playMp3Sound(Mp3Sound::SizeChosen);
    needs.closeAnimations(false);
    state_.SizeIndex = std::int16_t(index);
    paintBars(4);
    state_.BrushSize = kBrushSizes[std::size_t(index)].brushSize;
    state_.BrushHalfWidth = kBrushSizes[std::size_t(index)].halfWidth;
}

void BrushSizeBars::PointerOverSize(int, int, double, double) { c_.setHandCursor(true); }

void BrushSizeBars::applyTexts(Language language) {
    const QString tip = Text(TextId::BrushSize, language);
    for (Box* b : bars_) b->setToolTip(tip);
}

}  // namespace pintaloo
