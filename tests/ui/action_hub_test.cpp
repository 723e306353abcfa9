// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The action hub on its own (argument checks, observers, control and key
// bindings) and the window's actions declared on it.
#include <QTest>
#include <algorithm>
#include <cmath>
#include <limits>

#include "ui/actions/action_hub.h"
#include "ui/actions/box.h"
#include "ui/window/state_dump.h"
#include "ui/parts/animation_panel.h"
#include "ui/window/window_actions.h"
#include "window_fixture.h"

namespace pintaloo::uitest {
namespace {

// A hub with two actions that record what they were given.
class ActionHubTest : public ::testing::Test {
protected:
    ActionHub hub;
    std::vector<std::pair<std::string, ActionHub::Args>> ran;

    void SetUp() override {
        hub.declare({"pick", "bPick_Click", {{"Index", ParamKind::Index, 5}},
                     [this](const ActionHub::Args& a) { ran.push_back({"pick", a}); }});
        hub.declare({"press",
                     "",
                     {{"Index", ParamKind::Index, 3},
                      {"Button", ParamKind::Buttons},
                      {"X", ParamKind::Coordinate},
                      {"Y", ParamKind::Coordinate}},
                     [this](const ActionHub::Args& a) {
                         ran.push_back({"press", a});
                     },
                     Effect::Drawing});
    }
};

TEST_F(ActionHubTest, ArgumentsAreCheckedAgainstTheirKinds) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    struct Case {
        const char* name;
        ActionHub::Args args;
        bool accepted;
    };
    const Case cases[] = {
        {"pick", {}, true},
        {"pick", {0}, true},
        {"pick", {4}, true},
        {"pick", {5}, false},
        {"pick", {-1}, false},
        {"pick", {1.5}, false},
        {"pick", {nan}, false},
        {"pick", {1, 1}, false},
        {"press", {2, 7, -1e6, 1e6}, true},
        {"press", {2, 8, 0, 0}, false},
        {"press", {2, -1, 0, 0}, false},
        {"press", {2, 0.5, 0, 0}, false},
        {"press", {0, 1, 1e6 + 1, 0}, false},
        {"press", {0, 1, 0, -inf}, false},
        {"press", {0, 1, nan, 0}, false},
        {"press", {0, 1, 10.25, 20.75}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.name << " with " << c.args.size() << " arguments");
        ran.clear();
        std::string error;
        EXPECT_EQ(hub.validate(*hub.find(c.name), c.args, &error), c.accepted) << error;
        EXPECT_EQ(hub.run(c.name, c.args, &error), c.accepted) << error;
        EXPECT_EQ(ran.size(), c.accepted ? 1u : 0u) << "a refused call runs nothing";
        if (!c.accepted) {
            const std::string& alias = hub.action(*hub.find(c.name)).alias;  // as a script names it
            EXPECT_NE(error.find(alias), std::string::npos) << "the reason names the action: " << error;
        }
    }
}

TEST_F(ActionHubTest, MissingArgumentsAreZeroAndUnknownNamesAreRefused) {
    ASSERT_TRUE(hub.run("press", {2, 1}));
    ASSERT_EQ(ran.size(), 1u);
    EXPECT_EQ(ran[0].second, (ActionHub::Args{2, 1, 0, 0}));
    std::string error;
    EXPECT_FALSE(hub.run("prest", {}, &error));
    EXPECT_EQ(error, "unknown handler 'prest'");
    EXPECT_EQ(hub.arity("press"), 4u);
    EXPECT_EQ(hub.arity("prest"), 0u);
    // A name or alias is one action's only; a declared action not yet plugged in is known and refused.
    for (const char* taken : {"pick", "bPick_Click", "press"})
        EXPECT_THROW(hub.declare({"other", taken, {}, {}}), std::logic_error) << taken;
    hub.declare({"later", "", {}, {}});
    EXPECT_FALSE(hub.run("later", {}, &error));
    EXPECT_EQ(error, "later cannot run here");
    hub.plug("later", [this](const ActionHub::Args& a) { ran.push_back({"later", a}); });
    EXPECT_TRUE(hub.run("later", {}, &error)) << error;
    EXPECT_EQ(ran.size(), 2u);
}

TEST_F(ActionHubTest, ObserversHearEveryActionBeginAndEnd) {
    std::vector<std::string> told;
    std::vector<ActionCall> calls;
    hub.addObserver([&](const ActionCall& c) {
        told.push_back(c.alias + (c.stage == ActionCall::Stage::Began ? " began" : " ended"));
        calls.push_back(c);
    });
    // An action that runs another inside it: the inner one ends first.
    hub.declare({"both", "", {}, [this](const ActionHub::Args&) { hub.run("pick", {3}); }});
    ASSERT_TRUE(hub.run("both"));
    EXPECT_EQ(told, (std::vector<std::string>{"both began", "bPick_Click began", "bPick_Click ended", "both ended"}));
    EXPECT_EQ(calls[1].name, "pick");
    EXPECT_EQ(calls[1].args, (ActionHub::Args{3}));
    EXPECT_LE(calls[0].time, calls[3].time);

    told.clear();
    ASSERT_TRUE(hub.run("press", {1}));
    EXPECT_EQ(calls.back().effect, Effect::Drawing);
    EXPECT_EQ(calls.back().args, (ActionHub::Args{1, 0, 0, 0}));
    EXPECT_FALSE(hub.run("pick", {9}));
    EXPECT_EQ(told.size(), 2u) << "a refused call is not told";
}

TEST_F(ActionHubTest, ControlsRunTheirActionWithTheirIndexFirst) {
    QWidget parent;
    Box box(&parent, "b", {0, 0, 10, 10});
    hub.bind(box, BoxEvent::Click, "pick", 2);
    hub.bind(box, BoxEvent::MouseDown, "press", 1);
    hub.bind(box, BoxEvent::MouseMove, "press");
    hub.bind(box, BoxEvent::MouseUp, "nothing");
    ASSERT_TRUE(box.onClick && box.onMouseDown && box.onMouseMove);
    box.onClick();
    box.onMouseDown(4, 3.5, 7);
    box.onMouseMove(1, 2, 2);  // index 1, button 2, x 2 and no y
    EXPECT_EQ(ran, (std::vector<std::pair<std::string, ActionHub::Args>>{
                       {"pick", {2}}, {"press", {1, 4, 3.5, 7}}, {"press", {1, 2, 2, 0}}}));
    EXPECT_EQ(hub.undeclaredBindings(), std::vector<std::string>{"nothing"});
}

TEST_F(ActionHubTest, KeysRunTheirBoundAction) {
    hub.declare({"keyed", "", {{"Index", ParamKind::Index, 5}},
                 [this](const ActionHub::Args& a) { ran.push_back({"keyed", a}); }, Effect::None, StoryRole::Left,
                 {{"Ctrl+P", {4}}, {"Esc", {7}}}});  // Esc gives what the action refuses
    EXPECT_THROW(hub.declare({"again", "", {}, {}, Effect::None, StoryRole::Left, {{"Ctrl+P"}}}), std::logic_error)
        << "keys run one action only";
    std::string error;
    EXPECT_TRUE(hub.runKey(QKeySequence(QStringLiteral("Ctrl+P")), &error)) << error;
    EXPECT_FALSE(hub.runKey(QKeySequence(QStringLiteral("Ctrl+Q")), &error));
    EXPECT_TRUE(error.empty()) << "an unbound key is no error";
    EXPECT_FALSE(hub.runKey(QKeySequence(QStringLiteral("Esc")), &error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(ran, (std::vector<std::pair<std::string, ActionHub::Args>>{{"keyed", {4}}}));
}

using WindowActionsTest = WindowTest;

TEST_F(WindowActionsTest, EveryControlAndKeyIsBoundToADeclaredAction) {
    EXPECT_TRUE(w().actions.undeclaredBindings().empty());
    // A sample of the names scripts use, with their argument counts.
    const std::pair<const char*, std::size_t> names[] = {
        {"bColor_Click", 1},       {"bBrush_MouseUp", 4}, {"pctDraw_MouseDown", 3}, {"KewlButtons3_MouseMove", 3},
        {"KewlButtons4_Click", 0}, {"Form_MouseMove", 3}, {"Label7_MouseDown", 3},  {"sColor_Click", 0},
    };
    for (const auto& [name, arity] : names) EXPECT_EQ(w().actions.arity(name), arity) << name;
}

// Every key in the table, pressed on the window, runs its own row with the
// row's arguments, and nothing else; every row answers to its name and its
// alias; a key no row has runs nothing. (What each key's row then does is
// KeysTest's.)
TEST_F(WindowActionsTest, EveryKeyRunsItsRow) {
    std::vector<ActionCall> began;
    w().actions.addObserver([&](const ActionCall& c) {
        if (c.stage == ActionCall::Stage::Began) began.push_back(c);
    });
    std::size_t keys = 0;
    std::vector<QKeySequence> bound;
    for (const WindowActionRow& row : WindowActionRows()) {
        const ActionHub::Action& a = row.action;
        EXPECT_EQ(w().actions.find(a.name), w().actions.find(a.alias)) << a.name;
        for (const ActionKey& k : a.keys) {
            SCOPED_TRACE(k.keys);
            began.clear();
            bound.push_back(QKeySequence::fromString(QLatin1String(k.keys)));
            QTest::keySequence(window.get(), bound.back());
            ActionHub::Args args = k.args;
            args.resize(a.params.size(), 0.0);
            ASSERT_FALSE(began.empty());
            EXPECT_EQ(began.front().name, a.name);
            EXPECT_EQ(began.front().args, args);
            ++keys;
        }
    }
    EXPECT_GE(keys, 11u);
    for (const QKeySequence& unbound : {QKeySequence(Qt::Key_Q), QKeySequence(Qt::CTRL | Qt::Key_J)}) {
        ASSERT_EQ(std::count(bound.begin(), bound.end(), unbound), 0) << unbound.toString().toStdString();
        began.clear();
        QTest::keySequence(window.get(), unbound);
        EXPECT_TRUE(began.empty()) << unbound.toString().toStdString() << " ran " << began.front().name;
    }
}

TEST_F(WindowActionsTest, EscapeClosesTheCartoonPanelAndADrawingActionIsMarked) {
    std::vector<std::pair<std::string, Effect>> began;
    w().actions.addObserver([&](const ActionCall& c) {
        if (c.stage == ActionCall::Stage::Began) began.push_back({c.name, c.effect});
    });
    call("sColor_Click");
    ASSERT_TRUE(Control(w(), "pctFlash")->isVisible());
    std::string error;
    EXPECT_TRUE(w().actions.runKey(QKeySequence(Qt::Key_Escape), &error)) << error;
    EXPECT_TRUE(Control(w(), "pctFlash")->isHidden());
    call("pctDraw_MouseDown", {1, 100, 100});
    EXPECT_EQ(began, (std::vector<std::pair<std::string, Effect>>{{"OpenAnimations", Effect::None},
                                                                  {"ClosePanel", Effect::None},
                                                                  {"PenDown", Effect::Drawing}}));
}

// Numbers no mouse sends but a script, a recording or a remote input can:
// every argument of every action that takes one is refused with a reason,
// and the drawing, the editor and every control stay exactly as they were.
TEST_F(WindowActionsTest, AbsurdNumbersAreRefusedAndChangeNothing) {
    call("bColor_Click", {14});
    call("pctDraw_MouseDown", {1, 100, 100});
    call("pctDraw_MouseMove", {1, 200, 150});
    call("pctDraw_MouseUp", {1, 200, 150});
    ASSERT_FALSE(canvasIsBlank());
    const std::vector<Colour> drawing = pixels();
    const QStringList state = DumpState(w());

    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const double absurd[] = {nan, -nan, inf, -inf, 3e9, -3e9, 1e300, 2147483647.0, 65536, 1e6 + 0.5, 1e-320 + 0.25};
    ActionHub& hub = w().actions;
    int refusals = 0;
    for (const std::string& name : hub.names()) {
        const ActionHub::Action& a = hub.action(*hub.find(name));
        for (std::size_t at = 0; at < a.params.size(); ++at) {
            for (const double v : absurd) {
                // 1e6 + 0.5 is a fine coordinate but no index or button; skip what the kind allows.
                if (a.params[at].kind == ParamKind::Coordinate && std::isfinite(v) && std::fabs(v) <= 1e6) continue;
                // Nor is 65536 absurd for a row as long as every letter there is (a letter's code point).
                if (a.params[at].kind == ParamKind::Index && v >= 0 && v == std::floor(v) && v < double(a.params[at].count))
                    continue;
                ActionHub::Args args(a.params.size(), 0.0);
                args[at] = v;
                SCOPED_TRACE(testing::Message() << name << " argument " << at << " = " << v);
                refused(name, args);
                ++refusals;
            }
        }
    }
    EXPECT_GT(refusals, 300) << "every action with arguments was tried";
    EXPECT_TRUE(pixels() == drawing) << "a refused call left the drawing as it was";
    EXPECT_EQ(DumpState(w()), state) << "a refused call changed nothing of the window";
}

// The reported cases one by one, each followed by what a child does next.
TEST_F(WindowActionsTest, ReportedAbsurdCallsAreRefusedAndTheWindowGoesOn) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        const char* name;
        ActionHub::Args args;
        const char* why;  // words the reason must contain
    };
    const Case cases[] = {
        {"pctDraw_MouseMove", {1, 1e300, 0}, "X is too far off the window: 1e+300"},
        {"bStamp_MouseDown", {2147483647, 1}, "Index must be a whole number from 0 to 7, not 2147483647"},
        {"Label4_Click", {65536}, "Index must be a whole number from 0 to 3, not 65536"},
        {"pctDraw_MouseDown", {1, nan, 10}, "X is not a number"},
        {"pctDraw_MouseDown", {1, 10, 3e9}, "Y is too far off the window: 3e+09"},
        {"bColor_Click", {-std::numeric_limits<double>::infinity()}, "Index must be a finite number, not -inf"},
        {"bBrush_MouseUp", {0, 3e9}, "Button must be a button mask from 0 to 7, not 3e+09"},
        {"bColor_Click", {1e-320}, "not 1e-320"},
        {"bColor_Click", {24}, "not 24"},  // no such swatch
        {"bColor_Click", {std::numeric_limits<double>::infinity()}, "Index must be a finite number, not inf"},
        {"bBrush_MouseUp", {0, -std::numeric_limits<double>::infinity()}, "Button must be a finite number, not -inf"},
        {"bSpray_MouseDown", {3e9, 1, 0, 0}, "not 3e+09"},  // the range follows the tool table
        {"KewlButtons3_MouseMove", {65536}, "Button must be a button mask from 0 to 7, not 65536"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const EditorState before = st();
        std::string error;
        EXPECT_FALSE(w().actions.run(c.name, c.args, &error));
        EXPECT_NE(error.find(c.why), std::string::npos) << error;
        EXPECT_EQ(st().SizeIndex, before.SizeIndex);
        EXPECT_EQ(st().BrushSize, before.BrushSize);
        EXPECT_EQ(st().CurrentColor, before.CurrentColor);
    }
    // The window still paints where the next, ordinary move goes.
    call("bBrush_MouseUp", {0, 1});
    call("pctDraw_MouseDown", {1, 300, 300});
    call("pctDraw_MouseMove", {1, 0, 0});
    call("Label4_Click", {3});
    EXPECT_EQ(st().SizeIndex, 3);
    EXPECT_FALSE(canvasIsBlank());
}

}  // namespace
}  // namespace pintaloo::uitest
