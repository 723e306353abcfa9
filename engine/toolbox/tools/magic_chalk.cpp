// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// A magic brush: chalk. A round, grainy stroke in the current colour that
// leaves the paper showing through in specks, with a ragged edge, and grows
// a little deeper where the child goes over it again.
#include <algorithm>
#include <cstdint>

#include "engine/canvas/colour.h"
#include "engine/toolbox/brush_area.h"
#include "engine/toolbox/tools_table.h"

namespace pintaloo {

constexpr Tool kChalk = Tool(33);

namespace {

// The paper's tooth: how far each pixel stands up to catch chalk, 0..255.
// It is a fixed property of the paper (a hash of the position, in little
// level streaks three pixels long with each pixel's own wobble), not
// chance, so going over a stroke again fills the same bumps deeper and the
// hollows stay bare, as real chalk on rough paper does. It draws nothing
// from the random source.
int Tooth(int x, int y) {
    const auto hash = [](std::uint32_t a, std::uint32_t b) {
        std::uint32_t h = a * 0x8da6b343u ^ b * 0xd8163841u;
        h ^= h >> 15;
        h *= 0x2c1b3c6du;
        h ^= h >> 12;
        return int(h >> 24);
    };
    const std::uint32_t ux = std::uint32_t(x), uy = std::uint32_t(y);
    return (2 * hash(ux / 3u, uy) + hash(ux + 7919u, uy / 2u)) / 3;
}

// Pixels whose tooth is below this never take chalk: the specks of paper,
// about one pixel in six.
constexpr int kHollow = 70;

// Each dab catches a pixel with a chance that grows with its tooth and
// falls off towards the rim (so the edge comes out ragged, not round), and
// lays half colour, half what was there: the paper shows through the
// first pass, a second one deepens it. A fast step lays a dab every third
// of the radius, so a point in the stroke's middle meets about six.
void Chalk(Brush& b, std::int16_t x, std::int16_t y) {
    const int radius = BrushRadius(b);
    const long long r2 = static_cast<long long>(radius) * radius;
    ChangeUnderBrush(b, x, y, radius, [&](int px, int py, Colour old) {
        const float draw = b.rng.next();
        const int tooth = Tooth(px, py);
        if (tooth < kHollow || old == b.colour) return old;
        const long long dx = px - x, dy = py - y;
        const float rim = 1.0f - float(dx * dx + dy * dy) / float(r2 + 1);  // 1 in the middle, 0 at the edge
        const float chance = 0.7f * (0.35f + 0.65f * float(tooth - kHollow) / float(255 - kHollow)) *
                             std::min(1.0f, 0.1f + 1.6f * rim);
        if (!(draw < chance)) return old;
        std::int32_t mixed = 0;
        MixColors(std::int32_t(b.colour), std::int32_t(old), 1, 1, mixed);
        return Colour(mixed);
    });
}

int ChalkSpacing(std::int16_t brushSize) { return brushSize > 6 ? brushSize / 3 : 2; }

}  // namespace

// It remembers nothing between dabs, so several fingers chalk at once.
PINTALOO_TOOL_ROWS(magic_chalk, {.tool = kChalk,
                                 .paint = Chalk,
                                 .severalAtOnce = true,
                                 .spacing = ChalkSpacing,
                                 .button = ToolButton::Magic,
                                 .entry = 3,
                                 .cell = 3,
                                 .art = "magic_chalk",
                                 .name = "magic.chalk.name",
                                 .help = "magic.chalk.help",
                                 .followsPressure = true});

}  // namespace pintaloo
