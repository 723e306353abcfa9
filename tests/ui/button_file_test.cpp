// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// A button in one file: its control stands at its slot with its face and
// text, a press runs its effect on what a button may reach, and an effect that
// draws random numbers is kept in the story with the seed it drew from.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <set>
#include <string>

#include "engine/canvas/colour.h"
#include "ui/actions/button_file.h"
#include "ui/actions/layout.h"
#include "ui/parts/file_buttons.h"
#include "ui/story/session_recorder.h"
#include "ui/window/window_actions.h"
#include "tests/support/window_rig.h"

namespace pintaloo {
namespace {

// A button as a file would make it: kept, drawing a random colour from the
// window's seeded source.
ButtonFile Dice() {
    ButtonFile b;
    b.action.name = "TestDice";
    b.action.alias = "TestDice";
    b.action.story = StoryRole::Kept;
    b.action.random = true;
    b.tip = "test.dice";  // no text has it: the tooltip stays empty
    b.face = "win_close";
    b.slot = "TitleStrip.Free2";
    b.press = [](ButtonReach& r) {
        r.painting.state.CurrentColor =
            Rgb(int(r.nextRandom() * 256), int(r.nextRandom() * 256), int(r.nextRandom() * 256));
        r.showChoices();
    };
    return b;
}

// The window's own button files, and one made here (so the checks run
// while the window has none): each in a free slot no other takes, each face
// a picture that exists, each of the window's declared once among its rows.
TEST(ButtonFiles, EachTakesAFreeSlotOfItsOwnAndHasItsFace) {
    std::vector<ButtonFile> files = ButtonFiles();
    const std::size_t own = files.size();
    std::set<std::string> slotsTaken;
    for (const ButtonFile& file : files) slotsTaken.insert(file.slot ? file.slot : "");
    files.push_back(Dice());
    files.back().slot = nullptr;
    for (const LayoutSlot& slot : LayoutSlots())
        if (slot.isFree() && !slotsTaken.count(slot.name) && !files.back().slot) files.back().slot = slot.name;
    ASSERT_NE(files.back().slot, nullptr) << "no free slot is left for a new button";
    slotsTaken.clear();
    for (std::size_t i = 0; i < files.size(); ++i) {
        const ButtonFile& file = files[i];
        SCOPED_TRACE(file.action.name);
        const LayoutSlot* slot = FindSlot(file.slot ? file.slot : "");
        ASSERT_NE(slot, nullptr) << "a slot the layout lacks";
        EXPECT_TRUE(slot->isFree());
        EXPECT_TRUE(slotsTaken.insert(file.slot).second) << "two buttons in " << file.slot;
        EXPECT_TRUE(file.press);
        EXPECT_TRUE(QFile::exists(QStringLiteral(":/art/ui/%1.svg").arg(QLatin1String(file.face))));
        if (i >= own) continue;
        EXPECT_TRUE(file.tip && HasText(file.tip)) << file.action.name << ": its words belong in the texts table";
        int rows = 0;
        for (const WindowActionRow& row : WindowActionRows()) rows += row.action.name == file.action.name;
        EXPECT_EQ(rows, 1);
    }
}

class ButtonFileTest : public ::testing::Test, protected testkit::WindowRig {};

TEST_F(ButtonFileTest, StandsAtItsSlotWithItsTextAndRunsItsEffect) {
    const std::vector<ButtonFile> files{Dice()};
    WindowControls controls{w(), w().actions, [](bool) {}};
    SpokenLanguage spoken(w().language);
    FileButtons part(controls, spoken, files);
    ActionHub::Action a = files[0].action;
    a.fn = [this, press = files[0].press](const ActionHub::Args&) { press(w().buttonReach()); };
    w().actions.declare(a);
    const Box* box = nullptr;
    for (const ActionHub::Binding& b : w().actions.bindings())
        if (b.name == "TestDice" && b.event == BoxEvent::Click) box = b.box;
    ASSERT_NE(box, nullptr) << "its click is bound to its action";
    EXPECT_EQ(box->geometry(), PlaceOf("TitleStrip.Free2"));
    EXPECT_FALSE(box->picture().isNull());
    part.applyTexts(Language::English);
    EXPECT_TRUE(box->toolTip().isEmpty()) << "a key no text has says nothing rather than something wrong";

    // The effect draws the window's numbers: two presses, two colours, as
    // the source has them.
    const std::uint32_t seed = w().random.seed();
    call("TestDice");
    const Colour first = st().CurrentColor;
    call("TestDice");
    EXPECT_NE(st().CurrentColor, first);
    DefaultRandom again(seed);
    EXPECT_EQ(first, Rgb(int(again.next() * 256), int(again.next() * 256), int(again.next() * 256)));
}

// The story writes the seed before a random kept action, as before a
// stroke, even when a stroke moved the numbers since the last seed line:
// reseeded there, a replay draws the same colour.
TEST_F(ButtonFileTest, ARandomKeptActionReplaysFromTheSeedWrittenBeforeIt) {
    QDir().mkpath(scratch.filePath("state"));
    SessionRecorder recorder(w().storyWindow(), scratch.filePath("state"));
    ActionHub::Action a = Dice().action;
    a.fn = [this, press = Dice().press](const ActionHub::Args&) { press(w().buttonReach()); };
    w().actions.declare(a);
    call("bBrush_MouseUp", {0, 1});  // the pencil, whose grain draws random numbers
    for (int i = 0; i < 2; ++i) {
        call("pctDraw_MouseDown", {1, 100, 100 + 50.0 * i});
        call("pctDraw_MouseMove", {1, 300, 120 + 50.0 * i});
        call("pctDraw_MouseUp", {1, 300, 120 + 50.0 * i});
        call("TestDice");
    }
    const Colour last = st().CurrentColor;
    recorder.sync();
    QFile f(recorder.path());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(f.readAll()).split(u'\n');
    int dice = 0;
    for (int i = 1; i < lines.size(); ++i) {
        if (!lines[i].startsWith(QLatin1String("TestDice"))) continue;
        ++dice;
        int before = i - 1;  // over the time it was pressed at
        while (before > 0 && lines[before].startsWith(QLatin1String("at "))) --before;
        ASSERT_TRUE(lines[before].startsWith(QLatin1String("seed "))) << lines[before].toStdString();
        DefaultRandom replay(lines[before].mid(5).toUInt());
        const Colour drawn = Rgb(int(replay.next() * 256), int(replay.next() * 256), int(replay.next() * 256));
        if (dice == 2) {
            EXPECT_EQ(drawn, last);
        }
    }
    EXPECT_EQ(dice, 2) << "a kept action is a line of the story";
}

}  // namespace
}  // namespace pintaloo
