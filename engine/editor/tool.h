// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The painting tools. The numbers are the ones the state dump prints and the
// replay scripts were written against, so they never change. The tools
// named here are the first ones; a later tool takes the next free number
// and names it in its own file of engine/toolbox/tools/, beside its row,
// which says everything else about it (engine/toolbox/tools_table.h says
// how to add one).
#include <cstdint>

namespace pintaloo {

enum class Tool : std::int16_t {
    Pencil = 1,
    Eraser = 2,
    Circles = 3,
    Spray = 4,
    TwoColourDots = 5,
    TwoColourSpray = 6,
    RainbowDots = 7,
    Fill = 8,
    RainbowLine = 9,
    Balls = 10,
    PenLine = 11,
    Daisies = 12,
    Tangles = 13,
    Scribbles = 14,
    Stars = 15,
    Grass = 16,
    Tiles = 17,
    Parallelograms = 18,
    Bricks = 19,
    Splats = 20,
    None = 21,  // chosen by nothing today; paints nothing
    StampAnimals = 22,
    StampVehicles = 23,
    StampFlowers = 24,
    StampHouses = 25,
    StampSuns = 26,
    StampTrees = 27,
    StampClouds = 28,
    StampPeople = 29,
};

// The number a tool is saved and printed as.
constexpr int ToolNumber(Tool t) { return int(t); }

}  // namespace pintaloo
