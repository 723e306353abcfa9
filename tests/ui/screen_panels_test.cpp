// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The ways back from every panel, the pressed face of the tool in use, the
// stamp outline's rules and the window shown scaled on a small screen,
// driven through the real widgets.
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <functional>

#include "ui/actions/canvas_cursor.h"
#include "ui/window/screen_fit.h"
#include "ui/window/screen_host.h"
#include "ui/parts/canvas_part.h"
#include "ui/parts/animation_panel.h"
#include "ui/parts/page_picker.h"
#include "ui/art/art_store.h"
#include "ui/parts/pickers.h"
#include "ui/parts/tool_buttons.h"
#include "window_fixture.h"

namespace pintaloo::uitest {
namespace {

using PanelsTest = WindowTest;
using PressedToolTest = WindowTest;
using StampOutlineTest = WindowTest;

constexpr QPoint kCanvasOrigin{9, 76};  // the canvas's place in the window

// A red stroke, so "untouched" has something to keep.
void DrawSomething(testkit::WindowRig& rig) {
    rig.call("bColor_Click", {14});
    rig.call("pctDraw_MouseDown", {1, 100, 200});
    rig.call("pctDraw_MouseMove", {1, 300, 220});
    rig.call("pctDraw_MouseUp", {1, 300, 220});
}

TEST_F(PanelsTest, EveryWayBackClosesEveryPanelAndKeepsTheDrawing) {
    struct PanelCase {
        const char* name;
        std::vector<std::pair<std::string, std::vector<double>>> open;
        std::function<QWidget*(MainWindow&)> panel;
    };
    const PanelCase panels[] = {
        {"page picker", {{"KewlButtons1_MouseDown", {1, 5, 5}}}, [](MainWindow& w) { return Control(w, "pctOpen"); }},
        {"models", {{"bBrush_MouseUp", {1, 1}}}, [](MainWindow& w) { return Control(w, "pctBrush"); }},
        {"stamps", {{"bBrush_MouseUp", {2, 1}}}, [](MainWindow& w) { return Control(w, "pctStamp"); }},
        {"animation", {{"sColor_Click", {}}}, [](MainWindow& w) { return Control(w, "pctFlash"); }},
        {"gallery", {{"Gallery", {}}}, [](MainWindow& w) { return Control(w, "pctGallery"); }},
    };
    enum class Way { Escape, RightClickOnPanel, RightClickOnControl, CloseAction };
    for (const PanelCase& p : panels) {
        for (Way way : {Way::Escape, Way::RightClickOnPanel, Way::RightClickOnControl, Way::CloseAction}) {
            SCOPED_TRACE(testing::Message() << p.name << " way " << int(way));
            call("bBrush_MouseUp", {0, 1});  // the pencil, every panel closed
            DrawSomething(*this);
            const auto before = pixels();
            const Tool tool = st().ToolMode;
            for (const auto& [name, args] : p.open) call(name, args);
            QWidget* panel = p.panel(w());
            ASSERT_TRUE(panel->isVisible());
            switch (way) {
                case Way::Escape:
                    EXPECT_TRUE(w().actions.runKey(QKeySequence(Qt::Key_Escape)));
                    break;
                case Way::RightClickOnPanel:
                    QTest::mouseClick(panel, Qt::RightButton, {}, QPoint(2, 2));
                    break;
                case Way::RightClickOnControl: {
                    // The control in the middle of the panel would choose
                    // something with the left button; the right one only closes.
                    QWidget* inner = panel->childAt(panel->rect().center());
                    QWidget* target = inner ? inner : panel;
                    QTest::mouseClick(target, Qt::RightButton, {}, target->rect().center());
                    break;
                }
                case Way::CloseAction:
                    call("ClosePanel");
                    break;
            }
            EXPECT_TRUE(panel->isHidden());
            EXPECT_EQ(pixels(), before) << "the drawing stays as it was";
            EXPECT_EQ(st().ToolMode, tool) << "nothing in the panel was chosen";
            EXPECT_FALSE(w().fullScreen()) << "a panel closed is all Escape does";
        }
    }
}

TEST_F(PanelsTest, ThePagePickersCloseButtonTakesNoPage) {
    DrawSomething(*this);
    const auto before = pixels();
    call("KewlButtons1_MouseDown", {1, 5, 5});
    call("KewlButtons8_Click");  // leafed on, as a child does
    Box* close = Control(w(), "bClosePicker");
    ASSERT_TRUE(close->isVisible());
    EXPECT_FALSE(close->picture().isNull());
    const qint64 normalFace = close->picture().cacheKey();
    call("bClosePicker_MouseMove", {0, 5, 5});
    EXPECT_NE(close->picture().cacheKey(), normalFace) << "the hover face";
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(close, &leave);
    EXPECT_EQ(close->picture().cacheKey(), normalFace) << "back to normal when the pointer leaves";
    QTest::mouseClick(close, Qt::LeftButton, {}, close->rect().center());
    EXPECT_TRUE(Control(w(), "pctOpen")->isHidden());
    EXPECT_EQ(pixels(), before);
}

TEST_F(PanelsTest, EscapeLeavesFullScreenOnlyWhenNoPanelIsOpen) {
    std::vector<bool> told;
    w().onFullScreen = [&told](bool on) { told.push_back(on); };
    EXPECT_TRUE(w().actions.runKey(QKeySequence(Qt::Key_F11)));
    EXPECT_TRUE(w().fullScreen());
    call("bBrush_MouseUp", {2, 1});  // the stamps open
    EXPECT_TRUE(w().actions.runKey(QKeySequence(Qt::Key_Escape)));
    EXPECT_TRUE(Control(w(), "pctStamp")->isHidden());
    EXPECT_TRUE(w().fullScreen()) << "the first Escape closed the panel only";
    EXPECT_TRUE(w().actions.runKey(QKeySequence(Qt::Key_Escape)));
    EXPECT_FALSE(w().fullScreen());
    EXPECT_TRUE(w().actions.runKey(QKeySequence(Qt::Key_Escape)));  // nothing open, not full screen: nothing
    EXPECT_FALSE(w().fullScreen());
    EXPECT_TRUE(w().actions.runKey(QKeySequence(Qt::Key_F11)));
    EXPECT_TRUE(w().actions.runKey(QKeySequence(Qt::Key_F11)));
    EXPECT_EQ(told, (std::vector<bool>{true, false, true, false}));
}

// A tool button's picture as drawn, by item.
QPixmap NormalFace(int item) {
    constexpr std::array kFaces{"tool_pencil", "tool_models", "tool_stamps", "tool_fill",   "tool_eraser",
                                "tool_oil",    "tool_magic",  "tool_shapes", "tool_letters"};
    static_assert(kFaces.size() == std::size_t(kToolButtonCount));
    return ArtStore::instance().pixmap(
        QStringLiteral(":/art/ui/%1.svg").arg(QLatin1String(kFaces.at(std::size_t(ToolFaceOf(item))))),
        {ToolButtons::kFaceSize, ToolButtons::kFaceSize});
}

TEST_F(PressedToolTest, TheButtonOfTheToolInUseLooksPressed) {
    struct Case {
        const char* what;
        std::vector<std::pair<std::string, std::vector<double>>> steps;
        int pressed;
    };
    const Case cases[] = {
        {"eraser", {{"bBrush_MouseUp", {3, 1}}}, 3},
        {"fill", {{"bBrush_MouseUp", {5, 1}}}, 5},
        {"a patterned brush from the models picker", {{"bBrush_MouseUp", {1, 1}}, {"bSpray_MouseDown", {6, 1}}}, 1},
        {"a stamp from the stamp picker",
         {{"bBrush_MouseUp", {2, 1}}, {"bStamp_MouseDown", {3, 1}}, {"bStamp1_Click", {0}}},
         2},
        {"the models picker only opened: the eraser stays",
         {{"bBrush_MouseUp", {3, 1}}, {"bBrush_MouseUp", {1, 1}}},
         3},
        {"new page: the pencil", {{"bBrush_MouseUp", {3, 1}}, {"KewlButtons2_MouseDown", {1, 5, 5}}}, 0},
        {"the oil command keeps the tool", {{"bBrush_MouseUp", {5, 1}}, {"bBrush_MouseUp", {4, 1}}}, 5},
        {"a magic brush", {{"bBrush_MouseUp", {6, 1}}, {"bMagic_MouseDown", {0, 1}}}, 6},
    };
    ToolButtons& tools = w().toolButtons();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        call("bBrush_MouseUp", {0, 1});
        for (const auto& [name, args] : c.steps) call(name, args);
        EXPECT_EQ(tools.pressedItem(), c.pressed);
        // Three faces to tell apart: pressed, normal (everyone else), and the
        // same pressed face after the pointer moved over the window's background.
        const QImage pressedFace = Control(w(), "bBrush", c.pressed)->picture().toImage();
        for (int i = 0; i < kToolButtonCount; ++i) {
            const QImage face = Control(w(), "bBrush", i)->picture().toImage();
            EXPECT_EQ(face == NormalFace(i).toImage(), i != c.pressed) << "item " << i;
        }
        call("Form_MouseMove", {0, 400, 10});
        EXPECT_EQ(Control(w(), "bBrush", c.pressed)->picture().toImage(), pressedFace);
    }
}

// Lightness of the picture's visible pixels: the mean, and the darkest.
struct Tones {
    double mean = 0;
    int darkest = 255;
};
Tones TonesOf(const QPixmap& pm) {
    const QImage img = pm.toImage().convertToFormat(QImage::Format_ARGB32);
    Tones t;
    long long sum = 0, n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb c = img.pixel(x, y);
            if (qAlpha(c) < 250) continue;
            const int v = QColor(c).value();
            sum += v;
            ++n;
            t.darkest = std::min(t.darkest, v);
        }
    t.mean = n ? double(sum) / double(n) : 0;
    return t;
}

