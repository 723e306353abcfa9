// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/platform/lottie_library.h"

#include <atomic>

#include "ui/platform/run_time_library.h"

namespace pintaloo {

namespace {

std::atomic<bool> pretendMissing{false};

bool FindAll(void* h, LottieLibrary& l) {
    const auto Find = [h](const char* name, auto& out) { return FindFunction(h, name, out); };
    return Find("lottie_animation_from_data", l.FromData) && Find("lottie_animation_destroy", l.Destroy) &&
           Find("lottie_animation_get_size", l.GetSize) && Find("lottie_animation_get_totalframe", l.GetTotalFrame) &&
           Find("lottie_animation_get_framerate", l.GetFrameRate) && Find("lottie_animation_render", l.Render);
}

}  // namespace

const LottieLibrary* LoadLottieLibrary() {
    // rlottie keeps parsed movies in a cache of its own, freed only when the library itself goes.
    const LottieLibrary* library = OpenOnce<LottieLibrary>("librlottie.so.0-1", FindAll);
    return pretendMissing.load() ? nullptr : library;
}

void PretendLottieLibraryMissing(bool missing) { pretendMissing.store(missing); }

}  // namespace pintaloo
