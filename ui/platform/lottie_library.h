// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// rlottie, loaded when the first animation is wanted rather than when the
// program starts: most sessions never open the animation panel, and a linked
// library is mapped, relocated and searched for symbols before main() runs.
// Only rlottie's C functions are used: their names and types stay put from
// one version of the library to the next, where its C++ classes may not.
#include <rlottie_capi.h>

namespace pintaloo {

struct LottieLibrary {
    decltype(&::lottie_animation_from_data) FromData;
    decltype(&::lottie_animation_destroy) Destroy;
    decltype(&::lottie_animation_get_size) GetSize;
    decltype(&::lottie_animation_get_totalframe) GetTotalFrame;
    decltype(&::lottie_animation_get_framerate) GetFrameRate;
    decltype(&::lottie_animation_render) Render;
};

// The library's entry points, loaded on the first call (safe from any
// thread); null when the library or one of them is missing, and no
// animation then plays.
const LottieLibrary* LoadLottieLibrary();

// For tests: while true, LoadLottieLibrary() answers null as if the library
// were not installed.
void PretendLottieLibraryMissing(bool missing);

}  // namespace pintaloo
