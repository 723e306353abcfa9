// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The window with keys alone and with switches: the focus ring, the painting
// pointer, scanning's ticks and the names a screen reader reads.
#include <QAccessible>
#include <QTest>
#include <cstdio>
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
    w().actions.run("PenPressure", {8});  // a pen pressed hard before: keys still paint at the chosen size
    tabTo(canvas());
    const QPointF start = keys().pointer();
    QTest::keyPress(&w(), Qt::Key_Space);
    for (int i = 0; i < 12; ++i) QTest::keyClick(&w(), Qt::Key_Right);
    QTest::keyRelease(&w(), Qt::Key_Space);
    EXPECT_GT(keys().pointer().x() - start.x(), 30) << "twelve steps move the pointer";
    const Area line = paintedBounds();
    EXPECT_LE(line.left, start.x() + 2);
    EXPECT_GE(line.right, keys().pointer().x() - 2);
    EXPECT_LE(line.bottom - line.top, 2 * st().BrushSize + 1) << "the pen's level went with the pen";
    EXPECT_EQ(st().PenPressure, 0);
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

// One session of keys and switches, case by case: the ring reads the screen
// row by row (right to left in Arabic) and skips the window's minimise and
// close; a choice in a panel hands the ring back to the panel's button; a
// switch reaches every control in a few steps by groups, the paper first,
// and nothing it can press opens a dialog; on the paper it draws lines,
// and stamps and fills land at once where its lines cross.
TEST_F(KeyAccessTest, KeysAndSwitchesFollowTheScreenAndStayInTheWindow) {
    const auto place = [this](const Box* b) { return QRect(b->mapTo(&w(), QPoint(0, 0)), b->size()); };
    const auto has = [](const std::vector<Box*>& all, const Box* b) {
        return std::find(all.begin(), all.end(), b) != all.end();
    };
    for (const Language language : {Language::English, Language::Arabic}) {
        w().SetLanguage(language);
        call("ChooseTool", {2, 1, 5, 5});  // the stamps' panel, over the paper
        const std::vector<Box*> ring = keys().stops();
        for (std::size_t i = 1; i < ring.size(); ++i) {
            const QRect a = place(ring[i - 1]), b = place(ring[i]);
            if (a.bottom() < b.top() || b.bottom() < a.top()) continue;  // a line further down
            EXPECT_TRUE(language == Language::Arabic ? b.right() <= a.right() : b.left() >= a.left())
                << ring[i - 1]->objectName().toStdString() << " then " << ring[i]->objectName().toStdString()
                << " in " << int(language);
        }
        call("ClosePanel");
    }
    w().SetLanguage(Language::English);

    call("NewColouringPage");  // the page picker over the paper
    struct Reach {
        const char* control;
        int index;
        bool ring, scan;
    };
    for (const Reach r : {Reach{"Image5", -1, false, false}, Reach{"Image6", -1, false, false},
                          Reach{"bPrint", -1, true, false}, Reach{"KewlButtons3", -1, true, false},
Reach{"lblInfo", -1, true, false},
                          Reach{"bBrush", 5, true, true}, Reach{"bBrush", 6, true, true},
                          Reach{"bColor", 23, true, true}}) {
        Box* box = r.index < 0 ? Control(w(), r.control) : Control(w(), r.control, r.index);
        ASSERT_NE(box, nullptr) << r.control;
        EXPECT_EQ(has(keys().stops(), box), r.ring) << r.control << " in the ring";
        bool scanned = false;
        for (const auto& group : keys().scanGroups()) scanned = scanned || has(group, box);
        EXPECT_EQ(scanned, r.scan) << r.control << " in the scan";
    }
    call("ClosePanel");

    // Tab to the panel's button, Space, then the choices inside it.
    struct Choice {
        const char* opener;
        int index;
        std::vector<std::pair<const char*, int>> then;
    };
    for (const Choice& c : {Choice{"bBrush", 2, {{"bStamp", 1}, {"bStamp1", 0}}}, Choice{"bBrush", 1, {{"bSpray", 2}}},
                            Choice{"bBrush", 6, {{"bMagic", 0}}},
                            Choice{"KewlButtons1", -1, {{"KewlButtons8", -1}, {"Image3", -1}}}}) {
        Box* opener = c.index < 0 ? Control(w(), c.opener) : Control(w(), c.opener, c.index);
        tabAndPress(opener);
        for (const auto& [name, index] : c.then) tabAndPress(index < 0 ? Control(w(), name) : Control(w(), name, index));
        EXPECT_EQ(keys().focused(), opener) << "after a choice opened by " << c.opener;
        call("ClosePanel");
    }

    // Every control a switch reaches, on the screen and in each panel, from
    // the paper in at most sixteen ticks and two presses (the last swatch,
    // behind the nine tool buttons' group and the size bars', and with the
    // stamps open behind their sizes and turns too); pressing each asks
    // no dialog and opens no window.
    call("NewPage", {1, 1, 1});
    int worst = 0;
    for (const char* opens : {"", "NewColouringPage", "Gallery", "OpenAnimations", "ChooseTool"}) {
        const auto open = [&] {
            call("ClosePanel");
            if (*opens) call(opens, std::string(opens) == "ChooseTool" ? std::vector<double>{2, 1, 5, 5} : std::vector<double>{});
            keys().setScan(KeyAccess::Scan::OneSwitch, 1, false);
        };
        open();
        ASSERT_EQ(keys().scanGroups().front(), std::vector<Box*>{canvas()}) << "the paper is the first group";
        std::vector<QPointer<Box>> targets;
        for (const auto& group : keys().scanGroups())
            for (Box* b : group) targets.emplace_back(b);
        for (const QPointer<Box>& target : targets) {
            open();
            if (!target || !has(keys().stops(), target)) continue;  // an earlier press took it away
            const auto lit = [&] {
                for (const auto& group : keys().scanGroups())
                    if (has(group, keys().focused())) return group;
                return std::vector<Box*>{};
            };
            int steps = 0;  // ticks
            for (; steps < 100 && !has(lit(), target); ++steps) keys().tick();
            if (lit().size() > 1) {  // a group of one is pressed at once
                keys().switchPress();
                for (; steps < 100 && keys().focused() != target.data(); ++steps) keys().tick();
            }
            worst = std::max(worst, steps);
            EXPECT_LE(steps, 16) << target->objectName().toStdString() << " is " << steps << " ticks away";
            QTest::keyClick(&w(), Qt::Key_Space);  // the switch
        }
    }
    std::string sizes;
    call("ClosePanel");
    for (const auto& group : keys().scanGroups()) sizes += " " + std::to_string(group.size());
    std::printf("keys: the farthest control takes %d ticks; the groups hold%s\n", worst, sizes.c_str());
    EXPECT_TRUE(dialog.asks.empty()) << "a switch opened a file dialog";
    EXPECT_TRUE(printer.printed.empty()) << "a switch printed";
    EXPECT_TRUE(help.shown.empty()) << "a switch opened the help window";
    EXPECT_TRUE(messages.asked.empty());
    call("ClosePanel");

    // On the paper: the rows, the columns, then a line for the pencil
    // (a way, go, stop, lift) and one press for a fill or a stamp.
    struct Drawn {
        std::vector<double> tool;
        int rows, columns;
        bool line;
    };
    for (const Drawn& d : {Drawn{{0, 1, 5, 5}, 3, 5, true}, Drawn{{5, 1, 5, 5}, 9, 9, false},
                           Drawn{{2, 1, 5, 5}, 12, 3, false}}) {
        call("NewPage", {1, 1, 1});
        call("ChooseColour", {14});
        call("ChooseTool", d.tool);
        if (d.tool[0] == 2) {
            call("ChooseStampCategory", {0, 1, 5, 5});
            call("ChooseStamp", {0});
        }
        call("ClosePanel");
        keys().setScan(KeyAccess::Scan::OneSwitch, 1, false);
        const std::size_t stepsBefore = w().drawingHistory().undoCount();
        ASSERT_TRUE(keys().onCanvas());
        for (const int ticks : {d.rows, d.columns}) {
            keys().switchPress();
            for (int i = 0; i < ticks; ++i) keys().tick();
        }
        const QPointF cross((d.columns + 0.5) / KeyAccess::kSweepSteps * canvas()->width(),
                            (d.rows + 0.5) / KeyAccess::kSweepSteps * canvas()->height());
        EXPECT_NEAR(keys().pointer().x(), cross.x(), 1);
        EXPECT_NEAR(keys().pointer().y(), cross.y(), 1);
        keys().switchPress();
        EXPECT_EQ(keys().sweep(), d.line ? KeyAccess::Sweep::Turning : KeyAccess::Sweep::None);
        if (d.line) {
            keys().tick();  // the arrow turns a step: down and to the right
            keys().switchPress();
            for (int i = 0; i < 20; ++i) keys().tick();
            keys().switchPress();  // stop: the arrowless pointer
            EXPECT_EQ(keys().direction(), KeyAccess::kDirections);
            keys().switchPress();  // lift
            const Area line = paintedBounds();
            EXPECT_NEAR(line.right - line.left, 20 * KeyAccess::kGoPixels * 0.7071, 30);
            EXPECT_NEAR(line.bottom - line.top, 20 * KeyAccess::kGoPixels * 0.7071, 30);
            EXPECT_LE(std::abs(line.left - int(cross.x())), 15) << "the line starts where the lines crossed";
        } else {
            EXPECT_NE(at(cross), std::int32_t(kWhite)) << "landed where the lines crossed";
        }
        EXPECT_EQ(w().drawingHistory().undoCount(), stepsBefore + 1);
        EXPECT_FALSE(keys().painting());
        EXPECT_TRUE(keys().onCanvas() && keys().atGroups()) << "the scan starts again at the paper";
    }
    keys().setScan(KeyAccess::Scan::Off);
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

// What a screen reader is told a control is called.
QString SpokenName(QWidget* w) {
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(w);
    return i ? i->text(QAccessible::Name) : QString();
}

// Every control a key reaches has a name, in every language, and the canvas
// names the tool in use: asked for the first time once the window is up,
// as a screen reader that starts then asks.
TEST_F(KeyAccessTest, EveryControlIsNamedInEveryLanguage) {
    call("ChooseTool", {2, 1, 5, 5});  // panels open, their controls shown too
    call("ChooseStampCategory", {1, 1, 5, 5});
    call("NewColouringPage");
    call("OpenAnimations");
    EXPECT_EQ(SpokenName(Control(w(), "bColor", 14)), "Red") << "named when first asked";
    std::set<std::string> actionNames;
    for (const auto& b : w().actions.bindings()) actionNames.insert(b.name);
    for (int l = 0; l < kLanguageCount; ++l) {
        w().SetLanguage(Language(l));
        for (Box* b : keys().stops()) {
            const QString name = SpokenName(b).trimmed();
            EXPECT_GE(name.size(), 2) << b->objectName().toStdString() << " in " << l;
            EXPECT_FALSE(actionNames.contains(name.toStdString()))
                << b->objectName().toStdString() << " named by its action, in no language, in " << l;
        }
        const int tool = w().toolButtons().pressedItem();
        EXPECT_TRUE(SpokenName(canvas()).contains(Control(w(), "bBrush", tool)->toolTip()))
            << SpokenName(canvas()).toStdString();
    }
    w().SetLanguage(Language::English);
    EXPECT_EQ(SpokenName(Control(w(), "bColor", 14)), "Red");
}

}  // namespace
}  // namespace pintaloo::uitest
