// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/canvas/spray.h"

#include <cmath>

#include "engine/canvas/checked16.h"

namespace pintaloo {

namespace {

struct SprayGroup {
    int dots;
    int radius;  // 0 means the brush size
    int signX, signY;
};

// Groups 5 to 7 all reach below the pointer, so the lower half is denser.
constexpr SprayGroup kGroups[] = {
    {5, 0, +1, +1},   {5, 0, -1, -1},   {5, 0, +1, -1},   {5, 0, -1, +1},   {11, 20, +1, +1},
    {10, 20, -1, +1}, {10, 10, -1, +1}, {10, 20, -1, -1}, {10, 20, +1, -1},
};

constexpr int kDiagonals[][2] = {{2, 2}, {3, 2}, {2, 3}, {3, 3}, {4, 4}, {5, 6}, {6, 5}};
constexpr int kAxes[][2] = {{2, 2}, {3, 3}, {4, 4}, {5, 5}, {5, 6}};  // (vertical, horizontal)

}  // namespace

void SprayDots(Surface& canvas, RandomSource& rng, Colour color, std::int16_t size, std::int16_t x, std::int16_t y) {
    canvas.setPoint(x, y, color);
    for (const auto& g : kGroups) {
        const float r = g.radius ? float(g.radius) : float(size);
        for (int i = 0; i < g.dots; ++i) {
            const float u = rng.next();
            const float v = rng.next();
            const float dx = std::floor(r * u), dy = std::floor(r * v);
            canvas.setPoint(double(x) + double(static_cast<float>(g.signX) * dx),
                            double(y) + double(static_cast<float>(g.signY) * dy), color);
        }
    }
    for (const auto& d : kDiagonals) {
        const int a = d[0], b = d[1];
        canvas.setPoint(Add16(x, a), Add16(y, b), color);
        canvas.setPoint(Sub16(x, a), Add16(y, b), color);
        canvas.setPoint(Add16(x, a), Sub16(y, b), color);
        canvas.setPoint(Sub16(x, a), Sub16(y, b), color);
    }
    for (const auto& d : kAxes) {
        const int v = d[0], h = d[1];
        // Each axis dot is set twice; harmless, and it keeps the dot count.
        for (int twice = 0; twice < 2; ++twice) {
            canvas.setPoint(x, Add16(y, v), color);
        }
        for (int twice = 0; twice < 2; ++twice) {
            canvas.setPoint(x, Sub16(y, v), color);
        }
        for (int twice = 0; twice < 2; ++twice) {
            canvas.setPoint(Add16(x, h), y, color);
            canvas.setPoint(Sub16(x, h), y, color);
        }
    }
}

}  // namespace pintaloo
