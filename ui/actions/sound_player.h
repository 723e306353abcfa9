// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The role of a part that makes a sound: the window plays it, and plays
// nothing while the sound button is off. Take it when the part plays any
// sound; the window fills both callbacks before it makes its parts.
#include <cstdint>
#include <functional>
#include <string>

#include "ui/platform/sounds.h"

namespace pintaloo {

struct SoundPlayer {
    std::function<void(WaveSound)> playWave;
    std::function<void(std::int16_t)> playMp3;  // the swatches' tones and the named MP3 sounds
    void playMp3Sound(Mp3Sound s) const { playMp3(std::int16_t(s)); }
    // Someone else's sound file (Sounds::PlayFile), logged as `number`.
    std::function<void(WaveSound number, const std::string& path, bool alongside)> playFile;
};

}  // namespace pintaloo
