// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// A magic brush: the crayon at eight places: the four reflections about the
// middle and the same again across the diagonals, like a snowflake. Where a
// diagonal copy falls above or below this wide canvas it is left out.
#include "engine/toolbox/mirrored_crayon.h"
#include "engine/toolbox/tools_table.h"

namespace pintaloo {

constexpr Tool kKaleido8 = Tool(32);

namespace {

void Kaleido8(Brush& b, std::int16_t x, std::int16_t y) { MirroredCrayon(b, x, y, Mirrors::EightWay); }

}  // namespace

// Like the pencil its blocks join up along a fast step, and it remembers
// nothing between steps, so each finger paints its own line (and copies).
PINTALOO_TOOL_ROWS(magic_kaleido8, {.tool = kKaleido8,
                                    .paint = Kaleido8,
                                    .joinsUp = true,
                                    .severalAtOnce = true,
                                    .button = ToolButton::Magic,
                                    .entry = 2,
                                    .cell = 2,
                                    .art = "magic_kaleido8",
                                    .name = "magic.kaleido8.name",
                                    .help = "magic.kaleido8.help",
                                    .followsPressure = true});

}  // namespace pintaloo
