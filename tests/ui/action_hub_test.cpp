// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The action hub on its own (argument checks, observers, control and key
// bindings) and the window's actions declared on it.
#include <cmath>
#include <limits>

#include "actions/action_hub.h"
#include "app/box.h"
#include "media/animation_panel.h"
#include "window_fixture.h"

namespace pintaloo::uitest {
namespace {

// A hub with two actions that record what they were given.
class ActionHubTest : public ::testing::Test {
protected:
    ActionHub hub;
    std::vector<std::pair<std::string, ActionHub::Args>> ran;

    void SetUp() override {
        hub.declare({"pick", {{"Index", ParamKind::Index, 5}}, [this](const ActionHub::Args& a) {
                         ran.push_back({"pick", a});
                     }});
        hub.declare({"press",
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
            EXPECT_NE(error.find(c.name), std::string::npos) << "the reason names the action: " << error;
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
    EXPECT_THROW(hub.declare({"pick", {}, [](const ActionHub::Args&) {}}), std::logic_error);
}

TEST_F(ActionHubTest, ObserversHearEveryActionBeginAndEnd) {
    std::vector<std::string> told;
    std::vector<ActionCall> calls;
    hub.addObserver([&](const ActionCall& c) {
        told.push_back(c.name + (c.stage == ActionCall::Stage::Began ? " began" : " ended"));
        calls.push_back(c);
    });
    // An action that runs another inside it: the inner one ends first.
    hub.declare({"both", {}, [this](const ActionHub::Args&) { hub.run("pick", {3}); }});
    ASSERT_TRUE(hub.run("both"));
    EXPECT_EQ(told, (std::vector<std::string>{"both began", "pick began", "pick ended", "both ended"}));
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
    box.onMouseDown(4, 1, 3.5, 7);
    box.onMouseMove(1, 0, 2, 2);  // index 1, button 2, x 2 and no y
    EXPECT_EQ(ran, (std::vector<std::pair<std::string, ActionHub::Args>>{
                       {"pick", {2}}, {"press", {1, 4, 3.5, 7}}, {"press", {1, 2, 2, 0}}}));
    EXPECT_EQ(hub.undeclaredBindings(), std::vector<std::string>{"nothing"});
}

TEST_F(ActionHubTest, KeysRunTheirBoundAction) {
    hub.bindKey(QKeySequence(QStringLiteral("Ctrl+P")), "pick", {1});
    hub.bindKey(QKeySequence(QStringLiteral("Ctrl+P")), "pick", {4});  // the later binding wins
    hub.bindKey(QKeySequence(QStringLiteral("Esc")), "pick", {7});     // a binding the action refuses
    std::string error;
    EXPECT_TRUE(hub.runKey(QKeySequence(QStringLiteral("Ctrl+P")), &error)) << error;
    EXPECT_FALSE(hub.runKey(QKeySequence(QStringLiteral("Ctrl+Q")), &error));
    EXPECT_TRUE(error.empty()) << "an unbound key is no error";
    EXPECT_FALSE(hub.runKey(QKeySequence(QStringLiteral("Esc")), &error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(ran, (std::vector<std::pair<std::string, ActionHub::Args>>{{"pick", {4}}}));
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

TEST_F(WindowActionsTest, EscapeClosesTheCartoonPanelAndADrawingActionIsMarked) {
    std::vector<std::pair<std::string, Effect>> began;
    w().actions.addObserver([&](const ActionCall& c) {
        if (c.stage == ActionCall::Stage::Began) began.push_back({c.name, c.effect});
    });
    call("sColor_Click");
    ASSERT_TRUE(w().animation().pctFlash->isVisible());
    std::string error;
    EXPECT_TRUE(w().actions.runKey(QKeySequence(Qt::Key_Escape), &error)) << error;
    EXPECT_TRUE(w().animation().pctFlash->isHidden());
    call("pctDraw_MouseDown", {1, 100, 100});
    EXPECT_EQ(began, (std::vector<std::pair<std::string, Effect>>{{"sColor_Click", Effect::None},
                                                                  {"ClosePanel", Effect::None},
                                                                  {"pctDraw_MouseDown", Effect::Drawing}}));
}

}  // namespace
}  // namespace pintaloo::uitest