TEST_F(PressedToolTest, HoverFacesAreBrighterWithOutlinesStillDarkAndGoWithThePointer) {
    ToolButtons& tools = w().toolButtons();
    call("bBrush_MouseUp", {3, 1});  // the eraser pressed
    for (int item = 0; item < kToolButtonCount; ++item) {
        SCOPED_TRACE(item);
        Box* b = Control(w(), "bBrush", item);
        call("bBrush_MouseMove", {double(item), 0, 10, 10});
        const Tones lit = TonesOf(b->picture());
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(b, &leave);
        const Tones after = TonesOf(b->picture());
        if (item == 3) {
            EXPECT_EQ(tools.pressedItem(), 3) << "leaving the chosen tool's button keeps it pressed";
            continue;
        }
        const Tones normal = TonesOf(NormalFace(item));
        const Tones faded = TonesOf(ArtStore::instance().faded(
            QStringLiteral(":/art/ui/%1.svg").arg(item == 0 ? "tool_pencil" : "tool_oil"),
            {ToolButtons::kFaceSize, ToolButtons::kFaceSize}));
        EXPECT_GT(lit.mean, normal.mean + 3) << "the hover face is brighter";
        EXPECT_LT(lit.darkest, 100) << "its outline stays dark: lit, not washed out";
        EXPECT_LT(lit.darkest + 40, faded.darkest) << "nothing like the washed-out face";
        EXPECT_DOUBLE_EQ(after.mean, normal.mean) << "back to normal when the pointer leaves";
    }
}

