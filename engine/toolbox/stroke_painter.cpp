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
#include "engine/toolbox/tools_table.h"

namespace pintaloo {

namespace {
constexpr Colour kGrassGreen = Rgb(0, 202, 5);
}

bool StrokePainter::JoinsUp(Tool tool) {
    const ToolRow* row = RowOf(tool);
    return row && row->joinsUp;
}

bool StrokePainter::PaintAt(std::int16_t x, std::int16_t y, Colour color) {
    // A number without a row (21, or anything else a script sets) paints
    // nothing.
    const ToolRow* row = RowOf(s_.ToolMode);
    if (!row) return true;
    try {
        (this->*row->paint)(x, y, color);
        return true;
    } catch (const std::exception&) {
        // An overflow (or any other fault of one step) ends this call only;
        // what was painted before it stays.
        return false;
    }
}

// `steps` figures at even points from the last point to the last plus
// (dx, dy), the last exactly there.
bool StrokePainter::PaintEvenly(int fromX, int fromY, double dx, double dy, int steps, Colour color) {
    for (int k = 1; k <= steps; ++k) {
        const double t = double(k) / steps;
        // Between two 16-bit points, so the pixel fits 16 bits.
        const auto x = std::int16_t(PixelOf(fromX + dx * t));
        const auto y = std::int16_t(PixelOf(fromY + dy * t));
        if (!PaintAt(x, y, color)) return false;
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
bool StrokePainter::PaintAlong(int fromX, int fromY, std::int16_t toX, std::int16_t toY, Colour color) {
    constexpr int kLo = std::numeric_limits<std::int16_t>::min(), kHi = std::numeric_limits<std::int16_t>::max();
    if (!JoinsUp(s_.ToolMode) || fromX < kLo || fromX > kHi || fromY < kLo || fromY > kHi)
        return PaintAt(toX, toY, color);
    const double dx = double(toX) - fromX, dy = double(toY) - fromY;
    const double stepX = std::max<int>(s_.BrushHalfWidth, 1), stepY = std::max<int>(s_.BrushSize, 1);
    const int steps = std::max(1, int(std::ceil(std::max(std::abs(dx) / stepX, std::abs(dy) / stepY))));
    return PaintEvenly(fromX, fromY, dx, dy, steps, color);
}

// How far apart a fast step may lay a tool's figures: the table's spacing
// (its comments say why each is what it is), 0 for none.
int StrokePainter::SpacingAlong(Tool tool, const EditorState& state) {
    const ToolRow* row = RowOf(tool);
    return row && row->spacing ? row->spacing(state) : 0;
}

// Rounding each point to the pixel grid moves it by up to half a pixel in
// x and in y, so the points are planned 1.5 pixels closer than the spacing
// and no two consecutive ones end up further apart than it. A step shorter
// than that paints its end alone, as it always did: slow drags are
// unchanged. The cost is one figure per spacing of path: a swipe across the
// whole page with the smallest rings lays about 120 of them, with stars
// about eight hundred cheap distance checks.
bool StrokePainter::PaintSpaced(int fromX, int fromY, std::int16_t toX, std::int16_t toY, Colour color) {
    constexpr int kLo = std::numeric_limits<std::int16_t>::min(), kHi = std::numeric_limits<std::int16_t>::max();
    const int spacing = SpacingAlong(s_.ToolMode, s_);
    if (spacing <= 0 || fromX < kLo || fromX > kHi || fromY < kLo || fromY > kHi) return PaintAt(toX, toY, color);
    const double dx = double(toX) - fromX, dy = double(toY) - fromY;
    const double room = std::max(1.0, spacing - 1.5);
    const int steps = std::max(1, int(std::ceil(std::hypot(dx, dy) / room)));
    return PaintEvenly(fromX, fromY, dx, dy, steps, color);
}

bool StrokePainter::PaintStep(int stroke, std::int16_t x, std::int16_t y, Colour color) {
    Memory& m = memoryOf(stroke);
    const bool joined = m.hasPoint && s_.Phase == MousePhase::Move;
    bool ok;
    if (!joined)
        ok = PaintAt(x, y, color);
    else if (JoinsUp(s_.ToolMode))
        ok = PaintAlong(m.x, m.y, x, y, color);
    else
        ok = PaintSpaced(m.x, m.y, x, y, color);
    m = {true, x, y};
    return ok;
}

bool StrokePainter::PaintsSeveralAtOnce(Tool tool) {
    switch (tool) {
        case Tool::Pencil:
        case Tool::Eraser:
        case Tool::Grass:
        case Tool::Tiles:
        case Tool::Parallelograms:
        case Tool::Bricks:
            return true;
        default:
            return false;
    }
}

// The crayon: about three pixels in four, never over an outline, plain
// colour on paper, and one part new colour to ten parts old elsewhere, so
// colouring over paint shifts it only slowly.
void StrokePainter::pencil(std::int16_t x, std::int16_t y, Colour color) {
    const std::int16_t top = Sub16(y, s_.BrushSize), bottom = Add16(y, s_.BrushSize);
    const std::int16_t left = Sub16(x, s_.BrushHalfWidth), right = Add16(x, s_.BrushHalfWidth);
    for (int i = top; i <= bottom; ++i) {
        for (int j = left; j <= right; ++j) {
            if (!(rng_.next() < 0.75f)) continue;
            const std::int32_t p = canvas_.point(j, i);
            if (p == std::int32_t(s_.OutlineColor)) continue;
            if (p == std::int32_t(s_.PaperColor) || p == std::int32_t(color)) {
                canvas_.setPixel(j, i, color);
            } else {
                std::int32_t mixed = 0;
                MixColors(std::int32_t(color), p, 1, 10, mixed);
                canvas_.setPixel(j, i, Colour(mixed));
            }
        }
    }
}

void StrokePainter::eraser(std::int16_t x, std::int16_t y, Colour) {
    const std::int16_t top = Sub16(y, s_.BrushSize), bottom = Add16(y, s_.BrushSize);
    const std::int16_t left = Sub16(x, s_.BrushHalfWidth), right = Add16(x, s_.BrushHalfWidth);
    for (int i = top; i <= bottom; ++i)
        for (int j = left; j <= right; ++j)
            if (canvas_.point(j, i) != std::int32_t(s_.OutlineColor)) canvas_.setPixel(j, i, kWhite);
}

void StrokePainter::circles(std::int16_t x, std::int16_t y, Colour) {
    canvas_.circle(x, y, s_.BrushSize, s_.CurrentColor, s_.CanvasFill);
}

void StrokePainter::spray(std::int16_t x, std::int16_t y, Colour) {
    SprayDots(canvas_, rng_, s_.CurrentColor, s_.BrushSize, x, y);
}

void StrokePainter::twoColourDots(std::int16_t x, std::int16_t y, Colour) {
    const int pen = Add16(s_.BrushSize, 5);
    s_.LastX = x;
    s_.LastY = y;
    if (s_.AlternateFlag == 0) {
        canvas_.line(s_.LastX, s_.LastY, x, y, s_.CurrentColor, pen);
        s_.AlternateFlag = 1;
    } else if (s_.AlternateFlag == 1) {
        canvas_.line(s_.LastX, s_.LastY, x, y, Inverse(s_.CurrentColor), pen);
        s_.AlternateFlag = 0;
    }
}

void StrokePainter::twoColourSpray(std::int16_t x, std::int16_t y, Colour) {
    s_.LastX = x;
    s_.LastY = y;
    if (s_.AlternateFlag == 0) {
        SprayDots(canvas_, rng_, s_.CurrentColor, s_.BrushSize, x, y);
        s_.AlternateFlag = 1;
    } else if (s_.AlternateFlag == 1) {
        SprayDots(canvas_, rng_, Inverse(s_.CurrentColor), s_.BrushSize, x, y);
        s_.AlternateFlag = 0;
    }
}

void StrokePainter::rainbowDots(std::int16_t x, std::int16_t y, Colour) {
    const std::int16_t spacing = Add16(s_.BrushSize, 5);
    patterns_.RainbowDots(x, y, spacing, spacing);
}

// The fill leaves the editor's fill mode solid in its colour, so circles,
// tiles and bricks come out filled from then on.
void StrokePainter::fill(std::int16_t x, std::int16_t y, Colour) {
    s_.CanvasFill = {FillStyle::Solid, s_.CurrentColor};
    const std::int32_t p = canvas_.point(x, y);
    if (p < 0) return;
    canvas_.floodFill(x, y, Colour(p), s_.CanvasFill.colour);
}

// One hue per mouse step, joined from the press point, carrying on from
// where the previous rainbow line stopped.
void StrokePainter::rainbowLine(std::int16_t x, std::int16_t y, Colour) {
    const Colour hue = s_.HueTable.at(std::size_t(s_.RainbowIndex));
    canvas_.lineTo(x, y, hue, Add16(s_.BrushSize, 5));
    s_.RainbowIndex += 1;
    if (s_.RainbowIndex > 360) s_.RainbowIndex = 0;
}

void StrokePainter::balls(std::int16_t x, std::int16_t y, Colour) { pictures_.DrawBallModel(x, y, s_.SwatchIndex); }

void StrokePainter::penLine(std::int16_t x, std::int16_t y, Colour) {
    if (s_.Phase == MousePhase::Down)
        canvas_.moveTo(x, y);
    else if (s_.Phase == MousePhase::Move)
        canvas_.lineTo(x, y, s_.CurrentColor, s_.BrushSize);
}

void StrokePainter::daisies(std::int16_t x, std::int16_t y, Colour) {
    cycledModel(x, y, 2, &PicturePainters::DrawDaisyModel);
}
void StrokePainter::tangles(std::int16_t x, std::int16_t y, Colour) {
    cycledModel(x, y, 7, &PicturePainters::DrawTangleModel);
}
void StrokePainter::scribbles(std::int16_t x, std::int16_t y, Colour) {
    cycledModel(x, y, 3, &PicturePainters::DrawScribbleModel);
}
void StrokePainter::stars(std::int16_t x, std::int16_t y, Colour) {
    spacedModel(x, y, 50, &PicturePainters::DrawStarModel);
}
void StrokePainter::splats(std::int16_t x, std::int16_t y, Colour) {
    spacedModel(x, y, 10, &PicturePainters::DrawSplatModel);
}

void StrokePainter::grass(std::int16_t x, std::int16_t y, Colour) {
    patterns_.DrawPattern(x, y, 5, kGrassGreen, s_.CanvasFill);
}
void StrokePainter::tiles(std::int16_t x, std::int16_t y, Colour) {
    patterns_.DrawPattern(x, y, 1, s_.CurrentColor, s_.CanvasFill);
}
void StrokePainter::parallelograms(std::int16_t x, std::int16_t y, Colour) {
    patterns_.DrawPattern(x, y, 2, s_.CurrentColor, s_.CanvasFill);
}
void StrokePainter::bricks(std::int16_t x, std::int16_t y, Colour) {
    patterns_.DrawPattern(x, y, 3, s_.CurrentColor, s_.CanvasFill);
}

// Variants 0..lastVariant in turn, one per step; a variant out of range
// (left by another tool) paints nothing and stays.
void StrokePainter::cycledModel(std::int16_t x, std::int16_t y, int lastVariant, ModelDraw draw) {
    const int k = s_.ToolVariant;
    if (k < 0 || k > lastVariant) return;
    (pictures_.*draw)(x, y, std::int16_t(k));
    s_.ToolVariant = std::int16_t(k == lastVariant ? 0 : k + 1);
}

// Stars and splats need room: nothing happens within `spacing` of the last
// point in both x and y.
void StrokePainter::spacedModel(std::int16_t x, std::int16_t y, int spacing, ModelDraw draw) {
    if (x >= Sub16(s_.LastX, spacing) && x <= Add16(s_.LastX, spacing) && y >= Sub16(s_.LastY, spacing) &&
        y <= Add16(s_.LastY, spacing))
        return;
    const int k = s_.ToolVariant;
    if (k >= 0 && k <= 3) {
        (pictures_.*draw)(x, y, std::int16_t(k));
        s_.ToolVariant = std::int16_t((k + 1) % 4);
    }
    s_.LastX = x;
    s_.LastY = y;
}

// One stamp per press, however long the drag.
void StrokePainter::stamp(std::int16_t x, std::int16_t y, Colour) {
    if (s_.Phase != MousePhase::Down) return;
    if (const auto n = StampPictureFor(s_.ToolMode, s_.ToolVariant)) pictures_.DrawStampPicture(x, y, *n);
}

}  // namespace pintaloo
