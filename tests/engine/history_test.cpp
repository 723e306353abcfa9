// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

#include "engine/history/history.h"
#include "history_support.h"
#include "engine/toolbox/tools_table.h"

namespace pintaloo {
namespace {

using testing::PaintRig;
using testing::Pixels;
using testing::WholeCanvasSteps;

struct Snapshot {
    std::vector<Colour> pixels;
    StepInfo info;
};

Snapshot Take(const PaintRig& r) { return {Pixels(r.canvas), StepInfoOf(r.state)}; }

// One change of every kind the child can make, each a single step.
struct Action {
    const char* name;
    std::function<void(PaintRig&)> run;
};

std::vector<Action> EveryKindOfChange() {
    std::vector<Action> acts;
    // Every tool number up to the last, dragged across the page.
    for (std::int16_t tool = 1; tool <= LastToolNumber(); ++tool) {
        acts.push_back({"tool", [tool](PaintRig& r) {
                            r.state.ToolMode = Tool(tool);
                            r.state.ToolVariant = 0;
                            r.state.CurrentColor = Rgb(tool * 9, 255 - tool * 7, (tool * 53) & 255);
                            r.state.BrushSize = std::int16_t(4 + tool % 5 * 3);
                            r.state.BrushHalfWidth = std::int16_t(1 + tool % 4);
                            const int y = 20 + tool * 17;
                            r.drag(30 + tool * 5, y, 700 - tool * 3, y + 25, 24);
                        }});
    }
    acts.push_back({"fill", [](PaintRig& r) {
                        r.state.ToolMode = Tool::Fill;
                        r.state.CurrentColor = Rgb(250, 230, 80);
                        r.stroke({{800, 530}});
                    }});
    acts.push_back({"oil", [](PaintRig& r) { r.oil(); }});
    acts.push_back({"colouring page", [](PaintRig& r) {
                        Picture page(807, 537, kWhite);
                        for (int x = 100; x < 700; ++x) page.at(x, 100) = page.at(x, 400) = kBlack;
                        r.canvas.setPicture(page);
                        r.state.PageNumber = 107;
                    }});
    acts.push_back({"crayon on the page", [](PaintRig& r) {
                        r.state.ToolMode = Tool::Pencil;
                        r.state.CurrentColor = Rgb(200, 0, 0);
                        r.drag(90, 80, 300, 420, 40);
                    }});
    acts.push_back({"new page", [](PaintRig& r) { r.newPage(); }});
    acts.push_back({"after the new page", [](PaintRig& r) {
                        r.state.ToolMode = Tool::PenLine;
                        r.drag(10, 10, 500, 300, 10);
                    }});
    return acts;
}

TEST(History, EveryKindOfChangeUndoesToBlankAndRedoesToTheEnd) {
    PaintRig r;
    History h(r.canvas, StepInfoOf(r.state));
    const Snapshot blank = Take(r);
    std::vector<Snapshot> after;
    for (const Action& a : EveryKindOfChange()) {
        a.run(r);
        const Snapshot now = Take(r);
        const bool changed = now.pixels != (after.empty() ? blank : after.back()).pixels ||
                             now.info != (after.empty() ? blank : after.back()).info;
        EXPECT_EQ(h.commit(r.canvas, now.info), changed) << a.name;
        if (changed) after.push_back(now);
    }
    ASSERT_GE(after.size(), 25u);  // nearly every tool leaves a mark
    ASSERT_EQ(h.undoCount(), after.size());
    const Snapshot finished = after.back();

    for (std::size_t k = after.size(); k-- > 0;) {
        const auto info = h.undo(r.canvas);
        ASSERT_TRUE(info.has_value());
        const Snapshot& want = k == 0 ? blank : after[k - 1];
        ASSERT_EQ(Pixels(r.canvas), want.pixels) << "after undoing step " << k;
        EXPECT_EQ(*info, want.info) << "after undoing step " << k;
    }
    EXPECT_FALSE(h.canUndo());
    EXPECT_FALSE(h.undo(r.canvas).has_value());
    EXPECT_EQ(Pixels(r.canvas), blank.pixels);

    while (h.canRedo()) ASSERT_TRUE(h.redo(r.canvas).has_value());
    EXPECT_EQ(Pixels(r.canvas), finished.pixels);
    EXPECT_EQ(h.info(), finished.info);
    EXPECT_FALSE(h.redo(r.canvas).has_value());
}

TEST(History, PageInfoComesBackWithItsDrawing) {
    PaintRig r;
    History h(r.canvas, StepInfoOf(r.state));
    Picture page(807, 537, kWhite);
    page.at(5, 5) = kBlack;
    r.canvas.setPicture(page);
    r.state.PageNumber = 112;
    ASSERT_TRUE(h.commit(r.canvas, StepInfoOf(r.state)));
    r.newPage();
    ASSERT_TRUE(h.commit(r.canvas, StepInfoOf(r.state)));

    const auto back = h.undo(r.canvas);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->PageNumber, 112);
    RestoreStepInfo(*back, r.state);
    EXPECT_EQ(r.state.PageNumber, 112);
    EXPECT_EQ(r.canvas.point(5, 5), std::int32_t(kBlack));
    EXPECT_EQ(h.undo(r.canvas)->PageNumber, 101);
    EXPECT_EQ(h.redo(r.canvas)->PageNumber, 112);
}

TEST(History, NothingChangedRecordsNoStep) {
    PaintRig r;
    History h(r.canvas, StepInfoOf(r.state));
    EXPECT_FALSE(h.commit(r.canvas, StepInfoOf(r.state)));
    r.newPage();  // a new page on a blank page
    EXPECT_FALSE(h.commit(r.canvas, StepInfoOf(r.state)));
    r.canvas.setPixel(3, 3, kBlack);
    r.canvas.setPixel(3, 3, kWhite);  // painted and painted back
    EXPECT_FALSE(h.commit(r.canvas, StepInfoOf(r.state)));
    EXPECT_FALSE(h.canUndo());
    EXPECT_EQ(h.stepBytes(), 0u);
    // The page changing without a pixel changing is still a step.
    StepInfo other = StepInfoOf(r.state);
    other.PageNumber = 121;
    EXPECT_TRUE(h.commit(r.canvas, other));
    EXPECT_EQ(h.undo(r.canvas)->PageNumber, 101);
}

TEST(History, UncommittedPaintIsWhatUndoTakesBack) {
    PaintRig r;
    History h(r.canvas, StepInfoOf(r.state));
    r.drag(100, 100, 200, 200, 5);
    ASSERT_TRUE(h.commit(r.canvas, StepInfoOf(r.state)));
    const auto first = Pixels(r.canvas);
    r.drag(300, 100, 400, 200, 5);  // still being drawn: not committed
    const auto second = Pixels(r.canvas);
    ASSERT_TRUE(h.undo(r.canvas));
    EXPECT_EQ(Pixels(r.canvas), first);
    ASSERT_TRUE(h.redo(r.canvas));
    EXPECT_EQ(Pixels(r.canvas), second);
    // Painting after an undo ends the redo steps.
    ASSERT_TRUE(h.undo(r.canvas));
    r.canvas.setPixel(1, 1, kBlack);
    EXPECT_FALSE(h.redo(r.canvas).has_value());
    EXPECT_FALSE(h.canRedo());
    EXPECT_EQ(r.canvas.point(1, 1), std::int32_t(kBlack));
}

TEST(History, UndoMarksTheRestoredRectangleDirty) {
    PaintRig r;
    History h(r.canvas, StepInfoOf(r.state));
    r.canvas.setPixel(10, 20, kBlack);
    r.canvas.setPixel(30, 25, kBlack);
    h.commit(r.canvas, StepInfoOf(r.state));
    r.canvas.takeDirty();
    h.undo(r.canvas);
    EXPECT_EQ(r.canvas.takeDirty(), (Rect{10, 20, 31, 26}));
}

TEST(History, ResetForgetsEverything) {
    PaintRig r;
    History h(r.canvas, StepInfoOf(r.state));
    r.drag(100, 100, 200, 200, 5);
    h.commit(r.canvas, StepInfoOf(r.state));
    h.undo(r.canvas);
    r.drag(300, 300, 350, 320, 5);
    StepInfo loaded{115, kWhite, kBlack};
    h.reset(r.canvas, loaded);
    EXPECT_FALSE(h.canUndo());
    EXPECT_FALSE(h.canRedo());
    EXPECT_EQ(h.stepBytes(), 0u);
    EXPECT_EQ(h.info(), loaded);
    EXPECT_FALSE(h.commit(r.canvas, loaded));  // the loaded drawing is the new start
}

// A page of one colour is kept without a copy until the first change; the
// pages here start blank, on coloured paper or drawn, and every later start
// (a new page after a drawing, a drawing opened straight after a blank page)
// must undo to itself and not to an earlier page.
TEST(History, EveryKindOfStartingPageUndoesToItself) {
    struct Start {
        const char* name;
        std::function<void(PaintRig&)> make;
    };
    const Start starts[] = {
        {"white page", [](PaintRig& r) { r.canvas.clear(kWhite); }},
        {"coloured paper", [](PaintRig& r) { r.canvas.clear(Rgb(250, 230, 120)); }},
        {"black page", [](PaintRig& r) { r.canvas.clear(kBlack); }},
        {"drawing", [](PaintRig& r) { DrawChildsPicture(r, 3); }},
        {"one pixel off white",
         [](PaintRig& r) {
             r.canvas.clear(kWhite);
             r.canvas.setPixel(806, 536, Rgb(254, 255, 255));
         }},
    };
    PaintRig r;
    History h(r.canvas, StepInfoOf(r.state));
    for (const Start& first : starts) {
        for (const Start& second : starts) {
            SCOPED_TRACE(std::string(first.name) + " then " + second.name);
            first.make(r);
            h.reset(r.canvas, StepInfoOf(r.state));
            r.canvas.line(100, 100, 400, 300, Rgb(200, 30, 90), 9);  // painted on: a copy of the first page is made
            EXPECT_TRUE(h.commit(r.canvas, StepInfoOf(r.state)));
            r.canvas.clear(kWhite);  // a blank page left at once, as at start before the kept drawing comes back
            h.reset(r.canvas, StepInfoOf(r.state));
            second.make(r);
            h.reset(r.canvas, StepInfoOf(r.state));
            const Snapshot start = Take(r);
            r.canvas.line(50, 400, 700, 60, Rgb(10, 120, 40), 7);
            const Snapshot painted = Take(r);
            ASSERT_TRUE(h.commit(r.canvas, StepInfoOf(r.state)));
            ASSERT_TRUE(h.undo(r.canvas));
            EXPECT_EQ(Pixels(r.canvas), start.pixels);
            ASSERT_TRUE(h.redo(r.canvas));
            EXPECT_EQ(Pixels(r.canvas), painted.pixels);
        }
    }
}

// Whole-canvas steps of real drawings: opening a drawing, filling the
// paper around it, the oil effect and a new page, over and over.
TEST(History, HundredWholeCanvasStepsFitTheDefaultBudget) {
    const WholeCanvasSteps steps;
    PaintRig r;
    History h(r.canvas, StepInfoOf(r.state));
    std::vector<std::vector<Colour>> states{Pixels(r.canvas)};
    for (int k = 0; k < 100; ++k) {
        const auto before = Pixels(r.canvas);
        steps.apply(r, k);
        const auto now = Pixels(r.canvas);
        const int w = 807, last = 807 * 537 - 1;
        ASSERT_TRUE(before[0] != now[0] || before[std::size_t(w - 1)] != now[std::size_t(w - 1)]) << k;
        ASSERT_TRUE(before[std::size_t(last)] != now[std::size_t(last)] ||
                    before[std::size_t(last - w + 1)] != now[std::size_t(last - w + 1)])
            << k;
        ASSERT_TRUE(h.commit(r.canvas, StepInfoOf(r.state)));
        states.push_back(now);
    }
    EXPECT_EQ(h.undoCount(), 100u);
    EXPECT_LE(h.stepBytes(), History::kDefaultBudget);
    std::printf("[ bytes    ] 100 whole-canvas steps keep %zu bytes (%.1f KB a step)\n", h.stepBytes(),
                double(h.stepBytes()) / 100.0 / 1024.0);
    for (std::size_t k = 100; k-- > 0;) {
        ASSERT_TRUE(h.undo(r.canvas));
        ASSERT_EQ(Pixels(r.canvas), states[k]) << "undo to state " << k;
    }
}

TEST(History, FullBudgetDropsTheOldestStepsFirst) {
    PaintRig r;
    // Room for a few strokes: each stroke step is a few kilobytes.
    History h(r.canvas, StepInfoOf(r.state), 20000);
    std::vector<std::vector<Colour>> states{Pixels(r.canvas)};
    for (int k = 0; k < 30; ++k) {
        r.state.CurrentColor = Rgb(k * 8, 0, 255 - k * 8);
        r.drag(20 + k * 25, 30, 40 + k * 25, 500, 30);
        ASSERT_TRUE(h.commit(r.canvas, StepInfoOf(r.state)));
        states.push_back(Pixels(r.canvas));
        EXPECT_TRUE(h.stepBytes() <= h.budget() || h.undoCount() == 1) << k;
    }
    const std::size_t kept = h.undoCount();
    ASSERT_GT(kept, 1u);
    ASSERT_LT(kept, 30u);
    // Undoing everything kept lands on the state just before the oldest
    // kept step: the newest steps survived, the oldest went.
    while (h.canUndo()) h.undo(r.canvas);
    EXPECT_EQ(Pixels(r.canvas), states[30 - kept]);

    // Shrinking the budget drops more, still oldest first (now those are
    // the redo steps furthest from here), and never the next one to redo.
    h.setBudget(1);
    EXPECT_EQ(h.redoCount(), 1u);
    h.redo(r.canvas);
    EXPECT_EQ(Pixels(r.canvas), states[30 - kept + 1]);
}

TEST(History, OneStepOverTheBudgetIsStillKept) {
    PaintRig r;
    History h(r.canvas, StepInfoOf(r.state), 10);
    r.drag(10, 10, 600, 400, 20);
    ASSERT_TRUE(h.commit(r.canvas, StepInfoOf(r.state)));
    r.drag(10, 400, 600, 10, 20);
    ASSERT_TRUE(h.commit(r.canvas, StepInfoOf(r.state)));
    EXPECT_EQ(h.undoCount(), 1u);
    h.undo(r.canvas);
    EXPECT_FALSE(h.canUndo());
}

// Random paint, undo and redo against a model that keeps every canvas.
// Each seed is printed on failure; a budget of zero means no budget.
class HistoryAgainstModel : public ::testing::TestWithParam<std::pair<std::uint32_t, std::size_t>> {};

TEST_P(HistoryAgainstModel, MatchesAListOfCanvases) {
    const auto [seed, budget] = GetParam();
    SCOPED_TRACE("seed " + std::to_string(seed) + ", budget " + std::to_string(budget));
    PaintRig r(seed);
    DefaultRandom dice(seed ^ 0xABCDEu);
    auto roll = [&](int n) { return int(dice.next() * float(n)); };
    History h(r.canvas, StepInfoOf(r.state), budget ? budget : std::size_t(-1));

    std::vector<Snapshot> model{Take(r)};
    std::size_t cur = 0, first = 0;  // canvas shown, oldest one undo can reach

    for (int turn = 0; turn < 160; ++turn) {
        const int what = roll(10);
        if (what < 2) {
            const bool can = cur > first;
            ASSERT_EQ(h.canUndo(), can) << "turn " << turn;
            const auto info = h.undo(r.canvas);
            ASSERT_EQ(info.has_value(), can) << "turn " << turn;
            if (can) {
                --cur;
                ASSERT_EQ(*info, model[cur].info) << "turn " << turn;
                RestoreStepInfo(*info, r.state);
            }
        } else if (what < 4) {
            const bool can = cur + 1 < model.size();
            ASSERT_EQ(h.canRedo(), can) << "turn " << turn;
            const auto info = h.redo(r.canvas);
            ASSERT_EQ(info.has_value(), can) << "turn " << turn;
            if (can) {
                ++cur;
                ASSERT_EQ(*info, model[cur].info) << "turn " << turn;
                RestoreStepInfo(*info, r.state);
            }
        } else {
            switch (what) {
                case 4:
                    r.newPage();
                    break;
                case 5:
                    r.oil();
                    break;
                case 6: {
                    Picture page(807, 537, kWhite);
                    const int y = roll(537);
                    for (int x = 0; x < 807; ++x) page.at(x, y) = kBlack;
                    r.canvas.setPicture(page);
                    r.state.PageNumber = std::int16_t(101 + roll(21));
                    break;
                }
                case 7:
                    break;  // a press that changes nothing
                default: {
                    r.state.ToolMode = Tool(std::int16_t(1 + roll(LastToolNumber())));
                    r.state.ToolVariant = std::int16_t(roll(3));
                    r.state.CurrentColor = Rgb(roll(256), roll(256), roll(256));
                    r.state.BrushSize = std::int16_t(1 + roll(30));
                    r.state.BrushHalfWidth = std::int16_t(roll(10));
                    const int x = roll(900) - 40, y = roll(620) - 40;
                    r.drag(x, y, x + roll(300) - 150, y + roll(300) - 150, 1 + roll(20));
                }
            }
            const Snapshot now = Take(r);
            const bool changed = now.pixels != model[cur].pixels || now.info != model[cur].info;
            ASSERT_EQ(h.commit(r.canvas, now.info), changed) << "turn " << turn;
            if (changed) {
                model.resize(cur + 1);
                model.push_back(now);
                ++cur;
            }
            // Whatever the budget dropped came off the old end.
            ASSERT_LE(h.undoCount(), cur - first) << "turn " << turn;
            first = cur - h.undoCount();
            if (budget) {
                ASSERT_TRUE(h.stepBytes() <= budget || h.undoCount() == 1) << "turn " << turn;
            }
        }
        ASSERT_EQ(h.canRedo(), cur + 1 < model.size()) << "turn " << turn;
        ASSERT_EQ(Pixels(r.canvas), model[cur].pixels) << "turn " << turn;
    }
}

INSTANTIATE_TEST_SUITE_P(Seeds, HistoryAgainstModel,
                         ::testing::Values(std::pair<std::uint32_t, std::size_t>{1, 0},
                                           std::pair<std::uint32_t, std::size_t>{77, 0},
                                           std::pair<std::uint32_t, std::size_t>{4242, 0},
                                           std::pair<std::uint32_t, std::size_t>{9, 60000},
                                           std::pair<std::uint32_t, std::size_t>{31337, 200000}));

}  // namespace
}  // namespace pintaloo
