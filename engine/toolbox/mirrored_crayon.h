// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pencil's crayon laid at a point and at its reflections about the
// middle of the canvas, for the mirror painting and the kaleidoscopes.
//
// Each pixel of the crayon's block draws one number, as the pencil's does
// (about three in four are painted), and that one draw paints the pixel and
// every reflection of it alike. So on a page that is itself symmetric (a
// blank one) the copies come out exact mirror images, grain and all, even
// where they overlap near the middle: a pixel and its reflections always
// receive the same strokes. A pixel that is its own reflection (on the
// middle line) is painted once, not twice.
//
// The reflections are exact whole pixels: x becomes width-1-x, y becomes
// height-1-y, and the diagonal one swaps the offsets from the middle
// (x - cx becomes y - cy and back), which is exact when width and height
// differ by an even number, as 807 and 537 do. On this wider-than-tall
// canvas a diagonal copy may fall off the top or bottom: it is clipped.
//
// Cost: one draw and up to eight cheap pixel writes a block pixel; the
// largest block (17 x 41) with eight copies is well under 0.1 ms.
#include <algorithm>
#include <array>
#include <cstdint>

#include "engine/canvas/colour.h"
#include "engine/canvas/rect.h"
#include "engine/canvas/surface.h"
#include "engine/toolbox/tools_table.h"

namespace pintaloo {

enum class Mirrors : std::uint8_t {
    LeftRight,  // the point and its copy across the upright middle line
    FourWay,    // ... and both of those upside down
    EightWay,   // ... and all four again across the diagonals
};

// The pencil's change to one pixel: outlines stay; paper (or the colour
// itself) becomes the plain colour; other paint takes one part new colour
// to ten parts old, so colouring over paint shifts it slowly.
inline void CrayonPixel(Colour& p, const Brush& b) {
    if (p == b.outline) return;
    if (p == b.paper || p == b.colour) {
        p = b.colour;
        return;
    }
    std::int32_t mixed = 0;
    MixColors(std::int32_t(b.colour), std::int32_t(p), 1, 10, mixed);
    p = Colour(mixed);
}

inline void MirroredCrayon(Brush& b, int x, int y, Mirrors mirrors) {
    Surface& canvas = b.canvas;
    const int w = canvas.width(), h = canvas.height();
    const int farX = w - 1, farY = h - 1, shift = (w - h) / 2;
    // The block, clipped to the pixels that have a copy on the canvas: the
    // canvas itself, and for the diagonal copies the band that swaps onto it.
    Rect reach = canvas.bounds();
    if (mirrors == Mirrors::EightWay) reach.unite(Rect{shift, -shift, shift + h, w - shift});
    const Rect block = Rect{x - b.halfWidth, y - b.size, x + b.halfWidth + 1, y + b.size + 1}.intersected(reach);
    if (block.empty()) return;

    Colour* pixels = canvas.data();
    int minX = w, minY = h, maxX = -1, maxY = -1;
    std::array<int, 16> at{};  // up to eight copies, x then y
    for (int py = block.top; py < block.bottom; ++py) {
        for (int px = block.left; px < block.right; ++px) {
            if (!(b.rng.next() < 0.75f)) continue;
            int n = 0;
            const auto add = [&](int cx, int cy) {
                if (cx < 0 || cy < 0 || cx >= w || cy >= h) return;
                for (int k = 0; k < n; k += 2)
                    if (at[std::size_t(k)] == cx && at[std::size_t(k) + 1] == cy) return;
                at[std::size_t(n)] = cx;
                at[std::size_t(n) + 1] = cy;
                n += 2;
            };
            add(px, py);
            add(farX - px, py);
            if (mirrors != Mirrors::LeftRight) {
                add(px, farY - py);
                add(farX - px, farY - py);
            }
            if (mirrors == Mirrors::EightWay) {
                const int sx = py + shift, sy = px - shift;
                add(sx, sy);
                add(farX - sx, sy);
                add(sx, farY - sy);
                add(farX - sx, farY - sy);
            }
            for (int k = 0; k < n; k += 2) {
                const int cx = at[std::size_t(k)], cy = at[std::size_t(k) + 1];
                Colour& p = pixels[std::size_t(cy) * std::size_t(w) + std::size_t(cx)];
                const Colour before = p;
                CrayonPixel(p, b);
                if (p == before) continue;
                minX = std::min(minX, cx);
                maxX = std::max(maxX, cx);
                minY = std::min(minY, cy);
                maxY = std::max(maxY, cy);
            }
        }
    }
    if (maxX >= 0) canvas.markDirty(Rect{minX, minY, maxX + 1, maxY + 1});
}

}  // namespace pintaloo
