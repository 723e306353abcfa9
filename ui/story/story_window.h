// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window as the story floor sees it: everything the recorder, the
// story player, the film, the gallery keeper and the start picture read of
// the window and may do to it, and nothing more. The story never includes
// the window's own header; the window implements this beside itself
// (ui/window/window_for_story.*) and hands it out as
// MainWindow::storyWindow(), as it hands its parts their context.
//
// What the story hears is the action hub: every action's beginning and end,
// with its row's effect and story role, and running an action is the one way
// it changes the drawing. The rest reads the drawing as it stands, or does
// one named thing a story needs that no action does.
//
//   SessionRecorder recorder(window.storyWindow(), KeptDrawingFolder());
//   FilmPart film(window.storyWindow(), recorder);
#include <QRect>
#include <QString>
#include <chrono>
#include <cstdint>
#include <memory>
#include <vector>

#include "ui/words/language.h"

class QWidget;

namespace pintaloo {

class ActionHub;
class DrawingHistory;
class FileDialogPort;
class GalleryPort;
class Surface;
struct EditorState;

// Where a stroke stands beside the editor state: the painters' memory of its
// last point (the pointer may still be held), and the point the joined-up
// tools draw from. A story's `state` line carries it whole.
struct StrokePlace {
    bool hasPoint = false;
    std::int16_t x = 0, y = 0;
    int drawX = 0, drawY = 0;
    bool operator==(const StrokePlace&) const = default;
};

class StoryWindow {
public:
    virtual ~StoryWindow() = default;

    // --- What the story hears and reads ---

    // Every action by name: observers hear each begin and end, stories are
    // checked against its rows and played through it, the film plugs its
    // members into its rows and binds its buttons.
    virtual ActionHub& actions() = 0;
    virtual const Surface& canvas() const = 0;
    virtual const EditorState& editorState() const = 0;
    virtual StrokePlace strokePlace() const = 0;
    // Where the painters' random numbers stand: a `seed` line says it.
    virtual std::uint32_t randomSeed() const = 0;
    // The undo history: its steps and cuts tell the recorder what undo, redo
    // and a cancelled open did.
    virtual const DrawingHistory& history() const = 0;
    // Whether the pen is held by its eraser end, which no editor state holds.
    virtual bool penErases() const = 0;
    // The stamp chosen from the collections and every stamp's size and turn,
    // as the StampChoices action takes them; empty when as at start.
    virtual std::vector<double> stampChoices() const = 0;
    virtual Language language() const = 0;
    // The current drawing's names: the picture the last open put on the
    // canvas (empty when that open was cancelled or refused), and the path
    // the last file dialog left (a save's name, say).
    virtual QString openedPicture() const = 0;
    virtual QString lastDialogPath() const = 0;
    // How long a picture may take to decode, for a story's own pictures.
    virtual std::chrono::milliseconds openTimeLimit() const = 0;
    // The ports a story asks itself: the file dialog (the film's save asks
    // where), the gallery (none: nothing is filed).
    virtual FileDialogPort* fileDialog() const = 0;
    virtual GalleryPort* gallery() const = 0;
    // The film puts its buttons and screen on the window, the screen over
    // the canvas's place.
    virtual QWidget& widget() = 0;
    virtual QRect canvasPlace() const = 0;

    // --- What the story may do ---

    // A message to the parent; nothing where no one can be told.
    virtual void tell(const QString& title, const QString& text) = 0;
    // A `seed` line: the painters' random numbers go on from `seed`.
    virtual void reseed(std::uint32_t seed) = 0;
    // A `state` or `choices` line: the editor state and the stroke's place
    // become these, and the controls show them. Fingers still down hold the
    // undo step open no longer: the story was begun or left where a change
    // had cut it in the window that recorded it.
    virtual void takeState(const EditorState& state, const StrokePlace& stroke) = 0;
    // Undo begins at the drawing as it is: a story that begins here replays
    // to the same steps.
    virtual void beginUndoHere() = 0;

    // The recorder listens in on the file dialog: a save's chosen name is
    // the one place it learns which picture to put the story into (the save
    // action says only that it ran). `listener` answers the window's file
    // questions from now on and passes them to the dialog returned, the one
    // it stands before.
    virtual FileDialogPort* listenToFileDialog(FileDialogPort& listener) = 0;
    // The listener leaves and `before` answers again; nothing when another
    // listener has come since and still stands there. Listeners leave in the
    // order opposite to their coming (one recorder a window, in practice).
    virtual void stopListeningToFileDialog(FileDialogPort& listener, FileDialogPort* before) = 0;
    // As an open begins, the picture an earlier open put on the canvas is
    // forgotten: the recorder asks openedPicture() as the open ends, and an
    // open that never reached the dialog (a gallery pick with no gallery)
    // must not find the picture an earlier one left there.
    virtual void forgetOpenedPicture() = 0;

    // A window of the same kind for playing a story on, never shown, silent,
    // never pausing, its opens answered by `dialog` and nothing else asked:
    // the film plays there, so the drawing and its history are never touched.
    virtual std::unique_ptr<StoryWindow> windowForPlaying(FileDialogPort& dialog) const = 0;
};

}  // namespace pintaloo
