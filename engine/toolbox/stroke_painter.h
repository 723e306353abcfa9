// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// PaintAt, the heart of painting: the canvas calls it for a button press and
// for every mouse step with the left button held, and it paints at that one
// point with a tool: the painter its row names (tools_table.h), handed the
// chosen settings and its own memory. How a step is laid (joined up, spaced,
// at its end) is decided here, from the row, for every tool alike.
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>

#include "engine/editor/editor_state.h"
#include "engine/editor/tool.h"
#include "engine/canvas/patterns.h"
#include "engine/canvas/random_source.h"
#include "engine/canvas/surface.h"
#include "engine/toolbox/picture_painters.h"
#include "engine/toolbox/tools_table.h"

namespace pintaloo {

class StrokePainter {
public:
    StrokePainter(EditorState& state, Surface& canvas, RandomSource& rng, PicturePainters& pictures)
        : s_(state), canvas_(canvas), rng_(rng), pictures_(pictures), patterns_(canvas, rng) {}

    // Paints at (x, y) with `tool` (the chosen one, ToolMode, when none is
    // named). Returns false when 16-bit coordinate arithmetic overflowed:
    // the call ends there and the pixels already set stay.
    bool PaintAt(std::int16_t x, std::int16_t y, Colour color) { return PaintAt(s_.ToolMode, x, y, color); }
    bool PaintAt(Tool tool, std::int16_t x, std::int16_t y, Colour color);

    // Runs a whole-picture effect (a row marked wholePicture) once over the
    // whole canvas, with the same settings and random numbers a stroke
    // would have; any other tool paints nothing here. Returns false as
    // PaintAt does.
    bool PaintWholePicture(Tool tool, Colour color);

    // A mouse step from (fromX, fromY) to (toX, toY) with the button held.
    // Tools that lay blocks (pencil, eraser) paint them along the straight
    // path, close enough that no gap shows, ending exactly on (toX, toY);
    // the start was painted by the step before and is not painted again.
    // Every other tool paints at (toX, toY) alone, as PaintAt does. A start
    // outside 16-bit range paints the end block only. Returns false as
    // PaintAt does.
    bool PaintAlong(int fromX, int fromY, std::int16_t toX, std::int16_t toY, Colour color) {
        return PaintAlong(s_.ToolMode, fromX, fromY, toX, toY, color);
    }
    bool PaintAlong(Tool tool, int fromX, int fromY, std::int16_t toX, std::int16_t toY, Colour color);

    // Whether the tool paints along the path of a mouse step (PaintAlong).
    static bool JoinsUp(Tool tool);

    // A mouse step of a model or pattern tool: where the step is longer
    // than the tool's spacing (SpacingAlong), figures are laid evenly along
    // the straight path, never further apart than that, ending on
    // (toX, toY); a shorter step paints at (toX, toY) alone, as PaintAt
    // does. A tool without a spacing paints at the end only. Returns false
    // as PaintAt does.
    bool PaintSpaced(int fromX, int fromY, std::int16_t toX, std::int16_t toY, Colour color) {
        return PaintSpaced(s_.ToolMode, fromX, fromY, toX, toY, color);
    }
    bool PaintSpaced(Tool tool, int fromX, int fromY, std::int16_t toX, std::int16_t toY, Colour color);

    // The most pixels between two figures a tool lays along one fast step
    // (0: the tool paints where the pointer lands and nowhere between).
    static int SpacingAlong(Tool tool, const EditorState& state);
    // Whether a step of the stroke to (x, y) would lay paint where its last
    // step laid none: for the tools that lay blocks, a point outside the
    // last block; for the spaced tools, a spacing or more away. A stroke
    // with no point yet, and a tool that paints one figure a step wherever
    // the pointer lands (a spray can, the rainbow line), never: for them the
    // canvas waits for a frame's turn. Costs a table look-up.
    bool ReachesBare(int stroke, Tool tool, std::int16_t x, std::int16_t y) const;

