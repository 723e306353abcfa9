// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The page picker and the page commands: leafing through the pages, the
// counter, the page-turn sound, taking a page, and the new-page and
// new-colouring-page buttons.
#include <QCoreApplication>
#include <QMouseEvent>

#include "ui/actions/box.h"
#include "ui/window/state_dump.h"
#include "ui/parts/canvas_part.h"
#include "ui/parts/command_buttons.h"
#include "ui/parts/page_picker.h"
#include "pages_support.h"

namespace pintaloo::test {
namespace {

class PagePickerTest : public ::testing::Test {
protected:
    WindowRig rig;
    PagePicker& picker() { return rig.w().pagePicker(); }
    QString counter() { return Control(rig.w(), "Label5")->caption(); }
    bool pickerShown() { return !Control(rig.w(), "pctOpen")->isHidden(); }

    // The preview shows exactly the two-colour page `number`.
    ::testing::AssertionResult previewShows(int number) {
        const QImage shown = Control(rig.w(), "Image3")->picture().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage page = picker().pages().image(number).convertToFormat(QImage::Format_RGB32);
        if (shown.isNull()) return ::testing::AssertionFailure() << "no preview picture";
        if (shown != page) return ::testing::AssertionFailure() << "the preview is not page " << number;
        return ::testing::AssertionSuccess();
    }

    ::testing::AssertionResult canvasIsPage(int number) {
        const Picture& page = picker().pages().page(number);
        const std::vector<Colour> top(page.pixels.begin(),
                                      page.pixels.begin() + std::ptrdiff_t(Surface::kWidth * Surface::kHeight));
        const std::size_t diff = CountDifferent(rig.pixels(), top);
        if (diff)
            return ::testing::AssertionFailure() << diff << " canvas pixels differ from the top of page " << number;
        return ::testing::AssertionSuccess();
    }

