// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/actions/layout.h"

#include <stdexcept>
#include <string>

#include "engine/canvas/surface.h"

namespace pintaloo {

namespace {

std::vector<LayoutSlot> BuildSlots() {
    std::vector<LayoutSlot> s;
    const auto at = [&s](const char* row, const char* name, int index, QRect place) {
        s.push_back({row, name, index, place});
    };

    // Under everything: dragging the window by its top left corner (behind
    // the dog and the lettering) and by the strip along the top. A control
    // put over them takes their pixels from the drag, nothing else.
    at("Backdrop", "DragByCorner", -1, {0, 0, 433, 73});
    at("Backdrop", "DragByTitle", -1, {0, 0, 825, 17});
    s[s.size() - 2].backdrop = s.back().backdrop = true;
    // The dog and the lettering, pictures with no action.
    at("Decoration", "Dog", -1, {16, 26, 85, 50});
    at("Decoration", "Lettering", -1, {112, 32, 139, 30});
    // With two or more children on the account, the one painting shows
    // over the dog: a press there lets another child have a turn.
    at("Corner", "ChildSwitch", -1, {16, 26, 85, 50});
    s.back().covers = "Dog";

    // The paper, under the command row.
    const QRect paper{9, 76, Surface::kWidth, Surface::kHeight};
    at("Paper", "PenDown", -1, paper);
    // While the film plays over the paper: its save button, in the corner.
    at("Paper", "SaveFilm", -1, {paper.right() - 49 - 10, paper.bottom() - 49 - 10, 49, 49});
    s.back().covers = "PenDown";

    // The title strip: 50 x 17 buttons on the drag strip, the window's own
    // two at its right end. The free slots carry on leftwards, 56 apart so
    // that a child's button stands clear of the next, to where the corner's
    // drag area ends (x 433), so none stands over it.
    static const char* const kFree[5] = {"TitleStrip.Free1", "TitleStrip.Free2", "TitleStrip.Free3",
                                         "TitleStrip.Free4", "TitleStrip.Free5"};
    for (int n = 1; n <= 5; ++n) at("TitleStrip", kFree[n - 1], -1, {728 - 56 * n, 0, 50, 17});
    at("TitleStrip", "MinimiseWindow", -1, {728, 0, 50, 17});
    at("TitleStrip", "CloseWindow", -1, {776, 0, 50, 17});
    s.back().covers = "MinimiseWindow";

    // The command row: 49 x 49 buttons at the top, from undo to save. It is
    // full: its gaps (17 to 21 pixels) hold no button, and a new one here
    // would move the others.
    constexpr int kTop = 20, kCmd = 49;
    const auto cmd = [&at](const char* name, int left) { at("CommandRow", name, -1, {left, kTop, kCmd, kCmd}); };
    cmd("Undo", 268);
    cmd("Redo", 322);
    cmd("PlayFilm", 392);
    cmd("PrintDrawing", 456);
    cmd("ToggleSound", 512);
    cmd("Gallery", 576);
    cmd("NewPage", 640);
    cmd("NewColouringPage", 704);
    cmd("SaveDrawing", 768);
    // The help button has always stood wholly beyond the window's right
    // edge, where no pointer reaches it; keys and screen readers still do.
    at("CommandRow", "ShowHelp", -1, {864, 16, kCmd, kCmd});
    s.back().beyondEdge = true;

    // The bottom bar, full from edge to edge. The tool buttons, 46 x 46 and
    // 2 apart (each face has its own margin, so they still stand clear),
    // centred in the bar's 67 rows, by item (the order of the tool rows),
    // not from the left: the fill's button stands fourth, then the eraser,
    // the oil, the magic, the shapes and the letters, ending 6 pixels before
    // the size bars. Nine at 46 are as wide as seven at 58; 46 pixels is
    // still a big target for a small hand (the command row's are 49), and
    // more on a big screen, where the window is scaled up.
    constexpr int kBar = 632, kTool = 46, kToolTop = kBar + (67 - kTool) / 2, kPitch = kTool + 2;
    constexpr int kToolPlace[9] = {0, 1, 2, 4, 5, 3, 6, 7, 8};
    for (int i = 0; i < 9; ++i)
        at("BottomBar", "ChooseTool", i, {12 + kPitch * kToolPlace[i], kToolTop, kTool, kTool});
    // The size bars, thin to thick from the left: items 2, 1, 0, 3.
    constexpr int kSizeLeft[4] = {488, 464, 448, 520}, kSizeWidth[4] = {25, 16, 9, 33};
    for (int i = 0; i < 4; ++i) at("BottomBar", "ChooseSize", i, {kSizeLeft[i], kBar, kSizeWidth[i], 68});
    // The swatches: three rows of seven colours, a column of three greys to their right.
    for (int i = 0; i < 24; ++i) {
        const int col = i >= 21 ? 7 : i % 7, row = i >= 21 ? i - 21 : i / 7;
        at("BottomBar", "ChooseColour", i, {560 + 24 * col, kBar + 24 * row, 20, 20});
    }
    // The chosen colour, which opens the cartoons.
    at("BottomBar", "OpenAnimations", -1, {760, kBar, 49, 67});
    // Across the box's foot, the little rainbow that opens every colour: the
    // chosen colour still shows in the 45 rows above it, and a press there
    // still opens the cartoons.
    at("BottomBar", "OpenRainbow", -1, {760, kBar + 45, 49, 22});
    s.back().covers = "OpenAnimations";

    // The bottom line: the help and version line by the window's corner. Its
    // box reaches one row past the window's last (the words keep to the
    // rows above the frame: ui/parts/help_link.cpp).
    at("BottomLine", "FollowHelpLine", -1, {560, 712, 249, 17});
    s.back().beyondEdge = true;
    return s;
}

}  // namespace

bool LayoutSlot::isFree() const { return std::string_view(name).find(".Free") != std::string_view::npos; }

const std::vector<LayoutSlot>& LayoutSlots() {
    static const std::vector<LayoutSlot> table = BuildSlots();
    return table;
}

const LayoutSlot* FindSlot(std::string_view name, int index) {
    for (const LayoutSlot& s : LayoutSlots())
        if (name == s.name && index == s.index) return &s;
    return nullptr;
}

QRect PlaceOf(std::string_view name, int index) {
    if (const LayoutSlot* s = FindSlot(name, index)) return s->place;
    throw std::logic_error("no slot in the layout for " + std::string(name) + " " + std::to_string(index));
}

}  // namespace pintaloo
