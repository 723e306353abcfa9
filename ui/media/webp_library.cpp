// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "webp_library.h"

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

bool LoadAll(void* h, WebPLibrary& l) {
    // libwebpmux needs libwebp, so dlsym on its handle finds libwebp's
    // functions too: one library to open, and the two always match.
    return Find(h, "WebPConfigInitInternal", l.ConfigInitInternal) &&
           Find(h, "WebPPictureInitInternal", l.PictureInitInternal) &&
           Find(h, "WebPPictureImportBGRX", l.PictureImportBGRX) &&
           Find(h, "WebPPictureImportRGBX", l.PictureImportRGBX) && Find(h, "WebPPictureFree", l.PictureFree) &&
           Find(h, "WebPFree", l.Free) &&
           Find(h, "WebPAnimEncoderOptionsInitInternal", l.AnimEncoderOptionsInitInternal) &&
           Find(h, "WebPAnimEncoderNewInternal", l.AnimEncoderNewInternal) &&
           Find(h, "WebPAnimEncoderAdd", l.AnimEncoderAdd) &&
           Find(h, "WebPAnimEncoderAssemble", l.AnimEncoderAssemble) &&
           Find(h, "WebPAnimEncoderGetError", l.AnimEncoderGetError) &&
           Find(h, "WebPAnimEncoderDelete", l.AnimEncoderDelete) && Find(h, "WebPNewInternal", l.MuxNewInternal) &&
           Find(h, "WebPMuxCreateInternal", l.MuxCreateInternal) && Find(h, "WebPMuxDelete", l.MuxDelete) &&
           Find(h, "WebPMuxGetFeatures", l.MuxGetFeatures) && Find(h, "WebPMuxGetFrame", l.MuxGetFrame) &&
           Find(h, "WebPMuxPushFrame", l.MuxPushFrame) &&
           Find(h, "WebPMuxSetAnimationParams", l.MuxSetAnimationParams) &&
           Find(h, "WebPMuxSetCanvasSize", l.MuxSetCanvasSize) && Find(h, "WebPMuxAssemble", l.MuxAssemble);
}

}  // namespace

const WebPLibrary* LoadWebPLibrary() {
    static std::once_flag once;
    static WebPLibrary library;
    static bool loaded = false;
    std::call_once(once, [] {
        // Kept loaded until the process ends: films are made again and again,
        // and the libraries hold nothing between films.
        void* handle = dlopen("libwebpmux.so.3", RTLD_LAZY | RTLD_LOCAL);
        loaded = handle && LoadAll(handle, library);
    });
    return loaded && !pretendMissing.load() ? &library : nullptr;
}

void PretendWebPLibraryMissing(bool missing) { pretendMissing.store(missing); }

}  // namespace pintaloo