    // The window's view of a stroke: every press (whatever the button)
    // starts one, and every painting event is a PaintStep. A step of a
    // joining tool during a move continues from the point the stroke last
    // painted, and so does a step of a spaced tool (PaintSpaced); anything
    // else is PaintAt. Every step names the tool it paints with (the pen's
    // eraser end erases whatever tool is chosen); without one it is the
    // chosen tool, ToolMode.
    //
    // Several strokes can be under way at once (fingers on a touch screen):
    // each has its own memory, numbered 0 (the mouse, the pen, the first
    // finger that paints alone) to kStrokes - 1, and every call names the
    // one it continues, so nothing between calls decides which stroke a
    // step joins. A number out of range is stroke 0.
    static constexpr int kStrokes = 11;
    void StartStroke(int stroke = 0) {
        CancelShape();
        memoryOf(stroke) = {};
    }
    // Where a stroke stands, for a story that begins part way through one.
    struct Memory {
        bool hasPoint = false;
        std::int16_t x = 0, y = 0;
    };
    Memory memory(int stroke = 0) const { return strokes_[Slot(stroke)]; }
    void setMemory(const Memory& m, int stroke = 0) { memoryOf(stroke) = m; }
    bool PaintStep(std::int16_t x, std::int16_t y, Colour color) { return PaintStep(0, s_.ToolMode, x, y, color); }
    bool PaintStep(int stroke, std::int16_t x, std::int16_t y, Colour color) {
        return PaintStep(stroke, s_.ToolMode, x, y, color);
    }
    bool PaintStep(int stroke, Tool tool, std::int16_t x, std::int16_t y, Colour color);
    // Whether a tool can paint several strokes at once, each its own (its
    // row says; see ToolRow::severalAtOnce).
    static bool PaintsSeveralAtOnce(Tool tool);
    bool PaintEvenly(Tool tool, int fromX, int fromY, double dx, double dy, int steps, Colour color);
    // A brush measure (half height or half width) as a row paints it: a
    // row that follows the pen's pressure scales it by the state's level
    // (PressedSize, which may throw Overflow16), any other row keeps it.
    static std::int16_t SizeFor(const ToolRow& row, const EditorState& state, std::int16_t size);

    PatternPainter& patterns() { return patterns_; }

    // Shapes and the straight line (rows with a ShapePainter). The press
    // of a stroke with one notes its start and paints nothing; each move
    // of that stroke then shows the shape from there to the pointer on a
    // preview beside the canvas (the canvas's pixels with the shape laid
    // over them, drawn with a copy of the random numbers, so the preview
    // is exactly what would land) and only LandShape paints the canvas.
    static bool IsShape(Tool tool);
    // Whether `stroke` drags a shape now.
    bool shapeUnderWay(int stroke) const { return drag_ && drag_->stroke == Slot(stroke); }
    // The shape under way, from the press to the pointer, or nothing.
    struct ShapeDrag {
        std::size_t stroke;
        Tool tool;
        std::int16_t toX, toY;
    };
    const std::optional<ShapeDrag>& shapeDrag() const { return drag_; }
    // The preview to show in place of the canvas while a drag shows one
    // (null otherwise): the canvas everywhere but the shape's box. Its
    // changed rectangle (Surface::takeDirty) is the old box and the new.
    Surface* shapePreview() { return previewLive_ ? preview_.get() : nullptr; }
    // Lands the shape of `stroke` between its press and (x, y) on the
    // canvas with the chosen settings; nothing when it drags none. Returns
    // false as PaintAt does.
    bool LandShape(int stroke, std::int16_t x, std::int16_t y, Colour color);
    // Forgets a shape under way without landing it (the canvas changed
    // under it, a new press); the canvas's changed rectangle takes in the
    // preview's box, so the view shows the canvas there again.
    void CancelShape();

private:
    // One call of a row's painter, its memory in and out of the state.
    bool Run(const ToolRow& row, std::int16_t x, std::int16_t y, Colour color);
    // One call of a shape's painter on `onto` from the press to (x, y).
    bool RunShape(const ToolRow& row, Surface& onto, RandomSource& rng, std::int16_t x, std::int16_t y, Colour color);
    bool PreviewShape(std::int16_t x, std::int16_t y, Colour color);
    EditorState& s_;
    Surface& canvas_;
    RandomSource& rng_;
    PicturePainters& pictures_;
    PatternPainter patterns_;
    static std::size_t Slot(int stroke) { return stroke >= 0 && stroke < kStrokes ? std::size_t(stroke) : 0; }
    Memory& memoryOf(int stroke) { return strokes_[Slot(stroke)]; }
    std::array<Memory, kStrokes> strokes_{};  // where each stroke last painted
    std::optional<ShapeDrag> drag_;
    std::unique_ptr<Surface> preview_;  // made at the first shape's drag
    bool previewLive_ = false;          // it holds the canvas and a shape
    Rect previewBox_;                   // where the preview's shape lies
};

}  // namespace pintaloo
