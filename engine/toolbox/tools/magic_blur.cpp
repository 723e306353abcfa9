// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The blur brush: softens the paint under it, a little more with each pass.
#include <array>
#include <vector>

#include "engine/toolbox/brush_area.h"

namespace pintaloo {

namespace {

constexpr Tool kBlur = Tool(35);

// Each pixel becomes the average of the square around it, `reach` pixels
// each way: a fifth of the radius and one more (1, 2, 3 and 5 at the four
// sizes, 9 when a hard-pressing pen doubles the largest), so one stroke
// softens an edge visibly at every size, and each pass more.
// Outline pixels are left out of the average: a colouring page's lines do
// not run grey into the paint beside them. The sums come from a table of
// running totals over the patch and a border of `reach`, taken before any
// pixel changes, so every average reads the paint as it was and costs four
// look-ups whatever the reach (about 2,700 entries at the largest size, 43 KB;
// 10,000, 160 KB, for a hard-pressing pen).
void Blur(Brush& b, std::int16_t x, std::int16_t y) {
    const int radius = BrushRadius(b), reach = 1 + radius / 5;
    const Rect box = BrushBox(b.canvas, x, y, radius);
    if (box.empty()) return;
    const Rect around =
        Rect{box.left - reach, box.top - reach, box.right + reach, box.bottom + reach}.intersected(b.canvas.bounds());
    const int w = around.width() + 1, h = around.height() + 1;
    // Red, green, blue and how many, summed over [around.left, x) x [around.top, y).
    std::vector<std::array<int, 4>> sums(static_cast<std::size_t>(w) * static_cast<std::size_t>(h));
    const auto at = [&](int i, int j) -> std::array<int, 4>& {
        return sums[static_cast<std::size_t>(j) * static_cast<std::size_t>(w) + static_cast<std::size_t>(i)];
    };
    const Colour* pixels = b.canvas.data();
    for (int j = 1; j < h; ++j) {
        std::array<int, 4> row{};
        const Colour* line =
            pixels + static_cast<std::size_t>(around.top + j - 1) * static_cast<std::size_t>(b.canvas.width());
        for (int i = 1; i < w; ++i) {
            const Colour c = line[around.left + i - 1];
            if (c != b.outline) row = {row[0] + RedOf(c), row[1] + GreenOf(c), row[2] + BlueOf(c), row[3] + 1};
            const auto& up = at(i, j - 1);
            at(i, j) = {up[0] + row[0], up[1] + row[1], up[2] + row[2], up[3] + row[3]};
        }
    }
    ChangeUnderBrush(b, x, y, radius, [&](int px, int py, Colour old) {
        const int i0 = std::max(px - reach, around.left) - around.left;
        const int i1 = std::min(px + reach + 1, around.right) - around.left;
        const int j0 = std::max(py - reach, around.top) - around.top;
        const int j1 = std::min(py + reach + 1, around.bottom) - around.top;
        std::array<int, 4> s{};
        for (std::size_t k = 0; k < 4; ++k) s[k] = at(i1, j1)[k] - at(i0, j1)[k] - at(i1, j0)[k] + at(i0, j0)[k];
        // The pixel itself is never an outline, so the count is at least one.
        const int n = s[3], half = n / 2;
        return NotOutline(b, old, Rgb((s[0] + half) / n, (s[1] + half) / n, (s[2] + half) / n));
    });
}

}  // namespace

// It keeps no memory, so several fingers blur at once.
PINTALOO_TOOL_ROWS(magic_blur, {.tool = kBlur, .paint = Blur, .severalAtOnce = true, .spacing = spacing::HalfBrush,
                                .button = ToolButton::Magic, .entry = 5, .cell = 5, .art = "magic_blur",
                                .name = "magic.blur.name", .help = "magic.blur.help", .followsPressure = true});

}  // namespace pintaloo
