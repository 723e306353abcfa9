// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/canvas/surface.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#include <limits>

namespace pintaloo {

namespace {

// Coordinates may be anything a mouse or a sum can produce; keep loop bounds
// inside int range before converting.
int ClampToInt(double v) {
    if (!(v == v)) return std::numeric_limits<int>::min() / 2;  // NaN: far away
    v = std::clamp(v, -1e9, 1e9);
    return static_cast<int>(v);
}

// Liang-Barsky: clips the segment to the box; false when nothing is left.
bool ClipSegment(double& x1, double& y1, double& x2, double& y2, double minX, double minY, double maxX, double maxY) {
    double t0 = 0, t1 = 1;
    const double dx = x2 - x1, dy = y2 - y1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x1 - minX, maxX - x1, y1 - minY, maxY - y1};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1) return false;
    }
    const double nx1 = x1 + t0 * dx, ny1 = y1 + t0 * dy;
    x2 = x1 + t1 * dx;
    y2 = y1 + t1 * dy;
    x1 = nx1;
    y1 = ny1;
    return true;
}

}  // namespace

Surface::Surface(int width, int height, Colour paper)
    : width_(std::max(width, 1)),
      height_(std::max(height, 1)),
      pixels_(std::size_t(width_) * std::size_t(height_), paper) {}

std::int32_t Surface::point(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return -1;
    return static_cast<std::int32_t>(pixels_[std::size_t(y) * std::size_t(width_) + std::size_t(x)]);
}

void Surface::setPixel(int x, int y, Colour c) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    pixels_[std::size_t(y) * std::size_t(width_) + std::size_t(x)] = c;
    dirty_.unite({x, y, x + 1, y + 1});
}

void Surface::fillSpan(int y, int x1, int x2, Colour c) {
    if (y < 0 || y >= height_) return;
    x1 = std::max(x1, 0);
    x2 = std::min(x2, width_ - 1);
    if (x1 > x2) return;
    Colour* row = pixels_.data() + std::size_t(y) * std::size_t(width_);
    std::fill(row + x1, row + x2 + 1, c);
    dirty_.unite({x1, y, x2 + 1, y + 1});
}

void Surface::setPoint(double x, double y, Colour c, int penWidth) {
    if (penWidth <= 1) {
        setPixel(ClampToInt(std::nearbyint(x)), ClampToInt(std::nearbyint(y)), c);
        return;
    }
    disc(std::nearbyint(x), std::nearbyint(y), penWidth, c);
}

// Every pixel whose centre lies within diameter/2 of the centre.
void Surface::disc(double cx, double cy, double diameter, Colour c) {
    const double r = diameter / 2.0;
    const int top = std::max(ClampToInt(std::ceil(cy - r)), 0);
    const int bottom = std::min(ClampToInt(std::floor(cy + r)), height_ - 1);
    for (int y = top; y <= bottom; ++y) {
        const double dy = y - cy;
        const double half = std::sqrt(std::max(0.0, r * r - dy * dy));
        fillSpan(y, ClampToInt(std::ceil(cx - half)), ClampToInt(std::floor(cx + half)), c);
    }
}

void Surface::line(double x1, double y1, double x2, double y2, Colour c, int width) {
    if (width <= 1)
        thinLine(x1, y1, x2, y2, c);
    else
        thickLine(x1, y1, x2, y2, c, width);
}

void Surface::lineTo(int x, int y, Colour c, int width) {
    line(posX_, posY_, x, y, c, width);
    posX_ = x;
    posY_ = y;
}

// Bresenham between the rounded end points, both included. The segment is
// first clipped to just outside the surface so far-away ends cost nothing.
void Surface::thinLine(double x1, double y1, double x2, double y2, Colour c) {
    x1 = std::nearbyint(x1);
    y1 = std::nearbyint(y1);
    x2 = std::nearbyint(x2);
    y2 = std::nearbyint(y2);
    if (!ClipSegment(x1, y1, x2, y2, -1, -1, width_, height_)) return;
    int ax = ClampToInt(std::nearbyint(x1)), ay = ClampToInt(std::nearbyint(y1));
    const int bx = ClampToInt(std::nearbyint(x2)), by = ClampToInt(std::nearbyint(y2));
    const int dx = std::abs(bx - ax), dy = -std::abs(by - ay);
    const int sx = ax < bx ? 1 : -1, sy = ay < by ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        setPixel(ax, ay, c);
        if (ax == bx && ay == by) break;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            ax += sx;
        }
        if (e2 <= dx) {
            err += dx;
            ay += sy;
        }
    }
}

