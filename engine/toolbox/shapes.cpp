// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/toolbox/shapes.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "engine/toolbox/brush_area.h"

namespace pintaloo {

void ShapePress(Brush& b, std::int16_t x, std::int16_t y) {
    b.memory.lastX = x;
    b.memory.lastY = y;
}

std::vector<ShapePoint> EllipsePoints(double cx, double cy, double rx, double ry) {
    // A polygon of n corners strays from its circle by r (1 - cos(pi / n)),
    // about 5 r / n^2: with n = 2r (from 32 to 256 corners) that is under a
    // tenth of a pixel at every size, and a circle as big as the page costs
    // 256 edges a row rather than a thousand.
    const int n = std::clamp(int(std::abs(rx) + std::abs(ry)), 32, 256);
    std::vector<ShapePoint> points;
    points.reserve(std::size_t(n));
    for (int k = 0; k < n; ++k) {
        const double a = 2.0 * M_PI * k / n;
        points.push_back({cx + rx * std::cos(a), cy + ry * std::sin(a)});
    }
    return points;
}

namespace {

// Scratch kept between calls, so a drag over the whole page allocates once:
// the inside of the shape's box, one byte a pixel, and each pixel's run of
// inside pixels from above.
struct Scratch {
    std::vector<std::uint8_t> inside;
    std::vector<std::uint16_t> fromAbove;
    std::vector<double> crossings;
};

Scratch& TheScratch() {
    static thread_local Scratch s;
    return s;
}

}  // namespace

// A row's inside is found from where the edges cross the row's middle
// (even-odd), so each row costs its edges and its pixels, and a shape as
// big as the page about a third of a millisecond. The outline's band is
// the pixels inside within `width` of an outside pixel along their row or
// column: two passes over the box, no distance sums.
void LayShape(Brush& b, const std::vector<ShapePoint>& points) {
    if (points.size() < 3) return;
    double minX = points[0].x, maxX = minX, minY = points[0].y, maxY = minY;
    for (const ShapePoint& p : points) {
        minX = std::min(minX, p.x), maxX = std::max(maxX, p.x);
        minY = std::min(minY, p.y), maxY = std::max(maxY, p.y);
    }
    Surface& canvas = b.canvas;
    // Far outside the page, huge coordinates are cut to the page first.
    const Rect box = Rect{int(std::floor(std::max(minX, -1.0))), int(std::floor(std::max(minY, -1.0))),
                          int(std::ceil(std::min(maxX, double(canvas.width())))) + 1,
                          int(std::ceil(std::min(maxY, double(canvas.height())))) + 1}
                         .intersected(canvas.bounds());
    if (box.empty()) return;
    const int w = box.width(), h = box.height();
    Scratch& s = TheScratch();
    s.inside.assign(std::size_t(w) * std::size_t(h), 0);
    for (int row = 0; row < h; ++row) {
        const double y = box.top + row;
        s.crossings.clear();
        for (std::size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
            const ShapePoint &a = points[i], &c = points[j];
            if ((a.y <= y) == (c.y <= y)) continue;
            s.crossings.push_back(a.x + (y - a.y) * (c.x - a.x) / (c.y - a.y));
        }
        std::sort(s.crossings.begin(), s.crossings.end());
        std::uint8_t* line = s.inside.data() + std::size_t(row) * std::size_t(w);
        for (std::size_t k = 0; k + 1 < s.crossings.size(); k += 2) {
            const int from = std::max(box.left, int(std::ceil(s.crossings[k]))) - box.left;
            const int to = std::min(box.right - 1, int(std::floor(s.crossings[k + 1]))) - box.left;
            if (from <= to) std::fill(line + from, line + to + 1, std::uint8_t(1));
        }
    }
    const bool filled = ShapeFilled(b);
    const int width = ShapeOutlineWidth(b);
    // Beyond the box (and so beyond the page's edge) counts as outside: a
    // shape cut by the edge gets its band along the edge too.
    const auto at = [&](int x, int y) { return s.inside[std::size_t(y) * std::size_t(w) + std::size_t(x)] != 0; };
    if (!filled) {
        s.fromAbove.assign(std::size_t(w) * std::size_t(h), 0);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                if (at(x, y))
                    s.fromAbove[std::size_t(y) * std::size_t(w) + std::size_t(x)] = std::uint16_t(
                        std::min(65535, (y > 0 ? s.fromAbove[std::size_t(y - 1) * std::size_t(w) + std::size_t(x)] : 0) + 1));
    }
    Colour* pixels = canvas.data();
    const std::size_t stride = std::size_t(canvas.width());
    std::vector<int> fromBelow(filled ? 0 : std::size_t(w), 0);
    for (int y = h - 1; y >= 0; --y) {
        int runStart = -1;
        for (int x = 0; x <= w; ++x) {
            const bool in = x < w && at(x, y);
            if (in && runStart < 0) runStart = x;
            if (!filled && x < w) fromBelow[std::size_t(x)] = in ? fromBelow[std::size_t(x)] + 1 : 0;
            if (in || runStart < 0) continue;
            // The run [runStart, x) of inside pixels on this row.
            for (int k = runStart; k < x; ++k) {
                if (!filled) {
                    const int across = std::min(k - runStart + 1, x - k);
                    const int down = std::min<int>(s.fromAbove[std::size_t(y) * std::size_t(w) + std::size_t(k)],
                                                   fromBelow[std::size_t(k)]);
                    if (across > width && down > width) continue;
                }
                Colour& p = pixels[std::size_t(box.top + y) * stride + std::size_t(box.left + k)];
                if (p == b.outline) continue;
                p = NotOutline(b, p, b.colour);
            }
            runStart = -1;
        }
    }
    canvas.markDirty(box);
}

}  // namespace pintaloo
