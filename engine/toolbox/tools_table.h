// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every painting tool in one table: its number, the routine that paints it,
// how a mouse step lays it, the tool button (and the entry in that button's
// picker) that chooses it, and for a stamp its pictures. The painter, the
// buttons and picker panels, their counts and the tests' loops all read it,
// so nothing else lists the tools.
//
// To add a tool:
//  1. engine/editor/tool.h: name it with the next free number and move
//     kLastTool on to it;
//  2. engine/toolbox/stroke_painter.h and .cpp: its painter, a member that
//     paints at one point, through the surface and the picture painters;
//  3. here: its row. On the models button it takes the next entry and a
//     free cell of the models panel (cell 17 is free, the panel holds 18),
//     and `art` names its picture in art/pickers (the art itself is added
//     as every other picture is). The compiler checks the numbers and
//     entries below; the tests paint every row.
#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>

#include "engine/editor/editor_state.h"
#include "engine/editor/tool.h"
#include "engine/toolbox/stroke_painter.h"

namespace pintaloo {

// The six tool buttons by item, as the replay scripts number them (not as
// they stand: see ToolFaceOf).
enum class ToolButton : std::int8_t { None = -1, Pencil = 0, Models = 1, Stamps = 2, Eraser = 3, Oil = 4, Fill = 5 };
inline constexpr int kToolButtonCount = 6;

// How far apart a fast step may lay a tool's figures (see
// StrokePainter::SpacingAlong): each figure's own size or less, so a quick
// swipe leaves a band as unbroken as a slow one. Measured from the artwork
// (the visible part of each model picture) and from the painters. A tool
// without one lays one figure a mouse step as ever.
namespace spacing {
template <int N>
constexpr int Fixed(const EditorState&) {
    return N;
}
// Rings that touch, like beads on a string.
constexpr int Rings(const EditorState& s) { return std::max(1, 2 * s.BrushSize); }
// Dots that touch (the dots' pen is the brush size plus five).
constexpr int Dots(const EditorState& s) { return std::max(1, s.BrushSize + 5); }
}  // namespace spacing

struct ToolRow {
    Tool tool;
    StrokePainter::Painter paint;
    // A mouse step paints along its whole path (blocks: pencil, eraser).
    bool joinsUp = false;
    // Null: one figure a step. Left so: the spray cans (a thin mist where
    // the hand went fast is what a can does), the rainbow line and the pen
    // (they draw a line from the point before), fill and stamps (one a
    // press).
    int (*spacing)(const EditorState&) = nullptr;
    ToolButton button = ToolButton::None;
    // The entry of the button's picker that chooses it, -1 when the button
    // chooses it itself.
    std::int8_t entry = -1;
    // Where that entry stands in its panel: left to right, nine to a row.
    std::int8_t cell = -1;
    // Its entry's picture in art/pickers.
    const char* art = nullptr;
    // Stamps: the picture number of variant 0 and how many follow.
    std::int16_t firstPicture = 0, pictures = 0;
    // Stamps: the same size wherever stamped (suns and clouds).
    bool keepsSize = false;
};

// By number. Tool::None (21) has no row: nothing chooses it, and it paints
// nothing, like any number without a row a script may set.
inline constexpr ToolRow kTools[] = {
    {Tool::Pencil, &StrokePainter::pencil, true, nullptr, ToolButton::Pencil},
    {Tool::Eraser, &StrokePainter::eraser, true, nullptr, ToolButton::Eraser},
    {Tool::Circles, &StrokePainter::circles, false, spacing::Rings, ToolButton::Models, 0, 1, "model_circles"},
    {Tool::Spray, &StrokePainter::spray, false, nullptr, ToolButton::Models, 1, 2, "model_spray"},
    {Tool::TwoColourDots, &StrokePainter::twoColourDots, false, spacing::Dots, ToolButton::Models, 2, 3, "model_dots2"},
    {Tool::TwoColourSpray, &StrokePainter::twoColourSpray, false, nullptr, ToolButton::Models, 3, 4, "model_spray2"},
    {Tool::RainbowDots, &StrokePainter::rainbowDots, false, spacing::Dots, ToolButton::Models, 4, 5, "model_rainbow"},
    {Tool::Fill, &StrokePainter::fill, false, nullptr, ToolButton::Fill},
    {Tool::RainbowLine, &StrokePainter::rainbowLine, false, nullptr, ToolButton::Models, 6, 7, "model_rainbowline"},
    // A ball is 26 pixels across.
    {Tool::Balls, &StrokePainter::balls, false, spacing::Fixed<24>, ToolButton::Models, 5, 6, "model_balls"},
    {Tool::PenLine, &StrokePainter::penLine, false, nullptr, ToolButton::Models, 7, 0, "model_pen"},
    // Petals 94 across: the flowers' middles stay clear.
    {Tool::Daisies, &StrokePainter::daisies, false, spacing::Fixed<60>, ToolButton::Models, 8, 8, "model_daisy"},
    // Each tangle about 50 across, each scribble about 42.
    {Tool::Tangles, &StrokePainter::tangles, false, spacing::Fixed<40>, ToolButton::Models, 9, 9, "model_tangle"},
    {Tool::Scribbles, &StrokePainter::scribbles, false, spacing::Fixed<36>, ToolButton::Models, 10, 10,
     "model_scribble"},
    // Stars and splats keep their own distance (spacedModel): laid at every
    // pixel of the path, they come out as far apart along a fast step as
    // along the slowest drag, and no nearer.
    {Tool::Stars, &StrokePainter::stars, false, spacing::Fixed<1>, ToolButton::Models, 11, 11, "model_star"},
    // Half a tuft, so the blades of neighbours mingle.
    {Tool::Grass, &StrokePainter::grass, false, spacing::Fixed<10>, ToolButton::Models, 12, 12, "model_grass"},
    // The grid's width: no cell of the path is skipped.
    {Tool::Tiles, &StrokePainter::tiles, false, spacing::Fixed<12>, ToolButton::Models, 13, 14, "model_tiles"},
    // The grid's height (its width is 24).
    {Tool::Parallelograms, &StrokePainter::parallelograms, false, spacing::Fixed<16>, ToolButton::Models, 14, 15,
     "model_zigzag"},
    {Tool::Bricks, &StrokePainter::bricks, false, spacing::Fixed<16>, ToolButton::Models, 15, 16, "model_bricks"},
    {Tool::Splats, &StrokePainter::splats, false, spacing::Fixed<1>, ToolButton::Models, 16, 13, "model_splat"},
    {Tool::StampAnimals, &StrokePainter::stamp, false, nullptr, ToolButton::Stamps, 0, 0, "cat_animals", 122, 8},
    {Tool::StampVehicles, &StrokePainter::stamp, false, nullptr, ToolButton::Stamps, 1, 1, "cat_vehicles", 130, 5},
    {Tool::StampFlowers, &StrokePainter::stamp, false, nullptr, ToolButton::Stamps, 2, 2, "cat_flowers", 158, 7},
    {Tool::StampHouses, &StrokePainter::stamp, false, nullptr, ToolButton::Stamps, 3, 3, "cat_houses", 138, 3},
    {Tool::StampSuns, &StrokePainter::stamp, false, nullptr, ToolButton::Stamps, 4, 4, "cat_suns", 141, 3, true},
    {Tool::StampTrees, &StrokePainter::stamp, false, nullptr, ToolButton::Stamps, 5, 5, "cat_trees", 144, 3},
    {Tool::StampClouds, &StrokePainter::stamp, false, nullptr, ToolButton::Stamps, 6, 6, "cat_clouds", 147, 3, true},
    {Tool::StampPeople, &StrokePainter::stamp, false, nullptr, ToolButton::Stamps, 7, 7, "cat_people", 150, 8},
};

// The row of a tool, or null (Tool::None, or a number no tool has).
constexpr const ToolRow* RowOf(Tool t) {
    for (const ToolRow& r : kTools)
        if (r.tool == t) return &r;
    return nullptr;
}

// How many picker entries a button has (0 for a button that chooses one
// tool itself).
constexpr int EntriesOn(ToolButton b) {
    int n = 0;
    for (const ToolRow& r : kTools) n += r.button == b && r.entry >= 0;
    return n;
}
inline constexpr int kModelCount = EntriesOn(ToolButton::Models);
inline constexpr int kStampCategoryCount = EntriesOn(ToolButton::Stamps);

// The row an entry of a button's picker chooses, or null.
constexpr const ToolRow* EntryOf(ToolButton b, int entry) {
    for (const ToolRow& r : kTools)
        if (r.button == b && r.entry >= 0 && r.entry == entry) return &r;
    return nullptr;
}

// The tool a button chooses itself (pencil, eraser, fill), or nothing.
constexpr std::optional<Tool> ToolOfButton(int item) {
    for (const ToolRow& r : kTools)
        if (int(r.button) == item && r.entry < 0) return r.tool;
    return std::nullopt;
}

// The most pictures one stamp category holds: the slots under the stamp
// categories.
inline constexpr int kStampSlots = [] {
    int most = 0;
    for (const ToolRow& r : kTools) most = std::max<int>(most, r.pictures);
    return most;
}();

// The first number above every tool's: what a test takes for "no tool".
inline constexpr int kFirstFreeToolNumber = [] {
    int top = 0;
    for (const ToolRow& r : kTools) top = std::max(top, ToolNumber(r.tool));
    return top + 1;
}();

// The tool chosen by each entry of the models picker, by entry.
inline constexpr std::array<Tool, kModelCount> kModelTools = [] {
    std::array<Tool, kModelCount> out{};
    for (int i = 0; i < kModelCount; ++i) out[std::size_t(i)] = EntryOf(ToolButton::Models, i)->tool;
    return out;
}();

struct StampCategory {
    Tool toolMode;
    std::int16_t firstPicture;  // picture number of variant 0
    std::int16_t count;
};
// By stamp category entry (animals, vehicles, flowers, houses, suns, trees,
// clouds, people).
inline constexpr std::array<StampCategory, kStampCategoryCount> kStampCategories = [] {
    std::array<StampCategory, kStampCategoryCount> out{};
    for (int i = 0; i < kStampCategoryCount; ++i) {
        const ToolRow& r = *EntryOf(ToolButton::Stamps, i);
        out[std::size_t(i)] = {r.tool, r.firstPicture, r.pictures};
    }
    return out;
}();

// What the compiler can check of the table, so a new row cannot break it
// unnoticed: numbers unique and within 1..kLastTool, every entry of a
// picker from 0 up without a gap and in a cell of its own, one tool at
// most for a button that chooses one itself, every number but Tool::None
// painted. (That each row has a painter is left to the tests, which paint
// every row: comparing a member pointer is no constant expression under
// the undefined-behaviour sanitizer.)
namespace tools_table_checks {
constexpr bool Sound() {
    for (const ToolRow& a : kTools) {
        if (ToolNumber(a.tool) < 1 || ToolNumber(a.tool) > ToolNumber(kLastTool) || a.tool == Tool::None) return false;
        if ((a.entry >= 0) != (a.cell >= 0) || (a.entry >= 0) != (a.art != nullptr)) return false;
        if (a.entry >= EntriesOn(a.button)) return false;
        for (const ToolRow& b : kTools) {
            if (&a == &b) continue;
            if (a.tool == b.tool) return false;
            if (a.button != b.button || a.button == ToolButton::None) continue;
            if (a.entry < 0 ? b.entry < 0 : a.entry == b.entry || a.cell == b.cell) return false;
        }
    }
    return std::size(kTools) == std::size_t(ToolNumber(kLastTool) - 1);  // all but Tool::None
}
static_assert(Sound(), "the tool table has a repeated number or entry, or a gap");
}  // namespace tools_table_checks

// The tool a stamp category entry chooses. Entries outside the table give
// the numbers next to the stamp tools, which paint nothing (as they always
// did); a script may still press them.
Tool StampCategoryTool(int index);

// The stamp picture number for a stamp tool and variant, or nothing.
std::optional<std::int16_t> StampPictureFor(Tool toolMode, int variant);

// Suns and clouds keep their size wherever they are stamped.
bool StampKeepsSize(int pictureNumber);

}  // namespace pintaloo