// A round-ended stroke: every pixel whose centre is within width/2 of the
// segment. Each row of a capsule is one interval, found from the two end
// discs and the band along the segment.
void Surface::thickLine(double x1, double y1, double x2, double y2, Colour c, int width) {
    x1 = std::nearbyint(x1);
    y1 = std::nearbyint(y1);
    x2 = std::nearbyint(x2);
    y2 = std::nearbyint(y2);
    const double r = width / 2.0;
    if (!ClipSegment(x1, y1, x2, y2, -r - 1, -r - 1, width_ + r, height_ + r)) return;
    const double dx = x2 - x1, dy = y2 - y1, len2 = dx * dx + dy * dy;
    if (len2 < 1e-12) {
        disc(x1, y1, width, c);
        return;
    }
    const double len = std::sqrt(len2);
    const int top = std::max(ClampToInt(std::ceil(std::min(y1, y2) - r)), 0);
    const int bottom = std::min(ClampToInt(std::floor(std::max(y1, y2) + r)), height_ - 1);
    for (int y = top; y <= bottom; ++y) {
        double lo = std::numeric_limits<double>::infinity(), hi = -lo;
        auto addDisc = [&](double px, double py) {
            const double d = y - py;
            if (std::abs(d) > r) return;
            const double h = std::sqrt(r * r - d * d);
            lo = std::min(lo, px - h);
            hi = std::max(hi, px + h);
        };
        addDisc(x1, y1);
        addDisc(x2, y2);
        // Band: 0 <= ((x-x1)dx + (y-y1)dy)/len2 <= 1 and |(x-x1)dy - (y-y1)dx|/len <= r.
        double blo = -std::numeric_limits<double>::infinity(), bhi = -blo;
        auto within = [&](double a, double b, double mn, double mx) {  // mn <= a*x + b <= mx
            if (a == 0) {
                if (b < mn || b > mx) {
                    blo = 1;
                    bhi = 0;
                }
                return;
            }
            double u = (mn - b) / a, v = (mx - b) / a;
            if (u > v) std::swap(u, v);
            blo = std::max(blo, u);
            bhi = std::min(bhi, v);
        };
        const double ry = y - y1;
        within(dx, ry * dy - x1 * dx, 0, len2);
        within(dy, -ry * dx - x1 * dy, -r * len, r * len);
        if (blo <= bhi) {
            lo = std::min(lo, blo);
            hi = std::max(hi, bhi);
        }
        if (lo <= hi) fillSpan(y, ClampToInt(std::ceil(lo)), ClampToInt(std::floor(hi)), c);
    }
}

void Surface::circle(double cx, double cy, double radius, Colour c, FillMode fill) {
    const int r = ClampToInt(std::nearbyint(std::abs(radius)));
    const double rcx = std::nearbyint(cx), rcy = std::nearbyint(cy);
    if (rcx + r < 0 || rcy + r < 0 || rcx - r >= width_ || rcy - r >= height_) return;
    const int x0 = ClampToInt(rcx), y0 = ClampToInt(rcy);
    if (fill.style == FillStyle::Solid) {
        for (int dy = -r; dy <= r; ++dy) {
            const int half = int(std::floor(std::sqrt(double(r) * r - double(dy) * dy)));
            fillSpan(y0 + dy, x0 - half, x0 + half, fill.colour);
        }
    }
    // Midpoint circle: the eight symmetric points of each step.
    int x = r, y = 0, err = 1 - r;
    while (x >= y) {
        const int pts[8][2] = {{x, y}, {y, x}, {-y, x}, {-x, y}, {-x, -y}, {-y, -x}, {y, -x}, {x, -y}};
        for (const auto& p : pts) setPixel(x0 + p[0], y0 + p[1], c);
        ++y;
        if (err < 0)
            err += 2 * y + 1;
        else {
            --x;
            err += 2 * (y - x) + 1;
        }
    }
}

