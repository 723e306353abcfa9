// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Records the making of the drawing as a replay script, so the film button
// can play it and `pintaloo-replay` can run it to the same canvas bit for bit.
//
// It listens to the window's actions and keeps, with their times, those
// that change the drawing or shape what the next stroke does: the strokes,
// the tool, colour, size, pattern and stamp choices, the page commands, and
// undo and redo (each row of the action table says whether it is kept:
// Effect::Drawing or a StoryRole other than Left). Before each
// press on the canvas, and each other action that paints, it writes the
// random generator's whole state as `seed N`, so spray, grass and the
// pencil's grain come out the same again.
//
// Each drawing has a story of its own: a new page, a colouring page, an
// opened picture or a drawing taken from the gallery that changes the page
// begins the next drawing's story, blank, with a `state` line (the editor
// state and random numbers as the action began) and the action itself as
// its first step, so the film and the filed drawing hold that drawing alone.
// The story left behind is kept aside (the last sixteen): undo back
// across that action takes it up again, with a `choices` line for the tools
// chosen meanwhile; redo forward across it begins the story again at a
// picture of the page (`start picture`), so the canvas replays exactly
// though the film of that drawing starts there. An opened picture
// is copied beside the story under a name made from its content, named by a
// `picture NAME` line just before the open (a gallery pick is kept as the
// open it runs, which replays without the gallery). A cancelled or refused
// open changes nothing and is left out. Saves are left out too: they leave
// the drawing as it is, and playing a story must never write a file.
//
// A story begins part way through a session at `start picture NAME`
// followed by `state N...`, the whole editor state, from which undo begins:
// at the drawing kept from an earlier run, after a picture that brought its
// own story, and when undo or redo reaches a drawing the story never held
// (the canvas is then kept as a picture), so every story plays to the canvas
// it recorded.
//
// A saved drawing keeps its story: saving X.png puts the story, and the
// pictures it names, inside the PNG (png_story.h), and opening X.png later
// makes it the story again, so the film still shows how it was made and new
// strokes add to it. A drawing taken from the gallery is opened the same
// way. Stories an earlier version wrote beside a picture (X.pintaloo-story)
// are still read when the picture holds none.
//
// Wiring (after the window's dialog port is set):
//   SessionRecorder recorder(window.storyWindow(), KeptDrawingFolder());   // writes drawing.rec there
//   ... recorder.story() for the film; recorder.sync() before copying the file.
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/recording/recorded_call.h"
#include "ui/platform/gallery_port.h"

namespace pintaloo {

class StoryWindow;
struct EditorState;

inline constexpr const char* kStoryExtension = ".pintaloo-story";
// X.pintaloo-story beside X.png.
QString StoryBeside(const QString& picture);

struct Story {
    RecordingStart start;
    std::vector<RecordedCall> calls;  // `seed` among them
    QString folder;                   // where a start picture lies
};

// The story's text as a PNG carries it, the pictures it names read into
// `pictures` and named by those names. Nothing when a picture cannot be read
// or there are more than a story may name.
std::optional<std::string> StoryForPng(Story story, std::vector<StoryPicture>* pictures);

class SessionRecorder {
public:
    static constexpr const char* kFileName = "drawing.rec";

    // Begins a blank story in `folder` (empty: kept in memory only) and
    // puts itself between the window and its file dialog.
    SessionRecorder(StoryWindow& window, const QString& folder);
    ~SessionRecorder();
    SessionRecorder(const SessionRecorder&) = delete;
    SessionRecorder& operator=(const SessionRecorder&) = delete;

    // Begins the story anew at a picture, copied beside it: the drawing an
    // earlier run kept, when the program starts on it again. (Going on with
    // that run's story would replay its tool and colour choices, which a new
    // start resets, so later strokes could come out differently.) False, and
    // the story stays as it was, when the picture cannot be copied.
    bool startFrom(const QString& picture);
    // Begins the story anew at the canvas as it is, with the editor state
    // (the replay tool after a `start` or `state` it carried out itself).
    bool restartHere();

    // Milliseconds since the story began; by default the actions' own
    // times. The replay tool gives a script's `at` times instead.
    std::function<std::int64_t()> clock;

    // The story so far (moves held back for a compact line included), read
    // back from its text: as costly as reading the file.
    Story story() const;
    // Whether the story holds anything to play.
    bool hasStory() const;
    // The story file, empty without a folder.
    QString path() const;
    // Hands over moves held back and waits until the file has them.
    void sync();

private:
    struct State;
    std::shared_ptr<State> state_;
};

// Carries out a story's `state` line: the editor state it gives, and undo
// beginning there (a `choices` line: undo going on as it was). False,
// changing nothing, for numbers that do not fit.
bool BeginWithState(StoryWindow& w, const std::vector<double>& numbers, bool undoBegins = true);

}  // namespace pintaloo
