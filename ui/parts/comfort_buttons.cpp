// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/parts/comfort_buttons.h"

#include "ui/actions/layout.h"
#include "ui/words/texts.h"

#include "ui/platform/settings.h"
#include "ui/art/art_store.h"

namespace pintaloo {

namespace {
QPixmap Face(const char* name, bool hot) {
    return ArtStore::instance().pixmap(
        QStringLiteral(":/art/ui/%1%2.svg").arg(QLatin1String(name), hot ? QStringLiteral("_hot") : QString()),
        {49, 49});
}
}  // namespace

ComfortButtons::ComfortButtons(WindowControls& c, const Services& services, const SoundPlayer& sounds,
                               SpokenLanguage& spoken, Needs wiring)
    : needs(std::move(wiring)), services_(services), sounds_(sounds) {
    printButton_ = new Box(&c.window, QStringLiteral("bPrint"), PlaceOf("PrintDrawing"));
    soundButton_ = new Box(&c.window, QStringLiteral("bSound"), PlaceOf("ToggleSound"));
    for (int hot = 0; hot < 2; ++hot) {
        soundFaces_[0][hot] = Face("cmd_sound_off", hot != 0);
        soundFaces_[1][hot] = Face("cmd_sound_on", hot != 0);
        printFaces_[hot] = Face("cmd_print", hot != 0);
    }
    for (Box* b : {printButton_, soundButton_}) b->setHandCursor(true);
    if (services_.settings) soundOn_ = services_.settings->soundOn();
    // Where the school says no printing there is no button to wonder about.
    if (services_.settings && services_.settings->noPrint()) printButton_->hide();
    normalFaces();
    c.actions.bind(*soundButton_, BoxEvent::Click, "ToggleSound");
    c.actions.bind(*printButton_, BoxEvent::Click, "PrintDrawing");
    c.actions.bind(*soundButton_, BoxEvent::MouseMove, "PointerOverSound");
    c.actions.bind(*printButton_, BoxEvent::MouseMove, "PointerOverPrint");
    spoken.whenLanguageChanges([this](Language language) { applyTexts(language); });
}

void ComfortButtons::muteForThisRun() {
    soundOn_ = false;
    showSoundFace(false);
}

void ComfortButtons::ToggleSound() {
    soundOn_ = !soundOn_;
    if (services_.settings) services_.settings->setSoundOn(soundOn_);
    showSoundFace(soundButton_->underMouse());
    if (soundOn_) {
        if (onSoundOn) onSoundOn();
        sounds_.playWave(WaveSound::Click);  // the same click every button makes: the child hears sound is back
    }
}

void ComfortButtons::PrintDrawing() {
    if (services_.settings && services_.settings->noPrint()) return;  // Ctrl+P too does nothing then
    sounds_.playWave(WaveSound::Click);
    if (services_.printer) services_.printer->print(needs.canvasImage());
}

void ComfortButtons::PointerOverSound(int, double, double) {
    normalFaces();
    showSoundFace(true);
}

void ComfortButtons::PointerOverPrint(int, double, double) {
    normalFaces();
    printButton_->setPicture(printFaces_[1]);
}

void ComfortButtons::normalFaces() {
    showSoundFace(false);
    printButton_->setPicture(printFaces_[0]);
}

void ComfortButtons::showSoundFace(bool hot) { soundButton_->setPicture(soundFaces_[soundOn_ ? 1 : 0][hot ? 1 : 0]); }

void ComfortButtons::applyTexts(Language language) {
    soundButton_->setToolTip(Text(TextId::SoundOnOff, language));
    printButton_->setToolTip(Text(TextId::Print, language));
}

}  // namespace pintaloo