    void openPicker() { rig.call("KewlButtons1_MouseDown", {1, 10, 10}); }
};

TEST_F(PagePickerTest, OpensAtTheFirstPageOverTheCanvas) {
    EXPECT_FALSE(pickerShown());
    EXPECT_EQ(counter(), "1/21");  // set by the reset already
    openPicker();
    EXPECT_TRUE(pickerShown());
    EXPECT_EQ(Control(rig.w(), "pctOpen")->geometry(), QRect(8, 76, 809, 625));
    EXPECT_EQ(rig.w().state.PageNumber, 101);
    EXPECT_EQ(counter(), "1/21");
    EXPECT_TRUE(previewShows(101));
    EXPECT_EQ(rig.heard, (Played{{"wave", 102}}));
    // Opening the picker leaves the canvas alone.
    EXPECT_EQ(rig.pixels(), std::vector<Colour>(std::size_t(Surface::kWidth * Surface::kHeight), kWhite));
}

TEST_F(PagePickerTest, NextAndPreviousWrapAroundWithPlainCounters) {
    openPicker();
    rig.heard.clear();
    // Forward through every page and round to the first again.
    for (int step = 1; step <= 21; ++step) {
        rig.call("KewlButtons8_Click");
        const int expected = 101 + step % 21;
        ASSERT_EQ(rig.w().state.PageNumber, expected);
        ASSERT_EQ(counter(), QString::number(expected - 100) + "/21");
    }
    EXPECT_EQ(counter(), "1/21");
    EXPECT_TRUE(previewShows(101));
    // Back from the first page lands on the last one.
    rig.call("KewlButtons9_Click");
    EXPECT_EQ(rig.w().state.PageNumber, 121);
    EXPECT_EQ(counter(), "21/21");
    EXPECT_TRUE(previewShows(121));
    // No leading zero and no leading blank around 9 and 10.
    for (int i = 0; i < 11; ++i) rig.call("KewlButtons9_Click");
    EXPECT_EQ(rig.w().state.PageNumber, 110);
    EXPECT_EQ(counter(), "10/21");
    EXPECT_TRUE(previewShows(110));
    rig.call("KewlButtons9_Click");
    EXPECT_EQ(counter(), "9/21");
    EXPECT_TRUE(previewShows(109));
    rig.call("KewlButtons8_Click");
    EXPECT_EQ(counter(), "10/21");
    // Every single step turned a page audibly, and nothing else sounded.
    EXPECT_EQ(rig.heard, Played(21 + 1 + 11 + 1 + 1, {"wave", 1011}));
    EXPECT_EQ(PagePicker::CounterText(101), "1/21");
    EXPECT_EQ(PagePicker::CounterText(121), "21/21");
}

TEST_F(PagePickerTest, BrowsingChangesNeitherCanvasNorTools) {
    rig.drawSomethingVaried();
    const auto before = rig.pixels();
    const EditorState s = rig.w().state;
    openPicker();
    for (int i = 0; i < 4; ++i) rig.call("KewlButtons8_Click");
    rig.call("KewlButtons9_Click");
    EXPECT_EQ(rig.pixels(), before);
    EXPECT_EQ(rig.w().state.ToolMode, s.ToolMode);
    EXPECT_EQ(rig.w().state.CurrentColor, s.CurrentColor);
    EXPECT_EQ(rig.w().state.BrushSize, s.BrushSize);
}

TEST_F(PagePickerTest, TakingThePageShownReplacesTheDrawingQuietly) {
    // Tool, colour and size of the child's own choosing.
    rig.call("bBrush_MouseUp", {3, 1, 5, 5});  // eraser
    rig.call("bColor_Click", {14});
    rig.call("Label4_Click", {3});
    rig.drawSomethingVaried();
    rig.call("bBrush_MouseUp", {3, 1, 5, 5});
    rig.call("bColor_Click", {17});
    rig.call("Label4_Click", {1});
    const EditorState s = rig.w().state;
    openPicker();
    for (int i = 0; i < 6; ++i) rig.call("KewlButtons8_Click");
    rig.call("KewlButtons9_Click");
    rig.heard.clear();
    rig.call("Image3_Click");
    EXPECT_TRUE(canvasIsPage(106));
    EXPECT_FALSE(pickerShown());
    EXPECT_TRUE(rig.heard.empty()) << "taking a page made a sound";
    const EditorState& now = rig.w().state;
    EXPECT_EQ(now.ToolMode, Tool::Eraser);
    EXPECT_EQ(now.ToolMode, s.ToolMode);
    EXPECT_EQ(now.CurrentColor, s.CurrentColor);
    EXPECT_EQ(now.SwatchIndex, s.SwatchIndex);
    EXPECT_EQ(now.BrushSize, s.BrushSize);
    EXPECT_EQ(now.BrushHalfWidth, s.BrushHalfWidth);
    EXPECT_EQ(now.SizeIndex, s.SizeIndex);
    EXPECT_EQ(now.PageNumber, 106);  // kept while the picker is hidden
}

TEST_F(PagePickerTest, OpeningAgainStartsAtTheFirstPage) {
    openPicker();
    for (int i = 0; i < 4; ++i) rig.call("KewlButtons8_Click");
    rig.call("Image3_Click");
    ASSERT_TRUE(canvasIsPage(105));
    openPicker();
    EXPECT_TRUE(pickerShown());
    EXPECT_EQ(rig.w().state.PageNumber, 101);
    EXPECT_EQ(counter(), "1/21");
    EXPECT_TRUE(previewShows(101));
    EXPECT_TRUE(canvasIsPage(105)) << "opening the picker touched the canvas";
    rig.call("Image3_Click");
    EXPECT_TRUE(canvasIsPage(101));
}

TEST_F(PagePickerTest, NewPageClosesThePickerAndClearsTheCanvas) {
    openPicker();
    rig.call("Image3_Click");
    rig.drawSomethingVaried();
    rig.call("bColor_Click", {14});
    openPicker();
    for (int i = 0; i < 3; ++i) rig.call("KewlButtons8_Click");
    ASSERT_TRUE(pickerShown());
    rig.heard.clear();
    rig.call("KewlButtons2_MouseDown", {1, 10, 10});
    EXPECT_FALSE(pickerShown());
    EXPECT_EQ(rig.pixels(), std::vector<Colour>(std::size_t(Surface::kWidth * Surface::kHeight), kWhite));
    EXPECT_EQ(rig.w().state.PageNumber, 101);
    EXPECT_EQ(counter(), "1/21");
    EXPECT_EQ(rig.w().state.CurrentColor, EditorState{}.CurrentColor);
    EXPECT_EQ(rig.heard, (Played{{"wave", 102}}));
}

TEST_F(PagePickerTest, OtherButtonsOnTheCommandsDoNothingAtAll) {
    rig.drawSomethingVaried();
    for (const bool withPicker : {false, true}) {
        SCOPED_TRACE(withPicker ? "picker shown" : "picker hidden");
        if (withPicker) {
            openPicker();
            rig.call("KewlButtons8_Click");
        }
        rig.dialog.answers.push_back(rig.scratch.path() + "/never.bmp");
        rig.heard.clear();
        const QStringList state = DumpState(rig.w());
        const auto canvas = rig.pixels();
        for (const char* name : {"KewlButtons1_MouseDown", "KewlButtons2_MouseDown", "KewlButtons3_MouseDown"})
            for (const double button : {2.0, 4.0, 3.0, 0.0}) rig.call(name, {button, 20, 20});
        EXPECT_TRUE(rig.heard.empty()) << rig.heard.size() << " sounds";
        EXPECT_EQ(DumpState(rig.w()), state);
        EXPECT_EQ(rig.pixels(), canvas);
        EXPECT_TRUE(rig.dialog.asks.empty()) << "a dialog was shown";
        EXPECT_FALSE(QFile::exists(rig.scratch.path() + "/never.bmp"));
        rig.dialog.answers.clear();
    }
}

// The same through real mouse events on the controls themselves.
void Press(QWidget* w, Qt::MouseButton button) {
    const QPointF at(5, 5);
    QMouseEvent press(QEvent::MouseButtonPress, at, w->mapToGlobal(at), button, button, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, w->mapToGlobal(at), button, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &release);
}

TEST_F(PagePickerTest, RealMouseButtonsReachTheRightCommands) {
    Box* newColouringPage = Control(rig.w(), "KewlButtons1");
    Box* newPage = Control(rig.w(), "KewlButtons2");
    Box* saveDrawing = Control(rig.w(), "KewlButtons3");
    rig.drawSomethingVaried();
    const auto drawing = rig.pixels();
    rig.heard.clear();
    for (Box* b : {newColouringPage, newPage, saveDrawing}) Press(b, Qt::RightButton);
    EXPECT_TRUE(rig.heard.empty());
    EXPECT_TRUE(rig.dialog.asks.empty());
    EXPECT_FALSE(pickerShown());
    EXPECT_EQ(rig.pixels(), drawing);

    Press(newColouringPage, Qt::LeftButton);
    EXPECT_TRUE(pickerShown());
    Press(Control(rig.w(), "KewlButtons8"), Qt::LeftButton);
    Press(Control(rig.w(), "KewlButtons8"), Qt::RightButton);  // only a left click turns a page
    EXPECT_EQ(counter(), "2/21");
    Press(Control(rig.w(), "Image3"), Qt::LeftButton);
    EXPECT_TRUE(canvasIsPage(102));
    EXPECT_FALSE(pickerShown());
    // A right click anywhere on the open picker, "Open a drawing" included,
    // is the way back: the picker closes and nothing is asked.
    Press(newColouringPage, Qt::LeftButton);
    Press(Control(rig.w(), "Label7"), Qt::RightButton);
    EXPECT_TRUE(rig.dialog.asks.empty());
    EXPECT_FALSE(pickerShown());
    EXPECT_TRUE(canvasIsPage(102));
    Press(newColouringPage, Qt::LeftButton);
    Press(Control(rig.w(), "Label7"), Qt::LeftButton);
    EXPECT_TRUE(rig.dialog.asks.empty()) << "a child's press opens the child's own drawings, never a dialog";
    EXPECT_FALSE(pickerShown());
    Press(saveDrawing, Qt::LeftButton);
    ASSERT_EQ(rig.dialog.asks.size(), 1u);
    EXPECT_EQ(rig.dialog.asks[0].kind, "save");
    Press(newPage, Qt::LeftButton);
    EXPECT_EQ(rig.pixels(), std::vector<Colour>(std::size_t(Surface::kWidth * Surface::kHeight), kWhite));
    // The picker opened three times; a page turned; My drawings, save and
    // new page clicked.
    EXPECT_EQ(rig.heard, (Played{{"wave", 102},
                                 {"wave", 1011},
                                 {"wave", 102},
                                 {"wave", 102},
                                 {"wave", 102},
                                 {"wave", 102},
                                 {"wave", 102},
                                 {"wave", 102}}));
}

}  // namespace
}  // namespace pintaloo::test
