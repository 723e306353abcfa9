// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every painting tool is one row, kept in the tool's own file in
// engine/toolbox/tools/ beside the routine that paints it: its number, its
// painter, how a mouse step lays it, whether several fingers paint it at
// once, the tool button (and the entry and cell in that button's picker)
// that chooses it, its picture, its texts and, for a stamp, its pictures.
// The painter, the buttons and picker panels, the help page, the screen
// reader's names, every count and the tests' loops read the rows, so
// nothing else lists the tools.
//
// To add a tool (say confetti, in the models picker), four files:
//  1. engine/toolbox/tools/confetti.cpp: its number (the next free one, as
//     `constexpr Tool kConfetti = Tool(30);`; the existing tools keep
//     their names in engine/editor/tool.h), its painter (a function of a
//     Brush and a point, which paints on brush.canvas or through
//     brush.pictures and keeps what it must remember between steps in
//     brush.memory), and its row, `PINTALOO_TOOL_ROWS(confetti, {...})`
//     (the first argument is the file's name). On the models button it
//     takes the next entry and a free cell of the models panel (cell 17 is
//     free, the panel holds 18); `art` names its picture, `name` and
//     `help` its texts. Copy a tool alike, e.g. tools/circles.cpp.
//  2. ui/words/texts.cpp: the texts `name` and `help` name, in its table of
//     texts by key; then `scripts/check_translations.py --update` and a
//     translation for every language.
//  3. tools/art/pickers/model_confetti.py: a `draw()` that gives the face's
//     SVG body (see tools/art/make_pickers.py); and
//  4. resources/art/pickers/model_confetti.svg, which that writes.
// CMake picks up every file of tools/ by itself (engine/CMakeLists.txt);
// the tests check the rows (numbers, entries and cells unique, texts and
// pictures there) and paint every one.
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "engine/canvas/colour.h"
#include "engine/canvas/patterns.h"
#include "engine/canvas/random_source.h"
#include "engine/canvas/surface.h"
#include "engine/editor/editor_state.h"
#include "engine/editor/tool.h"
#include "engine/toolbox/picture_painters.h"

