// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The tool buttons, the canvas's mouse handlers and the two picker panels,
// driven through the window's handlers and checked on the real widgets.
#include <QSvgRenderer>
#include <algorithm>
#include <set>

#include "ui/parts/canvas_part.h"
#include "ui/parts/animation_panel.h"
#include "ui/platform/animation_player.h"
#include "ui/parts/pickers.h"
#include "ui/parts/tool_buttons.h"
#include "engine/toolbox/tools_table.h"
#include "ui/words/texts.h"
#include "window_fixture.h"
#include "stand_in_stamps.h"

namespace pintaloo::uitest {
namespace {

using ToolButtonsTest = WindowTest;
using CanvasInputTest = WindowTest;
using PickersTest = WindowTest;

TEST_F(ToolButtonsTest, PencilEraserAndFillChooseTheirToolCursorAndSound) {
    struct Case {
        int item;
        Tool toolMode;
        CanvasCursor cursor;
    };
    for (const Case c : {Case{3, Tool::Eraser, CanvasCursor::Eraser}, Case{5, Tool::Fill, CanvasCursor::Fill},
                         Case{0, Tool::Pencil, CanvasCursor::Pencil}}) {
        SCOPED_TRACE(c.item);
        heard.clear();
        st().ToolVariant = 5;
        Control<ShapeFrame>(w(), "Shape10")->show();
        Control(w(), "pctBrush")->show();
        call("bBrush_MouseUp", {double(c.item), 1});
        EXPECT_EQ(st().ToolMode, c.toolMode);
        EXPECT_EQ(st().ToolVariant, 0);
        EXPECT_EQ(w().canvasPart().canvasIcon(), c.cursor);
        EXPECT_EQ(heard, (std::vector<Heard>{{"wave", 102}}));
        EXPECT_TRUE(Control<ShapeFrame>(w(), "Shape10")->isHidden());
        EXPECT_TRUE(Control(w(), "pctBrush")->isHidden());
        EXPECT_TRUE(Control(w(), "pctStamp")->isHidden());
    }
}

TEST_F(ToolButtonsTest, ModelsAndStampsOpenOnePanelAndKeepTheTool) {
    call("bBrush_MouseUp", {3, 1});  // the eraser
    call("bBrush_MouseUp", {2, 1});
    EXPECT_TRUE(Control(w(), "pctStamp")->isVisible());
    EXPECT_TRUE(Control(w(), "pctBrush")->isHidden());
    for (int k = 0; k < StampSlots(); ++k) {
        const Box* slot = Control(w(), "bStamp1", k);
        EXPECT_TRUE(slot->isHidden()) << k << ": no group chosen, no stamp to show";
        EXPECT_TRUE(slot->picture().isNull()) << k;
    }
    call("bBrush_MouseUp", {1, 1});  // models while the stamps are open
    EXPECT_TRUE(Control(w(), "pctBrush")->isVisible());
    EXPECT_TRUE(Control(w(), "pctStamp")->isHidden());
    EXPECT_EQ(st().ToolMode, Tool::Eraser);
    EXPECT_EQ(w().canvasPart().canvasIcon(), CanvasCursor::Eraser);
    EXPECT_EQ(heard, (std::vector<Heard>{{"wave", 102}, {"wave", 102}, {"wave", 102}}));
}

// Each model and each stamp, chosen, gives its tool button a face of its
// own (and the same face when chosen again), so the button tells which is
// in use; a button whose tool is not chosen shows its plain face.
TEST_F(ToolButtonsTest, TheChosenModelOrStampShowsOnItsButton) {
    const auto face = [this](int item) {
        const QImage img = Control(w(), "bBrush", item)->picture().toImage();
        return QByteArray(reinterpret_cast<const char*>(img.constBits()), img.sizeInBytes());
    };
    const QByteArray plainModels = face(1), plainStamps = face(2);
    std::set<QByteArray> faces;
    std::vector<QByteArray> modelFaces;
    int stamps = 0;
    for (int item = 0; item < EntriesOn(ToolButton::Models); ++item) {
        call("bBrush_MouseUp", {1, 1});
        call("bSpray_MouseDown", {double(item), 1});
        modelFaces.push_back(face(1));
        faces.insert(face(1));
        EXPECT_EQ(face(2), plainStamps) << item;
    }
    for (int group = 0; group < EntriesOn(ToolButton::Stamps); ++group)
        for (int k = 0; k < EntryOf(ToolButton::Stamps, group)->pictures; ++k, ++stamps) {
            call("bBrush_MouseUp", {2, 1});
            call("bStamp_MouseDown", {double(group), 1});
            call("bStamp1_Click", {double(k)});
            faces.insert(face(2));
            EXPECT_EQ(face(1), plainModels) << group << "," << k;
        }
    EXPECT_EQ(faces.size(), std::size_t(EntriesOn(ToolButton::Models) + stamps)) << "two choices look alike on their button";
    call("bBrush_MouseUp", {1, 1});
    call("bSpray_MouseDown", {3, 1});
    EXPECT_EQ(face(1), modelFaces[3]);
    call("bBrush_MouseUp", {0, 1});  // the pencil: no model chosen
    EXPECT_EQ(face(1), plainModels);
    EXPECT_EQ(face(2), plainStamps);
}

TEST_F(ToolButtonsTest, OilRepaintsTheCanvasAndKeepsTheTool) {
    call("bBrush_MouseUp", {3, 1});
    w().canvas.line(50, 200, 750, 200, kBlack, 1);  // one pixel thin
    w().canvasPart().refresh();
    ASSERT_FALSE(canvasIsBlank());
    heard.clear();
    call("bBrush_MouseUp", {4, 1});
    EXPECT_TRUE(canvasIsBlank()) << "a thin line is outvoted by the paper around it";
    EXPECT_EQ(Control<CanvasView>(w(), "pctDraw")->image().pixel(400, 200), QColor(Qt::white).rgb())
        << "the screen shows it";
    EXPECT_EQ(st().ToolMode, Tool::Eraser);
    EXPECT_EQ(w().canvasPart().canvasIcon(), CanvasCursor::Eraser);
    EXPECT_EQ(heard, (std::vector<Heard>{{"wave", 103}}));
    EXPECT_TRUE(Control(w(), "Picture1")->isHidden()) << "the wait box goes once the filter is done";
}

TEST_F(ToolButtonsTest, OtherButtonsOnlyHideTheStampOutline) {
    call("bBrush_MouseUp", {1, 1});  // models panel open
    heard.clear();
    for (int button : {2, 3, 4}) {
        for (int item = 0; item < kToolButtonCount; ++item) {
            SCOPED_TRACE(testing::Message() << "item " << item << " button " << button);
            st().ToolVariant = 3;
            Control<ShapeFrame>(w(), "Shape10")->show();
            call("bBrush_MouseUp", {double(item), double(button)});
            EXPECT_TRUE(Control<ShapeFrame>(w(), "Shape10")->isHidden());
            EXPECT_EQ(st().ToolMode, Tool::Pencil);
            EXPECT_EQ(st().ToolVariant, 3);
            EXPECT_TRUE(Control(w(), "pctBrush")->isVisible());
            EXPECT_TRUE(Control(w(), "pctStamp")->isHidden());
        }
    }
    EXPECT_TRUE(heard.empty());
}

TEST_F(CanvasInputTest, OnlyTheLeftButtonAlonePaints) {
    Control(w(), "pctBrush")->show();
    Control(w(), "pctStamp")->show();
    call("pctDraw_MouseDown", {2, 300, 200});
    EXPECT_TRUE(Control(w(), "pctBrush")->isHidden());
    EXPECT_TRUE(Control(w(), "pctStamp")->isHidden());
    EXPECT_EQ(st().Phase, MousePhase::Down);
    EXPECT_TRUE(canvasIsBlank());

    call("pctDraw_MouseDown", {3, 300, 200});
    call("pctDraw_MouseMove", {3, 310, 200});
    call("pctDraw_MouseMove", {0, 320, 200});
    EXPECT_EQ(st().Phase, MousePhase::Move);
    call("pctDraw_MouseUp", {3, 320, 200});
    EXPECT_EQ(st().Phase, MousePhase::Up);
    EXPECT_TRUE(canvasIsBlank()) << "left and right together paint nothing";

    // A drag that began with another button paints once the left is held alone.
    call("pctDraw_MouseDown", {2, 300, 200});
    call("pctDraw_MouseMove", {1, 400, 250});
    const Area painted = paintedBounds();
    ASSERT_FALSE(painted.empty());
    EXPECT_GE(painted.left, 399);
    EXPECT_LE(painted.right, 401);
    EXPECT_GE(painted.top, 246);
    EXPECT_LE(painted.bottom, 254);
}

// Chooses the second house, a picture of 200 x 200.
void ChooseHouseStamp(MainWindow& w) {
    std::string error;
    ASSERT_TRUE(w.actions.run("bStamp_MouseDown", {3, 1}, &error)) << error;
    ASSERT_TRUE(w.actions.run("bStamp1_Click", {1}, &error)) << error;
}

TEST_F(CanvasInputTest, StampOutlineTakesTheSizeOfItsHeightBand) {
    ChooseHouseStamp(w());
    ShapeFrame* outline = Control<ShapeFrame>(w(), "Shape10");
    ASSERT_EQ(w().pickers().pictureInSlot(1), 139);
    EXPECT_EQ(outline->size(), QSize(200, 200));
    EXPECT_TRUE(outline->isVisible());

    struct Step {
        double x, y;
        QSize size;
    };
    const Step steps[] = {
        {400, 30, {67, 67}},      // a third, rounded
        {400, 400, {200, 200}},   // its own size
        {300, 500, {250, 250}},   // nearer: larger
        {200, 60.5, {250, 250}},  // between two bands: as it was
        {100, -5, {250, 250}},    // above the canvas: as it was
        {500, 100, {80, 80}},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(testing::Message() << "y " << s.y);
        call("pctDraw_MouseMove", {0, s.x, s.y});
        EXPECT_EQ(outline->size(), s.size);
        const QPointF centre = QRectF(outline->geometry()).center();
        EXPECT_NEAR(centre.x(), s.x, 1.0);
        EXPECT_NEAR(centre.y(), s.y, 1.0);
    }
    EXPECT_TRUE(canvasIsBlank()) << "moving without a button paints nothing";
}

// Every tool the table puts on a button is chosen by pressing that button
// (and its entry in the picker), and the button then shows pressed.
TEST_F(PickersTest, EveryToolIsChosenByItsButtonAndEntry) {
    for (const ToolRow& row : ToolRows()) {
        SCOPED_TRACE(ToolNumber(row.tool));
        call("bBrush_MouseUp", {0, 1});
        st().ToolVariant = 4;
        call("bBrush_MouseUp", {double(row.button), 1});
        heard.clear();
        if (row.button == ToolButton::Models) call("bSpray_MouseDown", {double(row.entry), 1});
        if (row.button == ToolButton::Stamps && !row.library) call("bStamp_MouseDown", {double(row.entry), 1});
        if (row.library) call("ChooseLibraryStamp", {1});  // chosen in the browser (none here: it paints nothing)
        if (row.button == ToolButton::Magic) {
            call("bMagic_MouseDown", {double(row.entry), 1});
            EXPECT_TRUE(Control(w(), "pctMagic")->isHidden());
        }
        if (row.button == ToolButton::Shapes) {
            call("bShape_MouseDown", {double(row.entry), 1});
            EXPECT_TRUE(Control(w(), "pctShapes")->isHidden());
        }
        if (row.wholePicture) {  // runs once and leaves the tool as it was
            EXPECT_EQ(st().ToolMode, Tool::Pencil);
            EXPECT_EQ(heard, (std::vector<Heard>{{"wave", 103}}));
            continue;
        }
        EXPECT_EQ(st().ToolMode, row.tool);
        EXPECT_EQ(st().ToolVariant, 0);
        EXPECT_EQ(ChosenToolItem(st().ToolMode), int(row.button));
        if (row.button != ToolButton::Models && row.button != ToolButton::Magic) continue;
        EXPECT_TRUE(Control(w(), "pctBrush")->isHidden());
        EXPECT_EQ(heard, (std::vector<Heard>{{"wave", row.button == ToolButton::Magic ? 105 : 104}}));
        EXPECT_EQ(w().canvasPart().canvasIcon(), CanvasCursor::Models);
    }
}

// What a new row could get wrong that only the window shows: its entry's
// picture missing, its texts missing from the text table, its cell outside
// its panel or over another control there (the stamps' slots included).
TEST_F(PickersTest, EveryEntryHasItsPictureTextsAndPlace) {
    const struct {
        ToolButton button;
        const char* panel;
        const char* entry;
    } pickers[] = {{ToolButton::Models, "pctBrush", "bSpray"},
                   {ToolButton::Stamps, "pctStamp", "bStamp"},
                   {ToolButton::Magic, "pctMagic", "bMagic"},
                   {ToolButton::Shapes, "pctShapes", "bShape"}};
    for (const auto& picker : pickers) {
        const Box* panel = Control(w(), picker.panel);
        std::vector<QRect> taken;
        for (const QObject* child : panel->children())
            if (const auto* box = qobject_cast<const Box*>(child)) taken.push_back(box->geometry());
        ASSERT_EQ(taken.size(), std::size_t(EntriesOn(picker.button) + (picker.button == ToolButton::Stamps ? StampSlots() : 0)));
        for (int i = 0; i < EntriesOn(picker.button); ++i) {
            const ToolRow& row = *EntryOf(picker.button, i);
            SCOPED_TRACE(ToolNumber(row.tool));
            const QString art = QStringLiteral(":/art/pickers/%1.svg").arg(QLatin1String(row.art));
            EXPECT_TRUE(QSvgRenderer(art).isValid()) << art.toStdString();
            for (const char* key : {row.name, row.help})
                EXPECT_TRUE(!key || HasText(key)) << key << " is not in ui/words/texts.cpp";
            if (row.name) {
                EXPECT_EQ(Control(w(), picker.entry, i)->toolTip(), Text(row.name, Language::English));
            }
            const QRect place = Control(w(), picker.entry, i)->geometry();
            EXPECT_TRUE(panel->rect().contains(place)) << "cell " << int(row.cell) << " lies outside its panel";
            EXPECT_EQ(std::count_if(taken.begin(), taken.end(), [&](const QRect& r) { return r.intersects(place); }), 1)
                << "cell " << int(row.cell) << " lies over another control";
        }
    }
}

TEST_F(PickersTest, RightPressOnAModelOnlySetsTheModelsCursor) {
    call("bBrush_MouseUp", {1, 1});
    heard.clear();
    ASSERT_EQ(w().canvasPart().canvasIcon(), CanvasCursor::Pencil);
    call("bSpray_MouseDown", {5, 2});
    EXPECT_EQ(w().canvasPart().canvasIcon(), CanvasCursor::Models);
    EXPECT_EQ(st().ToolMode, Tool::Pencil);
    EXPECT_TRUE(Control(w(), "pctBrush")->isVisible());
    EXPECT_TRUE(heard.empty());
}

TEST_F(PickersTest, HoverFramesFollowThePointer) {
    call("bBrush_MouseUp", {1, 1});
    auto shown = [this] {
        std::vector<int> out;
        for (int i = 0; i < EntriesOn(ToolButton::Models); ++i)
            if (!Control<ShapeFrame>(w(), "Shape1", i)->isHidden()) out.push_back(i);
        return out;
    };
    call("bSpray_MouseMove", {4, 0, 10, 10});
    EXPECT_EQ(shown(), std::vector<int>{4});
    call("bSpray_MouseMove", {16, 0, 10, 10});
    EXPECT_EQ(shown(), std::vector<int>{16});
    call("pctBrush_MouseMove", {0, 5, 5});
    EXPECT_TRUE(shown().empty());

    call("bStamp_MouseMove", {6, 0, 10, 10});
    call("bStamp_MouseMove", {2, 0, 10, 10});
    for (int i = 0; i < EntriesOn(ToolButton::Stamps); ++i)
        EXPECT_EQ(Control<ShapeFrame>(w(), "Shape7", i)->isHidden(), i != 2) << i;
}

TEST_F(PickersTest, CategoryFillsItsSlotsAndEmptiesTheRest) {
    Pickers& p = w().pickers();
    call("bBrush_MouseUp", {2, 1});
    call("bStamp_MouseDown", {0, 1});  // animals fill every slot first
    st().ToolVariant = 6;
    heard.clear();
    call("bStamp_MouseDown", {4, 1});  // suns
    EXPECT_EQ(st().ToolMode, Tool::StampSuns);
    EXPECT_EQ(st().ToolVariant, 0);
    EXPECT_EQ(heard, (std::vector<Heard>{{"wave", 102}}));
    EXPECT_TRUE(Control(w(), "pctStamp")->isVisible());
    EXPECT_TRUE(Control<ShapeFrame>(w(), "Shape10")->isHidden());
    for (int k = 0; k < StampSlots(); ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(Control(w(), "bStamp1", k)->isVisible(), k < 3);
        EXPECT_EQ(Control(w(), "bStamp1", k)->picture().isNull(), k >= 3);
        EXPECT_EQ(p.pictureInSlot(k), k < 3 ? 141 + k : 0);
    }
    const qint64 firstSun = Control(w(), "bStamp1", 0)->picture().cacheKey();

    call("bStamp_MouseDown", {0, 1});  // animals
    EXPECT_EQ(st().ToolMode, Tool::StampAnimals);
    for (int k = 0; k < StampSlots(); ++k) {
        SCOPED_TRACE(k);
        EXPECT_FALSE(Control(w(), "bStamp1", k)->picture().isNull());
        EXPECT_EQ(p.pictureInSlot(k), 122 + k);
    }
    EXPECT_NE(Control(w(), "bStamp1", 0)->picture().cacheKey(), firstSun);

    heard.clear();
    call("bStamp_MouseDown", {4, 2});  // the right button does nothing
    EXPECT_EQ(st().ToolMode, Tool::StampAnimals);
    EXPECT_EQ(p.pictureInSlot(7), 129);
    EXPECT_TRUE(heard.empty());
}

TEST_F(PickersTest, SlotChoosesTheStampAndShowsItsOutline) {
    call("bBrush_MouseUp", {1, 1});
    call("bBrush_MouseUp", {2, 1});
    Control(w(), "pctBrush")->show();  // both open: a slot closes both
    call("bStamp_MouseDown", {3, 1});
    heard.clear();
    call("bStamp1_Click", {1});
    EXPECT_TRUE(Control(w(), "pctBrush")->isHidden());
    EXPECT_TRUE(Control(w(), "pctStamp")->isHidden());
    EXPECT_EQ(st().ToolMode, Tool::StampHouses);
    EXPECT_EQ(st().ToolVariant, 1);
    EXPECT_EQ(heard, (std::vector<Heard>{{"wave", 104}}));
    EXPECT_EQ(w().canvasPart().canvasIcon(), CanvasCursor::Stamp);
    EXPECT_TRUE(Control<ShapeFrame>(w(), "Shape10")->isVisible());
    EXPECT_EQ(Control<ShapeFrame>(w(), "Shape10")->size(), QSize(200, 200));
}

// Only slots with a stamp show, and neither reopening a panel
// and leaving it with Escape nor the oil command swaps the chosen stamp for
// its group's first.
TEST_F(PickersTest, OnlyStampsShowAndTheChosenOneStaysChosen) {
    for (int group = 0; group < EntriesOn(ToolButton::Stamps); ++group) {
        SCOPED_TRACE(group);
        const ToolRow& cat = *EntryOf(ToolButton::Stamps, group);
        call("bBrush_MouseUp", {2, 1});
        call("bStamp_MouseDown", {double(group), 1});
        for (int k = 0; k < StampSlots(); ++k) EXPECT_EQ(Control(w(), "bStamp1", k)->isVisible(), k < cat.pictures) << k;

        const int last = cat.pictures - 1;
        call("bStamp1_Click", {double(last)});
        // Stamps, models, and once (it takes a second) oil.
        for (const int button : group == 0 ? std::vector<int>{2, 1, 4} : std::vector<int>{2, 1}) {
            call("bBrush_MouseUp", {double(button), 1});
            ASSERT_TRUE(w().actions.runKey(QKeySequence(Qt::Key_Escape)));
            EXPECT_EQ(st().ToolMode, cat.tool) << button;
            EXPECT_EQ(st().ToolVariant, last) << button;
        }
        EXPECT_TRUE(Control(w(), "pctStamp")->isHidden());
        call("pctDraw_MouseMove", {0, 400, 420});
        EXPECT_TRUE(Control<ShapeFrame>(w(), "Shape10")->isVisible()) << "the outline of the stamp still chosen";
        call("pctDraw_MouseDown", {1, 400, 420});
        call("pctDraw_MouseUp", {1, 400, 420});
        EXPECT_FALSE(canvasIsBlank()) << "the chosen stamp paints";
        w().canvas.clear(kWhite);
    }
}

// A fast swipe of a patterned brush leaves no gap across the path, with the
// program's own artwork: every column a sideways swipe crosses (every row
// of a downward one) has paint within the band the figures cover, but for
// the pattern's own joints. The spray cans and the stars are left out:
// loose dots and scattered stars are their look.
TEST_F(CanvasInputTest, AFastSwipeOfAPatternedBrushLeavesNoGap) {
    for (int item = 0; item < EntriesOn(ToolButton::Models); ++item) {
        const Tool tool = EntryOf(ToolButton::Models, item)->tool;
        if (tool == Tool::Spray || tool == Tool::TwoColourSpray || tool == Tool::Stars) continue;
        for (const bool across : {true, false}) {
            SCOPED_TRACE(testing::Message() << "model " << item << (across ? " across" : " down"));
            w().canvas.clear(kWhite);
            call("bBrush_MouseUp", {1, 1});
            call("bSpray_MouseDown", {double(item), 1});
            const int fx = across ? 100 : 400, fy = across ? 250 : 80, tx = across ? 700 : 400, ty = across ? 250 : 440;
            call("pctDraw_MouseDown", {1, double(fx), double(fy)});
            call("pctDraw_MouseMove", {1, double(tx), double(ty)});
            call("pctDraw_MouseUp", {1, double(tx), double(ty)});
            int gap = 0, widest = 0;  // in lines across the path
            for (int along = across ? fx : fy; along <= (across ? tx : ty); ++along) {
                bool painted = false;
                for (int off = -70; off <= 90 && !painted; ++off) {
                    const int x = across ? along : fx + off, y = across ? fy + off : along;
                    painted = w().canvas.point(x, y) != std::int32_t(kWhite);
                }
                gap = painted ? 0 : gap + 1;
                widest = std::max(widest, gap);
            }
            EXPECT_LE(widest, 1) << "only the one-pixel joints of the tiles' own pattern";
        }
    }
}

TEST_F(PickersTest, StampPaintsOncePerPress) {
    ChooseHouseStamp(w());
    call("pctDraw_MouseDown", {1, 200, 300});
    const Area first = paintedBounds();
    ASSERT_FALSE(first.empty());
    EXPECT_TRUE(first.left <= 200 && first.right >= 200 && first.top <= 300 && first.bottom >= 300)
        << "the stamp lands under the pointer";
    const std::vector<Colour> afterPress = pixels();
    for (int x = 210; x <= 700; x += 15) call("pctDraw_MouseMove", {1, double(x), double(300 + x % 40)});
    call("pctDraw_MouseUp", {1, 700, 300});
    EXPECT_TRUE(pixels() == afterPress) << "dragging does not stamp again";

    call("pctDraw_MouseDown", {1, 650, 300});
    const Area both = paintedBounds();
    EXPECT_GT(both.right, first.right) << "a new press stamps again";
}

// The view converts the engine's pixels band by band on their way to the
// screen: each colour must arrive with its channels in place, on both sides
// of a band's edge and at the canvas's own edges.
TEST_F(CanvasInputTest, TheViewShowsEverySurfacePixelInItsOwnColour) {
    struct Case {
        int x, y;
        Colour colour;
    };
    const Case cases[] = {{0, 0, Rgb(255, 0, 0)},       {806, 0, Rgb(0, 255, 0)},    {3, 47, Rgb(0, 0, 255)},
                          {3, 48, Rgb(12, 34, 56)},     {805, 95, Rgb(200, 100, 1)}, {400, 96, Rgb(1, 2, 3)},
                          {0, 536, Rgb(250, 251, 252)}, {806, 536, Rgb(128, 0, 64)}};
    for (const Case& c : cases) w().canvas.setPixel(c.x, c.y, c.colour);
    w().canvasPart().refresh();
    const QImage shown = Control<CanvasView>(w(), "pctDraw")->image();
    ASSERT_EQ(shown.size(), QSize(Surface::kWidth, Surface::kHeight));
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << "," << c.y);
        EXPECT_EQ(shown.pixel(c.x, c.y), qRgb(RedOf(c.colour), GreenOf(c.colour), BlueOf(c.colour)));
    }
    EXPECT_EQ(shown.pixel(1, 47), qRgb(255, 255, 255)) << "the paper between them";
}

