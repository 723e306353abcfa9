// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// When each call of a recording shows in its film. However long the drawing
// took, the film lasts the same: every pause longer than half a second is cut
// to half a second, and what remains is stretched or squeezed evenly to fill
// the film, so strokes keep their shape in time and all go at one speed.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace pintaloo {

struct FilmClock {
    int framesPerSecond = 12;
    std::int64_t lengthMs = 20000;
    std::int64_t longestPauseMs = 500;
    // 240 with the values above.
    int frameCount() const { return int(lengthMs * framesPerSecond / 1000); }
};

struct FilmMoment {
    double playMs = 0;  // from 0 for the first call to lengthMs for the last
    int frame = 0;      // the first frame showing the call's effect
};

// One moment for each time in `timesMs` (the calls' times, in order). Times
// that go backwards count as no time passing. When no time passed at all
// (one call, or all at once) the calls are spread evenly instead.
// Frame k shows what was done by playMs (k + 1) * 1000 / framesPerSecond, so
// the last frame shows the whole drawing.
std::vector<FilmMoment> PlanFilm(const std::vector<std::int64_t>& timesMs, const FilmClock& clock = {});

// For each frame, how many calls (from the first) are done when it shows:
// play that many calls, then take the frame. Never decreasing; the last is
// moments.size().
std::vector<std::size_t> CallsByFrame(const std::vector<FilmMoment>& moments, const FilmClock& clock = {});

}  // namespace pintaloo
