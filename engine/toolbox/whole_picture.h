// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small pieces shared by the effects that change the whole picture at one
// press (engine/toolbox/tools/magic_flip.cpp, magic_snow.cpp...). They all
// work on the canvas's raw pixels, which is why they are cheap, and they all
// keep one promise: a pixel of the outline colour is never written, and no
// written pixel becomes the outline colour, so a colouring page keeps
// exactly its lines (a fill still stops where it stopped before).
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <utility>

#include "engine/canvas/colour.h"
#include "engine/canvas/surface.h"

namespace pintaloo::whole {

// Moves the paint of two pixels that trade places (flip, mirror): both
// change hands unless either is a line. Paint whose new place is a line has
// nowhere to go, so it stays where it was, and so does the paint that would
// have come from that line's place: the swap is its own undoing, which is
// what makes flipping twice give back the picture to the pixel.
inline void TradePaint(Colour& a, Colour& b, Colour outline) {
    if (a != outline && b != outline) std::swap(a, b);
}

// A colour an effect is about to write, moved just off the outline colour
// when it happens to be exactly that (a darkened tile, a lens's view of a
// line): it looks the same, but stays paint.
inline Colour OffOutline(Colour c, Colour outline) {
    if (c != outline) return c;
    const auto step = [](int v) { return v < 128 ? v + 8 : v - 8; };
    return Rgb(step(RedOf(c)), step(GreenOf(c)), step(BlueOf(c)));
}

// `over` laid on `base` with a cover of 0 (none) to 256 (all of it).
inline Colour Blend(Colour base, Colour over, int cover) {
    cover = std::clamp(cover, 0, 256);
    const auto part = [cover](int b, int o) { return b + (((o - b) * cover) >> 8); };
    return Rgb(part(RedOf(base), RedOf(over)), part(GreenOf(base), GreenOf(over)),
               part(BlueOf(base), BlueOf(over)));
}

// A cover of 0..1 as the 0..256 Blend takes.
inline int Cover(double amount) { return int(std::lround(std::clamp(amount, 0.0, 1.0) * 256.0)); }

// Lays `over` on the pixel at (x, y) with a cover of 0..256, unless the
// pixel is off the canvas or a line. The caller marks the canvas dirty.
inline void LayOver(Surface& canvas, int x, int y, Colour over, int cover, Colour outline) {
    if (cover <= 0 || x < 0 || y < 0 || x >= canvas.width() || y >= canvas.height()) return;
    Colour& p = canvas.data()[std::size_t(y) * std::size_t(canvas.width()) + std::size_t(x)];
    if (p == outline) return;
    p = OffOutline(Blend(p, over, cover), outline);
}

}  // namespace pintaloo::whole
