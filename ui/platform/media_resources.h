// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace pintaloo {

// Registers the sounds and animations embedded in this static library with
// Qt's resource system. The build already links them in a way that registers
// itself, so this is only a safety net; calling it any number of times is fine.
void initMediaResources();

}  // namespace pintaloo
