// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <algorithm>

namespace pintaloo {

// A pixel rectangle, right and bottom exclusive. Painters report the area
// they changed as one of these so the window repaints only that.
struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;

    bool empty() const { return right <= left || bottom <= top; }
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    void unite(const Rect& o) {
        if (o.empty()) return;
        if (empty()) {
            *this = o;
            return;
        }
        left = std::min(left, o.left);
        top = std::min(top, o.top);
        right = std::max(right, o.right);
        bottom = std::max(bottom, o.bottom);
    }
    Rect intersected(const Rect& o) const {
        Rect r{std::max(left, o.left), std::max(top, o.top), std::min(right, o.right), std::min(bottom, o.bottom)};
        return r.empty() ? Rect{} : r;
    }
    bool operator==(const Rect&) const = default;
};

}  // namespace pintaloo
