#pragma once

#include <cstdint>
#include <string>

namespace pintaloo {

// Writes the embedded sound or animation `number` to `path`, so that the audio
// and animation libraries, which only take file names, can read it.
//
// A file already at `path` is used unchanged and never rewritten. Otherwise
// the folder is created if missing (private, see TempFolder) and the bytes go
// to a temporary name first and are then linked into place, so a crash never
// leaves half a file behind for the next run to trust.
//
// Returns false for an unknown number or any failure. The program ignores the
// result (it then just plays nothing); tests use it.
bool ExtractResource(int16_t number, const std::string& path);

// The Qt resource path (":/media/...") embedded under `number`, or nullptr for
// a number the program does not know.
const char* embeddedMediaPath(int16_t number);

}  // namespace pintaloo
