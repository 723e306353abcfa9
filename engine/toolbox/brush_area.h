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

#include "engine/canvas/colour.h"
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

// How strongly a soft effect works at a pixel (dx, dy) from the disc's
// middle, in 256ths: `most` there, falling to half of it at the rim, like
// an airbrush, so overlapping steps leave a band with no hard edge.
inline int SoftWeight(long long dx, long long dy, int radius, int most) {
    const long long r2 = std::max(1LL, static_cast<long long>(radius) * radius);
    const long long d2 = std::min(r2, dx * dx + dy * dy);
    return most - static_cast<int>(most * d2 / (2 * r2));
}

// A colour moved `weight` 256ths of the way to another, each part rounded
// away from where it was: every part short of its goal moves at least one
// step, so repeated passes reach it and never overshoot or turn back.
inline Colour Towards(Colour from, Colour to, int weight) {
    const auto part = [weight](int a, int b) {
        const int d = b - a, step = ((d < 0 ? -d : d) * weight + 255) >> 8;
        return d < 0 ? a - step : a + step;
    };
    return Rgb(part(RedOf(from), RedOf(to)), part(GreenOf(from), GreenOf(to)), part(BlueOf(from), BlueOf(to)));
}

// What an effect gives a pixel, unless that is the outline colour: then
// the pixel stays as it was. A pixel of the outline colour is an outline
// to the pencil, the eraser and the fill, so an effect that made one (a
// dark paint darkened all the way to black) would leave a blot nothing but
// undo could touch.
inline Colour NotOutline(const Brush& b, Colour old, Colour next) { return next == b.outline ? old : next; }

namespace spacing {
// Discs half their radius apart along a fast step, so the band it leaves
// has no gaps and an even edge, and a soft effect works about as strongly
// along a fast stroke as along a slow one. A swipe across the page at the
// largest size is about 80 steps.
constexpr int HalfBrush(std::int16_t brushSize) { return brushSize >= 4 ? brushSize / 2 : 2; }
}  // namespace spacing

}  // namespace pintaloo