namespace pintaloo {

// The tool buttons by item, as the replay scripts number them (not as they
// stand: see ToolFaceOf). The magic button came after the first six: its
// picker holds the effects, brushes and whole-picture ones alike. The
// shapes button's picker holds the shapes and the straight line; the
// letters button chooses the letters tool itself.
enum class ToolButton : std::int8_t {
    None = -1,
    Pencil = 0,
    Models = 1,
    Stamps = 2,
    Eraser = 3,
    Oil = 4,
    Fill = 5,
    Magic = 6,
    Shapes = 7,
    Letters = 8
};
inline constexpr int kToolButtonCount = 9;

// What a painter remembers between its steps, handed to it with each step.
// The painter reads and changes only this; the stroke painter keeps it in
// the editor state's fields named here, which the state dump prints and a
// story's state line restores, so they are filled exactly as they always
// were and carry on from one stroke (and one tool) to the next.
struct ToolMemory {
    std::int16_t lastX = 0, lastY = 0;  // LastX, LastY: where the last figure went
    std::int16_t variant = 0;           // ToolVariant: the model's next picture, or the chosen stamp
    std::int16_t alternate = 0;         // AlternateFlag: which of two colours is next
    std::int32_t rainbow = 0;           // RainbowIndex: the rainbow line's next hue
};

struct ToolRow;

// What a painter paints with at one point: where, the chosen settings, and
// its own memory.
struct Brush {
    const ToolRow& row;  // the tool painting (a family's painter reads its row)
    Surface& canvas;
    RandomSource& rng;
    PicturePainters& pictures;
    PatternPainter& patterns;
    MousePhase phase;       // the press (Down) or a step of the drag (Move)
    std::int16_t size;      // the brush's half height
    std::int16_t halfWidth;
    Colour colour;          // the colour the caller paints with
    Colour chosen;          // the chosen colour (the same, from the window)
    Colour outline, paper;  // a colouring page's lines, and the paper
    std::int16_t swatch;    // the chosen swatch's item
    // How circles, tiles and bricks fill; the fill tool leaves it solid.
    FillMode& fill;
    const std::array<Colour, 361>& hues;
    ToolMemory& memory;
};

using ToolPainter = void (*)(Brush& brush, std::int16_t x, std::int16_t y);
// A shape's painter: the whole shape (or straight line) between the press
// (x0, y0) and the pointer (x1, y1), onto brush.canvas, in one call.
using ShapePainter = void (*)(Brush& brush, int x0, int y0, int x1, int y1);

// How far apart a fast step may lay a tool's figures (see
// StrokePainter::SpacingAlong): each figure's own size or less, so a quick
// swipe leaves a band as unbroken as a slow one. Measured from the artwork
// (the visible part of each model picture) and from the painters. A tool
// without one lays one figure a mouse step as ever.
namespace spacing {
template <int N>
constexpr int Fixed(std::int16_t) {
    return N;
}
// Rings that touch, like beads on a string.
constexpr int Rings(std::int16_t brushSize) { return brushSize > 0 ? 2 * brushSize : 1; }
// Dots that touch (the dots' pen is the brush size plus five).
constexpr int Dots(std::int16_t brushSize) { return brushSize + 5 > 1 ? brushSize + 5 : 1; }
}  // namespace spacing

struct ToolRow {
    Tool tool = Tool::None;
    ToolPainter paint = nullptr;
    // A mouse step paints along its whole path (blocks: pencil, eraser).
    bool joinsUp = false;
    // Several strokes (fingers) can paint with it at once, each its own:
    // its steps depend on their own stroke's memory alone. Not so for a
    // tool whose painter keeps a memory (ToolMemory), or the surface's
    // line start, or paints once a press: two strokes would share and
    // tangle it, so with those only a finger that lands alone paints.
    bool severalAtOnce = false;
    // Null: one figure a step. Left so: the spray cans (a thin mist where
    // the hand went fast is what a can does), the rainbow line and the pen
    // (they draw a line from the point before), fill and stamps (one a
    // press).
    int (*spacing)(std::int16_t brushSize) = nullptr;
    ToolButton button = ToolButton::None;
    // The entry of the button's picker that chooses it, -1 when the button
    // chooses it itself.
    std::int8_t entry = -1;
    // Where that entry stands in its panel: left to right, nine to a row.
    std::int8_t cell = -1;
    // Its entry's picture in art/pickers (without ".svg").
    const char* art = nullptr;
    // Its texts, by their keys in ui/words/texts.cpp's table of texts by
    // key: its name (the picker entry's tooltip, what a screen reader calls
    // it) and its line on the help page (also the screen reader's
    // description). Null: the entry is named by its number ("Pattern 3")
    // and the help page's paragraph on its button speaks for it, as for
    // the first tools.
    const char* name = nullptr;
    const char* help = nullptr;
    // Stamps: the picture number of variant 0 and how many follow.
    std::int16_t firstPicture = 0, pictures = 0;
    // Stamps: the same size wherever stamped (suns and clouds).
    bool keepsSize = false;
    // The stamp chosen from the collections: the stamps button's, chosen in
    // its browser rather than by an entry, its picture the window's.
    bool library = false;
    // An effect over the whole picture at one press (flip, snow...): its
    // picker entry runs its painter once, through
    // StrokePainter::PaintWholePicture, and leaves the chosen tool as it
    // was, as the oil button does. Pressing on the paper never runs it.
    bool wholePicture = false;
    // A pen pressing harder paints it wider (the pencil, the magic
    // brushes): the stroke painter scales the brush's size by the pen's
    // pressure before the painter runs. A mouse or a finger paints at the
    // chosen size, as ever.
    bool followsPressure = false;
    // A shape or the straight line: its press paints nothing (the painter
    // `paint` only notes where it was, in LastX and LastY); the drag shows
    // the shape where it would land, and the release lands it with this.
    ShapePainter shape = nullptr;
};

// A tool file's rows under the file's name, which the generated list of
// tool files (engine/CMakeLists.txt) reaches them by; that reference is
// also what keeps the linker from leaving the file out of the program.
#define PINTALOO_TOOL_ROWS(file, ...)                                   \
    extern const std::span<const ToolRow> kToolRowsOf_##file;           \
    namespace {                                                         \
    constexpr ToolRow kRowsOf_##file[] = {__VA_ARGS__};                 \
    }                                                                   \
    const std::span<const ToolRow> kToolRowsOf_##file { kRowsOf_##file }

// Every tool file's rows, in no order: written by CMake (engine/CMakeLists.txt).
std::span<const std::span<const ToolRow>> ToolFiles();

// Every row, by number. Tool::None (21) has no row: nothing chooses it, and
// it paints nothing, like any number without a row a script may set.
const std::vector<ToolRow>& ToolRows();

// The row of a tool, or null (Tool::None, or a number no tool has).
const ToolRow* RowOf(Tool t);

// How many picker entries a button has (0 for a button that chooses one
// tool itself).
int EntriesOn(ToolButton b);

// The row an entry of a button's picker chooses, or null.
const ToolRow* EntryOf(ToolButton b, int entry);

// The tool a button chooses itself (pencil, eraser, fill), or nothing.
std::optional<Tool> ToolOfButton(int item);

// The most pictures one stamp category holds: the slots under the stamp
// categories.
int StampSlots();

// The highest number a tool has: a saved state with a higher one is refused.
int LastToolNumber();

// What is wrong with some rows (every tool's when none are given), one line
// a fault, empty when all is well: a number repeated, or one no tool may
// have; a row without a painter or a button; a picker entry without its
// cell or picture; an entry or cell of a picker taken twice, or entries
// with a gap; two tools on a button that chooses one itself; a stamp
// without pictures; a name without a help line. The tests check it.
std::vector<std::string> ToolRowFaults(std::span<const ToolRow> rows);
inline std::vector<std::string> ToolRowFaults() { return ToolRowFaults(ToolRows()); }

// The stamp chosen from the collections (its row: tools/stamps.cpp).
inline constexpr Tool kLibraryStampTool = Tool(62);

// Whether a tool is one of the stamps (a stamp category's).
bool IsStampTool(Tool t);

// The stamp picture number for a stamp tool and variant, or nothing.
std::optional<std::int16_t> StampPictureFor(Tool toolMode, int variant);

// Suns and clouds keep their size wherever they are stamped.
bool StampKeepsSize(int pictureNumber);

}  // namespace pintaloo
