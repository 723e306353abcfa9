// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/platform/sdl_audio_backend.h"

#include "ui/platform/sdl_library.h"

#include <unistd.h>

#include <atomic>
#include <cstring>
#include <utility>

namespace pintaloo {

namespace {

// Wave sounds share one channel so a new one cuts off the last: quick
// repeated clicks then stay clicks instead of piling up into noise.
constexpr int kWaveChannel = 0;

// Short buffers keep the delay between a click and its sound small
// (1024 frames is about 23 ms at 44.1 kHz).
constexpr int kBufferFrames = 1024;

// SDL's audio and SDL_mixer keep their state in globals, so one backend at a
// time may hold the device. Set on the UI thread, cleared by the opener
// thread when the device will not open: atomic, and claimed with one
// exchange so two backends can never both take it.
std::atomic<bool> g_deviceInUse{false};

// Only once a device is open or opening, and the mixer only once loaded.
const SdlLibrary& Sdl() { return *LoadSdlLibrary(); }
const MixerLibrary& Mix() { return *LoadMixerLibrary(); }

struct SdlJob {
    SdlAudioBackend* backend;
    void (*job)(SdlAudioBackend&);
};

}  // namespace

SdlAudioBackend::SdlAudioBackend() = default;

SdlAudioBackend::~SdlAudioBackend() {
    waitForOpener();
    waitForLoader();
    if (m_device != Device::Open) return;
    if (m_mixer == Mixer::In) {
        Mix().HaltChannel(-1);
        Mix().HaltMusic();
        if (m_wave) Mix().FreeChunk(m_wave);
        if (m_music) Mix().FreeMusic(m_music);
        Mix().CloseAudio();
        Mix().MixQuit();
    }
    closeQueue();
    Sdl().QuitSubSystem(SDL_INIT_AUDIO);
    if (Sdl().WasInit(SDL_INIT_EVERYTHING) == 0) Sdl().Quit();
    g_deviceInUse = false;
}

// SDL plays what is queued and silence when nothing is: the device runs
// from its opening, with no callback of ours.
bool SdlAudioBackend::openDevice() {
    Sdl().SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    Sdl().SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "Pintaloo");
    if (Sdl().InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    for (const int rate : {44100, 22050}) {
        SDL_AudioSpec want{};
        want.freq = rate;
        want.format = AUDIO_S16SYS;
        want.channels = 2;
        want.samples = kBufferFrames;
        SDL_AudioSpec have{};
        // No changes allowed: SDL converts to whatever the card takes.
        m_queue = Sdl().OpenAudioDevice(nullptr, 0, &want, &have, 0);
        if (m_queue != 0) {
            m_rate = rate;
            m_channels = 2;
            Sdl().PauseAudioDevice(m_queue, 0);
            return true;
        }
    }
    Sdl().QuitSubSystem(SDL_INIT_AUDIO);
    if (Sdl().WasInit(SDL_INIT_EVERYTHING) == 0) Sdl().Quit();
    return false;
}

void SdlAudioBackend::closeQueue() {
    if (m_queue == 0) return;
    Sdl().CloseAudioDevice(m_queue);
    m_queue = 0;
}

void SdlAudioBackend::deferOpening() {
    if (m_device == Device::Untried) m_device = Device::Deferred;
}

void SdlAudioBackend::runOnSdlThread(void (*job)(SdlAudioBackend&)) {
    SdlJob task{this, job};
    const auto run = [](void* data) -> int {
        auto* t = static_cast<SdlJob*>(data);
        t->job(*t->backend);
        return 0;
    };
    if (SDL_Thread* thread = Sdl().CreateThread(run, "pintaloo-audio-open", &task))
        Sdl().WaitThread(thread, nullptr);
    else
        run(&task);
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
        runOnSdlThread([](SdlAudioBackend& b) { b.finishOpening(b.openDevice()); });
    });
}

void SdlAudioBackend::finishOpening(bool open) {
    std::lock_guard<std::mutex> guard(m_lock);
    m_device = open ? Device::Open : Device::Silent;
    if (!open)
        g_deviceInUse = false;
    else if (!m_pendingWave.empty())
        playNow(std::exchange(m_pendingWave, {}));
    m_pendingWave.clear();
}

void SdlAudioBackend::waitForOpener() {
    if (m_opener.joinable()) m_opener.join();
}

void SdlAudioBackend::waitForLoader() {
    if (m_loader.joinable()) m_loader.join();
}