TEST_F(StampOutlineTest, ShowsOnlyWhileAStampIsTheToolAndThePointerIsOnTheCanvas) {
    ShapeFrame* outline = Control<ShapeFrame>(w(), "Shape10");
    CanvasView* canvas = Control<CanvasView>(w(), "pctDraw");
    auto chooseStamp = [this] {
        call("bBrush_MouseUp", {2, 1});
        call("bStamp_MouseDown", {3, 1});
        call("bStamp1_Click", {0});
    };
    auto leaveCanvas = [canvas] {
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(canvas, &leave);
    };
    struct Case {
        const char* what;
        std::function<void()> then;
        bool shownAfterAMove;
    };
    const Case cases[] = {
        {"the stamp chosen", [] {}, true},
        {"left the canvas and came back", leaveCanvas, true},
        {"new page",
         [this] {
             call("KewlButtons2_MouseDown", {1, 5, 5});
         },
         false},
        {"the pencil",
         [this] {
             call("bBrush_MouseUp", {0, 1});
         },
         false},
        {"the fill",
         [this] {
             call("bBrush_MouseUp", {5, 1});
         },
         false},
        {"a patterned brush",
         [this] {
             call("bBrush_MouseUp", {1, 1});
             call("bSpray_MouseDown", {2, 1});
         },
         false},
        {"only the stamp category changed: still a stamp",
         [this] {
             call("bStamp_MouseDown", {5, 1});
         },
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        chooseStamp();
        call("pctDraw_MouseMove", {0, 300, 300});
        ASSERT_TRUE(outline->isVisible());
        c.then();
        if (!c.shownAfterAMove) {
            EXPECT_TRUE(outline->isHidden()) << "hidden at once " << int(st().ToolMode) << " "
                                             << int(w().canvasPart().canvasIcon()) << w().canvasPart().stampIsTheTool();
        }
        leaveCanvas();
        EXPECT_TRUE(outline->isHidden()) << "off the canvas no stamp can land";
        call("pctDraw_MouseMove", {0, 320, 310});
        EXPECT_EQ(outline->isVisible(), c.shownAfterAMove);
        if (c.shownAfterAMove) {
            const QPointF centre = QRectF(outline->geometry()).center();
            EXPECT_NEAR(centre.x(), 320, 0.5);
            EXPECT_NEAR(centre.y(), 310, 0.5);
        }
    }
}

// The window on a screen too small for it (run with QT_SCALE_FACTOR=2, the
// offscreen platform's screen is 400 x 400 desktop pixels): shown scaled, and a press lands on the canvas pixel under
// it.
class ScreenHostTest : public ::testing::Test, protected testkit::WindowRig {};

// Every pixel that is not white paper.
QRect PaintedBounds(const MainWindow& w) {
    QRect r;
    for (int y = 0; y < w.canvas.height(); ++y)
        for (int x = 0; x < w.canvas.width(); ++x)
            if (w.canvas.point(x, y) != std::int32_t(kWhite)) r |= QRect(x, y, 1, 1);
    return r;
}

TEST_F(ScreenHostTest, APressLandsUnderThePointerScaledAndInFullScreen) {
    ASSERT_TRUE(loaded);
    QScreen* screen = QGuiApplication::primaryScreen();
    ASSERT_NE(screen, nullptr);
    const QSizeF available = screen->availableGeometry().size();
    ASSERT_LT(available.height(), kWindowLogicalSize.height()) << "this test needs a screen smaller than the window";

    struct Case {
        const char* what;
        bool fullScreen;
        QPoint canvasPixel;
    };
    for (const Case& c : {Case{"fitted", false, {100, 120}}, Case{"fitted, far corner", false, {790, 520}},
                          Case{"full screen", true, {400, 300}}, Case{"full screen, near corner", true, {20, 15}}}) {
        SCOPED_TRACE(c.what);
        ScreenHost host(w(), nullptr);
        host.start(c.fullScreen);
        ASSERT_TRUE(host.hosting());
        QGraphicsView* view = host.view();
        ASSERT_NE(view, nullptr);
        const double dpr = screen->devicePixelRatio();
        const ScreenTransform t = c.fullScreen ? FullScreenTransform(screen->geometry().size(), dpr)
                                               : ScreenTransform{FitWindow(available, dpr).scale, {}};
        EXPECT_DOUBLE_EQ(host.windowScale(), t.scale);
        EXPECT_LT(t.scale, 1.0);
        // The pointer over the wanted pixel, on a whole pixel of the view as
        // a real pointer is; the canvas pixel under it by the same arithmetic.
        const QPointF windowPoint = QPointF(kCanvasOrigin + c.canvasPixel) + QPointF(0.5, 0.5);
        const QPoint onView = t.toScreen(windowPoint).toPoint() - view->viewport()->mapTo(view, QPoint(0, 0));
        const QPoint under = CanvasPixelUnder(t, QPointF(onView), kCanvasOrigin);
        ASSERT_LE((under - c.canvasPixel).manhattanLength(), 4) << "one view pixel is under three window pixels";
        call("KewlButtons2_MouseDown", {1, 5, 5});  // a blank page
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, onView);
        // The crayon leaves a few grains around its tip, not a solid block:
        // they must all lie close around the pixel under the pointer.
        const QRect grains = PaintedBounds(w());
        ASSERT_FALSE(grains.isEmpty()) << "the press reached the canvas";
        EXPECT_LE(std::abs(grains.center().x() - under.x()), 4) << grains.x() << "," << grains.y();
        EXPECT_LE(std::abs(grains.center().y() - under.y()), 4) << grains.x() << "," << grains.y();
        EXPECT_LT(grains.width(), 12);
        EXPECT_LT(grains.height(), 12);
        w().setFullScreen(false);
    }
}

}  // namespace
}  // namespace pintaloo::uitest
