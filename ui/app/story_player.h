// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Plays a story (a recording's start and calls) on a window of its own that
// is never shown and makes no sound, so playing never touches the drawing
// or its history. The film button and the replay tool's --film both use it.
//
//   StoryPlayer player(recorder.story());
//   if (player.begin(&error)) for (i ...) player.play(i, &error);  player.canvas();
//   MakeStoryFilm(recorder.story(), "film.webp", &error);
#include <QImage>
#include <QString>
#include <cstddef>
#include <memory>

#include "app/session_recorder.h"

namespace pintaloo {

class StoryPlayer {
public:
    explicit StoryPlayer(Story story);
    ~StoryPlayer();
    StoryPlayer(const StoryPlayer&) = delete;
    StoryPlayer& operator=(const StoryPlayer&) = delete;

    // The starting point: a blank page, or the picture the story keeps.
    // False, with the reason, when the picture is missing or unreadable.
    bool begin(QString* error = nullptr);
    // Call `index` of the story: `seed` sets the random numbers, any other
    // runs the window's action. False, with the reason, for a call the
    // window refuses (a story written by another version).
    bool play(std::size_t index, QString* error = nullptr);
    std::size_t size() const { return story_.calls.size(); }
    // The canvas as it is now, 807 by 537.
    QImage canvas() const;

private:
    struct Parts;
    Story story_;
    std::unique_ptr<Parts> parts_;
};

// The film of a story into an animated WebP at `path`. False, with the reason.
bool MakeStoryFilm(const Story& story, const QString& path, QString* error = nullptr);

}  // namespace pintaloo
