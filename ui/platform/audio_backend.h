// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace pintaloo {

// Where sounds go. The program talks to this, so tests can swap the sound
// device for a recorder. Every call returns at once; a backend that cannot
// play just stays silent.
class AudioBackend {
public:
    virtual ~AudioBackend() = default;

    // Plays a wave file, cutting off the wave sound still playing.
    virtual void playWave(const std::string& path) = 0;
    // Loads an MP3 in place of the previous one. False if it cannot be loaded.
    virtual bool openMp3(const std::string& path) = 0;
    // Starts the loaded MP3 once, from the start. False when none is loaded.
    virtual bool runMp3() = 0;
};

}  // namespace pintaloo
