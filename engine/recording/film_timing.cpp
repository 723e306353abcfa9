// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/recording/film_timing.h"

#include <algorithm>
#include <cmath>

namespace pintaloo {

std::vector<FilmMoment> PlanFilm(const std::vector<std::int64_t>& timesMs, const FilmClock& clock) {
    std::vector<FilmMoment> moments(timesMs.size());
    if (timesMs.empty()) return moments;

    // Time as the film sees it: pauses cut short, nothing going backwards.
    std::vector<double> kept(timesMs.size(), 0.0);
    for (std::size_t i = 1; i < timesMs.size(); ++i) {
        // Times come from files: a difference past 64 bits saturates
        // instead of wrapping (undefined).
        std::int64_t step = 0;
        if (__builtin_sub_overflow(timesMs[i], timesMs[i - 1], &step))
            step = timesMs[i] > timesMs[i - 1] ? clock.longestPauseMs : 0;
        const std::int64_t gap = std::clamp<std::int64_t>(step, 0, clock.longestPauseMs);
        kept[i] = kept[i - 1] + double(gap);
    }
    const double total = kept.back();
    const double frameMs = 1000.0 / clock.framesPerSecond;
    const int frames = std::max(clock.frameCount(), 1);
    for (std::size_t i = 0; i < kept.size(); ++i) {
        double share;
        if (total > 0)
            share = kept[i] / total;
        else  // no time to go by: one step each
            share = kept.size() > 1 ? double(i) / double(kept.size() - 1) : 1.0;
        const double play = share * double(clock.lengthMs);
        // The frame whose end time is the first at or after the call.
        const int frame = int(std::ceil(play / frameMs - 1e-9)) - 1;
        moments[i] = {play, std::clamp(frame, 0, frames - 1)};
    }
    return moments;
}

std::vector<std::size_t> CallsByFrame(const std::vector<FilmMoment>& moments, const FilmClock& clock) {
    const int frames = std::max(clock.frameCount(), 1);
    std::vector<std::size_t> done(std::size_t(frames), 0);
    // Moments come in order, so their frames never go down.
    for (const FilmMoment& m : moments) ++done[std::size_t(m.frame)];
    for (std::size_t f = 1; f < done.size(); ++f) done[f] += done[f - 1];
    return done;
}

}  // namespace pintaloo
