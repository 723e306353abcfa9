// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The round patch of paper under a magic brush, shared by the effect
// painters of engine/toolbox/tools/ that change the paint already there
// (blur, tint, lighten...) rather than lay a figure of their own.
//
// The patch is a disc whose radius is the brush's half height (4, 8, 13 or
// 20 pixels at the four sizes; a pen pressing hard makes it wider), so the
// size bars choose how wide the effect is, as they do for the pencil. It is
// clipped to the canvas, and it never holds a pixel of a colouring page's
// outline colour: an effect can no more change an outline than the pencil
// can cover one. The largest patch is about 1,300 pixels, so a painter that
// does a few operations a pixel stays far under a millisecond a step.
#include <algorithm>
#include <cstdint>

#include "engine/canvas/rect.h"
#include "engine/canvas/surface.h"
#include "engine/toolbox/tools_table.h"

namespace pintaloo {

// The disc's radius for a brush: at least one pixel.
inline int BrushRadius(const Brush& b) { return std::max<int>(1, b.size); }

// The box around the disc at (x, y), clipped to the canvas (empty when the
// disc lies wholly outside it). Right and bottom are one past the last.
inline Rect BrushBox(const Surface& canvas, int x, int y, int radius) {
    return Rect{x - radius, y - radius, x + radius + 1, y + radius + 1}.intersected(canvas.bounds());
}

// Calls change(px, py, old) for every pixel of the disc of `radius` around
// (x, y) that is on the canvas and not of the outline colour, in rows from
// the top, left to right; `old` is the pixel's colour before this call
// changed anything, as long as `change` reads no other pixel the call has
// already written (a painter that reads its neighbours, such as a blur,
// copies the patch first). The pixel becomes what `change` returns. The
// disc's box is marked for redrawing.
template <class Change>
void ChangeUnderBrush(Brush& b, int x, int y, int radius, Change change) {
    Surface& canvas = b.canvas;
    const Rect box = BrushBox(canvas, x, y, radius);
    if (box.empty()) return;
    Colour* pixels = canvas.data();
    const int width = canvas.width();
    const long long r2 = static_cast<long long>(radius) * radius;
    for (int py = box.top; py < box.bottom; ++py) {
        const long long dy = py - y;
        for (int px = box.left; px < box.right; ++px) {
            const long long dx = px - x;
            if (dx * dx + dy * dy > r2) continue;
            Colour& p = pixels[static_cast<std::size_t>(py) * static_cast<std::size_t>(width) + static_cast<std::size_t>(px)];
            if (p == b.outline) continue;
            p = change(px, py, p);
        }
    }
    canvas.markDirty(box);
}

template <class Change>
void ChangeUnderBrush(Brush& b, int x, int y, Change change) {
    ChangeUnderBrush(b, x, y, BrushRadius(b), change);
}

}  // namespace pintaloo
