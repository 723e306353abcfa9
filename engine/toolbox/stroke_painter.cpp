// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/toolbox/stroke_painter.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <stdexcept>

#include "engine/canvas/checked16.h"
#include "engine/canvas/spray.h"
#include "engine/toolbox/pen_pressure.h"
#include "engine/toolbox/tools_table.h"

namespace pintaloo {

bool StrokePainter::JoinsUp(Tool tool) {
    const ToolRow* row = RowOf(tool);
    return row && row->joinsUp;
}

bool StrokePainter::PaintAt(Tool tool, std::int16_t x, std::int16_t y, Colour color) {
    // A number without a row (21, or anything else a script sets) paints
    // nothing.
    const ToolRow* row = RowOf(tool);
    // A whole-picture effect runs once from its picker, never at a point
    // of the paper (a script may still set its number as the tool).
    if (!row || row->wholePicture) return true;
    return Run(*row, x, y, color);
}

bool StrokePainter::PaintWholePicture(Tool tool, Colour color) {
    const ToolRow* row = RowOf(tool);
    if (!row || !row->wholePicture) return true;
    return Run(*row, std::int16_t(canvas_.width() / 2), std::int16_t(canvas_.height() / 2), color);
}

// A row that follows the pen has its half height and half width scaled by
// the pressure level here, and nowhere else: every painter, the joined-up
// steps and the spacing of figures see the same pressed size.
std::int16_t StrokePainter::SizeFor(const ToolRow& row, const EditorState& state, std::int16_t size) {
    return row.followsPressure ? PressedSize(size, state.PenPressure) : size;
}

// For planning the steps along a path only: a size the pressure would take
// beyond 16 bits stays as chosen, and each step's own call then ends.
static std::int16_t PlannedSize(const ToolRow* row, const EditorState& state, std::int16_t size) {
    try {
        return row ? StrokePainter::SizeFor(*row, state, size) : size;
    } catch (const Overflow16&) {
        return size;
    }
}

bool StrokePainter::Run(const ToolRow& row, std::int16_t x, std::int16_t y, Colour color) {
    // The painter's memory lives in the state's fields the dump prints: in
    // before the call, back out after it, even when the call ends early.
    ToolMemory memory{s_.LastX, s_.LastY, s_.ToolVariant, s_.AlternateFlag, s_.RainbowIndex};
    const auto keep = [&] {
        s_.LastX = memory.lastX;
        s_.LastY = memory.lastY;
        s_.ToolVariant = memory.variant;
        s_.AlternateFlag = memory.alternate;
        s_.RainbowIndex = memory.rainbow;
    };
    try {
        Brush brush{row,
                    canvas_,
                    rng_,
                    pictures_,
                    patterns_,
                    s_.Phase,
                    SizeFor(row, s_, s_.BrushSize),
                    SizeFor(row, s_, s_.BrushHalfWidth),
                    color,
                    s_.CurrentColor,
                    s_.OutlineColor,
                    s_.PaperColor,
                    s_.SwatchIndex,
                    s_.CanvasFill,
                    s_.HueTable,
                    memory};
        row.paint(brush, x, y);
        keep();
        return true;
    } catch (const std::exception&) {
        // An overflow (or any other fault of one step) ends this call only;
        // what was painted before it stays.
        keep();
        return false;
    }
}

// `steps` figures at even points from the last point to the last plus
// (dx, dy), the last exactly there.
bool StrokePainter::PaintEvenly(Tool tool, int fromX, int fromY, double dx, double dy, int steps, Colour color) {
    for (int k = 1; k <= steps; ++k) {
        const double t = double(k) / steps;
        // Between two 16-bit points, so the pixel fits 16 bits.
        const auto x = std::int16_t(PixelOf(fromX + dx * t));
        const auto y = std::int16_t(PixelOf(fromY + dy * t));
        if (!PaintAt(tool, x, y, color)) return false;
    }
    return true;
}

// Blocks are laid at most half a block apart in x and in y (the half width
// and the half height), so each overlaps the one before by more than half
// and the path's middle stays covered at every size. The cost: a fast drag
// paints one block per half block of path instead of one per mouse event,
// so the pencil blends each pixel it crosses about twice per pass rather
// than once (its one-part-in-eleven mix still shifts old paint gently), and
// the smallest brush, only three pixels wide, steps one pixel at a time.
bool StrokePainter::PaintAlong(Tool tool, int fromX, int fromY, std::int16_t toX, std::int16_t toY, Colour color) {
    constexpr int kLo = std::numeric_limits<std::int16_t>::min(), kHi = std::numeric_limits<std::int16_t>::max();
    if (!JoinsUp(tool) || fromX < kLo || fromX > kHi || fromY < kLo || fromY > kHi)
        return PaintAt(tool, toX, toY, color);
    const double dx = double(toX) - fromX, dy = double(toY) - fromY;
    // A pressed pen's blocks are wider, and so are its steps.
    const ToolRow* row = RowOf(tool);
    const double stepX = std::max<int>(PlannedSize(row, s_, s_.BrushHalfWidth), 1),
                 stepY = std::max<int>(PlannedSize(row, s_, s_.BrushSize), 1);
    const int steps = std::max(1, int(std::ceil(std::max(std::abs(dx) / stepX, std::abs(dy) / stepY))));
    return PaintEvenly(tool, fromX, fromY, dx, dy, steps, color);
}

// How far apart a fast step may lay a tool's figures: the table's spacing
// (its comments say why each is what it is), 0 for none.
int StrokePainter::SpacingAlong(Tool tool, const EditorState& state) {
    const ToolRow* row = RowOf(tool);
    return row && row->spacing ? row->spacing(PlannedSize(row, state, state.BrushSize)) : 0;
}

// Rounding each point to the pixel grid moves it by up to half a pixel in
// x and in y, so the points are planned 1.5 pixels closer than the spacing
// and no two consecutive ones end up further apart than it. A step shorter
// than that paints its end alone, as it always did: slow drags are
// unchanged. The cost is one figure per spacing of path: a swipe across the
// whole page with the smallest rings lays about 120 of them, with stars
// about eight hundred cheap distance checks.
bool StrokePainter::PaintSpaced(Tool tool, int fromX, int fromY, std::int16_t toX, std::int16_t toY, Colour color) {
    constexpr int kLo = std::numeric_limits<std::int16_t>::min(), kHi = std::numeric_limits<std::int16_t>::max();
    const int spacing = SpacingAlong(tool, s_);
    if (spacing <= 0 || fromX < kLo || fromX > kHi || fromY < kLo || fromY > kHi)
        return PaintAt(tool, toX, toY, color);
    const double dx = double(toX) - fromX, dy = double(toY) - fromY;
    const double room = std::max(1.0, spacing - 1.5);
    const int steps = std::max(1, int(std::ceil(std::hypot(dx, dy) / room)));
    return PaintEvenly(tool, fromX, fromY, dx, dy, steps, color);
}

bool StrokePainter::ReachesBare(int stroke, Tool tool, std::int16_t x, std::int16_t y) const {
    const Memory& m = strokes_[Slot(stroke)];
    if (!m.hasPoint) return false;
    const int dx = std::abs(x - m.x), dy = std::abs(y - m.y);
    if (JoinsUp(tool)) {
        // The block spans the half width either side in x and the half
        // height in y, as pressed (PaintAlong's own steps).
        const ToolRow* row = RowOf(tool);
        return dx > PlannedSize(row, s_, s_.BrushHalfWidth) || dy > PlannedSize(row, s_, s_.BrushSize);
    }
    const int spacing = SpacingAlong(tool, s_);
    return spacing > 0 && dx * dx + dy * dy >= spacing * spacing;
}

bool StrokePainter::PaintStep(int stroke, Tool tool, std::int16_t x, std::int16_t y, Colour color) {
    Memory& m = memoryOf(stroke);
    const bool joined = m.hasPoint && s_.Phase == MousePhase::Move;
    bool ok;
    if (IsShape(tool)) {
        ok = true;
        if (!joined) {
            CancelShape();
            ok = PaintAt(tool, x, y, color);  // notes the start
            drag_ = ShapeDrag{Slot(stroke), tool, x, y};
        } else if (shapeUnderWay(stroke)) {
            ok = PreviewShape(x, y, color);
        }
        m = {true, x, y};
        return ok;
    }
    // Another tool chosen in the middle of a shape's drag: the shape is
    // dropped, and the stroke goes on with that tool.
    if (shapeUnderWay(stroke)) CancelShape();
    if (!joined)
        ok = PaintAt(tool, x, y, color);
    else if (JoinsUp(tool))
        ok = PaintAlong(tool, m.x, m.y, x, y, color);
    else
        ok = PaintSpaced(tool, m.x, m.y, x, y, color);
    m = {true, x, y};
    return ok;
}

bool StrokePainter::PaintsSeveralAtOnce(Tool tool) {
    const ToolRow* row = RowOf(tool);
    return row && row->severalAtOnce;
}

}  // namespace pintaloo

