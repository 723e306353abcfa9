// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The negative brush: turns the paint under it into its opposite colours.
#include "engine/toolbox/brush_area.h"

namespace pintaloo {

namespace {

constexpr Tool kNegative = Tool(40);

// The opposite colour, but never the outline colour: the colour whose
// opposite is the outline's (white, for black lines) turns instead into its
// nearest neighbour (one step of red away from the outline), and that one
// back into it. So the paper turns near-black, not into a line the other
// tools would stop at, and twice is still exactly the picture. The
// neighbour's own opposite (near-white) has nowhere left to go and stays.
Colour Opposite(Colour c, Colour outline) {
    const Colour o = outline & 0xFFFFFFu, near = o ^ 1u;
    const auto flip = [](Colour v) { return Rgb(255 - RedOf(v), 255 - GreenOf(v), 255 - BlueOf(v)); };
    if (c == flip(o)) return near;
    if (c == near) return flip(o);
    if (c == flip(near)) return c;
    return flip(c);
}

// A stroke's steps overlap, and turning a pixel twice would give it back,
// so a step turns only the pixels of its disc that were not in the step
// before's (its memory's last point, the disc of the same radius there);
// the press turns its whole disc. A stroke along a line or a curve turns
// each pixel once. Coming back over its own track, a stroke turns it back,
// as a second stroke does. The step before's disc is taken at this step's
// radius: a pen pressing harder on one spot turns the ring it widens by.
void Negative(Brush& b, std::int16_t x, std::int16_t y) {
    const int radius = BrushRadius(b);
    const long long lastX = b.memory.lastX, lastY = b.memory.lastY, r2 = static_cast<long long>(radius) * radius;
    const bool wholeDisc = b.phase == MousePhase::Down;
    b.memory.lastX = x;
    b.memory.lastY = y;
    ChangeUnderBrush(b, x, y, radius, [&](int px, int py, Colour old) {
        if (!wholeDisc && (px - lastX) * (px - lastX) + (py - lastY) * (py - lastY) <= r2) return old;
        return Opposite(old, b.outline);
    });
}

}  // namespace

// It keeps the last point in its memory, so it is one finger's brush.
PINTALOO_TOOL_ROWS(magic_negative, {.tool = kNegative, .paint = Negative, .spacing = spacing::HalfBrush,
                                    .button = ToolButton::Magic, .entry = 10, .cell = 10, .art = "magic_negative",
                                    .name = "magic.negative.name", .help = "magic.negative.help",
                                    .followsPressure = true});

}  // namespace pintaloo
