// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// Snow: snowflakes over the whole picture, a drift along the bottom and a
// little snow lying on top of things, at one press.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <numbers>
#include <vector>

#include "engine/toolbox/tools_table.h"
#include "engine/toolbox/whole_picture.h"

namespace pintaloo {

constexpr Tool kMagicSnow = Tool(43);

namespace {

constexpr double kPi = std::numbers::pi;
// Snow is a white just off the paper's, and every bit of it has an edge of
// pale ice blue: white on white paper would not show at all.
constexpr Colour kSnow = Rgb(251, 252, 255);
constexpr Colour kIce = Rgb(170, 195, 230);

struct Segment {
    double x0, y0, x1, y1;
};

// The square of the distance from (px, py) to the segment.
double Distance2To(const Segment& s, double px, double py) {
    const double dx = s.x1 - s.x0, dy = s.y1 - s.y0;
    const double length2 = dx * dx + dy * dy;
    const double t = length2 > 0 ? std::clamp(((px - s.x0) * dx + (py - s.y0) * dy) / length2, 0.0, 1.0) : 0.0;
    const double ex = px - s.x0 - t * dx, ey = py - s.y0 - t * dy;
    return ex * ex + ey * ey;
}

// One flake at (x, y): a round dot or puff, or a six-armed star, the biggest
// with two twigs on every arm. `size` is its radius; the strokes are about
// one and a half pixels thick, with a pixel of ice around them.
void DrawFlake(Brush& b, double x, double y, double size, bool star, bool twigs, double turn) {
    std::array<Segment, 18> segments{};
    std::size_t n = 0;
    if (star) {
        for (int arm = 0; arm < 6; ++arm) {
            const double a = turn + arm * kPi / 3.0, c = std::cos(a), s = std::sin(a);
            segments[n++] = {x, y, x + size * c, y + size * s};
            if (!twigs) continue;
            const double bx = x + 0.55 * size * c, by = y + 0.55 * size * s;
            for (double side : {-1.0, 1.0}) {
                const double t = a + side * 0.9;
                segments[n++] = {bx, by, bx + 0.34 * size * std::cos(t), by + 0.34 * size * std::sin(t)};
            }
        }
    }
    const double half = star ? 0.75 : size;  // half the stroke (a dot is all stroke)
    const int reach = int(std::ceil(size + 2.5));
    for (int py = int(y) - reach; py <= int(y) + reach; ++py) {
        for (int px = int(x) - reach; px <= int(x) + reach; ++px) {
            const double middle = std::sqrt((px - x) * (px - x) + (py - y) * (py - y));
            double d2 = 1e9;
            for (std::size_t i = 0; i < n; ++i) d2 = std::min(d2, Distance2To(segments[i], px, py));
            // A dot is all heart; a star has a small round one.
            const double d = star ? std::min(std::sqrt(d2), middle + 0.4) : middle;
            whole::LayOver(b.canvas, px, py, kIce, whole::Cover(0.8 * (half + 1.5 - d)), b.outline);
            whole::LayOver(b.canvas, px, py, kSnow, whole::Cover(half + 0.4 - d), b.outline);
        }
    }
}

// A gentle wave: two slow sines of chosen lengths, at chosen starts.
struct Wave {
    double length1, phase1, length2, phase2;
    double at(double x) const {
        return 0.65 * std::sin(x * 2 * kPi / length1 + phase1) + 0.35 * std::sin(x * 2 * kPi / length2 + phase2);
    }
};

Wave ChooseWave(RandomSource& rng, double shortest, double longest) {
    const auto pick = [&](double lo, double hi) { return lo + double(rng.next()) * (hi - lo); };
    return {pick(longest * 0.6, longest), pick(0, 2 * kPi), pick(shortest, shortest * 1.8), pick(0, 2 * kPi)};
}

// Lays snow `thickness` pixels deep on the pixels above (x, y), the bottom
// one first, going no higher than `air` allows (a pixel that is not air
// stops it: snow lies on a thing, not inside the next). Its top is ice
// blue, and its last pixel only partly covered, so the edge is soft.
template <class IsAir>
void SnowColumn(Brush& b, int x, int y, double thickness, IsAir air) {
    for (int k = 0; k < int(std::ceil(thickness)); ++k) {
        const int py = y - k;
        if (py < 0 || !air(x, py)) return;
        const double cover = std::min(1.0, thickness - k);
        const bool top = thickness - k < 1.6;
        whole::LayOver(b.canvas, x, py, top ? whole::Blend(kSnow, kIce, 150) : kSnow, whole::Cover(cover),
                       b.outline);
    }
}

// Snow lying on top of things, found in the picture before any flake falls.
// A ledge is the top pixel of something solid under open air: paint with at
// least three pixels of bare paper above it, or a line with three pixels of
// paint or paper above it (on a colouring page every roof, branch and
// hat brim is one). Three pixels, and a second solid pixel under the first,
// keep the little gaps of a crayon stroke from counting. Ledges are joined
// left to right into ridges where each next one is at most a pixel higher
// or lower; a ridge of ten or more catches a cap of snow, thickest in its
// middle and thinning towards its ends and where it slopes, as real snow
// slides off a steep roof (none stays at 45 degrees).
void SnowOnLedges(Brush& b) {
    Surface& canvas = b.canvas;
    const int width = canvas.width(), height = canvas.height();
    const Colour* pixels = canvas.data();
    const auto solidity = [&](int x, int y) {
        const Colour c = pixels[std::size_t(y) * std::size_t(width) + std::size_t(x)];
        return c == b.outline ? 2 : c == b.paper ? 0 : 1;
    };
    // Every column's ledges, top to bottom, and whether a ridge took each.
    std::vector<std::vector<std::int16_t>> ledges(std::size_t(std::max(width, 0)));
    for (int y = 3; y + 1 < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int s = solidity(x, y);
            if (s == 0 || solidity(x, y + 1) == 0) continue;
            if (solidity(x, y - 1) < s && solidity(x, y - 2) < s && solidity(x, y - 3) < s)
                ledges[std::size_t(x)].push_back(std::int16_t(y));
        }
    }
    std::vector<std::vector<bool>> taken(ledges.size());
    for (std::size_t x = 0; x < ledges.size(); ++x) taken[x].assign(ledges[x].size(), false);
    const auto find = [&](std::size_t x, int y) -> int {  // an untaken ledge at y in column x, or -1
        for (std::size_t i = 0; i < ledges[x].size(); ++i)
            if (ledges[x][i] == y && !taken[x][i]) return int(i);
        return -1;
    };
    std::vector<std::int16_t> ridge;
    for (std::size_t x0 = 0; x0 < ledges.size(); ++x0) {
        for (std::size_t i0 = 0; i0 < ledges[x0].size(); ++i0) {
            if (taken[x0][i0]) continue;
            taken[x0][i0] = true;
            ridge.assign(1, ledges[x0][i0]);
            for (std::size_t x = x0 + 1; x < ledges.size(); ++x) {
                const int y = ridge.back();
                int i = find(x, y);
                int next = y;
                for (int dy : {-1, 1}) {
                    if (i < 0 && (i = find(x, y + dy)) >= 0) next = y + dy;
                }
                if (i < 0) break;
                taken[x][std::size_t(i)] = true;
                ridge.push_back(std::int16_t(next));
            }
            const int n = int(ridge.size());
            if (n < 10) continue;
            const double deepest = std::min(3.0 + 3.0 * double(b.rng.next()), n / 6.0);
            const double wobble = double(b.rng.next()) * 2 * kPi;
            for (int i = 0; i < n; ++i) {
                const int y = ridge[std::size_t(i)];
                const int x = int(x0) + i;
                const int solid = solidity(x, y);
                const double slope = std::abs(ridge[std::size_t(std::min(i + 3, n - 1))] -
                                              ridge[std::size_t(std::max(i - 3, 0))]) / 6.0;
                const double thickness = std::min({deepest * (0.8 + 0.2 * std::sin(i * 0.3 + wobble)),
                                                   0.5 * std::min(i + 1, n - i)}) *
                                         std::max(0.0, 1.0 - slope);
                SnowColumn(b, x, y - 1, thickness, [&](int px, int py) { return solidity(px, py) < solid; });
            }
        }
    }
}

// What a child sees: big soft flakes and little ones, a few of them stars,
// more of them lower down as if they were falling and gathering, the ones
// near the bottom sinking into a wavy drift of snow. Flakes and drift
// cover paint and paper alike, but never a line: a colouring page's lines
// show through the snow. About 5 to 9 ms on a busy coloured-in page.
void Snow(Brush& b, std::int16_t, std::int16_t) {
    Surface& canvas = b.canvas;
    const int width = canvas.width(), height = canvas.height();
    SnowOnLedges(b);
    // About one flake for every 1,800 square pixels of paper.
    const int flakes = width * height / 1800;
    for (int i = 0; i < flakes; ++i) {
        const double x = double(b.rng.next()) * width;
        const double y = std::pow(double(b.rng.next()), 0.6) * height;  // thicker towards the bottom
        const double kind = double(b.rng.next()), grow = double(b.rng.next()), turn = double(b.rng.next()) * kPi;
        if (kind < 0.5) DrawFlake(b, x, y, 0.9 + 1.0 * grow, false, false, turn);
        else if (kind < 0.68) DrawFlake(b, x, y, 2.2 + 1.2 * grow, false, false, turn);
        else if (kind < 0.88) DrawFlake(b, x, y, 3.0 + 2.0 * grow, true, false, turn);
        else DrawFlake(b, x, y, 5.5 + 2.5 * grow, true, true, turn);
    }
    // The drift: 10 to 28 pixels deep, rising and falling along the bottom.
    const Wave drift = ChooseWave(b.rng, 50.0, 320.0);
    for (int x = 0; x < width; ++x)
        SnowColumn(b, x, height - 1, 19.0 + 9.0 * drift.at(x), [](int, int) { return true; });
    canvas.markDirty(canvas.bounds());
}

}  // namespace

PINTALOO_TOOL_ROWS(magic_snow, {.tool = kMagicSnow, .paint = Snow, .button = ToolButton::Magic, .entry = 13,
                                .cell = 15, .art = "magic_snow", .name = "magic.snow.name",
                                .help = "magic.snow.help", .wholePicture = true});

}  // namespace pintaloo