void Surface::box(double x1, double y1, double x2, double y2, Colour c, int penWidth, FillMode fill) {
    const double l = std::min(x1, x2), r = std::max(x1, x2);
    const double t = std::min(y1, y2), b = std::max(y1, y2);
    if (fill.style == FillStyle::Solid) {
        const int top = std::max(ClampToInt(std::nearbyint(t)) + 1, 0);
        const int bottom = std::min(ClampToInt(std::nearbyint(b)) - 1, height_ - 1);
        for (int y = top; y <= bottom; ++y)
            fillSpan(y, ClampToInt(std::nearbyint(l)) + 1, ClampToInt(std::nearbyint(r)) - 1, fill.colour);
    }
    line(l, t, r, t, c, penWidth);
    line(r, t, r, b, c, penWidth);
    line(r, b, l, b, c, penWidth);
    line(l, b, l, t, c, penWidth);
}

namespace {

// First index in [i, end) whose pixel is (want == true) / is not (want ==
// false) the target colour, or end. Eight pixels a step with SSE2: the scans
// along a span and its neighbour rows are what a big fill spends its time on.
template <bool want>
int Scan(const Colour* row, int i, int end, Colour target) {
#if defined(__SSE2__)
    const __m128i t = _mm_set1_epi32(int(target));
    for (; i + 8 <= end; i += 8) {
        const __m128i a = _mm_cmpeq_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(row + i)), t);
        const __m128i b = _mm_cmpeq_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(row + i + 4)), t);
        const int mask = _mm_movemask_epi8(_mm_packs_epi32(a, b));
        if (want ? mask != 0 : mask != 0xFFFF) break;
    }
#endif
    for (; i < end; ++i)
        if ((row[i] == target) == want) return i;
    return end;
}

// Walks left from i while the pixel before is the target colour, stopping
// at stop + 1; returns the leftmost such index.
int ScanLeftWhileTarget(const Colour* row, int i, int stop, Colour target) {
#if defined(__SSE2__)
    const __m128i t = _mm_set1_epi32(int(target));
    while (i - 8 > stop) {
        const __m128i a = _mm_cmpeq_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(row + i - 8)), t);
        const __m128i b = _mm_cmpeq_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(row + i - 4)), t);
        if (_mm_movemask_epi8(_mm_packs_epi32(a, b)) != 0xFFFF) break;
        i -= 8;
    }
#endif
    while (i - 1 > stop && row[i - 1] == target) --i;
    return i;
}

void FillRow(Colour* row, int from, int to, Colour c) {  // inclusive
#if defined(__SSE2__)
    const __m128i v = _mm_set1_epi32(int(c));
    for (; from + 4 <= to + 1; from += 4) _mm_storeu_si128(reinterpret_cast<__m128i*>(row + from), v);
#endif
    for (; from <= to; ++from) row[from] = c;
}

}  // namespace

// Scanline flood fill with an explicit stack of seeds: each span is filled
// once and its neighbour rows are scanned for runs of the target colour, one
// seed per run.
void Surface::floodFill(int x, int y, Colour target, Colour fill) {
    if (point(x, y) != static_cast<std::int32_t>(target) || target == fill) return;
    Colour* px = pixels_.data();
    const std::size_t w = std::size_t(width_);
    struct Seed {
        int x, y;
    };
    std::vector<Seed> stack;
    stack.reserve(256);
    stack.push_back({x, y});
    int minX = x, maxX = x, minY = y, maxY = y;
    while (!stack.empty()) {
        const Seed s = stack.back();
        stack.pop_back();
        Colour* row = px + std::size_t(s.y) * w;
        if (row[s.x] != target) continue;
        const int l = ScanLeftWhileTarget(row, s.x, -1, target);
        const int r = Scan<false>(row, s.x, width_, target) - 1;
        FillRow(row, l, r, fill);
        minX = std::min(minX, l);
        maxX = std::max(maxX, r);
        minY = std::min(minY, s.y);
        maxY = std::max(maxY, s.y);
        for (int ny : {s.y - 1, s.y + 1}) {
            if (ny < 0 || ny >= height_) continue;
            const Colour* nrow = px + std::size_t(ny) * w;
            for (int i = Scan<true>(nrow, l, r + 1, target); i <= r; i = Scan<true>(nrow, i, r + 1, target)) {
                stack.push_back({i, ny});
                i = Scan<false>(nrow, i, r + 1, target);
            }
        }
    }
    dirty_.unite({minX, minY, maxX + 1, maxY + 1});
}

