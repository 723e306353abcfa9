// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A pen's pressure as the painting takes it: one of eight levels, not the
// pen's own fine number, so the story holds a line only when the level
// changes (a pressed stroke writes a handful, not one a move) and a replay
// paints exactly the widths the child saw. Level 0 is "no pressure known"
// (a mouse, a finger): the chosen size, as it always was.
//
//   level:   1    2     3    4   5    6    7    8
//   width:  1/2  5/8  3/4   1  5/4  3/2  7/4   2   (times the chosen size)
//
// Level 4, the chosen size itself, takes the wide band a child's ordinary
// stroke lies in (pressure 0.35 to 0.6; a pen resting on the paper with the
// hand's own weight reads about 0.4 to 0.5), so drawing as usual paints as
// a mouse does, and a light touch or a firm press is needed to change it.
#include <cstdint>

namespace pintaloo {

inline constexpr int kPressureLevels = 8;

// The level a pen pressing with `pressure` (0 to 1, as the pen reports it;
// more is 1) paints at, given the level it paints at now (`current`, 0 for
// none). A pressure within 0.03 of the current level's band keeps that
// level, so a hand resting on a band's edge does not flip between two
// levels and fill the story with them. A pressure below 0 or not a number
// (a pen that cannot tell) is level 0.
int PressureLevel(double pressure, int current);

// A brush measure (its half height or half width) for a pen pressing at
// `level`, rounded to the nearest pixel, a half away from zero. Level 0, or
// any number that is no level, leaves it as it is. Throws Overflow16 when
// the result leaves 16 bits (a script's size near the limit, doubled).
std::int16_t PressedSize(std::int16_t size, int level);

}  // namespace pintaloo
