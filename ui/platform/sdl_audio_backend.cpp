// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/platform/sdl_audio_backend.h"

#include "ui/platform/sdl_library.h"

#include <atomic>

namespace pintaloo {

namespace {

// Wave sounds share one channel so a new one cuts off the last: quick
// repeated clicks then stay clicks instead of piling up into noise.
constexpr int kWaveChannel = 0;

// Short buffers keep the delay between a click and its sound small
// (1024 frames is about 23 ms at 44.1 kHz).
constexpr int kBufferFrames = 1024;

// SDL_mixer keeps its state in globals, so one backend at a time may hold
// the device. Set on the UI thread, cleared by the opener thread when the
// device will not open: atomic, and claimed with one exchange so two
// backends can never both take it.
std::atomic<bool> g_deviceInUse{false};

const SdlLibrary& Sdl() { return *LoadSdlLibrary(); }  // only once a device is open or opening

}  // namespace

SdlAudioBackend::SdlAudioBackend() = default;

SdlAudioBackend::~SdlAudioBackend() {
    waitForOpener();
    if (m_device != Device::Open) return;
    Sdl().HaltChannel(-1);
    Sdl().HaltMusic();
    if (m_wave) Sdl().FreeChunk(m_wave);
    if (m_music) Sdl().FreeMusic(m_music);
    Sdl().CloseAudio();
    Sdl().MixQuit();
    Sdl().QuitSubSystem(SDL_INIT_AUDIO);
    if (Sdl().WasInit(SDL_INIT_EVERYTHING) == 0) Sdl().Quit();
    g_deviceInUse = false;
}

bool SdlAudioBackend::openDevice() {
    Sdl().SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    Sdl().SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "Pintaloo");
    if (Sdl().InitSubSystem(SDL_INIT_AUDIO) != 0) return false;

    Sdl().MixInit(MIX_INIT_MP3);
    if (Sdl().OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, kBufferFrames) != 0 &&
        Sdl().OpenAudio(22050, MIX_DEFAULT_FORMAT, 2, kBufferFrames) != 0) {
        Sdl().MixQuit();
        Sdl().QuitSubSystem(SDL_INIT_AUDIO);
        if (Sdl().WasInit(SDL_INIT_EVERYTHING) == 0) Sdl().Quit();
        return false;
    }
    Sdl().AllocateChannels(1);
    return true;
}

void SdlAudioBackend::deferOpening() {
    if (m_device == Device::Untried) m_device = Device::Deferred;
}

void SdlAudioBackend::openInBackground() {
    if (m_device != Device::Untried && m_device != Device::Deferred) return;
    if (g_deviceInUse.exchange(true)) {
        std::lock_guard<std::mutex> guard(m_lock);
        m_device = Device::Silent;
        m_pendingWave.clear();
        return;
    }
    m_device = Device::Opening;
    m_opener = std::thread([this] {
        if (!LoadSdlLibrary()) {
            finishOpening(false);
            return;
        }
        const auto open = [](void* self) -> int {
            auto* backend = static_cast<SdlAudioBackend*>(self);
            backend->finishOpening(backend->openDevice());
            return 0;
        };
        if (SDL_Thread* thread = Sdl().CreateThread(open, "pintaloo-audio-open", this))
            Sdl().WaitThread(thread, nullptr);
        else
            open(this);
    });
}

void SdlAudioBackend::finishOpening(bool open) {
    std::lock_guard<std::mutex> guard(m_lock);
    m_device = open ? Device::Open : Device::Silent;
    if (!open)
        g_deviceInUse = false;
    else if (!m_pendingWave.empty())
        playNow(m_pendingWave);
    m_pendingWave.clear();
}

void SdlAudioBackend::waitForOpener() {
    if (m_opener.joinable()) m_opener.join();
}

bool SdlAudioBackend::isAudible() {
    if (m_device == Device::Deferred) openInBackground();
    if (m_device == Device::Opening) waitForOpener();
    if (m_device != Device::Untried) return m_device == Device::Open;
    m_device = Device::Silent;
    if (g_deviceInUse.exchange(true)) return false;
    if (!LoadSdlLibrary() || !openDevice()) {
        g_deviceInUse = false;
        return false;
    }
    m_device = Device::Open;
    return true;
}

SdlAudioBackend::Format SdlAudioBackend::deviceFormat() {
    Format format;
    Uint16 sampleType = 0;
    if (!isAudible() || Sdl().QuerySpec(&format.rate, &sampleType, &format.channels) != 1 || sampleType != AUDIO_S16SYS)
        return {};
    return format;
}

// A finished wave is freed at the next call rather than from SDL_mixer's
// "channel finished" callback, which runs on the audio thread where freeing
// a chunk is not allowed.
void SdlAudioBackend::freeFinishedWave() {
    if (m_wave && !Sdl().Playing(kWaveChannel)) {
        Sdl().FreeChunk(m_wave);
        m_wave = nullptr;
    }
}

void SdlAudioBackend::playWave(const std::string& path) {
    {
        std::lock_guard<std::mutex> guard(m_lock);
        if (waiting()) {
            m_pendingWave = path;  // played by the opener when ready
            return;
        }
    }
    if (!isAudible()) return;
    std::lock_guard<std::mutex> guard(m_lock);
    playNow(path);
}

void SdlAudioBackend::playNow(const std::string& path) {
    freeFinishedWave();
    Mix_Chunk* next = Sdl().LoadWAV_RW(Sdl().RWFromFile(path.c_str(), "rb"), 1);
    if (!next) return;
    // The mixer converts a wave to the device's format in a buffer sized
    // for the conversion's worst case and keeps all of it: the one-second
    // start sound (11 kHz mono) held 780 KB for its 190 KB of samples until
    // the next sound. Shrinking gives the rest back; it is the mixer's own
    // allocation (`allocated`), freed with SDL's allocator.
    if (next->allocated == 1 && next->alen > 0)
        if (void* fitted = Sdl().Realloc(next->abuf, next->alen)) next->abuf = static_cast<Uint8*>(fitted);
    Sdl().HaltChannel(kWaveChannel);
    if (m_wave) Sdl().FreeChunk(m_wave);
    m_wave = next;
    if (Sdl().PlayChannelTimed(kWaveChannel, m_wave, 0, -1) < 0) {
        Sdl().FreeChunk(m_wave);
        m_wave = nullptr;
    }
}

bool SdlAudioBackend::openMp3(const std::string& path) {
    if (waiting() || !isAudible()) return false;  // a tone asked for while the device opens is let go
    std::lock_guard<std::mutex> guard(m_lock);
    freeFinishedWave();
    Mix_Music* next = Sdl().LoadMUS(path.c_str());
    if (!next) return false;
    if (m_music) {
        Sdl().HaltMusic();
        Sdl().FreeMusic(m_music);
    }
    m_music = next;
    return true;
}

bool SdlAudioBackend::runMp3() {
    if (waiting() || !isAudible()) return false;
    std::lock_guard<std::mutex> guard(m_lock);
    if (!m_music) return false;
    freeFinishedWave();
    Sdl().VolumeMusic(MIX_MAX_VOLUME);
    return Sdl().PlayMusic(m_music, 0) == 0;
}

}  // namespace pintaloo
