// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// A blank page (at start-up and from the new-page button), the colour
// swatches and the brush-size bars.
#include "ui/words/texts.h"
#include "ui/window/state_dump.h"
#include "ui/parts/window_chrome.h"
#include "ui/parts/canvas_part.h"
#include "ui/parts/animation_panel.h"
#include "ui/platform/animation_player.h"
#include "ui/parts/page_picker.h"
#include "ui/parts/brush_size.h"
#include "ui/parts/palette_part.h"
#include "ui/parts/pickers.h"
#include "ui/parts/tool_buttons.h"
#include "window_fixture.h"

namespace pintaloo::uitest {
namespace {

// The swatch colours, item 0 first.
const int kSwatches[24][3] = {
    {64, 0, 0},      {128, 64, 64},   {128, 128, 0},   {0, 64, 0},      {0, 64, 64},     {0, 0, 64},
    {64, 0, 64},     {128, 0, 0},     {255, 128, 0},   {255, 255, 0},   {0, 192, 0},     {0, 192, 192},
    {0, 0, 255},     {255, 0, 255},   {255, 0, 0},     {255, 192, 128}, {255, 255, 128}, {128, 255, 128},
    {128, 255, 255}, {128, 128, 255}, {255, 128, 255}, {22, 22, 22},    {128, 128, 128}, {245, 245, 245},
};
QColor Swatch(int i) { return Q(kSwatches[i][0], kSwatches[i][1], kSwatches[i][2]); }

// Which bars show which colour, as one comparable list.
std::vector<QColor> Bars(MainWindow& w) {
    std::vector<QColor> out;
    for (int i = 0; i < 4; ++i) out.push_back(Control(w, "Label4", i)->backColor().value_or(QColor()));
    return out;
}

std::vector<QColor> BarsWith(int chosen, QColor colour) {
    std::vector<QColor> out(4, QColor(Qt::white));
    out[std::size_t(chosen)] = colour;
    return out;
}

// The lines of two dumps that differ, for a readable failure.
std::vector<std::string> Differences(const QStringList& a, const QStringList& b) {
    std::vector<std::string> out;
    for (qsizetype i = 0; i < std::max(a.size(), b.size()); ++i) {
        const QString x = i < a.size() ? a[i] : QString(), y = i < b.size() ? b[i] : QString();
        if (x != y) out.push_back(x.toStdString() + " | " + y.toStdString());
    }
    return out;
}

class ResetTest : public WindowTest {
protected:
    void expectBlankPage() {
        EXPECT_EQ(st().ToolMode, Tool::Pencil);
        EXPECT_EQ(st().BrushSize, 4);
        EXPECT_EQ(st().BrushHalfWidth, 1);
        EXPECT_EQ(st().SizeIndex, 2);
        EXPECT_EQ(st().CurrentColor, Rgb(31, 31, 31));
        EXPECT_EQ(st().SwatchIndex, 0);
        EXPECT_EQ(st().PageNumber, 101);
        EXPECT_EQ(st().PaperColor, kWhite);
        EXPECT_EQ(st().OutlineColor, kBlack);
        EXPECT_EQ(Control(w(), "sColor")->backColor(), QColor(Qt::black));
        EXPECT_EQ(Bars(w()), BarsWith(2, Q(31, 31, 31)));
        EXPECT_EQ(Control(w(), "Label5")->caption(), QStringLiteral("1/21"));
        for (int i = 0; i < 24; ++i) EXPECT_EQ(Control(w(), "bColor", i)->backColor(), Swatch(i)) << i;
        EXPECT_TRUE(canvasIsBlank());
        EXPECT_EQ(Control<CanvasView>(w(), "pctDraw")->image().pixel(10, 10), QColor(Qt::white).rgb());
        EXPECT_EQ(w().canvasPart().canvasIcon(), CanvasCursor::Pencil);
        // Tooltips stay in the window's language (a new page keeps it).
        EXPECT_EQ(Control(w(), "bBrush", 0)->toolTip(), Text(TextId::ToolPencil, w().language));
        for (int i = 0; i < EntriesOn(ToolButton::Models); ++i) {
            const ShapeFrame* s = Control<ShapeFrame>(w(), "Shape1", i);
            EXPECT_TRUE(s->isHidden() && s->pos() == QPoint(0, 0)) << i;
        }
        for (int i = 0; i < EntriesOn(ToolButton::Stamps); ++i) {
            const ShapeFrame* s = Control<ShapeFrame>(w(), "Shape7", i);
            EXPECT_TRUE(s->isHidden() && s->pos() == QPoint(0, 0) && s->rounded()) << i;
        }
    }
};

TEST_F(ResetTest, StartUpAndNewPageGiveTheSameBlankPage) {
    expectBlankPage();
    const QStringList afterStart = DumpState(w());
    call("KewlButtons2_MouseDown", {1});
    const QStringList once = DumpState(w());
    call("KewlButtons2_MouseDown", {1});
    EXPECT_EQ(Differences(once, DumpState(w())), std::vector<std::string>{});
    EXPECT_EQ(Differences(afterStart, once), std::vector<std::string>{});
    expectBlankPage();
}

TEST_F(ResetTest, NewPageUndoesTheChildsChoicesButNotThePaintersMemory) {
    call("bBrush_MouseUp", {3, 1});
    call("bColor_Click", {14});
    call("Label4_Click", {3});
    call("KewlButtons1_MouseDown", {1});
    call("KewlButtons8_Click");
    call("Image3_Click");  // page 2 on the canvas
    ASSERT_FALSE(canvasIsBlank());
    call("KewlButtons8_Click");
    ASSERT_EQ(st().PageNumber, 103);
    w().SetLanguage(QStringLiteral("ro"));
    call("bBrush_MouseUp", {1, 1});  // models panel open
    call("bSpray_MouseMove", {3});
    call("bStamp_MouseMove", {2});
    Control<ShapeFrame>(w(), "Shape7", 2)->setRounded(false);
    st().RainbowIndex = 77;
    st().LastX = 12;
    st().LastY = 34;
    st().AlternateFlag = 1;
    st().ToolVariant = 5;

    call("KewlButtons2_MouseDown", {1});
    expectBlankPage();
    EXPECT_EQ(Control(w(), "bBrush", 0)->toolTip(), QStringLiteral("Creion")) << "the language is kept";
    EXPECT_EQ(st().RainbowIndex, 77);
    EXPECT_EQ(st().LastX, 12);
    EXPECT_EQ(st().LastY, 34);
    EXPECT_EQ(st().AlternateFlag, 1);
    EXPECT_EQ(st().ToolVariant, 5);
    EXPECT_TRUE(Control(w(), "pctBrush")->isVisible()) << "the reset leaves the panels alone";
    EXPECT_TRUE(Control(w(), "pctOpen")->isHidden());
}

using PaletteTest = WindowTest;

TEST_F(PaletteTest, EverySwatchGivesItsColourAndItsColumnsTone) {
    const int tones[7] = {77, 81, 85, 87, 91, 95, 99};
    call("Label4_Click", {3});
    call("sColor_Click");  // the animation panel stays as it is
    ASSERT_EQ(w().animation().player().state(), AnimationPlayer::State::Playing);
    for (int i = 0; i < 24; ++i) {
        SCOPED_TRACE(i);
        Control(w(), "pctBrush")->show();
        Control(w(), "pctStamp")->show();
        st().ToolMode = Tool::Stars;
        heard.clear();
        call("bColor_Click", {double(i)});
        EXPECT_EQ(heard, (std::vector<Heard>{{"mp3", i >= 21 ? 101 : tones[i % 7]}}));
        EXPECT_EQ(Control(w(), "sColor")->backColor(), Swatch(i));
        EXPECT_EQ(st().CurrentColor, Rgb(kSwatches[i][0], kSwatches[i][1], kSwatches[i][2]));
        EXPECT_EQ(st().SwatchIndex, i);
        EXPECT_EQ(Bars(w()), BarsWith(3, Swatch(i)));
        EXPECT_TRUE(Control(w(), "pctBrush")->isHidden());
        EXPECT_TRUE(Control(w(), "pctStamp")->isHidden());
        EXPECT_EQ(st().ToolMode, Tool::Stars) << "only the colour changes";
    }
    EXPECT_TRUE(Control(w(), "pctFlash")->isVisible());
    EXPECT_NE(w().animation().player().state(), AnimationPlayer::State::Empty);
}

TEST_F(PaletteTest, NoSuchSwatchPlaysAndChoosesNothing) {
    call("bColor_Click", {9});
    for (int i : {24, -1}) {
        SCOPED_TRACE(i);
        heard.clear();
        refused("bColor_Click", {double(i)});
        EXPECT_TRUE(heard.empty());
        EXPECT_EQ(st().CurrentColor, Rgb(255, 255, 0));
        EXPECT_EQ(st().SwatchIndex, 9);
        EXPECT_EQ(Control(w(), "sColor")->backColor(), Q(255, 255, 0));
    }
}

using BrushSizeTest = WindowTest;

TEST_F(BrushSizeTest, EachBarSetsTheBlockThePencilPaints) {
    struct Case {
        int bar, size, halfWidth;
    };
    call("bColor_Click", {14});
    for (const Case c : {Case{0, 13, 5}, Case{1, 8, 3}, Case{3, 20, 8}, Case{2, 4, 1}}) {
        SCOPED_TRACE(c.bar);
        call("bBrush_MouseUp", {1, 1});  // the models panel stays open
        call("sColor_Click");            // the animation panel closes
        heard.clear();
        call("Label4_Click", {double(c.bar)});
        EXPECT_EQ(heard, (std::vector<Heard>{{"mp3", 1020}}));
        EXPECT_EQ(st().BrushSize, c.size);
        EXPECT_EQ(st().BrushHalfWidth, c.halfWidth);
        EXPECT_EQ(st().SizeIndex, c.bar);
        EXPECT_EQ(st().ToolMode, Tool::Pencil);
        EXPECT_EQ(Bars(w()), BarsWith(c.bar, Q(255, 0, 0)));
        EXPECT_TRUE(Control(w(), "pctFlash")->isHidden());
        EXPECT_EQ(w().animation().player().state(), AnimationPlayer::State::Empty);
        EXPECT_TRUE(Control(w(), "pctBrush")->isVisible());

        // The crayon leaves gaps; a few presses at one point fill the block.
        w().canvas.clear(kWhite);
        w().canvasPart().refresh();
        for (int i = 0; i < 12; ++i) {
            call("pctDraw_MouseDown", {1, 400, 250});
            call("pctDraw_MouseUp", {1, 400, 250});
        }
        const Area block{400 - c.halfWidth, 250 - c.size, 400 + c.halfWidth, 250 + c.size};
        EXPECT_EQ(paintedBounds(), block);
        for (const QPoint corner : {QPoint(block.left, block.top), QPoint(block.right, block.bottom)}) {
            EXPECT_EQ(w().canvas.point(corner.x(), corner.y()), std::int32_t(Rgb(255, 0, 0)));
            EXPECT_EQ(Control<CanvasView>(w(), "pctDraw")->image().pixel(corner), QColor(Qt::red).rgb())
                << "the screen shows it";
        }
    }
}

}  // namespace
}  // namespace pintaloo::uitest
