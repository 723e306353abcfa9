// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading a story that lies beside an opened picture (X.pintaloo-story
// beside X.png). Whoever could put the picture there could put the story
// there too, so it is read as a stranger's file: only a regular file,
// opened without waiting, its size and its number of calls capped before
// they are read, and the whole story checked before the recorder takes it
// on, without playing any of it. A story that could not play is refused and
// the picture starts a story of its own.
#include <QString>

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/editor/editor_state.h"
#include "engine/recording/recorded_call.h"
#include "ui/files/story_limits.h"

namespace pintaloo {

class ActionHub;

enum class StoryRefusal {
    None,
    Unreadable,    // missing, not a regular file, or unreadable
    TooLarge,      // more bytes, calls, pictures, pixels or time than the limits
    NotAStory,     // a line that is not one of a story's
    CannotPlay,    // a call the window does not have, or arguments or times it would refuse
    StartPicture,  // a picture it names is not a picture in the story's own folder
};

struct StoryFile {
    RecordingStart start;  // a start picture named by its whole path
    std::vector<RecordedCall> calls;
    StoryRefusal refusal = StoryRefusal::None;
    std::string why;  // what was refused, for the log and the tests
};

// The story in `path`, checked against the window's actions; every picture
// it names must be a regular file (not a link) in the story's own folder
// that decodes within `pictureLimit`, and all of them together fit the
// story's pixels (read from their headers before any is decoded) and its
// time (StoryLimits): a story beyond them is refused as TooLarge and the
// picture opens without it.
StoryFile ReadStoryFile(const QString& path, const ActionHub& actions, std::chrono::milliseconds pictureLimit);

// The same checks on a story's text whose own folder is `folder`.
StoryFile CheckStory(std::string_view text, const QString& folder, const ActionHub& actions,
                     std::chrono::milliseconds pictureLimit);

// A `state` line's numbers: the editor state's, then the stroke's (has a
// point, its x and y, and the drawing position of the joined-up tools).
inline constexpr std::size_t kStateStrokeNumbers = 5;
// Whether a `state` line's numbers are ones the recorder's BeginWithState
// takes; sets them on `into` when given. Checks a story read from a file
// without a window.
bool StateNumbersFit(const std::vector<double>& numbers, EditorState* into = nullptr);

}  // namespace pintaloo
