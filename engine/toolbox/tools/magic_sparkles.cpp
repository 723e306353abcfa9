// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// A magic brush: sparkles. Twinkling stars in the current colour scattered
// along the stroke: four-pointed glints and little five-pointed stars of a
// few sizes, some with a light middle, each a little way from the next so a
// stroke leaves a trail of them rather than a blob.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <numbers>

#include "engine/canvas/colour.h"
#include "engine/canvas/rect.h"
#include "engine/toolbox/tools_table.h"

namespace pintaloo {

constexpr Tool kSparkles = Tool(34);

namespace {

// The light middle: the colour with three parts of white to two of it.
Colour LightOf(Colour c) {
    std::int32_t mixed = 0;
    MixColors(std::int32_t(kWhite), std::int32_t(c), 3, 2, mixed);
    return Colour(mixed);
}

// Paints `inside(u, v)` (offsets from the centre) over the box of `reach`
// around (cx, cy), sparing outlines; the middle within `light` pixels takes
// the light colour. Reports the box.
template <class Inside>
void Figure(Brush& b, int cx, int cy, int reach, double light, Inside inside) {
    Surface& canvas = b.canvas;
    const Rect box = Rect{cx - reach, cy - reach, cx + reach + 1, cy + reach + 1}.intersected(canvas.bounds());
    if (box.empty()) return;
    const Colour bright = LightOf(b.colour);
    const double light2 = light * light;
    Colour* pixels = canvas.data();
    for (int py = box.top; py < box.bottom; ++py) {
        for (int px = box.left; px < box.right; ++px) {
            const int u = px - cx, v = py - cy;
            if (!inside(u, v)) continue;
            Colour& p = pixels[std::size_t(py) * std::size_t(canvas.width()) + std::size_t(px)];
            if (p == b.outline) continue;
            p = double(u * u + v * v) <= light2 ? bright : b.colour;
        }
    }
    canvas.markDirty(box);
}

// A four-pointed glint: the curved-in diamond |u|^(2/3) + |v|^(2/3) <= L^(2/3)
// (an astroid), whose arms thin to points, plus the upright and level
// rays so even the tips show as pixels.
void Glint(Brush& b, int cx, int cy, int arm, double light) {
    const double edge = std::cbrt(double(arm) + 0.5);
    Figure(b, cx, cy, arm, light, [&](int u, int v) {
        if (u == 0 || v == 0) return std::abs(u) + std::abs(v) <= arm;
        return std::cbrt(std::abs(u)) + std::cbrt(std::abs(v)) <= edge * 1.18;
    });
}

// A five-pointed star of outer radius `r`, turned by `turn` radians from
// upright, its inner corners at four tenths of the radius.
void Star(Brush& b, int cx, int cy, int r, double turn, double light) {
    std::array<double, 20> corner{};
    for (int k = 0; k < 10; ++k) {
        const double a = turn + k * std::numbers::pi / 5 - std::numbers::pi / 2;
        const double rr = (k % 2 == 0 ? r + 0.5 : 0.42 * r + 0.5);
        corner[2 * std::size_t(k)] = rr * std::cos(a);
        corner[2 * std::size_t(k) + 1] = rr * std::sin(a);
    }
    Figure(b, cx, cy, r + 1, light, [&](int u, int v) {
        // Crossings of a ray to the right: odd means inside.
        bool in = false;
        for (int k = 0, j = 9; k < 10; j = k++) {
            const double xk = corner[2 * std::size_t(k)], yk = corner[2 * std::size_t(k) + 1];
            const double xj = corner[2 * std::size_t(j)], yj = corner[2 * std::size_t(j) + 1];
            if ((yk > v) != (yj > v) && u < (xj - xk) * (v - yk) / (yj - yk) + xk) in = !in;
        }
        return in;
    });
}

// How far apart the sparkles go: a little more than the largest one, so
// each stands on its own in the trail.
int Gap(int size) { return size + 6; }

// One sparkle (and now and then a tiny glint beside it), somewhere within
// the brush's reach of the point, when the point is a sparkle's gap from
// the last one (always at the press). Its size is the brush's, give or take.
void Sparkles(Brush& b, std::int16_t x, std::int16_t y) {
    ToolMemory& m = b.memory;
    const int size = std::max<int>(2, b.size), gap = Gap(size);
    if (b.phase != MousePhase::Down && std::abs(x - m.lastX) < gap && std::abs(y - m.lastY) < gap) return;
    m.lastX = x;
    m.lastY = y;
    const auto roll = [&](double lo, double hi) { return lo + (hi - lo) * double(b.rng.next()); };
    const double angle = roll(0, 2 * std::numbers::pi), away = roll(0, 0.6) * size;
    const int cx = x + int(std::lround(away * std::cos(angle))), cy = y + int(std::lround(away * std::sin(angle)));
    const double kind = roll(0, 1), scale = roll(0.55, 1.0);
    const bool lit = roll(0, 1) < 0.4;
    if (kind < 0.55) {
        const int arm = std::max(2, int(std::lround(scale * (size + 3))));
        Glint(b, cx, cy, arm, lit ? arm * 0.18 : -1);
    } else {
        const int r = std::max(3, int(std::lround(scale * (size * 0.8 + 2))));
        Star(b, cx, cy, r, roll(-0.35, 0.35), lit ? r * 0.22 : -1);
    }
    if (roll(0, 1) < 0.5) {
        const double a = roll(0, 2 * std::numbers::pi), d = roll(0.7, 1.1) * size + 2;
        const int arm = std::max(2, int(std::lround(roll(0.15, 0.3) * (size + 3))));
        Glint(b, x + int(std::lround(d * std::cos(a))), y + int(std::lround(d * std::sin(a))), arm, -1);
    }
}

}  // namespace

// It keeps the last sparkle's place (LastX, LastY) to space the next, and
// checks that at every pixel of a fast step, so a quick swipe strews them
// as evenly as a slow one; with that memory only a lone finger paints it.
PINTALOO_TOOL_ROWS(magic_sparkles, {.tool = kSparkles,
                                    .paint = Sparkles,
                                    .spacing = spacing::Fixed<1>,
                                    .button = ToolButton::Magic,
                                    .entry = 4,
                                    .cell = 4,
                                    .art = "magic_sparkles",
                                    .name = "magic.sparkles.name",
                                    .help = "magic.sparkles.help",
                                    .followsPressure = true});

}  // namespace pintaloo