void Surface::keyedBlit(const Picture& src, int dstX, int dstY, int dstW, int dstH, Colour key) {
    if (src.empty() || dstW <= 0 || dstH <= 0) return;
    const Rect area = Rect{dstX, dstY, dstX + dstW, dstY + dstH}.intersected(bounds());
    if (area.empty()) return;
    // Each destination pixel samples the source at its centre; the column
    // of every destination x is worked out once, not per pixel.
    std::vector<int> column(std::size_t(area.width()));
    for (int x = area.left; x < area.right; ++x)
        column[std::size_t(x - area.left)] = int((2LL * (x - dstX) + 1) * src.width / (2LL * dstW));
    for (int y = area.top; y < area.bottom; ++y) {
        const int sy = int((2LL * (y - dstY) + 1) * src.height / (2LL * dstH));
        const Colour* from = src.pixels.data() + std::size_t(sy) * std::size_t(src.width);
        Colour* row = pixels_.data() + std::size_t(y) * std::size_t(width_) + area.left;
        for (std::size_t i = 0; i < column.size(); ++i) {
            const Colour c = from[column[i]];
            row[i] = c == key ? row[i] : c;
        }
    }
    dirty_.unite(area);
}

void Surface::blendBlit(const Picture& src, const std::vector<std::uint8_t>& alpha, int dstX, int dstY, int dstW,
                        int dstH, bool mirrored, bool flipped, Colour outline) {
    if (src.empty() || dstW <= 0 || dstH <= 0 || alpha.size() != src.pixels.size()) return;
    const Rect area = Rect{dstX, dstY, dstX + dstW, dstY + dstH}.intersected(bounds());
    if (area.empty()) return;
    std::vector<int> column(std::size_t(area.width()));
    for (int x = area.left; x < area.right; ++x) {
        const int sx = int((2LL * (x - dstX) + 1) * src.width / (2LL * dstW));
        column[std::size_t(x - area.left)] = mirrored ? src.width - 1 - sx : sx;
    }
    const auto blend = [](int old, int ink, int a) { return (old * (255 - a) + ink * a + 127) / 255; };
    for (int y = area.top; y < area.bottom; ++y) {
        int sy = int((2LL * (y - dstY) + 1) * src.height / (2LL * dstH));
        if (flipped) sy = src.height - 1 - sy;
        const std::size_t from = std::size_t(sy) * std::size_t(src.width);
        Colour* row = pixels_.data() + std::size_t(y) * std::size_t(width_) + area.left;
        for (std::size_t i = 0; i < column.size(); ++i) {
            const std::size_t k = from + std::size_t(column[i]);
            const int a = alpha[k];
            if (a == 0 || row[i] == outline) continue;
            const Colour c = src.pixels[k], old = row[i];
            const Colour next = a == 255 ? c
                                         : Rgb(blend(RedOf(old), RedOf(c), a), blend(GreenOf(old), GreenOf(c), a),
                                               blend(BlueOf(old), BlueOf(c), a));
            if (next != outline) row[i] = next;
        }
    }
    dirty_.unite(area);
}

void Surface::setPicture(const Picture& pic, Colour paper) {
    clear(paper);
    const int w = std::min(pic.width, width_), h = std::min(pic.height, height_);
    for (int y = 0; y < h; ++y)
        std::copy_n(pic.pixels.data() + std::size_t(y) * std::size_t(pic.width), w,
                    pixels_.data() + std::size_t(y) * std::size_t(width_));
}

void Surface::clear(Colour paper) {
    std::fill(pixels_.begin(), pixels_.end(), paper);
    dirty_ = bounds();
}

}  // namespace pintaloo
