// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Hue, lightness, saturation to red, green, blue. The hue circle starts at
// magenta (hue 0) and reaches pure red at 60; the rainbow line walks it.
#include <cstdint>

#include "engine/editor/editor_state.h"

namespace pintaloo {

// Writes the result into HlsRed, HlsGreen and HlsBlue. Every step is worked
// in single precision, as the table of hues was tuned with it.
void SetHLS(EditorState& s, std::int16_t H, std::int16_t L, std::int16_t S);

// HueTable(h) = SetHLS(h, 50, 100) for h = 0..360.
void FillHueTable(EditorState& s);

}  // namespace pintaloo
