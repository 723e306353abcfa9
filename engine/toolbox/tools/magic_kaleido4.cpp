// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// A magic brush: the crayon at the point and at its three reflections about
// the canvas's middle (left-right, upside down, and both), like a four-
// mirror kaleidoscope.
#include "engine/toolbox/mirrored_crayon.h"
#include "engine/toolbox/tools_table.h"

namespace pintaloo {

constexpr Tool kKaleido4 = Tool(31);

namespace {

void Kaleido4(Brush& b, std::int16_t x, std::int16_t y) { MirroredCrayon(b, x, y, Mirrors::FourWay); }

}  // namespace

// Like the pencil its blocks join up along a fast step, and it remembers
// nothing between steps, so each finger paints its own line (and copies).
PINTALOO_TOOL_ROWS(magic_kaleido4, {.tool = kKaleido4,
                                    .paint = Kaleido4,
                                    .joinsUp = true,
                                    .severalAtOnce = true,
                                    .button = ToolButton::Magic,
                                    .entry = 1,
                                    .cell = 1,
                                    .art = "magic_kaleido4",
                                    .name = "magic.kaleido4.name",
                                    .help = "magic.kaleido4.help",
                                    .followsPressure = true});

}  // namespace pintaloo
