// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The canvas's mouse icons (pictures 1..6 of the cursor list): the canvas
// shows them, and the parts that choose a tool ask for them.

namespace pintaloo {

enum class CanvasCursor { Pencil = 1, Stamp = 2, Fill = 3, Eraser = 4, Models = 5, Dropper = 6 };

}  // namespace pintaloo
