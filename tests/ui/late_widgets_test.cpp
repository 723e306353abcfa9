// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// Panels made when first needed: whatever a child opens first, and in
// whatever order, the window ends as one whose panels were all made at start
// (every control, where it is, what it shows, its place in the stacking)
// and heard the same sounds.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>

#include "window_rig.h"
#include "ui/window/state_dump.h"

namespace pintaloo {
namespace {

struct Call {
    const char* name;
    std::vector<double> args;
};

// What a child does first with each part whose controls wait to be made,
// each followed by its way back.
const std::vector<std::vector<Call>> kFirstUses = {
    {{"ChooseTool", {1, 1, 5, 5}}, {"ChooseModel", {3, 1, 5, 5}}},
    {{"ChooseTool", {2, 1, 5, 5}}, {"ChooseStampCategory", {1, 1, 5, 5}}, {"ChooseStamp", {0}}},
    {{"ChooseTool", {6, 1, 5, 5}}, {"PointerOverMagic", {2, 0, 5, 5}}, {"ClosePanel", {}}},
    {{"ChooseTool", {7, 1, 5, 5}}, {"ChooseShape", {1, 1, 5, 5}}},
    {{"ChooseTool", {8, 1, 5, 5}}, {"PenDown", {1, 300, 200}}, {"PenUp", {1, 300, 200}}, {"ClosePanel", {}}},
    {{"Gallery", {}}, {"ClosePanel", {}}},
    {{"NewColouringPage", {}}, {"PagesGrid", {}}, {"ClosePanel", {}}, {"ClosePanel", {}}},
    {{"OpenAnimations", {}}, {"ClosePanel", {}}},
    {{"OpenStampBrowser", {}}, {"ClosePanel", {}}},
    {{"OpenRainbow", {}}, {"ClosePanel", {}}},
    {{"ChildSwitch", {}}},
};

QStringList Stacking(const QWidget& window) {
    QStringList names;
    for (const QObject* child : window.children())
        if (child->isWidgetType() && !child->objectName().isEmpty()) names << child->objectName();
    return names;
}

TEST(LateWidgets, AnyOrderOfFirstUseEndsAsAWindowMadeWhole) {
    for (std::uint32_t seed = 0; seed < 4; ++seed) {
        SCOPED_TRACE(seed);
        std::vector<std::vector<Call>> uses = kFirstUses;
        std::mt19937 dice(seed);
        std::shuffle(uses.begin(), uses.end(), dice);
        uses.resize(uses.size() - seed);  // some parts never opened at all
        testkit::WindowRig late(false), whole;
        // In another language from the start: a panel made later speaks
        // it (and turns round for Arabic) as one made at start does.
        const Language language = std::array{Language::English, Language::Arabic, Language::Japanese,
                                             Language::French}[seed];
        late.w().SetLanguage(language);
        whole.w().SetLanguage(language);
        for (const std::vector<Call>& use : uses)
            for (const Call& c : use) {
                ASSERT_NO_FATAL_FAILURE(late.call(c.name, c.args)) << c.name;
                ASSERT_NO_FATAL_FAILURE(whole.call(c.name, c.args)) << c.name;
            }
        EXPECT_EQ(late.heard, whole.heard);
        const QStringList lateState = DumpState(late.w()), wholeState = DumpState(whole.w());
        for (qsizetype i = 0; i < std::min(lateState.size(), wholeState.size()); ++i)
            ASSERT_EQ(lateState[i].toStdString(), wholeState[i].toStdString());
        EXPECT_EQ(lateState.size(), wholeState.size());
        EXPECT_EQ(Stacking(late.w()), Stacking(whole.w()));
    }
}

// Made, and nothing opened yet, the panels lie as the window makes its
// parts, each over the last: the letters' board over the pickers, under the
// page picker and the gallery; who is painting over every panel.
TEST(LateWidgets, PanelsLieInTheOrderTheirPartsAreMade) {
    testkit::WindowRig window;
    const QStringList stacked = Stacking(window.w());
    const QStringList upwards = {"pctBrush", "pctShapes",       "pctLetters", "pctOpen",  "pctGallery",
                                 "pctFlash", "pctStampBrowser", "bChild",     "pctChildren"};
    for (qsizetype i = 1; i < upwards.size(); ++i)
        EXPECT_LT(stacked.indexOf(upwards[i - 1]), stacked.indexOf(upwards[i]))
            << qPrintable(upwards[i]) << " under " << qPrintable(upwards[i - 1]);
}

}  // namespace
}  // namespace pintaloo
