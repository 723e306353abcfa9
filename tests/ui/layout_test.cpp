// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The layout table against itself and against a built window: every
// control stands at its slot, no two slots overlap unless the table says
// so, every slot lies in the window unless it says so, free slots are free.
#include <gtest/gtest.h>

#include <QWidget>
#include <algorithm>
#include <set>
#include <string>

#include "ui/actions/button_file.h"
#include "ui/actions/layout.h"
#include "engine/toolbox/tools_table.h"
#include "ui/story/film_part.h"
#include "ui/story/session_recorder.h"
#include "tests/support/window_rig.h"

namespace pintaloo {
namespace {

std::string Named(const LayoutSlot& s) { return std::string(s.name) + (s.index < 0 ? "" : "(" + std::to_string(s.index) + ")"); }

TEST(Layout, SlotsAreOnceEachInsideTheWindowAndApartUnlessMarked) {
    const QRect window(0, 0, MainWindow::kWidth, MainWindow::kHeight);
    const auto& table = LayoutSlots();
    std::set<std::string> names;
    for (std::size_t i = 0; i < table.size(); ++i) {
        const LayoutSlot& a = table[i];
        EXPECT_TRUE(names.insert(Named(a)).second) << Named(a) << " has two slots";
        EXPECT_FALSE(a.place.isEmpty()) << Named(a);
        // A mark that no longer holds is as wrong as a missing one.
        EXPECT_EQ(window.contains(a.place), !a.beyondEdge) << Named(a) << " at " << a.place.x() << "," << a.place.y();
        if (a.isFree()) {
            EXPECT_FALSE(a.backdrop || a.beyondEdge) << Named(a) << ": a free slot is where a button can stand";
        }
        if (a.covers) {
            const LayoutSlot* under = FindSlot(a.covers);
            ASSERT_NE(under, nullptr) << Named(a) << " covers a slot the table lacks";
            EXPECT_TRUE(a.place.intersects(under->place)) << Named(a) << " is marked as covering " << a.covers;
        }
        for (std::size_t j = i + 1; j < table.size(); ++j) {
            const LayoutSlot& b = table[j];
            const bool allowed = a.backdrop || b.backdrop || (a.covers && std::string(a.covers) == b.name && b.index < 0) ||
                                 (b.covers && std::string(b.covers) == a.name && a.index < 0);
            if (!allowed) {
                EXPECT_FALSE(a.place.intersects(b.place)) << Named(a) << " overlaps " << Named(b);
            }
        }
    }
}

TEST(Layout, FindsEverySlotByItsNameAndRefusesOthers) {
    for (const LayoutSlot& s : LayoutSlots()) EXPECT_EQ(PlaceOf(s.name, s.index), s.place) << Named(s);
    EXPECT_EQ(FindSlot("ChooseTool"), nullptr) << "an indexed action has no slot without its index";
    EXPECT_EQ(FindSlot("ChooseTool", kToolButtonCount), nullptr);
    EXPECT_THROW(PlaceOf("NoSuchAction"), std::logic_error);
}

// The window as built: each slot that is not free holds one of the window's
// controls at exactly its place, a free slot none, and every control that
// runs an action when pressed stands at a slot (so the parts take their
// places from the table and none stands beside it).
TEST(Layout, EveryControlOfTheWindowStandsAtItsSlot) {
    testkit::WindowRig rig;
    ASSERT_TRUE(rig.loaded);
    SessionRecorder recorder(rig.w().storyWindow(), rig.scratch.path());  // the film's button stands in the command row
    FilmPart film(rig.w().storyWindow(), recorder);
    const QList<QWidget*> controls = rig.w().findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    std::set<const QWidget*> placed;
    std::set<std::string> taken;  // free slots that button files took
    for (const ButtonFile& file : ButtonFiles()) taken.insert(file.slot);
    for (const LayoutSlot& s : LayoutSlots()) {
        if (s.isFree() && !taken.count(s.name)) {
            // (a panel shown for a while, the gallery's slide show, covers everything)
            for (const QWidget* c : controls)
                if (!c->isHidden() && c->geometry().intersects(s.place) && c->geometry() != PlaceOf("DragByTitle"))
                    ADD_FAILURE() << Named(s) << " is free, yet " << c->objectName().toStdString() << " stands over it";
            continue;
        }
        // The first control made there (the film's screen, made later, lies over the paper).
        const auto it = std::find_if(controls.begin(), controls.end(),
                                     [&](const QWidget* c) { return c->geometry() == s.place && !placed.count(c); });
        if (it == controls.end()) {
            ADD_FAILURE() << "no control stands at " << Named(s) << "'s slot";
            continue;
        }
        placed.insert(*it);
    }
    // Every control of the window's own that does something when pressed is
    // in the table (the panels' insides have layouts of their own).
    for (const ActionHub::Binding& b : rig.w().actions.bindings())
        if (b.box && b.box->parentWidget() == &rig.w() && b.event != BoxEvent::MouseMove && !placed.count(b.box.data()))
            ADD_FAILURE() << b.box->objectName().toStdString() << " runs " << b.name << " but stands outside the layout table";
}

}  // namespace
}  // namespace pintaloo
