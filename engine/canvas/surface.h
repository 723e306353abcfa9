// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The canvas pixel surface: the persistent image the child paints on, with
// the drawing primitives every painter uses. Painters touch pixels only
// through this class. Every operation accepts any coordinate, clips at the
// edges and remembers the rectangle it changed (takeDirty), so the window
// repaints only that.
#include <cstdint>
#include <vector>

#include "engine/canvas/colour.h"
#include "engine/canvas/large_pages.h"
#include "engine/canvas/picture.h"
#include "engine/canvas/rect.h"

namespace pintaloo {

enum class FillStyle { Transparent, Solid };

// How the inside of a circle or box is painted. Passed with every call: the
// surface keeps no pen or fill between calls, so one painter's settings can
// never leak into the next.
struct FillMode {
    FillStyle style = FillStyle::Transparent;
    Colour colour = kBlack;
};

class Surface {
public:
    static constexpr int kWidth = 807;
    static constexpr int kHeight = 537;

    explicit Surface(int width = kWidth, int height = kHeight, Colour paper = kWhite);

    int width() const { return width_; }
    int height() const { return height_; }
    Rect bounds() const { return {0, 0, width_, height_}; }

    // The colour at a pixel, or -1 outside the surface.
    std::int32_t point(int x, int y) const;
    // A pixel, or with a pen width above 1 a round dot of that diameter.
    void setPoint(double x, double y, Colour c, int penWidth = 1);
    // Plain one-pixel write with no pen; clipped.
    void setPixel(int x, int y, Colour c);

    // A line with round ends, both ends included.
    void line(double x1, double y1, double x2, double y2, Colour c, int penWidth = 1);

    // The drawing position used by the joined-up tools.
    void moveTo(int x, int y) {
        posX_ = x;
        posY_ = y;
    }
    void lineTo(int x, int y, Colour c, int width);
    int positionX() const { return posX_; }
    int positionY() const { return posY_; }

    // Circle outline of the given radius, one pixel wide; its inside as `fill` says.
    void circle(double cx, double cy, double radius, Colour c, FillMode fill = {});
    // Box between two corners (both included): outline in c with the given
    // pen width, inside as `fill` says.
    void box(double x1, double y1, double x2, double y2, Colour c, int penWidth = 1, FillMode fill = {});

    // Paints the 4-connected area of colour `target` around (x, y) with
    // `fill`. Does nothing when (x, y) is outside or not of that colour.
    void floodFill(int x, int y, Colour target, Colour fill);

    // Copies `src` stretched or shrunk to dstW x dstH at (dstX, dstY),
    // leaving out source pixels of exactly the key colour.
    void keyedBlit(const Picture& src, int dstX, int dstY, int dstW, int dstH, Colour key);
    // Lays `src` stretched or shrunk to dstW x dstH at (dstX, dstY), each
    // pixel blended by its transparency (`alpha`, one byte a pixel, 0 clear
    // to 255 solid), turned left to right and upside down as asked. Pixels of
    // `outline` stay, and a blend coming out exactly `outline` leaves the
    // pixel as it was, so no outline is made that a fill would stop at.
    void blendBlit(const Picture& src, const std::vector<std::uint8_t>& alpha, int dstX, int dstY, int dstW, int dstH,
                   bool mirrored, bool flipped, Colour outline);
    // Replaces the whole image: `pic` drawn unscaled from the top-left
    // corner, the rest of the surface in the paper colour.
    void setPicture(const Picture& pic, Colour paper = kWhite);
    void clear(Colour paper = kWhite);

    // Raw pixels, x fastest. Writers through here must call markDirty.
    const Colour* data() const { return pixels_.data(); }
    Colour* data() { return pixels_.data(); }
    void markDirty(const Rect& r) { dirty_.unite(r.intersected(bounds())); }
    Rect takeDirty() {
        Rect r = dirty_;
        dirty_ = {};
        return r;
    }
    const Rect& dirty() const { return dirty_; }

private:
    void fillSpan(int y, int x1, int x2, Colour c);  // inclusive, clipped
    void disc(double cx, double cy, double diameter, Colour c);
    void thinLine(double x1, double y1, double x2, double y2, Colour c);
    void thickLine(double x1, double y1, double x2, double y2, Colour c, int width);

    int width_, height_;
    std::vector<Colour, LargePageAllocator<Colour>> pixels_;  // see large_pages.h
    int posX_ = 0, posY_ = 0;
    Rect dirty_;
};

}  // namespace pintaloo
