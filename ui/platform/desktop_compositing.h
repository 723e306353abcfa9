// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whether the desktop blends translucent windows. Without a compositing
// manager, the see-through corners of the rounded window would show black,
// so the window then cuts its outline with a mask instead.
namespace pintaloo {

bool DesktopComposites();

// Puts the question to the X server now, for the next DesktopComposites()
// to read the answer without waiting. Asked while the server is still idle
// at start, the answer is there by the time the window is rounded; asked
// then, the main thread waited 1-3 ms on a server busy with the window
// being built. Nothing happens outside X11.
void AskWhetherDesktopComposites();

}  // namespace pintaloo