namespace pintaloo {

bool StrokePainter::IsShape(Tool tool) {
    const ToolRow* row = RowOf(tool);
    return row && row->shape;
}

bool StrokePainter::RunShape(const ToolRow& row, Surface& onto, RandomSource& rng, std::int16_t x, std::int16_t y,
                             Colour color) {
    // A shape remembers nothing of its own: its memory is a copy, so the
    // preview and the landing leave the state as it was.
    ToolMemory memory{s_.LastX, s_.LastY, s_.ToolVariant, s_.AlternateFlag, s_.RainbowIndex};
    try {
        Brush brush{row,         onto,         rng,          pictures_,    patterns_,      s_.Phase,
                    s_.BrushSize, s_.BrushHalfWidth, color,  s_.CurrentColor, s_.OutlineColor, s_.PaperColor,
                    s_.SwatchIndex, s_.CanvasFill, s_.HueTable, memory};
        row.shape(brush, s_.LastX, s_.LastY, x, y);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

// The preview holds the canvas, copied whole at the drag's first move
// (1.7 MB, a fifth of a millisecond); each move after puts the canvas's
// pixels back over the last shape's box and lays the new shape, so a
// redraw costs the two boxes, not the page.
bool StrokePainter::PreviewShape(std::int16_t x, std::int16_t y, Colour color) {
    const ToolRow* row = RowOf(drag_->tool);
    if (!row) return true;
    drag_->toX = x;
    drag_->toY = y;
    if (!preview_ || preview_->width() != canvas_.width() || preview_->height() != canvas_.height())
        preview_ = std::make_unique<Surface>(canvas_.width(), canvas_.height());
    const std::size_t stride = std::size_t(canvas_.width());
    Rect shown;
    if (!previewLive_) {
        std::copy(canvas_.data(), canvas_.data() + stride * std::size_t(canvas_.height()), preview_->data());
        previewLive_ = true;
    } else if (!previewBox_.empty()) {
        for (int row_ = previewBox_.top; row_ < previewBox_.bottom; ++row_) {
            const std::size_t at = std::size_t(row_) * stride + std::size_t(previewBox_.left);
            std::copy(canvas_.data() + at, canvas_.data() + at + std::size_t(previewBox_.width()), preview_->data() + at);
        }
        shown = previewBox_;
    }
    shown.unite(preview_->takeDirty());
    // The copy draws what the landing will draw from the same numbers; a
    // source that cannot be copied (a test's) previews with a fixed one.
    DefaultRandom copy;
    if (const auto* real = dynamic_cast<const DefaultRandom*>(&rng_)) copy = *real;
    const bool ok = RunShape(*row, *preview_, copy, x, y, color);
    previewBox_ = preview_->takeDirty();
    shown.unite(previewBox_);
    preview_->markDirty(shown);
    return ok;
}

bool StrokePainter::LandShape(int stroke, std::int16_t x, std::int16_t y, Colour color) {
    if (!shapeUnderWay(stroke)) return true;
    const ToolRow* row = RowOf(drag_->tool);
    CancelShape();
    return row ? RunShape(*row, canvas_, rng_, x, y, color) : true;
}

void StrokePainter::CancelShape() {
    drag_.reset();
    if (!previewLive_) return;
    previewLive_ = false;
    canvas_.markDirty(previewBox_);
    previewBox_ = {};
    preview_->takeDirty();
}

}  // namespace pintaloo
