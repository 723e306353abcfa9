// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// A magic brush: the crayon at the point and again mirrored left to right
// about the canvas's middle, so the two halves of the picture match.
#include "engine/toolbox/mirrored_crayon.h"
#include "engine/toolbox/tools_table.h"

namespace pintaloo {

constexpr Tool kMirrorPaint = Tool(30);

namespace {

void MirrorPaint(Brush& b, std::int16_t x, std::int16_t y) { MirroredCrayon(b, x, y, Mirrors::LeftRight); }

}  // namespace

// Like the pencil its blocks join up along a fast step, and it remembers
// nothing between steps, so each finger paints its own line (and copies).
PINTALOO_TOOL_ROWS(magic_mirror_paint, {.tool = kMirrorPaint,
                                        .paint = MirrorPaint,
                                        .joinsUp = true,
                                        .severalAtOnce = true,
                                        .button = ToolButton::Magic,
                                        .entry = 0,
                                        .cell = 0,
                                        .art = "magic_mirror_paint",
                                        .name = "magic.mirrorPaint.name",
                                        .help = "magic.mirrorPaint.help",
                                        .followsPressure = true});

}  // namespace pintaloo
