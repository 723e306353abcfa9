// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sound and print buttons in the title strip. Sound off means no sound
// request reaches the sound device; the button's choice is remembered
// between runs, while a --nosound start is for that run only. Print sends the
// drawing to the printer port (the printer dialog in the program, a PDF file
// in the replay tool).
#include <QPixmap>
#include <functional>

#include "ui/actions/box.h"
#include "ui/actions/sound_player.h"
#include "ui/actions/spoken_language.h"
#include "ui/actions/window_controls.h"
#include "ui/platform/services.h"

namespace pintaloo {

class ComfortButtons {
public:
    // What this part asks of its neighbours; the window connects each to
    // the part that does it (MainWindow::connectParts), and a test may put a
    // stand-in here.
    struct Needs {
        std::function<QImage()> canvasImage;  // the canvas as a picture, for the printer
    };
    Needs needs;

    ComfortButtons(WindowControls& c, const Services& services, const SoundPlayer& sounds, SpokenLanguage& spoken,
                   Needs wiring);

    bool soundOn() const { return soundOn_; }
    // Off for this run only, remembered nowhere (--nosound).
    void muteForThisRun();

    // Sound on or off, remembered; Ctrl+M does the same.
    void ToggleSound();
    // The drawing to the printer; Ctrl+P does the same.
    void PrintDrawing();
    void PointerOverSound(int button, double x, double y);
    void PointerOverPrint(int button, double x, double y);
    void normalFaces();
    // The language's texts on this part's controls (called again whenever the language changes).
    void applyTexts(Language language);

    // Runs when sound is turned on, so the program can open the device it
    // left closed while muted.
    std::function<void()> onSoundOn;

private:
    void showSoundFace(bool hot);

    const Services& services_;
    const SoundPlayer& sounds_;
    Box* soundButton_;  // "bSound"
    Box* printButton_;  // "bPrint"
    bool soundOn_ = true;
    QPixmap soundFaces_[2][2];  // [on][hot]
    QPixmap printFaces_[2];     // [hot]
};

}  // namespace pintaloo
