// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/editor/editor_state.h"

#include <cmath>

#include "engine/toolbox/tools_table.h"

namespace pintaloo {

const char* MousePhaseName(MousePhase p) {
    switch (p) {
        case MousePhase::Down:
            return "down";
        case MousePhase::Move:
            return "move";
        case MousePhase::Up:
            return "up";
        case MousePhase::None:
            break;
    }
    return "";
}

void ResetEditorState(EditorState& s) {
    s.PageNumber = 101;
    s.SwatchIndex = 0;
    s.PaperColor = kWhite;
    s.OutlineColor = kBlack;
    s.ToolMode = Tool::Pencil;
    s.BrushSize = 4;
    s.BrushHalfWidth = 1;
    s.SizeIndex = 2;
    s.CurrentColor = Rgb(31, 31, 31);
}

namespace {
// The fields in the order of the numbers; a later version appends, never reorders.
constexpr std::size_t kStateNumbers = 20;

bool Whole(double v, double lo, double hi) { return std::isfinite(v) && v == std::floor(v) && v >= lo && v <= hi; }
}  // namespace

std::vector<double> EditorStateNumbers(const EditorState& s) {
    return {double(ToolNumber(s.ToolMode)), double(s.ToolVariant),  double(s.CurrentColor),
            double(s.SwatchIndex),          double(s.SizeIndex),    double(s.BrushSize),
            double(s.BrushHalfWidth),       double(s.PageNumber),   double(s.PaperColor),
            double(s.OutlineColor),         double(int(s.CanvasFill.style)), double(s.CanvasFill.colour),
            double(s.RainbowIndex),         double(s.LastX),        double(s.LastY),
            double(s.AlternateFlag),        double(int(s.Phase)),   double(s.HlsRed),
            double(s.HlsGreen),             double(s.HlsBlue)};
}

bool SetEditorStateNumbers(const std::vector<double>& n, EditorState& s) {
    if (n.size() != kStateNumbers) return false;
    constexpr double kShort = 32767, kColour = 4294967295.0, kInt = 2147483647.0;
    const double lo[kStateNumbers] = {1, -kShort, 0, -kShort, -kShort, -kShort, -kShort, -kShort, 0, 0,
                                      0, 0,       -kInt, -kShort, -kShort, -kShort, 0, -kInt, -kInt, -kInt};
    const double hi[kStateNumbers] = {double(LastToolNumber()), kShort, kColour, kShort, kShort,
                                      kShort, kShort, kShort, kColour, kColour, 1, kColour, kInt, kShort, kShort,
                                      kShort, 3, kInt, kInt, kInt};
    for (std::size_t i = 0; i < kStateNumbers; ++i)
        if (!Whole(n[i], lo[i], hi[i])) return false;
    const auto i16 = [&](std::size_t i) { return std::int16_t(n[i]); };
    s.ToolMode = Tool(i16(0));
    s.ToolVariant = i16(1);
    s.CurrentColor = Colour(n[2]);
    s.SwatchIndex = i16(3);
    s.SizeIndex = i16(4);
    s.BrushSize = i16(5);
    s.BrushHalfWidth = i16(6);
    s.PageNumber = i16(7);
    s.PaperColor = Colour(n[8]);
    s.OutlineColor = Colour(n[9]);
    s.CanvasFill = {FillStyle(int(n[10])), Colour(n[11])};
    s.RainbowIndex = std::int32_t(n[12]);
    s.LastX = i16(13);
    s.LastY = i16(14);
    s.AlternateFlag = i16(15);
    s.Phase = MousePhase(int(n[16]));
    s.HlsRed = std::int32_t(n[17]);
    s.HlsGreen = std::int32_t(n[18]);
    s.HlsBlue = std::int32_t(n[19]);
    return true;
}

}  // namespace pintaloo
