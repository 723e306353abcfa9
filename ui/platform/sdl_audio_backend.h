// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/platform/audio_backend.h"

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>

struct Mix_Chunk;
// SDL_mixer's own spelling of its music type, repeated so this header need not
// pull SDL in; the reserved name is theirs, not ours.
typedef struct _Mix_Music Mix_Music;  // NOLINT(bugprone-reserved-identifier)

namespace pintaloo {

// Plays wave sounds through SDL2 alone, one at a time: a new one cuts off
// the last. The first MP3 tone or Ogg sound brings in SDL2_mixer, loaded in
// the background while the waves go on; the device is then handed to the
// mixer, which plays the rest of the wave sound that was playing, and from
// then on one wave at a time on its own channel and one MP3 at a time as
// music, the two mixed together. A session that never plays a tone never
// loads the mixer and the libraries it brings.
//
// The sound device is opened on first use, so a program that never makes a
// sound never touches it. If SDL or the device cannot be opened (no sound
// card, no sound server, a bad SDL_AUDIODRIVER), the backend stays silent for
// good: every call still returns at once and nothing fails louder than that.
//
// SDL's audio and SDL_mixer's state are global, so only one SdlAudioBackend
// may exist at a time; a second one stays silent. Use it from the UI thread
// only.
//
// Loading SDL and opening a sound device can take a tenth of a second
// (longer where there is no card and every driver is tried in turn), so the
// program asks for both to wait until its window is up (deferOpening) and
// then to happen in the background: sounds requested meanwhile do not wait
// — the last wave sound asked for plays as soon as the device is open, and
// the last tone asked for while the mixer loads plays once it is in.
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
    // or a loading mixer to finish); false when the backend is silent.
    bool isAudible();
    // Whether SDL2_mixer has been loaded and plays (after waiting for it).
    bool mixerIsIn();

    // What the open device plays: frames a second and channels, with 16-bit
    // samples in the machine's byte order. Zeros while silent.
    struct Format {
        int rate = 0;
        int channels = 0;
    };
    Format deviceFormat();

private:
    enum class Device { Untried, Deferred, Opening, Open, Silent };
    enum class Mixer { Absent, Loading, In, Missing };

    void freeFinishedWave();
    bool openDevice();  // the slow part; touches no member but the library
    bool waiting() const { return m_device == Device::Deferred || m_device == Device::Opening; }
    void playNow(const std::string& path);
    bool queueWave(const std::string& path);
    // `from` is where to start, as a share of the whole (0 to 1).
    void playOnMixer(const std::string& path, double from = 0);
    void bringMixerIn();  // starts loading it, once
    void handOverToMixer(bool loaded);
    void closeQueue();

    std::atomic<Device> m_device{Device::Untried};
    std::atomic<Mixer> m_mixer{Mixer::Absent};
    std::mutex m_lock;          // SDL and SDL_mixer calls and the pending sounds
    std::string m_pendingWave;  // asked for while the device opened or the mixer loaded
    std::string m_pendingTone;  // asked for while the mixer loaded
    bool m_pendingToneRuns = false;
    // Loads a library, then waits for an SDL thread that opens the device or
    // hands it over (SDL frees its per-thread error buffer only for threads
    // it started).
    std::thread m_opener;
    std::thread m_loader;  // the mixer's
    void runOnSdlThread(void (*job)(SdlAudioBackend&));
    void finishOpening(bool open);
    void waitForOpener();
    void waitForLoader();
    // The device SDL alone plays through, with the wave last queued on it.
    std::uint32_t m_queue = 0;
    int m_rate = 0;
    int m_channels = 0;
    std::string m_queuedWave;
    std::uint32_t m_queuedBytes = 0;
    Mix_Chunk* m_wave = nullptr;
    Mix_Music* m_music = nullptr;
};

}  // namespace pintaloo
