// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// SDL2_mixer, loaded when sound is first wanted rather than when the
// program starts. The mixer brings some fifty codec and sound-server
// libraries with it; linked in, every one of them would be loaded and
// searched for symbols before the window could appear.
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
    decltype(&::SDL_realloc) Realloc;
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

// The library's entry points, loaded on the first call (from any one
// thread at a time); null when the library or one of them is missing, and
// the program then stays silent.
const SdlLibrary* LoadSdlLibrary();

}  // namespace pintaloo
