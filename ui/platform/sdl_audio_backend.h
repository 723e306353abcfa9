// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/platform/audio_backend.h"

#include <atomic>
#include <mutex>
#include <string>
#include <thread>

struct Mix_Chunk;
// SDL_mixer's own spelling of its music type, repeated so this header need not
// pull SDL in; the reserved name is theirs, not ours.
typedef struct _Mix_Music Mix_Music;  // NOLINT(bugprone-reserved-identifier)

namespace pintaloo {

// Plays through SDL2_mixer: one wave sound at a time on its own channel, and
// one MP3 at a time as music, the two mixed together.
//
// The sound device is opened on first use, so a program that never makes a
// sound never touches it. If SDL or the device cannot be opened (no sound
// card, no sound server, a bad SDL_AUDIODRIVER), the backend stays silent for
// good: every call still returns at once and nothing fails louder than that.
//
// SDL_mixer's state is global, so only one SdlAudioBackend may exist at a
// time; a second one stays silent. Use it from the UI thread only.
//
// Loading the mixer and opening a sound device can take a tenth of a second
// (longer where there is no card and every driver is tried in turn), so the
// program asks for both to wait until its window is up (deferOpening) and
// then to happen in the background: sounds requested meanwhile do not wait
// — the last wave sound asked for plays as soon as the device is open.
class SdlAudioBackend final : public AudioBackend {
public:
    SdlAudioBackend();
    ~SdlAudioBackend() override;
    SdlAudioBackend(const SdlAudioBackend&) = delete;
    SdlAudioBackend& operator=(const SdlAudioBackend&) = delete;

    void playWave(const std::string& path) override;
    bool openMp3(const std::string& path) override;
    bool runMp3() override;

    // Until openInBackground, sounds are only remembered (the last wave).
    void deferOpening();
    // Loads the mixer and opens the device on a thread of its own, and
    // returns at once.
    void openInBackground();

    // Opens the device if not tried yet (waiting for a background opening
    // to finish); false when the backend is silent.
    bool isAudible();

    // What the open device plays: frames a second and channels, with 16-bit
    // samples in the machine's byte order. Zeros while silent.
    struct Format {
        int rate = 0;
        int channels = 0;
    };
    Format deviceFormat();

private:
    enum class Device { Untried, Deferred, Opening, Open, Silent };

    void freeFinishedWave();
    bool openDevice();  // the slow part; touches no member but the library
    bool waiting() const { return m_device == Device::Deferred || m_device == Device::Opening; }
    void playNow(const std::string& path);

    std::atomic<Device> m_device{Device::Untried};
    std::mutex m_lock;          // SDL_mixer calls and the pending sound
    std::string m_pendingWave;  // asked for while the device was opening
    // Loads the library, then waits for an SDL thread that opens the device
    // (SDL frees its per-thread error buffer only for threads it started).
    std::thread m_opener;
    void finishOpening(bool open);
    void waitForOpener();
    Mix_Chunk* m_wave = nullptr;
    Mix_Music* m_music = nullptr;
};

}  // namespace pintaloo
