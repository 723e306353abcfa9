// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Everything the painting tools need to know: which tool, colour, size,
// model or stamp, and colouring page. Shared by every handler of the window
// and read by the stroke painter on every mouse step.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/editor/tool.h"
#include "engine/canvas/colour.h"
#include "engine/canvas/surface.h"

namespace pintaloo {

enum class MousePhase { None, Down, Move, Up };
const char* MousePhaseName(MousePhase p);  // "", "down", "move", "up"

struct EditorState {
    std::int32_t HlsRed = 0, HlsGreen = 0, HlsBlue = 0;
    std::array<Colour, 361> HueTable{};
    std::int32_t RainbowIndex = 0;
    MousePhase Phase = MousePhase::None;  // the last mouse event on the canvas
    Colour PaperColor = kWhite;
    Colour OutlineColor = kBlack;
    std::int16_t BrushSize = 4;
    std::int16_t BrushHalfWidth = 1;
    Colour CurrentColor = Rgb(31, 31, 31);
    Tool ToolMode = Tool::Pencil;
    std::int16_t LastX = 0, LastY = 0;
    std::int16_t AlternateFlag = 0;
    std::int16_t SwatchIndex = 0;
    std::int16_t ToolVariant = 0;
    std::int16_t SizeIndex = 2;
    std::int16_t PageNumber = 101;
    // How circles, tiles and bricks fill their inside. Transparent until the
    // fill tool is first used; from then on solid in the last fill colour,
    // for every later circle, tile and brick. A new page keeps it.
    FillMode CanvasFill{};
    // How hard the pen presses, as a level (engine/toolbox/pen_pressure.h):
    // 0 when no pressure is known (a mouse, a finger), and the chosen size
    // is painted as ever. Set by the canvas's PenPressure action, which the
    // story keeps, so a replay paints the same widths. A new page keeps it:
    // the pen is still in the hand.
    std::int16_t PenPressure = 0;
};

// The state half of a new page: the defaults a blank page starts with. The
// hue table, the painters' memories (rainbow position, last point,
// alternation, variant) and the mouse phase carry on untouched.
void ResetEditorState(EditorState& s);

// The state a later stroke depends on, as whole numbers, for a story that
// begins part way through a session (its `state` line): tool, variant,
// colours, sizes, page, the lasting fill and the painters' memories. The
// hue table is left out: it is made once at start and never changes.
std::vector<double> EditorStateNumbers(const EditorState& s);
// Sets what EditorStateNumbers gave. False, changing nothing, for numbers
// of another count or out of their fields' ranges.
bool SetEditorStateNumbers(const std::vector<double>& n, EditorState& s);

}  // namespace pintaloo
