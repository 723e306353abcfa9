// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

namespace pintaloo {

// Writes the embedded sound or animation `number` to `path`, so that the audio
// and animation libraries, which only take file names, can read it.
//
// A file already at `path` is used only when it holds exactly the embedded
// bytes; anything else there (an older program's file, one cut short, one
// changed by someone) is replaced. Otherwise the folder is created if missing
// (private, see TempFolder) and the bytes go to a temporary name first and
// are then renamed into place, so a crash never leaves half a file behind.
//
// Returns false for an unknown number or any failure. The program ignores the
// result (it then just plays nothing); tests use it.
bool ExtractResource(int16_t number, const std::string& path);

// The Qt resource path (":/media/...") embedded under `number`, or nullptr for
// a number the program does not know.
const char* embeddedMediaPath(int16_t number);

}  // namespace pintaloo
