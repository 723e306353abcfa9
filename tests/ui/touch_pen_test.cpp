// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// Fingers and pens on the shown window, as real touch and tablet events
// (the replay tool's own senders): strokes of their own, one undo step,
// the pen's eraser end, touches that end badly, and taps on buttons.
#include <QCoreApplication>
#include <QPointingDevice>
#include <QTest>
#include <QTouchEvent>
#include <chrono>

#include "controls.h"
#include "ui/actions/box.h"
#include "ui/parts/canvas_part.h"
#include "ui/parts/drawing_history.h"
#include "ui/story/replay_pointers.h"
#include "window_fixture.h"

namespace pintaloo::uitest {
namespace {

using Stage = ReplayPointers::Stage;

class TouchPenTest : public WindowTest {
protected:
    ReplayPointers hands{w()};
    QWidget* canvas() { return w().findChild<QWidget*>(QStringLiteral("pctDraw")); }
    // A canvas point in window pixels.
    QPointF at(double x, double y) { return QPointF(canvas()->mapTo(&w(), QPoint(0, 0))) + QPointF(x, y); }
    void touch(Stage s, int id, double x, double y) { hands.touch(s, id, at(x, y)); }
    void pen(bool eraser, Stage s, double x, double y) { hands.pen(eraser, s, at(x, y)); }
    std::size_t steps() { return w().drawingHistory().undoCount(); }
    // Pixels that are not paper in a canvas rectangle.
    int painted(int left, int top, int right, int bottom) {
        int n = 0;
        for (int y = top; y <= bottom; ++y)
            for (int x = left; x <= right; ++x) n += w().canvas.point(x, y) != std::int32_t(kWhite);
        return n;
    }
};

// Two fingers drag down side by side. With a tool that paints several
// strokes at once each leaves its own band and nothing joins the two; a
// stamp takes the first finger only. Either way it is one step, cut when
// the last finger lifts, and undoing it gives the page back.
TEST_F(TouchPenTest, TwoFingersPaintTheirOwnStrokesAndUndoAsOneStep) {
    struct Case {
        const char* what;
        std::vector<std::pair<std::string, std::vector<double>>> choose;
        bool secondPaints;
    };
    const Case cases[] = {
        {"pencil", {{"bBrush_MouseUp", {0, 1}}, {"bColor_Click", {14}}}, true},
        {"grass", {{"bBrush_MouseUp", {1, 1}}, {"bSpray_MouseDown", {12, 1}}}, true},
        {"stamp", {{"bBrush_MouseUp", {2, 1}}, {"bStamp_MouseDown", {0, 1}}, {"bStamp1_Click", {0}}}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        call("KewlButtons2_MouseDown", {1});  // a new page
        for (const auto& [name, args] : c.choose) call(name, args);
        const std::vector<Colour> before = pixels();
        const std::size_t stepsBefore = steps();
        for (int y = 100; y <= 420; y += 40) {
            touch(y == 100 ? Stage::Begin : Stage::Move, 7, 150, y);
            touch(y == 100 ? Stage::Begin : Stage::Move, 3, 650, y);
        }
        touch(Stage::End, 7, 150, 420);
        EXPECT_EQ(steps(), stepsBefore) << "a finger still down keeps the step open";
        touch(Stage::End, 3, 650, 420);
        EXPECT_EQ(steps(), stepsBefore + 1);
        EXPECT_GT(painted(100, 60, 200, 460), 0);
        EXPECT_EQ(painted(600, 60, 700, 460) > 0, c.secondPaints);
        if (c.secondPaints) {
            EXPECT_EQ(painted(300, 200, 500, 300), 0) << "the two strokes were joined";
        }
        call("Undo");
        EXPECT_TRUE(pixels() == before);
    }
}

// The eraser end erases whatever tool is chosen (a stamp here), and the
// tip held again paints with that tool.
TEST_F(TouchPenTest, ThePensEraserEndErasesAndHandsTheToolBack) {
    call("bColor_Click", {14});
    for (int x = 100; x <= 400; x += 50) pen(false, x == 100 ? Stage::Begin : Stage::Move, x, 200);
    pen(false, Stage::End, 400, 200);
    ASSERT_GT(painted(240, 195, 260, 205), 0) << "the tip paints as the left button";
    call("bBrush_MouseUp", {2, 1});
    call("bStamp_MouseDown", {0, 1});
    call("bStamp1_Click", {0});
    const Tool stamp = st().ToolMode;
    for (int x = 150; x <= 350; x += 50) pen(true, x == 150 ? Stage::Begin : Stage::Move, x, 200);
    pen(true, Stage::End, 350, 200);
    EXPECT_EQ(painted(200, 195, 300, 205), 0) << "the eraser end erased";
    EXPECT_EQ(st().ToolMode, stamp);
    pen(false, Stage::Move, 600, 400);  // turned round, hovering
    EXPECT_FALSE(w().canvasPart().penErases());
    pen(false, Stage::Begin, 600, 400);
    pen(false, Stage::End, 600, 400);
    EXPECT_GT(painted(560, 360, 640, 440), 0) << "the stamp came back";
}

// The pen's pressure reaches the painting as a level, said once each time
// it changes while the tip touches (hovering says nothing), and a mouse or
// a finger that paints after the pen paints at no level again.
TEST_F(TouchPenTest, ThePensPressureIsSaidOnceALevelAndTheMouseAndFingersPressNone) {
    std::vector<double> said;
    w().actions.addObserver([&](const ActionCall& c) {
        if (c.stage == ActionCall::Stage::Began && c.name == "PenPressure") said.push_back(c.args.at(0));
    });
    const auto tip = [&](Stage s, double x, double pressure) { hands.pen(false, s, at(x, 200), pressure); };
    const std::pair<std::function<void()>, std::vector<double>> rows[] = {
        {[&] { tip(Stage::Move, 100, 0.9); }, {}},  // hovering
        {[&] { tip(Stage::Begin, 100, 0.5); }, {4}},        {[&] { tip(Stage::Move, 110, 0.58); }, {}},
        {[&] { tip(Stage::Move, 120, 0.95); }, {8}},        {[&] { tip(Stage::Move, 130, 0.05); }, {1}},
        {[&] { tip(Stage::End, 130, 0.05); }, {}},
        {[&] { QTest::mouseClick(canvas(), Qt::LeftButton, {}, QPoint(300, 300)); }, {0}},
        {[&] { tip(Stage::Begin, 100, 1); }, {8}},          {[&] { tip(Stage::End, 100, 1); }, {}},
        {[&] { touch(Stage::Begin, 2, 400, 300); }, {0}},  {[&] { touch(Stage::End, 2, 400, 300); }, {}},
    };
    for (const auto& [act, expected] : rows) {
        said.clear();
        act();
        EXPECT_EQ(said, expected);
        if (!expected.empty()) {
            EXPECT_EQ(st().PenPressure, expected.back());
        }
    }
}

// However the fingers go (the sequence cancelled, a point that never
// ended, the canvas hidden, more fingers than are counted), what they
// painted is one whole step and no stroke is left open: a move of the old
// finger paints nothing and one undo gives the page back.
TEST_F(TouchPenTest, TouchesThatEndBadlyLeaveNoStrokeOpen) {
    QPointingDevice screen(QStringLiteral("test screen"), 9, QInputDevice::DeviceType::TouchScreen,
                           QPointingDevice::PointerType::Finger, QInputDevice::Capability::Position, 10, 0);
    const std::vector<std::pair<const char*, std::function<void()>>> endings = {
        {"cancelled",
         [&] {
             QTouchEvent cancel(QEvent::TouchCancel, &screen);
             QCoreApplication::sendEvent(canvas(), &cancel);
         }},
        {"hidden", [&] { canvas()->hide(), canvas()->show(); }},
        {"eleven fingers",
         [&] {
             for (int id = 10; id < 20; ++id) touch(Stage::Begin, id, 50.0 + 20 * id, 500);
             for (int id = 10; id < 20; ++id) touch(Stage::End, id, 50.0 + 20 * id, 500);
             touch(Stage::End, 1, 300, 250);
         }},
    };
    for (const auto& [what, end] : endings) {
        SCOPED_TRACE(what);
        call("KewlButtons2_MouseDown", {1});
        call("bBrush_MouseUp", {0, 1});
        const std::vector<Colour> before = pixels();
        const std::size_t stepsBefore = steps();
        touch(Stage::Begin, 1, 200, 200);
        touch(Stage::Move, 1, 300, 250);
        end();
        EXPECT_EQ(steps(), stepsBefore + 1);
        const std::vector<Colour> after = pixels();
        touch(Stage::Move, 1, 400, 300);  // the screen still says it moves
        EXPECT_TRUE(pixels() == after);
        touch(Stage::End, 1, 400, 300);
        call("Undo");
        EXPECT_TRUE(pixels() == before);
    }
}

// A release anywhere a script may put a point ends the stroke, the pen's
// and a finger's alike: taken into the canvas, a point at the limit lies
// beyond it, and the release runs all the same.
TEST_F(TouchPenTest, AReleaseAsFarOffAsAScriptMayGoEndsTheStroke) {
    const std::function<void(Stage, QPointF)> pointers[] = {[&](Stage s, QPointF p) { hands.pen(false, s, p); },
                                                            [&](Stage s, QPointF p) { hands.touch(s, 4, p); }};
    const double far = kMaxCoordinate;
    for (const auto& point : pointers) {
        for (const QPointF corner : {QPointF(-far, -far), QPointF(far, far), QPointF(-far, far), QPointF(far, -far)}) {
            SCOPED_TRACE(std::to_string(corner.x()) + ", " + std::to_string(corner.y()));
            ASSERT_FALSE(
                ReplayPointers::Refused("pen", {"tip", "release", QString::number(far), QString::number(-far)}));
            call("KewlButtons2_MouseDown", {1});  // a new page
            call("bBrush_MouseUp", {0, 1});       // the pencil
            const std::size_t before = steps();
            point(Stage::Begin, at(100, 100));
            point(Stage::Move, at(200, 150));
            point(Stage::End, corner);
            EXPECT_EQ(st().Phase, MousePhase::Up);
            EXPECT_EQ(steps(), before + 1) << "the stroke was left open";
        }
    }
}

// A tap lights a button's face as the pointer does, and lifting the
// finger puts it back, since no pointer is left there to move away.
TEST_F(TouchPenTest, ATapOnAButtonLeavesNoFaceLit) {
    const Box* button = Control<Box>(w(), QStringLiteral("bPrint"));
    const QPointF middle = button->mapTo(&w(), QPointF(button->rect().center()));
    hands.touch(Stage::Begin, 0, middle);
    hands.touch(Stage::Move, 0, middle + QPointF(1, 1));
    const QImage lit = button->picture().toImage();
    hands.touch(Stage::End, 0, middle + QPointF(1, 1));
    const QImage afterTap = button->picture().toImage();
    call("Form_MouseMove", {0, 0, 0});
    EXPECT_TRUE(lit != button->picture().toImage()) << "the finger's move did not light the face";
    EXPECT_TRUE(afterTap == button->picture().toImage());
}

// The canvas takes one move a frame slot: the first in a free slot runs at
// once, a later one in a taken slot is held (a later one still replaces
// it) unless it leaves the paper the stroke's last step covered, and the
// held one runs at its slot's end, or first when any other action comes (a
// press, a release, a tool chosen, a move with other buttons), so nothing
// runs out of the order the pointer gave. A held move run late does not
// push the next slots later. Each row is one event at a time on the
// canvas's own clock, and the actions it started (a pointer action's x, -1
// for others).
TEST_F(TouchPenTest, MovesTakeASlotAFrameUnlessOffTheStrokeAndRunBeforeAnyOtherAction) {
    auto* view = Control<Box>(w(), QStringLiteral("pctDraw"));
    // An hour on, so no move the window took before counts as recent.
    const std::chrono::steady_clock::time_point start = std::chrono::steady_clock::now() + std::chrono::hours(1);
    int now = 0;  // ms on the canvas's clock
    w().canvasPart().moveClock = [&] { return start + std::chrono::milliseconds(now); };
    std::vector<std::pair<std::string, double>> ran;
    w().actions.addObserver([&](const ActionCall& c) {
        if (c.stage == ActionCall::Stage::Began)
            ran.push_back({c.name, c.name.starts_with("Pen") ? c.args.at(1) : -1});
    });
    const int frame = int(CanvasPart::kMoveSpacing.count());
    ASSERT_LT(w().state.BrushHalfWidth, 40) << "the far move below must leave the pencil's block";
    view->onMouseUp(1, 0, 0);  // no stroke held from before
    enum class Event { Move, RightMove, Press, Release, Tool, TimerDue };
    using Runs = std::vector<std::pair<std::string, double>>;
    const struct {
        int at;
        Event event;
        double x;
        Runs runs;
    } rows[] = {
        {0, Event::Move, 10, {{"PenMove", 10}}},  // a free slot: at once (slots from here on: 0, 16, 32 ...)
        {5, Event::Move, 11, {}},                 // its slot is taken: held
        {9, Event::Move, 12, {}},                 // replaces the held one
        {10, Event::Press, 13, {{"PenMove", 12}, {"PenDown", 13}}},
        {11, Event::Move, 14, {}},                 // inside the block the press laid: held
        {12, Event::Move, 60, {{"PenMove", 60}}},  // off it: at once, passing the held one
        {13, Event::Move, 61, {}},
        {14, Event::Release, 15, {{"PenMove", 61}, {"PenUp", 15}}},
        {15, Event::Move, 16, {}},                           // no stroke: held to the slot's end
        {frame + 4, Event::TimerDue, 0, {{"PenMove", 16}}},  // run 4 ms late, it still took the slot from 16
        {2 * frame, Event::Move, 17, {{"PenMove", 17}}},     // so the next slot is free from 32
        {2 * frame + 1, Event::Move, 18, {}},
        {2 * frame + 2, Event::Tool, 0, {{"PenMove", 18}, {"ChooseTool", -1}}},
        {2 * frame + 3, Event::Move, 19, {}},
        {2 * frame + 4, Event::RightMove, 20, {{"PenMove", 19}}},  // other buttons: the held one first, this waits
        {3 * frame + 1, Event::Move, 21, {{"PenMove", 20}}},       // the held one's slot came: it takes it, this waits
        {3 * frame + 2, Event::Release, 22, {{"PenMove", 21}, {"PenUp", 22}}},
        {5 * frame, Event::Move, 23, {{"PenMove", 23}}},  // nothing held, the slots long past: at once
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(std::to_string(r.at) + " ms, x " + std::to_string(r.x));
        now = r.at;
        ran.clear();
        switch (r.event) {
            case Event::Move: view->onMouseMove(1, r.x, 100); break;
            case Event::RightMove: view->onMouseMove(2, r.x, 100); break;
            case Event::Press: view->onMouseDown(1, r.x, 100); break;
            case Event::Release: view->onMouseUp(1, r.x, 100); break;
            case Event::Tool: call("bBrush_MouseUp", {0, 1}); break;
            case Event::TimerDue: EXPECT_TRUE(QTest::qWaitFor([&] { return !ran.empty(); }, 2000)); break;
        }
        EXPECT_EQ(ran, r.runs);
    }
    w().canvasPart().moveClock = std::chrono::steady_clock::now;  // no timer left to read this test's clock
}

}  // namespace
}  // namespace pintaloo::uitest
