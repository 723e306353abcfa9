// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// Any colour: the dropper takes exactly the pixel under the press, and a
// picked colour paints exactly itself, never the colouring page's outline.
#include <algorithm>
#include <array>
#include <random>

#include "engine/toolbox/any_colour.h"
#include "ui/actions/box.h"
#include "ui/parts/canvas_part.h"
#include "ui/parts/colour_picker.h"
#include "window_fixture.h"

namespace pintaloo::uitest {
namespace {

using AnyColourTest = WindowTest;

TEST_F(AnyColourTest, DropperTakesThePixelUnderThePressAndKeepsTheTool) {
    struct Case {
        int x, y;
        Colour there, taken;
    };
    // The outline colour (black on a fresh page) is taken one step beside
    // it, so what the child paints with it is never outline.
    const Case cases[] = {{0, 0, Rgb(12, 200, 99), Rgb(12, 200, 99)},
                          {Surface::kWidth - 1, Surface::kHeight - 1, Rgb(1, 2, 3), Rgb(1, 2, 3)},
                          {400, 300, kWhite, kWhite},
                          {401, 300, kBlack, Rgb(1, 1, 1)},
                          {17, 500, Rgb(250, 128, 127), Rgb(250, 128, 127)}};
    call("bBrush_MouseUp", {5, 1});  // the fill
    for (const Case& c : cases) {
        SCOPED_TRACE(c.x);
        w().canvas.setPixel(c.x, c.y, c.there);
        const std::vector<Colour> before = pixels();
        call("DropperArm");
        EXPECT_EQ(w().canvasPart().canvasIcon(), CanvasCursor::Dropper);
        call("pctDraw_MouseDown", {1, -5, 40});  // off the paper: still waiting
        EXPECT_TRUE(w().colourPicker().dropperArmed());
        call("pctDraw_MouseDown", {1, double(c.x), double(c.y)});
        call("pctDraw_MouseUp", {1, double(c.x), double(c.y)});
        EXPECT_EQ(st().CurrentColor, c.taken);
        EXPECT_EQ(st().SwatchIndex, NearestSwatch(c.taken));
        EXPECT_EQ(pixels(), before) << "the press took a colour and painted nothing";
        EXPECT_FALSE(w().colourPicker().dropperArmed());
        EXPECT_EQ(st().ToolMode, Tool::Fill);
        EXPECT_EQ(w().canvasPart().canvasIcon(), CanvasCursor::Fill);
        const auto shown = Control(w(), "sColor")->backColor();
        ASSERT_TRUE(shown);
        EXPECT_EQ(Rgb(shown->red(), shown->green(), shown->blue()), c.taken);
    }
}

// Random colours picked, then painted with the pencil on fresh paper and
// poured with the fill: each lays exactly the picked colour (or, for the
// outline colour, its neighbour), and no pixel of the outline colour appears.
TEST_F(AnyColourTest, APickedColourPaintsExactlyItselfAndNeverTheOutline) {
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> part(0, 255);
    std::array<Colour, 14> colours{};
    colours[1] = Rgb(0, 0, 1);  // colours[0] is black, the outline's
    for (std::size_t i = 2; i < colours.size(); ++i) colours[i] = Rgb(part(rng), part(rng), part(rng));
    for (const Colour picked : colours) {
        if (picked == kWhite) continue;
        SCOPED_TRACE(picked);
        w().canvas.clear(kWhite);  // fresh paper
        const Colour expected = PaintableColour(picked, st().OutlineColor);
        call("PickColour", {double(RedOf(picked)), double(GreenOf(picked)), double(BlueOf(picked))});
        EXPECT_EQ(st().CurrentColor, expected);
        call("bBrush_MouseUp", {0, 1});  // the pencil
        call("pctDraw_MouseDown", {1, 100, 100});
        call("pctDraw_MouseMove", {1, 180, 140});
        call("pctDraw_MouseUp", {1, 180, 140});
        const Surface& canvas = w().canvas;
        const Colour* first = canvas.data();
        const Colour* last = first + std::ptrdiff_t(canvas.width()) * canvas.height();
        EXPECT_GT(std::count(first, last, expected), 100);
        EXPECT_EQ(std::count(first, last, expected) + std::count(first, last, kWhite), last - first)
            << "the pencil on paper lays the picked colour and nothing else";
        call("bBrush_MouseUp", {5, 1});  // the fill, over the white around the line
        call("pctDraw_MouseDown", {1, 600, 400});
        call("pctDraw_MouseUp", {1, 600, 400});
        EXPECT_EQ(std::count(first, last, st().OutlineColor), 0);
        EXPECT_EQ(Colour(w().canvas.point(600, 400)), expected);
        EXPECT_EQ(Colour(w().canvas.point(0, 0)), expected);
    }
}

TEST_F(AnyColourTest, TheFieldIsWhiteAtTheTopFullInTheMiddleAndBlackAtTheFoot) {
    const QImage field = RainbowFieldImage(120, 81);
    for (int x = 0; x < 120; ++x) {
        SCOPED_TRACE(x);
        EXPECT_EQ(field.pixel(x, 0), qRgb(255, 255, 255));
        EXPECT_EQ(field.pixel(x, 80), qRgb(0, 0, 0));
        const QColor middle(field.pixel(x, 40));
        if (x < 110) {  // the hues: one part full, one part none
            EXPECT_EQ(std::max({middle.red(), middle.green(), middle.blue()}), 255);
            EXPECT_EQ(std::min({middle.red(), middle.green(), middle.blue()}), 0);
        } else {  // the greys
            EXPECT_EQ(middle.red(), middle.green());
            EXPECT_EQ(middle.green(), middle.blue());
        }
    }
}

}  // namespace
}  // namespace pintaloo::uitest
