// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/platform/audio_backend.h"

#include <string>
#include <vector>

namespace pintaloo {

// Records what the program asked to play, for tests.
class FakeAudioBackend final : public AudioBackend {
public:
    struct Call {
        std::string what;  // "playWave", "openMp3" or "runMp3"
        std::string path;  // empty for runMp3
        bool operator==(const Call&) const = default;
    };

    std::vector<Call> calls;
    // What openMp3 answers; runMp3 then answers whether an MP3 is loaded.
    bool mp3Opens = true;

    void playWave(const std::string& path) override { calls.push_back({"playWave", path}); }
    bool openMp3(const std::string& path) override {
        calls.push_back({"openMp3", path});
        m_loaded = m_loaded || mp3Opens;
        return mp3Opens;
    }
    bool runMp3() override {
        calls.push_back({"runMp3", {}});
        return m_loaded;
    }

private:
    bool m_loaded = false;
};

}  // namespace pintaloo
