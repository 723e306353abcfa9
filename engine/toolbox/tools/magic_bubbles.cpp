// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// Bubbles: the whole picture seen through a handful of soap bubbles, at one
// press.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <numbers>
#include <vector>

#include "engine/toolbox/tools_table.h"
#include "engine/toolbox/whole_picture.h"

namespace pintaloo {

constexpr Tool kMagicBubbles = Tool(44);

namespace {

struct Bubble {
    double x, y, r;
    int hue;  // where its rim's colours start on the hue circle
};

// Five to eight bubbles, mostly small and a few big (24 to 80 pixels
// across the radius), each placed at the best of a few tries so that they
// touch and overlap a little but seldom hide one another.
std::vector<Bubble> ChooseBubbles(RandomSource& rng, int width, int height) {
    std::vector<Bubble> bubbles;
    const int count = 5 + int(rng.next() * 4.0f);
    for (int i = 0; i < count; ++i) {
        const double r = 24.0 + 56.0 * std::pow(double(rng.next()), 1.6);
        Bubble best{};
        double bestOverlap = 1e9;
        for (int attempt = 0; attempt < 8 && bestOverlap > 0.0; ++attempt) {
            const Bubble b{r * 0.5 + double(rng.next()) * (width - r), r * 0.5 + double(rng.next()) * (height - r), r,
                           int(rng.next() * 360.0f)};
            double overlap = 0.0;  // how deep it sinks into the others, as a share of the smaller one
            for (const Bubble& o : bubbles)
                overlap = std::max(overlap, (o.r + r - std::sqrt((o.x - b.x) * (o.x - b.x) + (o.y - b.y) * (o.y - b.y))) / std::min(o.r, r) - 0.25);
            if (overlap < bestOverlap) best = b, bestOverlap = overlap;
        }
        bubbles.push_back(best);
    }
    // The big ones first, so a small bubble in front of a big one shows whole.
    std::stable_sort(bubbles.begin(), bubbles.end(), [](const Bubble& a, const Bubble& b) { return a.r > b.r; });
    return bubbles;
}

// The picture before any bubble, read between pixels (each colour part
// weighed by nearness), so what a bubble magnifies looks smooth, not blocky.
Colour Between(const std::vector<Colour>& before, int width, int height, double x, double y) {
    x = std::clamp(x, 0.0, width - 1.0);
    y = std::clamp(y, 0.0, height - 1.0);
    const int x0 = int(x), y0 = int(y);
    const int x1 = std::min(x0 + 1, width - 1), y1 = std::min(y0 + 1, height - 1);
    const int fx = whole::Cover(x - x0), fy = whole::Cover(y - y0);
    const auto at = [&](int px, int py) { return before[std::size_t(py) * std::size_t(width) + std::size_t(px)]; };
    return whole::Blend(whole::Blend(at(x0, y0), at(x1, y0), fx), whole::Blend(at(x0, y1), at(x1, y1), fx), fy);
}

// One bubble. Inside it the picture is magnified about its middle (twice at
// the middle, easing to none at the rim, so the view joins the picture
// around it without a seam), under a film that glows in rainbow colours
// towards the edge. Then a thin rainbow rim, a curved white gleam at the
// top left and a small dot of light beside it. Lines are never written; a
// line seen through the lens is drawn a shade off the outline colour, so it
// stays paint and the page's own lines are the only lines.
void DrawBubble(Brush& b, const std::vector<Colour>& before, const Bubble& bubble) {
    Surface& canvas = b.canvas;
    const int width = canvas.width(), height = canvas.height();
    const double r = bubble.r;
    const Rect box = Rect{int(std::floor(bubble.x - r - 2)), int(std::floor(bubble.y - r - 2)),
                          int(std::ceil(bubble.x + r + 3)), int(std::ceil(bubble.y + r + 3))}
                         .intersected(canvas.bounds());
    constexpr double kPi = std::numbers::pi;
    const auto rainbow = [&](double angle) {  // a soft, bright colour of the hue circle
        const int hue = (bubble.hue + int(angle * 180.0 / kPi + 360.0)) % 360;
        return whole::Blend(b.hues[std::size_t(hue)], kWhite, 90);
    };
    const double dotX = bubble.x + 0.76 * r * std::cos(-kPi * 0.48), dotY = bubble.y + 0.76 * r * std::sin(-kPi * 0.48);
    for (int py = box.top; py < box.bottom; ++py) {
        for (int px = box.left; px < box.right; ++px) {
            Colour& p = canvas.data()[std::size_t(py) * std::size_t(width) + std::size_t(px)];
            if (p == b.outline) continue;
            const double dx = px - bubble.x, dy = py - bubble.y;
            const double d = std::sqrt(dx * dx + dy * dy);
            if (d > r + 1.0) continue;
            const double s = d / r;  // 0 at the middle, 1 at the rim
            const double angle = std::atan2(dy, dx);
            Colour c = p;
            if (d < r) {
                const double k = 0.5 + 0.5 * s * s;
                c = Between(before, width, height, bubble.x + dx * k, bubble.y + dy * k);
                c = whole::Blend(c, rainbow(angle * 2.0), whole::Cover(0.06 + 0.3 * std::pow(s, 6.0)));
                c = whole::Blend(c, kWhite, whole::Cover(0.12 * s * s));
            }
            // The rim, about two pixels wide, its outer edge smoothed.
            c = whole::Blend(c, rainbow(angle), whole::Cover(0.9 * (1.6 - std::abs(d - (r - 1.1)))));
            // The gleam: a band along the rim's inside from ten to half past
            // ten, thickest in its middle.
            const double along = (angle + kPi * 0.75) / 0.42;  // 0 at the top left, +-1 at its ends
            if (std::abs(along) < 1.0) {
                const double half = (0.045 * r + 0.6) * std::sqrt(1.0 - along * along);
                c = whole::Blend(c, kWhite, whole::Cover(0.95 * (half + 0.5 - std::abs(d - 0.76 * r))));
            }
            // The dot of light just past the gleam's upper end.
            c = whole::Blend(c, kWhite, whole::Cover(0.9 * (0.07 * r + 0.5 - std::sqrt((px - dotX) * (px - dotX) + (py - dotY) * (py - dotY)))));
            p = whole::OffOutline(c, b.outline);
        }
    }
    canvas.markDirty(box);
}

// What the bubbles magnify is always the picture as it was before the
// press, so overlapping bubbles do not magnify each other. About 3 ms.
void Bubbles(Brush& b, std::int16_t, std::int16_t) {
    const Surface& canvas = b.canvas;
    const std::vector<Colour> before(canvas.data(),
                                     canvas.data() + std::size_t(canvas.width()) * std::size_t(canvas.height()));
    for (const Bubble& bubble : ChooseBubbles(b.rng, canvas.width(), canvas.height())) DrawBubble(b, before, bubble);
}

}  // namespace

PINTALOO_TOOL_ROWS(magic_bubbles, {.tool = kMagicBubbles, .paint = Bubbles, .button = ToolButton::Magic,
                                   .entry = 14, .cell = 16, .art = "magic_bubbles", .name = "magic.bubbles.name",
                                   .help = "magic.bubbles.help", .wholePicture = true});

}  // namespace pintaloo
