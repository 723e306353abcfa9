// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A decoded picture (model, stamp, colouring page) in the canvas's colour
// layout, row by row from the top.
#include <cstdint>
#include <vector>

#include "engine/canvas/colour.h"

namespace pintaloo {

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<Colour> pixels;  // width * height, x fastest

    Picture() = default;
    Picture(int w, int h, Colour fill = kWhite) : width(w), height(h), pixels(std::size_t(w) * std::size_t(h), fill) {}
    bool empty() const { return width <= 0 || height <= 0; }
    Colour at(int x, int y) const { return pixels[std::size_t(y) * std::size_t(width) + std::size_t(x)]; }
    Colour& at(int x, int y) { return pixels[std::size_t(y) * std::size_t(width) + std::size_t(x)]; }
};

}  // namespace pintaloo
