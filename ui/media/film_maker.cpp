// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/film_maker.h"

#include "media/film_writer.h"

namespace pintaloo {

bool MakeFilm(const std::vector<std::int64_t>& timesMs, const FilmSource& source, const QString& path, QString* error,
              const FilmClock& clock) {
    auto fail = [error](const QString& why) {
        if (error) *error = why;
        return false;
    };
    if (!source.play || !source.canvas) return fail(QStringLiteral("The film has nothing to play."));
    const std::vector<std::size_t> done = CallsByFrame(PlanFilm(timesMs, clock), clock);
    FilmWriter::Options options;
    options.framesPerSecond = clock.framesPerSecond;
    FilmWriter writer(options);
    std::size_t played = 0;
    for (const std::size_t upTo : done) {
        for (; played < upTo; ++played) {
            QString why;
            if (!source.play(played, &why)) return fail(why);
        }
        if (!writer.addFrame(source.canvas())) return fail(writer.error());
    }
    if (!writer.save(path)) return fail(writer.error());
    return true;
}

}  // namespace pintaloo
