// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/toolbox/any_colour.h"

#include <algorithm>
#include <cmath>

#include "engine/toolbox/colours_and_sizes.h"

namespace pintaloo {

namespace {
// A part of a colour moved `t` of the way (0..1) from `from` to `to`, rounded.
int Mix(int from, int to, double t) { return int(std::lround(from + (to - from) * t)); }
}  // namespace

Colour RainbowFieldColour(int x, int y, int width, int height) {
    width = std::max(width, 2);
    height = std::max(height, 2);
    x = std::clamp(x, 0, width - 1);
    y = std::clamp(y, 0, height - 1);
    const double down = double(y) / (height - 1);  // 0 white, 0.5 full colour, 1 black
    const int greysFrom = width - width / 12;
    if (x >= greysFrom) {
        const int grey = Mix(255, 0, down);
        return Rgb(grey, grey, grey);
    }
    // Six sides of the wheel, each blending one part up or down.
    const double hue = 6.0 * x / greysFrom;
    const int side = std::min(int(hue), 5);
    const double f = hue - side;
    const int up = Mix(0, 255, f), fall = Mix(255, 0, f);
    int r = 0, g = 0, b = 0;
    switch (side) {
        case 0: r = 255, g = up; break;
        case 1: r = fall, g = 255; break;
        case 2: g = 255, b = up; break;
        case 3: g = fall, b = 255; break;
        case 4: r = up, b = 255; break;
        default: r = 255, b = fall; break;
    }
    if (down < 0.5) {
        const double t = down * 2;  // white to the full colour
        return Rgb(Mix(255, r, t), Mix(255, g, t), Mix(255, b, t));
    }
    const double t = (down - 0.5) * 2;  // the full colour to black
    return Rgb(Mix(r, 0, t), Mix(g, 0, t), Mix(b, 0, t));
}

std::int16_t NearestSwatch(Colour c) {
    const auto distance = [c](Colour s) {
        const int dr = RedOf(s) - RedOf(c), dg = GreenOf(s) - GreenOf(c), db = BlueOf(s) - BlueOf(c);
        return dr * dr + dg * dg + db * db;
    };
    std::size_t best = 0;
    for (std::size_t i = 1; i < kPalette.size(); ++i)
        if (distance(kPalette[i]) < distance(kPalette[best])) best = i;
    return std::int16_t(best);
}

Colour PaintableColour(Colour picked, Colour outline) {
    if (picked != outline) return picked;
    const auto step = [](int part) { return part < 128 ? part + 1 : part - 1; };
    return Rgb(step(RedOf(picked)), step(GreenOf(picked)), step(BlueOf(picked)));
}

}  // namespace pintaloo
