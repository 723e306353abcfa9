// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// What the brushes that change the paint under them promise beyond every
// effect's shared checks: each case paints random strokes on a colourful
// page with lines and checks its effect's own rule over every pixel.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

#include "engine/toolbox/stroke_painter.h"
#include "test_support.h"

namespace pintaloo {
namespace {

constexpr Tool kBlur = Tool(35), kSmudge = Tool(36), kTint = Tool(37), kLighten = Tool(38), kDarken = Tool(39),
               kNegative = Tool(40);

int Light(Colour c) { return 77 * RedOf(c) + 150 * GreenOf(c) + 29 * BlueOf(c); }
Colour Flipped(Colour c) { return Rgb(255 - RedOf(c), 255 - GreenOf(c), 255 - BlueOf(c)); }
// From (x, y) to the segment (ax, ay)-(bx, by).
double Distance(double x, double y, double ax, double ay, double bx, double by) {
    const double dx = bx - ax, dy = by - ay;
    const double t = std::clamp(((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
    return std::hypot(x - ax - t * dx, y - ay - t * dy);
}

struct Rig {
    EditorState state;
    Surface canvas{200, 120};
    DefaultRandom rng{11};
    testing::RecordingPainters pictures;
    StrokePainter painter{state, canvas, rng, pictures};
    // One stroke through the points, pressed on the first.
    void stroke(Tool tool, const std::vector<std::pair<int, int>>& points, int size = 13) {
        state.ToolMode = tool;
        state.BrushSize = std::int16_t(size);
        painter.StartStroke();
        for (std::size_t i = 0; i < points.size(); ++i) {
            state.Phase = i ? MousePhase::Move : MousePhase::Down;
            painter.PaintStep(std::int16_t(points[i].first), std::int16_t(points[i].second), state.CurrentColor);
        }
    }
    // A random wandering stroke, at a random size.
    void randomStroke(Tool tool, DefaultRandom& r) {
        std::vector<std::pair<int, int>> points{{int(r.next() * 200), int(r.next() * 120)}};
        for (int i = 0; i < 12; ++i)
            points.push_back(
                {points.back().first + int(r.next() * 31) - 15, points.back().second + int(r.next() * 31) - 15});
        const int sizes[] = {4, 8, 13, 20, 40};
        stroke(tool, points, sizes[int(r.next() * 5)]);
    }
};

// Paint (random colours, white, near-black and near-white included) and
// black lines.
void PaintPage(Surface& s, int seed) {
    DefaultRandom r{std::uint32_t(seed)};
    const Colour extremes[] = {kWhite, Rgb(1, 0, 0), Rgb(254, 255, 255), Rgb(2, 2, 2)};
    for (int i = 0; i < 60; ++i) {
        const Colour c =
            i % 5 == 4 ? extremes[(i / 5) % 4] : Rgb(int(r.next() * 256), int(r.next() * 256), int(r.next() * 256));
        s.circle(r.next() * 200, r.next() * 120, 4 + r.next() * 20, c, {FillStyle::Solid, c});
    }
    for (int i = 0; i < 6; ++i) s.line(r.next() * 200, r.next() * 120, r.next() * 200, r.next() * 120, kBlack, 2);
}

// The opposite colour as the negative brush promises it: white and the
// near-black next to the lines' black swap, so no new line appears, and
// near-white, whose opposite that near-black would be, stays.
Colour Opposite(Colour c) {
    if (c == kWhite || c == Rgb(1, 0, 0)) return c == kWhite ? Rgb(1, 0, 0) : kWhite;
    return c == Rgb(254, 255, 255) || c == kBlack ? c : Flipped(c);
}

// Each rule compares a pixel before and after a few strokes; `away` is how
// far the pixel is from the negative brush's straight stroke, in radii.
struct Rule {
    const char* name;
    Tool tool;
    std::function<bool(Colour was, Colour now, double away)> holds;
};

TEST(MagicChange, EachEffectKeepsItsRuleAtEveryPixel) {
    const Rule rules[] = {
        {"lighten never darkens", kLighten,
         [](Colour was, Colour now, double) {
             return RedOf(now) >= RedOf(was) && GreenOf(now) >= GreenOf(was) && BlueOf(now) >= BlueOf(was);
         }},
        {"darken never lightens", kDarken,
         [](Colour was, Colour now, double) {
             return RedOf(now) <= RedOf(was) && GreenOf(now) <= GreenOf(was) && BlueOf(now) <= BlueOf(was);
         }},
        // Inside the band a straight stroke sweeps, every pixel turned
        // exactly once however the steps overlap; outside it none.
        {"negative turns the band once", kNegative,
         [](Colour was, Colour now, double away) {
             return away < 0.75 ? now == Opposite(was) : away > 1.05 ? now == was : true;
         }},
        {"tint keeps how light it is", kTint,
         [](Colour was, Colour now, double) { return (Light(now) + 128) / 256 == (Light(was) + 128) / 256; }},
    };
    for (const Rule& rule : rules) {
        for (int seed = 1; seed <= 20; ++seed) {
            Rig r;
            const Colour colours[] = {Rgb(40, 200, 90), Rgb(255, 255, 0), Rgb(0, 0, 255), kWhite, Rgb(1, 0, 0)};
            r.state.CurrentColor = colours[seed % 5];
            PaintPage(r.canvas, seed);
            const Surface before = r.canvas;
            DefaultRandom path{std::uint32_t(seed)};
            const int radius = seed % 2 ? 13 : 40;
            if (rule.tool == kNegative)
                r.stroke(kNegative, {{20, 50}, {60 + seed, 70}, {190, 60 + seed}}, radius);
            else
                for (int k = 0; k < 4; ++k) r.randomStroke(rule.tool, path);
            for (int y = 0; y < 120; ++y)
                for (int x = 0; x < 200; ++x) {
                    const double away =
                        std::min(Distance(x, y, 20, 50, 60 + seed, 70), Distance(x, y, 60 + seed, 70, 190, 60 + seed)) /
                        radius;
                    ASSERT_TRUE(rule.holds(Colour(before.point(x, y)), Colour(r.canvas.point(x, y)), away))
                        << rule.name << ", seed " << seed << " at " << x << "," << y << " " << std::hex
                        << before.point(x, y) << " -> " << r.canvas.point(x, y);
                }
        }
    }
}

// No effect makes or unmakes a pixel of the outline colour, however often
// it goes over dark paint; blur and smudge over flat paint crossed by lines
// leave it as it is (the lines neither run into it nor are dragged along);
// negative twice, in two strokes along the same path, gives the picture back.
TEST(MagicChange, LinesStayLinesAndFlatPaintStaysFlat) {
    for (const Tool tool : {kBlur, kSmudge, kTint, kLighten, kDarken, kNegative}) {
        Rig r;
        PaintPage(r.canvas, int(tool));
        const int lines = testing::CountColour(r.canvas, kBlack);
        DefaultRandom path(3);
        for (int k = 0; k < 30; ++k) r.randomStroke(tool, path);
        EXPECT_EQ(testing::CountColour(r.canvas, kBlack), lines) << int(tool);

        Rig flat;
        flat.canvas.clear(Rgb(200, 120, 30));
        flat.canvas.line(0, 30, 199, 90, kBlack, 3);
        const Surface before = flat.canvas;
        DefaultRandom again(5), same(5);
        for (int k = 0; k < 10; ++k) flat.randomStroke(tool, again);
        if (tool == kNegative)
            for (int k = 0; k < 10; ++k) flat.randomStroke(tool, same);
        if (tool == kBlur || tool == kSmudge || tool == kNegative) {
            EXPECT_TRUE(std::equal(before.data(), before.data() + 200 * 120, flat.canvas.data())) << int(tool);
        }
    }
}

// Tint over a grey ramp: gone over until it settles, the ramp takes the
// chosen colour and keeps its order from dark to light (to within the few
// levels a pixel settles short of its tinted colour).
TEST(MagicChange, TintKeepsTheOrderOfLightAndDark) {
    Rig r;
    r.state.CurrentColor = Rgb(230, 40, 60);
    for (int x = 0; x < 200; ++x) r.canvas.line(x, 0, x, 119, Rgb(x + 20, x + 20, x + 20));
    for (int k = 0; k < 60; ++k) r.stroke(kTint, {{0, 60}, {50, 60}, {100, 60}, {150, 60}, {199, 60}}, 40);
    for (int x = 8; x < 200; ++x)
        EXPECT_LT(Light(Colour(r.canvas.point(x - 8, 60))), Light(Colour(r.canvas.point(x, 60))));
    const Colour mid = Colour(r.canvas.point(100, 60));
    EXPECT_GT(RedOf(mid), GreenOf(mid) + 40);
}

}  // namespace
}  // namespace pintaloo
