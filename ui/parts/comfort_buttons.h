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
#include "ui/actions/part_context.h"

namespace pintaloo {

class ComfortButtons {
public:
    explicit ComfortButtons(PartContext& c);

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
    // The language's texts on this part's controls (the context calls it on every change).
    void applyTexts(Language language);

    // Runs when sound is turned on, so the program can open the device it
    // left closed while muted.
    std::function<void()> onSoundOn;

private:
    void showSoundFace(bool hot);

    PartContext& c_;
    Box* soundButton_;  // "bSound"
    Box* printButton_;  // "bPrint"
    bool soundOn_ = true;
    QPixmap soundFaces_[2][2];  // [on][hot]
    QPixmap printFaces_[2];     // [hot]
};

}  // namespace pintaloo
