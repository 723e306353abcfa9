// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "lottie_library.h"

#include <dlfcn.h>

#include <atomic>
#include <mutex>

namespace pintaloo {

namespace {

std::atomic<bool> pretendMissing{false};

template <typename Fn>
bool Find(void* handle, const char* name, Fn& out) {
    out = reinterpret_cast<Fn>(dlsym(handle, name));
    return out != nullptr;
}

bool LoadAll(void* h, LottieLibrary& l) {
    return Find(h, "lottie_animation_from_data", l.FromData) && Find(h, "lottie_animation_destroy", l.Destroy) &&
           Find(h, "lottie_animation_get_size", l.GetSize) &&
           Find(h, "lottie_animation_get_totalframe", l.GetTotalFrame) &&
           Find(h, "lottie_animation_get_framerate", l.GetFrameRate) && Find(h, "lottie_animation_render", l.Render);
}

}  // namespace

const LottieLibrary* LoadLottieLibrary() {
    static std::once_flag once;
    static LottieLibrary library;
    static bool loaded = false;
    std::call_once(once, [] {
        // Kept loaded until the process ends: rlottie keeps parsed movies in
        // a cache of its own, freed only when the library itself goes.
        void* handle = dlopen("librlottie.so.0-1", RTLD_LAZY | RTLD_LOCAL);
        loaded = handle && LoadAll(handle, library);
    });
    return loaded && !pretendMissing.load() ? &library : nullptr;
}

void PretendLottieLibraryMissing(bool missing) { pretendMissing.store(missing); }

}  // namespace pintaloo
