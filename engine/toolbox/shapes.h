// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the shape tools of engine/toolbox/tools/shape_*.cpp share: a shape
// is a closed outline of points (a circle is a polygon of many), laid as
// the pixels whose middles lie inside it, either all of them (filled) or a
// band along its edge as wide as the size bars say (outlined). The band
// holds every pixel inside that has a pixel outside next to it, so the fill
// tool pressed inside floods up to it and no further: the outline is
// closed for a flood that spreads to the four neighbours.
//
// Like the pencil, a shape never covers a pixel of a colouring page's
// outline colour and never makes one.
#include <cstdint>
#include <vector>

#include "engine/toolbox/tools_table.h"

namespace pintaloo {

struct ShapePoint {
    double x, y;
};

// How a shape's row lands: filled when the chosen kind (ToolVariant) is 1.
inline bool ShapeFilled(const Brush& b) { return b.memory.variant == 1; }

// The outline's width for the brush's half height (4, 8, 13, 20 pixels at
// the four sizes): 3, 5, 7 and 11 pixels, bold enough for a small hand's
// drawing and still leaving room inside the smallest shapes.
inline int ShapeOutlineWidth(const Brush& b) { return b.size / 2 + 1 > 2 ? b.size / 2 + 1 : 2; }

// Lays the closed polygon `points` on brush.canvas in brush.colour, filled
// or outlined (ShapeFilled), and marks its box changed.
void LayShape(Brush& b, const std::vector<ShapePoint>& points);

// A shape's press: it paints nothing, it notes where it was (LastX, LastY),
// which the drag and the release measure the shape from.
void ShapePress(Brush& b, std::int16_t x, std::int16_t y);

// The points of an ellipse around (cx, cy) with half axes rx, ry: enough of
// them that no corner shows at any size.
std::vector<ShapePoint> EllipsePoints(double cx, double cy, double rx, double ry);

}  // namespace pintaloo
