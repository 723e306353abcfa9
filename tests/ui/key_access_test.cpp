// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The window with keys alone and with switches: the focus ring, the painting
// pointer, scanning's ticks and the names a screen reader reads.
#include <QTest>
#include <random>
#include <set>

#include "tests/ui/window_fixture.h"
#include "ui/parts/drawing_history.h"
#include "ui/parts/tool_buttons.h"
#include "ui/window/key_access.h"

namespace pintaloo::uitest {
namespace {

class KeyAccessTest : public WindowTest {
protected:
    KeyAccess& keys() { return w().keyAccess(); }
    Box* canvas() { return Control(w(), "pctDraw"); }

    // Tabs until the ring is on `target`, as a child would; fails when a
    // whole round of the controls never reaches it.
    void tabTo(Box* target) {
        ASSERT_NE(target, nullptr);
        for (std::size_t i = 0; i <= keys().stops().size() && keys().focused() != target; ++i)
            QTest::keyClick(&w(), Qt::Key_Tab);
        ASSERT_EQ(keys().focused(), target) << target->objectName().toStdString() << " is never reached";
    }
    void tabAndPress(Box* target) {
        tabTo(target);
        QTest::keyClick(&w(), Qt::Key_Space);
    }
    std::int32_t at(QPointF p) const { return window->canvas.point(int(p.x()), int(p.y())); }

