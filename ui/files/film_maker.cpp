// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/files/film_maker.h"

#include <QElapsedTimer>


namespace pintaloo {

bool MakeFilm(const std::vector<std::int64_t>& timesMs, const FilmSource& source, const QString& path,
              FilmError* error, const FilmClock& clock, const FilmBudget& budget, bool* cutShort) {
    auto fail = [error](const FilmError& why) {
        if (error) *error = why;
        return false;
    };
    const auto notMade = [](const QString& why) { return FilmError{FilmError::Kind::NotMade, why, {}}; };
    if (cutShort) *cutShort = false;
    if (!source.play || !source.canvas) return fail(notMade(QStringLiteral("The film has nothing to play.")));
    QElapsedTimer steady;
    steady.start();
    const std::function<std::int64_t()> now = budget.clockMs ? budget.clockMs : [&steady] { return steady.elapsed(); };
    // Only the calls count: encoding takes about the same for every film of
    // this length, while the calls are what a story can make long.
    std::int64_t worked = 0;
    const auto spent = [&] { return budget.workMs > 0 && worked >= budget.workMs; };

    const std::vector<std::size_t> done = CallsByFrame(PlanFilm(timesMs, clock), clock);
    FilmWriter::Options options;
    options.framesPerSecond = clock.framesPerSecond;
    FilmWriter writer(options);
    std::size_t played = 0;
    bool cut = false;
    // Most frames of a story's film come between two calls (twelve frames a
    // second, a child's press every second or so): such a frame is the one
    // before, handed on as it is, so the canvas is not turned into an image
    // again, nor compared by the encoder, pixel by pixel.
    QImage frame;
    std::size_t shown = 0;  // how many calls the frame shows
    for (const std::size_t upTo : done) {
        while (played < upTo && !(cut = spent())) {
            QString why;
            const std::int64_t began = now();
            if (!source.play(played++, &why)) return fail(notMade(why));
            worked += now() - began;
        }
        // Cut mid-frame, the frame still shows what was played: a true
        // picture of the drawing on its way, and never a film of no frames.
        if (frame.isNull() || played != shown) {
            frame = source.canvas();
            shown = played;
        }
        if (!writer.addFrame(frame)) return fail(writer.failure());
        if (cut) break;
    }
    if (!writer.save(path)) return fail(writer.failure());
    if (cutShort) *cutShort = cut;
    return true;
}

}  // namespace pintaloo
