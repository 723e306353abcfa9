#pragma once
// The canvas pixel surface: the persistent image the child paints on, with
// the drawing primitives every painter uses. Painters touch pixels only
// through this class. Every operation accepts any coordinate, clips at the
// edges and remembers the rectangle it changed (takeDirty), so the window
// repaints only that.
#include <cstdint>
#include <vector>

#include "canvas/colour.h"
#include "canvas/picture.h"
#include "canvas/rect.h"

namespace pintaloo {

enum class FillStyle { Transparent, Solid };

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
    void setPoint(double x, double y, Colour c);
    // Plain one-pixel write with no pen; clipped.
    void setPixel(int x, int y, Colour c);

    int penWidth() const { return penWidth_; }
    void setPenWidth(int w) { penWidth_ = w < 1 ? 1 : w; }
    FillStyle fillStyle() const { return fillStyle_; }
    void setFillStyle(FillStyle s) { fillStyle_ = s; }
    Colour fillColour() const { return fillColour_; }
    void setFillColour(Colour c) { fillColour_ = c; }

    // A line with the current pen width and round ends, both ends included.
    void line(double x1, double y1, double x2, double y2, Colour c);
    // The same with an explicit width (the pens made for one call).
    void line(double x1, double y1, double x2, double y2, Colour c, int width);

    // The drawing position used by the joined-up tools.
    void moveTo(int x, int y) { posX_ = x; posY_ = y; }
    void lineTo(int x, int y, Colour c, int width);
    int positionX() const { return posX_; }
    int positionY() const { return posY_; }

    // Circle outline of the given radius; its inside follows the fill style.
    void circle(double cx, double cy, double radius, Colour c);
    // Box between two corners (both included): outline in c, inside by fill style.
    void box(double x1, double y1, double x2, double y2, Colour c);

    // Paints the 4-connected area of colour `target` around (x, y) with the
    // fill colour. Does nothing when (x, y) is outside or not of that colour.
    void floodFill(int x, int y, Colour target);

    // Copies `src` stretched or shrunk to dstW x dstH at (dstX, dstY),
    // leaving out source pixels of exactly the key colour.
    void keyedBlit(const Picture& src, int dstX, int dstY, int dstW, int dstH, Colour key);
    // Replaces the whole image: `pic` drawn unscaled from the top-left
    // corner, the rest of the surface in the paper colour.
    void setPicture(const Picture& pic, Colour paper = kWhite);
    void clear(Colour paper = kWhite);

    // Raw pixels, x fastest. Writers through here must call markDirty.
    const Colour* data() const { return pixels_.data(); }
    Colour* data() { return pixels_.data(); }
    void markDirty(const Rect& r) { dirty_.unite(r.intersected(bounds())); }
    Rect takeDirty() { Rect r = dirty_; dirty_ = {}; return r; }
    const Rect& dirty() const { return dirty_; }

private:
    void fillSpan(int y, int x1, int x2, Colour c);  // inclusive, clipped
    void disc(double cx, double cy, double diameter, Colour c);
    void thinLine(double x1, double y1, double x2, double y2, Colour c);
    void thickLine(double x1, double y1, double x2, double y2, Colour c, int width);

    int width_, height_;
    std::vector<Colour> pixels_;
    int penWidth_ = 1;
    FillStyle fillStyle_ = FillStyle::Transparent;
    Colour fillColour_ = kBlack;
    int posX_ = 0, posY_ = 0;
    Rect dirty_;
};

}  // namespace pintaloo
