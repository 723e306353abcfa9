// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// Undo and redo through the window's actions, its buttons and its keys,
// and the drawing kept between runs, all in private folders.
#include <QImage>
#include <QTest>
#include <functional>
#include <random>
#include <sstream>

#include "engine/toolbox/tools_table.h"
#include "ui/actions/box.h"
#include "ui/parts/drawing_history.h"
#include "ui/files/kept_drawing.h"
#include "window_fixture.h"

namespace pintaloo::uitest {
namespace {

using Pixels = std::vector<Colour>;

class UndoTest : public WindowTest {
public:  // the table of changes below drives the window through these
    using WindowRig::call;
    using WindowRig::dialog;
    DrawingHistory& h() { return w().drawingHistory(); }
    void stroke(double x0, double y0, double x1, double y1) {
        call("pctDraw_MouseDown", {1, x0, y0});
        call("pctDraw_MouseMove", {1, (x0 + x1) / 2, (y0 + y1) / 2});
        call("pctDraw_MouseMove", {1, x1, y1});
        call("pctDraw_MouseUp", {1, x1, y1});
    }
    void click(double x, double y) {
        call("pctDraw_MouseDown", {1, x, y});
        call("pctDraw_MouseUp", {1, x, y});
    }
    bool enabled(const char* name) { return w().findChild<QWidget*>(QLatin1String(name))->isEnabled(); }
};

// Each kind of change the window knows, in an order where every one
// changes what the one before left.
struct Change {
    const char* what;
    std::function<void(UndoTest&)> make;
};

// The first entry of the magic panel that is a brush (or a trick over the
// whole picture), -1 for none.
double MagicEntry(bool whole) {
    for (int e = 0; e < EntriesOn(ToolButton::Magic); ++e)
        if (EntryOf(ToolButton::Magic, e)->wholePicture == whole) return e;
    return -1;
}

TEST_F(UndoTest, EveryKindOfChangeIsOneStepBackToBlankAndForwardToTheEnd) {
    const QString picture = scratch.filePath(QStringLiteral("opened.png"));
    QImage img(200, 150, QImage::Format_RGB32);
    img.fill(QColor(30, 160, 90));
    ASSERT_TRUE(img.save(picture, "PNG"));
    const std::vector<Change> changes = {
        {"pencil",
         [](UndoTest& t) {
             t.call("bColor_Click", {14});
             t.stroke(100, 100, 400, 200);
         }},
        {"eraser",
         [](UndoTest& t) {
             t.call("bBrush_MouseUp", {3, 1});
             t.stroke(90, 100, 300, 170);
         }},
        {"fill",
         [](UndoTest& t) {
             t.call("bBrush_MouseUp", {5, 1});
             t.call("bColor_Click", {5});
             t.click(700, 450);
         }},
        {"model brush",
         [](UndoTest& t) {
             t.call("bBrush_MouseUp", {1, 1});
             t.call("bSpray_MouseDown", {2, 1});
             t.stroke(200, 300, 500, 320);
         }},
        {"another model",
         [](UndoTest& t) {
             t.call("bBrush_MouseUp", {1, 1});
             t.call("bSpray_MouseDown", {9, 1});
             t.stroke(150, 400, 450, 380);
         }},
        {"stamp",
         [](UndoTest& t) {
             t.call("bBrush_MouseUp", {2, 1});
             t.call("bStamp_MouseDown", {3, 1});
             t.call("bStamp1_Click", {1});
             t.click(400, 300);
         }},
        {"oil",
         [](UndoTest& t) {
             t.call("bBrush_MouseUp", {4, 1});
         }},
        {"magic brush",
         [](UndoTest& t) {
             t.call("bBrush_MouseUp", {6, 1});
             t.call("bMagic_MouseDown", {MagicEntry(false), 1});
             t.stroke(120, 120, 600, 260);
         }},
        {"magic over the whole picture",
         [](UndoTest& t) {
             t.call("bBrush_MouseUp", {6, 1});
             t.call("bMagic_MouseDown", {MagicEntry(true), 1});
         }},
        {"colouring page",
         [](UndoTest& t) {
             t.call("KewlButtons1_MouseDown", {1, 10, 10});
             t.call("KewlButtons8_Click");
             t.call("Image3_Click");
         }},
        {"pencil on the page",
         [](UndoTest& t) {
             t.call("bBrush_MouseUp", {0, 1});
             t.stroke(50, 50, 700, 480);
         }},
        {"open a file",
         [&picture](UndoTest& t) {
             t.dialog.answers.push_back(picture);
             t.call("Label7_MouseDown", {1, 10, 10});
         }},
        {"new page",
         [](UndoTest& t) {
             t.call("KewlButtons2_MouseDown", {1, 10, 10});
         }},
    };
    std::vector<Pixels> after{pixels()};
    std::vector<std::int16_t> pages{st().PageNumber};
    for (const Change& c : changes) {
        SCOPED_TRACE(c.what);
        c.make(*this);
        ASSERT_NE(pixels(), after.back()) << "the change must change the drawing";
        EXPECT_EQ(h().history().undoCount(), after.size()) << "one step for the change";
        after.push_back(pixels());
        pages.push_back(st().PageNumber);
    }
    EXPECT_EQ(pages[10], 102) << "the colouring page taken";
    for (std::size_t i = changes.size(); i-- > 0;) {
        SCOPED_TRACE(changes[i].what);
        call("Undo");
        ASSERT_EQ(pixels(), after[i]) << "undone bit for bit";
        EXPECT_EQ(st().PageNumber, pages[i]);
    }
    EXPECT_TRUE(canvasIsBlank());
    EXPECT_FALSE(enabled("bUndo"));
    EXPECT_TRUE(enabled("bRedo"));
    for (std::size_t i = 0; i < changes.size(); ++i) {
        SCOPED_TRACE(changes[i].what);
        call("Redo");
        ASSERT_EQ(pixels(), after[i + 1]) << "redone bit for bit";
        EXPECT_EQ(st().PageNumber, pages[i + 1]);
    }
    EXPECT_TRUE(enabled("bUndo"));
    EXPECT_FALSE(enabled("bRedo"));
}

TEST_F(UndoTest, ButtonsLookOffWhenThereIsNothingToDoAndSoundWhenTheyWork) {
    EXPECT_FALSE(enabled("bUndo"));
    EXPECT_FALSE(enabled("bRedo"));
    call("Undo");  // nothing to undo: silent, nothing changes
    EXPECT_TRUE(heard.empty());
    EXPECT_TRUE(canvasIsBlank());
    stroke(100, 100, 300, 300);
    EXPECT_TRUE(enabled("bUndo"));
    EXPECT_FALSE(enabled("bRedo"));
    heard.clear();
    // Clicking the real button runs the action.
    QTest::mouseClick(Control(w(), "bUndo"), Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
    EXPECT_TRUE(canvasIsBlank());
    EXPECT_EQ(heard, (std::vector<Heard>{{"wave", 1011}}));
    EXPECT_FALSE(enabled("bUndo"));
    EXPECT_TRUE(enabled("bRedo"));
    // A new change after an undo leaves nothing to redo.
    stroke(400, 100, 500, 300);
    EXPECT_FALSE(enabled("bRedo"));
    EXPECT_EQ(h().history().undoCount(), 1u);
}

TEST_F(UndoTest, APressWithoutReleaseEndsTheStrokeBeforeIt) {
    call("pctDraw_MouseDown", {1, 100, 100});
    call("pctDraw_MouseMove", {1, 300, 100});
    const Pixels first = pixels();
    call("pctDraw_MouseDown", {1, 100, 300});  // the release was lost outside the window
    call("pctDraw_MouseMove", {1, 300, 300});
    call("pctDraw_MouseUp", {1, 300, 300});
    EXPECT_EQ(h().history().undoCount(), 2u);
    call("Undo");
    EXPECT_EQ(pixels(), first);
    // Moving over the canvas without a button is no step.
    call("pctDraw_MouseMove", {0, 200, 200});
    call("pctDraw_MouseUp", {0, 200, 200});
    EXPECT_EQ(h().history().undoCount(), 1u);
    EXPECT_EQ(h().history().redoCount(), 1u);
}

TEST_F(UndoTest, UndoingAFillOnTheOutlineGivesThePencilItsOutlineBack) {
    call("KewlButtons1_MouseDown", {1, 10, 10});
    call("Image3_Click");
    const Pixels page = pixels();
    // A point of the outline with paper just left of it (the pencil's stroke crosses it).
    const Surface& s = w().canvas;
    int ox = -1, oy = -1;
    for (int y = 50; y < s.height() - 50 && ox < 0; ++y)
        for (int x = 60; x < s.width() - 60; ++x)
            if (s.point(x, y) == std::int32_t(st().OutlineColor) &&
                s.point(x - 30, y) == std::int32_t(st().PaperColor)) {
                ox = x, oy = y;
                break;
            }
    ASSERT_GE(ox, 0) << "the page has an outline";
    call("bBrush_MouseUp", {5, 1});
    call("bColor_Click", {14});
    click(ox, oy);
    ASSERT_NE(s.point(ox, oy), std::int32_t(st().OutlineColor)) << "the fill took the outline";
    call("Undo");
    EXPECT_EQ(pixels(), page);
    call("bBrush_MouseUp", {0, 1});
    stroke(ox - 30, oy, ox + 30, oy);
    EXPECT_EQ(s.point(ox, oy), std::int32_t(st().OutlineColor)) << "the pencil spares the outline again";
    EXPECT_NE(s.point(ox - 25, oy), std::int32_t(st().PaperColor)) << "and colours the paper beside it";
}

TEST_F(UndoTest, AHundredStepsAreKept) {
    for (int i = 0; i < 105; ++i) {
        call("bColor_Click", {double(i % 24)});
        stroke(20 + 7 * i, 30, 20 + 7 * i, 500);
    }
    EXPECT_GE(h().history().undoCount(), 100u);
}

TEST_F(UndoTest, KeptDrawingComesBackWithItsPageAndNewPageIsStillUndoable) {
    const QString folder = scratch.filePath(QStringLiteral("state"));
    QDir().mkpath(folder);
    EXPECT_FALSE(h().keepIn(folder)) << "nothing kept yet";
    call("KewlButtons1_MouseDown", {1, 10, 10});
    call("KewlButtons8_Click");
    call("KewlButtons8_Click");
    call("Image3_Click");
    stroke(100, 100, 500, 400);
    const Pixels drawn = pixels();
    h().flush();
    ASSERT_TRUE(QFileInfo::exists(KeptDrawingPath(folder)));

    // The next start.
    testkit::WindowRig next;
    ASSERT_TRUE(next.loaded);
    ASSERT_TRUE(next.w().drawingHistory().keepIn(folder));
    EXPECT_EQ(next.pixels(), drawn);
    EXPECT_EQ(next.st().PageNumber, 103);
    EXPECT_FALSE(next.w().drawingHistory().history().canUndo()) << "the kept drawing is where undo stops";
    next.call("KewlButtons2_MouseDown", {1, 10, 10});
    EXPECT_NE(next.pixels(), drawn);
    next.call("Undo");
    EXPECT_EQ(next.pixels(), drawn);
    EXPECT_EQ(next.st().PageNumber, 103);
}

TEST_F(UndoTest, AStrokeStillHeldWhenTheProgramEndsIsKept) {
    const QString folder = scratch.filePath(QStringLiteral("state"));
    QDir().mkpath(folder);
    h().keepIn(folder);
    call("pctDraw_MouseDown", {1, 100, 100});
    call("pctDraw_MouseMove", {1, 400, 300});  // the session ends before the release
    const Pixels held = pixels();
    ASSERT_FALSE(canvasIsBlank());
    w().Unload();
    const auto kept = LoadKeptDrawing(folder, w().canvas.width(), w().canvas.height());
    ASSERT_TRUE(kept.has_value());
    EXPECT_EQ(Pixels(kept->pixels.begin(), kept->pixels.end()), held);
}

TEST_F(UndoTest, ADamagedKeptDrawingStartsBlankAndSaysNothing) {
    const QString folder = scratch.filePath(QStringLiteral("state"));
    QDir().mkpath(folder);
    QFile f(KeptDrawingPath(folder));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("\x89PNG\r\n\x1a\n not really");
    f.close();
    EXPECT_FALSE(h().keepIn(folder));
    EXPECT_TRUE(canvasIsBlank());
    EXPECT_TRUE(messages.told.empty());
}

// Random strokes, fills, undos and redos against a model: the list of
// canvases after each step and where in it the drawing is.
class UndoModelTest : public UndoTest {};

TEST_F(UndoModelTest, RandomChangesAndUndosFollowAListOfCanvases) {
    for (const unsigned seed : {1u, 2u, 3u, 20261208u}) {
        w().ResetEditor();
        h().restart();
        std::mt19937 rng(seed);
        std::vector<Pixels> model{pixels()};
        std::size_t at = 0;
        std::ostringstream script;
        for (int op = 0; op < 40; ++op) {
            const int kind = int(rng() % 6);
            const auto coord = [&rng](int limit) { return double(rng() % unsigned(limit)); };
            if (kind <= 1) {  // a pencil or eraser stroke in some colour
                const double item = kind == 0 ? 0 : 3, colour = double(rng() % 24);
                const double x0 = coord(807), y0 = coord(537), x1 = coord(807), y1 = coord(537);
                call("bBrush_MouseUp", {item, 1});
                call("bColor_Click", {colour});
                stroke(x0, y0, x1, y1);
                script << "bBrush_MouseUp " << item << " 1\nbColor_Click " << colour << "\npctDraw_MouseDown 1 " << x0
                       << ' ' << y0 << "\npctDraw_MouseMove 1 " << x1 << ' ' << y1 << "\npctDraw_MouseUp 1 " << x1
                       << ' ' << y1 << '\n';
            } else if (kind == 2) {
                const double colour = double(rng() % 24), x = coord(807), y = coord(537);
                call("bBrush_MouseUp", {5, 1});
                call("bColor_Click", {colour});
                click(x, y);
                script << "bBrush_MouseUp 5 1\nbColor_Click " << colour << "\npctDraw_MouseDown 1 " << x << ' ' << y
                       << "\npctDraw_MouseUp 1 " << x << ' ' << y << '\n';
            } else if (kind <= 4) {
                call("Undo");
                script << "Undo\n";
                if (at > 0) --at;
                ASSERT_EQ(pixels(), model[at]) << "seed " << seed << ", script:\n" << script.str();
                continue;
            } else {
                call("Redo");
                script << "Redo\n";
                if (at + 1 < model.size()) ++at;
                ASSERT_EQ(pixels(), model[at]) << "seed " << seed << ", script:\n" << script.str();
                continue;
            }
            if (pixels() != model[at]) {  // a change that changed nothing is no step
                model.resize(at + 1);
                model.push_back(pixels());
                ++at;
            }
            ASSERT_EQ(h().history().undoCount(), at) << "seed " << seed << ", script:\n" << script.str();
            ASSERT_EQ(h().history().redoCount(), model.size() - 1 - at) << "seed " << seed << ", script:\n"
                                                                        << script.str();
        }
    }
}

}  // namespace
}  // namespace pintaloo::uitest