    // Every action the hub runs, by name, from now on.
    std::vector<std::string> ran;
    void listen() {
        w().actions.addObserver([this](const ActionCall& c) {
            if (c.stage == ActionCall::Stage::Began) ran.push_back(c.name);
        });
    }
};

// A child without a mouse: a line, a colour, a stamp, a colouring page filled in.
TEST_F(KeyAccessTest, KeysAloneDrawChooseStampAndFill) {
    const std::size_t stepsBefore = w().drawingHistory().undoCount();
    tabTo(canvas());
    const QPointF start = keys().pointer();
    QTest::keyPress(&w(), Qt::Key_Space);
    for (int i = 0; i < 12; ++i) QTest::keyClick(&w(), Qt::Key_Right);
    QTest::keyRelease(&w(), Qt::Key_Space);
    EXPECT_GT(keys().pointer().x() - start.x(), 30) << "twelve steps move the pointer";
    const Area line = paintedBounds();
    EXPECT_LE(line.left, start.x() + 2);
    EXPECT_GE(line.right, keys().pointer().x() - 2);
    EXPECT_EQ(w().drawingHistory().undoCount(), stepsBefore + 1) << "the line is one step";
    EXPECT_EQ(st().Phase, MousePhase::Up);

    Box* red = Control(w(), "bColor", 14);
    tabAndPress(red);
    const QColor shown = *red->backColor();
    EXPECT_EQ(st().CurrentColor, Rgb(shown.red(), shown.green(), shown.blue()));

    tabAndPress(Control(w(), "bBrush", 2));  // the stamps: their panel opens and takes the ring
    EXPECT_TRUE(keys().focused()->objectName().startsWith("bStamp"));
    tabAndPress(Control(w(), "bStamp", 0));
    tabAndPress(Control(w(), "bStamp1", 0));
    tabTo(canvas());
    for (int i = 0; i < 10; ++i) QTest::keyClick(&w(), Qt::Key_Down);
    const std::int32_t before = at(keys().pointer());
    QTest::keyClick(&w(), Qt::Key_Return);
    EXPECT_NE(at(keys().pointer()), before) << "the stamp landed under the pointer";

    tabAndPress(Control(w(), "KewlButtons1"));  // the page picker, its page takes the ring
    tabAndPress(Control(w(), "Image3"));
    EXPECT_FALSE(canvasIsBlank());
    tabAndPress(Control(w(), "bBrush", 5));
    tabAndPress(Control(w(), "bColor", 14));
    tabTo(canvas());
    for (int i = 0; i < 60 && at(keys().pointer()) != std::int32_t(kWhite); ++i)
        QTest::keyClick(&w(), Qt::Key_Left);  // off an outline, onto the paper
    const std::int32_t paper = at(keys().pointer());
    QTest::keyClick(&w(), Qt::Key_Enter);
    EXPECT_NE(at(keys().pointer()), paper) << "the fill reached the pointer";
    EXPECT_EQ(at(keys().pointer()), std::int32_t(st().CurrentColor));
}

// One switch: the ring steps on each tick and the switch presses what it
// is on; two switches: one moves, the other presses; on the canvas the
// sweep's lines meet where the dot lands.
TEST_F(KeyAccessTest, ScanningPressesWhereTheTicksLeaveTheRing) {
    listen();
    keys().setScan(KeyAccess::Scan::OneSwitch, 9, false);
    EXPECT_EQ(keys().scanSeconds(), 5) << "seconds are kept within 1 to 5";
    const std::vector<Box*> order = keys().stops();
    ASSERT_GE(order.size(), 20u);
    ASSERT_EQ(keys().focused(), order[0]);
    keys().tick();
    keys().tick();
    EXPECT_EQ(keys().focused(), order[2]);
    QTest::keyClick(&w(), Qt::Key_A);  // any key the switch sends
    ASSERT_FALSE(ran.empty());
    const ActionHub::Binding* pressed = nullptr;
    for (const auto& b : w().actions.bindings())
        if (b.box == order[2] && b.event != BoxEvent::MouseMove) pressed = &b;
    ASSERT_NE(pressed, nullptr);
    EXPECT_EQ(ran.back(), pressed->name);

    keys().setScan(KeyAccess::Scan::TwoSwitches, 2, false);
    Box* const from = keys().focused();
    QTest::keyClick(&w(), Qt::Key_Space);  // the moving switch
    EXPECT_NE(keys().focused(), from);
    while (keys().focused() != canvas()) QTest::keyClick(&w(), Qt::Key_Space);
    ASSERT_TRUE(canvasIsBlank());
    struct Sweep {
        int ticks;
        KeyAccess::Sweep after;
    };
    for (const Sweep s : {Sweep{3, KeyAccess::Sweep::Rows}, Sweep{5, KeyAccess::Sweep::Columns}}) {
        QTest::keyClick(&w(), Qt::Key_Return);
        EXPECT_EQ(keys().sweep(), s.after);
        for (int i = 0; i < s.ticks; ++i) QTest::keyClick(&w(), Qt::Key_Space);
    }
    const QPointF expected((5 + 0.5) / KeyAccess::kSweepSteps * canvas()->width(),
                           (3 + 0.5) / KeyAccess::kSweepSteps * canvas()->height());
    EXPECT_NEAR(keys().pointer().x(), expected.x(), 1);
    EXPECT_NEAR(keys().pointer().y(), expected.y(), 1);
    QTest::keyClick(&w(), Qt::Key_Return);
    EXPECT_EQ(keys().sweep(), KeyAccess::Sweep::None);
    const Area dot = paintedBounds();
    EXPECT_FALSE(dot.empty());
    EXPECT_LE(std::abs(dot.left + dot.right - 2 * int(expected.x())), 8) << "the dot is where the lines met";
    EXPECT_LE(std::abs(dot.top + dot.bottom - 2 * int(expected.y())), 8);
}

// Keys at fifty a second in any order, a switch held for a minute, the
// window losing the keyboard mid-stroke: every stroke ends, and the
// history holds whole steps only (one undo takes each stroke away).
TEST_F(KeyAccessTest, KeyStormsLeaveNoStrokeOpen) {
    tabTo(canvas());
    const Qt::Key pool[] = {Qt::Key_Space, Qt::Key_Left,   Qt::Key_Right, Qt::Key_Up,
                            Qt::Key_Down,  Qt::Key_Return, Qt::Key_Escape};
    std::mt19937 random(23);
    for (int i = 0; i < 600; ++i) {
        const Qt::Key k = pool[random() % std::size(pool)];
        const bool repeat = random() % 3 == 0;
        if (random() % 2)
            QTest::sendKeyEvent(QTest::Press, &w(), k, QString(), Qt::NoModifier);
        else
            QTest::sendKeyEvent(QTest::Release, &w(), k, QString(), Qt::NoModifier);
        if (repeat) {
            QKeyEvent again(QEvent::KeyPress, k, Qt::NoModifier, QString(), true);
            QCoreApplication::sendEvent(&w(), &again);
        }
        if (i % 97 == 0) {
            QFocusEvent out(QEvent::FocusOut);
            QCoreApplication::sendEvent(&w(), &out);
            EXPECT_FALSE(keys().painting()) << "at key " << i;
        }
    }
    QTest::keyRelease(&w(), Qt::Key_Space);
    EXPECT_FALSE(keys().painting());
    EXPECT_EQ(st().Phase, MousePhase::Up);

    listen();
    tabTo(canvas());
    QTest::keyPress(&w(), Qt::Key_Space);
    for (int i = 0; i < 3000; ++i) {  // a minute of a held key's repeats
        QKeyEvent again(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QString(), true);
        QCoreApplication::sendEvent(&w(), &again);
    }
    QTest::keyRelease(&w(), Qt::Key_Space);
    EXPECT_EQ(std::count(ran.begin(), ran.end(), "PenDown"), 1);
    EXPECT_EQ(std::count(ran.begin(), ran.end(), "PenUp"), 1);
    while (w().drawingHistory().undoCount() > 0) {
        const std::size_t n = w().drawingHistory().undoCount();
        call("Undo");
        ASSERT_EQ(w().drawingHistory().undoCount(), n - 1);
    }
    EXPECT_TRUE(canvasIsBlank()) << "every stroke the keys made was whole in the history";
}

// Every control a key reaches has a name, in every language, and the canvas
// names the tool in use.
TEST_F(KeyAccessTest, EveryControlIsNamedInEveryLanguage) {
    call("ChooseTool", {2, 1, 5, 5});  // panels open, their controls shown too
    call("ChooseStampCategory", {1, 1, 5, 5});
    call("NewColouringPage");
    call("OpenAnimations");
    std::set<std::string> actionNames;
    for (const auto& b : w().actions.bindings()) actionNames.insert(b.name);
    for (int l = 0; l < kLanguageCount; ++l) {
        w().SetLanguage(Language(l));
        for (Box* b : keys().stops()) {
            const QString name = b->accessibleName().trimmed();
            EXPECT_GE(name.size(), 2) << b->objectName().toStdString() << " in " << l;
            EXPECT_FALSE(actionNames.contains(name.toStdString()))
                << b->objectName().toStdString() << " named by its action, in no language, in " << l;
        }
        const int tool = w().toolButtons().pressedItem();
        EXPECT_TRUE(canvas()->accessibleName().contains(Control(w(), "bBrush", tool)->toolTip()))
            << canvas()->accessibleName().toStdString();
    }
    w().SetLanguage(Language::English);
    EXPECT_EQ(Control(w(), "bColor", 14)->accessibleName(), "Red");
}

}  // namespace
}  // namespace pintaloo::uitest