// A repaint of part of the canvas draws that part, from its own first row
// and column, and nothing beside it.
TEST_F(CanvasInputTest, APartialRepaintDrawsOnlyItsRectangle) {
    w().canvas.box(0, 0, Surface::kWidth - 1, Surface::kHeight - 1, kBlack, 1, {FillStyle::Solid, Rgb(10, 200, 30)});
    w().canvasPart().refresh();
    const QRect part(101, 50, 37, 61);  // crosses the boundary between two bands of rows
    QImage out(Surface::kWidth, Surface::kHeight, QImage::Format_RGB32);
    out.fill(Qt::magenta);
    Control<CanvasView>(w(), "pctDraw")->render(&out, part.topLeft(), QRegion(part));  // the part lands where it is
    struct Case {
        QPoint at;
        QRgb expected;
    };
    for (const Case& c :
         {Case{part.topLeft(), qRgb(10, 200, 30)}, Case{part.bottomRight(), qRgb(10, 200, 30)},
          Case{{part.left(), 97}, qRgb(10, 200, 30)}, Case{part.topLeft() - QPoint(1, 0), QColor(Qt::magenta).rgb()},
          Case{part.bottomRight() + QPoint(0, 1), QColor(Qt::magenta).rgb()},
          Case{part.bottomRight() + QPoint(1, 0), QColor(Qt::magenta).rgb()}}) {
        SCOPED_TRACE(testing::Message() << c.at.x() << "," << c.at.y());
        EXPECT_EQ(out.pixel(c.at), c.expected);
    }
}

}  // namespace
}  // namespace pintaloo::uitest

