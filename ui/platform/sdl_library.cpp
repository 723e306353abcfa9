// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/platform/sdl_library.h"

#include "ui/platform/run_time_library.h"

namespace pintaloo {

namespace {

bool FindSdl(void* h, SdlLibrary& l) {
    const auto Find = [h](const char* name, auto& out) { return FindFunction(h, name, out); };
    return Find("SDL_InitSubSystem", l.InitSubSystem) && Find("SDL_QuitSubSystem", l.QuitSubSystem) &&
           Find("SDL_WasInit", l.WasInit) && Find("SDL_Quit", l.Quit) && Find("SDL_SetHint", l.SetHint) &&
           Find("SDL_CreateThread", l.CreateThread) && Find("SDL_WaitThread", l.WaitThread) &&
           Find("SDL_RWFromFile", l.RWFromFile) && Find("SDL_malloc", l.Malloc) && Find("SDL_realloc", l.Realloc) &&
           Find("SDL_free", l.Free) && Find("SDL_OpenAudioDevice", l.OpenAudioDevice) &&
           Find("SDL_CloseAudioDevice", l.CloseAudioDevice) && Find("SDL_PauseAudioDevice", l.PauseAudioDevice) &&
           Find("SDL_QueueAudio", l.QueueAudio) && Find("SDL_ClearQueuedAudio", l.ClearQueuedAudio) &&
           Find("SDL_GetQueuedAudioSize", l.GetQueuedAudioSize) && Find("SDL_LoadWAV_RW", l.LoadWAV_RW) &&
           Find("SDL_FreeWAV", l.FreeWAV) && Find("SDL_BuildAudioCVT", l.BuildAudioCVT) &&
           Find("SDL_ConvertAudio", l.ConvertAudio);
}

bool FindMixer(void* h, MixerLibrary& l) {
    const auto Find = [h](const char* name, auto& out) { return FindFunction(h, name, out); };
    return Find("Mix_Init", l.MixInit) && Find("Mix_Quit", l.MixQuit) && Find("Mix_OpenAudio", l.OpenAudio) &&
           Find("Mix_CloseAudio", l.CloseAudio) && Find("Mix_AllocateChannels", l.AllocateChannels) &&
           Find("Mix_QuerySpec", l.QuerySpec) && Find("Mix_LoadWAV_RW", l.LoadWAV_RW) &&
           Find("Mix_FreeChunk", l.FreeChunk) && Find("Mix_PlayChannelTimed", l.PlayChannelTimed) &&
           Find("Mix_HaltChannel", l.HaltChannel) && Find("Mix_Playing", l.Playing) &&
           Find("Mix_LoadMUS", l.LoadMUS) && Find("Mix_FreeMusic", l.FreeMusic) &&
           Find("Mix_PlayMusic", l.PlayMusic) && Find("Mix_HaltMusic", l.HaltMusic) &&
           Find("Mix_VolumeMusic", l.VolumeMusic);
}

}  // namespace

// Both stay loaded until the process ends: SDL may still be closing its
// threads when our objects are gone.
const SdlLibrary* LoadSdlLibrary() { return OpenOnce<SdlLibrary>("libSDL2-2.0.so.0", FindSdl); }

const MixerLibrary* LoadMixerLibrary() { return OpenOnce<MixerLibrary>("libSDL2_mixer-2.0.so.0", FindMixer); }

}  // namespace pintaloo
