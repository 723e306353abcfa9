// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Undo, redo and the kept drawing, wired into the window. This part listens
// to every action on the window's hub and turns the ones that change the
// drawing into steps of the engine's History: a stroke on the canvas is one
// step from press to release (or to the next press, when a release never
// came), any other drawing action (new page, a colouring page, an opened
// file, the oil effect) one step when it has ended. Nothing here runs on a
// mouse step: a commit compares the whole canvas once, at the end of a change.
//
// After every step, and after every undo and redo, the drawing goes to the
// KeptDrawingWriter when the window keeps its drawing (keepIn), which writes
// it off the UI thread a moment later.
//
//   window.history().keepIn(KeptDrawingFolder());  // after Load: shows the kept drawing
//   window.history().flush();                      // at exit (Unload does it)
#include <QPixmap>
#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "engine/history/history.h"
#include "ui/actions/action_hub.h"
#include "ui/actions/painting.h"
#include "ui/actions/sound_player.h"
#include "ui/actions/spoken_language.h"
#include "ui/actions/window_controls.h"
#include "ui/platform/services.h"

namespace pintaloo {

class Box;
class KeptDrawingWriter;

class DrawingHistory {
public:
    // What this part asks of its neighbours; the window connects each to
    // the part that does it (MainWindow::connectParts), and a test may put a
    // stand-in here.
    struct Needs {
        std::function<void()> showPickerPage;  // the page picker's counter (and preview) for the state's page
    };
    Needs needs;

    DrawingHistory(WindowControls& c, Painting& painting, const Services& services, const SoundPlayer& sounds,
                   SpokenLanguage& spoken, Needs wiring);
    ~DrawingHistory();

    // The drawing as it is now becomes the start: every step is forgotten.
    void restart();
    // Keeps the drawing in `folder` from now on; first shows the drawing kept
    // there, if there is a sound one of the canvas's size. An empty folder
    // keeps nothing. True when a kept drawing was shown.
    bool keepIn(const QString& folder);
    // Hands the page as it is now to the kept drawing's writer: a page begun
    // afresh outside any action (a start on a blank page) is what comes back.
    void keepNow();
    // Fingers still down hold the step open no longer, as after a change
    // that cut it: where a story is taken up again, the change it was left
    // at having cut the step in the window that recorded it.
    void letFingersGo();
    // Ends a stroke still held and writes a waiting change now (at exit).
    void flush();
    // The drawing cannot be kept this run (no state folder, another copy
    // keeps its own there): the parent is told `message` now, and asked
    // at the end whether to save a changed drawing.
    void cannotKeep(const QString& message);
    // Before the window closes: writes what waits, and when the drawing
    // is not kept, offers the parent to save it first.
    void offerSaveBeforeQuitting();

    // The actions of the two buttons and their keys.
    void Undo();
    void Redo();

    // The language's texts on this part's controls (called again whenever the language changes).
    void applyTexts(Language language);
    // The buttons' faces: normal, or off when there is nothing to do.
    void showButtons();
    // The pointer over a button: its face glows (when it can do something).
    void PointerOverUndo(int button, double x, double y);
    void PointerOverRedo(int button, double x, double y);

    const History& history() const { return *history_; }
    // Steps to undo and redo; none before the window's first reset.
    std::size_t undoCount() const { return history_ ? history_->undoCount() : 0; }
    std::size_t redoCount() const { return history_ ? history_->redoCount() : 0; }
    const KeptDrawingWriter* keeper() const { return keeper_.get(); }
    // Steps cut since the window began, restarts included: a change in it
    // around an action tells that the action cut a step (a cancelled open
    // ends a stroke held across it, which its story must then say).
    std::size_t cuts() const { return cuts_; }

private:
    void heard(const ActionCall& call);
    void commit();
    void afterChange();
    void restore(const std::optional<StepInfo>& info);
    void hotFace(std::size_t which);
    void tell(const QString& message);

    WindowControls& c_;
    Painting& painting_;
    const Services& services_;
    const SoundPlayer& sounds_;
    const SpokenLanguage& language_;
    Box* undoButton_ = nullptr;  // "bUndo"
    Box* redoButton_ = nullptr;  // "bRedo"
    std::optional<History> history_;
    std::unique_ptr<KeptDrawingWriter> keeper_;
    bool strokeOpen_ = false;  // a canvas press not yet committed
    unsigned fingers_ = 0;     // the fingers down on the canvas, one bit each
    bool fingersHold_ = false;  // they hold the step open: a mouse press or release cuts nothing
    int running_ = 0;          // drawing actions begun and not yet ended (the oil effect waits with events running)
    bool cannotKeep_ = false;  // nothing is kept this run, whatever happens
    std::size_t cuts_ = 0;     // see cuts()
    bool changed_ = false;     // a change since the start (or since the last offer to save)
    // By button, then normal, hot, off: drawn once, the canvas resets faces on every mouse step.
    std::array<std::array<QPixmap, 3>, 2> faces_;
};

}  // namespace pintaloo
