#pragma once

#include "audio_backend.h"

#include <atomic>
#include <mutex>
#include <string>

struct Mix_Chunk;
struct SDL_Thread;
typedef struct _Mix_Music Mix_Music;

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
// Opening a sound device can take a tenth of a second (longer where there is
// no card and every driver is tried in turn), so the program asks for it to
// be opened in the background at start-up: sounds requested meanwhile do not
// wait — the last wave sound asked for plays as soon as the device is open.
class SdlAudioBackend final : public AudioBackend {
public:
    SdlAudioBackend();
    ~SdlAudioBackend() override;
    SdlAudioBackend(const SdlAudioBackend&) = delete;
    SdlAudioBackend& operator=(const SdlAudioBackend&) = delete;

    void playWave(const std::string& path) override;
    bool openMp3(const std::string& path) override;
    bool runMp3() override;

    // Starts opening the device on a thread of its own and returns at once.
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
    enum class Device { Untried, Opening, Open, Silent };

    void freeFinishedWave();
    bool openDevice();  // the slow part; touches no member
    void playNow(const std::string& path);

    std::atomic<Device> m_device{Device::Untried};
    std::mutex m_lock;           // SDL_mixer calls and the pending sound
    std::string m_pendingWave;   // asked for while the device was opening
    // An SDL thread, not a std::thread: SDL frees its per-thread error
    // buffer only for threads it started itself.
    SDL_Thread* m_opener = nullptr;
    void finishOpening(bool open);
    void waitForOpener();
    Mix_Chunk* m_wave = nullptr;
    Mix_Music* m_music = nullptr;
};

}  // namespace pintaloo
