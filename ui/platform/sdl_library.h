// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// SDL2 and SDL2_mixer, loaded when sound is first wanted rather than when
// the program starts, and each only when its own work is wanted. SDL alone
// plays our wave sounds; the mixer, with some fifty codec and sound-server
// libraries behind it (2.6 MB of the program's memory, and as long to load
// as everything else our start does on the second core), comes in for the
// first MP3 tone or Ogg sound.
#include <SDL.h>
#include <SDL_mixer.h>

namespace pintaloo {

struct SdlLibrary {
    decltype(&::SDL_InitSubSystem) InitSubSystem;
    decltype(&::SDL_QuitSubSystem) QuitSubSystem;
    decltype(&::SDL_WasInit) WasInit;
    decltype(&::SDL_Quit) Quit;
    decltype(&::SDL_SetHint) SetHint;
    decltype(&::SDL_CreateThread) CreateThread;
    decltype(&::SDL_WaitThread) WaitThread;
    decltype(&::SDL_RWFromFile) RWFromFile;
    decltype(&::SDL_malloc) Malloc;
    decltype(&::SDL_realloc) Realloc;
    decltype(&::SDL_free) Free;
    decltype(&::SDL_OpenAudioDevice) OpenAudioDevice;
    decltype(&::SDL_CloseAudioDevice) CloseAudioDevice;
    decltype(&::SDL_PauseAudioDevice) PauseAudioDevice;
    decltype(&::SDL_QueueAudio) QueueAudio;
    decltype(&::SDL_ClearQueuedAudio) ClearQueuedAudio;
    decltype(&::SDL_GetQueuedAudioSize) GetQueuedAudioSize;
    decltype(&::SDL_LoadWAV_RW) LoadWAV_RW;
    decltype(&::SDL_FreeWAV) FreeWAV;
    decltype(&::SDL_BuildAudioCVT) BuildAudioCVT;
    decltype(&::SDL_ConvertAudio) ConvertAudio;
};

struct MixerLibrary {
    decltype(&::Mix_Init) MixInit;
    decltype(&::Mix_Quit) MixQuit;
    decltype(&::Mix_OpenAudio) OpenAudio;
    decltype(&::Mix_CloseAudio) CloseAudio;
    decltype(&::Mix_AllocateChannels) AllocateChannels;
    decltype(&::Mix_QuerySpec) QuerySpec;
    decltype(&::Mix_LoadWAV_RW) LoadWAV_RW;
    decltype(&::Mix_FreeChunk) FreeChunk;
    decltype(&::Mix_PlayChannelTimed) PlayChannelTimed;
    decltype(&::Mix_HaltChannel) HaltChannel;
    decltype(&::Mix_Playing) Playing;
    decltype(&::Mix_LoadMUS) LoadMUS;
    decltype(&::Mix_FreeMusic) FreeMusic;
    decltype(&::Mix_PlayMusic) PlayMusic;
    decltype(&::Mix_HaltMusic) HaltMusic;
    decltype(&::Mix_VolumeMusic) VolumeMusic;
};

// Each library's entry points, loaded on the first call (from any one
// thread at a time); null when the library or one of them is missing. The
// program is then silent (SDL), or plays its waves but no tone (the mixer).
const SdlLibrary* LoadSdlLibrary();
const MixerLibrary* LoadMixerLibrary();

}  // namespace pintaloo
