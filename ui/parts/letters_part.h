// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The letters: a child writes a word on the drawing. With the letters
// button chosen, a press on the paper puts where the word starts (the
// canvas hands the press over, inside its own action, so the story replays
// it); then letters come from the keyboard, an input method, or the letter
// board, a panel of big keys that opens with the tool, for fingers and for
// a child who does not know the keyboard yet; it shows while a word is
// open, and a panel's way back puts it away (the word stays open). The word shows over the
// paper as it grows, exactly as it will land, in the chosen colour and at
// the size the size bars choose. Enter, Escape or the board's done key lay
// it on the paper as one undo step; so do a press elsewhere on the paper
// (a new word starts there) and choosing another tool, since a child who
// moves on expects the word to stay. A new page, an opened picture, undo
// and redo forget a word still being typed.
//
// Every step is an action (TypeLetter with the letter's code point and the
// font's stamp, LettersBack, LettersDone; the board's keys run TypeLetter),
// so the story keeps the word itself and replays it exactly; a story typed
// with other font files is replayed with the installed ones, and the
// replay says so once.
#include <QImage>
#include <QPoint>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <vector>

#include "engine/canvas/rect.h"
#include "engine/canvas/surface.h"
#include "engine/editor/tool.h"
#include "ui/actions/late_widgets.h"
#include "ui/actions/painting.h"
#include "ui/actions/panels.h"
#include "ui/actions/spoken_language.h"
#include "ui/actions/window_controls.h"
#include "ui/words/letters_text.h"

class QKeyEvent;

namespace pintaloo {

class Box;

// The paper's `area` with the word laid on it by the routine that lands it
// (engine/toolbox/letters_ink.h): what the word over the paper shows.
QImage PaperWithWord(const Surface& paper, const LetterInk& ink, QRect area, Colour colour, Colour outline);

class LettersPart {
public:
    struct Needs {
        // Where the canvas lies on the window (the word is shown over it).
        std::function<QRect()> canvasOnWindow;
    };
    Needs needs;

    LettersPart(WindowControls& c, Painting& painting, SpokenLanguage& spoken, Panels& panels, Needs wiring);

    // The canvas's press with `tool`: true when it was the letters' (the
    // word still open lands, and a new one starts at the point).
    bool takePress(Tool tool, double x, double y);
    // A key for the word while one is open: true when taken. Space and
    // Enter stay the focus ring's and the switch's while `keysPressControls`
    // (a switch scans, or the ring stands on a board key).
    bool takeKey(const QKeyEvent& e, bool keysPressControls);
    // What an input method gives: its committed text, letter by letter.
    void takeInput(const QString& committed);

    // The actions.
    void TypeLetter(int letter, int fontStamp);
    void PressLetterKey(int key);
    void LetterSpace();
    void LettersBack();
    void LettersDone();

    // What the state dump shows.
    bool open() const { return open_; }
    const QString& text() const { return text_.text(); }
    QPoint at() const { return at_; }
    int pixelSize() const;
    bool boardShown() const;
    // True when `w` is one of the board's keys.
    bool onBoard(const QWidget* w) const;

private:
    void heard(const ActionCall& call);
    void land();
    void forget();
    void showBoard();
    // Draws the word over the paper again; unless `changed`, only when its
    // colour, size, place or language differ from the last drawing.
    void showWord(bool changed);
    void applyTexts(Language language);
    void fillKeys(Language language);

    WindowControls& c_;
    Painting& painting_;
    SpokenLanguage& spoken_;
    Panels& panels_;
    LateWidgets late_;
    void make();
    Box* board_ = nullptr;        // "pctLetters"
    std::vector<Box*> keys_;      // "bLetter(i)", the letter keys
    Box *space_ = nullptr, *back_ = nullptr, *done_ = nullptr;  // "bLetterSpace", "bLetterBack", "bLetterDone"
    QWidget* word_ = nullptr;  // the word over the paper, as it will land
    // What the word over the paper was last drawn from: drawn again only when one changes.
    QString shownText_;
    Colour shownColour_ = 0;
    int shownSize_ = 0;
    QPoint shownAt_;
    Language shownLanguage_ = Language(-1);
    LetterText text_;
    bool open_ = false;
    QPoint at_;
    Language keysLanguage_ = Language(-1);
    bool warnedFont_ = false;
    bool boardAway_ = false;  // put away (Escape's ClosePanel, a right click) until the next word
};

}  // namespace pintaloo
