// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/parts/comfort_buttons.h"

#include "ui/window/main_window.h"
#include "ui/platform/settings.h"
#include "ui/parts/captions.h"
#include "ui/parts/drawing_files.h"
#include "ui/files/printing.h"
#include "ui/art/art_store.h"

namespace pintaloo {

namespace {
QPixmap Face(const char* name, bool hot) {
    return ArtStore::instance().pixmap(
        QStringLiteral(":/art/ui/%1%2.svg").arg(QLatin1String(name), hot ? QStringLiteral("_hot") : QString()),
        {49, 49});
}
}  // namespace

ComfortButtons::ComfortButtons(MainWindow& w) : w_(w) {
    printButton_ = new Box(&w, QStringLiteral("bPrint"), {456, 20, 49, 49});
    soundButton_ = new Box(&w, QStringLiteral("bSound"), {512, 20, 49, 49});
    for (int hot = 0; hot < 2; ++hot) {
        soundFaces_[0][hot] = Face("cmd_sound_off", hot != 0);
        soundFaces_[1][hot] = Face("cmd_sound_on", hot != 0);
        printFaces_[hot] = Face("cmd_print", hot != 0);
    }
    for (Box* b : {printButton_, soundButton_}) b->setHandCursor(true);
    if (w.services.settings) soundOn_ = w.services.settings->soundOn();
    normalFaces();
    w.actions.bind(*soundButton_, BoxEvent::Click, "ToggleSound");
    w.actions.bind(*printButton_, BoxEvent::Click, "PrintDrawing");
    w.actions.bind(*soundButton_, BoxEvent::MouseMove, "PointerOverSound");
    w.actions.bind(*printButton_, BoxEvent::MouseMove, "PointerOverPrint");
}

void ComfortButtons::muteForThisRun() {
    soundOn_ = false;
    showSoundFace(false);
}

void ComfortButtons::ToggleSound() {
    soundOn_ = !soundOn_;
    if (w_.services.settings) w_.services.settings->setSoundOn(soundOn_);
    showSoundFace(soundButton_->underMouse());
    if (soundOn_) {
        if (onSoundOn) onSoundOn();
        w_.PlayWaveSound(102);  // the same click every button makes: the child hears sound is back
    }
}

void ComfortButtons::PrintDrawing() {
    w_.PlayWaveSound(102);
    if (w_.services.printer) w_.services.printer->print(DrawingFiles::CanvasImage(w_.canvas));
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

void ComfortButtons::applyCaptions(const CaptionTexts& texts) {
    if (const auto& t = texts[Caption::Sound]) soundButton_->setToolTip(*t);
    if (const auto& t = texts[Caption::Print]) printButton_->setToolTip(*t);
}

}  // namespace pintaloo
