// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The tint brush: colours the paint under it with the chosen colour, keeping
// its light and dark, so a drawing's shading shows through the new colour.
#include <algorithm>

#include "engine/toolbox/brush_area.h"

namespace pintaloo {

namespace {

constexpr Tool kTint = Tool(37);

// How light a colour looks, 0 to 255 (the usual weights of red, green
// and blue for the eye, in 256ths).
int Lightness(Colour c) { return (77 * RedOf(c) + 150 * GreenOf(c) + 29 * BlueOf(c) + 128) >> 8; }

// The chosen colour at the lightness `light`: scaled down toward black
// below the chosen colour's own lightness, mixed up toward white above it.
// Each part rises with `light`, so a lighter pixel never comes out darker
// than a darker one, and the result is about as light as `light` (white
// paper stays white, as a tint on white shows nothing).
Colour AtLightness(Colour chosen, int chosenLight, int light) {
    const auto part = [&](int c) {
        if (light <= chosenLight) return chosenLight ? (c * light + chosenLight / 2) / chosenLight : 0;
        const int room = 255 - chosenLight;
        return c + ((255 - c) * (light - chosenLight) + room / 2) / room;
    };
    return Rgb(part(RedOf(chosen)), part(GreenOf(chosen)), part(BlueOf(chosen)));
}

// `weight` 256ths of the way from one colour to another, each part
// rounded to the nearest (a part a step or two short of its goal stays, so
// a pixel settles near its tinted colour and then no longer changes), then
// moved as a whole back to the lightness `from` had: the same amount added
// to all three parts changes the lightness by exactly that amount, so the
// rounding of many passes never creeps a pixel lighter or darker. (Only a
// part already at 0 or 255 cannot follow.)
Colour Blend(Colour from, Colour to, int weight) {
    const auto part = [weight](int a, int b) { return a + ((b - a) * weight + (b >= a ? 128 : -128)) / 256; };
    const Colour mixed = Rgb(part(RedOf(from), RedOf(to)), part(GreenOf(from), GreenOf(to)),
                             part(BlueOf(from), BlueOf(to)));
    const int shift = Lightness(from) - Lightness(mixed);
    const auto moved = [shift](int a) { return std::clamp(a + shift, 0, 255); };
    return Rgb(moved(RedOf(mixed)), moved(GreenOf(mixed)), moved(BlueOf(mixed)));
}

// A fifth of the way to the tinted colour in the middle of the brush, a
// tenth at the rim: the colour creeps in over a few passes.
void Tint(Brush& b, std::int16_t x, std::int16_t y) {
    const int radius = BrushRadius(b), chosenLight = Lightness(b.colour);
    ChangeUnderBrush(b, x, y, radius, [&](int px, int py, Colour old) {
        const Colour tinted = AtLightness(b.colour, chosenLight, Lightness(old));
        return NotOutline(b, old, Blend(old, tinted, SoftWeight(px - x, py - y, radius, 52)));
    });
}

}  // namespace

PINTALOO_TOOL_ROWS(magic_tint, {.tool = kTint, .paint = Tint, .severalAtOnce = true, .spacing = spacing::HalfBrush,
                                .button = ToolButton::Magic, .entry = 7, .cell = 7, .art = "magic_tint",
                                .name = "magic.tint.name", .help = "magic.tint.help", .followsPressure = true});

}  // namespace pintaloo
