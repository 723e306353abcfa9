// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Makes the film of a recording: its calls are played in film time and the
// canvas is taken at the end of every frame, then the last one is held.
// The same for "Save the film" and for the replay tool's --film.
#include <QImage>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "engine/recording/film_timing.h"
#include "ui/files/film_writer.h"

namespace pintaloo {

struct FilmSource {
    // Plays call `index` of the recording (they come in order, each once).
    // False stops the film, with `error` saying why (English, for a developer).
    std::function<bool(std::size_t index, QString* error)> play;
    // The canvas as it is now, 807 by 537. It may share the player's own
    // memory: it is read before the next call is played, and asked for
    // again only after one was.
    std::function<QImage()> canvas;
};

// Making a film plays every call on the window's thread, and a story
// beside a picture may hold far more work than a child's drawing (thousands
// of oil steps in a few kilobytes). Past `workMs` spent playing calls no
// more are played: the film ends on the drawing as far as it got, held as
// any film's end is. 0: no limit.
struct FilmBudget {
    std::int64_t workMs = 0;
    std::function<std::int64_t()> clockMs;  // milliseconds of work; a steady clock when empty
};

// `timesMs` are the recording's calls' times. False, with the reason and
// nothing written, when a call fails or a frame is refused (NotMade) or the
// file cannot be written (NotWritten). `cutShort` tells whether the budget
// ended the film early.
bool MakeFilm(const std::vector<std::int64_t>& timesMs, const FilmSource& source, const QString& path,
              FilmError* error = nullptr, const FilmClock& clock = {}, const FilmBudget& budget = {},
              bool* cutShort = nullptr);

}  // namespace pintaloo
