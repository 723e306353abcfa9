#include "sdl_audio_backend.h"

#include <SDL.h>
#include <SDL_mixer.h>

namespace pintaloo {

namespace {

// Wave sounds share one channel so a new one cuts off the last: quick
// repeated clicks then stay clicks instead of piling up into noise.
constexpr int kWaveChannel = 0;

// Short buffers keep the delay between a click and its sound small
// (1024 frames is about 23 ms at 44.1 kHz).
constexpr int kBufferFrames = 1024;

// SDL_mixer keeps its state in globals.
bool g_deviceInUse = false;

}  // namespace

SdlAudioBackend::SdlAudioBackend() = default;

SdlAudioBackend::~SdlAudioBackend() {
    waitForOpener();
    if (m_device != Device::Open)
        return;
    Mix_HaltChannel(-1);
    Mix_HaltMusic();
    if (m_wave)
        Mix_FreeChunk(m_wave);
    if (m_music)
        Mix_FreeMusic(m_music);
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    if (SDL_WasInit(SDL_INIT_EVERYTHING) == 0)
        SDL_Quit();
    g_deviceInUse = false;
}

bool SdlAudioBackend::openDevice() {
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "Pintaloo");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return false;

    Mix_Init(MIX_INIT_MP3);
    if (Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, kBufferFrames) != 0
        && Mix_OpenAudio(22050, MIX_DEFAULT_FORMAT, 2, kBufferFrames) != 0) {
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        if (SDL_WasInit(SDL_INIT_EVERYTHING) == 0)
            SDL_Quit();
        return false;
    }
    Mix_AllocateChannels(1);
    return true;
}

void SdlAudioBackend::openInBackground() {
    if (m_device != Device::Untried)
        return;
    if (g_deviceInUse) {
        m_device = Device::Silent;
        return;
    }
    g_deviceInUse = true;
    m_device = Device::Opening;
    m_opener = SDL_CreateThread(
        [](void* self) -> int {
            auto* backend = static_cast<SdlAudioBackend*>(self);
            backend->finishOpening(backend->openDevice());
            return 0;
        },
        "pintaloo-audio-open", this);
    if (!m_opener)
        finishOpening(openDevice());  // no thread to be had: open here
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
    if (m_opener) {
        SDL_WaitThread(m_opener, nullptr);
        m_opener = nullptr;
    }
}

bool SdlAudioBackend::isAudible() {
    if (m_device == Device::Opening)
        waitForOpener();
    if (m_device != Device::Untried)
        return m_device == Device::Open;
    m_device = Device::Silent;
    if (g_deviceInUse)
        return false;
    if (!openDevice())
        return false;
    m_device = Device::Open;
    g_deviceInUse = true;
    return true;
}

SdlAudioBackend::Format SdlAudioBackend::deviceFormat() {
    Format format;
    Uint16 sampleType = 0;
    if (!isAudible() || Mix_QuerySpec(&format.rate, &sampleType, &format.channels) != 1 || sampleType != AUDIO_S16SYS)
        return {};
    return format;
}

// A finished wave is freed at the next call rather than from SDL_mixer's
// "channel finished" callback, which runs on the audio thread where freeing
// a chunk is not allowed.
void SdlAudioBackend::freeFinishedWave() {
    if (m_wave && !Mix_Playing(kWaveChannel)) {
        Mix_FreeChunk(m_wave);
        m_wave = nullptr;
    }
}

void SdlAudioBackend::playWave(const std::string& path) {
    {
        std::lock_guard<std::mutex> guard(m_lock);
        if (m_device == Device::Opening) {
            m_pendingWave = path;  // played by the opener when ready
            return;
        }
    }
    if (!isAudible())
        return;
    std::lock_guard<std::mutex> guard(m_lock);
    playNow(path);
}

void SdlAudioBackend::playNow(const std::string& path) {
    freeFinishedWave();
    Mix_Chunk* next = Mix_LoadWAV(path.c_str());
    if (!next)
        return;
    Mix_HaltChannel(kWaveChannel);
    if (m_wave)
        Mix_FreeChunk(m_wave);
    m_wave = next;
    if (Mix_PlayChannel(kWaveChannel, m_wave, 0) < 0) {
        Mix_FreeChunk(m_wave);
        m_wave = nullptr;
    }
}

bool SdlAudioBackend::openMp3(const std::string& path) {
    if (m_device == Device::Opening || !isAudible())
        return false;  // a tone asked for while the device opens is let go
    std::lock_guard<std::mutex> guard(m_lock);
    freeFinishedWave();
    Mix_Music* next = Mix_LoadMUS(path.c_str());
    if (!next)
        return false;
    if (m_music) {
        Mix_HaltMusic();
        Mix_FreeMusic(m_music);
    }
    m_music = next;
    return true;
}

bool SdlAudioBackend::runMp3() {
    if (m_device == Device::Opening || !isAudible())
        return false;
    std::lock_guard<std::mutex> guard(m_lock);
    if (!m_music)
        return false;
    freeFinishedWave();
    Mix_VolumeMusic(MIX_MAX_VOLUME);
    return Mix_PlayMusic(m_music, 0) == 0;
}

}  // namespace pintaloo
