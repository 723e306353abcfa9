// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whether the desktop blends translucent windows. Without a compositing
// manager, the see-through corners of the rounded window would show black,
// so the window then cuts its outline with a mask instead.
namespace pintaloo {

bool DesktopComposites();

}  // namespace pintaloo