bool SdlAudioBackend::isAudible() {
    if (m_device == Device::Deferred) openInBackground();
    if (m_device == Device::Opening) waitForOpener();
    if (m_mixer == Mixer::Loading) waitForLoader();
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

bool SdlAudioBackend::mixerIsIn() { return isAudible() && m_mixer == Mixer::In; }

SdlAudioBackend::Format SdlAudioBackend::deviceFormat() {
    if (!isAudible()) return {};
    std::lock_guard<std::mutex> guard(m_lock);
    if (m_mixer != Mixer::In) return {m_rate, m_channels};
    Format format;
    Uint16 sampleType = 0;
    if (Mix().QuerySpec(&format.rate, &sampleType, &format.channels) != 1 || sampleType != AUDIO_S16SYS) return {};
    return format;
}

// The mixer is loaded on a thread of its own, once, while SDL alone goes on
// playing; what is asked for meanwhile waits for it (the last wave, the
// last tone).
void SdlAudioBackend::bringMixerIn() {
    if (m_mixer != Mixer::Absent) return;
    m_mixer = Mixer::Loading;
    m_loader = std::thread([this] {
        if (LoadMixerLibrary())
            runOnSdlThread([](SdlAudioBackend& b) { b.handOverToMixer(true); });
        else
            runOnSdlThread([](SdlAudioBackend& b) { b.handOverToMixer(false); });
    });
}

// The device SDL alone played through is closed and the mixer opens its
// own in the same format; the wave sound that was playing goes on from
// where it was (to within a buffer, some 23 ms).
void SdlAudioBackend::handOverToMixer(bool loaded) {
    std::lock_guard<std::mutex> guard(m_lock);
    const Uint32 left = m_queue ? Sdl().GetQueuedAudioSize(m_queue) : 0;
    const std::string playing = left > 0 && left <= m_queuedBytes ? m_queuedWave : std::string();
    const double from = playing.empty() ? 0 : 1.0 - double(left) / double(m_queuedBytes);
    bool in = false;
    if (loaded) {
        closeQueue();
        Mix().MixInit(MIX_INIT_MP3);
        in = Mix().OpenAudio(m_rate, AUDIO_S16SYS, m_channels, kBufferFrames) == 0;
        if (!in) Mix().MixQuit();
    }
    if (in) {
        Mix().AllocateChannels(1);
        m_mixer = Mixer::In;
        if (!m_pendingWave.empty())
            playOnMixer(m_pendingWave);
        else if (!playing.empty())
            playOnMixer(playing, from);
        if (!m_pendingTone.empty() && (m_music = Mix().LoadMUS(m_pendingTone.c_str())) && m_pendingToneRuns) {
            Mix().VolumeMusic(MIX_MAX_VOLUME);
            Mix().PlayMusic(m_music, 0);
        }
    } else {
        // Waves only, through SDL alone: its device again, if it was given up.
        m_mixer = Mixer::Missing;
        if (m_queue == 0) {
            m_queuedBytes = 0;
            if (!openDevice()) {
                m_device = Device::Silent;
                g_deviceInUse = false;
            }
        }
        if (m_device == Device::Open && !m_pendingWave.empty()) queueWave(m_pendingWave);
    }
    m_pendingWave.clear();
    m_pendingTone.clear();
    m_pendingToneRuns = false;
}

// A finished wave is freed at the next call rather than from SDL_mixer's
// "channel finished" callback, which runs on the audio thread where freeing
// a chunk is not allowed.
void SdlAudioBackend::freeFinishedWave() {
    if (m_wave && !Mix().Playing(kWaveChannel)) {
        Mix().FreeChunk(m_wave);
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
        if (m_device == Device::Open) return playNow(path);
    }
    if (!isAudible()) return;
    std::lock_guard<std::mutex> guard(m_lock);
    playNow(path);
}

void SdlAudioBackend::playNow(const std::string& path) {
    switch (m_mixer.load()) {
    case Mixer::In:
        return playOnMixer(path);
    case Mixer::Loading:
        m_pendingWave = path;
        return;
    case Mixer::Absent:
        if (queueWave(path)) return;
        // Not a wave SDL reads (an Ogg sound, say): the mixer reads it.
        m_pendingWave = path;
        return bringMixerIn();
    case Mixer::Missing:
        queueWave(path);
        return;
    }
}

// Read, converted to the device's format and queued in place of whatever
// was still to play.
bool SdlAudioBackend::queueWave(const std::string& path) {
    SDL_AudioSpec format{};
    Uint8* samples = nullptr;
    Uint32 length = 0;
    if (!Sdl().LoadWAV_RW(Sdl().RWFromFile(path.c_str(), "rb"), 1, &format, &samples, &length)) return false;
    bool queued = false;
    SDL_AudioCVT cvt{};
    const int needed =
        Sdl().BuildAudioCVT(&cvt, format.format, format.channels, format.freq, AUDIO_S16SYS, Uint8(m_channels), m_rate);
    if (needed == 0) {
        Sdl().ClearQueuedAudio(m_queue);
        queued = Sdl().QueueAudio(m_queue, samples, length) == 0;
        m_queuedBytes = length;
    } else if (needed > 0 && length <= Uint32(SDL_MAX_SINT32) / Uint32(cvt.len_mult)) {
        cvt.len = int(length);
        cvt.buf = static_cast<Uint8*>(Sdl().Malloc(std::size_t(length) * std::size_t(cvt.len_mult)));
        if (cvt.buf) {
            std::memcpy(cvt.buf, samples, length);
            if (Sdl().ConvertAudio(&cvt) == 0) {
                Sdl().ClearQueuedAudio(m_queue);
                queued = Sdl().QueueAudio(m_queue, cvt.buf, Uint32(cvt.len_cvt)) == 0;
                m_queuedBytes = Uint32(cvt.len_cvt);
            }
            Sdl().Free(cvt.buf);
        }
    }
    Sdl().FreeWAV(samples);
    if (queued) m_queuedWave = path;
    return queued;
}

void SdlAudioBackend::playOnMixer(const std::string& path, double from) {
    freeFinishedWave();
    Mix_Chunk* next = Mix().LoadWAV_RW(Sdl().RWFromFile(path.c_str(), "rb"), 1);
    if (!next) return;
    if (from > 0 && from < 1 && next->allocated == 1) {
        // The rest only, moved to the front of the chunk's own buffer so it
        // is still freed as the mixer allocated it; whole frames of 16-bit
        // samples.
        const Uint32 frame = Uint32(2 * m_channels);
        const Uint32 skip = Uint32(double(next->alen) * from) / frame * frame;
        std::memmove(next->abuf, next->abuf + skip, next->alen - skip);
        next->alen -= skip;
    }
    // The mixer converts a wave to the device's format in a buffer sized
    // for the conversion's worst case and keeps all of it: the one-second
    // start sound (11 kHz mono) held 780 KB for its 190 KB of samples until
    // the next sound. Shrinking gives the rest back; it is the mixer's own
    // allocation (`allocated`), freed with SDL's allocator.
    if (next->allocated == 1 && next->alen > 0)
        if (void* fitted = Sdl().Realloc(next->abuf, next->alen)) next->abuf = static_cast<Uint8*>(fitted);
    Mix().HaltChannel(kWaveChannel);
    if (m_wave) Mix().FreeChunk(m_wave);
    m_wave = next;
    if (Mix().PlayChannelTimed(kWaveChannel, m_wave, 0, -1) < 0) {
        Mix().FreeChunk(m_wave);
        m_wave = nullptr;
    }
}

bool SdlAudioBackend::openMp3(const std::string& path) {
    if (waiting()) return false;  // a tone asked for while the device opens is let go
    if (m_device != Device::Open && !isAudible()) return false;
    std::lock_guard<std::mutex> guard(m_lock);
    switch (m_mixer.load()) {
    case Mixer::Missing:
        return false;
    case Mixer::Absent:
        bringMixerIn();
        [[fallthrough]];
    case Mixer::Loading:
        // Only the mixer can tell whether the tone reads; a file that cannot
        // be opened at all is told at once.
        if (::access(path.c_str(), R_OK) != 0) return false;
        m_pendingTone = path;
        m_pendingToneRuns = false;
        return true;
    case Mixer::In:
        break;
    }
    freeFinishedWave();
    Mix_Music* next = Mix().LoadMUS(path.c_str());
    if (!next) return false;
    if (m_music) {
        Mix().HaltMusic();
        Mix().FreeMusic(m_music);
    }
    m_music = next;
    return true;
}

bool SdlAudioBackend::runMp3() {
    if (waiting()) return false;
    if (m_device != Device::Open && !isAudible()) return false;
    std::lock_guard<std::mutex> guard(m_lock);
    if (m_mixer == Mixer::Loading) {
        m_pendingToneRuns = !m_pendingTone.empty();
        return m_pendingToneRuns;
    }
    if (m_mixer != Mixer::In || !m_music) return false;
    freeFinishedWave();
    Mix().VolumeMusic(MIX_MAX_VOLUME);
    return Mix().PlayMusic(m_music, 0) == 0;
}

}  // namespace pintaloo
