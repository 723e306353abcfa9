// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// PaintAt, the heart of painting: the canvas calls it for a button press and
// for every mouse step with the left button held, and it paints at that one
// point according to the current tool. Tools that join points keep their
// memory in the editor state (last point, alternation, variant, rainbow).
// Which routine paints for which tool is the tool table (tools_table.h).
#include <array>
#include <cstddef>
#include <cstdint>

#include "engine/editor/editor_state.h"
#include "engine/editor/tool.h"
#include "engine/canvas/patterns.h"
#include "engine/canvas/random_source.h"
#include "engine/canvas/surface.h"
#include "engine/toolbox/picture_painters.h"

namespace pintaloo {

class StrokePainter {
public:
    StrokePainter(EditorState& state, Surface& canvas, RandomSource& rng, PicturePainters& pictures)
        : s_(state), canvas_(canvas), rng_(rng), pictures_(pictures), patterns_(canvas, rng) {}

    // Paints at (x, y) with the current tool. Returns false when 16-bit
    // coordinate arithmetic overflowed: the call ends there and the pixels
    // already set stay.
    bool PaintAt(std::int16_t x, std::int16_t y, Colour color);

    // A mouse step from (fromX, fromY) to (toX, toY) with the button held.
    // Tools that lay blocks (pencil, eraser) paint them along the straight
    // path, close enough that no gap shows, ending exactly on (toX, toY);
    // the start was painted by the step before and is not painted again.
    // Every other tool paints at (toX, toY) alone, as PaintAt does. A start
    // outside 16-bit range paints the end block only. Returns false as
    // PaintAt does.
    bool PaintAlong(int fromX, int fromY, std::int16_t toX, std::int16_t toY, Colour color);

    // Whether the tool paints along the path of a mouse step (PaintAlong).
    static bool JoinsUp(Tool tool);

    // A mouse step of a model or pattern tool: where the step is longer
    // than the tool's spacing (SpacingAlong), figures are laid evenly along
    // the straight path, never further apart than that, ending on
    // (toX, toY); a shorter step paints at (toX, toY) alone, as PaintAt
    // does. A tool without a spacing paints at the end only. Returns false
    // as PaintAt does.
    bool PaintSpaced(int fromX, int fromY, std::int16_t toX, std::int16_t toY, Colour color);

    // The most pixels between two figures a tool lays along one fast step
    // (0: the tool paints where the pointer lands and nowhere between).
    static int SpacingAlong(Tool tool, const EditorState& state);

    // The window's view of a stroke: every press (whatever the button)
    // starts one, and every painting event is a PaintStep. A step of a
    // joining tool during a move continues from the point the stroke last
    // painted, and so does a step of a spaced tool (PaintSpaced); anything
    // else is PaintAt.
    //
    // Several strokes can be under way at once (fingers on a touch screen):
    // each has its own memory, numbered 0 (the mouse, the pen, the first
    // finger that paints alone) to kStrokes - 1, and every call names the
    // one it continues, so nothing between calls decides which stroke a
    // step joins. A number out of range is stroke 0.
    static constexpr int kStrokes = 11;
    void StartStroke(int stroke = 0) { memoryOf(stroke) = {}; }
    // Where a stroke stands, for a story that begins part way through one.
    struct Memory {
        bool hasPoint = false;
        std::int16_t x = 0, y = 0;
    };
    Memory memory(int stroke = 0) const { return strokes_[Slot(stroke)]; }
    void setMemory(const Memory& m, int stroke = 0) { memoryOf(stroke) = m; }
    bool PaintStep(std::int16_t x, std::int16_t y, Colour color) { return PaintStep(0, x, y, color); }
    bool PaintStep(int stroke, std::int16_t x, std::int16_t y, Colour color);
    // Whether a tool can paint several strokes at once, each its own: the
    // pencil, the eraser and the pattern brushes, whose steps depend on
    // their own stroke's memory alone. The others keep what they need
    // between steps in the editor state or the surface (the pen's and the
    // rainbow's line start, a model's variant, one stamp a press), which
    // two strokes would share and tangle.
    static bool PaintsSeveralAtOnce(Tool tool);
    bool PaintEvenly(int fromX, int fromY, double dx, double dy, int steps, Colour color);

    PatternPainter& patterns() { return patterns_; }

    // The painters the tool table names, one a tool: each paints at one
    // point, on the surface or through the picture painters, and keeps its
    // memory in the editor state. Public for the table only; everyone else
    // paints through PaintAt.
    using Painter = void (StrokePainter::*)(std::int16_t x, std::int16_t y, Colour color);
    void pencil(std::int16_t x, std::int16_t y, Colour color);
    void eraser(std::int16_t x, std::int16_t y, Colour color);
    void circles(std::int16_t x, std::int16_t y, Colour color);
    void spray(std::int16_t x, std::int16_t y, Colour color);
    void twoColourDots(std::int16_t x, std::int16_t y, Colour color);
    void twoColourSpray(std::int16_t x, std::int16_t y, Colour color);
    void rainbowDots(std::int16_t x, std::int16_t y, Colour color);
    void fill(std::int16_t x, std::int16_t y, Colour color);
    void rainbowLine(std::int16_t x, std::int16_t y, Colour color);
    void balls(std::int16_t x, std::int16_t y, Colour color);
    void penLine(std::int16_t x, std::int16_t y, Colour color);
    void daisies(std::int16_t x, std::int16_t y, Colour color);
    void tangles(std::int16_t x, std::int16_t y, Colour color);
    void scribbles(std::int16_t x, std::int16_t y, Colour color);
    void stars(std::int16_t x, std::int16_t y, Colour color);
    void grass(std::int16_t x, std::int16_t y, Colour color);
    void tiles(std::int16_t x, std::int16_t y, Colour color);
    void parallelograms(std::int16_t x, std::int16_t y, Colour color);
    void bricks(std::int16_t x, std::int16_t y, Colour color);
    void splats(std::int16_t x, std::int16_t y, Colour color);
    void stamp(std::int16_t x, std::int16_t y, Colour color);

private:
    using ModelDraw = void (PicturePainters::*)(std::int16_t x, std::int16_t y, std::int16_t index);
    void cycledModel(std::int16_t x, std::int16_t y, int lastVariant, ModelDraw draw);
    void spacedModel(std::int16_t x, std::int16_t y, int spacing, ModelDraw draw);

    EditorState& s_;
    Surface& canvas_;
    RandomSource& rng_;
    PicturePainters& pictures_;
    PatternPainter patterns_;
    static std::size_t Slot(int stroke) { return stroke >= 0 && stroke < kStrokes ? std::size_t(stroke) : 0; }
    Memory& memoryOf(int stroke) { return strokes_[Slot(stroke)]; }
    std::array<Memory, kStrokes> strokes_{};  // where each stroke last painted
};

}  // namespace pintaloo
