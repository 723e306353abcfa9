// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The smudge brush: drags the paint along the stroke like a wet finger.
#include <cmath>
#include <vector>

#include "engine/toolbox/brush_area.h"

namespace pintaloo {

namespace {

constexpr Tool kSmudge = Tool(36);

// Each step pulls the paint from where the brush was a step before (its
// memory's last point) into where it is now: every pixel of the disc
// moves most of the way (three quarters in the middle, less at the rim)
// to the colour the same spot of the last disc had. Paint so travels
// with the brush and thins out behind it. The last disc is copied first,
// since the two overlap. Outline pixels are not dragged along, so a
// colouring page's lines do not smear into the paint. The press only
// remembers where the stroke starts.
void Smudge(Brush& b, std::int16_t x, std::int16_t y) {
    const int radius = BrushRadius(b);
    int dx = x - b.memory.lastX, dy = y - b.memory.lastY;
    b.memory.lastX = x;
    b.memory.lastY = y;
    if (b.phase == MousePhase::Down || (dx == 0 && dy == 0)) return;
    // A jump longer than the radius (a step laid without the stroke's
    // spacing, or a last point another tool left) pulls from a radius back
    // along it: the finger drags what it was just on, not paint from afar.
    const double length = std::hypot(double(dx), double(dy));
    if (length > radius) {
        dx = int(std::lround(double(dx) * radius / length));
        dy = int(std::lround(double(dy) * radius / length));
    }
    const Rect from = BrushBox(b.canvas, x - dx, y - dy, radius);
    const auto index = [](int i, int j, int width) {
        return static_cast<std::size_t>(j) * static_cast<std::size_t>(width) + static_cast<std::size_t>(i);
    };
    std::vector<Colour> was(index(0, from.height(), from.width()));
    for (int j = from.top; j < from.bottom; ++j)
        for (int i = from.left; i < from.right; ++i)
            was[index(i - from.left, j - from.top, from.width())] = b.canvas.data()[index(i, j, b.canvas.width())];
    ChangeUnderBrush(b, x, y, radius, [&](int px, int py, Colour old) {
        const int sx = px - dx, sy = py - dy;
        if (!from.contains(sx, sy)) return old;
        const Colour pulled = was[index(sx - from.left, sy - from.top, from.width())];
        if (pulled == b.outline) return old;
        return NotOutline(b, old, Towards(old, pulled, SoftWeight(px - x, py - y, radius, 192)));
    });
}

}  // namespace

// It keeps the last point in its memory, so it is one finger's brush.
PINTALOO_TOOL_ROWS(magic_smudge, {.tool = kSmudge, .paint = Smudge, .spacing = spacing::HalfBrush,
                                  .button = ToolButton::Magic, .entry = 6, .cell = 6, .art = "magic_smudge",
                                  .name = "magic.smudge.name", .help = "magic.smudge.help",
                                  .followsPressure = true});

}  // namespace pintaloo