namespace pintaloo::uitest {
namespace {

// A collection's stamp, chosen by its id, lands differently at each size and
// turn; the program's own stamps take the same sizes and turns; a stamp the
// library lacks paints nothing. (Recorded and replayed bit for bit: the
// random sessions, which have this library too.)
TEST_F(PickersTest, LibraryStampsPaintByIdAtEveryLook) {
    testkit::StandInStamps library;
    w().services.stamps = &library;
    const double fish = testkit::StampId("animals/fish.png");
    using Steps = std::vector<std::pair<std::string, std::vector<double>>>;
    const auto stamped = [this](const Steps& steps) {
        w().canvas.clear();
        call("StampChoices", {0, 1, 0, 0});
        for (const auto& [name, args] : steps) call(name, args);
        call("pctDraw_MouseDown", {1, 400, 400});
        call("pctDraw_MouseUp", {1, 400, 400});
        return pixels();
    };
    const std::vector<Colour> blank = (w().canvas.clear(), pixels());
    const Steps looks[] = {
        {{"ChooseLibraryStamp", {fish}}},
        {{"ChooseLibraryStamp", {fish}}, {"StampSize", {0}}},
        {{"ChooseLibraryStamp", {fish}}, {"StampSize", {2}}},
        {{"ChooseLibraryStamp", {fish}}, {"StampSize", {3}}},
        {{"StampMirror", {}}, {"ChooseLibraryStamp", {fish}}},
        {{"ChooseLibraryStamp", {fish}}, {"StampFlip", {}}},
        {{"ChooseLibraryStamp", {double(testkit::StampId("animals/bird.png"))}}, {"StampMirror", {}}},
        {{"bStamp_MouseDown", {0, 1}}, {"bStamp1_Click", {1}}, {"StampSize", {3}}},
        {{"bStamp_MouseDown", {0, 1}}, {"bStamp1_Click", {1}}, {"StampMirror", {}}},
    };
    std::set<std::vector<Colour>> seen;
    for (const Steps& look : looks) {
        const std::vector<Colour> after = stamped(look);
        EXPECT_NE(after, blank) << look.back().first;
        EXPECT_TRUE(seen.insert(after).second) << look.back().first << " looks like another";
    }
    EXPECT_EQ(stamped({{"ChooseLibraryStamp", {12345}}}), blank);
    EXPECT_EQ(w().state.ToolMode, kLibraryStampTool);
    w().services.stamps = nullptr;
}

}  // namespace
}  // namespace pintaloo::uitest
