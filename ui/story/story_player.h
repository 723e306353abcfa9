// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Plays a story (a recording's start and calls) on a window of its own that
// is never shown and makes no sound (StoryWindow::windowForPlaying, asked of
// the window whose story it is), so playing never touches the drawing or its
// history. The film button and the replay tool's --film both use it.
//
// Its window never pauses and lets no event run while a call plays: a
// film step takes only the time its work needs, and nothing the user does
// reaches the window in the middle of one.
//
//   StoryPlayer player(recorder.story(), window.storyWindow());
//   if (player.begin(&error)) for (i ...) player.play(i, &error);  player.canvas();
//   MakeStoryFilm(window.storyWindow(), recorder.story(), "film.webp", &error);
#include <QImage>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "ui/story/session_recorder.h"
#include "ui/files/film_maker.h"

namespace pintaloo {

class StoryWindow;

class StoryPlayer {
public:
    // Plays on a window like `like`, made for it and gone with it.
    StoryPlayer(Story story, const StoryWindow& like);
    // Whether a story shows anything: a call, or a start other than a blank page.
    static bool ShowsSomething(const Story& story);
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
    // When each call was made, in milliseconds from the story's start.
    std::vector<std::int64_t> times() const;
    // The canvas as it is now, 807 by 537.
    QImage canvas() const;
    // The same pixels without a copy: the canvas's own memory seen as an
    // image (its colours lie as RGBX8888 does), valid until the next call
    // is played. What the film's encoder reads each frame, for a third of
    // the time a copy takes.
    QImage canvasView() const;

private:
    struct Parts;
    Story story_;
    std::unique_ptr<Parts> parts_;
};

// The film of a story into an animated WebP at `path`, within `budget`
// (see MakeFilm), played on a window like `like`. False, with the reason.
bool MakeStoryFilm(const StoryWindow& like, const Story& story, const QString& path, FilmError* error = nullptr,
                   const FilmBudget& budget = {}, bool* cutShort = nullptr);

}  // namespace pintaloo
