// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/canvas/patterns.h"

#include "engine/canvas/checked16.h"

namespace pintaloo {

namespace {
constexpr Colour kRainbow[7] = {Rgb(255, 0, 0), Rgb(255, 143, 11),  Rgb(0, 255, 0),  Rgb(192, 0, 192),
                                Rgb(0, 0, 255), Rgb(128, 128, 255), Rgb(255, 255, 0)};
constexpr Colour kFlowerRed = Rgb(255, 0, 0);
}  // namespace

void PatternPainter::RainbowDots(std::int16_t x, std::int16_t y, std::int16_t spacing, int penWidth) {
    for (int k = 0; k < 7; ++k) canvas_.setPoint(x, Add16(y, Mul16(k, spacing)), kRainbow[k], penWidth);
}

void PatternPainter::DrawPattern(std::int16_t x, std::int16_t y, std::int16_t pattern, Colour color, FillMode fill) {
    CellWidth = 12;
    CellHeight = 8;
    switch (pattern) {
        case 1:
            CellX = Snap(x, CellWidth);
            CellY = Snap(y, 2 * CellHeight + 4);
            Tiles(color, fill);
            break;
        case 2:
            CellX = Snap(x, 2 * CellWidth);
            CellY = Snap(y, 2 * CellHeight);
            Parallelogram(color);
            break;
        case 3:
            CellX = Snap(x, 2 * CellWidth);
            CellY = Snap(y, 2 * CellHeight);
            Bricks(color, fill);
            break;
        case 5:
            Grass(x, y, color, fill);
            break;
        default:
            break;
    }
}

// A bracket open to the left, one open to the right (which closes with the
// next cell's left bracket into a 10 x 8 tile) and a box in the row below,
// shifted so the rows interlock.
void PatternPainter::Tiles(Colour color, FillMode fill) {
    const int cx = CellX, cy = CellY, w = CellWidth, h = CellHeight;
    const int half = Add16(cx, w / 2), bottom = Add16(cy, h);
    canvas_.line(cx, cy, half, cy, color);
    canvas_.line(half, cy, half, bottom, color);
    canvas_.line(half, bottom, cx, bottom, color);
    const int p = Add16(cx, 8), pEnd = Add16(p, w / 2);
    canvas_.line(p, cy, pEnd, cy, color);
    canvas_.line(p, cy, p, bottom, color);
    canvas_.line(p, bottom, pEnd, bottom, color);
    const int q = Add16(Add16(cy, h), 2);
    canvas_.box(Add16(cx, 1), q, Add16(cx, w - 1), Add16(q, h), color, 1, fill);
}

// Drawn with a two-pixel pen, so the slanted sides stay unbroken.
void PatternPainter::Parallelogram(Colour color) {
    const int cx = CellX, cy = CellY, w = CellWidth, h = CellHeight;
    const int ax = Add16(cx, 2 * w), ay = Sub16(cy, 2 * h);
    const int bx = Add16(ax, w), by = Add16(ay, h);
    const int dx = Add16(cx, w), dy = Add16(cy, h);
    canvas_.line(cx, cy, ax, ay, color, 2);
    canvas_.line(ax, ay, bx, by, color, 2);
    canvas_.line(bx, by, dx, dy, color, 2);
    canvas_.line(dx, dy, cx, cy, color, 2);
}

void PatternPainter::Bricks(Colour color, FillMode fill) {
    const int cx = CellX, cy = CellY, w = CellWidth, h = CellHeight;
    canvas_.box(cx, cy, Add16(cx, 2 * w), Add16(cy, h), color, 1, fill);
    canvas_.box(Add16(cx, w), Add16(cy, h), Add16(cx, 3 * w), Add16(cy, 2 * h), color, 1, fill);
}

// Sixteen blades fanning upwards from the pointer, each with a tiny red
// flower at its tip.
void PatternPainter::Grass(std::int16_t x, std::int16_t y, Colour color, FillMode fill) {
    TuftSpread = 20;
    CellX = x;
    CellY = y;
    for (int i = 0; i < 16; ++i) {
        const float u = rng_.next();
        const float v = rng_.next();
        const double tipX = double(x) + double(TuftSpread) * (double(u) - 0.5);
        const float tipY = float(y) - float(TuftSpread) * v + 1.0f;
        canvas_.line(CellX, CellY, tipX, tipY, color);
        canvas_.circle(tipX, tipY, 1, kFlowerRed, fill);
    }
}

}  // namespace pintaloo
