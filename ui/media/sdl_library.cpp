// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sdl_library.h"

#include <dlfcn.h>

#include <mutex>

namespace pintaloo {

namespace {

template <typename Fn>
bool Find(void* handle, const char* name, Fn& out) {
    out = reinterpret_cast<Fn>(dlsym(handle, name));
    return out != nullptr;
}

bool LoadAll(void* h, SdlLibrary& l) {
    // dlsym on the mixer's handle also searches the SDL library it needs.
    return Find(h, "SDL_InitSubSystem", l.InitSubSystem) && Find(h, "SDL_QuitSubSystem", l.QuitSubSystem) &&
           Find(h, "SDL_WasInit", l.WasInit) && Find(h, "SDL_Quit", l.Quit) && Find(h, "SDL_SetHint", l.SetHint) &&
           Find(h, "SDL_CreateThread", l.CreateThread) && Find(h, "SDL_WaitThread", l.WaitThread) &&
           Find(h, "SDL_RWFromFile", l.RWFromFile) && Find(h, "Mix_Init", l.MixInit) &&
           Find(h, "Mix_Quit", l.MixQuit) && Find(h, "Mix_OpenAudio", l.OpenAudio) &&
           Find(h, "Mix_CloseAudio", l.CloseAudio) && Find(h, "Mix_AllocateChannels", l.AllocateChannels) &&
           Find(h, "Mix_QuerySpec", l.QuerySpec) && Find(h, "Mix_LoadWAV_RW", l.LoadWAV_RW) &&
           Find(h, "Mix_FreeChunk", l.FreeChunk) && Find(h, "Mix_PlayChannelTimed", l.PlayChannelTimed) &&
           Find(h, "Mix_HaltChannel", l.HaltChannel) && Find(h, "Mix_Playing", l.Playing) &&
           Find(h, "Mix_LoadMUS", l.LoadMUS) && Find(h, "Mix_FreeMusic", l.FreeMusic) &&
           Find(h, "Mix_PlayMusic", l.PlayMusic) && Find(h, "Mix_HaltMusic", l.HaltMusic) &&
           Find(h, "Mix_VolumeMusic", l.VolumeMusic);
}

}  // namespace

const SdlLibrary* LoadSdlLibrary() {
    static std::once_flag once;
    static SdlLibrary library;
    static bool loaded = false;
    std::call_once(once, [] {
        // Kept loaded until the process ends: SDL may still be closing its
        // threads when our objects are gone.
        // Lazily bound: the mixer brings some sixty libraries for formats we
        // never play, and binding all their functions up front took longer
        // than everything we call. Every function we use is looked up below.
        void* handle = dlopen("libSDL2_mixer-2.0.so.0", RTLD_LAZY | RTLD_LOCAL);
        loaded = handle && LoadAll(handle, library);
    });
    return loaded ? &library : nullptr;
}

}  // namespace pintaloo
