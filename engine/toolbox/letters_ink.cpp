// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/toolbox/letters_ink.h"

#include <algorithm>
#include <cstddef>

namespace pintaloo {

Rect InkLetters(Surface& canvas, const LetterCoverage& coverage, Colour ink, Colour outline) {
    Rect changed;
    if (!coverage.bytes || coverage.width <= 0 || coverage.height <= 0 || coverage.stride < coverage.width)
        return changed;
    const Rect area = Rect{coverage.left, coverage.top, coverage.left + coverage.width, coverage.top + coverage.height}
                          .intersected(canvas.bounds());
    if (area.empty()) return changed;
    const int r = RedOf(ink), g = GreenOf(ink), b = BlueOf(ink);
    Colour* pixels = canvas.data();
    const auto width = static_cast<std::size_t>(canvas.width());
    int left = area.right, right = area.left, top = area.bottom, bottom = area.top;
    for (int y = area.top; y < area.bottom; ++y) {
        const std::uint8_t* row = coverage.bytes + static_cast<std::size_t>(y - coverage.top) * std::size_t(coverage.stride);
        Colour* line = pixels + static_cast<std::size_t>(y) * width;
        for (int x = area.left; x < area.right; ++x) {
            const int cover = row[x - coverage.left];
            if (cover == 0) continue;
            Colour& p = line[x];
            if (p == outline) continue;
            const Colour next = cover == 255 ? ink
                                             : Rgb(BlendChannel(RedOf(p), r, cover), BlendChannel(GreenOf(p), g, cover),
                                                   BlendChannel(BlueOf(p), b, cover));
            if (next == outline || next == p) continue;
            p = next;
            left = std::min(left, x);
            right = std::max(right, x + 1);
            top = std::min(top, y);
            bottom = std::max(bottom, y + 1);
        }
    }
    if (left < right) {
        changed = Rect{left, top, right, bottom};
        canvas.markDirty(changed);
    }
    return changed;
}

}  // namespace pintaloo
